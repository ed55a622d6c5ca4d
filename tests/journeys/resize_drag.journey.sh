# Moving and sizing the main window with the pointer, as the prefix is set up ("show window
# contents while dragging" off: an outline follows the pointer and the window takes its new
# bounds when the button is released).
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | drag the caption by 40,30                     | moved by 40,30; same size                   |
# | drag the right edge by 60                     | 60 wider                                    |
# | drag the bottom edge by 50                    | 50 taller                                   |
# | drag the size grip by -120,-80                | 120 narrower, 80 lower                      |
# | after each                                    | the region is the window's size exactly     |
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk

# expect_bounds DX DY DW DH: the window moved and grew by so much since the last check.
window_rect Vorlisk
last="$X $Y $W $H"
expect_bounds() {
  local x y w h
  read -r x y w h <<<"$last"
  await rect Vorlisk $((x + $1)) $((y + $2)) $((w + $3)) $((h + $4))
  window_rect Vorlisk
  await region Vorlisk "$W" "$H"
  last="$X $Y $W $H"
}

step "drag the caption"
drag Vorlisk 300 12 40 30
expect_bounds 40 30 0 0

step "drag the right edge"
drag Vorlisk -2 200 60 0
expect_bounds 0 0 60 0

step "drag the bottom edge"
drag Vorlisk 300 -2 0 50
expect_bounds 0 0 0 50

step "drag the size grip of the status bar"
drag Vorlisk -8 -8 -120 -80
expect_bounds 0 0 -120 -80
