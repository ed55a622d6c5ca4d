// The index at scale: loading and memory of a ten-million-path index, a rare, a common and a
// one-letter keyword against a read pass, and a user typing "report" then pressing Backspace
// twice, keystroke by keystroke, with the keyword cache and with a full pass every time.
//
//   scale_bench FILE [LINES]
//
// FILE is the generated index file; it is written first when it does not exist (LINES paths,
// ten million by default), so that later runs measure the same bytes without generating them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/corpus.h"
#include "bench/timing.h"
#include "search/byte_scan.h"
#include "search/index_list.h"
#include "search/keyword_cache.h"
#include "search/queries.h"

namespace {

using namespace vl::bench;

bool WriteCorpus(const std::string& path, std::size_t lines) {
  std::printf("generating %zu paths into %s\n", lines, path.c_str());
  vl::bench::PathCorpus corpus(lines);
  std::string partial = path + ".partial";
  std::FILE* f = std::fopen(partial.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(corpus.Text().data(), 1, corpus.Text().size(), f) == corpus.Text().size();
  ok = std::fclose(f) == 0 && ok;
  if (ok) std::filesystem::rename(partial, path);
  return ok;
}

const char* SourceName(vl::KeywordCache::Source source) {
  switch (source) {
    case vl::KeywordCache::Source::kFullPass:
      return "full pass";
    case vl::KeywordCache::Source::kRefined:
      return "refined";
    case vl::KeywordCache::Source::kCached:
      return "cached";
  }
  return "";
}

struct Keystroke {
  const char* keyword;
  const char* key;
};

// One keystroke's medians over the rounds of the typing sequence.
struct KeystrokeTimes {
  std::vector<double> with_cache, full, ratio;
  vl::KeywordCache::Source source = vl::KeywordCache::Source::kFullPass;
  std::size_t searched = 0;
  std::size_t rows = 0;
  std::size_t previous_rows = 0;
};

constexpr int kRounds = 7;

// Each round starts with an empty cache, as after a load, and times every keystroke with the
// cache and as one full pass of the same keyword; the rows must agree.
bool TimeTyping(const vl::IndexList& index, const std::vector<Keystroke>& typing,
                std::size_t& cache_peak, std::size_t& cache_bound) {
  const std::size_t lines = index.Count();
  std::vector<KeystrokeTimes> times(typing.size());
  for (int round = 0; round < kRounds; ++round) {
    vl::KeywordCache cache;
    std::size_t previous_rows = lines;
    for (std::size_t k = 0; k < typing.size(); ++k) {
      auto start = Clock::now();
      vl::ResultLines rows = cache.Find(index, 1, typing[k].keyword);
      auto middle = Clock::now();
      std::vector<std::size_t> full = vl::FindKeyword(index, typing[k].keyword);
      auto end = Clock::now();
      if (full != *rows) {
        std::printf("MISMATCH at \"%s\": %zu vs %zu rows\n", typing[k].keyword, rows->size(),
                    full.size());
        return false;
      }
      KeystrokeTimes& t = times[k];
      t.with_cache.push_back(Ms(start, middle));
      t.full.push_back(Ms(middle, end));
      t.ratio.push_back(t.with_cache.back() / t.full.back());
      t.source = cache.LastSource();
      t.searched = cache.LastSearched();
      t.rows = rows->size();
      t.previous_rows = previous_rows;
      previous_rows = rows->size();
      cache_peak = std::max(cache_peak, cache.MemoryBytes());
      cache_bound = cache.MemoryBound();
    }
  }

  std::printf(
      "\ntyping \"%s\", medians of %d rounds: 'cached ms' = with the keyword cache, "
      "'full ms' = a full\npass every keystroke; 'prev < 1/8' = the previous result is "
      "under an eighth of the index\n",
      typing[typing.size() - 3].keyword, kRounds);
  std::printf("%-6s %-8s %10s %7s %10s %-10s %10s %9s %9s  %s\n", "key", "keyword", "rows", "share",
              "searched", "how", "cached ms", "full ms", "ratio", "target");
  for (std::size_t k = 0; k < typing.size(); ++k) {
    const KeystrokeTimes& t = times[k];
    std::string target = "-";
    if (t.source == vl::KeywordCache::Source::kCached) {
      target = "< 1 ms";
    } else if (k > 0 && std::string_view(typing[k].key) != "Bksp" && 8 * t.previous_rows < lines) {
      target = "prev < 1/8: <= 0.10x";
    }
    std::printf("%-6s %-8s %10zu %6.1f%% %10zu %-10s %10.3f %9.2f %8.3fx  %s\n", typing[k].key,
                typing[k].keyword, t.rows, 100.0 * double(t.rows) / double(lines), t.searched,
                SourceName(t.source), Median(t.with_cache), Median(t.full), Median(t.ratio),
                target.c_str());
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: scale_bench FILE [LINES]\n");
    return 2;
  }
  std::string file = argv[1];
  std::size_t want = argc > 2 ? std::size_t(std::strtoull(argv[2], nullptr, 10)) : 10000000;
  if (!std::filesystem::exists(file) && !WriteCorpus(file, want)) {
    std::fprintf(stderr, "cannot write %s\n", file.c_str());
    return 1;
  }

  Paired load = MedianPaired(
      5, [&] { ReadFile(file); }, [&] { vl::IndexList::FromText(ReadFile(file)); });
  vl::IndexList index = vl::IndexList::FromText(ReadFile(file));
  std::uint64_t sink = 0;
  auto read_pass = [&] { sink += vl::ReadPass(index.Buffer()); };
  std::vector<double> read_times;
  for (int i = 0; i < 9; ++i) {
    auto start = Clock::now();
    read_pass();
    read_times.push_back(Ms(start, Clock::now()));
  }
  double read_ms = Median(read_times);

  const std::size_t lines = index.Count();
  const std::size_t file_size = index.Buffer().size();
  const double extra_per_line = double(index.MemoryBytes() - file_size) / double(lines);
  std::printf("corpus: %zu lines, %zu bytes (%.1f bytes a line)\n", lines, file_size,
              double(file_size) / double(lines));
  std::printf("IndexList memory: %zu bytes = file + %.2f bytes a line (target: file + 8)\n",
              index.MemoryBytes(), extra_per_line);
  std::printf("read pass over the buffer: %.2f ms\n", read_ms);
  std::printf("read file %.1f ms, load (read + split) %.1f ms: load / read file = %.2fx\n\n",
              load.base_ms, load.ms, load.ratio);

  std::printf("%-24s %10s %9s %8s %s\n", "query (paired medians)", "matches", "ms", "x read",
              "target");
  const struct {
    const char* name;
    const char* keyword;
    const char* target;
  } queries[] = {
      {"rare", "quarterly", "<= 1.70x"},
      {"common", "windows", "-"},
      {"one letter", "e", "-"},
  };
  for (const auto& q : queries) {
    std::size_t matches = 0;
    Paired p =
        MedianPaired(11, read_pass, [&] { matches = vl::FindKeyword(index, q.keyword).size(); });
    std::printf("%-24s %10zu %9.2f %7.2fx %s\n",
                (std::string(q.name) + " \"" + q.keyword + "\"").c_str(), matches, p.ms, p.ratio,
                q.target);
  }

  // What searching the earlier rows costs against a full pass, forced whatever their share:
  // the keyword cache refines only below a share where this stays well under 1.
  std::printf("\n%-24s %9s %10s %9s %9s %9s\n", "refining (paired medians)", "share", "rows",
              "among ms", "full ms", "ratio");
  const std::pair<const char*, const char*> refinements[] = {
      {"e", "ep"}, {"re", "rep"}, {"rep", "repo"}, {"windows", "windows\\"}, {"q", "qu"}};
  for (const auto& [earlier, later] : refinements) {
    std::vector<std::size_t> rows = vl::FindKeyword(index, earlier);
    Paired p = MedianPaired(
        7, [&] { vl::FindKeyword(index, later); },
        [&] { vl::FindKeywordAmong(index, later, rows); });
    std::printf("%-24s %8.1f%% %10zu %9.2f %9.2f %8.3fx\n",
                (std::string("\"") + earlier + "\" -> \"" + later + "\"").c_str(),
                100.0 * double(rows.size()) / double(lines), rows.size(), p.ms, p.base_ms, p.ratio);
  }

  std::size_t cache_peak = 0, cache_bound = 0;
  const std::vector<Keystroke> report = {{"r", "r"},        {"re", "e"},     {"rep", "p"},
                                         {"repo", "o"},     {"repor", "r"},  {"report", "t"},
                                         {"repor", "Bksp"}, {"repo", "Bksp"}};
  // A rare word: every keystroke after the first extends a keyword under an eighth of the index.
  const std::vector<Keystroke> quarterly = {
      {"q", "q"},     {"qu", "u"},          {"qua", "a"},      {"quar", "r"},
      {"quart", "t"}, {"quarterly", "..."}, {"quart", "Bksp"}, {"quar", "Bksp"}};
  for (const auto& typing : {report, quarterly}) {
    if (!TimeTyping(index, typing, cache_peak, cache_bound)) return 1;
  }
  std::printf(
      "\nkeyword cache: peak %zu bytes = %.2f%% of the index's memory (bound %zu bytes = "
      "10%%)\n",
      cache_peak, 100.0 * double(cache_peak) / double(index.MemoryBytes()), cache_bound);
  return sink == 1 ? 1 : 0;
}
