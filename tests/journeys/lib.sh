# The journeys' library: a fresh program folder, Vorlisk started from it as a user starts it,
# real keyboard and pointer input through xdotool, and what a user can observe read back
# through vorlisk-probe (windows, focus, texts, regions, pixels) and from the files on disk.
# Sourced by run.sh before each journey; the journey runs in a subshell of its own, and any
# failed expectation ends it with a report of the state it met.
#
# Needs: DISPLAY (the X server of Wine's virtual desktop), WINEPREFIX, VL_BIN (the win64 build
# folder with Vorlisk.exe, vorlisk-cli.exe and vorlisk-probe.exe), VL_JOURNEY_WORK (scratch).

J_TIMEOUT=${J_TIMEOUT:-10}     # seconds any single wait may take
J_DRIVE=j                      # the drive letter of the journey's sample tree

# --- set-up and tear-down ----------------------------------------------------------------------

# journey_begin NAME: a clean folder for the program ($J_PROGRAM, with data\ already there, as
# a first start leaves it), a sample tree ($J_TREE, drive J:) and the tear-down on exit.
journey_begin() {
  J_NAME=$1
  J_WORK=$VL_JOURNEY_WORK/$J_NAME
  J_PROGRAM=$J_WORK/program
  J_TREE=$J_WORK/tree
  J_PID=
  J_STEP="set-up"
  rm -rf "$J_WORK"
  mkdir -p "$J_PROGRAM/data" "$J_TREE"
  cp "$VL_BIN/Vorlisk.exe" "$J_PROGRAM/"
  J_DRIVES=()
  map_drive "$J_DRIVE" "$J_TREE"
  trap journey_teardown EXIT
  desktop_offset
  j_xdo mousemove "$J_OX" "$J_OY"
}

# journey_teardown [RC]: ends the journey with RC (by default the status it was called with). A
# trap of its own that cleans up first passes the status on as RC: under set -e a command that
# fails in a trap ends the trap before the teardown, leaving the program running.
journey_teardown() {
  local rc=${1:-$?}
  trap - EXIT
  stop_vorlisk
  local d
  for d in "${J_DRIVES[@]}"; do rm -f "$WINEPREFIX/dosdevices/$d:"; done
  if [ "$rc" -eq 0 ]; then echo "PASS $J_NAME"; else echo "FAIL $J_NAME"; fi
  exit "$rc"
}

# map_drive LETTER FOLDER: the folder is that drive for the program (a dosdevices link), until
# the journey ends. The drive is there for paths; the list of drives (GetLogicalDrives) is read
# once per Wine server and does not show it.
map_drive() {
  ln -sfn "$2" "$WINEPREFIX/dosdevices/$1:"
  J_DRIVES+=("$1")
}

# The sample tree: a few folders and files of known names, for queries and rebuilds.
make_sample_tree() {
  local f
  for f in "Docs/report 2025.doc" "Docs/notes.txt" "Music/song one.mp3" "Music/song two.wma" \
           "Pictures/beach.jpg" "Tools/run report.bat"; do
    mkdir -p "$J_TREE/$(dirname "$f")"
    printf 'sample %s\n' "$f" >"$J_TREE/$f"
  done
}

# write_lines FILE LINE... writes the lines with CR LF after each, as the program writes lists.
write_lines() {
  local file=$1
  shift
  : >"$file"
  local line
  for line in "$@"; do printf '%s\r\n' "$line" >>"$file"; done
}

# The lines of the index a rebuild of J:\ writes for the sample tree, in the order it writes
# them: folder after folder, breadth first, each with its "." and ".." (below the root) and then
# its entries by name with case ignored (the order Wine lists a folder in), as Windows paths
# with CR LF. The order matters: the program looks at the disk when it starts and writes the
# index again if it differs.
index_of_sample_tree() {
  (cd "$J_TREE" && find . -mindepth 1 -printf '%P\t%y\n') | LC_ALL=C sort -f |
    awk -F'\t' '
    { parent = $1; sub(/\/?[^\/]*$/, "", parent)
      kids[parent] = kids[parent] "\n" $1; folder[$1] = $2 == "d" }
    END { queue[0] = ""; n = 1
          for (q = 0; q < n; q++) {
            f = queue[q]
            if (f != "") print f "/.\n" f "/.."
            count = split(substr(kids[f], 2), list, "\n")
            for (k = 1; k <= count; k++) {
              print list[k]
              if (folder[list[k]]) queue[n++] = list[k]
            }
          } }' |
    sed 's|/|\\|g; s|^|J:\\|; s|$|\r|'
}

