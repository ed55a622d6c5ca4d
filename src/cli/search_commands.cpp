#include "cli/search_commands.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "search/index_commands.h"
#include "search/index_list.h"
#include "search/queries.h"
#include "search/result_rows.h"

namespace vl::cli {
namespace {

constexpr std::string_view kEol = "\r\n";
constexpr int kBenchRuns = 15;

// The console has no progress bar; the roots are reported as they start instead.
class SilentProgress : public IndexProgress {
 public:
  void SetTotalParts(int) override {}
  void SetPartsComplete(int) override {}
};

class LabelView : public ResultView {
 public:
  std::string label;
  void SetRowCount(std::size_t) override {}
  void SetResultLabel(std::string_view text) override { label = text; }
};

// One query's rows and label over an index file.
struct QueryRun {
  IndexStore store;
  TBallArray results;
  LabelView view;
  Queries queries;

  QueryRun(Context& context, const std::string& index_file)
      : queries(store, results, view, context.clock, context.lead) {
    store.Set(LoadIndexList(context.files, index_file));
  }
};

void PrintRows(const TBallArray& results, std::ostream& out) {
  for (std::size_t row = 0; row < results.Count(); ++row) out << results.Path(row) << kEol;
}

template <typename Fn>
double Milliseconds(Fn&& fn) {
  const auto start = std::chrono::steady_clock::now();
  fn();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

template <typename Fn>
double MedianMilliseconds(Fn&& fn) {
  std::vector<double> times;
  for (int run = 0; run < kBenchRuns; ++run) times.push_back(Milliseconds(fn));
  std::nth_element(times.begin(), times.begin() + kBenchRuns / 2, times.end());
  return times[kBenchRuns / 2];
}

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace

int IndexCommand(Args args, Context& context) {
  SilentProgress progress;
  auto report = [&](std::size_t i, std::size_t n, const std::string& root) {
    context.err << "root " << i + 1 << "/" << n << ": " << root << kEol;
  };
  IndexSeams seams{context.files, context.lister, progress, {}, report, {}};
  IndexStore store;
  // The index being replaced gives its entries to the roots that cannot be read.
  if (context.files.FileExists(args[1])) store.Set(LoadIndexList(context.files, args[1]));
  RebuildProblems problems;
  if (RebuildIndex(store, args[0], args[1], seams, {}, &problems) == RebuildOutcome::kNoRootList) {
    context.err << "The root list \"" << args[0] << "\" does not exist" << kEol;
    return kFailed;
  }
  std::string text = ProblemsText(problems);
  if (!text.empty()) context.err << text << kEol;
  return problems.unread_roots.empty() ? kOk : kFailed;
}

int SearchCommand(Args args, Context& context) {
  QueryRun run(context, args[0]);
  run.queries.SearchByKeyword(Trim(args[1]));
  PrintRows(run.results, context.out);
  context.err << run.view.label << kEol;
  return kOk;
}

int CategoryCommand(Args args, Context& context) {
  QueryRun run(context, args[0]);
  run.queries.SearchByExtensions(args[1], args[2]);
  PrintRows(run.results, context.out);
  context.err << run.view.label << kEol;
  return kOk;
}

namespace {

constexpr std::pair<std::string_view, SortColumn> kSortColumns[] = {{"name", SortColumn::kName},
                                                                    {"folder", SortColumn::kFolder},
                                                                    {"type", SortColumn::kType},
                                                                    {"size", SortColumn::kSize}};

std::optional<SortColumn> SortColumnNamed(std::string_view name) {
  for (const auto& [column_name, column] : kSortColumns) {
    if (column_name == name) return column;
  }
  return std::nullopt;
}

}  // namespace

int RowsCommand(Args args, Context& context) {
  std::optional<SortColumn> column = SortColumn::kIndex;
  if (args.size() == 3 || (args.size() == 4 && args[2] != "--sort")) column = std::nullopt;
  if (args.size() == 4 && column) column = SortColumnNamed(args[3]);
  if (!column) {
    context.err << "usage: vorlisk-cli rows " << kRowsUsage << kEol;
    return kUsage;
  }
  QueryRun run(context, args[0]);
  // The console looks every row's size up anyway, so a size sort has no limit here.
  run.queries.SetSizeLookup(context.file_size, std::numeric_limits<std::size_t>::max());
  run.queries.SetOrder({*column, false});
  run.queries.SearchByKeyword(Trim(args[1]));
  for (std::size_t row = 0; row < run.results.Count(); ++row) {
    std::string path(run.results.Path(row));
    ResultColumns c =
        MakeResultColumns(path, context.lead, context.decimal_separator, context.file_size(path));
    context.out << c.file_name << '\t' << c.file_path << '\t' << c.file_type << '\t' << c.file_size
                << kEol;
  }
  context.err << run.view.label << kEol;
  return kOk;
}

int BenchCommand(Args args, Context& context) {
  // The load is timed once, the way a start meets it (the file read first, then the load into
  // fresh memory), against reading the file in 1 MB pieces.
  std::string piece(std::size_t(1) << 20, '\0');
  const double file_ms = Milliseconds([&] {
    auto reader = context.files.OpenPieces(args[0]);
    while (reader->Read(piece.data(), piece.size()) != 0) {
    }
  });
  std::shared_ptr<IndexList> index;
  const double load_ms = Milliseconds([&] { index = LoadIndexList(context.files, args[0]); });
  std::uint64_t sink = 0;
  double read_ms = MedianMilliseconds([&] { sink += ReadPass(*index); });
  context.out << "lines " << index->Count() << ", folders " << index->FolderCount() << ", memory "
              << index->MemoryBytes() << " bytes, median of " << kBenchRuns << " runs" << kEol;
  context.out << "load " << Fixed(load_ms, 1) << " ms, reading the file in 1 MB pieces "
              << Fixed(file_ms, 1) << " ms" << kEol;
  context.out << "query\tmatches\tms\tx read pass" << kEol;
  context.out << "(read pass)\t-\t" << Fixed(read_ms, 3) << "\t1.00" << kEol;
  ScanScratch scratch;
  Rows rows;
  for (const std::string& raw : args.subspan(1)) {
    std::string_view keyword = Trim(raw);
    double ms = MedianMilliseconds([&] { FindKeyword(*index, keyword, rows, scratch); });
    context.out << keyword << '\t' << rows.size() << '\t' << Fixed(ms, 3) << '\t'
                << Fixed(ms / read_ms, 2) << kEol;
  }
  // Keeps the read pass from being optimised away.
  if (sink == 1) context.err << kEol;
  return kOk;
}

}  // namespace vl::cli
