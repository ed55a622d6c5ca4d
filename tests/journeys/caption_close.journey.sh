# The caption's buttons keep working after a close cancelled from the system menu. After the
# close button had asked once, Alt+Space, C, Cancel left the close button dead however often it
# was clicked; without that first click, the next caption-button click was swallowed.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | Alt+Space, C; Cancel                          | "Sure to Quit？"; Vorlisk active            |
# | the maximize button; again                    | maximized; back at the first bounds         |
# | the close button; Cancel                      | "Sure to Quit？"; Vorlisk active            |
# | Alt+Space, C; Cancel                          | "Sure to Quit？"; Vorlisk active            |
# | the close button; Cancel                      | "Sure to Quit？"; Vorlisk active            |
# | the close button; OK                          | Vorlisk ends                                |
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
normal=$(probe rect Vorlisk)

close_from_system_menu() {
  key alt+space
  await visible "VorliskPopup:"
  key c
  await_box Tips "Sure to Quit？"
  cancel
}
# Cancel by the pointer, which leaves the caption's buttons.
cancel() {
  click "#32770:Tips>Button=Cancel" 10 10
  await active Vorlisk
}
# The window leaves the bounds it had (the maximize button did something).
await_moved() {
  local until=$((SECONDS + J_TIMEOUT))
  while [ "$(probe rect Vorlisk)" = "$1" ]; do
    [ "$SECONDS" -lt "$until" ] || fail "the maximize button did nothing"
    sleep 0.2
  done
}
close_button() {
  click Vorlisk -15 14
  await_box Tips "Sure to Quit？"
}

step "Alt+Space, C, Cancel; then the maximize button"
close_from_system_menu
click Vorlisk -37 14
await_moved "$normal"
click Vorlisk -37 14
await rect Vorlisk $normal

step "the close button, Cancel; Alt+Space, C, Cancel"
close_button
cancel
close_from_system_menu

step "the close button again"
close_button
cancel
close_button
key Return
await exited