# expect_index FILE: the file holds the sample tree's index, every line once with CR LF (the
# order within a folder is the file system's).
expect_index() {
  [ -f "$1" ] || fail "no file $1"
  if ! diff <(index_of_sample_tree | sort) <(sort "$1") >"$J_WORK/index.diff"; then
    fail "$1 is not the sample tree's index: $(head -20 "$J_WORK/index.diff")"
  fi
}

# start_vorlisk: starts the program from its folder, as a double-click in the file manager
# would (its working folder is its own), and waits until it shows a window.
start_vorlisk() {
  step "start Vorlisk"
  (cd "$J_PROGRAM" && exec wine Vorlisk.exe </dev/null >"$J_WORK/vorlisk.out" 2>&1) &
  J_PID=$!
  await running
}

# stop_vorlisk: ends the program by its process id, whatever it shows, and waits until it has
# gone, so the next journey starts on an empty desktop.
stop_vorlisk() {
  [ -n "$J_PID" ] || return 0
  kill -KILL "$J_PID" 2>/dev/null || true
  wait "$J_PID" 2>/dev/null || true
  J_PID=
  probe wait "$J_TIMEOUT" exited >/dev/null || true
}

# The program ended by itself (after "Sure to Quit？" was answered): returns its exit code.
vorlisk_exit_code() {
  local rc=0
  wait "$J_PID" || rc=$?
  J_PID=
  echo "$rc"
}

# --- observing ---------------------------------------------------------------------------------

# The probe writes to a file, not a pipe: a probe that is the first Windows program after a
# quiet spell starts Wine's desktop process, which would inherit a pipe and hold it open.
probe() {
  local out=$J_WORK/probe.out rc=0
  wine "$VL_BIN/vorlisk-probe.exe" "$@" </dev/null >"$out" 2>&1 || rc=$?
  # Once in many starts Wine ends a program before it runs, without a word; a probe that failed
  # silently is asked once more (its commands only look, or do what is already done).
  if [ "$rc" -ne 0 ] && [ ! -s "$out" ]; then
    rc=0
    wine "$VL_BIN/vorlisk-probe.exe" "$@" </dev/null >"$out" 2>&1 || rc=$?
  fi
  tr -d '\r' <"$out"
  return "$rc"
}

# step TEXT: names what the journey does next, for the report of a failure.
step() {
  J_STEP=$*
}

# fail TEXT: ends the journey with what it met: the program's windows, its focus and a picture.
fail() {
  echo "journey $J_NAME failed at step \"$J_STEP\": $*" >&2
  echo "--- windows" >&2
  probe windows >&2 || true
  echo "--- state" >&2
  probe state >&2 || true
  import -window root "$J_WORK/failure.png" 2>/dev/null && echo "--- picture: $J_WORK/failure.png" >&2
  exit 1
}

# await COND...: waits up to J_TIMEOUT seconds for a condition of the probe (see probe_win.cpp).
await() {
  local out
  out=$(probe wait "$J_TIMEOUT" "$@") || fail "waited for: $* ($out)"
}

# expect COND...: the condition holds now.
expect() {
  local out
  out=$(probe check "$@") || fail "expected: $* ($out)"
}

# expect_not COND...: the condition does not hold now.
expect_not() {
  local out
  if out=$(probe check "$@"); then fail "did not expect: $* ($out)"; fi
}

# expect_text SEL TEXT: the window's text is exactly TEXT.
expect_text() {
  await text "$1" "$2"
}

# await_box TITLE TEXT [prefix]: a message box titled TITLE is the active window and says TEXT
# (or, with "prefix", a text that begins with TEXT).
await_box() {
  await active "#32770:$1"
  local i said texts=""
  for i in 0 1 2; do
    said=$(probe text "#32770:$1>Static#$i") || continue
    texts+=" \"$said\""
    if [ "$said" = "$2" ] || { [ "${3:-}" = prefix ] && [ "${said:0:${#2}}" = "$2" ]; }; then
      return 0
    fi
  done
  fail "message box \"$1\" does not say \"$2\"; its texts:$texts"
}

# window_rect SEL: sets X Y W H to the window's rectangle on the screen.
window_rect() {
  local r
  r=$(probe rect "$1") || fail "no window $1"
  read -r X Y W H <<<"$r"
}

# expect_file FILE BYTES: the file holds exactly these bytes (given as printf format text).
expect_file() {
  local want=$J_WORK/expected.bin
  # shellcheck disable=SC2059
  printf "$2" >"$want"
  [ -f "$1" ] || fail "no file $1"
  cmp -s "$want" "$1" || fail "$1 holds $(od -c "$1" | head -5), expected $(od -c "$want" | head -5)"
}

# shot NAME: a picture of the screen in the journey's folder, to be looked at.
shot() {
  import -window root "$J_WORK/$1.png"
}

# pixel X Y: the colour (RRGGBB) of a screen pixel, as the program's windows show it.
pixel() {
  probe pixel "$1" "$2"
}

