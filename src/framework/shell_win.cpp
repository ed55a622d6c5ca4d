#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "framework/errors.h"
#include "framework/handles_win.h"
#include "framework/shell.h"
#include "framework/text_win.h"

namespace vl {
namespace {

const char* OrNull(const std::string& s) {
  return s.empty() ? nullptr : s.c_str();
}

// Hands the clipboard a movable block with the text and its closing NUL; the clipboard owns the
// block from then on.
void PutOnClipboard(std::wstring_view text) {
  const std::size_t size = text.size() * sizeof(wchar_t);
  const std::size_t nul_size = sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size + nul_size);
  if (!block) throw Error("Out of memory");
  auto* bytes = static_cast<char*>(GlobalLock(block));
  std::memcpy(bytes, text.data(), size);
  std::memset(bytes + size, 0, nul_size);
  GlobalUnlock(block);
  if (!SetClipboardData(CF_UNICODETEXT, block)) {
    GlobalFree(block);
    throw Error("Cannot open clipboard");
  }
}

class SystemShellImpl final : public Shell {
 public:
  bool Execute(NativeWindow owner, std::string_view verb, std::string_view file,
               std::string_view parameters, int show) override {
    std::string v(verb), f(file), p(parameters);
    const HINSTANCE result =
        ShellExecuteA(static_cast<HWND>(owner), OrNull(v), f.c_str(), OrNull(p), nullptr, show);
    return reinterpret_cast<INT_PTR>(result) > 32;
  }

  void CopyText(NativeWindow owner, std::string_view text) override {
    TClipboardLock lock(static_cast<HWND>(owner));
    if (!lock.Open()) throw Error("Cannot open clipboard");
    EmptyClipboard();
    // UTF-16 only: the system makes CF_TEXT from it for a program that asks, in that program's
    // code page. Bytes put as CF_TEXT would be read in the reader's code page, and the
    // program's own (UTF-8) spells every accented name wrong in any other.
    PutOnClipboard(AnsiToWide(text));
  }
};

}  // namespace

Shell& SystemShell() {
  static SystemShellImpl shell;
  return shell;
}

}  // namespace vl
