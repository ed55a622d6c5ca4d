# A program that restores the main window from outside (ShowWindow(SW_RESTORE), as a task bar
# or a window manager does) while the frame keeps it maximized gets it back at its normal
# bounds: the platform holds the maximize, so another program sees the window maximized. (The
# placement's normal bounds are checked inside the process: Wine answers GetWindowPlacement for
# another process's window with its current bounds.)
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | the maximize button                           | the window fills the work area, maximized   |
# | ShowWindow(SW_RESTORE) from outside           | back at the first bounds, normal            |
# | the maximize button, then ShowWindow(         | maximized again; minimized; back maximized  |
# | SW_MINIMIZE), then ShowWindow(SW_RESTORE)     |                                             |
# | the caption's restore button                  | back at the first bounds                    |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
normal=$(probe rect Vorlisk)

# maximize_by_button: clicks the caption's maximize button and waits for the window to grow.
maximize_by_button() {
  click Vorlisk -37 14
  local until=$((SECONDS + J_TIMEOUT))
  while [ "$(probe rect Vorlisk)" = "$normal" ]; do
    [ "$SECONDS" -lt "$until" ] || fail "the maximize button did nothing"
    sleep 0.2
  done
}

step "the maximize button"
maximize_by_button
maximized=$(probe rect Vorlisk)
expect zoomed Vorlisk

step "ShowWindow(SW_RESTORE) from outside"
probe show Vorlisk SW_RESTORE >/dev/null
await_rect Vorlisk "$normal"
expect normal Vorlisk
# The frame follows: its maximize button maximizes again rather than restoring a window that is
# not maximized.
step "the maximize button, minimize and restore from outside"
maximize_by_button
[ "$(probe rect Vorlisk)" = "$maximized" ] || fail "maximized again at $(probe rect Vorlisk), not $maximized"
probe show Vorlisk SW_MINIMIZE >/dev/null
await iconic Vorlisk
probe show Vorlisk SW_RESTORE >/dev/null
await_rect Vorlisk "$maximized"
expect zoomed Vorlisk

step "the caption's restore button"
click Vorlisk -37 14
await_rect Vorlisk "$normal"
expect normal Vorlisk
shot restored
