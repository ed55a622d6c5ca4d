#pragma once
// Helpers for in-process window tests: the seams of the application replaced by recording
// fakes for the life of a fixture, and the message pumps.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application_win.h"
#include "support/pump_win.h"
#include "support/recording_seams.h"

namespace vl::testing {

inline void Pump() {
  Application().ProcessMessages();
}

// Installs fake dialogs, shell (with the real clipboard) and clock; removes them afterwards and
// forgets any Terminate a test caused.
class SeamsFixture : public ::testing::Test {
 protected:
  SeamsFixture() : shell(&SystemShell()) {
    Application().SetTitle("Vorlisk");
    Application().SetDialogs(&dialogs);
    Application().SetShell(&shell);
    Application().SetClock(&clock);
  }
  ~SeamsFixture() override {
    Pump();
    Application().SetDialogs(nullptr);
    Application().SetShell(nullptr);
    Application().SetClock(nullptr);
    Application().ResetTerminated();
  }

  RecordingDialogs dialogs;
  RecordingShell shell;
  FakeClock clock;
};

// Left-button press and release at a point of a window's client area.
inline void Click(HWND window, int x = 3, int y = 3) {
  const LPARAM at = MAKELPARAM(x, y);
  SendMessageW(window, WM_MOUSEMOVE, 0, at);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(window, WM_LBUTTONUP, 0, at);
}

inline void TypeChars(HWND window, const char* text) {
  for (const char* p = text; *p; ++p) SendMessageW(window, WM_CHAR, WPARAM((unsigned char)*p), 1);
}

// The text on the clipboard, in the process's code page (the program puts it there as
// CF_UNICODETEXT only).
inline std::string ClipboardText() {
  std::string out;
  if (!OpenClipboard(nullptr)) return out;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
      const int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
      if (n > 1) {
        out.resize(std::size_t(n));
        WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), n, nullptr, nullptr);
        out.pop_back();
      }
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return out;
}

// The text on the clipboard as CF_UNICODETEXT.
inline std::wstring ClipboardWideText() {
  std::wstring out;
  if (!OpenClipboard(nullptr)) return out;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
      out = text;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return out;
}

// The visible skinned popup windows of this thread.
inline std::vector<HWND> VisiblePopups() {
  struct Collect {
    static BOOL CALLBACK Window(HWND w, LPARAM data) {
      wchar_t name[32] = {};
      GetClassNameW(w, name, 32);
      if (std::wstring(name) == L"VorliskPopup" && IsWindowVisible(w)) {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(w);
      }
      return TRUE;
    }
  };
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), &Collect::Window, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace vl::testing
