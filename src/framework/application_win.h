#pragma once
// The application object: title, message loop, the pump that long work calls, the top-level
// error handler, and the seams (message boxes, shell, clock) that tests replace.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/clock.h"
#include "framework/dialogs.h"
#include "framework/shell.h"

namespace vl {

class TForm;

class TApplication {
 public:
  TApplication() = default;
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // UTF-8; the caption of every information message and error box.
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title_utf8) { title_ = std::move(title_utf8); }
  HINSTANCE Instance() const { return GetModuleHandleW(nullptr); }

  TForm* MainForm() const { return main_form_; }
  void SetMainForm(TForm* form) { main_form_ = form; }
  // The show command the program was started with (a shortcut set to run maximized or
  // minimized): the main form's first show takes it, later shows are plain ones.
  void SetShowCommand(int show) { show_command_ = show; }
  int TakeShowCommand() { return std::exchange(show_command_, SW_SHOW); }

  // Runs the message loop until Terminate.
  void Run();
  // Kernel objects the loop of Run waits on together with the input (at most 63). When one of
  // them is set, `signalled` runs from that loop, never from ProcessMessages, so it never runs
  // inside other work that pumps messages. An empty list waits for input only.
  void SetWaitHandles(std::vector<HANDLE> handles, std::function<void()> signalled);
  // Handles every message that is waiting, then returns. A quit message ends the loop of Run.
  void ProcessMessages();
  // Ends the message loop.
  void Terminate();
  bool Terminated() const { return terminated_; }
  // For a program (or a test) that runs the loop again after a Terminate.
  void ResetTerminated() { terminated_ = false; }

  // The top-level error handler: the error box with the exception's text.
  void HandleException(const std::exception& error);
  void HandleUnknownException();

  // A filter that sees every message the loop (Run or ProcessMessages) takes, before the
  // short-cut handling and the dispatch; true drops the message. Filters stack: the newest one
  // is asked, and only its owner removes it. Removal from inside the filter's own call waits
  // until that call has returned.
  using TMessageFilter = std::function<bool(MSG&)>;
  void InstallMessageHook(const void* owner, TMessageFilter filter);
  void RemoveMessageHook(const void* owner);
  bool HasMessageHook(const void* owner) const;

  // The main form minimized minimizes the application: every other visible form goes off the
  // screen with it, and comes back when the main form is restored. The main form calls these
  // from its size changes, so every way of minimizing it counts.
  void MainFormMinimized();
  void MainFormRestored();

  // Runs `task` from the message loop once the current message has been handled, also while a
  // message box or a modal loop of the platform is running. Tasks run in the order posted.
  void Post(std::function<void()> task);
  // Runs the posted tasks now (the loop calls it; so may a test).
  void RunPostedTasks();

  Dialogs& GetDialogs() const;
  // Null restores the real message boxes.
  void SetDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
  Shell& GetShell() const { return shell_ ? *shell_ : SystemShell(); }
  void SetShell(Shell* shell) { shell_ = shell; }
  const Clock& GetClock() const { return clock_ ? *clock_ : SystemClock(); }
  void SetClock(const Clock* clock) { clock_ = clock; }

 private:
  bool HandleMessage();
  // One wait of Run for input or a handle, and its handling.
  void WaitForInputOrHandle();
  // Filters, short-cuts, key navigation and dialog keys; true when the message was taken.
  bool PreTranslate(MSG& msg);
  bool IsKeyNavigation(const MSG& msg);
  bool IsShortCut(const MSG& msg);
  bool SwallowKeyRelease(const MSG& msg);

  struct Hook {
    const void* owner;
    TMessageFilter filter;
    bool removed;
  };
  std::vector<Hook> hooks_;
  int hook_calls_ = 0;
  std::vector<std::function<void()>> tasks_;
  std::vector<HANDLE> wait_handles_;
  std::function<void()> signalled_;
  std::vector<HWND> hidden_with_main_form_;
  HWND task_window_ = nullptr;
  // The release of a key that a short-cut took (and of Alt, when Alt was held) is dropped, so
  // the platform's Alt-tap logic never acts on half a key stroke that was already answered.
  unsigned swallowed_key_ = 0;
  bool swallow_alt_ = false;

  std::string title_;
  TForm* main_form_ = nullptr;
  int show_command_ = SW_SHOW;
  bool terminated_ = false;
  Dialogs* dialogs_ = nullptr;
  Shell* shell_ = nullptr;
  const Clock* clock_ = nullptr;
};

TApplication& Application();

// Alt is held with a key message, as the message itself says (the key state may lag behind it).
inline bool AltHeld(const MSG& msg) {
  return (msg.message == WM_SYSKEYDOWN && (msg.lParam & (1 << 29))) || GetKeyState(VK_MENU) < 0;
}

}  // namespace vl
