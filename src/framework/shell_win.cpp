#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "framework/errors.h"
#include "framework/shell.h"

namespace vl {
namespace {

const char* OrNull(const std::string& s) {
  return s.empty() ? nullptr : s.c_str();
}

class ClipboardLock {
 public:
  explicit ClipboardLock(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~ClipboardLock() {
    if (open_) CloseClipboard();
  }
  ClipboardLock(const ClipboardLock&) = delete;
  ClipboardLock& operator=(const ClipboardLock&) = delete;
  bool Open() const { return open_; }

 private:
  bool open_;
};

class SystemShellImpl final : public Shell {
 public:
  void Execute(NativeWindow owner, std::string_view verb, std::string_view file,
               std::string_view parameters, int show) override {
    std::string v(verb), f(file), p(parameters);
    ShellExecuteA(static_cast<HWND>(owner), OrNull(v), f.c_str(), OrNull(p), nullptr, show);
  }

  void CopyText(NativeWindow owner, std::string_view text) override {
    ClipboardLock lock(static_cast<HWND>(owner));
    if (!lock.Open()) throw Error("Cannot open clipboard");
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) throw Error("Out of memory");
    auto* bytes = static_cast<char*>(GlobalLock(block));
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    GlobalUnlock(block);
    if (!SetClipboardData(CF_TEXT, block)) {
      GlobalFree(block);
      throw Error("Cannot open clipboard");
    }
  }
};

}  // namespace

Shell& SystemShell() {
  static SystemShellImpl shell;
  return shell;
}

}  // namespace vl
