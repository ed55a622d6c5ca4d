#include "search/queries_fold.h"

#include <string>

#include "search/case_fold.h"

namespace vl {
namespace {

constexpr std::size_t kNone = std::string_view::npos;
constexpr std::size_t kMinRunsPerPart = std::size_t(1) << 12;

// What a folder gives the names of its runs.
struct FolderTest {
  bool holds = false;           // the folder holds the keyword: every entry matches
  bool ends_with_head = false;  // the folder ends with the keyword up to its last "\"
};

// What a keyword asks of folders and names; buffer is scratch room for folded text.
class FoldedPlan {
 public:
  explicit FoldedPlan(std::string_view keyword)
      : keyword_(FoldText(keyword)),
        matches_nothing_(keyword.empty() ||
                         keyword.find_first_of(std::string_view("\r\n\0", 3)) != kNone) {
    needs_non_ascii_ = !IsAscii(keyword_);
    const std::size_t cut = keyword_.rfind('\\');
    if (cut == kNone) return;
    head_ = keyword_.substr(0, cut + 1);
    tail_ = keyword_.substr(cut + 1);
  }

  bool MatchesNothing() const { return matches_nothing_; }
  // The keyword folds to a text with a character past ASCII, which no path of ASCII alone
  // holds, since ASCII folds to ASCII. (Some keywords fold to ASCII: "K", the Kelvin sign, is
  // "k".) Nearly every path on a disk is ASCII, so most runs are passed over without a fold.
  bool NeedsNonAscii() const { return needs_non_ascii_; }
  // A keyword without "\" never spans the join of folder and name; one with "\" only does.
  bool ReadsNames(const FolderTest& folder) const {
    return !folder.holds && (head_.empty() || (folder.ends_with_head && !tail_.empty()));
  }

  FolderTest TestFolder(std::string_view folder, std::string& buffer) const {
    Fold(folder, buffer);
    const std::string_view folded = buffer;
    return {folded.find(keyword_) != kNone,
            !head_.empty() && folded.size() >= head_.size() &&
                folded.substr(folded.size() - head_.size()) == head_};
  }

  bool TestName(std::string_view name, std::string& buffer) const {
    Fold(name, buffer);
    if (head_.empty()) return buffer.find(keyword_) != kNone;
    return std::string_view(buffer).substr(0, tail_.size()) == tail_;
  }

 private:
  static void Fold(std::string_view text, std::string& buffer) {
    buffer.clear();
    AppendFolded(text, buffer);
  }

  std::string keyword_;
  bool matches_nothing_;
  bool needs_non_ascii_ = false;
  std::string head_;
  std::string tail_;
};

// The names of run r, one after another with what separates them: a run's names lie together
// in one block.
std::string_view NamesOf(const IndexList& index, std::size_t r) {
  if (index.RunEnd(r) == index.Runs()[r].first) return {};
  const std::string_view first = index.Name(index.Runs()[r].first);
  const std::string_view last = index.Name(index.RunEnd(r) - 1);
  return {first.data(), std::size_t(last.data() + last.size() - first.data())};
}

void ScanRuns(const IndexList& index, const FoldedPlan& plan, std::size_t r0, std::size_t r1,
              Rows& rows) {
  std::string buffer;
  const auto& runs = index.Runs();
  for (std::size_t r = r0; r < r1; ++r) {
    const std::string_view folder_text = index.FolderText(runs[r].folder);
    const std::size_t end = index.RunEnd(r);
    if (plan.NeedsNonAscii() && IsAscii(folder_text) && IsAscii(NamesOf(index, r))) continue;
    const FolderTest folder = plan.TestFolder(folder_text, buffer);
    for (std::size_t e = runs[r].first; e < end; ++e) {
      if (folder.holds || (plan.ReadsNames(folder) && plan.TestName(index.Name(e), buffer))) {
        rows.push_back(std::uint32_t(e));
      }
    }
  }
}

}  // namespace

void FindFoldedKeyword(const IndexList& index, std::string_view keyword, Rows& rows,
                       ScanScratch& scratch) {
  rows.clear();
  const FoldedPlan plan(keyword);
  if (plan.MatchesNothing() || index.Empty()) return;
  const std::size_t runs = index.Runs().size();
  const unsigned parts = scratch.Parts(runs, kMinRunsPerPart);
  scratch.PartRows(parts - 1);
  ForkJoin(parts, scratch.Threads(), [&](unsigned p) {
    Rows& out = scratch.PartRows(p);
    out.clear();
    ScanRuns(index, plan, runs * p / parts, runs * (p + 1) / parts, out);
  });
  for (unsigned p = 0; p < parts; ++p) {
    const Rows& part = scratch.PartRows(p);
    rows.insert(rows.end(), part.begin(), part.end());
  }
}

void FindFoldedKeywordAmong(const IndexList& index, std::string_view keyword,
                            const Rows& candidates, Rows& rows) {
  rows.clear();
  const FoldedPlan plan(keyword);
  if (plan.MatchesNothing()) return;
  std::string buffer;
  std::size_t run = kNone;
  FolderTest folder;
  for (std::uint32_t e : candidates) {
    const std::size_t r = index.RunOf(e);
    if (r != run) {
      run = r;
      folder = plan.TestFolder(index.FolderText(index.Runs()[r].folder), buffer);
    }
    if (folder.holds || (plan.ReadsNames(folder) && plan.TestName(index.Name(e), buffer))) {
      rows.push_back(e);
    }
  }
}

}  // namespace vl
