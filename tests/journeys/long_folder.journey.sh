# A program folder whose path is 254 characters long. The temporary file of a save once got its
# name from a system call that overran inside the platform for such folders and ended the
# process without a word. Now every save works where creating the file itself works (vl.vl,
# 259 characters), and says why not where it does not (data\list.txt, 267 characters, beyond
# the platform's 260).
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | start from K:\<254 characters>\               | the main window                             |
# | File > Remove file index, OK                  | vl.vl is 0 bytes                            |
# | Settings > Save                               | the error box "Cannot create file ...";     |
# |                                               | then Settings active, the program running,  |
# |                                               | no temporary file left                      |
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

step "Settings > Save beyond the limit"
key F10 Right Down Return
await active Settings
await focus Edit
type_text 'J:\'
click "Settings>VorliskControl=Save" 30 10
await_box Vorlisk "Cannot create file \"${folder}data\\list.txt\". " prefix
key Return
await active Settings
expect running
leftovers=$(ls -A "$J_PROGRAM/data")
[ -z "$leftovers" ] || fail "left in data: $leftovers"
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
