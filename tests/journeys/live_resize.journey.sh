# With "show window contents while dragging" on (Windows' default), the window's shape and frame
# follow a drag of its edge at every pause, not only when the button is released. (The region
# once stayed one pointer step behind, cutting off the right border and the status bar.)
#
# | step                                             | expected                                |
# |--------------------------------------------------|-----------------------------------------|
# | press on the right edge, move right and pause,   | at every pause the region is as large   |
# | three times; the same down the bottom edge and   | as the window                           |
# | on the size grip                                 |                                         |
# | release                                          | the window keeps the new size           |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
with_setting 'Control Panel\Desktop' DragFullWindows 1
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
desktop_offset

# drag_edge X Y DX DY: presses at X,Y of the window and moves by DX,DY three times, checking the
# window's shape at each pause while the button is still down.
drag_edge() {
  point Vorlisk "$1" "$2"
  window_rect Vorlisk
  local x0=$X y0=$Y w0=$W h0=$H i region
  j_xdo mousemove "$PX" "$PY"
  j_xdo mousedown 1
  for i in 1 2 3; do
    j_xdo mousemove "$((PX + $3 * i))" "$((PY + $4 * i))"
    await_rect Vorlisk "$x0 $y0 $((w0 + $3 * i)) $((h0 + $4 * i))"
    sleep 0.3
    region=$(probe region Vorlisk)
    [ "$region" = "complex 0 0 $((w0 + $3 * i)) $((h0 + $4 * i))" ] ||
      { j_xdo mouseup 1; fail "pause $i: the region is \"$region\" for a window of $((w0 + $3 * i))x$((h0 + $4 * i))"; }
  done
  j_xdo mouseup 1
}

step "drag the right edge"
drag_edge -2 200 40 0

step "drag the bottom edge"
drag_edge 300 -2 0 30

step "drag the size grip"
drag_edge -8 -8 30 20
