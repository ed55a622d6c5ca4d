#include "search/live_index.h"

#include <algorithm>
#include <utility>

namespace vl {
namespace {

constexpr std::string_view kMask = "*.*";
constexpr std::size_t kRowSearch = 4096;
// Entries of a table let go between two chances the window has to process its messages.
constexpr std::size_t kReleaseSlice = 4096;

// Lets go of a large table a slice at a time: at a million paths, what a pass learnt takes tens
// of milliseconds to free, longer than a key may wait.
template <class Table>
void ReleaseInSlices(Table& table, const std::function<void()>& process_messages) {
  while (!table.empty()) {
    auto end = table.begin();
    std::advance(end, std::ptrdiff_t(std::min(table.size(), kReleaseSlice)));
    table.erase(table.begin(), end);
    if (process_messages) process_messages();
  }
}

// A name as the index stores it (see IndexList::Append).
std::string StoredName(std::string_view name) {
  std::string stored(name);
  for (char& c : stored) {
    if (c == '\r' || c == '\n' || c == '\0') c = '?';
  }
  return stored;
}

// The lister of a pass: a folder the changes leave alone comes from memory and the index of the
// last pass, every other one from the disk. It learns what the next pass needs as it goes, and
// finds out whether the index it makes differs from the last one by comparing each entry with
// the old entry in its place. Folders are asked for in their listing form (see ListingRoot);
// changes and entries spell them as the root is written.
class LiveLister : public DirectoryLister {
 public:
  LiveLister(DirectoryLister& disk, const IndexList* old_index, const std::vector<RootMemory>& old,
             const ChangeSet& changes, bool& changed)
      : disk_(disk), old_index_(old_index), old_roots_(old), changes_(changes), changed_(changed) {}

  // The walk of a root starts, its entries from `fresh.base` of the new index on.
  void StartRoot(std::size_t i, const std::string& root, RootMemory& fresh) {
    old_ = i < old_roots_.size() ? &old_roots_[i] : nullptr;
    fresh_ = &fresh;
    root_ = root;
    listing_root_ = disk_.ListingRoot(root);
    next_ = 0;
  }

  Listing List(const std::string& pattern, std::vector<DirEntry>& entries) override {
    const std::string folder = pattern.substr(0, pattern.size() - kMask.size());
    const std::string written = Written(folder);
    const RootMemory::Listed* known = Known(folder);
    Listing listed;
    if (known && !changes_.Touches(written)) {
      FromMemory(written, *known, entries);
      listed = known->listing;
      if (old_->base + known->first != fresh_->base + next_) changed_ = true;
    } else {
      listed = disk_.List(pattern, entries);
      if (!changed_) Compare(written, entries);
    }
    Remember(folder, listed, entries);
    return listed;
  }

  std::optional<FolderId> Identify(const std::string& folder, const FolderId* parent) override {
    std::optional<FolderId> id;
    const auto known = old_ ? old_->ids.find(folder) : fresh_->ids.end();
    if (old_ && known != old_->ids.end() && !changes_.Touches(Written(folder))) {
      id = known->second;
    } else {
      id = disk_.Identify(folder, parent);
    }
    fresh_->ids[folder] = id;
    return id;
  }

  std::optional<std::string> FinalPath(const std::string& folder) override {
    return disk_.FinalPath(folder);
  }
  std::string ListingRoot(const std::string& root) override { return disk_.ListingRoot(root); }

 private:
  std::string Written(const std::string& folder) const {
    if (folder.compare(0, listing_root_.size(), listing_root_) != 0) return folder;
    return root_ + folder.substr(listing_root_.size());
  }

  const RootMemory::Listed* Known(const std::string& folder) const {
    if (!old_) return nullptr;
    auto it = old_->listed.find(folder);
    return it == old_->listed.end() ? nullptr : &it->second;
  }

