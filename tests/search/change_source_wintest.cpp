#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "search/change_source_win.h"
#include "support/temp_dir.h"

namespace vl {
namespace {

using vl::testing::TempDir;

// Waits (up to 5 s) until a watch has something, then collects it.
ChangeSet Next(SystemChangeSource& source) {
  const std::vector<HANDLE> events = source.Events();
  ChangeSet changes;
  if (WaitForMultipleObjects(DWORD(events.size()), events.data(), FALSE, 5000) == WAIT_TIMEOUT) {
    return changes;
  }
  source.Collect(changes);
  return changes;
}

// Changes directly in a watched folder: the only ones Wine reports.
TEST(SystemChangeSource, TellsNamesMadeRenamedAndDeletedInARoot) {
  TempDir dir;
  const std::string root = dir.Str();
  SystemChangeSource source;
  source.Watch({root});
  ASSERT_EQ(source.Events().size(), 1u);

  struct Step {
    const char* what;
    std::function<void()> change;
    const char* name;
  };
  const Step steps[] = {
      {"a file made", [&] { dir.Write("made.txt", "x"); }, "made.txt"},
      {"a file renamed",
       [&] { std::filesystem::rename(dir.Path() / "made.txt", dir.Path() / "renamed.txt"); },
       "renamed.txt"},
      {"a file deleted", [&] { std::filesystem::remove(dir.Path() / "renamed.txt"); },
       "renamed.txt"},
      {"a folder made", [&] { std::filesystem::create_directory(dir.Path() / "sub"); }, "sub"},
  };
  for (const Step& step : steps) {
    step.change();
    ChangeSet changes = Next(source);
    // Names of one burst may arrive in two reads.
    for (int more = 0; more < 3 && !changes.subtrees.contains(root + step.name + "\\"); ++more) {
      changes.Merge(Next(source));
    }
    EXPECT_TRUE(changes.folders.contains(root)) << step.what;
    EXPECT_TRUE(changes.subtrees.contains(root + step.name + "\\")) << step.what;
  }
}

TEST(SystemChangeSource, AMissingRootIsWatchedOnceItAppearsAndThenWalkedWhole) {
  TempDir dir;
  const std::string root = dir.Str() + "later\\";
  SystemChangeSource source;
  source.Watch({root, "C:", ""});
  ASSERT_EQ(source.Events().size(), 1u);  // only a root that names a folder is watched
  ChangeSet changes;
  source.Collect(changes);
  EXPECT_TRUE(changes.Empty());

  std::filesystem::create_directory(dir.Path() / "later");
  source.Collect(changes);
  EXPECT_TRUE(changes.subtrees.contains(root));

  dir.Write("later\\x.txt", "x");
  changes = Next(source);
  EXPECT_TRUE(changes.folders.contains(root));
}

TEST(SystemChangeSource, StopEndsEveryWatch) {
  TempDir dir;
  SystemChangeSource source;
  source.Watch({dir.Str()});
  source.Stop();
  EXPECT_TRUE(source.Events().empty());
}

}  // namespace
}  // namespace vl
