# A rebuild cut short by closing the window leaves the whole index: the roots it walked with what
# it found, every root it did not reach with its entries from before. It used to write the file
# after each root and leave out the roots not yet walked.
#
# | step                                              | expected                                |
# |---------------------------------------------------|-----------------------------------------|
# | 16 roots indexed; a new file put in each; Rebuild | the rebuild runs                        |
# | Alt+F4 a second later, Return on "Sure to Quit？" | Vorlisk ends; vl.vl holds every entry   |
# |                                                   | of every root from before; the first    |
# |                                                   | root's new file is in it, the last's is |
# |                                                   | not (the rebuild did not get there)     |
roots=()
for r in $(seq -w 1 16); do
  mkdir -p "$J_TREE/r$r"/d{1..12}/e{1..30}
  roots+=("J:\\r$r\\")
done
write_lines "$J_PROGRAM/data/list.txt" "${roots[@]}"
cp "$VL_BIN/vorlisk-cli.exe" "$J_PROGRAM/"
(cd "$J_PROGRAM" && wine vorlisk-cli.exe index 'data\list.txt' vl.vl >/dev/null 2>&1) ||
  fail "the console companion could not index the tree"
cp "$J_PROGRAM/vl.vl" "$J_WORK/index.before"
for r in $(seq -w 1 16); do : >"$J_TREE/r$r/new.txt"; done
start_vorlisk
await active Vorlisk
await focus Edit

step "start the rebuild"
key F10 Down Down Down Return
await_box Tips "Sure you want to rebuild the index database?"
key shift+Tab Return
await active Vorlisk
sleep 1

step "close the window during the rebuild"
key alt+F4
await_box Tips "Sure to Quit？"
key Return
# A walk of a folder ends before the window does; on a busy machine that takes a while.
J_TIMEOUT=60 await exited

step "every root keeps its entries"
tr -d '\r' <"$J_PROGRAM/vl.vl" | sort >"$J_WORK/after.txt"
tr -d '\r' <"$J_WORK/index.before" | sort >"$J_WORK/before.txt"
lost=$(comm -23 "$J_WORK/before.txt" "$J_WORK/after.txt" | wc -l)
[ "$lost" -eq 0 ] ||
  fail "$lost entries of the old index are gone, first: $(comm -23 "$J_WORK/before.txt" "$J_WORK/after.txt" | head -3)"
grep -qx 'J:\\r01\\new.txt' "$J_WORK/after.txt" || fail "the first root was not walked again"
! grep -qx 'J:\\r16\\new.txt' "$J_WORK/after.txt" ||
  fail "the rebuild reached the last root before the window closed: the tree is too small to show anything"
