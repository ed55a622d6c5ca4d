#pragma once
// A corpus made from a real tree: the listing of /usr/share of a stock Debian 12 (only what its
// packages install, as find sees it; bench/trees/usr-share.txt.xz, one path a line relative to
// the folder, a folder's path ending in "/"), copied under several drives and renamed top
// folders until the index holds the paths asked for. Each drive is written the way the walk
// writes it: breadth first, every folder's listing in name order, "." and ".." first in every
// folder but the drive's root. Entries a folder, name shapes and the depth of paths are the
// real tree's; only the copies' top folders are made up.
//
// Linux only: the listing is unpacked by xz.

#include <algorithm>
#include <cstdio>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vl::bench {

inline std::string ReadTreeListing(const std::string& xz_file = VL_TREE_LISTING) {
  std::FILE* pipe = ::popen(("xz -dc '" + xz_file + "'").c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run xz on " + xz_file);
  std::string text;
  char buffer[1 << 16];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) != 0;) {
    text.append(buffer, got);
  }
  if (::pclose(pipe) != 0 || text.empty()) throw std::runtime_error("cannot unpack " + xz_file);
  return text;
}

class RealTreeCorpus {
 public:
  RealTreeCorpus(std::string_view listing, std::size_t lines) : want_(lines) {
    Parse(listing);
    Generate();
  }

  // The index file's bytes: every line followed by CR LF.
  const std::string& Text() const { return text_; }

 private:
  struct Node {
    std::string name;
    bool folder = false;
    std::vector<std::size_t> children;
  };

  void Parse(std::string_view listing) {
    nodes_.push_back({"", true, {}});
    std::unordered_map<std::string, std::size_t> folders{{"", 0}};
    for (std::size_t start = 0; start < listing.size();) {
      std::size_t end = listing.find('\n', start);
      if (end == std::string_view::npos) end = listing.size();
      std::string path(listing.substr(start, end - start));
      start = end + 1;
      if (path.empty()) continue;
      const bool folder = path.back() == '/';
      if (folder) path.pop_back();
      const std::size_t cut = path.rfind('/');
      const std::string parent = cut == std::string::npos ? "" : path.substr(0, cut);
      const std::size_t id = nodes_.size();
      nodes_.push_back({path.substr(cut + 1), folder, {}});
      nodes_[folders.at(parent)].children.push_back(id);
      if (folder) folders.emplace(path, id);
    }
    // A listing of a Windows folder comes in name order, letter case aside.
    for (Node& node : nodes_) {
      std::sort(node.children.begin(), node.children.end(), [&](std::size_t a, std::size_t b) {
        return Upper(nodes_[a].name) < Upper(nodes_[b].name);
      });
    }
  }

  static std::string Upper(std::string text) {
    for (char& c : text) {
      if (c >= 'a' && c <= 'z') c = char(c - 32);
    }
    return text;
  }

  void Emit(const std::string& line) {
    if (count_ == want_) return;
    text_.append(line).append("\r\n");
    ++count_;
  }

  // The drives, the top folders on each, and the names of the copies inside them.
  void Generate() {
    static constexpr std::string_view drives[] = {"C:", "D:", "E:", "F:"};
    static constexpr std::string_view tops[] = {"Backup", "Data", "Program Files", "ProgramData",
                                                "Users"};
    static constexpr std::string_view copies[] = {"share",        "Debian Share", "Resources",
                                                  "common files", "Mirror",       "Export"};
    std::size_t per_copy = 0;
    for (const Node& node : nodes_) per_copy += 1 + (node.folder ? 2 : 0);
    const std::size_t total = want_ / per_copy + 1;
    std::size_t made = 0;
    for (std::size_t d = 0; d < std::size(drives) && count_ < want_; ++d) {
      // Every top folder of a drive with the copies it holds.
      std::vector<std::vector<std::string>> drive(std::size(tops));
      for (std::size_t c = d; c < total; c += std::size(drives)) {
        const std::size_t k = made++;
        drive[k % std::size(tops)].push_back(std::string(copies[k % std::size(copies)]) + " " +
                                             std::to_string(k / std::size(copies) + 1));
      }
      WalkDrive(std::string(drives[d]) + "\\", drive, tops);
    }
  }

  template <std::size_t N>
  void WalkDrive(const std::string& root, const std::vector<std::vector<std::string>>& drive,
                 const std::string_view (&tops)[N]) {
    struct Queued {
      std::string path;
      std::size_t node;  // the tree's folder that this copy's folder is
    };
    std::deque<Queued> queue;
    for (std::size_t t = 0; t < N; ++t) {
      if (!drive[t].empty()) Emit(root + std::string(tops[t]));
    }
    for (std::size_t t = 0; t < N; ++t) {
      if (drive[t].empty()) continue;
      const std::string top = root + std::string(tops[t]);
      Emit(top + "\\.");
      Emit(top + "\\..");
      std::vector<std::string> names = drive[t];
      std::sort(names.begin(), names.end(),
                [](const std::string& a, const std::string& b) { return Upper(a) < Upper(b); });
      for (const std::string& name : names) Emit(top + "\\" + name);
      for (const std::string& name : names) queue.push_back({top + "\\" + name, 0});
    }
    while (!queue.empty() && count_ < want_) {
      Queued folder = std::move(queue.front());
      queue.pop_front();
      Emit(folder.path + "\\.");
      Emit(folder.path + "\\..");
      for (std::size_t child : nodes_[folder.node].children) {
        std::string path = folder.path + "\\" + nodes_[child].name;
        Emit(path);
        if (nodes_[child].folder) queue.push_back({std::move(path), child});
      }
    }
  }

  std::vector<Node> nodes_;
  std::size_t want_;
  std::size_t count_ = 0;
  std::string text_;
};

}  // namespace vl::bench
