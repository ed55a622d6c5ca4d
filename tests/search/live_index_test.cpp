#include "search/live_index.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "search/fakes.h"

namespace vl {
namespace {

using testing::FakeProgress;
using testing::File;
using testing::Folder;

// A disk that changes: each folder's listing, in listing order, and each folder's identity.
// Every change is told to `changes` as a watch of the whole tree would tell it, and no more: a
// folder deleted, renamed or moved is one name that left its parent (and one that appeared).
class ChangingDisk : public DirectoryLister {
 public:
  std::map<std::string, std::vector<DirEntry>> folders;
  std::map<std::string, FolderId> ids;
  ChangeSet changes;
  int listings = 0;

  void AddFolder(const std::string& folder, std::vector<DirEntry> entries = {}) {
    folders[folder] = std::move(entries);
    ids[folder] = FolderId{1, 0, next_id_++};
  }

  Listing List(const std::string& pattern, std::vector<DirEntry>& entries) override {
    ++listings;
    entries.clear();
    auto it = folders.find(pattern.substr(0, pattern.size() - 3));
    if (it == folders.end()) return Listing::kFailed;
    entries = it->second;
    return entries.empty() ? Listing::kNoMatch : Listing::kListed;
  }
  std::optional<std::string> FinalPath(const std::string& folder) override {
    if (!folders.contains(folder)) return std::nullopt;
    return folder;
  }
  std::optional<FolderId> Identify(const std::string& folder, const FolderId*) override {
    auto it = ids.find(folder);
    if (it == ids.end()) return std::nullopt;
    return it->second;
  }

  void Create(const std::string& folder, DirEntry entry, std::size_t place) {
    auto& entries = folders.at(folder);
    const std::string name = entry.name;
    if (entry.attributes & fa::kDirectory)
      AddFolder(folder + name + "\\", {Folder("."), Folder("..")});
    entries.insert(entries.begin() + std::ptrdiff_t(std::min(place, entries.size())),
                   std::move(entry));
    changes.NameChanged(folder, name);
  }
  // Takes an entry out of its folder, keeping its subtree aside when it is a folder.
  DirEntry Take(const std::string& folder, std::size_t k,
                std::map<std::string, std::vector<DirEntry>>& subtree) {
    auto& entries = folders.at(folder);
    DirEntry entry = entries[k];
    entries.erase(entries.begin() + std::ptrdiff_t(k));
    changes.NameChanged(folder, entry.name);
    const std::string prefix = folder + entry.name + "\\";
    for (auto it = folders.lower_bound(prefix);
         it != folders.end() && it->first.starts_with(prefix);) {
      subtree[it->first.substr(prefix.size())] = std::move(it->second);
      it = folders.erase(it);
    }
    return entry;
  }
  void Put(const std::string& folder, DirEntry entry, std::size_t place,
           std::map<std::string, std::vector<DirEntry>>& subtree) {
    const std::string prefix = folder + entry.name + "\\";
    for (auto& [rest, listing] : subtree) {
      folders[prefix + rest] = std::move(listing);
      if (!ids.contains(prefix + rest)) ids[prefix + rest] = FolderId{1, 0, next_id_++};
    }
    auto& entries = folders.at(folder);
    changes.NameChanged(folder, entry.name);
    entries.insert(entries.begin() + std::ptrdiff_t(std::min(place, entries.size())),
                   std::move(entry));
  }

 private:
  std::uint64_t next_id_ = 1;
};

std::string FreshWalk(const TextList& roots, DirectoryLister& disk) {
  IndexList index;
  for (const std::string& root : roots) index.AppendList(CollectFiles(root, "*.*", disk));
  return index.FileText();
}

// What a rebuild over the disk writes, replacing the index `before` (from which a root that
// cannot be listed keeps its entries).
std::string Rebuilt(std::shared_ptr<IndexList> before, const TextList& roots,
                    DirectoryLister& disk) {
  testing::FakeFileSystem files;
  std::string list;
  for (const std::string& root : roots) list += root + "\r\n";
  files.files["list.txt"] = list;
  FakeProgress progress;
  IndexStore store;
  store.Set(std::move(before));
  RebuildIndex(store, "list.txt", "vl.vl", IndexSeams{files, disk, progress, {}, {}, {}});
  return store.Current()->FileText();
}

struct Live {
  IndexStore store;
  FakeProgress progress;
  std::function<void()> pump;
  LiveIndex live;
  explicit Live(ChangingDisk& disk)
      : live(store, LiveSeams{disk, progress, [this] {
                                if (pump) pump();
                              }}) {}
};

// Random changes: creates, deletes, renames and moves of files and of folders with their
// subtrees, in random places of the listings, now and then a watch that lost track.
class RandomChanges {
 public:
  RandomChanges(ChangingDisk& disk, unsigned seed) : disk_(disk), random_(seed) {}

