# A program whose carried skin package is damaged still starts: the error box says what is
# wrong, and then both windows work in the default look. (It used to end at start-up with exit
# code 3 and no window.)
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | damage the package's compressed bytes, start  | one error box: "compression error."         |
# | Return                                        | the main window, active, in the default     |
# |                                               | look (no window region of the skin)         |
# | Set Find Path, type a keyword                 | the settings window opens; queries answer   |
make_sample_tree
write_lines "$J_PROGRAM/data/list.txt" 'J:\'
index_of_sample_tree >"$J_PROGRAM/vl.vl"

step "damage the package inside Vorlisk.exe"
# The package: format version 3, the compressed length, then a zlib stream at level 9 (78 DA).
at=$(LC_ALL=C grep -obUaP '\x03\x00\x00\x00[\x00-\xff]{4}\x78\xda' "$J_PROGRAM/Vorlisk.exe" |
  head -1 | cut -d: -f1)
[ -n "$at" ] || fail "no skin package found in Vorlisk.exe"
head -c 256 /dev/zero | tr '\0' '\377' |
  dd of="$J_PROGRAM/Vorlisk.exe" bs=1 seek=$((at + 4096)) conv=notrunc status=none
start_vorlisk

step "the error box comes first, once"
await_box Vorlisk "compression error."
key Return
await active Vorlisk
expect_not exists "#32770:Vorlisk"
expect running

step "the main window in the default look works"
# The skinned frame cuts the window's corners with a region; the default look has none.
[ "$(probe region Vorlisk | cut -d' ' -f1)" = none ] || fail "a skin region: $(probe region Vorlisk)"
shot default-look
await focus Edit
type_text report
await rows "Vorlisk>SysListView32" 2
key F10 Right Down Return
await active Settings
expect_text "Settings>Edit" $'J:\\\r\n'
