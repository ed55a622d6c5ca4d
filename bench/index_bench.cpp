// Loading and querying the index against the memory floor (one read pass over the buffer), the
// plain implementation (a vector of strings, a lower-cased copy of each line, find) and
// grep -F -i, on a generated corpus of a million paths written to a temporary index file.
//
//   index_bench [LINES]
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
#include "search/path_ops.h"
#include "search/queries.h"
#include "search/text_list.h"

namespace {

using namespace vl::bench;

double MedianMs(int runs, const std::function<void()>& fn) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    auto start = Clock::now();
    fn();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return Median(times);
}

std::vector<std::size_t> ReferenceKeyword(const std::vector<std::string>& lines,
                                          const std::string& keyword) {
  std::vector<std::size_t> hits;
  std::string folded = vl::LowerCase(keyword);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string lower = lines[i];
    for (char& c : lower) {
      if (c >= 'A' && c <= 'Z') c = char(c + 32);
    }
    if (lower.find(folded) != std::string::npos) hits.push_back(i);
  }
  return hits;
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
  return MedianMs(5, [&] {
    if (std::system(command.c_str()) == -1) std::abort();
  });
}

std::string Fixed(double v, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

void Row(const std::string& name, const std::string& matches, const Paired& p, double ref_ms,
         double grep_ms) {
  auto ratio = [&](double other) { return other > 0 ? Fixed(other / p.ms, 1) + "x" : "-"; };
  std::printf("%-28s %9s %9s %8s %10s %9s %9s %9s\n", name.c_str(), matches.c_str(),
              Fixed(p.ms, 2).c_str(), (Fixed(p.ratio, 2) + "x").c_str(),
              ref_ms > 0 ? Fixed(ref_ms, 1).c_str() : "-", ratio(ref_ms).c_str(),
              grep_ms > 0 ? Fixed(grep_ms, 1).c_str() : "-", ratio(grep_ms).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t lines = argc > 1 ? std::size_t(std::strtoull(argv[1], nullptr, 10)) : 1000000;
  vl::bench::PathCorpus corpus(lines);
  std::string file =
      (std::filesystem::temp_directory_path() / ("vl-bench-" + std::to_string(lines) + ".vl"))
          .string();
  {
    const std::string& text = corpus.Text();
    std::FILE* f = std::fopen(file.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }

  Paired load = MedianPaired(
      9, [&] { ReadFile(file); }, [&] { vl::IndexList::FromText(ReadFile(file)); });
  vl::IndexList index = vl::IndexList::FromText(ReadFile(file));
  std::uint64_t sink = 0;
  auto read_pass = [&] { sink += vl::ReadPass(index.Buffer()); };
  double read_ms = MedianMs(15, read_pass);
  std::vector<std::string> reference_lines = vl::SplitTextList(ReadFile(file));

  std::size_t file_size = index.Buffer().size();
  std::printf("corpus: %zu lines, %zu bytes (%.1f bytes a line), file %s\n", index.Count(),
              file_size, double(file_size) / double(index.Count()), file.c_str());
  std::printf("IndexList memory: %zu bytes = file + %.2f bytes a line (limit: file + 8)\n",
              index.MemoryBytes(), double(index.MemoryBytes() - file_size) / double(index.Count()));
  std::printf("read pass over the buffer (the memory floor): %.2f ms\n", read_ms);
  std::printf("read file %.2f ms, load (read + split) %.2f ms: load / read file = %.2fx\n\n",
              load.base_ms, load.ms, load.ratio);
  std::printf(
      "medians; 'x read' = time / read pass, paired run by run; 'ref/us' and 'grep/us' "
      "= their time / ours\n");
  std::printf("%-28s %9s %9s %8s %10s %9s %9s %9s\n", "query", "matches", "ms", "x read", "ref ms",
              "ref/us", "grep ms", "grep/us");

  const std::pair<const char*, std::string> keywords[] = {
      {"rare word", "quarterly"},
      {"common word", "windows"},
      {"one letter", "e"},
      {"no match", "zqxjv"},
      {"20-char phrase, rare", "invoice_quarterly.pd"},
      {"20-char phrase, common", "program files\\common"},
  };
  for (const auto& [name, keyword] : keywords) {
    std::size_t matches = 0;
    Paired p =
        MedianPaired(21, read_pass, [&] { matches = vl::FindKeyword(index, keyword).size(); });
    std::size_t ref_matches = 0;
    double ref_ms =
        MedianMs(5, [&] { ref_matches = ReferenceKeyword(reference_lines, keyword).size(); });
    if (ref_matches != matches) {
      std::printf("MISMATCH %s: %zu vs %zu\n", name, matches, ref_matches);
    }
    Row(std::string(name) + " \"" + keyword + "\"", std::to_string(matches), p, ref_ms,
        GrepMs(keyword, file));
  }
  for (const auto& [name, lead] :
       {std::pair("category \".mp3\" \".wma\"", vl::LeadBytes::SingleByte()),
        std::pair("  the same, code page 936", vl::LeadBytes::CodePage936())}) {
    std::size_t category = 0;
    Paired p = MedianPaired(
        21, read_pass, [&] { category = vl::FindExtensions(index, ".mp3", ".wma", lead).size(); });
    Row(name, std::to_string(category), p, 0, 0);
  }

  std::filesystem::remove(file);
  std::filesystem::remove(file + ".count");
  return sink == 1 ? 1 : 0;
}
