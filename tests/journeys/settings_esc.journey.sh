# Esc in the settings window's root editor changes nothing, and Save writes what the editor
# shows. (Esc once destroyed the panel holding the editor, and Save then wrote an empty list.)
#
# | step                                        | expected                                      |
# |---------------------------------------------|-----------------------------------------------|
# | Config > Set Find Path by the keyboard      | Settings active, the editor focused, showing  |
# |                                             | the root list                                 |
# | click in the editor, press Esc              | editor, label and text all still there        |
# | type a root on a new line, Esc again        | the typed text stays                          |
# | click Save                                  | "Successfully saved！"; the file holds exactly |
# |                                             | the editor's text                             |
write_lines "$J_PROGRAM/data/list.txt" 'J:\' 'C:\Data\'
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk

step "open the settings window: F10, Right, Down, Return"
key F10 Right Down Return
await active Settings
await focus Edit
expect_text "Settings>Edit" $'J:\\\r\nC:\\Data\\\r\n'

step "click in the editor and press Esc"
click "Settings>Edit" 60 60
key Escape
await focus Edit
expect visible "Settings>Edit"
expect_text "Settings>VorliskControl=Search Path" "Search Path"
expect_text "Settings>Edit" $'J:\\\r\nC:\\Data\\\r\n'

step "type a third root at the end and press Esc"
key ctrl+End
type_text 'D:\'
key Escape
expect_text "Settings>Edit" $'J:\\\r\nC:\\Data\\\r\nD:\\'

step "save"
click "Settings>VorliskControl=Save" 30 10
await_box Vorlisk "Successfully saved！"
key Return
await gone "#32770:Vorlisk"
expect_file "$J_PROGRAM/data/list.txt" 'J:\\\r\nC:\\Data\\\r\nD:\\'
