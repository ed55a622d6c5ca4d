// The index at scale, stored by folder, side by side with the flat buffer it replaced (kept in
// flat_index.h as the reference loop): load and memory, read passes of both layouts, every class
// of keyword on one thread and on all of them against the flat scan and grep -F -i, what refining
// an earlier result costs against a full pass, and a user typing "report" and "quarterly" with
// Backspace, keystroke by keystroke. It ends with the table of targets. Ratios are paired run by
// run, so that the load of a shared machine falls on both sides.
//
//   scale_bench FILE [LINES]
//
// FILE is an index file, as bench/make_corpus writes it from the real tree's copies
// (real_tree.h); LINES (ten million by default) chooses how many rounds the measurements take.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "bench/disk_files.h"
#include "bench/flat_index.h"
#include "bench/null_seams.h"
#include "bench/timing.h"
#include "search/byte_scan.h"
#include "search/index_list.h"
#include "search/keyword_cache.h"
#include "search/queries.h"
#include "search/queries_scan.h"

namespace {

using namespace vl::bench;

double MedianMs(int runs, const std::function<void()>& fn) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    auto start = Clock::now();
    fn();
    times.push_back(Ms(start, Clock::now()));
  }
  return Median(times);
}

std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// grep's count goes to a file: with its output on /dev/null grep stops at the first match.
double GrepMs(const std::string& keyword, const std::string& file) {
  std::string command = "LC_ALL=C grep -F -i -c -- " + ShellQuote(keyword) + " " +
                        ShellQuote(file) + " >" + ShellQuote(file + ".count");
  double ms = MedianMs(3, [&] {
    if (std::system(command.c_str()) == -1) std::abort();
  });
  std::filesystem::remove(file + ".count");
  return ms;
}

