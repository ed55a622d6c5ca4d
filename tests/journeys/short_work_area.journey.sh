# On a work area too short for a menu to open below the bar, the File menu opens over the bar;
# the pointer moving inside it belongs to the menu, even over the place where "Config" lies
# underneath. (The bar once took the pointer through the menu and switched to Config's menu.)
#
# | step                                        | expected                                      |
# |---------------------------------------------|-----------------------------------------------|
# | an 800 x 64 desktop; click File             | File's menu opens, over the bar               |
# | move the pointer inside the menu, over      | File's menu stays open, alone                 |
# | Config's place on the bar, and rest there   |                                               |
# | Esc                                         | the menu closes                               |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
with_setting 'Software\Wine\Explorer\Desktops' Default 800x64
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk
desktop_offset
# The bar lies at the top of the client area, 27 pixels down; File begins 2 pixels into it and
# Config follows it about 30 pixels further on.
bar_y=38

step "click File"
click Vorlisk 18 "$bar_y"
await visible "VorliskPopup:*"
file_menu=$(probe rect "VorliskPopup:*")
read -r mx my mw mh <<<"$file_menu"
window_rect Vorlisk
[ "$my" -le $((Y + bar_y)) ] || fail "the menu at \"$file_menu\" does not cover the bar"

step "move inside the menu over Config's place and rest"
point Vorlisk 60 "$bar_y"
[ "$PX" -gt "$((mx + J_OX))" ] || fail "Config's place ($PX) is not under the menu at \"$file_menu\""
j_xdo mousemove "$((mx + J_OX + 5))" "$PY"
j_xdo mousemove "$PX" "$PY"
sleep 0.5
[ "$(probe rect "VorliskPopup:*")" = "$file_menu" ] ||
  fail "the menu changed to one at \"$(probe rect "VorliskPopup:*")\""
[ "$(probe windows | grep -c 'class=VorliskPopup.*visible=1')" -eq 1 ] ||
  fail "more than one menu is open"

step "Esc"
key Escape
await gone "VorliskPopup:*"
