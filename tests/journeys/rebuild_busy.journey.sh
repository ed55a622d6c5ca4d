# The window stays usable during a rebuild: menus open, their rebuild and clear commands are
# unavailable, queries answer from the index as it was, the settings window opens, and the
# rebuild ends with its message and the whole index.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | Rebuild (the tree 24 times over), OK        | the rebuild runs                            |
# | open File, click "Rebuild the index file"     | the menu closes; no second question         |
# | type "song"                                   | the rows of the index as it was             |
# | Set Find Path, then Close                     | the settings window shows and hides         |
# | wait                                          | "Successful update ..."; Return; vl.vl holds|
# |                                               | the tree 24 times; "song" finds 48 rows     |
make_sample_tree
mkdir -p "$J_TREE"/Big/d{1..20}/e{1..40}
index_of_sample_tree >"$J_PROGRAM/vl.vl"
roots=24
printf 'J:\\\r\n%.0s' $(seq $roots) >"$J_PROGRAM/data/list.txt"
start_vorlisk
await active Vorlisk
await focus Edit

step "start the rebuild"
key F10 Down Down Down Return
await_box Tips "Sure you want to rebuild the index database?"
key shift+Tab Return
await active Vorlisk

step "the File menu during the rebuild"
click Vorlisk 22 38
await visible "VorliskPopup:"
click "VorliskPopup:" 60 56
key Escape
await gone "VorliskPopup:"
expect_not exists "#32770:Tips"

step "a query during the rebuild"
click "Vorlisk>Edit" 40 20
type_text song
read -r rows _ <<<"$(probe rows "Vorlisk>SysListView32")"
[ "$rows" -ge 2 ] || fail "$rows rows for \"song\" during the rebuild"

step "the settings window during the rebuild"
key F10 Right Down Return
await active Settings
click "Settings>VorliskControl=Close" 30 10
await hidden Settings
expect_not exists "#32770:Vorlisk"

step "the rebuild ends"
J_TIMEOUT=120 await_box Vorlisk "Successful update the index, You can enjoy the high-speed search！"
key Return
await active Vorlisk
want=$((roots * $(index_of_sample_tree | wc -l)))
got=$(wc -l <"$J_PROGRAM/vl.vl")
[ "$got" -eq "$want" ] || fail "vl.vl has $got lines, not $want"
key BackSpace
type_text g
await rows "Vorlisk>SysListView32" $((2 * roots))
