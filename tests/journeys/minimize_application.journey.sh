# Minimizing the main window minimizes the application: the settings window leaves the screen
# with it, the minimized bar is painted, and a restore brings back both windows at the bounds
# they had. (The settings window once stayed on screen, the bar was partly black, and a double
# click on it brought the window back maximized.)
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | open Settings, click the main window's caption | both windows shown, Vorlisk active          |
# | click the minimize button                     | Vorlisk minimized, Settings hidden, the bar |
# |                                               | painted (no black point)                    |
# | double-click the bar                          | Vorlisk at its bounds again, Settings back  |
# | Alt+Space, n                                  | minimized as by the button, bar painted     |
# | a restore from outside, as a task bar does    | both windows back at their bounds           |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk

step "open the settings window, then come back to the main window"
key F10 Right Down Return
await active Settings
click Vorlisk 300 12
await active Vorlisk
main=$(probe rect Vorlisk)
settings=$(probe rect Settings)

step "the minimize button"
click Vorlisk -60 15
await iconic Vorlisk
await hidden Settings
expect_painted Vorlisk

step "double-click the minimized bar"
double_click Vorlisk 60 10
await normal Vorlisk
await_rect Vorlisk "$main"
await visible Settings
await_rect Settings "$settings"

step "Alt+Space, n"
click Vorlisk 300 12
await active Vorlisk
key alt+space
await visible "VorliskPopup:*"
key n
await iconic Vorlisk
await hidden Settings
await gone "VorliskPopup:*"
expect_painted Vorlisk

step "restore from outside, as a task bar does"
probe syscommand Vorlisk SC_RESTORE >/dev/null
await normal Vorlisk
await_rect Vorlisk "$main"
await visible Settings
await_rect Settings "$settings"
