#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

#include "framework/errors.h"
#include "framework/handles_win.h"
#include "framework/text_win.h"
#include "search/file_errors.h"
#include "search/locations.h"
#include "search/path_ops.h"
#include "search/path_ops_win.h"
#include "search/text_list.h"

namespace vl {
namespace {

constexpr DWORD kChunk = 1u << 24;

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

// A temporary file that is deleted unless it has taken its target's place.
class TempFile {
 public:
  explicit TempFile(std::wstring path) : path_(std::move(path)) {}
  ~TempFile() {
    if (!path_.empty()) DeleteFileW(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::wstring& Path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  std::wstring path_;
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

// Our temporary files beside a target are named after it: "<name>.~vl<process>-<count>.tmp".
constexpr wchar_t kTempMark[] = L".~vl";
constexpr wchar_t kTempEnd[] = L".tmp";

bool IsOurTempName(std::wstring_view name, std::wstring_view target_name) {
  const std::wstring_view mark = kTempMark;
  const std::wstring_view end = kTempEnd;
  if (name.size() <= target_name.size() + mark.size() + end.size()) return false;
  if (CompareStringOrdinal(name.data(), int(target_name.size()), target_name.data(),
                           int(target_name.size()), TRUE) != CSTR_EQUAL) {
    return false;
  }
  name.remove_prefix(target_name.size());
  if (name.substr(0, mark.size()) != mark || name.substr(name.size() - end.size()) != end) {
    return false;
  }
  name = name.substr(mark.size(), name.size() - mark.size() - end.size());
  return name.find_first_not_of(L"0123456789abcdef-") == std::wstring_view::npos;
}

// Removes what an interrupted replacement of the same file left behind. A temporary file that
// another writer still holds open cannot be deleted and stays.
void RemoveLeftovers(const std::wstring& folder, std::wstring_view target_name) {
  WIN32_FIND_DATAW found;
  const std::wstring pattern = folder + std::wstring(target_name) + kTempMark + L"*" + kTempEnd;
  HANDLE find = FindFirstFileW(pattern.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        IsOurTempName(found.cFileName, target_name)) {
      DeleteFileW((folder + found.cFileName).c_str());
    }
  } while (FindNextFileW(find, &found));
  FindClose(find);
}

std::wstring Hex(unsigned long value) {
  std::wstring digits;
  do {
    digits.insert(digits.begin(), L"0123456789abcdef"[value % 16]);
    value /= 16;
  } while (value != 0);
  return digits;
}

std::wstring TempNameFor(const std::wstring& target) {
  static unsigned long count = 0;
  return target + kTempMark + Hex(GetCurrentProcessId()) + L"-" + Hex(++count) + kTempEnd;
}

class MutexClaim final : public WriterClaim {
 public:
  explicit MutexClaim(HANDLE mutex) : mutex_(mutex) {}
  ~MutexClaim() override {
    if (mutex_) CloseHandle(mutex_);
  }
  MutexClaim(const MutexClaim&) = delete;
  MutexClaim& operator=(const MutexClaim&) = delete;

 private:
  HANDLE mutex_;
};

// One name for a file however its path is spelt in letter case: a hash of its absolute path.
std::wstring ClaimName(const std::string& path) {
  std::wstring full = PrefixedFilePath(path);
  CharUpperBuffW(full.data(), DWORD(full.size()));
  std::uint64_t hash = 14695981039346656037ull;
  for (wchar_t c : full) hash = (hash ^ std::uint64_t(c)) * 1099511628211ull;
  return L"Local\\Vorlisk-writer-" + Hex(static_cast<unsigned long>(hash >> 32)) + L"-" +
         Hex(static_cast<unsigned long>(hash & 0xFFFFFFFFu));
}

class FileReader : public FileSystem::PieceReader {
 public:
  FileReader(std::string path, HANDLE file) : path_(std::move(path)), file_(file) {}
  std::size_t Read(char* into, std::size_t size) override {
    DWORD got = 0;
    if (!::ReadFile(file_.Get(), into, DWORD(std::min<std::size_t>(size, kChunk)), &got, nullptr)) {
      ThrowCannotOpen(path_, GetLastError());
    }
    return got;
  }

 private:
  std::string path_;
  TFileHandle file_;
};

class WinFileSystem : public FileSystem {
 public:
  // The claim is a named object that exists while its first holder keeps it open; the process
  // that finds it there already is not the first. A system that cannot make one grants it.
  std::unique_ptr<WriterClaim> ClaimWriter(const std::string& path) override {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, ClaimName(path).c_str());
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
      CloseHandle(mutex);
      return nullptr;
    }
    return std::make_unique<MutexClaim>(mutex);
  }

  bool FileExists(const std::string& path) override { return vl::FileExists(path); }

  std::string FromSystemCodePage(std::string_view line) const override {
    return SystemCodePageToUtf8(line);
  }

  std::string ReadWholeFile(const std::string& path) override {
    TFileHandle file(OpenForReading(path));
    return ReadAll(path, file.Get());
  }

  std::unique_ptr<PieceReader> OpenPieces(const std::string& path) override {
    return std::make_unique<FileReader>(path, OpenForReading(path));
  }

  void ReplaceWholeFile(const std::string& path, std::string_view bytes) override {
    ReplaceFilePieces(path, [&](const Put& put) { put(bytes); });
  }

  void ReplaceFilePieces(const std::string& path,
                         const std::function<void(const Put&)>& write) override {
    // The file is replaced only where creating it by its own name would work: a folder that is
    // missing fails here as the creation would. Creating a file over a read-only one fails
    // too; the replacement keeps that rule. Every reader takes the long path, so a path past
    // MAX_PATH is no failure.
    const DWORD attributes = GetFileAttributesW(WideFilePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES && GetLastError() != ERROR_FILE_NOT_FOUND) {
      ThrowCannotCreate(path, GetLastError());
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
      ThrowCannotCreate(path, ERROR_ACCESS_DENIED);
    }
    const std::wstring target = PrefixedFilePath(path);
    const std::size_t name_at = target.find_last_of(L'\\') + 1;
    RemoveLeftovers(target.substr(0, name_at), std::wstring_view(target).substr(name_at));
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::wstring temp_name;
    // A name left by another process with the same number is skipped, never overwritten.
    for (int attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
      temp_name = TempNameFor(target);
      handle = CreateFileW(temp_name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
      if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (handle == INVALID_HANDLE_VALUE) ThrowCannotCreate(path, GetLastError());
    TempFile temp(temp_name);
    TFileHandle file(handle);
    write([&](std::string_view bytes) { WriteAll(path, file.Get(), bytes); });
    if (!FlushFileBuffers(file.Get()) || !file.Close()) ThrowCannotCreate(path, GetLastError());
    if (!MoveFileExW(temp.Path().c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      ThrowCannotCreate(path, GetLastError());
    }
    temp.Keep();
  }

 private:
  static HANDLE OpenForReading(const std::string& path) {
    // The wide call, as for the existence test: a data folder past MAX_PATH must read too.
    HANDLE file = CreateFileW(WideFilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
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
