#include <gtest/gtest.h>

#include <new>

#include "search/index_commands.h"
#include "search/fakes.h"

namespace vl {
namespace {

using testing::FakeDialogs;
using testing::FakeFileSystem;
using testing::FakeLister;
using testing::FakeProgress;
using testing::File;
using testing::Folder;

const std::string kRoots = "C:\\app\\data\\list.txt";
const std::string kIndex = "C:\\app\\vl.vl";
const std::string kAskRebuild = "Sure you want to rebuild the index database?";
const std::string kAskClear = "Sure to clear the cache\xEF\xBC\x9F";
const std::string kNoRoots = "Please first set the path to search \xEF\xBC\x81";
const std::string kWrittenElsewhere =
    "The index file \"C:\\app\\vl.vl\" is being written by another copy of Vorlisk. Nothing "
    "was changed; try again when it has finished.";
const std::string kDone =
    "Successful update the index, You can enjoy the high-speed search\xEF\xBC\x81";

class IndexCommandsTest : public ::testing::Test {
 protected:
  IndexStore store;
  FakeFileSystem files;
  FakeLister lister;
  FakeProgress progress;
  FakeDialogs dialogs;
  std::function<void()> pump;
  NativeWindow owner = reinterpret_cast<NativeWindow>(0x1234);
  IndexCommands commands{store,
                         kRoots,
                         kIndex,
                         dialogs,
                         owner,
                         IndexSeams{files,
                                    lister,
                                    progress,
                                    [this] {
                                      if (pump) pump();
                                    },
                                    {},
                                    {}}};

  void SetUp() override {
    lister.AddFolder("R1\\", {File("a")});
    lister.AddFolder("R2\\", {File("b"), Folder("c")});
    lister.AddFolder("R2\\c\\", {File("d")});
    lister.AddFolder("R3\\", {File("e")});
  }
  std::string IndexText() const { return store.Current() ? store.Current()->FileText() : "absent"; }
};

TEST_F(IndexCommandsTest, RebuildWalksEveryRootAndWritesAfterEach) {
  files.files[kRoots] = "R1\\\r\nR2\\\r\nR3\\";
  std::vector<std::string> written;
  files.before_write = [&](const std::string&) {
    written.push_back(files.files.contains(kIndex) ? files.files[kIndex] : "");
  };
  commands.mniIndexClick();

  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].text, kAskRebuild);
  EXPECT_EQ(dialogs.questions[0].flags, 0x40121u);
  EXPECT_EQ(dialogs.questions[0].owner, owner);
  EXPECT_EQ(progress.events, (std::vector<std::string>{"total 3", "done 1", "done 2", "done 3"}));
  EXPECT_EQ(files.writes.size(), 3u);
  EXPECT_EQ(files.files[kIndex], "R1\\a\r\nR2\\b\r\nR2\\c\r\nR2\\c\\d\r\nR3\\e\r\n");
  EXPECT_EQ(written[1], "R1\\a\r\n");
  EXPECT_EQ(IndexText(), files.files[kIndex]);
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{kDone}));
}

// Two copies of the program started from one folder write one index file: while one rebuilds
// or clears it, the other is told and changes nothing; the claim is held through every write.
TEST_F(IndexCommandsTest, AnIndexWrittenByAnotherCopyIsLeftAloneAndTheUserIsTold) {
  files.files[kRoots] = "R1\\\r\nR2\\";
  files.files[kIndex] = "theirs\r\n";
  files.claimed_elsewhere.insert(kIndex);
  commands.mniIndexClick();
  commands.mniRefreshClick();
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{kWrittenElsewhere, kWrittenElsewhere}));
  EXPECT_TRUE(files.writes.empty());
  EXPECT_EQ(files.files[kIndex], "theirs\r\n");
  EXPECT_FALSE(store.Exists());

  files.claimed_elsewhere.clear();
  std::vector<int> held;
  files.before_write = [&](const std::string&) { held.push_back(files.claims_held); };
  commands.mniIndexClick();
  commands.mniRefreshClick();
  EXPECT_EQ(held, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(files.claims_held, 0);
  EXPECT_EQ(files.files[kIndex], "");
}

