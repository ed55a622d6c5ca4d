# What the window-state and frame journeys need beyond lib.sh: waiting for a window's bounds
# and reading its pixels by area. Sourced by those journeys after lib.sh.

# await_rect SEL "X Y W H": waits until the window has exactly these bounds on the screen.
await_rect() {
  # shellcheck disable=SC2086 # the bounds are four words
  await rect "$1" $2
}

# area_pixels SEL X0 Y0 X1 Y1 [STEP]: the colours (RRGGBB, one a line, row by row) of the points
# of the window's area from X0,Y0 up to but not including X1,Y1, every STEP pixels (1 unless
# given), in one call of the probe.
area_pixels() {
  local sel=$1 x0=$2 y0=$3 x1=$4 y1=$5 step=${6:-1} x y points=()
  window_rect "$sel"
  for ((y = y0; y < y1; y += step)); do
    for ((x = x0; x < x1; x += step)); do points+=("$((X + x))" "$((Y + y))"); done
  done
  probe pixel "${points[@]}"
}

# dark_pixels SEL X0 Y0 X1 Y1: how many pixels of the area are dark, as text on the light
# skinned caption is (each of red, green and blue below 0xB0).
dark_pixels() {
  local n=0 c
  while read -r c; do
    ((16#${c:0:2} < 176 && 16#${c:2:2} < 176 && 16#${c:4:2} < 176)) && n=$((n + 1))
  done < <(area_pixels "$@")
  echo "$n"
}

# expect_painted SEL: no point of the window (every other pixel) is pure black, as an unpainted
# part of a window shows.
expect_painted() {
  window_rect "$1"
  local black
  black=$(area_pixels "$1" 0 0 "$W" "$H" 2 | grep -c '^000000$' || true)
  [ "$black" -eq 0 ] || fail "$1 shows $black black points (of every other pixel): unpainted"
}

# column_edge SEL Y X0 X1: the first x from X0 on (window coordinates) where row Y leaves the
# colour it has at X0; empty when it never does before X1.
column_edge() {
  local i=0 first= c
  while read -r c; do
    [ -z "$first" ] && first=$c
    if [ "$c" != "$first" ]; then
      echo $(($3 + i))
      return 0
    fi
    i=$((i + 1))
  done < <(area_pixels "$1" "$3" "$2" "$4" "$(($2 + 1))")
}
