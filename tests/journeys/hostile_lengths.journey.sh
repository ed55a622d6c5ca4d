# Files with absurd lengths do not freeze the windows, and nothing of them is lost. A root list
# with one 5 MB line kept the settings window from ever appearing (the native editor lays out a
# long line slowly), and was later shown cut, which a Save then wrote; an index line of many
# megabytes cost seconds a repaint. Now a root list too large for the editor is not opened: the
# error box says why, and the file stays as it is.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | an index with a 32 MB line; type "report"     | three rows, the long one among them         |
# | Set Find Path on a list with a 5 MB line      | "Cannot open file "...\data\list.txt". It is |
# |                                               | too large for this editor ..."; Settings    |
# |                                               | stays hidden                                |
# | Return                                        | the file unchanged; the main window active  |
make_sample_tree
index_of_sample_tree >"$J_PROGRAM/vl.vl"
# The long line lies under a root that is not there, whose entries the program keeps (as it
# keeps those of an unplugged drive) instead of taking them out when it looks at the disk.
{ printf 'C:\\Data\\'; head -c $((32 << 20)) /dev/zero | tr '\0' 'x'; printf '\\report.txt\r\n'; } \
  >>"$J_PROGRAM/vl.vl"
{ printf 'J:\\\r\n'; head -c $((5 << 20)) /dev/zero | tr '\0' 'a'; printf '\r\nC:\\Data\\\r\n'; } \
  >"$J_PROGRAM/data/list.txt"
cp "$J_PROGRAM/data/list.txt" "$J_WORK/list.before"
start_vorlisk
await active Vorlisk

step "a query shows the long index line among its rows"
type_text report
await text "Vorlisk>Edit" report
await rows "Vorlisk>SysListView32" 3

step "the settings window refuses the root list and leaves it alone"
key F10 Right Down Return
await_box Vorlisk "Cannot open file \"" prefix
said=$(for i in 0 1 2; do probe text "#32770:Vorlisk>Static#$i" || true; done)
case $said in
  *'data\list.txt". It is too large for this editor (more than 2 MB, or a line longer than any folder path). It is left as it is; edit it in a text editor.'*) ;;
  *) fail "the error box says: $said" ;;
esac
key Return
await active Vorlisk
expect hidden Settings
cmp -s "$J_PROGRAM/data/list.txt" "$J_WORK/list.before" || fail "the root list changed"
