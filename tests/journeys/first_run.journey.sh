# A first start from a freshly unpacked folder: no index, no data folder, no root list.
#
# | step                                         | expected                                     |
# |----------------------------------------------|----------------------------------------------|
# | start                                        | "Indexes are not found ..." before the main  |
# |                                              | window shows; the data folder is made        |
# | Return                                       | the main window active, the keyword box      |
# |                                              | focused                                      |
# | Set Find Path                                | one line per drive                           |
# | Ctrl+A, type J:\, Save                       | the file holds J:\ and nothing else          |
# | Rebuild, type a keyword                      | the index of J:\; its rows on show           |
make_sample_tree
rmdir "$J_PROGRAM/data"
start_vorlisk

step "the no-index message comes first"
await_box Vorlisk "Indexes are not found in current, please indexed file first!"
expect_not visible Vorlisk
[ -d "$J_PROGRAM/data" ] || fail "no data folder"
key Return
await active Vorlisk
await focus Edit

step "the settings window offers every drive"
drives=$(probe drives)
key F10 Right Down Return
await active Settings
want=""
for d in $drives; do want+="$d"$'\r\n'; done
expect_text "Settings>Edit" "$want"

step "the root list becomes J:\\"
key ctrl+a
type_text 'J:\'
click "Settings>VorliskControl=Save" 30 10
await_box Vorlisk "Successfully saved！"
key Return
await active Settings
expect_file "$J_PROGRAM/data/list.txt" 'J:\\'
key alt+F4
await active Vorlisk

step "rebuild and search"
key F10 Down Down Down Return
await_box Tips "Sure you want to rebuild the index database?"
key shift+Tab Return
await_box Vorlisk "Successful update the index, You can enjoy the high-speed search！"
key Return
await active Vorlisk
expect_index "$J_PROGRAM/vl.vl"
type_text report
await rows "Vorlisk>SysListView32" 2
shot results
