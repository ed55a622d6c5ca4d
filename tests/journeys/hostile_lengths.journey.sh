# Files with absurd lengths do not freeze the windows. A root list with one 5 MB line kept the
# settings window from ever appearing (the native editor wraps long lines slowly); an index line
# of many megabytes cost seconds a repaint. The editor now shows such a list cut, says so, and
# the file changes only when the user saves what is shown.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | an index with a 32 MB line; type "report"     | three rows, the long one among them         |
# | Set Find Path on a list with a 5 MB line      | "Parts of the root list are not shown ..."; |
# |                                               | the editor: the line cut at 1024 characters |
# | Close                                         | the file unchanged                          |
# | Set Find Path, Return, Save                   | the file holds what the editor showed       |
make_sample_tree
index_of_sample_tree >"$J_PROGRAM/vl.vl"
{ printf 'J:\\'; head -c $((32 << 20)) /dev/zero | tr '\0' 'x'; printf '\\report.txt\r\n'; } \
  >>"$J_PROGRAM/vl.vl"
{ printf 'J:\\\r\n'; head -c $((5 << 20)) /dev/zero | tr '\0' 'a'; printf '\r\nC:\\Data\\\r\n'; } \
  >"$J_PROGRAM/data/list.txt"
cp "$J_PROGRAM/data/list.txt" "$J_WORK/list.before"
start_vorlisk
await active Vorlisk

step "a query shows the long index line among its rows"
type_text report
await rows "Vorlisk>SysListView32" 3
expect text "Vorlisk>Edit" report

step "the settings window shows the root list cut"
key F10 Right Down Return
await_box Vorlisk "Parts of the root list are not shown: it has lines longer than 1024 characters or more than 32767 characters in all. Save writes what is shown."
key Return
await active Settings
shown=$'J:\\\r\n'$(printf 'a%.0s' $(seq 1 1024))$'\r\nC:\\Data\\\r\n'
expect_text "Settings>Edit" "$shown"

step "Close leaves the file as it was"
click "Settings>VorliskControl=Close" 30 10
await hidden Settings
cmp -s "$J_PROGRAM/data/list.txt" "$J_WORK/list.before" || fail "Close changed the root list"

step "Save writes what is shown"
key F10 Right Down Return
await_box Vorlisk "Parts of the root list are not shown: it has lines longer than 1024 characters or more than 32767 characters in all. Save writes what is shown."
key Return
await active Settings
click "Settings>VorliskControl=Save" 30 10
await_box Vorlisk "Successfully saved！"
key Return
await active Settings
printf '%s' "$shown" >"$J_WORK/list.shown"
cmp -s "$J_PROGRAM/data/list.txt" "$J_WORK/list.shown" || fail "Save wrote something else"
