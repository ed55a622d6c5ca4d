# The console companion is a Windows program; its commands are in the module library, so its
# entry lives in a folder of its own where the module's file search does not look. It links the
# Windows side of each module that a command needs.
if(WIN32)
  add_executable(vorlisk-cli ${dir}/main/main_win.cpp ${dir}/vorlisk-cli.rc)
  vl_apply_flags(vorlisk-cli)
  vl_add_version_resource(vl_cli_version_resource vorlisk-cli "Vorlisk console companion")
  target_link_libraries(vorlisk-cli PRIVATE vl_cli_win vl_cli_version_resource vl_skin_resource)

  # The walk benchmark measures the platform's own listing, so it is a Windows program too;
  # the bench folder is built only in the native benchmark configuration, hence it is made here.
  add_executable(walk_bench ${PROJECT_SOURCE_DIR}/bench/walk_bench_win.cpp)
  vl_apply_flags(walk_bench)
  target_link_libraries(walk_bench PRIVATE vl_search_win vl_framework_win)
  # The window benchmark's watcher of the result label (scripts/window-bench).
  add_executable(label_watch ${PROJECT_SOURCE_DIR}/bench/label_watch_win.cpp)
  vl_apply_flags(label_watch)
  target_link_libraries(label_watch PRIVATE user32)
endif()