  void Grow(int entries) {
    for (int i = 0; i < entries; ++i) Create();
  }

  void Step() {
    switch (Pick(10)) {
      case 0:
      case 1:
      case 2:
        Create();
        break;
      case 3:
      case 4:
        Delete();
        break;
      case 5:
      case 6:
        Rename();
        break;
      case 7:
      case 8:
        Move();
        break;
      default:
        const std::string lost = RandomFolder();
        log += "lost track of " + lost + "\n";
        disk_.changes.subtrees.insert(lost);
    }
  }

  std::string log;

 private:
  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  std::string NewName() { return std::string("n").append(std::to_string(names_++)); }
  std::string RandomFolder() {
    auto it = disk_.folders.begin();
    std::advance(it, std::ptrdiff_t(Pick(disk_.folders.size())));
    return it->first;
  }
  // A folder and the place of one of its own entries (not "." or ".."), if it has one.
  std::optional<std::pair<std::string, std::size_t>> RandomEntry() {
    for (int tries = 0; tries < 8; ++tries) {
      const std::string folder = RandomFolder();
      const auto& entries = disk_.folders.at(folder);
      std::vector<std::size_t> own;
      for (std::size_t k = 0; k < entries.size(); ++k) {
        if (entries[k].name != "." && entries[k].name != "..") own.push_back(k);
      }
      if (!own.empty()) return std::pair{folder, own[Pick(own.size())]};
    }
    return std::nullopt;
  }
  void Create() {
    const std::string folder = RandomFolder();
    DirEntry entry = Pick(3) == 0 ? Folder(NewName()) : File(NewName());
    log += "create " + folder + entry.name + "\n";
    disk_.Create(folder, std::move(entry), Pick(disk_.folders.at(folder).size() + 1));
  }
  void Delete() {
    auto at = RandomEntry();
    if (!at) return;
    std::map<std::string, std::vector<DirEntry>> subtree;
    log += "delete " + at->first + disk_.folders.at(at->first)[at->second].name + "\n";
    disk_.Take(at->first, at->second, subtree);
  }
  void Rename() {
    auto at = RandomEntry();
    if (!at) return;
    std::map<std::string, std::vector<DirEntry>> subtree;
    DirEntry entry = disk_.Take(at->first, at->second, subtree);
    log += "rename " + at->first + entry.name;
    entry.name = NewName();
    log += " to " + entry.name + "\n";
    disk_.Put(at->first, std::move(entry), at->second, subtree);
  }
  void Move() {
    auto at = RandomEntry();
    if (!at) return;
    const std::string moved = at->first + disk_.folders.at(at->first)[at->second].name + "\\";
    std::map<std::string, std::vector<DirEntry>> subtree;
    DirEntry entry = disk_.Take(at->first, at->second, subtree);
    const std::string target = RandomFolder();
    log += "move " + moved + " to " + target + "\n";
    disk_.Put(target, std::move(entry), Pick(disk_.folders.at(target).size() + 1), subtree);
  }

