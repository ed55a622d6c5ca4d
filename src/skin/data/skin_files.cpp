#include "skin/data/skin_files.h"

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <memory>

#include "framework/errors.h"

namespace vl {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void CannotOpen(const std::string& path) {
  throw FileError("Cannot open file \"" + path + "\". " + std::strerror(errno));
}

[[noreturn]] void CannotWrite(const std::string& path) {
  throw FileError("Cannot create file \"" + path + "\". " + std::strerror(errno));
}

std::size_t LastSeparator(std::string_view path) {
  return path.find_last_of("\\/");
}

}  // namespace

Bytes ReadFileBytes(const std::string& path) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) CannotOpen(path);
  Bytes bytes;
  std::uint8_t buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  if (std::ferror(file.get())) CannotOpen(path);
  return bytes;
}

FileByteReader::FileByteReader(const std::string& path)
    : path_(path), file_(std::fopen(path.c_str(), "rb")) {
  if (!file_) CannotOpen(path);
}

FileByteReader::~FileByteReader() {
  std::fclose(file_);
}

Bytes FileByteReader::Read(std::size_t count) {
  Bytes bytes;
  std::uint8_t buffer[65536];
  while (bytes.size() < count) {
    const std::size_t got =
        std::fread(buffer, 1, std::min(sizeof buffer, count - bytes.size()), file_);
    if (got == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  if (std::ferror(file_)) CannotOpen(path_);
  return bytes;
}

void WriteFileBytes(const std::string& path, ByteView bytes) {
  std::string temporary = path + ".tmp";
  {
    File file(std::fopen(temporary.c_str(), "wb"));
    if (!file) CannotWrite(path);
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    if (std::fclose(file.release()) != 0 || !written) {
      std::remove(temporary.c_str());
      CannotWrite(path);
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) == 0) return;
  // Windows will not rename onto an existing file.
  std::remove(path.c_str());
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    CannotWrite(path);
  }
}

std::string ExtractFilePath(std::string_view path) {
  std::size_t sep = LastSeparator(path);
  return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep + 1));
}

std::string ExtractFileName(std::string_view path) {
  std::size_t sep = LastSeparator(path);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

}  // namespace vl