  void FromMemory(const std::string& written, const RootMemory::Listed& known,
                  std::vector<DirEntry>& entries) {
    entries.clear();
    for (std::uint32_t k = 0; k < known.count; ++k) {
      old_index_->LineInto(old_->base + known.first + k, line_);
      entries.push_back({line_.substr(written.size()), 0, 0});
    }
    for (const auto& [place, entry] : known.folders) entries[place] = entry;
  }

  void Compare(const std::string& written, const std::vector<DirEntry>& entries) {
    std::size_t at = fresh_->base + next_;
    if (!old_index_ || at + entries.size() > old_index_->Count()) {
      changed_ = true;
      return;
    }
    for (const DirEntry& entry : entries) {
      old_index_->LineInto(at++, line_);
      const std::string_view old(line_);
      if (old.size() != written.size() + entry.name.size() || !old.starts_with(written) ||
          old.substr(written.size()) != StoredName(entry.name)) {
        changed_ = true;
        return;
      }
    }
  }

  void Remember(const std::string& folder, Listing listed, const std::vector<DirEntry>& entries) {
    RootMemory::Listed& known = fresh_->listed[folder];
    known.first = next_;
    known.count = std::uint32_t(entries.size());
    known.listing = listed;
    known.folders.clear();
    for (std::uint32_t k = 0; k < entries.size(); ++k) {
      if (entries[k].attributes & fa::kDirectory) known.folders.push_back({k, entries[k]});
    }
    next_ += known.count;
  }

