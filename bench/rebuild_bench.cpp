// The memory a rebuild needs: the index of a generated corpus is loaded, a keyword query puts
// its rows on show, and then the whole index is rebuilt from a walk over an in-memory copy of
// the same tree (three roots, C:\, D:\ and E:\), writing the index file after every root as the
// program does. The peak resident set of the rebuild is read from the system (VmHWM, reset just
// before the rebuild starts) and set against the index file's size.
//
//   rebuild_bench [LINES [KEYWORD]]     (KEYWORD "-" for no rows on show)
//
// Linux only: it reads /proc/self/status.
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <malloc.h>
#include <unistd.h>

#include "bench/corpus.h"
#include "bench/corpus_lister.h"
#include "bench/disk_files.h"
#include "bench/null_seams.h"
#include "framework/errors.h"
#include "search/index_commands.h"
#include "search/queries.h"
#include "search/walk.h"

namespace {

std::size_t StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::size_t(std::strtoull(line.c_str() + 6, nullptr, 10));
  }
  return 0;
}

void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

class NoProgress : public vl::IndexProgress {
 public:
  void SetTotalParts(int) override {}
  void SetPartsComplete(int) override {}
};

}  // namespace

int main(int argc, char** argv) {
  std::size_t lines = argc > 1 ? std::size_t(std::strtoull(argv[1], nullptr, 10)) : 1000000;
  std::string keyword = argc > 2 ? argv[2] : "report";
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("vl-rebuild-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string index_file = (dir / "vl.vl").string();
  const std::string root_file = (dir / "list.txt").string();

  const std::vector<std::string> roots = {"C:\\", "D:\\", "E:\\"};
  std::unique_ptr<vl::bench::CorpusLister> lister;
  {
    // A fifth of the corpus's folders repeat a name in their listing and are walked once, so
    // the corpus is made larger than the walk.
    vl::bench::PathCorpus corpus(lines + lines / 2);
    lister = std::make_unique<vl::bench::CorpusLister>(corpus.Text(), lines, roots);
  }
  std::ofstream(root_file, std::ios::binary) << "C:\\\r\nD:\\\r\nE:\\\r\n";

  vl::bench::DiskFiles files;
  NoProgress progress;
  vl::IndexSeams seams{files, *lister, progress, {}, {}, {}};
  // The index on show is the one the rebuild makes again: a rebuild over an unchanged disk.
  {
    vl::IndexStore first;
    vl::RebuildIndex(first, root_file, index_file, seams);
  }
  malloc_trim(0);
  const std::size_t lister_kb = StatusKb("VmRSS:");
  const std::size_t file_bytes = std::filesystem::file_size(index_file);
  vl::IndexStore store;
  store.Set(vl::LoadIndexList(files, index_file));
  vl::TBallArray results;
  vl::bench::NoView view;
  vl::bench::NoClock clock;
  vl::Queries queries(store, results, view, clock, vl::LeadBytes::SingleByte());
  if (keyword != "-") queries.SearchByKeyword(keyword);

  const std::string first_row = results.Empty() ? "" : results.Path(0);
  std::weak_ptr<vl::IndexList> old = store.Current();

  malloc_trim(0);
  const std::size_t before_kb = StatusKb("VmRSS:");
  ResetPeak();
  vl::RebuildIndex(store, root_file, index_file, seams);
  const std::size_t peak_kb = StatusKb("VmHWM:");
  malloc_trim(0);
  const std::size_t after_kb = StatusKb("VmRSS:");

  const double file_mb = double(file_bytes) / 1e6;
  std::printf("rebuild of %zu paths (index file %.1f MB), rows on show: %zu (\"%s\")\n",
              store.Current()->Count(), file_mb, results.Count(), keyword.c_str());
  std::printf("resident before %.1f MB, peak during %.1f MB, after %.1f MB\n", before_kb / 1e3,
              peak_kb / 1e3, after_kb / 1e3);
  std::printf("(the in-memory tree the walk lists holds %.1f MB of that)\n", lister_kb / 1e3);
  const double index_mb = (double(before_kb) - double(lister_kb)) / 1e3;
  const double peak_mb = (double(peak_kb) - double(lister_kb)) / 1e3;
  std::printf("index with its rows before: %.1f MB = %.2fx the file\n", index_mb,
              index_mb / file_mb);
  std::printf("peak working set of the rebuild (without the tree): %.1f MB = %.2fx the file\n",
              peak_mb, peak_mb / file_mb);
  std::printf("the replaced index %s; the rows %s\n",
              old.expired() ? "was released" : "is still held",
              results.Empty() || results.Path(0) == first_row ? "show the same paths" : "CHANGED");
  std::filesystem::remove_all(dir);
  return 0;
}
