#include "search/walk.h"

#include <deque>

namespace vl {
namespace {

bool IsDotEntry(std::string_view name) {
  return name == "." || name == "..";
}

bool IsLink(const DirEntry& entry) {
  if ((entry.attributes & fa::kReparsePoint) == 0) return false;
  // Wine shows a symbolic link to a folder as a reparse point with tag 0.
  return entry.reparse_tag == 0 || (entry.reparse_tag & fa::kNameSurrogateTag) != 0;
}

}  // namespace

bool IsWalkableFolder(const DirEntry& entry) {
  return (entry.attributes & fa::kDirectory) != 0 && !IsDotEntry(entry.name) && !IsLink(entry);
}

IndexList CollectFiles(std::string_view root, std::string_view mask, DirectoryLister& lister,
                       const WalkHooks& hooks) {
  IndexList entries;
  std::deque<std::string> queue{std::string(root)};
  // "*.*" and "*" list the same entries in the same order, so one listing serves both the
  // entries and the sub-folders.
  const bool one_listing = mask == "*.*" || mask == "*";
  std::vector<DirEntry> listing;
  std::string path;
  while (!queue.empty()) {
    if (hooks.process_messages) hooks.process_messages();
    if (hooks.cancelled && hooks.cancelled()) break;
    std::string folder = std::move(queue.front());
    queue.pop_front();
    lister.List(folder + std::string(mask), listing);
    for (const DirEntry& entry : listing) {
      path.assign(folder).append(entry.name);
      entries.Append(path);
    }
    if (!one_listing) lister.List(folder + "*", listing);
    for (const DirEntry& entry : listing) {
      if (IsWalkableFolder(entry)) queue.push_back(folder + entry.name + "\\");
    }
  }
  return entries;
}

}  // namespace vl
