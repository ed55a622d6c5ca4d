#include "search/index_commands.h"

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

RebuildOutcome WalkRoots(IndexStore& store, const TextList& roots, const std::string& index_file,
                         const IndexSeams& seams, const std::function<bool()>& cancelled) {
  auto fresh = std::make_shared<IndexList>();
  // However the walk ends, the fresh index is appended to no more and lets its lookup table go.
  struct Finish {
    IndexList& index;
    ~Finish() { index.FinishAppending(); }
  } finish{*fresh};
  seams.progress.SetTotalParts(int(roots.size()));
  WalkHooks hooks{seams.process_messages, cancelled};
  for (std::size_t i = 0; i < roots.size(); ++i) {
    if (cancelled && cancelled()) return RebuildOutcome::kCancelled;
    if (seams.root_started) seams.root_started(i, roots.size(), roots[i]);
    IndexList entries = CollectFiles(roots[i], "*.*", seams.lister, hooks);
    if (cancelled && cancelled()) return RebuildOutcome::kCancelled;
    fresh->AppendList(std::move(entries));
    SaveIndexList(seams.files, *fresh, index_file);
    seams.progress.SetPartsComplete(int(i + 1));
    // The index this one replaces is released here, even while rows taken from it are on show.
    store.Set(fresh);
  }
  return RebuildOutcome::kDone;
}

}  // namespace

RebuildOutcome RebuildIndex(IndexStore& store, const std::string& root_list_file,
                            const std::string& index_file, const IndexSeams& seams,
                            const std::function<bool()>& cancelled) {
  if (!seams.files.FileExists(root_list_file)) return RebuildOutcome::kNoRootList;
  try {
    TextList roots = LoadTextList(seams.files, root_list_file);
    return WalkRoots(store, roots, index_file, seams, cancelled);
  } catch (const std::bad_alloc&) {
    throw Error("Out of memory");
  }
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

  RebuildOutcome outcome = RebuildIndex(store_, root_list_file_, index_file_, seams_,
                                        [this] { return cancel_requested_; });
  if (outcome == RebuildOutcome::kNoRootList) dialogs_.Inform(kNoRootList);
  if (outcome == RebuildOutcome::kDone) dialogs_.Inform(kRebuilt);
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
