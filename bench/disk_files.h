#pragma once
// The program's file services on the benchmark machine's own files, reading and writing in the
// same piece size as the Windows build, so that a load or a save measured here does the work the
// program does.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "framework/errors.h"
#include "search/text_list.h"

namespace vl::bench {

class DiskFiles : public FileSystem {
 public:
  static constexpr std::size_t kPiece = std::size_t(1) << 20;

  bool FileExists(const std::string& path) override { return std::filesystem::exists(path); }

  std::string ReadWholeFile(const std::string& path) override {
    std::string bytes;
    ReadFilePieces(path, [&](std::string_view piece) {
      bytes.append(piece);
      return true;
    });
    return bytes;
  }

  void ReadFilePieces(const std::string& path,
                      const std::function<bool(std::string_view)>& piece) override {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) throw FileError("Cannot open file \"" + path + "\"");
    std::string buffer(kPiece, '\0');
    for (;;) {
      std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
      if (got == 0 || !piece(std::string_view(buffer.data(), got))) return;
    }
  }

  void ReplaceWholeFile(const std::string& path, std::string_view bytes) override {
    ReplaceFilePieces(path, [&](const Put& put) { put(bytes); });
  }

  void ReplaceFilePieces(const std::string& path,
                         const std::function<void(const Put&)>& write) override {
    const std::string temp = path + ".partial";
    {
      File file(std::fopen(temp.c_str(), "wb"));
      if (!file) throw FileError("Cannot create file \"" + path + "\"");
      write([&](std::string_view bytes) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
          throw FileError("Cannot create file \"" + path + "\"");
        }
      });
    }
    std::filesystem::rename(temp, path);
  }

 private:
  struct Close {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  using File = std::unique_ptr<std::FILE, Close>;
};

}  // namespace vl::bench
