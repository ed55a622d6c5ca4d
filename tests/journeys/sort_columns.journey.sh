# A click on a column's header section sorts the results by it, the next click reverses them,
# the third gives index order back; the order holds while the user types on.
#
# | step                                  | expected                                            |
# |---------------------------------------|-----------------------------------------------------|
# | type "item"                           | 30 rows in index order (as the index file lists them)|
# | click FileName                        | item1.txt, item2.txt, item3.txt ... on screen (digits|
# |                                       | by value, case ignored); a mark on the section      |
# | Page Down in the list                 | the rows go on in order to item30.DOC               |
# | type "1" (keyword "item1")            | item1, item10 ... item19, still by name             |
# | click FileName again                  | the reverse: item19.txt first, item1.txt last       |
# | click FileName a third time           | index order; no mark                                |
# | click FilePath                        | folders d0, d1, d2 ... d10 (d10 after d8)           |
# | click FileType                        | .DOC before .txt                                    |
# | click FileSize                        | the smallest file first                             |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"

make_files() {
  local i
  for i in $(seq 30); do
    local folder="$J_TREE/Sort/d$((i % 11))" ext=txt
    ((i % 2 == 0)) && ext=DOC
    ((i == 3)) && ext=doc
    mkdir -p "$folder"
    head -c $(((31 - i) * 40)) /dev/zero >"$folder/item$i.$ext"
  done
}
make_files
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
index_of_sample_tree >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
await focus Edit
list="Vorlisk>SysListView32"
header="Vorlisk>SysHeader32"

# shown_column N: the texts of column N of the rows on screen, on one line, space-separated.
shown_column() {
  probe shown "$list" "$1" | tr -d '\r' | tr '\n' ' '
}
expect_shown() {
  local got
  for _ in $(seq 50); do
    got=$(shown_column "$1")
    [ "${got#"$2"}" != "$got" ] && return 0
    sleep 0.1
  done
  fail "column $1 shows \"$got\", not \"$2...\""
}
index_names() {
  grep -i "$1" "$J_PROGRAM/vl.vl" | tr -d '\r' | sed 's|.*\\||' | tr '\n' ' '
}
# The direction mark of a sorted section: dark pixels at the right end of its caption room.
mark_pixels() {
  dark_pixels "$header" $(($1 - 16)) 4 $(($1 - 4)) 18
}

step "type a keyword: index order"
type_text item
await rows "$list" 30
expect_shown 0 "$(index_names item | cut -d' ' -f1-5)"
no_mark=$(mark_pixels 180)

step "sort by name"
click "$header" 60 10
expect_shown 0 "item1.txt item2.DOC item3.doc item4.DOC item5.txt item6.DOC item7.txt"
[ "$(mark_pixels 180)" -gt "$no_mark" ] || fail "no direction mark on FileName"

step "Page Down goes on in order"
click "$list" 100 40
key Next Next
last=$(shown_column 0 | awk '{ print $NF }')
[ "$last" = item30.DOC ] || fail "the last row after Page Down is $last"
shown_column 0 | awk '{ for (i = 2; i <= NF; i++) { a = $(i-1); b = $i; gsub(/[^0-9]/, "", a)
  gsub(/[^0-9]/, "", b); if (a + 0 >= b + 0) exit 1 } }' ||
  fail "the rows after Page Down are not in order: $(shown_column 0)"

step "type on with the order set"
click "Vorlisk>Edit" 300 20
key End
type_text 1
await rows "$list" 11
expect_shown 0 "item1.txt item10.DOC item11.txt item12.DOC item13.txt"

step "reverse, then back to index order"
click "$header" 60 10
expect_shown 0 "item19.txt item18.DOC item17.txt"
[ "$(shown_column 0 | awk '{ print $NF }')" = item1.txt ] || fail "item1.txt is not last"
click "$header" 60 10
expect_shown 0 "$(index_names item1 | cut -d' ' -f1-11)"
[ "$(mark_pixels 180)" -le "$no_mark" ] || fail "a direction mark is left on FileName"

step "sort by folder: numbers by value"
click "$header" 280 10
expect_shown 1 "J:\\Sort\\d0 J:\\Sort\\d1 J:\\Sort\\d1 J:\\Sort\\d2 J:\\Sort\\d3"
[ "$(mark_pixels 380)" -gt "$no_mark" ] || fail "no direction mark on FilePath"
shown_column 1 | grep -q 'd8 J:\\Sort\\d10 ' || fail "d10 does not follow d8: $(shown_column 1)"

step "sort by type, then by size"
click "$header" 420 10
expect_shown 2 ".DOC .DOC .DOC .DOC .DOC"
shown_column 2 | grep -q '\.DOC \.txt' || fail "the types are not grouped: $(shown_column 2)"
click "$header" 520 10
expect_shown 0 "item19.txt item18.DOC item17.txt"
[ "$(shown_column 0 | awk '{ print $NF }')" = item1.txt ] || fail "the largest file is not last"
