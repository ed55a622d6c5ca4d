# The index follows the disk: files made, renamed and deleted in a root from outside show in the
# rows of the keyword typed without a rebuild, the selected row stays selected, the index file
# holds the change a few seconds later and at exit, and a change made while Vorlisk was closed
# is found after the next start.
#
# | step                                             | expected                                 |
# |--------------------------------------------------|------------------------------------------|
# | type "fresh"                                     | no rows                                  |
# | make J:\fresh one.txt                            | one row within a second                  |
# | select it; make J:\fresh three.txt               | two rows; copy path still gives "one"    |
# | rename "fresh one.txt" to "stale one.txt"        | one row                                  |
# | rename "stale one.txt" to "fresh two.txt"        | two rows                                 |
# | delete "fresh three.txt"                         | one row: copy path gives "fresh two.txt" |
# | wait                                             | vl.vl holds the tree as it is now        |
# | quit; make J:\fresh four.txt; start; "fresh"     | two rows                                 |
make_sample_tree
index_of_sample_tree >"$J_PROGRAM/vl.vl"
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
list="Vorlisk>SysListView32"

# The path "Copy path" puts on the clipboard for the selected row. It does not click: a click
# would select the first row itself, and a second click soon after another is a double-click,
# which opens the file.
copied_path() {
  key Menu
  await visible "#32768:"
  key Up Return
  await gone "#32768:"
  probe clipboard
}

start_vorlisk
await active Vorlisk
await focus Edit
type_text fresh
await rows "$list" 0

step "a file made in the root shows within a second"
: >"$J_TREE/fresh one.txt"
started=$(date +%s%N)
await rows "$list" 1
elapsed=$((($(date +%s%N) - started) / 1000000))
echo "the new file showed after $elapsed ms"
[ "$elapsed" -le 1000 ] || fail "the new file took $elapsed ms to show"

step "the selection stays on its path"
click "$list" 60 26
: >"$J_TREE/fresh three.txt"
await rows "$list" 2
[ "$(copied_path)" = 'J:\fresh one.txt' ] || fail "copy path gives $(probe clipboard)"

step "renamed files change"
mv "$J_TREE/fresh one.txt" "$J_TREE/stale one.txt"
await rows "$list" 1
mv "$J_TREE/stale one.txt" "$J_TREE/fresh two.txt"
await rows "$list" 2

step "a deleted file leaves"
rm "$J_TREE/fresh three.txt"
await rows "$list" 1
click "$list" 60 26
[ "$(copied_path)" = 'J:\fresh two.txt' ] || fail "copy path gives $(probe clipboard)"

step "the index file holds the change a few seconds later"
for _ in $(seq 100); do
  grep -q 'fresh two' "$J_PROGRAM/vl.vl" && ! grep -q 'fresh three' "$J_PROGRAM/vl.vl" && break
  sleep 0.1
done
expect_index "$J_PROGRAM/vl.vl"

step "a quit keeps the file current"
: >"$J_TREE/fresh five.txt"
await rows "$list" 2
key alt+F4
await_box Tips "Sure to Quit？"
key Return
await exited
[ "$(vorlisk_exit_code)" = 0 ] || fail "Vorlisk ended with another exit code"
expect_index "$J_PROGRAM/vl.vl"

step "a change made while closed is found after start"
: >"$J_TREE/fresh four.txt"
start_vorlisk
await active Vorlisk
await focus Edit
type_text fresh
await rows "$list" 3
