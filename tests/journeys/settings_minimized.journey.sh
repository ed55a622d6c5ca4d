# Config > Set Find Path brings a minimized settings window back. It used to activate the
# minimized bar and leave it so, with the focus in the editor nobody could see: keys typed then
# went into the root list unseen, and a later Save wrote them.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | Set Find Path; the minimize button            | Settings is the 200 x 31 bar                |
# | click the main window; Set Find Path          | Settings active at its bounds again, the    |
# |                                               | editor focused; typing shows in it          |
source "${BASH_SOURCE[0]%/*}/window_lib.sh"
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
: >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk

step "open the settings window and minimize it"
key F10 Right Down Return
await active Settings
await focus Edit
settings=$(probe rect Settings)
click Settings -60 14
bar=
for _ in $(seq 50); do
  read -r _ _ w h <<<"$(probe rect Settings)"
  [ "$w $h" = "200 31" ] && bar=yes && break
  sleep 0.2
done
[ -n "$bar" ] || fail "the settings window is not the minimized bar: $(probe rect Settings)"

step "Set Find Path on the minimized window"
click Vorlisk 300 12
await active Vorlisk
key F10 Right Down Return
await active Settings
await_rect Settings "$settings"
await focus Edit
key ctrl+End
type_text 'C:\'
expect_text "Settings>Edit" $'J:\\\r\nC:\\'
