#pragma once
// In-memory stand-ins for the seams of the index commands and queries.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/recording_seams.h"
#include "framework/dialogs.h"
#include "framework/errors.h"
#include "search/index_commands.h"
#include "search/queries.h"
#include "search/text_list.h"
#include "search/walk.h"

namespace vl::testing {

class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::vector<std::string> writes;                       // paths, in the order written
  std::function<void(const std::string&)> before_write;  // may throw to fail a write

  bool FileExists(const std::string& path) override { return files.contains(path); }
  std::string ReadWholeFile(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) throw FileError("Cannot open file \"" + path + "\". Not found");
    return it->second;
  }
  void ReplaceWholeFile(const std::string& path, std::string_view bytes) override {
    if (before_write) before_write(path);
    writes.push_back(path);
    files[path] = std::string(bytes);
  }

  // Files another process is writing; claims of this one held now.
  std::set<std::string> claimed_elsewhere;
  int claims_held = 0;
  std::unique_ptr<WriterClaim> ClaimWriter(const std::string& path) override {
    if (claimed_elsewhere.contains(path)) return nullptr;
    struct Claim : WriterClaim {
      explicit Claim(int& count) : held(++count) {}
      ~Claim() override { --held; }
      int& held;
    };
    return std::make_unique<Claim>(claims_held);
  }
};

class FakeDialogs : public Dialogs {
 public:
  int answer = mb::kIdOk;
  struct Question {
    NativeWindow owner;
    std::string text;
    unsigned flags;
  };
  std::vector<Question> questions;
  std::vector<std::string> messages;

  int Ask(NativeWindow owner, std::string_view text, unsigned flags) override {
    questions.push_back({owner, std::string(text), flags});
    return answer;
  }
  void Inform(std::string_view text) override { messages.emplace_back(text); }
  void ShowError(std::string_view text) override { messages.emplace_back(text); }
};

class FakeProgress : public IndexProgress {
 public:
  std::vector<std::string> events;
  void SetTotalParts(int total) override { events.push_back("total " + std::to_string(total)); }
  void SetPartsComplete(int done) override { events.push_back("done " + std::to_string(done)); }
};

// Listings by exact pattern, folder identities and final paths by exact folder path; every
// pattern asked for is recorded, and the parent identity given with each folder identified. A
// pattern not listed fails, unless it is listed as holding no match.
class FakeLister : public DirectoryLister {
 public:
  std::map<std::string, std::vector<DirEntry>> listings;
  std::map<std::string, FolderId> ids;
  std::map<std::string, std::string> finals;
  std::set<std::string> no_match;
  std::map<std::string, std::string> listing_roots;
  std::map<std::string, std::optional<FolderId>> parents;
  std::vector<std::string> asked;
  std::function<void(const std::string&)> on_list;

  // A folder (path with its trailing separator, or a root as written) listed by "*.*" and "*".
  void AddFolder(const std::string& folder, std::vector<DirEntry> entries) {
    listings[folder + "*.*"] = entries;
    listings[folder + "*"] = std::move(entries);
  }

  Listing List(const std::string& pattern, std::vector<DirEntry>& entries) override {
    asked.push_back(pattern);
    if (on_list) on_list(pattern);
    entries.clear();
    auto it = listings.find(pattern);
    if (it == listings.end())
      return no_match.contains(pattern) ? Listing::kNoMatch : Listing::kFailed;
    entries = it->second;
    return Listing::kListed;
  }
  std::optional<FolderId> Identify(const std::string& folder, const FolderId* parent) override {
    parents[folder] = parent ? std::optional<FolderId>(*parent) : std::nullopt;
    auto it = ids.find(folder);
    if (it == ids.end()) return std::nullopt;
    return it->second;
  }
  std::string ListingRoot(const std::string& root) override {
    auto it = listing_roots.find(root);
    return it == listing_roots.end() ? root : it->second;
  }
  std::optional<std::string> FinalPath(const std::string& folder) override {
    auto it = finals.find(folder);
    if (it == finals.end()) return std::nullopt;
    return it->second;
  }
};

inline DirEntry File(std::string name) {
  return {std::move(name), 0x20, 0};
}
inline DirEntry Folder(std::string name) {
  return {std::move(name), fa::kDirectory, 0};
}
inline DirEntry Link(std::string name, std::uint32_t tag) {
  return {std::move(name), fa::kDirectory | fa::kReparsePoint, tag};
}

class FakeView : public ResultView {
 public:
  std::vector<std::size_t> row_counts;
  std::vector<std::string> labels;
  std::function<void()> on_row_count;
  void SetRowCount(std::size_t rows) override {
    row_counts.push_back(rows);
    if (on_row_count) on_row_count();
  }
  void SetResultLabel(std::string_view text) override { labels.emplace_back(text); }
  ResultOrder shown;
  void ShowOrder(ResultOrder order) override { shown = order; }
};

}  // namespace vl::testing
