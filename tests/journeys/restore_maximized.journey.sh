# A window maximized by the frame, then minimized, comes back maximized the frame's way with one
# restore, its maximize button in the restore look; that button then gives back the bounds the
# window had before it was maximized. (The restore once moved the minimized bar and left the
# window minimized; a second one brought it back at the maximized bounds as a normal window.)
#
# | step                                       | expected                                       |
# |--------------------------------------------|------------------------------------------------|
# | double-click the caption                   | the work area less one pixel on every side     |
# | minimize button, double-click the bar      | maximized again, the button's restore look     |
# | click the maximize button                  | the bounds from before the maximize            |
# | maximize, minimize, restore from outside   | maximized again (as a task bar restores)       |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
normal=$(probe rect Vorlisk)
read -r dw dh < <(probe desktop)
maximized="1 1 $((dw - 2)) $((dh - 2))"

# The maximize button's pixels, with the pointer resting in the client area so it is not lit.
button_look() {
  click Vorlisk 400 400
  area_pixels Vorlisk "$((W - 47))" 5 "$((W - 26))" 26
}
await_button_look() {
  local until=$((SECONDS + J_TIMEOUT))
  until [ "$(button_look)" = "$1" ]; do
    [ "$SECONDS" -lt "$until" ] || fail "the maximize button does not show the $2 look"
    sleep 0.2
  done
}

step "double-click the caption"
maximize_look=$(button_look)
double_click Vorlisk 300 12
await_rect Vorlisk "$maximized"
sleep 0.3
restore_look=$(button_look)
[ "$restore_look" != "$maximize_look" ] || fail "the maximized window's button kept the maximize look"

step "minimize, then double-click the minimized bar"
click Vorlisk -60 15
await iconic Vorlisk
double_click Vorlisk 60 10
await zoomed Vorlisk
await_rect Vorlisk "$maximized"
await_button_look "$restore_look" restore

step "the maximize button restores"
click Vorlisk -37 15
await_rect Vorlisk "$normal"
await_button_look "$maximize_look" maximize

step "maximize, minimize, and a restore from outside as a task bar does"
double_click Vorlisk 300 12
await_rect Vorlisk "$maximized"
click Vorlisk -60 15
await iconic Vorlisk
probe syscommand Vorlisk SC_RESTORE >/dev/null
await zoomed Vorlisk
await_rect Vorlisk "$maximized"
await_button_look "$restore_look" restore