  DirectoryLister& disk_;
  const IndexList* old_index_;
  const std::vector<RootMemory>& old_roots_;
  const ChangeSet& changes_;
  bool& changed_;
  const RootMemory* old_ = nullptr;
  RootMemory* fresh_ = nullptr;
  std::string root_;
  std::string listing_root_;
  std::uint32_t next_ = 0;
  std::string line_;
};

}  // namespace

void ChangeSet::NameChanged(std::string_view folder, std::string_view name) {
  std::string path(folder);
  folders.insert(path);
  subtrees.insert(path.append(name).append("\\"));
}

void ChangeSet::PathChanged(std::string_view root, std::string_view relative) {
  const std::size_t cut = relative.rfind('\\');
  std::string folder(root);
  if (cut != std::string_view::npos) folder.append(relative.substr(0, cut + 1));
  NameChanged(folder, cut == std::string_view::npos ? relative : relative.substr(cut + 1));
}

void ChangeSet::Merge(ChangeSet&& other) {
  folders.merge(other.folders);
  subtrees.merge(other.subtrees);
}

bool ChangeSet::Touches(std::string_view folder) const {
  const std::string whole(folder);
  if (folders.contains(whole) || subtrees.contains(whole)) return true;
  if (subtrees.empty()) return false;
  for (std::size_t cut = folder.find('\\'); cut != std::string_view::npos;
       cut = folder.find('\\', cut + 1)) {
    if (subtrees.contains(std::string(folder.substr(0, cut + 1)))) return true;
  }
  return false;
}

LiveIndex::LiveIndex(IndexStore& store, LiveSeams seams)
    : store_(store), seams_(std::move(seams)) {}

void LiveIndex::Follow(TextList roots) {
  roots_ = std::move(roots);
  memory_.clear();
  pending_ = {};
  // Nothing is known yet, so the whole of every root is listed again.
  for (const std::string& root : roots_) pending_.subtrees.insert(root);
  following_ = true;
  ++follows_;
}

void LiveIndex::Stop() {
  roots_.clear();
  memory_.clear();
  pending_ = {};
  following_ = false;
  ++follows_;
}

void LiveIndex::Add(ChangeSet changes) {
  if (following_) pending_.Merge(std::move(changes));
}

bool LiveIndex::Update(const std::function<bool()>& cancelled) {
  if (running_) return false;
  running_ = true;
  struct Running {
    bool& flag;
    ~Running() { flag = false; }
  } running{running_};
  bool changed = false;
  while (HasWork()) {
    PassOutcome outcome = Pass(std::exchange(pending_, {}), cancelled);
    if (outcome == PassOutcome::kAbandoned) break;
    changed |= outcome == PassOutcome::kChanged;
  }
  return changed;
}

void LiveIndex::Release(std::vector<RootMemory>& old, ChangeSet& changes) const {
  for (RootMemory& root : old) {
    ReleaseInSlices(root.listed, seams_.process_messages);
    ReleaseInSlices(root.ids, seams_.process_messages);
  }
  ReleaseInSlices(changes.folders, seams_.process_messages);
  ReleaseInSlices(changes.subtrees, seams_.process_messages);
}

bool LiveIndex::CatchesUp(const ChangeSet& changes) const {
  if (memory_.size() != roots_.size()) return true;
  for (const std::string& root : roots_) {
    if (changes.subtrees.contains(root)) return true;
  }
  return false;
}

LiveIndex::PassOutcome LiveIndex::Pass(ChangeSet changes, const std::function<bool()>& cancelled) {
  const std::uint64_t state = store_.State();
  const std::uint64_t follows = follows_;
  std::shared_ptr<IndexList> old_index = store_.Current();
  // Memory of another index than the one in the store says nothing about it.
  if (memory_state_ != state) memory_.clear();
  const bool catching_up = CatchesUp(changes);
  std::vector<RootMemory> old = std::exchange(memory_, {});
  auto gone = [&] {
    return (cancelled && cancelled()) || follows_ != follows || store_.State() != state;
  };

  const TextList roots = roots_;
  if (catching_up) seams_.progress.SetTotalParts(int(roots.size()));
  auto next = std::make_shared<IndexList>();
  std::vector<RootMemory> fresh(roots.size());
  bool changed = false;
  const WalkHooks hooks{seams_.process_messages, gone};
  LiveLister lister(seams_.lister, old_index.get(), old, changes, changed);
  RootWalks walks(roots, lister);
  for (std::size_t i = 0; i < roots.size(); ++i) {
    fresh[i].base = next->Count();
    lister.StartRoot(i, roots[i], fresh[i]);
    IndexList entries = walks.Walk(i, kMask, hooks);
    if (gone()) {
      // A Follow or a Stop came between: what this pass was to do no longer applies.
      if (follows_ != follows) return PassOutcome::kAbandoned;
      pending_.Merge(std::move(changes));
      if (store_.State() == state) memory_ = std::move(old);
      return PassOutcome::kAbandoned;
    }
    // A root that cannot be listed (its drive is away) keeps its entries, as in a rebuild, and
    // is walked on the disk again by the next pass.
    if (!walks.RootRead()) {
      entries = old_index ? EntriesOfRoot(*old_index, roots, i) : IndexList();
      fresh[i].listed.clear();
      fresh[i].ids.clear();
    }
    next->AppendList(std::move(entries));
    if (catching_up) seams_.progress.SetPartsComplete(int(i + 1));
  }
  next->FinishAppending();
  changed |= !old_index || old_index->Count() != next->Count();
  memory_ = std::move(fresh);
  if (!changed) {
    memory_state_ = state;
    Release(old, changes);
    return PassOutcome::kSame;
  }
  store_.Set(std::move(next));
  memory_state_ = store_.State();
  unsaved_ = true;
  Release(old, changes);
  return PassOutcome::kChanged;
}

std::optional<std::size_t> RowNear(const TBallArray& rows, std::string_view path,
                                   std::size_t near) {
  const std::size_t count = rows.Count();
  if (count == 0) return std::nullopt;
  near = std::min(near, count - 1);
  for (std::size_t step = 0; step <= kRowSearch; ++step) {
    if (step > near && near + step >= count) break;
    if (step <= near && rows.Path(near - step) == path) return near - step;
    if (step > 0 && near + step < count && rows.Path(near + step) == path) return near + step;
  }
  return std::nullopt;
}

}  // namespace vl