std::uint64_t ParallelReadPass(const vl::IndexList& index, unsigned parts) {
  std::vector<std::string_view> blocks;
  for (const vl::TextBlocks* texts : {&index.Folders(), &index.Names()}) {
    for (const auto& block : texts->Blocks()) blocks.push_back(block.Bytes());
  }
  std::vector<std::uint64_t> sums(parts);
  vl::ForkJoin(parts, parts, [&](unsigned p) {
    for (std::size_t b = blocks.size() * p / parts; b < blocks.size() * (p + 1) / parts; ++b) {
      sums[p] += vl::ReadPass(blocks[b]);
    }
  });
  std::uint64_t sum = 0;
  for (std::uint64_t s : sums) sum += s;
  return sum;
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

constexpr int kRounds = 7;

// Each round starts with an empty keyword cache, as after a load, and times every keystroke as
// the main window runs it (the keyword query with its cache, all threads) and as one full pass
// of the same keyword; the rows must agree. Returns the slowest keystroke's median through the
// query, or a negative number on a mismatch.
double TimeTyping(const std::shared_ptr<vl::IndexList>& index, const std::vector<Keystroke>& typing,
                  std::size_t& cache_peak) {
  struct Times {
    std::vector<double> cached, full;
    vl::KeywordCache::Source source = vl::KeywordCache::Source::kFullPass;
    std::size_t searched = 0, rows = 0;
  };
  std::vector<Times> times(typing.size());
  vl::IndexStore store;
  vl::TBallArray results;
  NoView view;
  NoClock clock;
  vl::Queries queries(store, results, view, clock, vl::LeadBytes::SingleByte());
  const vl::KeywordCache& cache = queries.Keywords();
  vl::ScanScratch scratch;
  vl::Rows full;
  for (int round = 0; round < kRounds; ++round) {
    store.Set(index);
    for (std::size_t k = 0; k < typing.size(); ++k) {
      auto start = Clock::now();
      queries.SearchByKeyword(typing[k].keyword);
      auto middle = Clock::now();
      vl::FindKeyword(*index, typing[k].keyword, full, scratch);
      auto end = Clock::now();
      const vl::Rows none;
      const vl::Rows& rows = results.Lines() ? *results.Lines() : none;
      if (full != rows) {
        std::printf("MISMATCH at \"%s\": %zu vs %zu rows\n", typing[k].keyword, rows.size(),
                    full.size());
        return -1;
      }
      Times& t = times[k];
      t.cached.push_back(Ms(start, middle));
      t.full.push_back(Ms(middle, end));
      t.source = cache.LastSource();
      t.searched = cache.LastSearched();
      t.rows = rows.size();
      cache_peak = std::max(cache_peak, cache.MemoryBytes());
    }
  }
  std::printf(
      "\ntyping \"%s\", all threads, medians of %d rounds: 'query ms' the keyword query "
      "with its cache, 'full ms' a full pass\n",
      typing[typing.size() - 3].keyword, kRounds);
  std::printf("%-6s %-10s %10s %7s %10s %-10s %10s %9s\n", "key", "keyword", "rows", "share",
              "searched", "how", "query ms", "full ms");
  double slowest = 0;
  for (std::size_t k = 0; k < typing.size(); ++k) {
    const Times& t = times[k];
    slowest = std::max(slowest, Median(t.cached));
    std::printf("%-6s %-10s %10zu %6.1f%% %10zu %-10s %10.3f %9.2f\n", typing[k].key,
                typing[k].keyword, t.rows, 100.0 * double(t.rows) / double(index->Count()),
                t.searched, SourceName(t.source), Median(t.cached), Median(t.full));
  }
  return slowest;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: scale_bench FILE [LINES]\n");
    return 2;
  }
  std::string file = argv[1];
  std::size_t want = argc > 2 ? std::size_t(std::strtoull(argv[2], nullptr, 10)) : 10000000;
  if (!std::filesystem::exists(file)) {
    std::fprintf(stderr, "no index file %s (bench/make_corpus writes one)\n", file.c_str());
    return 1;
  }
  const unsigned cores = vl::CoreCount();
  const int load_runs = want >= 5000000 ? 3 : 7;
  const int runs = want >= 5000000 ? 7 : 15;

  // Loading: the old flat load, the load on one thread and on all of them, each paired with
  // reading the file in 1 MB pieces.
  DiskFiles files;
  std::string piece(DiskFiles::kPiece, '\0');
  auto read_pieces = [&] {
    auto reader = files.OpenPieces(file);
    while (reader->Read(piece.data(), piece.size()) != 0) {
    }
  };
  auto load_on = [&](unsigned threads) {
    vl::IndexLoader loader;
    loader.ReadAll(*files.OpenPieces(file), threads);
    loader.Finish();
  };
  Paired flat_load =
      MedianPaired(load_runs, read_pieces, [&] { FlatIndex::FromText(ReadFile(file)); });
  Paired load1 = MedianPaired(load_runs, read_pieces, [&] { load_on(1); });
  Paired load = MedianPaired(load_runs, read_pieces, [&] { vl::LoadIndexList(files, file); });
  const FlatIndex flat = FlatIndex::FromText(ReadFile(file));
  const std::shared_ptr<vl::IndexList> loaded = vl::LoadIndexList(files, file);
  const vl::IndexList& index = *loaded;

  const std::size_t lines = index.Count();
  const double file_size = double(flat.Buffer().size());
  std::size_t folder_bytes = 0, name_bytes = 0;
  for (const auto& block : index.Folders().Blocks()) folder_bytes += block.bytes.size();
  for (const auto& block : index.Names().Blocks()) name_bytes += block.bytes.size();
  std::printf(
      "corpus: %zu paths, %.0f bytes (%.1f a path), %zu distinct folders, %zu runs, "
      "%u threads\n",
      lines, file_size, file_size / double(lines), index.FolderCount(), index.Runs().size(), cores);
  std::printf("stored text: folders %.1f MB + names %.1f MB = %.1f MB (%.3fx the file)\n",
              double(folder_bytes) / 1e6, double(name_bytes) / 1e6,
              double(folder_bytes + name_bytes) / 1e6,
              double(folder_bytes + name_bytes) / file_size);
  const double flat_memory = double(flat.MemoryBytes()) / file_size;
  const double memory = double(index.MemoryBytes()) / file_size;
  std::printf(
      "memory: flat %.1f MB = %.3fx the file; by folder %.1f MB = %.3fx the file "
      "(%.1f bytes a path)\n",
      double(flat.MemoryBytes()) / 1e6, flat_memory, double(index.MemoryBytes()) / 1e6, memory,
      double(index.MemoryBytes()) / double(lines));
  std::printf(
      "load: read the file in 1 MB pieces %.1f ms; flat load %.1f ms = %.2fx; by folder, "
      "1 thread %.1f ms = %.2fx, all threads %.1f ms = %.2fx the read\n",
      load.base_ms, flat_load.ms, flat_load.ratio, load1.ms, load1.ratio, load.ms, load.ratio);
  // What no load can go below: a program starts with none of the index's memory, and writing
  // into fresh memory for the first time costs the system a page fault a page.
  std::atomic<int> touched_sink{0};
  auto first_touch = [&](unsigned threads) {
    const std::size_t share = index.MemoryBytes() / threads;
    std::vector<std::thread> touching;
    for (unsigned t = 0; t < threads; ++t) {
      touching.emplace_back([share, &sink = touched_sink] {
        auto* bytes = static_cast<volatile char*>(std::malloc(share));
        for (std::size_t at = 0; at < share; at += 4096) bytes[at] = char(at);
        sink += bytes[share / 2];
        std::free(const_cast<char*>(bytes));
      });
    }
    for (auto& thread : touching) thread.join();
  };
  Paired touch1 = MedianPaired(load_runs, read_pieces, [&] { first_touch(1); });
  Paired touch = MedianPaired(load_runs, read_pieces, [&] { first_touch(cores); });
  std::printf(
      "first writes into as much fresh memory as the index holds: 1 thread %.1f ms = %.2fx, "
      "all threads %.1f ms = %.2fx the read\n\n",
      touch1.ms, touch1.ratio, touch.ms, touch.ratio);

  std::uint64_t sink = 0;
  auto flat_read = [&] { sink += vl::ReadPass(flat.Buffer()); };
  Paired read1 = MedianPaired(runs, flat_read, [&] { sink += vl::ReadPass(index); });
  Paired read_all = MedianPaired(runs, flat_read, [&] { sink += ParallelReadPass(index, cores); });
  std::printf(
      "read pass: flat buffer, 1 thread %.2f ms; by folder, 1 thread %.2f ms = %.3fx; "
      "all threads %.2f ms = %.3fx\n\n",
      read1.base_ms, read1.ms, read1.ratio, read_all.ms, read_all.ratio);

  // Every class of keyword. 'x old read' is the one-thread time over the flat read pass, 'x today'
  // the all-threads time over the flat scan, both paired; grep reads the file.
  std::printf("%-32s %9s %9s %9s %10s %9s %8s %9s\n", "keyword (medians)", "matches", "today ms",
              "1 thr ms", "x old read", "all ms", "x today", "grep ms");
  const std::pair<const char*, const char*> keywords[] = {
      {"rare", "quarterly"}, {"rare, 20 chars", "invoice_quarterly.pd"},
      {"common", "windows"}, {"common, 20 chars", "program files\\common"},
      {"two letters", "re"}, {"one letter", "e"},
      {"no match", "zqxjv"}, {"with \\", "system32\\drivers"},
  };
  vl::ScanScratch one;
  one.max_parts = 1;
  vl::ScanScratch all;
  vl::Rows rows;
  double rare_ratio = 0, today_rare_ratio = 0, worst_today = 0, rare_ms = 0, letter_ms = 0;
  std::size_t letter_rows = 0;
  for (const auto& [name, keyword] : keywords) {
    std::vector<std::size_t> today_rows;
    Paired p1 = MedianPaired(runs, flat_read, [&] { vl::FindKeyword(index, keyword, rows, one); });
    Paired pa = MedianPaired(
        runs, [&] { today_rows = FlatFindKeyword(flat, keyword); },
        [&] { vl::FindKeyword(index, keyword, rows, all); });
    if (!std::equal(rows.begin(), rows.end(), today_rows.begin(), today_rows.end())) {
      std::printf("MISMATCH %s: %zu vs %zu rows\n", keyword, rows.size(), today_rows.size());
      return 1;
    }
    std::printf("%-32s %9zu %9.2f %9.2f %9.3fx %9.2f %7.3fx %9.1f\n",
                (std::string(name) + " \"" + keyword + "\"").c_str(), rows.size(), pa.base_ms,
                p1.ms, p1.ratio, pa.ms, pa.ratio, GrepMs(keyword, file));
    worst_today = std::max(worst_today, pa.ratio);
    if (std::string_view(keyword) == "quarterly") {
      rare_ratio = p1.ratio;
      rare_ms = pa.ms;
      today_rare_ratio =
          MedianPaired(runs, flat_read, [&] { FlatFindKeyword(flat, keyword); }).ratio;
    }
    if (std::string_view(keyword) == "e") {
      letter_ms = pa.ms;
      letter_rows = rows.size();
    }
  }
  // A keyword holding more than ASCII is folded by the Unicode table on both sides; the plain
  // scan folds ASCII only, so there is no "today" to pair it with. Beside the rare keyword.
  for (const std::string keyword : {"\xC3\xBC"
                                    "ber",
                                    "caf\xC3\xA9", "\xD0\xBA\xD0\xB8\xD1\x80"}) {
    Paired p1 = MedianPaired(runs, flat_read, [&] { vl::FindKeyword(index, keyword, rows, one); });
    const double all_ms = MedianMs(runs, [&] { vl::FindKeyword(index, keyword, rows, all); });
    std::printf("%-32s %9zu %9s %9.2f %9.3fx %9.2f %8.2fx %9.1f\n",
                ("non-ASCII \"" + keyword + "\"").c_str(), rows.size(), "-", p1.ms, p1.ratio,
                all_ms, all_ms / rare_ms, GrepMs(keyword, file));
  }
  std::printf("(non-ASCII: the last ratio is over the rare keyword's all-threads time)\n");

  // The rows written into room that an earlier result left, as the query writes a large result.
  vl::Rows written;
  double write_rows_ms = MedianMs(runs, [&] {
    written.resize(letter_rows);
    for (std::size_t i = 0; i < letter_rows; ++i) written[i] = std::uint32_t(i);
    sink += written.back();
    written.clear();
  });
  std::printf(
      "one letter %.2f ms against the rare keyword %.2f ms + writing its %zu rows %.2f ms "
      "= %.2f ms\n",
      letter_ms, rare_ms, letter_rows, write_rows_ms, rare_ms + write_rows_ms);
  for (const auto& [name, lead] :
       {std::pair("category \".mp3\" \".wma\"", vl::LeadBytes::SingleByte()),
        std::pair("  the same, code page 936", vl::LeadBytes::CodePage936())}) {
    Paired p1 = MedianPaired(runs, flat_read,
                             [&] { vl::FindExtensions(index, ".mp3", ".wma", lead, rows, one); });
    double all_ms =
        MedianMs(runs, [&] { vl::FindExtensions(index, ".mp3", ".wma", lead, rows, all); });
    std::printf("%-32s %9zu %9s %9.2f %9.3fx %9.2f\n", name, rows.size(), "-", p1.ms, p1.ratio,
                all_ms);
  }

  // What searching the earlier rows costs against a full pass, both on all threads, forced
  // whatever their share: the keyword cache refines only below the share where this stays
  // under 1.
  std::printf("\n%-28s %9s %10s %9s %9s %9s\n", "refining (paired medians)", "share", "rows",
              "among ms", "full ms", "ratio");
  const std::pair<const char*, const char*> refinements[] = {
      {"e", "ep"},           {"re", "rep"},   {"windows", "windows\\"}, {"rep", "repo"},
      {"setup", "setup."},   {"dll", "dll."}, {"holiday", "holiday."},  {"budget", "budget."},
      {"albums", "albums1"}, {"q", "qu"}};
  for (const auto& [earlier, later] : refinements) {
    vl::Rows source = vl::FindKeyword(index, earlier);
    Paired p = MedianPaired(
        runs, [&] { vl::FindKeyword(index, later, rows, all); },
        [&] { vl::FindKeywordAmong(index, later, source, rows, all); });
    std::printf("%-28s %8.1f%% %10zu %9.2f %9.2f %8.3fx\n",
                (std::string("\"") + earlier + "\" -> \"" + later + "\"").c_str(),
                100.0 * double(source.size()) / double(lines), source.size(), p.ms, p.base_ms,
                p.ratio);
  }

  std::size_t cache_peak = 0;
  const std::vector<Keystroke> report = {{"r", "r"},        {"re", "e"},     {"rep", "p"},
                                         {"repo", "o"},     {"repor", "r"},  {"report", "t"},
                                         {"repor", "Bksp"}, {"repo", "Bksp"}};
  const std::vector<Keystroke> quarterly = {
      {"q", "q"},     {"qu", "u"},          {"qua", "a"},      {"quar", "r"},
      {"quart", "t"}, {"quarterly", "..."}, {"quart", "Bksp"}, {"quar", "Bksp"}};
  const double slowest = TimeTyping(loaded, report, cache_peak);
  if (slowest < 0 || TimeTyping(loaded, quarterly, cache_peak) < 0) return 1;
  double today_slowest = 0;
  for (const char* keyword : {"r", "re", "rep"}) {
    today_slowest =
        std::max(today_slowest, MedianMs(runs, [&] { FlatFindKeyword(flat, keyword); }));
  }
  std::printf("\nkeyword cache: peak %zu bytes = %.2f%% of the index's memory (bound 10%%)\n",
              cache_peak, 100.0 * double(cache_peak) / double(index.MemoryBytes()));

  std::printf("\ntargets at %zu paths                                   today     now  target\n",
              lines);
  std::printf("index memory / index file size                       %7.3f %7.3f  <= 0.25\n",
              flat_memory, memory);
  std::printf("rare keyword, time / old flat read pass (1 thread)    %7.3f %7.3f  <= 0.25\n",
              today_rare_ratio, rare_ratio);
  std::printf("every keyword class, time / today's scan, all thr.   %7.3f %7.3f  <= 0.15\n", 1.0,
              worst_today);
  std::printf("typing r..report, slowest keystroke, all threads     %5.0fms %5.1fms  <= 30 ms\n",
              today_slowest, slowest);
  std::printf("load of the index file, time / reading in 1 MB pieces %6.3f %7.3f  <= 1.5\n",
              flat_load.ratio, load.ratio);
  return sink == 1 ? 1 : 0;
}
