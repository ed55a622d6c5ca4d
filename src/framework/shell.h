#pragma once
// What the program hands to the operating system's shell and clipboard, behind a seam so that
// tests can see the values without starting another program. Production code uses SystemShell().

#include <string_view>

#include "framework/dialogs.h"

namespace vl {

namespace sw {
constexpr int kShowNormal = 1;
constexpr int kShow = 5;
}  // namespace sw

class Shell {
 public:
  virtual ~Shell() = default;

  // ShellExecuteA; an empty verb means the file's default verb. False when the shell refused
  // (no program for the file, a name it cannot open): it shows nothing of its own then.
  virtual bool Execute(NativeWindow owner, std::string_view verb, std::string_view file,
                       std::string_view parameters, int show) = 0;

  // Puts `text` (bytes in the process's code page) on the clipboard as CF_UNICODETEXT, from
  // which the system makes CF_TEXT in the code page of each program that reads it, replacing
  // the clipboard's contents. Throws
  // vl::Error("Cannot open clipboard") when another program holds the clipboard.
  virtual void CopyText(NativeWindow owner, std::string_view text) = 0;
};

// The real shell and clipboard; defined in the Windows build only.
Shell& SystemShell();

}  // namespace vl
