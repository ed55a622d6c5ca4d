# A program that restores the main window from outside (ShowWindow(SW_RESTORE), as a task bar
# or a window manager does) while the frame keeps it maximized gets it back at its normal
# bounds, and GetWindowPlacement reports those bounds as the normal ones, not the maximized.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | the maximize button                           | the window fills the work area              |
# | ShowWindow(SW_RESTORE) from outside           | back at the first bounds                    |
# expected to fail: the frame's maximized state is the platform's normal one, which SW_RESTORE leaves as it is
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
normal=$(probe rect Vorlisk)

step "the maximize button"
click Vorlisk -37 14
until=$((SECONDS + J_TIMEOUT))
while [ "$(probe rect Vorlisk)" = "$normal" ]; do
  [ "$SECONDS" -lt "$until" ] || fail "the maximize button did nothing"
  sleep 0.2
done

step "ShowWindow(SW_RESTORE) from outside"
probe show Vorlisk SW_RESTORE >/dev/null
await_rect Vorlisk "$normal"
