# The skinned caption shows the window's text: after another program renames the window
# (SetWindowText), the caption reads the new text, and keeps it through a resize and a maximize.
# (The caption once kept the old text for good.)
#
# | step                                    | expected                                          |
# |-----------------------------------------|---------------------------------------------------|
# | start                                   | "Vorlisk" only: the caption right of it is empty  |
# | SetWindowText from outside              | the window's text changes and the caption shows   |
# |                                         | text where it was empty                           |
# | drag the right edge, then maximize      | the new text is still drawn                       |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
title="Vorlisk - renamed by another program"
window=Vorlisk

# Dark (text) pixels of the caption past the end of "Vorlisk" (which ends before x = 80).
text_past_title() {
  dark_pixels "$window" 90 6 260 24
}
await_caption_text() {
  local until=$((SECONDS + J_TIMEOUT))
  until [ "$(text_past_title)" -gt 20 ]; do
    [ "$SECONDS" -lt "$until" ] || fail "the caption does not show \"$title\""
    sleep 0.2
  done
}

step "the caption at start"
[ "$(text_past_title)" -eq 0 ] || fail "the caption shows text past \"Vorlisk\" at start"

step "SetWindowText from outside"
probe settext Vorlisk "$title" >/dev/null
await exists "$title"
window=$title
await_caption_text

step "drag the right edge"
drag "$window" -2 200 40 0
await_caption_text

step "maximize"
double_click "$window" 300 12
await_rect "$window" "1 1 $(($(probe desktop | cut -d' ' -f1) - 2)) $(($(probe desktop | cut -d' ' -f2) - 2))"
await_caption_text
