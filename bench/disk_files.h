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
    std::string piece(kPiece, '\0');
    auto reader = OpenPieces(path);
    while (std::size_t got = reader->Read(piece.data(), piece.size())) bytes.append(piece, 0, got);
    return bytes;
  }

  std::unique_ptr<PieceReader> OpenPieces(const std::string& path) override {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) throw FileError("Cannot open file \"" + path + "\"");
    return std::make_unique<Reader>(std::move(file));
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

  class Reader : public PieceReader {
   public:
    explicit Reader(File file) : file_(std::move(file)) {}
    std::size_t Read(char* into, std::size_t size) override {
      return std::fread(into, 1, size, file_.get());
    }

   private:
    File file_;
  };
};

}  // namespace vl::bench