# --- input -------------------------------------------------------------------------------------

# The virtual desktop is an X window; xdotool's coordinates are the X screen's. The offset of
# the desktop in the screen is added to every point (zero when the desktop fills the screen).
desktop_offset() {
  J_OX=0 J_OY=0
  local id geometry try
  # Right after the Wine server restarts, the desktop window found may already be gone when its
  # geometry is asked for (BadWindow): it is looked up again.
  for try in 1 2 3 4 5 6 7 8 9 10; do
    id=$(xdotool search --limit 1 --name "Wine desktop" 2>/dev/null | head -1) || true
    [ -n "$id" ] || return 0
    geometry=$(xdotool getwindowgeometry "$id" 2>/dev/null |
      sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p') || geometry=
    if [ -n "$geometry" ]; then
      read -r J_OX J_OY <<<"$geometry"
      return 0
    fi
    sleep 0.2
  done
  return 0
}

j_xdo() {
  xdotool "$@" || fail "xdotool $*"
}

# key KEY...: presses keys as a user does (xdotool names: Escape, Return, Tab, shift+Tab, alt+F4,
# ctrl+a, Menu, F10, alt+space ...).
key() {
  j_xdo key --delay 60 "$@"
}

# type_text TEXT: types the text key by key.
type_text() {
  j_xdo type --delay 60 "$1"
}

# point SEL X Y: sets PX PY to the screen point at X,Y of the window; a negative X or Y counts
# from the right or bottom edge (-1 is the last column or row).
point() {
  window_rect "$1"
  local x=$2 y=$3
  [ "$x" -lt 0 ] && x=$((W + x))
  [ "$y" -lt 0 ] && y=$((H + y))
  PX=$((X + x + J_OX)) PY=$((Y + y + J_OY))
}

# click SEL X Y [BUTTON]: moves the pointer there and clicks (button 1 unless given).
click() {
  point "$1" "$2" "$3"
  j_xdo mousemove "$PX" "$PY"
  j_xdo click "${4:-1}"
}

double_click() {
  point "$1" "$2" "$3"
  j_xdo mousemove "$PX" "$PY"
  j_xdo click --repeat 2 --delay 80 1
}

# drag SEL X Y DX DY [STEPS]: presses the left button at X,Y of the window, moves the pointer by
# DX,DY in steps, pausing after each as a hand does, and releases it.
drag() {
  point "$1" "$2" "$3"
  local steps=${6:-4} i
  j_xdo mousemove "$PX" "$PY"
  j_xdo mousedown 1
  for ((i = 1; i <= steps; i++)); do
    j_xdo mousemove "$((PX + $4 * i / steps))" "$((PY + $5 * i / steps))"
    sleep 0.1
  done
  j_xdo mouseup 1
}

# --- Wine settings -----------------------------------------------------------------------------

# with_setting KEY NAME VALUE: sets a value under HKEY_CURRENT_USER for this journey only and
# restarts the Wine server so that it applies; the old value comes back when the journey ends.
with_setting() {
  local key=$1 name=$2 value=$3 old
  old=$(wine reg query "HKCU\\$key" /v "$name" 2>/dev/null | tr -d '\r' |
    awk -v n="$name" '$1 == n { $1 = ""; $2 = ""; sub(/^  */, ""); print }') || true
  J_RESTORE+=("$key|$name|$old")
  # The way back is in place before the change: a journey that ends anywhere after this line
  # leaves the prefix as it found it for the journeys after it.
  trap 'rc=$?; restore_settings; journey_teardown "$rc"' EXIT
  wine reg add "HKCU\\$key" /v "$name" /d "$value" /f >/dev/null 2>&1 </dev/null ||
    fail "could not set $key\\$name to $value"
  restart_wineserver
}

# Runs from the journey's exit trap: a command failing here would end the trap before the
# teardown, so each way back is tried whatever the one before did.
restore_settings() {
  local entry key name old
  for entry in "${J_RESTORE[@]}"; do
    IFS='|' read -r key name old <<<"$entry"
    if [ -n "$old" ]; then
      wine reg add "HKCU\\$key" /v "$name" /d "$old" /f >/dev/null 2>&1 </dev/null || true
    else
      wine reg delete "HKCU\\$key" /v "$name" /f >/dev/null 2>&1 </dev/null || true
    fi
  done
  J_RESTORE=()
  restart_wineserver
}

# Ends the prefix's Wine server and starts it again as scripts/test leaves it: persistent, with
# the services started once with their output elsewhere.
restart_wineserver() {
  stop_vorlisk
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  # Nothing started here may hold the journey's output open (CTest waits for it to close).
  # A server that is already back (started by a late Wine process) is as good as a new one.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  desktop_offset
}
J_RESTORE=()
