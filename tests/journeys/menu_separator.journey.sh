# In a skinned menu the glyph column of a separator lines up with the column of the items above
# and below it. (It once ended 2 pixels further left, a visible step in the system menu.)
#
# | step                    | expected                                                        |
# |-------------------------|-----------------------------------------------------------------|
# | Alt+Space               | the system menu: Minimize, Maximize, a separator, Close         |
# | read the rows' pixels   | the column ends at the same x in the Maximize row, the          |
# |                         | separator's rows and the Close row                              |
# | Esc                     | the menu closes                                                 |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk

step "Alt+Space"
key alt+space
await visible "VorliskPopup:*"
menu="VorliskPopup:*"
# Rows from the top of the menu: items of 22 pixels from y = 2 (Minimize, Maximize), the
# 3-pixel separator, then Close; the rows read lie above and below the items' glyphs.
item=$(column_edge "$menu" 26 4 60)
[ -n "$item" ] || fail "no glyph column in the Maximize row"
for y in 44 46 47 48 51 69; do
  edge=$(column_edge "$menu" "$y" 4 60)
  [ "$edge" = "$item" ] || fail "the column ends at x = ${edge:-none} in row $y, at x = $item in the items"
done

step "Esc"
key Escape
await gone "$menu"
