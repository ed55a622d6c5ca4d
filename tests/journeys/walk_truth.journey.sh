# The index tells the truth about a disk: every real folder listed once, under its own path, every
# name as it is. A tree with each hard case is indexed by the console companion and compared,
# line for line, with what `find` (which does not follow links) says is there.
#
# | case                                             | expected in the index                   |
# |--------------------------------------------------|-----------------------------------------|
# | a link met before its target (J:\0link -> a)     | the link as an entry, nothing below it  |
# | a link to a parent (a\deep\loop-up -> ..)        | the link as an entry, nothing below it  |
# | a link into another root (to-other-root -> K:\)  | the link only; K:\ lists its own tree   |
# | two links to one folder outside every root       | the first one met (breadth first) lists |
# |                                                  | it, the second is an entry only         |
# | "apache." beside "apache", "space " beside "space"| each folder with its own files          |
# | a root that is not there (J:\missing\)           | named on stderr, exit code 1            |
# | any line                                         | once                                    |
# (A folder that cannot be read is left to the native tests: these run as root, whom no
# permission stops.)
t=$J_TREE
outside=$J_WORK/outside
other=$J_WORK/other
mkdir -p "$t/a/deep/er" "$t/apache" "$t/apache." "$t/space " "$t/space" "$outside/o1" "$other/x"
for f in a/deep/er/file.txt apache/real.txt apache./dotted.txt "space /spaced.txt" \
         space/plain.txt; do
  : >"$t/$f"
done
: >"$outside/o1/out.txt"
: >"$other/x/k.txt"
ln -s a "$t/0link"
ln -s .. "$t/a/deep/loop-up"
ln -s "$outside" "$t/to-outside"
ln -s "$outside" "$t/a/to-outside-again"
ln -s "$other" "$t/to-other-root"
map_drive k "$other"
cp "$VL_BIN/vorlisk-cli.exe" "$J_PROGRAM/"
write_lines "$J_PROGRAM/data/list.txt" 'J:\' 'K:\' 'J:\missing\'

# find_index FOLDER PREFIX: the lines a walk of FOLDER as PREFIX writes by the rules: every entry
# find meets without following links, and the "." and ".." of every real folder below it.
find_index() {
  (cd "$1" && find . -mindepth 1 -printf '%y\t%P\n') | PREFIX=$2 awk -F'\t' '
    { prefix = ENVIRON["PREFIX"]; gsub("/", "\\", $2); print prefix $2
      if ($1 == "d") { print prefix $2 "\\."; print prefix $2 "\\.." } }'
}

step "the console companion indexes the tree"
rc=0
(cd "$J_PROGRAM" && wine vorlisk-cli.exe index 'data\list.txt' out.vl) \
  >"$J_WORK/cli.out" 2>"$J_WORK/cli.err" || rc=$?
[ "$rc" -eq 1 ] || fail "the console companion ended with $rc, not 1, for a missing root"
grep -q 'J:\\missing\\' "$J_WORK/cli.err" || fail "stderr does not name the missing root: $(cat "$J_WORK/cli.err")"

step "every line once, and exactly what find finds"
tr -d '\r' <"$J_PROGRAM/out.vl" >"$J_WORK/index.txt"
twice=$(sort "$J_WORK/index.txt" | uniq -d)
[ -z "$twice" ] || fail "lines in the index twice: $twice"
{
  find_index "$t" 'J:\'
  printf '%s\n' 'J:\to-outside\.' 'J:\to-outside\..'
  find_index "$outside" 'J:\to-outside\'
  find_index "$other" 'K:\'
} | sort >"$J_WORK/expected.txt"
sort "$J_WORK/index.txt" >"$J_WORK/got.txt"
diff "$J_WORK/expected.txt" "$J_WORK/got.txt" >"$J_WORK/index.diff" ||
  fail "the index differs from find (< find only, > index only): $(head -20 "$J_WORK/index.diff")"
