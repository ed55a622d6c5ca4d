# Two copies of Vorlisk started from one folder, both asked to rebuild. The index file stayed
# sound, but the second copy said "Cannot create file ...vl.vl. Access denied.", which blamed
# the user's permissions. Now the second copy says that another copy is writing the index and
# changes nothing; the first one's rebuild ends with the whole index.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | the first copy: Rebuild (the tree 40 times), OK | the rebuild runs                          |
# | the second copy: Rebuild, OK                  | "The index file ... is being written by     |
# |                                               | another copy of Vorlisk. ..."               |
# | the second copy: Remove file index, OK        | the same message                            |
# | wait                                          | the first copy: "Successful update ...";    |
# |                                               | vl.vl holds the tree 40 times               |
make_sample_tree
mkdir -p "$J_TREE"/Big/d{1..20}/e{1..40}
index_of_sample_tree >"$J_PROGRAM/vl.vl"
# The rebuild has to outlast the second copy's start and its four boxes: with 24 roots a slow
# full run once saw it end first.
roots=40
printf 'J:\\\r\n%.0s' $(seq $roots) >"$J_PROGRAM/data/list.txt"
# The second copy is the same program under another name, so the probe can tell the two apart.
cp "$J_PROGRAM/Vorlisk.exe" "$J_PROGRAM/Vorlisk-copy.exe"
second=
# A journey that fails leaves no copy behind for the next one: the copy goes and is waited for,
# then the teardown ends the first one and waits for it too.
end_copy() {
  [ -n "$second" ] || return 0
  kill -KILL "$second" 2>/dev/null || true
  wait "$second" 2>/dev/null || true
  second=
  VL_PROBE_EXE=Vorlisk-copy.exe probe wait "$J_TIMEOUT" exited >/dev/null || true
  unset VL_PROBE_EXE
}
trap 'rc=$?; end_copy; journey_teardown "$rc"' EXIT
start_vorlisk
await active Vorlisk

step "the first copy rebuilds"
key F10 Down Down Down Return
await_box Tips "Sure you want to rebuild the index database?"
key shift+Tab Return
await active Vorlisk

step "the second copy asks to rebuild"
(cd "$J_PROGRAM" && exec wine Vorlisk-copy.exe </dev/null >"$J_WORK/copy.out" 2>&1) &
second=$!
export VL_PROBE_EXE=Vorlisk-copy.exe
# The first copy's rebuild keeps a core busy meanwhile: the second copy's answers may be slow.
J_TIMEOUT=30
await active Vorlisk
await focus Edit
key F10 Down Down Down Return
await_box Tips "Sure you want to rebuild the index database?"
key shift+Tab Return
await_box Vorlisk "The index file \"" prefix
said=$(for i in 0 1 2; do probe text "#32770:Vorlisk>Static#$i" || true; done)
case $said in
  *'\vl.vl" is being written by another copy of Vorlisk. Nothing was changed; try again when it has finished.'*) ;;
  *) fail "the second copy says: $said" ;;
esac
key Return
await active Vorlisk

step "the second copy asks to remove the index"
key F10 Down Down Return
await_box Tips "Sure to clear the cache？"
key Return
await_box Vorlisk "The index file \"" prefix
key Return
await active Vorlisk
end_copy

step "the first copy's rebuild ends with the whole index"
# The ended copy had the foreground; the user clicks the message of the one left.
J_TIMEOUT=120 await exists "#32770:Vorlisk"
click "#32770:Vorlisk" 40 8
await_box Vorlisk "Successful update the index, You can enjoy the high-speed search！"
key Return
want=$((roots * $(index_of_sample_tree | wc -l)))
got=$(wc -l <"$J_PROGRAM/vl.vl")
[ "$got" -eq "$want" ] || fail "vl.vl has $got lines, not $want"
