# Every command of the main menu, chosen with the pointer, and the answers to its questions.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | File > Open directory                         | the file manager shows the program's folder |
# | File > Remove file index, Cancel              | "Sure to clear the cache？"; vl.vl unchanged |
# | File > Remove file index, OK                  | vl.vl is 0 bytes; a query finds nothing     |
# | File > Rebuild the index file, OK             | "Successful update ..."; vl.vl is the tree's|
# |                                               | index; Vorlisk active; a query finds again  |
# | Config > Set Find Path, then Close            | the settings window shows and hides         |
# | Help > About                                  | nothing happens                             |
make_sample_tree
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
index_of_sample_tree >"$J_PROGRAM/vl.vl"
cp "$J_PROGRAM/vl.vl" "$J_WORK/index.before"
start_vorlisk
await active Vorlisk

# The menu bar's items and the rows of a popup, relative to their windows.
menu() { click Vorlisk "$1" 38; await visible "VorliskPopup:"; }
file=22 config=57 help=97
item() { click "VorliskPopup:" 60 $((12 + 22 * ($1 - 1))); await gone "VorliskPopup:"; }

step "File > Open directory"
menu $file
item 1
VL_PROBE_EXE=explorer.exe await visible "ExplorerWClass:program"
VL_PROBE_EXE=explorer.exe probe close "ExplorerWClass:program" >/dev/null
VL_PROBE_EXE=explorer.exe await gone "ExplorerWClass:program"
click Vorlisk 300 12
await active Vorlisk

step "File > Remove file index, answered Cancel"
menu $file
item 2
await_box Tips "Sure to clear the cache？"
click "#32770:Tips>Button=Cancel" 10 10
await active Vorlisk
cmp -s "$J_PROGRAM/vl.vl" "$J_WORK/index.before" || fail "vl.vl changed after Cancel"

step "File > Remove file index, answered OK"
menu $file
item 2
await_box Tips "Sure to clear the cache？"
click "#32770:Tips>Button=OK" 10 10
await active Vorlisk
expect_file "$J_PROGRAM/vl.vl" ''
click "Vorlisk>Edit" 40 20
type_text song
await rows "Vorlisk>SysListView32" 0

step "File > Rebuild the index file, answered OK"
menu $file
item 3
await_box Tips "Sure you want to rebuild the index database?"
click "#32770:Tips>Button=OK" 10 10
await_box Vorlisk "Successful update the index, You can enjoy the high-speed search！"
click "#32770:Vorlisk>Button=OK" 10 10
await active Vorlisk
expect_index "$J_PROGRAM/vl.vl"
click "Vorlisk>Edit" 40 20
key End BackSpace
type_text g
await rows "Vorlisk>SysListView32" 2

step "Config > Set Find Path, then Close"
menu $config
item 1
await active Settings
click "Settings>VorliskControl=Close" 30 10
await hidden Settings
await active Vorlisk

step "Help > About does nothing"
probe windows | grep -c "visible=1" >"$J_WORK/windows.before" || true
menu $help
item 1
await active Vorlisk
probe windows | grep -c "visible=1" >"$J_WORK/windows.after" || true
cmp -s "$J_WORK/windows.before" "$J_WORK/windows.after" || fail "About changed the windows on show"
