# A program folder whose path is 254 characters long. The temporary file of a save once got its
# name from a system call that overran inside the platform for such folders and ended the
# process without a word; the root list (data\list.txt, 267 characters, beyond the platform's
# 260 for the byte calls) could be found but not read. Now vl.vl and the root list both save
# and load there.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | start from K:\<254 characters>\               | the main window                             |
# | File > Remove file index, OK                  | vl.vl is 0 bytes                            |
# | Set Find Path                                 | the editor shows the list's K:\             |
# | Ctrl+A, type J:\, Save                        | "Successfully saved！"; list.txt holds J:\  |
# |                                               | and nothing else is left in data            |
# | Close, Set Find Path                          | the editor shows J:\ read from list.txt     |
# | vorlisk-cli index from that folder            | exit code 0; the index of J:\ in vl.vl      |
make_sample_tree
long=$(printf 'p%.0s' $(seq 1 121))\\$(printf 'q%.0s' $(seq 1 128))
folder="K:\\$long\\"
[ ${#folder} -eq 254 ] || fail "the folder is ${#folder} characters long"
map_drive k "$J_WORK/long"
unix="$J_WORK/long/${long//\\//}"
mkdir -p "$unix"
mv "$J_PROGRAM"/* "$unix/"
J_PROGRAM=$unix
cp "$VL_BIN/vorlisk-cli.exe" "$J_PROGRAM/"
index_of_sample_tree >"$J_PROGRAM/vl.vl"
write_lines "$J_PROGRAM/data/list.txt" 'K:\'
(cd "$J_PROGRAM" && exec wine "${folder}Vorlisk.exe" </dev/null >"$J_WORK/vorlisk.out" 2>&1) &
J_PID=$!
await active Vorlisk
await focus Edit

step "File > Remove file index"
key F10 Down Down Return
await_box Tips "Sure to clear the cache？"
key Return
await active Vorlisk
await focus Edit
expect_file "$J_PROGRAM/vl.vl" ''

step "Settings reads the root list from beyond MAX_PATH"
key F10 Right Down Return
await active Settings
await focus Edit
expect_text "Settings>Edit" $'K:\\\r\n'

step "Settings > Save beyond MAX_PATH"
key ctrl+a
type_text 'J:\'
click "Settings>VorliskControl=Save" 30 10
await_box Vorlisk "Successfully saved！"
key Return
await active Settings
expect_file "$J_PROGRAM/data/list.txt" 'J:\\'
leftovers=$(ls -A "$J_PROGRAM/data")
[ "$leftovers" = list.txt ] || fail "left in data: $leftovers"

step "Close, Set Find Path: the saved list read back"
click "Settings>VorliskControl=Close" 30 10
await hidden Settings
key F10 Right Down Return
await active Settings
expect_text "Settings>Edit" 'J:\'
key alt+F4
await active Vorlisk
await focus Edit

step "vorlisk-cli index from the same folder"
write_lines "$J_WORK/long/roots.txt" 'J:\'
rc=0
(cd "$J_PROGRAM" && wine "${folder}vorlisk-cli.exe" index 'K:\roots.txt' "${folder}vl.vl" \
  </dev/null >"$J_WORK/cli.out" 2>&1) || rc=$?
[ "$rc" -eq 0 ] || fail "vorlisk-cli index ended with $rc: $(head -c 400 "$J_WORK/cli.out")"
expect_index "$J_PROGRAM/vl.vl"
