#include <gtest/gtest.h>

#include "search/walk.h"
#include "search/fakes.h"

namespace vl {
namespace {

using testing::FakeLister;
using testing::File;
using testing::Folder;
using testing::Link;

TextList Lines(const IndexList& list) {
  TextList lines;
  for (std::size_t i = 0; i < list.Count(); ++i) lines.emplace_back(list.Line(i));
  return lines;
}

// C:\ holds folders A and B and a file; A holds A1; B is empty. The drive root lists no dot
// entries, every other folder does.
FakeLister SmallTree() {
  FakeLister lister;
  lister.AddFolder("C:\\", {Folder("A"), File("x.txt"), Folder("B")});
  lister.AddFolder("C:\\A\\", {Folder("."), Folder(".."), Folder("A1"), File("a.txt")});
  lister.AddFolder("C:\\B\\", {Folder("."), Folder("..")});
  lister.AddFolder("C:\\A\\A1\\", {Folder("."), Folder(".."), File("deep.txt")});
  return lister;
}

TEST(Walk, ListsBreadthFirstAndRecordsEveryEntry) {
  FakeLister lister = SmallTree();
  EXPECT_EQ(
      Lines(CollectFiles("C:\\", "*.*", lister)),
      (TextList{"C:\\A", "C:\\x.txt", "C:\\B", "C:\\A\\.", "C:\\A\\..", "C:\\A\\A1", "C:\\A\\a.txt",
                "C:\\B\\.", "C:\\B\\..", "C:\\A\\A1\\.", "C:\\A\\A1\\..", "C:\\A\\A1\\deep.txt"}));
  EXPECT_EQ(lister.asked,
            (std::vector<std::string>{"C:\\*.*", "C:\\A\\*.*", "C:\\B\\*.*", "C:\\A\\A1\\*.*"}));
}

TEST(Walk, ANarrowMaskListsEachFolderTwice) {
  FakeLister lister = SmallTree();
  lister.listings["C:\\*.txt"] = {File("x.txt")};
  lister.listings["C:\\A\\*.txt"] = {File("a.txt")};
  lister.listings["C:\\A\\A1\\*.txt"] = {File("deep.txt")};
  EXPECT_EQ(Lines(CollectFiles("C:\\", "*.txt", lister)),
            (TextList{"C:\\x.txt", "C:\\A\\a.txt", "C:\\A\\A1\\deep.txt"}));
  EXPECT_EQ(lister.asked.size(), 8u);
  EXPECT_EQ(lister.asked[1], "C:\\*");
}

TEST(Walk, UsesRootsExactlyAsWritten) {
  FakeLister lister;
  lister.AddFolder("C:", {File("x.txt"), Folder("sub")});
  lister.AddFolder("C:sub\\", {File("y")});
  lister.AddFolder("", {File("here.txt")});
  EXPECT_EQ(Lines(CollectFiles("C:", "*.*", lister)), (TextList{"C:x.txt", "C:sub", "C:sub\\y"}));
  EXPECT_EQ(Lines(CollectFiles("", "*.*", lister)), (TextList{"here.txt"}));
  EXPECT_EQ(lister.asked.back(), "*.*");
}

constexpr std::uint32_t kJunction = 0xA0000003, kSymlink = 0xA000000C, kCloud = 0x9000101A;

TEST(Walk, LinksOfUnknownIdentityAreRecordedButNotEntered) {
  FakeLister lister;
  lister.AddFolder("C:\\", {Link("junction", kJunction), Link("symlink", kSymlink), Link("wine", 0),
                            Link("cloud", kCloud), Folder("plain")});
  lister.AddFolder("C:\\cloud\\", {File("doc.txt")});
  lister.AddFolder("C:\\plain\\", {File("p.txt")});
  for (const char* loop : {"C:\\junction\\", "C:\\symlink\\", "C:\\wine\\"}) {
    lister.AddFolder(loop, {Link("back", kJunction)});
  }
  // Neither the cloud placeholder nor the plain folder can be told apart, but only a link can
  // close a loop, so both are entered.
  EXPECT_EQ(Lines(CollectFiles("C:\\", "*.*", lister)),
            (TextList{"C:\\junction", "C:\\symlink", "C:\\wine", "C:\\cloud", "C:\\plain",
                      "C:\\cloud\\doc.txt", "C:\\plain\\p.txt"}));
}

// C:\ holds a folder, a volume mounted into a folder, a link to that folder and a real folder
// that the host numbers like it; the folder holds a link back to the root and the mounted
// volume one back to its own root. Every real folder is listed, every link only when it leads
// to a folder not listed yet.
TEST(Walk, ALinkIsEnteredOnlyWhenItLeadsToAFolderNotListedYet) {
  FakeLister lister;
  lister.AddFolder("C:\\",
                   {Folder("A"), Link("mount", kJunction), Link("toA", kSymlink), Folder("twin")});
  lister.AddFolder("C:\\A\\", {Folder("."), Folder(".."), Link("up", 0), File("a.txt")});
  lister.AddFolder("C:\\mount\\", {File("m.txt"), Folder("inner")});
  lister.AddFolder("C:\\mount\\inner\\", {File("i.txt"), Link("loop", kJunction)});
  lister.AddFolder("C:\\twin\\", {File("t.txt")});
  for (const char* again : {"C:\\toA\\", "C:\\A\\up\\", "C:\\mount\\inner\\loop\\"}) {
    lister.AddFolder(again, {File("never.txt")});
  }
  const FolderId root{7, 0, 5}, a{7, 0, 9}, mounted_root{8, 0, 5}, inner{8, 1, 9};
  lister.ids = {{"C:\\", root},
                {"C:\\A\\", a},
                {"C:\\mount\\", mounted_root},
                {"C:\\toA\\", a},
                {"C:\\twin\\", a},
                {"C:\\A\\up\\", root},
                {"C:\\mount\\inner\\", inner},
                {"C:\\mount\\inner\\loop\\", mounted_root}};
  EXPECT_EQ(Lines(CollectFiles("C:\\", "*.*", lister)),
            (TextList{"C:\\A", "C:\\mount", "C:\\toA", "C:\\twin", "C:\\A\\.", "C:\\A\\..",
                      "C:\\A\\up", "C:\\A\\a.txt", "C:\\mount\\m.txt", "C:\\mount\\inner",
                      "C:\\twin\\t.txt", "C:\\mount\\inner\\i.txt", "C:\\mount\\inner\\loop"}));
  EXPECT_EQ(lister.asked, (std::vector<std::string>{"C:\\*.*", "C:\\A\\*.*", "C:\\mount\\*.*",
                                                    "C:\\twin\\*.*", "C:\\mount\\inner\\*.*"}));
  // A real folder is identified with its parent, whose volume it shares; a link and the root
  // are identified on their own.
  using Parent = std::optional<FolderId>;
  EXPECT_EQ(lister.parents["C:\\A\\"], Parent(root));
  EXPECT_EQ(lister.parents["C:\\mount\\inner\\"], Parent(mounted_root));
  EXPECT_EQ(lister.parents["C:\\mount\\"], std::nullopt);
  EXPECT_EQ(lister.parents["C:\\A\\up\\"], std::nullopt);
  EXPECT_EQ(lister.parents["C:\\"], std::nullopt);
}

// Only a folder text that ends with its separator names the folder its listing lists: the
// folder "C:\\Data" is not what the root "C:\\Data" lists, so a link to it is still entered.
TEST(Walk, ARootWithoutItsSeparatorIsNotTakenForAFolder) {
  FakeLister lister;
  lister.AddFolder("C:\\Data", {Link("Link", kJunction)});
  lister.AddFolder("C:\\DataLink\\", {File("x")});
  lister.ids = {{"C:\\Data", {7, 0, 1}}, {"C:\\DataLink\\", {7, 0, 1}}};
  EXPECT_EQ(Lines(CollectFiles("C:\\Data", "*.*", lister)),
            (TextList{"C:\\DataLink", "C:\\DataLink\\x"}));
}

TEST(Walk, AFailedListingContributesNothing) {
  FakeLister lister;
  lister.AddFolder("C:\\", {Folder("locked"), File("a")});
  EXPECT_EQ(Lines(CollectFiles("C:\\", "*.*", lister)), (TextList{"C:\\locked", "C:\\a"}));
  EXPECT_TRUE(CollectFiles("Q:\\", "*.*", lister).Empty());
}

TEST(Walk, PumpsOncePerFolderAndStopsWhenCancelled) {
  FakeLister lister = SmallTree();
  int pumps = 0;
  WalkHooks hooks{[&] { ++pumps; }, [&] { return pumps > 2; }};
  IndexList entries = CollectFiles("C:\\", "*.*", lister, hooks);
  EXPECT_EQ(pumps, 3);
  EXPECT_EQ(lister.asked.size(), 2u);
  EXPECT_EQ(entries.Count(), 7u);
}

TextList WalkAll(RootWalks& walks, std::size_t roots) {
  TextList lines;
  for (std::size_t i = 0; i < roots; ++i) {
    TextList root = Lines(walks.Walk(i, "*.*"));
    lines.insert(lines.end(), root.begin(), root.end());
  }
  return lines;
}

// Two roots, C:\A\ and C:\B\, and a folder D:\out\ under neither. A links to its own
// sub-folder before the folder itself ("early" before "target"), into B and out of both roots;
// "out" holds a link back to itself, and B links to "out" and to its sub-folder "inner".
FakeLister LinkedRoots() {
  FakeLister lister;
  lister.AddFolder("C:\\A\\", {Link("early", kSymlink), Folder("target"), Link("toB", kJunction),
                               Link("out", kSymlink), File("a.txt")});
  lister.AddFolder("C:\\A\\target\\", {File("t.txt")});
  lister.AddFolder("C:\\A\\out\\", {File("o.txt"), Link("self", 0), Folder("inner")});
  lister.AddFolder("C:\\A\\out\\inner\\", {File("i.txt")});
  lister.AddFolder("C:\\B\\", {Folder("x"), Link("out", kSymlink), Link("inner", kSymlink)});
  lister.AddFolder("C:\\B\\x\\", {File("x.txt")});
  for (const char* never :
       {"C:\\A\\early\\", "C:\\A\\toB\\", "C:\\A\\out\\self\\", "C:\\B\\out\\", "C:\\B\\inner\\"}) {
    lister.AddFolder(never, {File("never.txt")});
  }
  const FolderId a{7, 0, 1}, target{7, 0, 2}, b{7, 0, 3}, x{7, 0, 4}, out{9, 0, 1}, inner{9, 0, 2};
  lister.ids = {{"C:\\A\\", a},
                {"C:\\A\\early\\", target},
                {"C:\\A\\target\\", target},
                {"C:\\A\\toB\\", x},
                {"C:\\A\\out\\", out},
                {"C:\\A\\out\\self\\", out},
                {"C:\\A\\out\\inner\\", inner},
                {"C:\\B\\", b},
                {"C:\\B\\x\\", x},
                {"C:\\B\\out\\", out},
                {"C:\\B\\inner\\", inner}};
  lister.finals = {{"C:\\A\\", "C:\\A\\"},
                   {"C:\\B\\", "C:\\B\\"},
                   {"C:\\A\\early\\", "C:\\A\\target\\"},
                   {"C:\\A\\toB\\", "C:\\B\\x\\"},
                   {"C:\\A\\out\\", "D:\\out\\"},
                   {"C:\\A\\out\\self\\", "D:\\out\\"},
                   {"C:\\B\\out\\", "D:\\out\\"},
                   {"C:\\B\\inner\\", "D:\\out\\inner\\"}};
  return lister;
}

const TextList kRootA = {
    "C:\\A\\early",      "C:\\A\\target",           "C:\\A\\toB",        "C:\\A\\out",
    "C:\\A\\a.txt",      "C:\\A\\target\\t.txt",    "C:\\A\\out\\o.txt", "C:\\A\\out\\self",
    "C:\\A\\out\\inner", "C:\\A\\out\\inner\\i.txt"};
const TextList kRootB = {"C:\\B\\x", "C:\\B\\out", "C:\\B\\inner", "C:\\B\\x\\x.txt"};

TextList Joined(std::initializer_list<TextList> parts) {
  TextList lines;
  for (const TextList& part : parts) lines.insert(lines.end(), part.begin(), part.end());
  return lines;
}

// Every folder once: a link into a root is left to that root's walk, a folder outside every
// root is listed under the first path that reaches it, and every link is still an entry.
TEST(Walk, EveryFolderIsListedOncePerRebuild) {
  FakeLister lister = LinkedRoots();
  RootWalks walks({"C:\\A\\", "C:\\B\\"}, lister);
  EXPECT_EQ(WalkAll(walks, 2), Joined({kRootA, kRootB}));
  EXPECT_EQ(lister.asked,
            (std::vector<std::string>{"C:\\A\\*.*", "C:\\A\\target\\*.*", "C:\\A\\out\\*.*",
                                      "C:\\A\\out\\inner\\*.*", "C:\\B\\*.*", "C:\\B\\x\\*.*"}));
}

TEST(Walk, ARootListedTwiceIsWalkedTwiceAlike) {
  FakeLister lister = LinkedRoots();
  RootWalks walks({"C:\\A\\", "C:\\B\\", "C:\\A\\"}, lister);
  EXPECT_EQ(WalkAll(walks, 3), Joined({kRootA, kRootB, kRootA}));
}

// The roots in the other order: B now reaches the outside folder first, and its sub-folder
// through a link before its real path; A leaves both.
TEST(Walk, TheFirstPathToAFolderOutsideEveryRootKeepsIt) {
  FakeLister lister = LinkedRoots();
  RootWalks walks({"C:\\B\\", "C:\\A\\"}, lister);
  lister.AddFolder("C:\\B\\out\\", {File("o.txt"), Folder("inner")});
  lister.AddFolder("C:\\B\\inner\\", {File("i.txt")});
  lister.AddFolder("C:\\B\\out\\inner\\", {File("never.txt")});
  lister.ids["C:\\B\\out\\inner\\"] = {9, 0, 2};
  EXPECT_EQ(
      WalkAll(walks, 2),
      (TextList{"C:\\B\\x", "C:\\B\\out", "C:\\B\\inner", "C:\\B\\x\\x.txt", "C:\\B\\out\\o.txt",
                "C:\\B\\out\\inner", "C:\\B\\inner\\i.txt", "C:\\A\\early", "C:\\A\\target",
                "C:\\A\\toB", "C:\\A\\out", "C:\\A\\a.txt", "C:\\A\\target\\t.txt"}));
}

// The lister is asked with the root in its own form and every name after it as it is; the
// entries keep the root as written.
TEST(Walk, NamesBelowTheRootReachTheListerAsTheyAre) {
  FakeLister lister;
  lister.listing_roots["C:\\x\\"] = "\\?\\C:\\x\\";
  lister.AddFolder("\\?\\C:\\x\\", {Folder("apache."), Folder("apache"), Folder("dir ")});
  lister.AddFolder("\\?\\C:\\x\\apache.\\", {File("dot.txt")});
  lister.AddFolder("\\?\\C:\\x\\apache\\", {File("plain.txt")});
  lister.AddFolder("\\?\\C:\\x\\dir \\", {File("space.txt")});
  EXPECT_EQ(Lines(CollectFiles("C:\\x\\", "*.*", lister)),
            (TextList{"C:\\x\\apache.", "C:\\x\\apache", "C:\\x\\dir ", "C:\\x\\apache.\\dot.txt",
                      "C:\\x\\apache\\plain.txt", "C:\\x\\dir \\space.txt"}));
}

}  // namespace
}  // namespace vl
