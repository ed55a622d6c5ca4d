#include "search/index_commands.h"

#include <algorithm>
#include <new>

#include "framework/errors.h"

namespace vl {
namespace {

constexpr std::string_view kAskRebuild = "Sure you want to rebuild the index database?";
constexpr std::string_view kAskClear = "Sure to clear the cache\xEF\xBC\x9F";
constexpr std::string_view kNoRootList = "Please first set the path to search \xEF\xBC\x81";
constexpr std::string_view kWrittenElsewhere =
    "\" is being written by another copy of Vorlisk. Nothing was changed; try again when it "
    "has finished.";
constexpr std::string_view kRebuilt =
    "Successful update the index, You can enjoy the high-speed search\xEF\xBC\x81";

constexpr unsigned kRebuildFlags =
    mb::kOkCancel | mb::kIconQuestion | mb::kDefButton2 | mb::kTopmost;
constexpr unsigned kClearFlags = mb::kOkCancel | mb::kIconQuestion;

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Whether folder + name starts with prefix, without joining them.
bool PathStartsWith(std::string_view folder, std::string_view name, std::string_view prefix) {
  if (prefix.size() <= folder.size()) return StartsWith(folder, prefix);
  return StartsWith(prefix, folder) && StartsWith(name, prefix.substr(folder.size()));
}

// The rebuild's walk of every root into a fresh index. A root that cannot be listed, and from
// a cancel on every root not finished, takes its entries from the index being replaced.
class RootsRebuild {
 public:
  RootsRebuild(IndexStore& store, const TextList& roots, const std::string& index_file,
               const IndexSeams& seams, const std::function<bool()>& cancelled)
      : store_(store),
        previous_(store.Current()),
        roots_(roots),
        index_file_(index_file),
        seams_(seams),
        cancelled_(cancelled),
        walks_(roots, seams.lister) {}

  RebuildOutcome Run(RebuildProblems& problems) {
    // However the walk ends, the fresh index is appended to no more and lets its lookup table
    // go.
    struct Finish {
      IndexList& index;
      ~Finish() { index.FinishAppending(); }
    } finish{*fresh_};
    seams_.progress.SetTotalParts(int(roots_.size()));
    for (std::size_t i = 0; i < roots_.size(); ++i) {
      if (Cancelled()) return KeepUnfinished(i);
      if (seams_.root_started) seams_.root_started(i, roots_.size(), roots_[i]);
      IndexList entries = walks_.Walk(i, "*.*", {seams_.process_messages, cancelled_});
      if (Cancelled()) return KeepUnfinished(i);
      if (!walks_.RootRead()) {
        problems.unread_roots.push_back(roots_[i]);
        entries = Previous(i);
      }
      fresh_->AppendList(std::move(entries));
      Publish();
      seams_.progress.SetPartsComplete(int(i + 1));
    }
    problems.unreadable_folders = walks_.UnreadableFolders();
    return RebuildOutcome::kDone;
  }

 private:
  bool Cancelled() const { return cancelled_ && cancelled_(); }

  IndexList Previous(std::size_t i) const {
    return previous_ ? EntriesOfRoot(*previous_, roots_, i) : IndexList();
  }

  RebuildOutcome KeepUnfinished(std::size_t from) {
    if (previous_) {
      for (std::size_t i = from; i < roots_.size(); ++i) fresh_->AppendList(Previous(i));
    }
    if (from > 0 || previous_) Publish();
    return RebuildOutcome::kCancelled;
  }

  // Writes the fresh index and makes it the process-wide one. The store lets go of the index it
  // replaces, even while rows taken from it are on show; the rebuild keeps it to the end, for
  // the roots that may still need its entries.
  void Publish() {
    SaveIndexList(seams_.files, *fresh_, index_file_);
    store_.Set(fresh_);
  }

