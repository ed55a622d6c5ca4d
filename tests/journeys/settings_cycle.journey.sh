# The settings window's save, close and reopen cycle, with the root list file checked byte for
# byte after each step.
#
# | step                                              | expected                               |
# |---------------------------------------------------|----------------------------------------|
# | open, with a root list written with LF breaks     | the editor shows it with CR LF         |
# | type a line, Close                                | hidden; the file unchanged             |
# | reopen                                            | the file's text again, not the edits   |
# | type a line, click the main window, Set Find Path | the same window in front, edits kept   |
# | Tab, Shift+Tab                                    | Save, then the editor                  |
# | the menu key, Select All; Ctrl+C; Delete; Ctrl+V  | all selected; copied; empty; back      |
# | Tab to Save, Return; Return on the message        | the file is the editor's text exactly  |
# | the caption's close button; reopen                | hidden; then the saved text            |
# | Alt+F4 in the settings window                     | hidden; the program keeps running      |
: >"$J_PROGRAM/vl.vl"
printf 'J:\\\nC:\\Data\\\n' >"$J_PROGRAM/data/list.txt"
cp "$J_PROGRAM/data/list.txt" "$J_WORK/list.before"
start_vorlisk
await active Vorlisk
open_settings() { key F10 Right Down Return; await active Settings; await focus Edit; }

step "open: LF breaks are shown as CR LF"
open_settings
expect_text "Settings>Edit" $'J:\\\r\nC:\\Data\\\r\n'

step "type a line, then Close without saving"
key ctrl+End
type_text 'E:\Media\'
click "Settings>VorliskControl=Close" 30 10
await hidden Settings
await active Vorlisk
cmp -s "$J_PROGRAM/data/list.txt" "$J_WORK/list.before" || fail "Close changed the file"

step "reopen: the file's text, not the edits"
open_settings
expect_text "Settings>Edit" $'J:\\\r\nC:\\Data\\\r\n'

step "edits survive Set Find Path while the window is open"
key ctrl+End
type_text 'E:\Media\'
click Vorlisk 300 12
await active Vorlisk
open_settings
expect_text "Settings>Edit" $'J:\\\r\nC:\\Data\\\r\nE:\\Media\\'

step "Tab and Shift+Tab"
key Tab
await text "@focus" Save
key shift+Tab
await focus Edit

step "the editor's menu key, Select All; Ctrl+C, Delete, Ctrl+V"
key Menu
await visible "VorliskPopup:"
key Up Return
await gone "VorliskPopup:"
[ "$(probe selection "Settings>Edit")" = "0 24" ] || fail "selected $(probe selection "Settings>Edit")"
key ctrl+c
[ "$(probe clipboard | tr -d '\n')" = 'J:\C:\Data\E:\Media\' ] || fail "copied $(probe clipboard)"
key Delete
expect_text "Settings>Edit" ""
key ctrl+v
expect_text "Settings>Edit" $'J:\\\r\nC:\\Data\\\r\nE:\\Media\\'

step "Save, by Tab and Return, writes the editor's text byte for byte"
key Tab
await text "@focus" Save
key Return
await_box Vorlisk "Successfully saved！"
key Return
await active Settings
expect_file "$J_PROGRAM/data/list.txt" 'J:\\\r\nC:\\Data\\\r\nE:\\Media\\'

step "the caption's close button hides; reopen shows the saved text"
click Settings -15 14
await hidden Settings
open_settings
expect_text "Settings>Edit" $'J:\\\r\nC:\\Data\\\r\nE:\\Media\\'

step "Alt+F4 hides the settings window only"
key alt+F4
await hidden Settings
await active Vorlisk
expect running
expect_file "$J_PROGRAM/data/list.txt" 'J:\\\r\nC:\\Data\\\r\nE:\\Media\\'
