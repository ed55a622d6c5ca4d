# Every command of the main menu, chosen with the keyboard (F10 or Alt, the arrows, Return), and
# its questions answered with keys.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | Alt, Down, Esc, Esc                           | File opens, closes; the bar lets go: typed  |
# |                                               | keys reach the keyword box                  |
# | F10 Down Return (Open directory)              | the file manager shows the program's folder |
# | F10 Down Down Return, Esc on the question     | vl.vl unchanged                             |
# | Alt Down Down Return, Return on the question  | vl.vl is 0 bytes                            |
# | F10 Down Down Down Return, Shift+Tab to OK   | the rebuild; vl.vl is the tree's index;     |
# | (Cancel is the default), Return, Return       | Vorlisk active with the focus where it was  |
# | F10 Right Down Return (Set Find Path), Esc    | Settings shows; Esc leaves it open          |
# | F10 Right Right Down Return (About)           | nothing happens                             |
make_sample_tree
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
index_of_sample_tree >"$J_PROGRAM/vl.vl"
cp "$J_PROGRAM/vl.vl" "$J_WORK/index.before"
start_vorlisk
await active Vorlisk
await focus Edit

step "Alt opens the bar, Down the File menu; Esc twice lets go"
key alt Down
await visible "VorliskPopup:"
key Escape Escape
await gone "VorliskPopup:"
type_text so
expect_text "Vorlisk>Edit" so

step "F10 Down Return: Open directory"
key F10 Down Return
VL_PROBE_EXE=explorer.exe await visible "ExplorerWClass:program"
VL_PROBE_EXE=explorer.exe probe close "ExplorerWClass:program" >/dev/null
VL_PROBE_EXE=explorer.exe await gone "ExplorerWClass:program"
click Vorlisk 300 12
await active Vorlisk

step "F10 Down Down Return: Remove file index, Esc on the question"
key F10 Down Down Return
await_box Tips "Sure to clear the cache？"
key Escape
await active Vorlisk
cmp -s "$J_PROGRAM/vl.vl" "$J_WORK/index.before" || fail "vl.vl changed after Esc"

step "Alt Down Down Return: Remove file index, Return on the question"
key alt Down Down Return
await_box Tips "Sure to clear the cache？"
key Return
await active Vorlisk
expect_file "$J_PROGRAM/vl.vl" ''

step "F10 Down Down Down Return: Rebuild the index file"
click "Vorlisk>Edit" 100 20
key F10 Down Down Down Return
await_box Tips "Sure you want to rebuild the index database?"
expect text "@focus" Cancel
key shift+Tab Return
await_box Vorlisk "Successful update the index, You can enjoy the high-speed search！"
key Return
await active Vorlisk
await focus Edit
expect_index "$J_PROGRAM/vl.vl"
key End
type_text ng
await rows "Vorlisk>SysListView32" 2

step "F10 Right Down Return: Set Find Path; Esc leaves it open"
key F10 Right Down Return
await active Settings
key Escape
expect active Settings
expect visible "Settings>Edit"

step "F10 Right Right Down Return on the main window: About does nothing"
click Vorlisk 300 12
await active Vorlisk
key F10 Right Right Down Return
await gone "VorliskPopup:"
expect active Vorlisk
expect visible Settings
