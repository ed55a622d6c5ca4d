# What a user does with result rows, and the messages about entries that have gone, each with
# the focus back in the list afterwards.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | a row whose file was deleted: double-click    | "File has been deleted or moved. Please     |
# |                                               | refresh the index database!"                |
# | the same row: menu key, Open Path             | the same message, ending in "！"             |
# | the same row: menu key, copy path             | the first message again                     |
# | a folder row: double-click                    | the message (Open takes files only)         |
# | a text file's row: Return on "Open"           | the shell opens it (Notepad shows it)       |
# | Rebuild without a root list                   | "Please first set the path to search ！"     |
make_sample_tree
index_of_sample_tree >"$J_PROGRAM/vl.vl"
rm "$J_TREE/Docs/report 2025.doc"
start_vorlisk
await active Vorlisk
list="Vorlisk>SysListView32"
gone="File has been deleted or moved. Please refresh the index database"

back_in_list() {
  key Return
  await active Vorlisk
  await focus SysListView32
}

step "a deleted file: double-click"
type_text "2025"
await rows "$list" 1
double_click "$list" 60 26
await_box Vorlisk "$gone!"
back_in_list

step "a deleted file: Open Path"
key Menu
await visible "#32768:"
key Down Down Return
await_box Vorlisk "$gone！"
back_in_list

step "a deleted file: copy path"
key Menu
await visible "#32768:"
key Up Return
await_box Vorlisk "$gone!"
back_in_list

step "a folder row: double-click"
click "Vorlisk>Edit" 200 20
key ctrl+a
type_text 'Pictures'
await rows "$list" 4
double_click "$list" 60 26
await_box Vorlisk "$gone!"
back_in_list

step "an existing text file: Open"
click "Vorlisk>Edit" 200 20
key ctrl+a
type_text 'notes'
await rows "$list" 1
click "$list" 60 26
key Menu
await visible "#32768:"
key Down Return
VL_PROBE_EXE=notepad.exe await visible "Notepad:notes.txt - Notepad"
VL_PROBE_EXE=notepad.exe probe close "Notepad:notes.txt - Notepad" >/dev/null
VL_PROBE_EXE=notepad.exe await exited
click Vorlisk 300 12
await active Vorlisk

step "Rebuild without a root list"
key F10 Down Down Down Return
await_box Tips "Sure you want to rebuild the index database?"
key shift+Tab Return
await_box Vorlisk "Please first set the path to search ！"
key Return
await active Vorlisk
await focus SysListView32
