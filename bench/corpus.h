#pragma once
// A deterministic corpus of Windows paths shaped like a real index: three drives, Windows and
// System32 full of libraries, Program Files with vendors and products, user folders with
// documents and media, the "." and ".." entries of every folder, and some names with bytes
// above 0x7F (Latin-1 accents and double-byte Chinese). The same seed gives the same bytes on
// every machine: only the generator's raw output is used, never a library distribution.

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <string_view>

namespace vl::bench {

class PathCorpus {
 public:
  explicit PathCorpus(std::size_t lines, std::uint64_t seed = 20261209) : rng_(seed), want_(lines) {
    Generate();
  }

  // The index file's bytes: every line followed by CR LF. Only the text is kept, so that ten
  // million paths cost their file size and no more.
  const std::string& Text() const { return text_; }

 private:
  enum class Kind { kSystem, kPrograms, kUser, kMedia, kGeneric };
  struct Folder {
    std::string path;
    Kind kind;
    int depth;
  };

  std::size_t Pick(std::size_t n) { return std::size_t(rng_() % n); }
  bool Chance(unsigned per_thousand) { return rng_() % 1000 < per_thousand; }
  template <std::size_t N>
  std::string_view Any(const std::string_view (&words)[N]) {
    return words[Pick(N)];
  }

  void Emit(const std::string& line) {
    if (count_ == want_) return;
    text_.append(line).append("\r\n");
    ++count_;
  }

  std::string Word() {
    static constexpr std::string_view words[] = {
        "setup",   "config",  "update",  "driver", "report", "backup", "install", "readme",
        "license", "data",    "cache",   "manual", "notes",  "photo",  "holiday", "project",
        "draft",   "summary", "invoice", "budget", "font",   "theme",  "sample",  "archive"};
    std::string word(Any(words));
    if (Chance(300)) word[0] = char(word[0] - 32);
    if (Chance(15)) word += "\xE9t\xE9";         // Latin-1 accents
    if (Chance(10)) word += "\xD6\xD0\xCE\xC4";  // two Chinese characters in code page 936
    if (Chance(1)) word += "_quarterly";
    return word;
  }

  std::string FileName(Kind kind) {
    static constexpr std::string_view system_ext[] = {".dll", ".dll", ".dll", ".exe", ".sys",
                                                      ".mui", ".inf", ".cat", ".ini", ".log"};
    static constexpr std::string_view program_ext[] = {".dll", ".exe", ".dat", ".xml", ".png",
                                                       ".ico", ".txt", ".bat", ".cfg", ".pak"};
    static constexpr std::string_view user_ext[] = {".doc", ".txt", ".pdf", ".xls",  ".zip",
                                                    ".jpg", ".lnk", ".ini", ".docx", ".ppt"};
    static constexpr std::string_view media_ext[] = {".mp3", ".wma", ".jpg", ".gif", ".avi",
                                                     ".rm",  ".JPG", ".MP3", ".png", ".mkv"};
    static constexpr std::string_view generic_ext[] = {".txt", ".dat", ".bin", ".h", ".cpp",
                                                       ".obj", ".tmp", ".bak", "",   ".old"};
    std::string name = Word();
    if (Chance(600)) name += std::to_string(Pick(1000));
    switch (kind) {
      case Kind::kSystem:
        return name + std::string(Any(system_ext));
      case Kind::kPrograms:
        return name + std::string(Any(program_ext));
      case Kind::kUser:
        return name + std::string(Any(user_ext));
      case Kind::kMedia:
        return name + std::string(Any(media_ext));
      case Kind::kGeneric:
        return name + std::string(Any(generic_ext));
    }
    return name;
  }

  std::string SubFolderName(Kind kind) {
    static constexpr std::string_view system_dirs[] = {"en-US", "drivers", "catroot", "wbem",
                                                       "spool", "config",  "Tasks",   "LogFiles"};
    static constexpr std::string_view program_dirs[] = {
        "bin", "lib", "plugins", "resources", "locale", "Common Files", "data", "x64"};
    static constexpr std::string_view media_dirs[] = {"2019", "2020",   "2021",        "Albums",
                                                      "Live", "Camera", "Screenshots", "Clips"};
    switch (kind) {
      case Kind::kSystem:
        return std::string(Any(system_dirs));
      case Kind::kPrograms:
        return std::string(Any(program_dirs));
      case Kind::kMedia:
        return std::string(Any(media_dirs)) + std::to_string(Pick(40));
      default:
        return Word();
    }
  }

  void Generate() {
    std::deque<Folder> queue;
    // The drive roots list no dot entries; every other folder does.
    Emit("C:\\Windows");
    Emit("C:\\Program Files");
    Emit("C:\\Users");
    Emit("D:\\Music");
    Emit("D:\\Pictures");
    Emit("E:\\Work");
    queue.push_back({"C:\\Windows", Kind::kSystem, 1});
    queue.push_back({"C:\\Program Files", Kind::kPrograms, 1});
    queue.push_back({"C:\\Users", Kind::kUser, 1});
    queue.push_back({"D:\\Music", Kind::kMedia, 1});
    queue.push_back({"D:\\Pictures", Kind::kMedia, 1});
    queue.push_back({"E:\\Work", Kind::kGeneric, 1});
    while (count_ < want_) {
      if (queue.empty())
        queue.push_back({"E:\\Work\\more" + std::to_string(Pick(1 << 20)), Kind::kGeneric, 2});
      Folder folder = queue.front();
      queue.pop_front();
      ListFolder(folder, queue);
    }
  }

  void ListFolder(const Folder& folder, std::deque<Folder>& queue) {
    Emit(folder.path + "\\.");
    Emit(folder.path + "\\..");
    std::size_t files = folder.kind == Kind::kSystem ? 20 + Pick(60) : Pick(40);
    for (std::size_t i = 0; i < files; ++i) Emit(folder.path + "\\" + FileName(folder.kind));
    std::size_t folders = folder.depth < 12 ? 1 + Pick(4) : 0;
    for (std::size_t i = 0; i < folders; ++i) {
      std::string path = folder.path + "\\" + SpecialFolder(folder, i);
      Emit(path);
      queue.push_back({path, folder.kind, folder.depth + 1});
    }
  }

  std::string SpecialFolder(const Folder& folder, std::size_t i) {
    if (folder.depth == 1 && folder.kind == Kind::kSystem && i == 0) return "System32";
    if (folder.depth == 1 && folder.kind == Kind::kUser) {
      static constexpr std::string_view users[] = {"alice", "bob", "Public", "Default"};
      return std::string(Any(users));
    }
    if (folder.depth == 2 && folder.kind == Kind::kUser) {
      static constexpr std::string_view places[] = {"Documents", "Downloads", "Desktop", "AppData"};
      return std::string(Any(places));
    }
    if (folder.depth == 1 && folder.kind == Kind::kPrograms) {
      static constexpr std::string_view vendors[] = {"Common Files", "Contoso",  "Fabrikam",
                                                     "Northwind",    "Tailspin", "Adventure Works"};
      return std::string(Any(vendors));
    }
    return SubFolderName(folder.kind);
  }

  std::mt19937_64 rng_;
  std::size_t want_;
  std::size_t count_ = 0;
  std::string text_;
};

}  // namespace vl::bench
