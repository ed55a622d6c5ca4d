#include <windows.h>

#include "search/locations.h"
#include "search/path_ops.h"
#include "search/path_ops_win.h"

namespace vl {

std::string AppDirectory() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), DWORD(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::string(ExtractFilePath(path, SystemLeadBytes()));
}

bool FileExists(const std::string& path) {
  const std::wstring wide = WideFilePath(path);
  DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  // Files held open without sharing (a page file) have no readable attributes but are listed.
  if (GetLastError() != ERROR_SHARING_VIOLATION) return false;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(wide.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(WideFilePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ForceDirectories(const std::string& path) {
  std::string folder = path;
  const LeadBytes& lead = SystemLeadBytes();
  if (!folder.empty() && folder.back() == '\\' &&
      ExtractFilePath(folder, lead).size() == folder.size()) {
    folder.pop_back();
  }
  if (folder.size() < 3 || DirectoryExists(folder)) return true;
  std::string parent(ExtractFilePath(folder, lead));
  if (!ForceDirectories(parent)) return false;
  return CreateDirectoryW(WideFilePath(folder).c_str(), nullptr) ||
         GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace vl
