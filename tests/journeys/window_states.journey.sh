# The main window's states by every path a user takes: the caption buttons, a double-click on
# the caption, the system menu by keyboard and pointer, and a restore from outside as a task bar
# does. Maximized is the skin's bounds (the work area less the skin's margin) held by the
# platform's maximize, with the window region always the window's size.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | the maximize button; the same button again    | maximized; back at the first bounds         |
# | double-click the caption, twice               | maximized; back                             |
# | Alt+Space, Down, Return; the same again       | Maximize; then Restore                      |
# | the system-menu button, then its Maximize;    | maximized; back                             |
# | then its Restore                              |                                             |
# | the minimize button; ShowWindow(SW_RESTORE)   | minimized; back at the first bounds, active |
# |                                               | with the keyword box focused                |
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
window_rect Vorlisk
normal="$X $Y $W $H"
read -r dw dh <<<"$(probe desktop)"

expect_maximized() {
  await zoomed Vorlisk
  window_rect Vorlisk
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ "$X" -le 4 ] && [ "$Y" -le 4 ] &&
    [ $((X + W)) -le "$dw" ] && [ $((Y + H)) -le "$dh" ] && [ $((X + W)) -ge $((dw - 4)) ] &&
    [ $((Y + H)) -ge $((dh - 4)) ] || fail "not maximized in the work area: $X $Y $W $H"
  expect_region_fits
}
expect_normal() {
  await normal Vorlisk
  window_rect Vorlisk
  [ "$X $Y $W $H" = "$normal" ] || fail "bounds $X $Y $W $H, not $normal"
  expect_region_fits
}
# The window's region covers exactly its size: no border or button cut off.
expect_region_fits() {
  await region Vorlisk "$W" "$H"
}

step "the maximize button, then the restore button in its place"
click Vorlisk -37 14
expect_maximized
click Vorlisk -37 14
expect_normal

step "double-click the caption, twice"
double_click Vorlisk 300 12
expect_maximized
double_click Vorlisk 300 12
expect_normal

step "Alt+Space: Maximize, then Restore, by the keyboard"
key alt+space
await visible "VorliskPopup:"
key Down Return
expect_maximized
key alt+space
await visible "VorliskPopup:"
key Down Return
expect_normal

step "the system-menu button: Maximize, then Restore, by the pointer"
click Vorlisk 8 12
await visible "VorliskPopup:"
click "VorliskPopup:" 50 34
expect_maximized
click Vorlisk 8 12
await visible "VorliskPopup:"
click "VorliskPopup:" 50 34
expect_normal

step "the minimize button; a restore from outside"
click Vorlisk -60 14
await iconic Vorlisk
probe show Vorlisk SW_RESTORE >/dev/null
expect_normal
await active Vorlisk
await focus Edit
type_text ok
expect_text "Vorlisk>Edit" ok