  IndexStore& store_;
  const std::shared_ptr<IndexList> previous_;
  const TextList& roots_;
  const std::string& index_file_;
  const IndexSeams& seams_;
  const std::function<bool()>& cancelled_;
  RootWalks walks_;
  std::shared_ptr<IndexList> fresh_ = std::make_shared<IndexList>();
};

std::string Utf8Path(const IndexSeams& seams, std::string_view path) {
  return seams.path_to_utf8 ? seams.path_to_utf8(path) : std::string(path);
}

}  // namespace

RebuildOutcome RebuildIndex(IndexStore& store, const std::string& root_list_file,
                            const std::string& index_file, const IndexSeams& seams,
                            const std::function<bool()>& cancelled, RebuildProblems* problems) {
  if (!seams.files.FileExists(root_list_file)) return RebuildOutcome::kNoRootList;
  try {
    TextList roots = LoadTextList(seams.files, root_list_file);
    RebuildProblems ignored;
    return RootsRebuild(store, roots, index_file, seams, cancelled)
        .Run(problems ? *problems : ignored);
  } catch (const std::bad_alloc&) {
    throw Error("Out of memory");
  }
}

IndexList EntriesOfRoot(const IndexList& index, const TextList& roots, std::size_t i) {
  const std::string& root = roots[i];
  for (std::size_t j = 0; j < i; ++j) {
    if (roots[j] == root) return IndexList();
  }
  std::vector<std::string_view> longer;
  for (const std::string& other : roots) {
    if (other.size() > root.size() && StartsWith(other, root)) longer.push_back(other);
  }
  Rows rows;
  const std::vector<IndexList::Run>& runs = index.Runs();
  for (std::size_t r = 0; r < runs.size(); ++r) {
    std::string_view folder = index.FolderText(runs[r].folder);
    if (!StartsWith(root, folder.substr(0, root.size()))) continue;
    for (std::size_t e = runs[r].first; e < index.RunEnd(r); ++e) {
      std::string_view name = index.Name(e);
      auto held_by = [&](std::string_view prefix) { return PathStartsWith(folder, name, prefix); };
      if (held_by(root) && std::none_of(longer.begin(), longer.end(), held_by)) {
        rows.push_back(std::uint32_t(e));
      }
    }
  }
  return IndexList::CopyEntries(index, rows);
}

std::string ProblemsText(const RebuildProblems& problems) {
  std::string text;
  if (!problems.unread_roots.empty()) {
    text += "These roots could not be read, so their entries from the previous index were kept:";
    for (const std::string& root : problems.unread_roots) text += "\r\n    " + root;
  }
  const RootWalks::Unreadable& folders = problems.unreadable_folders;
  if (folders.count == 0) return text;
  if (!text.empty()) text += "\r\n\r\n";
  const bool one = folders.count == 1;
  text += std::to_string(folders.count) + (one ? " folder" : " folders") +
          " could not be read (access denied or gone), so what " +
          (one ? "it holds" : "they hold") + " is not in the index";
  text += folders.count > folders.first.size() ? ". The first of them:" : ":";
  for (const std::string& folder : folders.first) text += "\r\n    " + folder;
  return text;
}

void ClearIndex(IndexStore& store, const std::string& index_file, FileSystem& files) {
  auto empty = std::make_shared<IndexList>();
  SaveIndexList(files, *empty, index_file);
  store.Set(std::move(empty));
}

IndexCommands::IndexCommands(IndexStore& store, std::string root_list_file, std::string index_file,
                             Dialogs& dialogs, NativeWindow owner, IndexSeams seams)
    : store_(store),
      root_list_file_(std::move(root_list_file)),
      index_file_(std::move(index_file)),
      dialogs_(dialogs),
      owner_(owner),
      seams_(std::move(seams)) {}

void IndexCommands::mniIndexClick() {
  if (rebuilding_) return;
  if (dialogs_.Ask(owner_, kAskRebuild, kRebuildFlags) != mb::kIdOk) return;
  const auto claim = ClaimIndexFile();
  if (!claim) return;

  // Marks the rebuild as running for as long as this call lasts, however it ends.
  struct Running {
    IndexCommands& self;
    explicit Running(IndexCommands& s) : self(s) {
      self.rebuilding_ = true;
      self.cancel_requested_ = false;
      if (self.running_changed) self.running_changed(true);
    }
    ~Running() {
      self.rebuilding_ = false;
      if (self.running_changed) self.running_changed(false);
    }
  } running(*this);

  RebuildProblems problems;
  RebuildOutcome outcome = RebuildIndex(
      store_, root_list_file_, index_file_, seams_, [this] { return cancel_requested_; },
      &problems);
  if (outcome == RebuildOutcome::kNoRootList) dialogs_.Inform(kNoRootList);
  if (outcome != RebuildOutcome::kDone) return;
  for (std::string& root : problems.unread_roots) root = Utf8Path(seams_, root);
  for (std::string& folder : problems.unreadable_folders.first) folder = Utf8Path(seams_, folder);
  std::string text = ProblemsText(problems);
  if (problems.unread_roots.empty()) {
    text = text.empty() ? std::string(kRebuilt) : std::string(kRebuilt) + "\r\n\r\n" + text;
  }
  dialogs_.Inform(text);
}

std::unique_ptr<WriterClaim> IndexCommands::ClaimIndexFile() {
  // Two writers taking turns would each leave the other's roots out of the file.
  auto claim = seams_.files.ClaimWriter(index_file_);
  if (!claim) dialogs_.Inform("The index file \"" + index_file_ + std::string(kWrittenElsewhere));
  return claim;
}

void IndexCommands::mniRefreshClick() {
  if (rebuilding_) return;
  if (dialogs_.Ask(owner_, kAskClear, kClearFlags) != mb::kIdOk) return;
  const auto claim = ClaimIndexFile();
  if (!claim) return;
  ClearIndex(store_, index_file_, seams_.files);
}

}  // namespace vl
