# After every message box the window that was active is active again and the control that had
# the focus has it, so typing goes on without a click.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | Tab to Find in an empty keyword box, Space    | "The file name cannot be empty！"            |
# | Return                                        | Vorlisk active, focus in the keyword box,   |
# |                                               | which the message asked to fill             |
# | type "song"                                   | the keyword box holds "song"                |
# | Settings: Save, Return                        | Settings active, focus back on Save         |
# | Alt+F4 on the main window, Esc on "Tips"      | Vorlisk active, focus where it was          |
make_sample_tree
index_of_sample_tree >"$J_PROGRAM/vl.vl"
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
start_vorlisk
await active Vorlisk
await focus Edit

step "Find with an empty keyword box, by the keyboard"
key Tab
await focus VorliskControl
expect text "@focus" "Find"
key space
await_box Vorlisk "The file name cannot be empty！"
key Return
await active Vorlisk
await focus Edit

step "type the name the message asked for"
type_text song
expect_text "Vorlisk>Edit" song
await rows "Vorlisk>SysListView32" 2

step "the settings window's Save message"
key F10 Right Down Return
await active Settings
click "Settings>VorliskControl=Save" 30 10
await_box Vorlisk "Successfully saved！"
key Return
await active Settings
expect text "@focus" "Save"

step "the Tips question, answered Cancel"
click "Vorlisk>Edit" 40 20
await active Vorlisk
key alt+F4
await_box Tips "Sure to Quit？"
key Escape
await active Vorlisk
await focus Edit
key End
type_text " one"
expect_text "Vorlisk>Edit" "song one"
