// The index following the disk at a million paths, over the generated corpus as an in-memory
// disk of three roots (C:\, D:\, E:\):
// - the start-up pass, which walks every root again on the disk;
// - a burst of files made in folders of C:\, taken in by a pass that lists only the folders
//   they were made in (the watch told every name);
// - the same burst when the watch lost track of it (its buffer overflowed), taken in by a pass
//   that walks C:\ again on the disk.
// For each: its wall time and its worst keystroke, that is the longest time between two chances
// the window has to take a key (the pass lets it process its messages once per folder), plus the
// time of the keyword query that key runs on the index at that moment. Times are given by the
// wall clock and by the processor time of the thread (what the pass itself cost, whatever else
// the machine ran meanwhile). Linux only (the thread's processor clock).
//
// glibc keeps small freed blocks aside and merges them all on the next large free: after a pass
// lets go of its tables (hundreds of thousands of small nodes), that merge alone is a gap of
// about 45 ms at a million paths. The Windows heap, where the program runs, has no such step;
// GLIBC_TUNABLES=glibc.malloc.mxfast=0 runs the benchmark without it.
//
//   live_bench [LINES [BURST]]
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/corpus.h"
#include "bench/corpus_lister.h"
#include "bench/null_seams.h"
#include "bench/timing.h"
#include "search/live_index.h"
#include "search/queries.h"

namespace {

using vl::bench::Clock;
using vl::bench::Ms;

class NoProgress : public vl::IndexProgress {
 public:
  void SetTotalParts(int) override {}
  void SetPartsComplete(int) override {}
};

// The processor time of this thread, in milliseconds: on a shared machine the wall clock also
// counts the time other programs had the processor.
double ThreadMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The longest time between two calls of Pump since Start, by the wall clock and by the
// processor time of the thread.
class Gaps {
 public:
  void Start() {
    last_ = Clock::now();
    last_cpu_ = ThreadMs();
    worst_ = worst_cpu_ = 0;
  }
  void Pump() {
    const Clock::time_point now = Clock::now();
    const double cpu = ThreadMs();
    worst_ = std::max(worst_, Ms(last_, now));
    worst_cpu_ = std::max(worst_cpu_, cpu - last_cpu_);
    last_ = now;
    last_cpu_ = cpu;
  }
  double Worst() const { return worst_; }
  double WorstCpu() const { return worst_cpu_; }

 private:
  Clock::time_point last_;
  double last_cpu_ = 0;
  double worst_ = 0;
  double worst_cpu_ = 0;
};

std::string FreshWalk(const vl::TextList& roots, vl::DirectoryLister& disk) {
  vl::IndexList index;
  for (const std::string& root : roots) index.AppendList(vl::CollectFiles(root, "*.*", disk));
  return index.FileText();
}

// Files made in random folders of C:\, each told as the watch tells it.
vl::ChangeSet Burst(vl::bench::CorpusLister& disk, std::size_t files, unsigned seed) {
  std::vector<std::string> folders;
  for (const auto& [folder, entries] : disk.Folders()) {
    if (folder.rfind("C:\\", 0) == 0) folders.push_back(folder);
  }
  std::mt19937 random(seed);
  vl::ChangeSet changes;
  for (std::size_t i = 0; i < files; ++i) {
    const std::string& folder = folders[random() % folders.size()];
    std::string name = "burst" + std::to_string(seed) + "_" + std::to_string(i) + ".txt";
    disk.AddFile(folder, name);
    changes.NameChanged(folder, name);
  }
  return changes;
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t lines = argc > 1 ? std::size_t(std::strtoull(argv[1], nullptr, 10)) : 1000000;
  const std::size_t burst = argc > 2 ? std::size_t(std::strtoull(argv[2], nullptr, 10)) : 100000;
  const vl::TextList roots = {"C:\\", "D:\\", "E:\\"};
  std::unique_ptr<vl::bench::CorpusLister> disk;
  {
    vl::bench::PathCorpus corpus(lines + lines / 2);
    disk = std::make_unique<vl::bench::CorpusLister>(corpus.Text(), lines, roots);
  }

  vl::IndexStore store;
  store.Set(std::make_shared<vl::IndexList>(vl::IndexList::FromText(FreshWalk(roots, *disk))));
  vl::TBallArray results;
  vl::bench::NoView view;
  vl::bench::NoClock clock;
  vl::Queries queries(store, results, view, clock, vl::LeadBytes::SingleByte());
  NoProgress progress;
  Gaps gaps;
  vl::LiveIndex live(store, vl::LiveSeams{*disk, progress, [&] { gaps.Pump(); }});

  // A keystroke's query, on a keyword no cache has seen.
  int keystrokes = 0;
  auto query_ms = [&] {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
      const std::string keyword = "report" + std::to_string(keystrokes++ % 7);
      const Clock::time_point start = Clock::now();
      queries.SearchByKeyword(keyword.substr(0, 4 + keystrokes % 3));
      times.push_back(Ms(start, Clock::now()));
    }
    return vl::bench::Median(times);
  };

  auto measure = [&](const char* what) {
    gaps.Start();
    const Clock::time_point start = Clock::now();
    const double start_cpu = ThreadMs();
    live.Update();
    gaps.Pump();
    const double wall = Ms(start, Clock::now());
    const double cpu = ThreadMs() - start_cpu;
    const double query = query_ms();
    std::printf(
        "%-40s %6.0f ms (cpu %6.0f)  worst gap %5.1f ms (cpu %5.1f) + query %5.1f ms"
        " = worst keystroke %5.1f ms (cpu %5.1f)\n",
        what, wall, cpu, gaps.Worst(), gaps.WorstCpu(), query, gaps.Worst() + query,
        gaps.WorstCpu() + query);
  };

  std::printf("index of %zu paths in 3 roots\n", store.Current()->Count());
  live.Follow(roots);
  measure("start-up pass (every root walked again)");
  live.Add(Burst(*disk, burst, 1));
  const std::string named = std::to_string(burst) + " files made in C:\\, every name told";
  measure(named.c_str());
  Burst(*disk, burst, 2);
  vl::ChangeSet lost;
  lost.subtrees.insert("C:\\");
  live.Add(std::move(lost));
  const std::string overflowed = std::to_string(burst) + " more, the watch overflowed";
  measure(overflowed.c_str());
  std::printf("the index (%zu paths) %s a fresh walk\n", store.Current()->Count(),
              store.Current()->FileText() == FreshWalk(roots, *disk) ? "equals" : "DIFFERS FROM");
}
