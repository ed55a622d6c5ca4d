#include <windows.h>

#include "search/walk.h"

namespace vl {
namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  ~FindHandle() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }

 private:
  HANDLE h_;
};

DirEntry EntryOf(const WIN32_FIND_DATAA& data) {
  bool reparse = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  return DirEntry{data.cFileName, data.dwFileAttributes, reparse ? data.dwReserved0 : 0};
}

class FindLister : public DirectoryLister {
 public:
  bool List(const std::string& pattern, std::vector<DirEntry>& entries) override {
    entries.clear();
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA(pattern.c_str(), &data));
    if (!find.Valid()) return false;
    do {
      entries.push_back(EntryOf(data));
    } while (FindNextFileA(find.Get(), &data));
    return true;
  }
};

}  // namespace

DirectoryLister& SystemDirectoryLister() {
  static FindLister lister;
  return lister;
}

}  // namespace vl
