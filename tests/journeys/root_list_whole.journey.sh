# Nothing the user keeps is cut by the root editor. A list over 32,767 characters used to open
# cut to its first 32,760 bytes, a line over 1,024 characters was saved cut, and typing stopped
# at 30,000 characters; each Save then wrote the cut text. Now the editor holds the list whole,
# and a Save after one typed root writes the old list plus that root, byte for byte.
#
# | step                                           | expected                                   |
# |------------------------------------------------|--------------------------------------------|
# | a list of 1,334 roots (40,020 bytes): open,    | "Successfully saved！"; list.txt is the old |
# | Ctrl+End, type J:\typed\, Save                 | list plus J:\typed\                        |
# | the same with a list holding a 2,000-character | the same                                   |
# | root between two short ones                    |                                            |
write_roots() {
  awk -v n="$2" 'BEGIN { for (i = 1; i <= n; i++) printf "J:\\roots\\folder%05d\\abcdef\\\r\n", i }' >"$1"
}

# open_type_save: Set Find Path, one root typed at the end, Save, Close; list.txt must be the
# list it was plus that root.
open_type_save() {
  cp "$J_PROGRAM/data/list.txt" "$J_WORK/list.before"
  key F10 Right Down Return
  await active Settings
  await focus Edit
  key ctrl+End
  type_text 'J:\typed\'
  click "Settings>VorliskControl=Save" 30 10
  await_box Vorlisk "Successfully saved！"
  key Return
  await active Settings
  printf 'J:\\typed\\' | cat "$J_WORK/list.before" - >"$J_WORK/list.expected"
  cmp -s "$J_PROGRAM/data/list.txt" "$J_WORK/list.expected" ||
    fail "list.txt ($(wc -c <"$J_PROGRAM/data/list.txt") bytes) is not the old list plus the typed root ($(wc -c <"$J_WORK/list.expected") bytes)"
  click "Settings>VorliskControl=Close" 30 10
  await hidden Settings
}

write_roots "$J_PROGRAM/data/list.txt" 1334
[ "$(wc -c <"$J_PROGRAM/data/list.txt")" -eq 40020 ] || fail "the list is not 40,020 bytes"
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk

step "a list of 40,020 bytes, one root typed, Save"
open_type_save

step "a list with a 2,000-character root, one root typed, Save"
{ printf 'C:\\\r\nJ:\\'; head -c 1996 /dev/zero | tr '\0' 'a'; printf '\\\r\nD:\\\r\n'; } \
  >"$J_PROGRAM/data/list.txt"
open_type_save
