# On the older platform version (the prefix set to Windows XP) both skinned windows drop the
# caption style bits, so the platform never draws a caption of its own; minimized by the
# platform, the main window gets its caption back for the platform's bar and loses it again
# when restored. (The windows once kept the caption style there.)
#
# | step                                   | expected                                         |
# |----------------------------------------|--------------------------------------------------|
# | XP prefix, start, open Settings        | Vorlisk and Settings without WS_CAPTION          |
# | minimize Vorlisk, double-click the bar | the bar painted, Vorlisk back without WS_CAPTION |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
old_version=$(wine winecfg -v 2>/dev/null | tr -d '\r')
restore_version() {
  wine winecfg -v "$old_version" >/dev/null 2>&1 </dev/null || true
  restart_wineserver
}
wine winecfg -v winxp64 >/dev/null 2>&1 </dev/null
trap 'rc=$?; restore_version; journey_teardown "$rc"' EXIT
restart_wineserver
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
: >"$J_PROGRAM/vl.vl"

# has_caption SEL: whether the window's style has both caption bits (WS_BORDER | WS_DLGFRAME).
has_caption() {
  local style
  style=$(probe windows | grep -F "text=\"$1\"" | sed -n 's/.* style=\(0x[0-9a-f]*\).*/\1/p' | head -1)
  [ -n "$style" ] || fail "no window $1"
  (((style & 0x00C00000) == 0x00C00000))
}

start_vorlisk
await active Vorlisk

step "open the settings window"
key F10 Right Down Return
await active Settings
has_caption Vorlisk && fail "Vorlisk keeps WS_CAPTION"
has_caption Settings && fail "Settings keeps WS_CAPTION"

step "minimize the main window and double-click its bar"
click Vorlisk 300 12
await active Vorlisk
main=$(probe rect Vorlisk)
click Vorlisk -60 15
await iconic Vorlisk
expect_painted Vorlisk
double_click Vorlisk 60 10
await_rect Vorlisk "$main"
has_caption Vorlisk && fail "Vorlisk keeps WS_CAPTION after the restore"
true
