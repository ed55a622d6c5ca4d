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

// Hands the clipboard a movable block with `size` bytes of text and a closing NUL of
// `nul_size` bytes; the clipboard owns the block from then on.
void PutOnClipboard(UINT format, const void* text, std::size_t size, std::size_t nul_size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size + nul_size);
  if (!block) throw Error("Out of memory");
  auto* bytes = static_cast<char*>(GlobalLock(block));
  std::memcpy(bytes, text, size);
  std::memset(bytes + size, 0, nul_size);
  GlobalUnlock(block);
  if (!SetClipboardData(format, block)) {
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
    PutOnClipboard(CF_TEXT, text.data(), text.size(), 1);
    // The same text in UTF-16 as well: a program that reads the clipboard in another code page
    // would otherwise get the bytes re-read in its own and lose every name they cannot spell.
    const std::wstring wide = AnsiToWide(text);
    PutOnClipboard(CF_UNICODETEXT, wide.data(), wide.size() * sizeof(wchar_t), sizeof(wchar_t));
  }
};

}  // namespace

Shell& SystemShell() {
  static SystemShellImpl shell;
  return shell;
}

}  // namespace vl
