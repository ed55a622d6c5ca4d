#include <windows.h>

#include <algorithm>
#include <new>

#include "framework/errors.h"
#include "search/file_errors.h"
#include "search/locations.h"
#include "search/path_ops.h"
#include "search/text_list.h"

namespace vl {
namespace {

constexpr DWORD kChunk = 1u << 24;
// A file read piece by piece is read in pieces of this size, small enough to stay in the cache
// while the reader splits them.
constexpr DWORD kPiece = 1u << 20;

std::string SystemMessage(DWORD code) {
  char* buffer = nullptr;
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  if (length == 0) return std::string("System error ").append(std::to_string(code));
  std::string text(buffer, length);
  LocalFree(buffer);
  return TrimSystemMessage(text);
}

std::string AbsolutePath(const std::string& path) {
  DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::string full(size, '\0');
  DWORD length = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

[[noreturn]] void ThrowCannotOpen(const std::string& path, DWORD code) {
  throw FileError(CannotOpenFileText(AbsolutePath(path), SystemMessage(code)));
}

[[noreturn]] void ThrowCannotCreate(const std::string& path, DWORD code) {
  throw FileError(CannotCreateFileText(AbsolutePath(path), SystemMessage(code)));
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }
  bool Close() {
    if (!Valid()) return true;
    bool ok = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE h_;
};

// A temporary file that is deleted unless it has taken its target's place.
class TempFile {
 public:
  explicit TempFile(std::string path) : path_(std::move(path)) {}
  ~TempFile() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& Path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  std::string path_;
};

std::string ReadAll(const std::string& path, HANDLE file) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size)) ThrowCannotOpen(path, GetLastError());
  if (std::uint64_t(size.QuadPart) >= std::string().max_size()) throw Error("Out of memory");
  std::string bytes;
  try {
    bytes.resize(std::size_t(size.QuadPart));
  } catch (const std::bad_alloc&) {
    throw Error("Out of memory");
  }
  std::size_t total = 0;
  while (total < bytes.size()) {
    DWORD want = DWORD(std::min<std::size_t>(kChunk, bytes.size() - total));
    DWORD got = 0;
    if (!::ReadFile(file, bytes.data() + total, want, &got, nullptr)) {
      ThrowCannotOpen(path, GetLastError());
    }
    if (got == 0) break;
    total += got;
  }
  bytes.resize(total);
  return bytes;
}

void WriteAll(const std::string& target, HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD want = DWORD(std::min<std::size_t>(kChunk, bytes.size()));
    DWORD put = 0;
    if (!WriteFile(file, bytes.data(), want, &put, nullptr)) {
      ThrowCannotCreate(target, GetLastError());
    }
    bytes.remove_prefix(put);
  }
}

std::string TempFileBeside(const std::string& target) {
  std::string_view dir = ExtractFilePath(target, SystemLeadBytes());
  std::string folder = dir.empty() ? std::string(".") : std::string(dir);
  char temp[MAX_PATH];
  if (GetTempFileNameA(folder.c_str(), "vl", 0, temp) == 0) {
    DWORD code = GetLastError();
    ThrowCannotCreate(target, DirectoryExists(folder) ? code : DWORD(ERROR_PATH_NOT_FOUND));
  }
  return temp;
}

class WinFileSystem : public FileSystem {
 public:
  bool FileExists(const std::string& path) override { return vl::FileExists(path); }

  std::string ReadWholeFile(const std::string& path) override {
    FileHandle file(OpenForReading(path));
    return ReadAll(path, file.Get());
  }

  void ReadFilePieces(const std::string& path,
                      const std::function<bool(std::string_view)>& piece) override {
    FileHandle file(OpenForReading(path));
    std::string buffer(kPiece, '\0');
    for (;;) {
      DWORD got = 0;
      if (!::ReadFile(file.Get(), buffer.data(), DWORD(buffer.size()), &got, nullptr)) {
        ThrowCannotOpen(path, GetLastError());
      }
      if (got == 0 || !piece(std::string_view(buffer.data(), got))) return;
    }
  }

  void ReplaceWholeFile(const std::string& path, std::string_view bytes) override {
    ReplaceFilePieces(path, [&](const Put& put) { put(bytes); });
  }

  void ReplaceFilePieces(const std::string& path,
                         const std::function<void(const Put&)>& write) override {
    // Creating a file over a read-only one fails; the replacement keeps that rule.
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
      ThrowCannotCreate(path, ERROR_ACCESS_DENIED);
    }
    TempFile temp(TempFileBeside(path));
    FileHandle file(CreateFileA(temp.Path().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) ThrowCannotCreate(path, GetLastError());
    write([&](std::string_view bytes) { WriteAll(path, file.Get(), bytes); });
    if (!FlushFileBuffers(file.Get()) || !file.Close()) ThrowCannotCreate(path, GetLastError());
    if (!MoveFileExA(temp.Path().c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      ThrowCannotCreate(path, GetLastError());
    }
    temp.Keep();
  }

 private:
  static HANDLE OpenForReading(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) ThrowCannotOpen(path, GetLastError());
    return file;
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static WinFileSystem fs;
  return fs;
}

TextList LoadTextList(const std::string& path) {
  return LoadTextList(SystemFileSystem(), path);
}

void SaveTextList(const TextList& lines, const std::string& path) {
  SaveTextList(SystemFileSystem(), lines, path);
}

}  // namespace vl
