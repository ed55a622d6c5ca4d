#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "search/walk.h"
#include "support/temp_dir.h"

namespace vl {
namespace {

using vl::testing::TempDir;

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
  std::string root;
  std::string link;  // a folder link to remove before the folder goes

  void SetUp() override {
    dir.Write("a.txt", "a");
    dir.Write(".hidden", "h");
    dir.Write("sub\\b.txt", "b");
    dir.Write("sub\\deeper\\c.txt", "c");
    root = dir.Str();
    ASSERT_TRUE(SetFileAttributesA((root + ".hidden").c_str(), FILE_ATTRIBUTE_HIDDEN));
  }
  void TearDown() override {
    if (!link.empty()) RemoveFolderLink(link);
    EXPECT_TRUE(link.empty() || !IsLink(link));
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

TEST_F(WalkTree, ALinkBackToAnAncestorIsRecordedButNotEntered) {
  link = root + "sub\\up";
  if (!MakeFolderLink(link, root)) GTEST_SKIP() << "no folder link can be made here";
  std::vector<std::string> lines = Lines(CollectFiles(root, "*.*", SystemDirectoryLister()));
  EXPECT_EQ(lines.size(), 13u) << ::testing::PrintToString(lines);
  EXPECT_NE(std::find(lines.begin(), lines.end(), link), lines.end());
  EXPECT_EQ(std::find(lines.begin(), lines.end(), link + "\\a.txt"), lines.end());
}

}  // namespace
}  // namespace vl
