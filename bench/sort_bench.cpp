// Sorting results by a column at scale: what preparing the name and folder orders of an index
// costs (time, against the load of the index, and memory, against the index's own), and then
// how long putting the rows of a few keywords in each column's order takes, with the prepared
// orders and without them. Times are processor milliseconds (the load of the index too, which
// splits its work across the cores), and the preparation's wall time beside its own, as it
// splits its slices across the cores too.
//
//   sort_bench FILE [KEYWORD...]
//
// FILE is an index file (scripts/bench makes the generated corpora); the keywords default to
// "e" (nearly every path), "report" and "quarterly".
#include <cstdio>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "bench/disk_files.h"
#include "bench/timing.h"
#include "search/queries_scan.h"
#include "search/result_order.h"

namespace {

using namespace vl::bench;

// The processor time of the process: on a machine shared with other builds the wall clock
// mostly measures the others, while every sort here runs on one thread.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double MedianWallMs(int runs, const std::function<void()>& fn) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    fn();
    times.push_back(Ms(start, Clock::now()));
  }
  return Median(times);
}

double MedianMs(int runs, const std::function<void()>& fn) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = CpuMs();
    fn();
    times.push_back(CpuMs() - start);
  }
  return Median(times);
}

constexpr const char* kColumns[] = {"name", "folder", "type"};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: sort_bench FILE [KEYWORD...]\n");
    return 2;
  }
  const std::string file = argv[1];
  std::vector<std::string> keywords(argv + 2, argv + argc);
  if (keywords.empty()) keywords = {"e", "report", "quarterly"};
  const unsigned threads =
      std::max(1u, std::min(std::thread::hardware_concurrency(), vl::kMaxParts));

  DiskFiles files;
  double start = CpuMs();
  const std::shared_ptr<vl::IndexList> loaded = vl::LoadIndexList(files, file);
  const double load_ms = CpuMs() - start;
  const vl::IndexList& index = *loaded;
  std::printf("index: %zu paths, %zu folders, %.1f MB; load %.0f ms; %u threads\n", index.Count(),
              index.FolderCount(), double(index.MemoryBytes()) / 1e6, load_ms, threads);

  start = CpuMs();
  const auto wall_start = Clock::now();
  const vl::PreparedOrders prepared = vl::PreparedOrders::Of(index, vl::LeadBytes());
  const double prepare_ms = CpuMs() - start;
  const double prepare_wall_ms = Ms(wall_start, Clock::now());
  start = CpuMs();
  const vl::FolderRanks folders = vl::FolderRanks::Of(index, vl::LeadBytes());
  const double folders_ms = CpuMs() - start;
  std::printf(
      "prepared orders: %.0f ms (%.0f ms wall; %.2fx the load; folder ranks alone %.0f ms), "
      "%.1f MB (%.3fx the index; %.2f bytes a path)\n\n",
      prepare_ms, prepare_wall_ms, prepare_ms / load_ms, folders_ms,
      double(prepared.MemoryBytes()) / 1e6,
      double(prepared.MemoryBytes()) / double(index.MemoryBytes()),
      double(prepared.MemoryBytes()) / double(index.Count()));

  // The window sorts into the vector of the sort before, whose memory it keeps; 'first' is a
  // sort into a fresh vector, as the first sort after the start is.
  std::printf(
      "keyword\trows\tcolumn\tfirst (wall)\tprepared ms\t(wall)\tdescending ms\t"
      "unprepared ms\n");
  for (const std::string& keyword : keywords) {
    const vl::Rows rows = vl::FindKeyword(index, keyword);
    for (int column = 0; column < 3; ++column) {
      vl::SortContext context;
      context.prepared = &prepared;
      vl::Rows out;
      auto sort_once = [&](bool descending) {
        vl::SortedPositions(index, &rows, {vl::SortColumn(column), descending}, context, out);
      };
      const double first = MedianWallMs(1, [&] {
        vl::Rows fresh;
        vl::SortedPositions(index, &rows, {vl::SortColumn(column), false}, context, fresh);
      });
      auto sort = [&](bool descending) { return MedianMs(5, [&] { sort_once(descending); }); };
      const double up = sort(false);
      const double up_wall = MedianWallMs(5, [&] { sort_once(false); });
      const double down = sort(true);
      context.prepared = nullptr;
      const double bare = sort(false);
      std::printf("%s\t%zu\t%s\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\n", keyword.c_str(), rows.size(),
                  kColumns[column], first, up, up_wall, down, bare);
    }
  }
  return 0;
}
