#include "search/change_source_win.h"

#include "search/path_ops_win.h"

namespace vl {
namespace {

// A wait of the message loop takes at most 64 handles, one of them its own.
constexpr std::size_t kMostWatches = MAXIMUM_WAIT_OBJECTS - 2;
// Room for about a thousand names between two collections; a larger burst overflows the buffer,
// and the root is then walked again.
constexpr DWORD kBufferBytes = 64 * 1024;
constexpr DWORD kNameChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;

}  // namespace

struct SystemChangeSource::RootWatch {
  explicit RootWatch(std::string root_text)
      : root(std::move(root_text)), event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~RootWatch() {
    Close();
    CloseHandle(event);
  }

  // Opens the folder and starts the first read; false when either fails.
  bool Open() {
    folder = CreateFileW(WideFilePath(root).c_str(), FILE_LIST_DIRECTORY,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return false;
    if (Read()) return true;
    Close();
    return false;
  }

  bool Read() {
    overlapped = OVERLAPPED{};
    overlapped.hEvent = event;
    reading = ReadDirectoryChangesW(folder, buffer.data(), kBufferBytes, TRUE, kNameChanges,
                                    nullptr, &overlapped, nullptr) != FALSE;
    return reading;
  }

  // A read still under way owns the buffer until it has been cancelled and has ended.
  void Close() {
    if (folder == INVALID_HANDLE_VALUE) return;
    if (reading) {
      DWORD bytes = 0;
      CancelIoEx(folder, &overlapped);
      GetOverlappedResult(folder, &overlapped, &bytes, TRUE);
      reading = false;
    }
    CloseHandle(folder);
    folder = INVALID_HANDLE_VALUE;
    ResetEvent(event);
  }

  // What the finished read brought, then the next read. A watch that fails or overflows asks
  // for its root to be walked again, and one that could not be opened tries again each time.
  void Collect(ChangeSet& changes) {
    if (folder == INVALID_HANDLE_VALUE) {
      if (Open()) changes.subtrees.insert(root);
      return;
    }
    DWORD bytes = 0;
    if (!GetOverlappedResult(folder, &overlapped, &bytes, FALSE)) {
      if (GetLastError() == ERROR_IO_INCOMPLETE) return;
      reading = false;
      Lost(changes);
      return;
    }
    reading = false;
    if (bytes == 0) {
      changes.subtrees.insert(root);
    } else {
      Parse(changes, bytes);
    }
    if (!Read()) Lost(changes);
  }

  void Lost(ChangeSet& changes) {
    changes.subtrees.insert(root);
    Close();
  }

  void Parse(ChangeSet& changes, DWORD bytes) const {
    const auto* base = reinterpret_cast<const BYTE*>(buffer.data());
    for (DWORD offset = 0; offset < bytes;) {
      const auto* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(base + offset);
      changes.PathChanged(root, NarrowFileName({info->FileName, info->FileNameLength / 2}));
      if (info->NextEntryOffset == 0) break;
      offset += info->NextEntryOffset;
    }
  }

  std::string root;
  HANDLE event;
  HANDLE folder = INVALID_HANDLE_VALUE;
  OVERLAPPED overlapped{};
  bool reading = false;
  std::vector<DWORD> buffer = std::vector<DWORD>(kBufferBytes / sizeof(DWORD));
};

SystemChangeSource::SystemChangeSource() = default;
SystemChangeSource::~SystemChangeSource() = default;

void SystemChangeSource::Watch(const TextList& roots) {
  Stop();
  for (const std::string& root : roots) {
    if (watches_.size() == kMostWatches) break;
    if (root.empty() || root.back() != '\\') continue;
    auto watch = std::make_unique<RootWatch>(root);
    watch->Open();
    watches_.push_back(std::move(watch));
  }
}

void SystemChangeSource::Stop() {
  watches_.clear();
}

void SystemChangeSource::Collect(ChangeSet& changes) {
  for (auto& watch : watches_) watch->Collect(changes);
}

std::vector<HANDLE> SystemChangeSource::Events() const {
  std::vector<HANDLE> events;
  for (const auto& watch : watches_) events.push_back(watch->event);
  return events;
}

}  // namespace vl