  ChangingDisk& disk_;
  std::mt19937 random_;
  int names_ = 0;
};

// A sequence is one to four random changes, the pass that follows them and the comparison with
// what a rebuild would write instead; a tree takes eight sequences one after another. C:\n0\ is
// a third root while it is a folder (one folder indexed twice, as a root list may ask); once it
// has gone it keeps its entries, as a rebuild keeps them.
TEST(LiveIndex, EqualsARebuildAfterEveryRandomSequence) {
  constexpr unsigned kSequences = 10000, kPerTree = 8;
  const TextList roots{"C:\\", "D:\\", "C:\\n0\\"};
  for (unsigned tree = 0; tree < kSequences / kPerTree; ++tree) {
    ChangingDisk disk;
    disk.AddFolder("C:\\");
    disk.AddFolder("D:\\");
    RandomChanges random(disk, tree);
    random.Grow(12);
    Live live(disk);
    live.live.Follow(roots);
    disk.changes = {};
    live.live.Update();
    ASSERT_EQ(live.store.Current()->FileText(), FreshWalk(roots, disk)) << "tree " << tree;
    for (unsigned sequence = 0; sequence < kPerTree; ++sequence) {
      const unsigned steps = 1 + (tree + sequence) % 4;
      for (unsigned s = 0; s < steps; ++s) random.Step();
      live.live.Add(std::exchange(disk.changes, {}));
      std::shared_ptr<IndexList> before = live.store.Current();
      live.live.Update();
      ASSERT_EQ(live.store.Current()->FileText(), Rebuilt(before, roots, disk))
          << "tree " << tree << " after\n"
          << random.log;
    }
  }
}

TEST(LiveIndex, TakesUnchangedFoldersFromMemory) {
  ChangingDisk disk;
  disk.AddFolder("C:\\", {Folder("a"), Folder("b"), File("x")});
  disk.AddFolder("C:\\a\\", {Folder("."), Folder(".."), File("one")});
  disk.AddFolder("C:\\b\\", {Folder("."), Folder(".."), Folder("c")});
  disk.AddFolder("C:\\b\\c\\", {Folder("."), Folder(".."), File("deep")});
  Live live(disk);
  live.live.Follow({"C:\\"});
  EXPECT_TRUE(live.live.Update());
  EXPECT_EQ(disk.listings, 4);

  disk.listings = 0;
  disk.Create("C:\\b\\c\\", File("new"), 3);
  live.live.Add(std::exchange(disk.changes, {}));
  EXPECT_TRUE(live.live.Update());
  EXPECT_EQ(disk.listings, 1);  // only C:\b\c\ again; C:\b\c\new\ is no folder
  EXPECT_EQ(live.store.Current()->Line(live.store.Current()->Count() - 1), "C:\\b\\c\\new");
}

TEST(LiveIndex, APassThatFindsNothingNewLeavesTheIndexAndItsStateAlone) {
  ChangingDisk disk;
  disk.AddFolder("C:\\", {Folder("a"), File("x")});
  disk.AddFolder("C:\\a\\", {Folder("."), Folder(".."), File("one")});
  Live live(disk);
  // An index loaded from a file that matches the disk: the catch-up walk changes nothing.
  live.store.Set(std::make_shared<IndexList>(
      IndexList::FromText("C:\\a\r\nC:\\x\r\nC:\\a\\.\r\nC:\\a\\..\r\nC:\\a\\one\r\n")));
  const std::uint64_t state = live.store.State();
  live.live.Follow({"C:\\"});
  EXPECT_FALSE(live.live.Update());
  EXPECT_EQ(live.store.State(), state);
  EXPECT_FALSE(live.live.Unsaved());

  // A change that is undone before the pass runs.
  std::map<std::string, std::vector<DirEntry>> subtree;
  disk.Put("C:\\a\\", disk.Take("C:\\a\\", 2, subtree), 2, subtree);
  live.live.Add(std::exchange(disk.changes, {}));
  EXPECT_FALSE(live.live.Update());
  EXPECT_EQ(live.store.State(), state);

  disk.Create("C:\\", File("y"), 2);
  live.live.Add(std::exchange(disk.changes, {}));
  EXPECT_TRUE(live.live.Update());
  EXPECT_TRUE(live.live.Unsaved());
}

TEST(LiveIndex, CatchUpWalksDriveTheProgressBarAndSmallPassesDoNot) {
  ChangingDisk disk;
  disk.AddFolder("C:\\", {File("x")});
  disk.AddFolder("D:\\", {File("y")});
  Live live(disk);
  live.live.Follow({"C:\\", "D:\\"});
  live.live.Update();
  EXPECT_EQ(live.progress.events, (std::vector<std::string>{"total 2", "done 1", "done 2"}));

  live.progress.events.clear();
  disk.Create("D:\\", File("z"), 0);
  live.live.Add(std::exchange(disk.changes, {}));
  live.live.Update();
  EXPECT_TRUE(live.progress.events.empty());

  ChangeSet lost;
  lost.subtrees.insert("D:\\");
  live.live.Add(std::move(lost));
  live.live.Update();
  EXPECT_EQ(live.progress.events, (std::vector<std::string>{"total 2", "done 1", "done 2"}));
}

TEST(LiveIndex, ChangesDuringAPassAreTakenByTheNextOne) {
  ChangingDisk disk;
  disk.AddFolder("C:\\", {Folder("a")});
  disk.AddFolder("C:\\a\\", {Folder("."), Folder("..")});
  Live live(disk);
  live.live.Follow({"C:\\"});
  bool once = true;
  live.pump = [&] {
    if (!once) return;
    once = false;
    disk.Create("C:\\a\\", File("late"), 2);
    live.live.Add(std::exchange(disk.changes, {}));
    // A pass asked for while one runs does not start a second one.
    EXPECT_FALSE(live.live.Update());
  };
  EXPECT_TRUE(live.live.Update());
  EXPECT_EQ(live.store.Current()->FileText(), FreshWalk({"C:\\"}, disk));
  EXPECT_FALSE(live.live.HasWork());
}

TEST(LiveIndex, APassLeavesNoTraceWhenCancelledOrOvertaken) {
  struct Case {
    const char* what;
    std::function<void(Live&)> meanwhile;
    bool still_pending;
  };
  const Case cases[] = {
      {"cancelled", [](Live&) {}, true},
      {"a rebuild replaced the index", [](Live& l) { l.store.Set(std::make_shared<IndexList>()); },
       true},
      {"the index was cleared", [](Live& l) { l.live.Stop(); }, false},
  };
  for (const Case& c : cases) {
    ChangingDisk disk;
    disk.AddFolder("C:\\", {Folder("a")});
    disk.AddFolder("C:\\a\\", {Folder("."), Folder("..")});
    Live live(disk);
    live.live.Follow({"C:\\"});
    live.live.Update();
    const std::shared_ptr<IndexList> before = live.store.Current();

    disk.Create("C:\\a\\", File("new"), 2);
    live.live.Add(std::exchange(disk.changes, {}));
    bool cancel = false;
    live.pump = [&] {
      c.meanwhile(live);
      cancel = true;
    };
    EXPECT_FALSE(live.live.Update([&] { return cancel; })) << c.what;
    EXPECT_EQ(live.live.HasWork(), c.still_pending) << c.what;
    live.pump = nullptr;
    if (!c.still_pending) continue;
    EXPECT_TRUE(live.live.Update()) << c.what;
    EXPECT_EQ(live.store.Current()->FileText(), FreshWalk({"C:\\"}, disk)) << c.what;
  }
}

TEST(ChangeSet, NamesTheFoldersAPlatformPathTouches) {
  struct Case {
    const char* relative;
    const char* listed_again;
    const char* walked_again;
  };
  const Case cases[] = {
      {"new.txt", "C:\\r\\", "C:\\r\\new.txt\\"},
      {"a\\b\\new", "C:\\r\\a\\b\\", "C:\\r\\a\\b\\new\\"},
  };
  for (const Case& c : cases) {
    ChangeSet changes;
    changes.PathChanged("C:\\r\\", c.relative);
    EXPECT_TRUE(changes.Touches(c.listed_again)) << c.relative;
    EXPECT_TRUE(changes.Touches(c.walked_again)) << c.relative;
    EXPECT_TRUE(changes.Touches(std::string(c.walked_again) + "deeper\\")) << c.relative;
    EXPECT_FALSE(changes.Touches("C:\\r\\other\\")) << c.relative;
  }
  ChangeSet lost;
  lost.subtrees.insert("C:\\r\\");
  EXPECT_TRUE(lost.Touches("C:\\r\\a\\b\\"));
  EXPECT_FALSE(lost.Touches("C:\\"));
}

TEST(LiveIndex, AQueryAfterAPassFindsWhatChanged) {
  ChangingDisk disk;
  disk.AddFolder("J:\\", {Folder("Docs"), File("notes.txt")});
  disk.AddFolder("J:\\Docs\\", {Folder("."), Folder(".."), File("report.doc")});
  Live live(disk);
  live.store.Set(std::make_shared<IndexList>(IndexList::FromText(FreshWalk({"J:\\"}, disk))));
  TBallArray rows;
  testing::FakeView view;
  testing::FakeClock clock;
  Queries queries(live.store, rows, view, clock, LeadBytes::SingleByte());
  live.live.Follow({"J:\\"});
  live.live.Update();
  queries.SearchByKeyword("fresh");
  EXPECT_EQ(rows.Count(), 0u);
  disk.Create("J:\\", File("fresh one.txt"), 1);
  live.live.Add(std::exchange(disk.changes, {}));
  live.live.Update();
  queries.SearchByKeyword("fresh");
  ASSERT_EQ(rows.Count(), 1u);
  EXPECT_EQ(rows.Path(0), "J:\\fresh one.txt");
}
}  // namespace
}  // namespace vl
