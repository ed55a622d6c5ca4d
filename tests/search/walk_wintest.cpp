#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "framework/text_win.h"
#include "search/locations.h"
#include "search/size_text.h"
#include "search/walk.h"
#include "support/temp_dir.h"
#include "support/wide_tree_win.h"

namespace vl {
namespace {

using vl::testing::TempDir;
using vl::testing::WideTree;

std::vector<std::string> Lines(const IndexList& list) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < list.Count(); ++i) lines.emplace_back(list.Line(i));
  return lines;
}

// The entries of one folder in listing order, whatever order that is.
std::vector<std::string> Sorted(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

bool IsLink(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::string HostPath(const std::string& path) {
  using UnixName = char*(CDECL*)(const WCHAR*);
  auto unix_name = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
  if (!unix_name) return {};
  std::wstring wide(path.begin(), path.end());
  char* name = unix_name(wide.c_str());
  std::string result = name ? name : "";
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

// Wine starts host programs by their host path; Wine's CreateSymbolicLink makes no link, so
// links are made and removed on the host side there.
bool RunHost(std::string command) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return true;
}

bool WaitFor(const std::function<bool()>& condition) {
  for (int i = 0; i < 100 && !condition(); ++i) Sleep(50);
  return condition();
}

bool MakeFolderLink(const std::string& link, const std::string& target) {
  constexpr DWORD kUnprivileged = 0x2;
  CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | kUnprivileged);
  if (IsLink(link)) return true;
  std::string host_target = HostPath(target), host_link = HostPath(link);
  if (host_target.empty() || host_link.empty()) return false;
  return RunHost("/bin/ln -s \"" + host_target + "\" \"" + host_link + "\"") &&
         WaitFor([&] { return IsLink(link); });
}

// Removed before the temporary folder goes, so that its removal cannot follow the link.
void RemoveFolderLink(const std::string& link) {
  if (RemoveDirectoryA(link.c_str()) || DeleteFileA(link.c_str())) return;
  RunHost("/bin/rm -f \"" + HostPath(link) + "\"");
  WaitFor([&] { return GetFileAttributesA(link.c_str()) == INVALID_FILE_ATTRIBUTES; });
}

class WalkTree : public ::testing::Test {
 protected:
  TempDir dir;
  TempDir outside;  // a folder outside the root, for links to lead to
  std::string root;
  std::vector<std::string> links;  // folder links to remove before the folders go

  void SetUp() override {
    dir.Write("a.txt", "a");
    dir.Write(".hidden", "h");
    dir.Write("sub\\b.txt", "b");
    dir.Write("sub\\deeper\\c.txt", "c");
    root = dir.Str();
    ASSERT_TRUE(SetFileAttributesA((root + ".hidden").c_str(), FILE_ATTRIBUTE_HIDDEN));
  }
  void TearDown() override {
    for (const std::string& link : links) {
      RemoveFolderLink(link);
      EXPECT_FALSE(IsLink(link)) << link;
    }
  }
  bool Link(const std::string& link, const std::string& target) {
    links.push_back(link);
    return MakeFolderLink(link, target);
  }
};

TEST_F(WalkTree, RecordsEveryEntryLevelByLevel) {
  std::vector<std::string> lines = Lines(CollectFiles(root, "*.*", SystemDirectoryLister()));
  ASSERT_EQ(lines.size(), 12u);
  std::vector<std::string> top(lines.begin(), lines.begin() + 5);
  std::vector<std::string> sub(lines.begin() + 5, lines.begin() + 9);
  std::vector<std::string> deeper(lines.begin() + 9, lines.end());
  EXPECT_EQ(Sorted(top),
            Sorted({root + ".", root + "..", root + ".hidden", root + "a.txt", root + "sub"}));
  EXPECT_EQ(Sorted(sub),
            Sorted({root + "sub\\.", root + "sub\\..", root + "sub\\b.txt", root + "sub\\deeper"}));
  EXPECT_EQ(Sorted(deeper), Sorted({root + "sub\\deeper\\.", root + "sub\\deeper\\..",
                                    root + "sub\\deeper\\c.txt"}));
}

TEST_F(WalkTree, ARootWithoutItsSeparatorIsUsedAsWritten) {
  std::string partial = root + "su";
  EXPECT_EQ(Lines(CollectFiles(partial, "*.*", SystemDirectoryLister())),
            (std::vector<std::string>{partial + "sub"}));
}

TEST_F(WalkTree, AnEmptyRootWalksTheCurrentFolder) {
  ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
  std::vector<std::string> lines = Lines(CollectFiles("", "*.*", SystemDirectoryLister()));
  SetCurrentDirectoryA("C:\\");
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(Sorted({lines.begin(), lines.begin() + 5}),
            Sorted({".", "..", ".hidden", "a.txt", "sub"}));
  EXPECT_EQ(lines.back().rfind("sub\\deeper\\", 0), 0u);
}

TEST_F(WalkTree, ANarrowMaskRecordsOnlyMatchesButWalksEveryFolder) {
  EXPECT_EQ(Sorted(Lines(CollectFiles(root, "*.txt", SystemDirectoryLister()))),
            Sorted({root + "a.txt", root + "sub\\b.txt", root + "sub\\deeper\\c.txt"}));
}

TEST_F(WalkTree, AMissingRootGivesNothing) {
  EXPECT_TRUE(CollectFiles(root + "none\\", "*.*", SystemDirectoryLister()).Empty());
}

TEST_F(WalkTree, ALoopThroughALinkEndsAfterOnePass) {
  const std::string up = root + "sub\\up";
  if (!Link(up, root)) GTEST_SKIP() << "no folder link can be made here";
  std::vector<std::string> lines = Lines(CollectFiles(root, "*.*", SystemDirectoryLister()));
  EXPECT_EQ(lines.size(), 13u) << ::testing::PrintToString(lines);
  EXPECT_NE(std::find(lines.begin(), lines.end(), up), lines.end());
  EXPECT_EQ(std::find(lines.begin(), lines.end(), up + "\\a.txt"), lines.end());
}

TEST_F(WalkTree, AFolderLinkIsEnteredOnceWhateverNamesLeadToIt) {
  outside.Write("o.txt", "o");
  const std::string first = root + "sub\\link", second = root + "sub\\deeper\\again";
  if (!Link(first, outside.Str()) || !Link(second, outside.Str())) {
    GTEST_SKIP() << "no folder link can be made here";
  }
  std::vector<std::string> lines = Lines(CollectFiles(root, "*.*", SystemDirectoryLister()));
  // The first link met is entered; the second, a level deeper, is only recorded.
  auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_EQ(lines.size(), 17u) << ::testing::PrintToString(lines);
  EXPECT_TRUE(has(first + "\\o.txt"));
  EXPECT_TRUE(has(first + "\\.."));
  EXPECT_TRUE(has(second));
  EXPECT_FALSE(has(second + "\\o.txt"));
}

// Paths of 300 and 1,000 characters: the byte calls refuse them, the walk and the file tests
// reach them through the wide calls.
TEST_F(WalkTree, PathsPastMaxPathAreWalkedAndFound) {
  WideTree tree(std::wstring(root.begin(), root.end()));
  tree.Folder(L"long");
  const std::string middle = WideToAnsi(tree.DeepFile(L"long", L"m", 60, L"mid", L".txt", 300));
  tree.Folder(L"deep");
  const std::string farthest = WideToAnsi(tree.DeepFile(L"deep", L"f", 40, L"far", L".txt", 1000));
  ASSERT_EQ(middle.size(), 300u);
  ASSERT_EQ(farthest.size(), 1000u);
  ASSERT_EQ(GetFileAttributesA(middle.c_str()), INVALID_FILE_ATTRIBUTES);

  std::vector<std::string> lines = Lines(CollectFiles(root, "*.*", SystemDirectoryLister()));
  std::vector<std::string> expected = {root + "a.txt",           root + ".hidden",
                                       root + "sub\\b.txt",      root + "sub\\.",
                                       root + "sub\\..",         root + "sub",
                                       root + "sub\\deeper",     root + "sub\\deeper\\.",
                                       root + "sub\\deeper\\..", root + "sub\\deeper\\c.txt"};
  for (const std::wstring& entry : tree.Entries()) expected.push_back(WideToAnsi(entry));
  EXPECT_EQ(Sorted(lines), Sorted(expected));

  for (const std::string& path : {middle, farthest}) {
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(DirectoryExists(path));
    EXPECT_TRUE(DirectoryExists(path.substr(0, path.rfind('\\'))));
    EXPECT_EQ(FileSizeOf(path), 1536);
    EXPECT_EQ(FormatFileSize(FileSizeOf(path)), "1.50 KB");
  }
  EXPECT_FALSE(FileExists(farthest + "x"));
  EXPECT_EQ(FileSizeOf(farthest + "x"), -1);
}

// Whatever the process's code page, the walk spells every name as the byte calls do: in
// UTF-8 exactly, in code page 1252 with the same "?" and look-alikes as before.
TEST_F(WalkTree, NamesReadTheSameAsThroughTheByteCalls) {
  WideTree tree(std::wstring(root.begin(), root.end()));
  tree.Folder(L"names");
  // "café", Cyrillic "Папка", Japanese "日本語", an emoji, a Greek capital omega.
  for (const wchar_t* name : {L"caf\u00E9", L"\u041F\u0430\u043F\u043A\u0430",
                              L"\u65E5\u672C\u8A9E", L"emoji\U0001F600", L"\u03A9"}) {
    tree.File(std::wstring(L"names\\") + name + L".txt");
  }
  std::vector<std::string> by_bytes;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((root + "names\\*").c_str(), &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  do {
    by_bytes.push_back(root + "names\\" + data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::vector<std::string> by_walk =
      Lines(CollectFiles(root + "names\\", "*.*", SystemDirectoryLister()));
  EXPECT_EQ(Sorted(by_walk), Sorted(by_bytes));
  EXPECT_EQ(by_walk.size(), 7u);
}

}  // namespace
}  // namespace vl
