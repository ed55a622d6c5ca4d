# A start maximized from the shell (a shortcut set to "Run: Maximized" shows the window with
# SW_SHOWMAXIMIZED) gives the frame's maximized state: the work area less one pixel on every
# side, the whole frame inside the window's shape, and a restore back to the bounds from before.
# (The platform's maximize once put the window at -4,-4 with its frame cut off.)
#
# | step                                         | expected                                     |
# |----------------------------------------------|----------------------------------------------|
# | ShowWindow(SW_SHOWMAXIMIZED) from outside    | maximized at the work area less one pixel,   |
# |                                              | region as large as the window                |
# | SC_RESTORE from outside                      | the bounds from before                       |
# | ShowWindow(SW_MAXIMIZE), then a caption      | maximized the same way; the double click     |
# | double click                                 | restores                                     |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
normal=$(probe rect Vorlisk)
read -r dw dh < <(probe desktop)
maximized="1 1 $((dw - 2)) $((dh - 2))"

step "ShowWindow SW_SHOWMAXIMIZED from outside"
probe show Vorlisk SW_SHOWMAXIMIZED >/dev/null
await_rect Vorlisk "$maximized"
expect zoomed Vorlisk
[ "$(probe region Vorlisk | cut -d' ' -f2-)" = "0 0 $((dw - 2)) $((dh - 2))" ] ||
  fail "the region does not cover the window: $(probe region Vorlisk)"

step "SC_RESTORE from outside"
probe syscommand Vorlisk SC_RESTORE >/dev/null
await_rect Vorlisk "$normal"

step "ShowWindow SW_MAXIMIZE, then a double click on the caption"
probe show Vorlisk SW_MAXIMIZE >/dev/null
await_rect Vorlisk "$maximized"
expect zoomed Vorlisk
double_click Vorlisk 300 12
await_rect Vorlisk "$normal"
