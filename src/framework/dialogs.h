#pragma once
// The three kinds of message the program shows, behind one seam so that tests can answer a
// question and read a message without a person at the screen. Production code uses the real
// message boxes (dialogs_win.cpp); tests install a recording fake.
//
// Fixed texts of the program are UTF-8 (several end in full-width marks) and are shown through
// the wide-character calls, so they read correctly whatever the ANSI code page. Error texts carry
// data (paths, the system's own messages) as ANSI bytes and are shown as such.

#include <string>
#include <string_view>

namespace vl {

// An opaque platform window handle (HWND on Windows); null means no owner.
using NativeWindow = void*;

// Message box flags and answers, with the platform's values.
namespace mb {
constexpr unsigned kOkCancel = 0x00000001;
constexpr unsigned kIconQuestion = 0x00000020;
constexpr unsigned kDefButton2 = 0x00000100;
constexpr unsigned kTopmost = 0x00040000;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
}  // namespace mb

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // The question box: caption "Tips", the given flags; returns the button pressed (mb::kIdOk ...).
  virtual int Ask(NativeWindow owner, std::string_view text_utf8, unsigned flags) = 0;

  // The information message: the text, one OK button, no icon, the application title as caption,
  // centred on the screen.
  virtual void Inform(std::string_view text_utf8) = 0;

  // The error box: the text (with "." appended when its last character sorts above "."), the
  // application title as caption, an error icon and OK.
  virtual void ShowError(std::string_view text_ansi) = 0;
};

}  // namespace vl

namespace vl {

// The text the error box shows for an error message: a "." is appended when the last byte
// sorts above ".", so sentences end with a stop and texts ending in one get no second.
std::string ErrorBoxText(std::string_view text);

// The real message boxes (MessageBoxW for the UTF-8 fixed texts, MessageBoxA for the ANSI error
// texts); defined in the Windows build only.
Dialogs& SystemDialogs();

}  // namespace vl