TEST_F(IndexCommandsTest, CancelAtTheQuestionChangesNothing) {
  files.files[kRoots] = "R1\\";
  dialogs.answer = mb::kIdCancel;
  commands.mniIndexClick();
  commands.mniRefreshClick();
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_TRUE(progress.events.empty());
  EXPECT_TRUE(files.writes.empty());
  EXPECT_FALSE(store.Exists());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(IndexCommandsTest, MissingRootListIsReportedAndChangesNothing) {
  commands.mniIndexClick();
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{kNoRoots}));
  EXPECT_TRUE(progress.events.empty());
  EXPECT_FALSE(store.Exists());
}

TEST_F(IndexCommandsTest, AnEmptyRootListLeavesIndexAndFileAlone) {
  files.files[kRoots] = "";
  store.Set(std::make_shared<IndexList>(IndexList::FromText("old\r\n")));
  commands.mniIndexClick();
  EXPECT_EQ(progress.events, (std::vector<std::string>{"total 0"}));
  EXPECT_TRUE(files.writes.empty());
  EXPECT_EQ(IndexText(), "old\r\n");
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{kDone}));
}

TEST_F(IndexCommandsTest, QueriesSeeTheOldIndexUntilTheFirstRootIsDone) {
  files.files[kRoots] = "R1\\\r\nR2\\";
  auto old = std::make_shared<IndexList>(IndexList::FromText("old\r\n"));
  store.Set(old);
  std::vector<std::string> seen;
  pump = [&] { seen.push_back(IndexText()); };
  commands.mniIndexClick();
  EXPECT_EQ(seen.front(), "old\r\n");
  EXPECT_EQ(seen.back(), "R1\\a\r\n");
  EXPECT_EQ(old->FileText(), "old\r\n");
}

TEST_F(IndexCommandsTest, RefusesRebuildAndClearWhileARebuildRuns) {
  files.files[kRoots] = "R1\\";
  std::vector<bool> running;
  commands.running_changed = [&](bool on) { running.push_back(on); };
  pump = [&] {
    EXPECT_TRUE(commands.Rebuilding());
    commands.mniIndexClick();
    commands.mniRefreshClick();
  };
  commands.mniIndexClick();
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(files.writes.size(), 1u);
  EXPECT_EQ(running, (std::vector<bool>{true, false}));
  EXPECT_FALSE(commands.Rebuilding());
}

TEST_F(IndexCommandsTest, CancelKeepsTheRootsAlreadyWritten) {
  files.files[kRoots] = "R1\\\r\nR2\\\r\nR3\\";
  pump = [&] {
    if (store.Exists()) commands.CancelRebuild();
  };
  commands.mniIndexClick();
  EXPECT_EQ(files.files[kIndex], "R1\\a\r\n");
  EXPECT_EQ(IndexText(), "R1\\a\r\n");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(commands.Rebuilding());

  pump = nullptr;
  commands.mniIndexClick();
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{kDone}));
}

// Closed after the first root: the index keeps what the rebuild found for R1 and the previous
// entries of the root it was walking and of the root it did not reach.
TEST_F(IndexCommandsTest, CancelKeepsThePreviousEntriesOfEveryRootNotFinished) {
  files.files[kRoots] = "R1\\\r\nR2\\\r\nR3\\";
  store.Set(std::make_shared<IndexList>(
      IndexList::FromText("R1\\old\r\nR2\\old2\r\nR2\\c\\old3\r\nR3\\old4\r\ngone\\x\r\n")));
  pump = [&] {
    if (progress.events.size() == 2) commands.CancelRebuild();
  };
  commands.mniIndexClick();
  const std::string expected = "R1\\a\r\nR2\\old2\r\nR2\\c\\old3\r\nR3\\old4\r\n";
  EXPECT_EQ(files.files[kIndex], expected);
  EXPECT_EQ(IndexText(), expected);
  EXPECT_TRUE(dialogs.messages.empty());
}

