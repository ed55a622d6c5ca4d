# A root list of a megabyte, and a paste of a megabyte, are kept whole. The editor used to
# hold 32,767 characters of a list and take 30,000 by typing or pasting; a paste beyond that
# was cut mid-path and saved so.
#
# | step                                           | expected                                   |
# |------------------------------------------------|--------------------------------------------|
# | a list of 34,953 roots (1,048,590 bytes):      | list.txt is the old list plus J:\typed\    |
# | open, Ctrl+End, type J:\typed\, Save           |                                            |
# | Ctrl+A, Ctrl+C, Ctrl+End, Return, Ctrl+V, Save | list.txt is that text, a line break and    |
# |                                                | the same text again                        |
awk 'BEGIN { for (i = 1; i <= 34953; i++) printf "J:\\roots\\folder%05d\\abcdef\\\r\n", i }' \
  >"$J_PROGRAM/data/list.txt"
cp "$J_PROGRAM/data/list.txt" "$J_WORK/list.before"
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk

step "a list of 1 MB, one root typed, Save"
key F10 Right Down Return
# The native editor lays a megabyte out in seconds under Wine.
J_TIMEOUT=120 await active Settings
await focus Edit
key ctrl+End
type_text 'J:\typed\'
click "Settings>VorliskControl=Save" 30 10
J_TIMEOUT=60 await_box Vorlisk "Successfully saved！"
key Return
await active Settings
printf 'J:\\typed\\' | cat "$J_WORK/list.before" - >"$J_WORK/list.typed"
cmp -s "$J_PROGRAM/data/list.txt" "$J_WORK/list.typed" ||
  fail "list.txt ($(wc -c <"$J_PROGRAM/data/list.txt") bytes) is not the old list plus the typed root"

step "a paste of 1 MB, Save"
click "Settings>Edit" 40 40
key ctrl+a ctrl+c ctrl+End Return ctrl+v
# The window answers again once the paste has been laid out.
J_TIMEOUT=120 await exists "Settings>VorliskControl=Save"
click "Settings>VorliskControl=Save" 30 10
J_TIMEOUT=120 await_box Vorlisk "Successfully saved！"
key Return
await active Settings
{ cat "$J_WORK/list.typed"; printf '\r\n'; cat "$J_WORK/list.typed"; } >"$J_WORK/list.pasted"
cmp -s "$J_PROGRAM/data/list.txt" "$J_WORK/list.pasted" ||
  fail "list.txt ($(wc -c <"$J_PROGRAM/data/list.txt") bytes) is not the text plus its paste ($(wc -c <"$J_WORK/list.pasted") bytes)"
