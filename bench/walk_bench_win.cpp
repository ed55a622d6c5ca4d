// The index walk against bare listing passes over the same tree, under the platform's own
// directory listing: the walk's overhead on top of what the file system costs anyway, and what
// the wide listing with the basic level and the large fetch saves against the byte calls.
//
//   walk_bench ROOT        (ROOT with its trailing separator)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "search/walk.h"

namespace {

constexpr int kRuns = 5;

double MedianMs(const std::function<void()>& fn) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    auto start = std::chrono::steady_clock::now();
    fn();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
  return times[kRuns / 2];
}

template <typename Char>
bool IsDot(const Char* name) {
  return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// One FindFirstFileA listing of every folder, entering sub-folders that are not links, and
// nothing kept but the count and the queue.
std::size_t BareListingPass(const std::string& root) {
  std::size_t entries = 0;
  std::deque<std::string> queue{root};
  WIN32_FIND_DATAA data;
  while (!queue.empty()) {
    std::string folder = std::move(queue.front());
    queue.pop_front();
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) continue;
    do {
      ++entries;
      DWORD a = data.dwFileAttributes;
      if ((a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_REPARSE_POINT) &&
          !IsDot(data.cFileName)) {
        queue.push_back(folder + data.cFileName + "\\");
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  return entries;
}

// The same pass with FindFirstFileExW, the basic level and the large fetch.
std::size_t BareWideListingPass(const std::wstring& root) {
  std::size_t entries = 0;
  std::deque<std::wstring> queue{root};
  WIN32_FIND_DATAW data;
  while (!queue.empty()) {
    std::wstring folder = std::move(queue.front());
    queue.pop_front();
    HANDLE find = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) continue;
    do {
      ++entries;
      DWORD a = data.dwFileAttributes;
      if ((a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_REPARSE_POINT) &&
          !IsDot(data.cFileName)) {
        queue.push_back(folder + data.cFileName + L"\\");
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: walk_bench ROOT\n");
    return 2;
  }
  std::string root = argv[1];
  std::wstring wide_root(root.begin(), root.end());  // the generated tree's path is ASCII
  std::size_t bare_entries = 0, wide_entries = 0, walk_entries = 0;
  // One pass of each first, so that all meet the same warm caches.
  BareListingPass(root);
  BareWideListingPass(wide_root);
  vl::CollectFiles(root, "*.*", vl::SystemDirectoryLister());
  double bare_ms = MedianMs([&] { bare_entries = BareListingPass(root); });
  double wide_ms = MedianMs([&] { wide_entries = BareWideListingPass(wide_root); });
  double walk_ms = MedianMs(
      [&] { walk_entries = vl::CollectFiles(root, "*.*", vl::SystemDirectoryLister()).Count(); });
  std::printf("walk of %s under Wine, median of %d runs\n", root.c_str(), kRuns);
  std::printf("%-40s %9s %10s %8s\n", "measure", "entries", "ms", "ratio");
  std::printf("%-40s %9zu %10.1f %8s\n", "bare FindFirstFileA listing pass", bare_entries, bare_ms,
              "1.00x");
  std::printf("%-40s %9zu %10.1f %7.2fx\n", "bare FindFirstFileExW basic, large fetch",
              wide_entries, wide_ms, wide_ms / bare_ms);
  std::printf("%-40s %9zu %10.1f %7.2fx\n", "CollectFiles (index walk)", walk_entries, walk_ms,
              walk_ms / bare_ms);
  return 0;
}