// A root that cannot be listed keeps its entries and is named; the success text is not shown.
TEST_F(IndexCommandsTest, AnUnreadRootKeepsItsEntriesAndIsNamed) {
  files.files[kRoots] = "R1\\\r\nQ:\\\r\nR3\\";
  store.Set(std::make_shared<IndexList>(IndexList::FromText("Q:\\x\r\nQ:\\x\\y\r\nR1\\a\r\n")));
  commands.mniIndexClick();
  EXPECT_EQ(files.files[kIndex], "R1\\a\r\nQ:\\x\r\nQ:\\x\\y\r\nR3\\e\r\n");
  EXPECT_EQ(IndexText(), files.files[kIndex]);
  EXPECT_EQ(dialogs.messages,
            (std::vector<std::string>{"These roots could not be read, so their entries from the "
                                      "previous index were kept:\r\n    Q:\\"}));
}

TEST_F(IndexCommandsTest, FoldersThatCouldNotBeReadAreCountedAfterTheSuccessText) {
  files.files[kRoots] = "R1\\";
  lister.AddFolder("R1\\", {File("a")});
  for (const char* name : {"f1", "f2", "f3", "f4", "f5", "f6", "f7"}) {
    lister.listings["R1\\*.*"].push_back(Folder(name));
  }
  lister.no_match.insert("R1\\f7\\*.*");
  commands.mniIndexClick();
  EXPECT_EQ(dialogs.messages,
            (std::vector<std::string>{
                kDone + "\r\n\r\n6 folders could not be read (access denied or gone), so what "
                        "they hold is not in the index. The first of them:\r\n    R1\\f1\r\n    "
                        "R1\\f2\r\n    R1\\f3\r\n    R1\\f4\r\n    R1\\f5"}));
}

TEST(EntriesOfRoot, TakesTheLinesOfTheRootThatNoLongerRootHolds) {
  IndexList index = IndexList::FromText(
      "C:\\a\r\nC:\\Users\r\nC:\\Users\\u\r\nC:\\Data1\\d\r\nC:\\Users\\u\r\nD:\\x\r\nC:\\a\r\n");
  const TextList roots = {"C:\\", "C:\\Users\\", "C:\\Data", "C:\\"};
  struct Case {
    std::size_t root;
    std::string lines;
  } cases[] = {
      {0, "C:\\a\r\nC:\\Users\r\nC:\\a\r\n"},
      {1, "C:\\Users\\u\r\nC:\\Users\\u\r\n"},
      {2, "C:\\Data1\\d\r\n"},
      {3, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EntriesOfRoot(index, roots, c.root).FileText(), c.lines) << roots[c.root];
  }
}

TEST_F(IndexCommandsTest, AFailedWriteStopsTheRebuildAndKeepsTheSavedRoots) {
  files.files[kRoots] = "R1\\\r\nR2\\\r\nR3\\";
  files.before_write = [&](const std::string& path) {
    if (files.writes.size() == 1) throw FileError("Cannot create file \"" + path + "\". Denied");
  };
  EXPECT_THROW(commands.mniIndexClick(), FileError);
  EXPECT_EQ(files.files[kIndex], "R1\\a\r\n");
  EXPECT_EQ(progress.events, (std::vector<std::string>{"total 3", "done 1"}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(commands.Rebuilding());
}

TEST_F(IndexCommandsTest, RunningOutOfMemoryKeepsThePreviousIndex) {
  files.files[kRoots] = "R1\\";
  store.Set(std::make_shared<IndexList>(IndexList::FromText("old\r\n")));
  lister.on_list = [](const std::string&) { throw std::bad_alloc(); };
  try {
    commands.mniIndexClick();
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Out of memory");
  }
  EXPECT_EQ(IndexText(), "old\r\n");
  EXPECT_TRUE(files.writes.empty());
}

TEST_F(IndexCommandsTest, ClearWritesAZeroByteFileEvenWithoutAnIndex) {
  commands.mniRefreshClick();
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].text, kAskClear);
  EXPECT_EQ(dialogs.questions[0].flags, 33u);
  EXPECT_EQ(files.files.at(kIndex), "");
  ASSERT_TRUE(store.Exists());
  EXPECT_TRUE(store.Current()->Empty());
}

TEST_F(IndexCommandsTest, AFailedClearLeavesTheIndexInMemory) {
  store.Set(std::make_shared<IndexList>(IndexList::FromText("old\r\n")));
  files.before_write = [](const std::string&) { throw FileError("Cannot create file"); };
  EXPECT_THROW(commands.mniRefreshClick(), FileError);
  EXPECT_EQ(IndexText(), "old\r\n");
}

}  // namespace
}  // namespace vl
