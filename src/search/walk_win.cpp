#include <windows.h>

#include "framework/handles_win.h"
#include "framework/text_win.h"
#include "search/path_ops_win.h"
#include "search/walk.h"

namespace vl {
namespace {

// The identity class of GetFileInformationByHandleEx from Windows 8 on, with its 128-bit file
// index; the headers declare it only for that version.
constexpr auto kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);
struct FileIdInfo {
  ULONGLONG volume_serial;
  BYTE file_id[16];
};

// NtQueryInformationFile's answer about a file's index, which it gives without the volume's
// serial number: some hosts (Wine asks its mount manager) take far longer for the serial than
// for opening the folder, and a real folder shares its parent's volume anyway.
constexpr int kFileInternalInformation = 6;
struct IoStatusBlock {
  union {
    LONG status;
    void* pointer;
  };
  ULONG_PTR information;
};
using QueryInformationFile = LONG(WINAPI*)(HANDLE, IoStatusBlock*, void*, ULONG, int);

std::optional<std::uint64_t> FileIndexOf(HANDLE file) {
  static const auto query = reinterpret_cast<QueryInformationFile>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
  if (!query) return std::nullopt;
  IoStatusBlock status{};
  LARGE_INTEGER index{};
  if (query(file, &status, &index, sizeof index, kFileInternalInformation) < 0) {
    return std::nullopt;
  }
  // A file system whose indexes do not fit in 64 bits says so with -1.
  if (index.QuadPart == -1) return std::nullopt;
  return std::uint64_t(index.QuadPart);
}

// The basic level (no 8.3 names) and the large fetch make the listing cheaper from Windows 7
// on; older systems refuse both as an invalid parameter and get the standard listing.
HANDLE FindFirst(const std::wstring& pattern, WIN32_FIND_DATAW& data) {
  static bool basic = true;
  if (basic) {
    HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find != INVALID_HANDLE_VALUE || GetLastError() != ERROR_INVALID_PARAMETER) return find;
    basic = false;
  }
  return FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &data, FindExSearchNameMatch,
                          nullptr, 0);
}

DirEntry EntryOf(const WIN32_FIND_DATAW& data) {
  bool reparse = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  return DirEntry{NarrowFileName(data.cFileName), data.dwFileAttributes,
                  reparse ? data.dwReserved0 : 0};
}

std::optional<FolderId> IdentityOf(HANDLE file) {
  FileIdInfo id{};
  if (GetFileInformationByHandleEx(file, kFileIdInfo, &id, sizeof id)) {
    FolderId folder{id.volume_serial, 0, 0};
    for (int i = 0; i < 8; ++i) {
      folder.index_low |= std::uint64_t(id.file_id[i]) << (8 * i);
      folder.index_high |= std::uint64_t(id.file_id[8 + i]) << (8 * i);
    }
    return folder;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file, &info)) return std::nullopt;
  return FolderId{info.dwVolumeSerialNumber, 0,
                  (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

TFileHandle OpenFolder(const std::string& folder) {
  // A link or a mount point is followed to the folder it names.
  return TFileHandle(CreateFileW(WideFilePath(folder).c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// No match is an answer of its own; every other failure (missing folder, access denied) is
// the folder's listing failing.
Listing FailedListing() {
  DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ? Listing::kNoMatch
                                                                       : Listing::kFailed;
}

class FindLister : public DirectoryLister {
 public:
  Listing List(const std::string& pattern, std::vector<DirEntry>& entries) override {
    entries.clear();
    WIN32_FIND_DATAW data;
    TFindHandle find(FindFirst(WideFilePath(pattern), data));
    if (!find.Valid()) return FailedListing();
    do {
      entries.push_back(EntryOf(data));
    } while (FindNextFileW(find.Get(), &data));
    return Listing::kListed;
  }

  std::optional<FolderId> Identify(const std::string& folder, const FolderId* parent) override {
    TFileHandle file = OpenFolder(folder);
    if (!file.Valid()) return std::nullopt;
    const std::optional<std::uint64_t> index = FileIndexOf(file.Get());
    if (index && parent) return FolderId{parent->volume, 0, *index};
    std::optional<FolderId> id = IdentityOf(file.Get());
    // Every folder's index in one spelling, so that a link's folder matches the real one.
    if (id && index) *id = FolderId{id->volume, 0, *index};
    // A volume without a serial number (some card formats; under Wine, the host's virtual
    // file systems) cannot tell its folders from those of another such volume.
    if (id && id->volume == 0) return std::nullopt;
    return id;
  }

  std::optional<std::string> FinalPath(const std::string& folder) override {
    TFileHandle file = OpenFolder(folder);
    if (!file.Valid()) return std::nullopt;
    DWORD size = GetFinalPathNameByHandleW(file.Get(), nullptr, 0, VOLUME_NAME_DOS);
    if (size == 0) return std::nullopt;
    std::wstring path(size, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file.Get(), path.data(), size, VOLUME_NAME_DOS);
    if (length == 0 || length >= size) return std::nullopt;
    path.resize(length);
    if (path.back() != L'\\') path += L'\\';
    return WideToAnsi(path);
  }

  // The root made whole and given the long-path prefix, so that no name after it is cleaned
  // up: without the prefix a folder named "apache." would be listed as "apache". The "*" keeps
  // a root that is a prefix of names ("C:", "D:\Data") from being taken for a folder.
  std::string ListingRoot(const std::string& root) override {
    std::string whole = WideToAnsi(PrefixedFilePath(root + "*"));
    whole.pop_back();
    return whole;
  }
};

}  // namespace

DirectoryLister& SystemDirectoryLister() {
  static FindLister lister;
  return lister;
}

}  // namespace vl
