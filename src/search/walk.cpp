#include "search/walk.h"

#include <deque>

namespace vl {
namespace {

bool IsDotEntry(std::string_view name) {
  return name == "." || name == "..";
}

bool IsFolder(const DirEntry& entry) {
  return (entry.attributes & fa::kDirectory) != 0 && !IsDotEntry(entry.name);
}

// A folder entry that leads somewhere else. Cloud placeholders are reparse points too, but
// they are the folders themselves.
bool IsLink(const DirEntry& entry) {
  if ((entry.attributes & fa::kReparsePoint) == 0) return false;
  // Wine shows a symbolic link to a folder as a reparse point with tag 0.
  return entry.reparse_tag == 0 || (entry.reparse_tag & fa::kNameSurrogateTag) != 0;
}

// Only a path that ends with its separator names the folder that its listing lists.
bool NamesFolder(std::string_view path) {
  return !path.empty() && path.back() == '\\';
}

}  // namespace

struct RootWalks::Queued {
  std::string relative;  // the folder's path after the root, with its trailing separator
  bool link = false;
  bool outside = false;            // reached through a link, so outside every root
  std::optional<FolderId> parent;  // the identity of the folder whose listing held it
};

RootWalks::RootWalks(std::vector<std::string> roots, DirectoryLister& lister)
    : roots_(std::move(roots)), lister_(lister) {
  for (std::size_t i = 0; i < roots_.size(); ++i) {
    std::optional<std::string> final_path;
    if (NamesFolder(roots_[i])) final_path = lister_.FinalPath(lister_.ListingRoot(roots_[i]));
    std::size_t first = i;
    for (std::size_t j = 0; j < i && first == i; ++j) {
      bool alike = final_path ? final_path == final_roots_[j] : roots_[i] == roots_[j];
      if (alike) first = j;
    }
    final_roots_.push_back(std::move(final_path));
    first_alike_.push_back(first);
  }
}

bool RootWalks::UnderRoot(std::string_view final_path) const {
  for (const std::optional<std::string>& root : final_roots_) {
    if (root && final_path.substr(0, root->size()) == *root) return true;
  }
  return false;
}

// Whether walk i may list a folder that lies outside every root: one not listed yet, or listed
// only by an earlier walk of the same root (a root listed twice).
bool RootWalks::FirstListing(std::size_t i, const FolderId& id) const {
  auto it = listed_.find(id);
  return it == listed_.end() || (it->second.root == first_alike_[i] && it->second.walk != walks_);
}

// True when the folder is to be listed. A real folder under the root always is: a host that
// numbers files per file system can give two real folders the same identity. A link is entered
// when its folder can be told apart, lies under no root and is listed for the first time; the
// folders below it only when they are listed for the first time. `id` receives the folder's
// identity when it can be told.
bool RootWalks::Enter(std::size_t i, const Queued& folder, const std::string& path,
                      std::optional<FolderId>& id) {
  id.reset();
  if (NamesFolder(path)) {
    const FolderId* parent = folder.link || !folder.parent ? nullptr : &*folder.parent;
    id = lister_.Identify(path, parent);
  }
  if (folder.link) {
    if (!id) return false;
    std::optional<std::string> final_path = lister_.FinalPath(path);
    if (final_path && UnderRoot(*final_path)) return false;
  }
  if ((folder.link || folder.outside) && id && !FirstListing(i, *id)) return false;
  if (id) {
    auto [it, first] = listed_.try_emplace(*id, Listed{first_alike_[i], walks_});
    if (!first && it->second.root == first_alike_[i]) it->second.walk = walks_;
  }
  return true;
}

void RootWalks::NoteUnreadable(std::string folder) {
  if (unreadable_.count++ >= kFirstUnreadable) return;
  folder.pop_back();
  unreadable_.first.push_back(std::move(folder));
}

IndexList RootWalks::Walk(std::size_t i, std::string_view mask, const WalkHooks& hooks) {
  ++walks_;
  root_read_ = false;
  const std::string& root = roots_[i];
  const std::string listing_root = lister_.ListingRoot(root);
  IndexList entries;
  std::deque<Queued> queue{{std::string(), false, false, std::nullopt}};
  // "*.*" and "*" list the same entries in the same order, so one listing serves both the
  // entries and the sub-folders.
  const bool one_listing = mask == "*.*" || mask == "*";
  std::vector<DirEntry> listing;
  std::string path, folder_path;
  std::optional<FolderId> id;
  while (!queue.empty()) {
    if (hooks.process_messages) hooks.process_messages();
    if (hooks.cancelled && hooks.cancelled()) break;
    Queued folder = std::move(queue.front());
    queue.pop_front();
    folder_path.assign(listing_root).append(folder.relative);
    if (!Enter(i, folder, folder_path, id)) continue;
    Listing listed = lister_.List(folder_path + std::string(mask), listing);
    if (folder.relative.empty()) {
      root_read_ = listed != Listing::kFailed;
    } else if (listed == Listing::kFailed) {
      NoteUnreadable(root + folder.relative);
    }
    for (const DirEntry& entry : listing) {
      path.assign(root).append(folder.relative).append(entry.name);
      entries.Append(path);
    }
    if (!one_listing) lister_.List(folder_path + "*", listing);
    for (const DirEntry& entry : listing) {
      if (IsFolder(entry)) {
        queue.push_back({folder.relative + entry.name + "\\", IsLink(entry),
                         folder.link || folder.outside, id});
      }
    }
  }
  return entries;
}

IndexList CollectFiles(std::string_view root, std::string_view mask, DirectoryLister& lister,
                       const WalkHooks& hooks) {
  RootWalks walks({std::string(root)}, lister);
  return walks.Walk(0, mask, hooks);
}

}  // namespace vl
