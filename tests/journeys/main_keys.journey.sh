# The keys a user presses in each control of the main window.
#
# | control      | keys                                  | expected                              |
# |--------------|---------------------------------------|---------------------------------------|
# | keyword box  | "song", Ctrl+A, Ctrl+C, Delete, Ctrl+V| 2 rows; all selected; copied; empty   |
# |              |                                       | and no rows; pasted back, 2 rows      |
# |              | Return, Esc                           | the same rows; nothing closes         |
# | tab order    | Tab x7, Shift+Tab x7                  | Find, Music ... App, the result list, |
# |              |                                       | and back to the keyword box           |
# | query button | Space on "Music"                      | the two music files                   |
# | result list  | Down, the menu key, Up, Return        | row 0 selected; the list's menu; its  |
# |              |                                       | "copy path" puts the row's path on    |
# |              |                                       | the clipboard                         |
# |              | the menu key, Esc                     | the menu closes, the focus stays      |
# | window       | Alt+F4, Esc; Alt+F4, Return           | "Sure to Quit？" twice; the program    |
# |              |                                       | stays, then ends with exit code 0     |
make_sample_tree
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
index_of_sample_tree >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
await focus Edit
list="Vorlisk>SysListView32"

step "type, select all, copy, delete, paste"
type_text song
await rows "$list" 2
key ctrl+a
[ "$(probe selection "Vorlisk>Edit")" = "0 4" ] || fail "Ctrl+A selected $(probe selection "Vorlisk>Edit")"
key ctrl+c
[ "$(probe clipboard)" = song ] || fail "the clipboard holds \"$(probe clipboard)\""
key Delete
expect_text "Vorlisk>Edit" ""
await rows "$list" 0
key ctrl+v
expect_text "Vorlisk>Edit" song
await rows "$list" 2

step "Return runs the query again, Esc does nothing"
key Return Escape
await rows "$list" 2
expect active Vorlisk
expect_text "Vorlisk>Edit" song

step "Tab through the window and back"
for want in Find Music Picture Video Files App; do
  key Tab
  await text "@focus" "$want"
done
key Tab
await focus SysListView32
for want in App Files Video Picture Music Find; do
  key shift+Tab
  await text "@focus" "$want"
done
key shift+Tab
await focus Edit

step "Space on Music"
key Tab Tab space
await rows "$list" 2
expect_text "Vorlisk>Edit" song

step "the result list: Down, the menu key, copy path"
click "$list" 300 200
await focus SysListView32
key Home
[ "$(probe rows "$list")" = "2 0" ] || fail "rows and selection: $(probe rows "$list")"
key Menu
await visible "#32768:"
key Up Return
await gone "#32768:"
first=$(grep -m1 -i -e '\.mp3' -e '\.wma' "$J_PROGRAM/vl.vl" | tr -d '\r')
[ "$(probe clipboard)" = "$first" ] || fail "the clipboard holds \"$(probe clipboard)\", not $first"
key Menu
await visible "#32768:"
key Escape
await gone "#32768:"
await focus SysListView32

step "Alt+F4, answered Cancel, then OK"
key alt+F4
await_box Tips "Sure to Quit？"
key Escape
await active Vorlisk
await focus SysListView32
key alt+F4
await_box Tips "Sure to Quit？"
key Return
await exited
[ "$(vorlisk_exit_code)" = 0 ] || fail "Vorlisk ended with another exit code"
