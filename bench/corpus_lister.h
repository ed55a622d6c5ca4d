#pragma once
// A generated corpus as a disk for the walk: every folder with its entries, in memory.

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "search/walk.h"

namespace vl::bench {

// Every folder of the corpus with its entries, listed by "folder\*.*".
class CorpusLister : public DirectoryLister {
 public:
  CorpusLister(const std::string& text, std::size_t paths, const std::vector<std::string>& roots) {
    // The corpus may list a folder name twice in one folder; such a folder is listed once, by
    // its first listing, and entered once.
    std::set<std::string> closed;
    std::string open;
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find("\r\n", start);
      std::string_view line(text.data() + start, end - start);
      start = end + 2;
      std::size_t cut = line.rfind('\\');
      std::string folder(line.substr(0, cut + 1));
      std::string_view name = line.substr(cut + 1);
      if (folder != open) {
        if (!open.empty()) closed.insert(open);
        open = folder;
      }
      if (closed.count(folder) != 0) continue;
      std::vector<DirEntry>& entries = folders_[folder];
      bool dot = name == "." || name == "..";
      entries.push_back({std::string(name), dot ? fa::kDirectory : 0x20u, 0});
    }
    for (auto& [folder, entries] : folders_) {
      std::set<std::string_view> seen;
      for (auto& entry : entries) {
        if (entry.attributes == 0x20u && folders_.count(folder + entry.name + "\\") != 0 &&
            seen.insert(entry.name).second) {
          entry.attributes = fa::kDirectory;
        }
      }
    }
    Keep(paths, roots);
  }

  Listing List(const std::string& pattern, std::vector<DirEntry>& entries) override {
    entries.clear();
    auto it = folders_.find(pattern.substr(0, pattern.size() - 3));
    if (it == folders_.end()) return Listing::kFailed;
    entries = it->second;
    return Listing::kListed;
  }

  // A file made in a folder, at the end of its listing.
  void AddFile(const std::string& folder, std::string name) {
    folders_.at(folder).push_back({std::move(name), 0x20u, 0});
  }
  const std::map<std::string, std::vector<DirEntry>>& Folders() const { return folders_; }

  // The corpus holds no links, and the walk lists every real folder whatever its identity.
  std::optional<FolderId> Identify(const std::string&, const FolderId*) override {
    return std::nullopt;
  }
  std::optional<std::string> FinalPath(const std::string&) override { return std::nullopt; }

 private:
  // Keeps the folders that a walk of the roots reaches, in the walk's order, until they hold
  // exactly `paths` entries.
  void Keep(std::size_t paths, const std::vector<std::string>& roots) {
    std::map<std::string, std::vector<DirEntry>> kept;
    for (const std::string& root : roots) {
      std::deque<std::string> queue{root};
      while (!queue.empty() && paths > 0) {
        std::string folder = std::move(queue.front());
        queue.pop_front();
        auto it = folders_.find(folder);
        if (it == folders_.end()) continue;
        std::vector<DirEntry>& entries = it->second;
        if (entries.size() > paths) entries.resize(paths);
        paths -= entries.size();
        for (const DirEntry& entry : entries) {
          if (entry.attributes == fa::kDirectory && entry.name != "." && entry.name != "..") {
            queue.push_back(folder + entry.name + "\\");
          }
        }
        kept[folder] = std::move(entries);
      }
    }
    folders_ = std::move(kept);
  }

  std::map<std::string, std::vector<DirEntry>> folders_;
};

}  // namespace vl::bench
