# Open on a row whose file the shell cannot open (no program is set for its type) says so; it
# used to do nothing and say nothing, the shell's answer unread.
#
# | step                                          | expected                                    |
# |-----------------------------------------------|---------------------------------------------|
# | type "zzq", double-click the row              | "The shell cannot open "J:\Docs\data.zzq":  |
# |                                               | no program is set to open it, ..."          |
# | Return                                        | Vorlisk active                              |
make_sample_tree
printf 'sample\n' >"$J_TREE/Docs/data.zzq"
index_of_sample_tree >"$J_PROGRAM/vl.vl"
start_vorlisk
await active Vorlisk

step "double-click a row the shell cannot open"
type_text zzq
await rows "Vorlisk>SysListView32" 1
double_click "Vorlisk>SysListView32" 60 26
await_box Vorlisk 'The shell cannot open "J:\Docs\data.zzq": no program is set to open it, or its name is not one the shell can open.'
key Return
await active Vorlisk
