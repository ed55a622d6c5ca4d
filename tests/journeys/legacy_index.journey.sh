# An index an older version wrote, its names in the system's code page (1252), reads right: the
# rows spell the names, Copy path and Open work on them, and the index is the disk's, so the
# program does not write it again. A program without UTF-8 pastes the path in its own code page.
#
# | step                                      | expected                                         |
# |-------------------------------------------|--------------------------------------------------|
# | start on the 1252 index; type ".txt"      | one row: café.txt in J:\cafédir                  |
# | Copy path                                 | the clipboard's text is J:\cafédir\café.txt; its |
# |                                           | CF_TEXT, read in code page 1252, says the same   |
# | Open                                      | Notepad shows café.txt                           |
# | wait past the save's quiet time           | vl.vl is still the file the older version wrote  |
mkdir -p "$J_TREE/cafédir"
printf 'coffee\r\n' >"$J_TREE/cafédir/café.txt"
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
index_of_sample_tree | iconv -f UTF-8 -t CP1252 >"$J_PROGRAM/vl.vl"
grep -q $'caf\xe9dir' "$J_PROGRAM/vl.vl" || fail "the index was not written in code page 1252"
cp "$J_PROGRAM/vl.vl" "$J_WORK/index.before"
list="Vorlisk>SysListView32"
start_vorlisk
await active Vorlisk
await focus Edit

step "the rows spell the names"
type_text .txt
await rows "$list" 1
[ "$(probe shown "$list" 0 | tr -d '\r')" = 'café.txt' ] ||
  fail "the row's name is $(probe shown "$list" 0)"
[ "$(probe shown "$list" 1 | tr -d '\r')" = 'J:\cafédir' ] ||
  fail "the row's folder is $(probe shown "$list" 1)"

step "Copy path"
click "$list" 60 26
key Menu
await visible "#32768:"
key Up Return
await gone "#32768:"
[ "$(probe clipboard)" = 'J:\cafédir\café.txt' ] || fail "copy path gives $(probe clipboard)"
[ "$(probe clipboard-ansi)" = '1252 J:\cafédir\café.txt' ] ||
  fail "an older program pastes $(probe clipboard-ansi)"

step "Open"
key Menu
await visible "#32768:"
key Down Return
VL_PROBE_EXE=notepad.exe await visible "Notepad:café.txt - Notepad"
VL_PROBE_EXE=notepad.exe probe close "Notepad:café.txt - Notepad" >/dev/null
VL_PROBE_EXE=notepad.exe await exited
click Vorlisk 300 12
await active Vorlisk

step "the index is the disk's: it is not written again"
sleep 5
cmp -s "$J_PROGRAM/vl.vl" "$J_WORK/index.before" ||
  fail "vl.vl was written again: $(head -c 300 "$J_PROGRAM/vl.vl" | od -c | head -5)"
