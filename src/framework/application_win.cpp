#include "framework/application_win.h"

#include <algorithm>

#include "framework/control_win.h"
#include "framework/form_win.h"

namespace vl {

TApplication& Application() {
  static TApplication application;
  return application;
}

Dialogs& TApplication::GetDialogs() const {
  return dialogs_ ? *dialogs_ : SystemDialogs();
}

void TApplication::Run() {
  MSG msg;
  while (!terminated_) {
    if (!wait_handles_.empty()) {
      WaitForInputOrHandle();
      continue;
    }
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      terminated_ = true;
      break;
    }
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void TApplication::SetWaitHandles(std::vector<HANDLE> handles, std::function<void()> signalled) {
  wait_handles_ = std::move(handles);
  signalled_ = std::move(signalled);
}

void TApplication::WaitForInputOrHandle() {
  const DWORD count = DWORD(wait_handles_.size());
  const DWORD woken = MsgWaitForMultipleObjectsEx(count, wait_handles_.data(), INFINITE,
                                                  QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  if (woken >= WAIT_OBJECT_0 + count) {
    ProcessMessages();
    return;
  }
  // Nothing of the platform's is on the stack here, so an error ends only the work it stopped.
  try {
    std::function<void()> signalled = signalled_;
    signalled();
  } catch (const std::exception& error) {
    HandleException(error);
  } catch (...) {
    HandleUnknownException();
  }
}

void TApplication::ProcessMessages() {
  while (HandleMessage()) {
  }
}

bool TApplication::HandleMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return false;
  }
  if (!PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

bool TApplication::PreTranslate(MSG& msg) {
  if (!hooks_.empty()) {
    // The newest filter that is still installed decides; copies keep it alive while it runs.
    for (auto it = hooks_.rbegin(); it != hooks_.rend(); ++it) {
      if (it->removed) continue;
      TMessageFilter filter = it->filter;
      ++hook_calls_;
      bool taken = false;
      try {
        taken = filter(msg);
      } catch (...) {
        --hook_calls_;
        throw;
      }
      if (--hook_calls_ == 0) {
        std::erase_if(hooks_, [](const Hook& hook) { return hook.removed; });
      }
      if (taken) return true;
      break;
    }
  }
  return SwallowKeyRelease(msg) || IsShortCut(msg) || IsKeyNavigation(msg) ||
         TWinControl::HandleDialogMessage(msg);
}

void TApplication::InstallMessageHook(const void* owner, TMessageFilter filter) {
  for (Hook& hook : hooks_) {
    if (hook.owner == owner && !hook.removed) {
      hook.filter = std::move(filter);
      return;
    }
  }
  hooks_.push_back({owner, std::move(filter), false});
}

void TApplication::RemoveMessageHook(const void* owner) {
  for (Hook& hook : hooks_) {
    if (hook.owner == owner) hook.removed = true;
  }
  if (hook_calls_ == 0) std::erase_if(hooks_, [](const Hook& hook) { return hook.removed; });
}

bool TApplication::HasMessageHook(const void* owner) const {
  return std::any_of(hooks_.begin(), hooks_.end(),
                     [owner](const Hook& hook) { return hook.owner == owner && !hook.removed; });
}

void TApplication::MainFormMinimized() {
  struct Collect {
    static BOOL CALLBACK Window(HWND window, LPARAM data) {
      auto& app = *reinterpret_cast<TApplication*>(data);
      auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(window));
      if (form && form != app.main_form_ && IsWindowVisible(window)) {
        app.hidden_with_main_form_.push_back(window);
      }
      return TRUE;
    }
  };
  EnumThreadWindows(GetCurrentThreadId(), &Collect::Window, reinterpret_cast<LPARAM>(this));
  for (HWND window : hidden_with_main_form_) ShowWindow(window, SW_HIDE);
}

void TApplication::MainFormRestored() {
  const std::vector<HWND> windows = std::move(hidden_with_main_form_);
  hidden_with_main_form_.clear();
  for (HWND window : windows) {
    // A form the program hid or destroyed meanwhile stays away.
    auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(window));
    if (form && form->Visible()) ShowWindow(window, SW_SHOWNA);
  }
}

namespace {

constexpr UINT kRunTasks = WM_APP + 1;

LRESULT CALLBACK TaskWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == kRunTasks) {
    try {
      Application().RunPostedTasks();
    } catch (const std::exception& error) {
      Application().HandleException(error);
    } catch (...) {
      Application().HandleUnknownException();
    }
    return 0;
  }
  return DefWindowProcW(window, msg, wparam, lparam);
}

}  // namespace

void TApplication::Post(std::function<void()> task) {
  if (!task_window_) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TaskWindowProc;
    wc.hInstance = Instance();
    wc.lpszClassName = L"VorliskTasks";
    RegisterClassExW(&wc);
    // A message-only window: a modal loop of the platform dispatches its messages too, where a
    // thread message would be lost.
    task_window_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   Instance(), nullptr);
  }
  const bool first = tasks_.empty();
  tasks_.push_back(std::move(task));
  if (first) PostMessageW(task_window_, kRunTasks, 0, 0);
}

void TApplication::RunPostedTasks() {
  // A task may post more; those wait for their own message, after the ones already waiting.
  std::vector<std::function<void()>> tasks;
  tasks.swap(tasks_);
  for (size_t i = 0; i < tasks.size(); ++i) {
    try {
      tasks[i]();
    } catch (...) {
      // The rest still run, in a later round; the error goes to the caller now.
      const bool post = tasks_.empty() && i + 1 < tasks.size();
      tasks_.insert(tasks_.begin(), std::make_move_iterator(tasks.begin() + std::ptrdiff_t(i) + 1),
                    std::make_move_iterator(tasks.end()));
      if (post && task_window_) PostMessageW(task_window_, kRunTasks, 0, 0);
      throw;
    }
  }
}

// Every key press goes to the short-cut handler of the form it is typed in, before the focused
// control sees it.
bool TApplication::IsShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  swallowed_key_ = 0;
  swallow_alt_ = false;
  if (!msg.hwnd) return false;
  auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
  if (!form || !form->ShortCutHandler) return false;
  // A copy: the handler may replace itself.
  auto handler = form->ShortCutHandler;
  if (!handler(msg)) return false;
  swallowed_key_ = unsigned(msg.wParam);
  swallow_alt_ = AltHeld(msg);
  return true;
}

bool TApplication::SwallowKeyRelease(const MSG& msg) {
  if (msg.message != WM_KEYUP && msg.message != WM_SYSKEYUP) return false;
  if (swallowed_key_ != 0 && msg.wParam == swallowed_key_) {
    swallowed_key_ = 0;
    return true;
  }
  if (swallow_alt_ && msg.wParam == VK_MENU) {
    swallow_alt_ = false;
    return true;
  }
  return false;
}

void TApplication::Terminate() {
  terminated_ = true;
}

// Tab and Shift+Tab move the focus between the tab stops of a form; we do this ourselves
// because the dialog manager would also turn Enter into a default-button command, and the
// keyword box must see Enter as a character.
bool TApplication::IsKeyNavigation(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  HWND focus = GetFocus();
  if (!focus) return false;
  HWND root = GetAncestor(focus, GA_ROOT);
  if (!TWinControl::FromHandle(root)) return false;
  const bool backwards = GetKeyState(VK_SHIFT) < 0;
  HWND next = GetNextDlgTabItem(root, focus, backwards);
  if (next && next != focus) SetFocus(next);
  return true;
}

void TApplication::HandleException(const std::exception& error) {
  GetDialogs().ShowError(error.what());
}

void TApplication::HandleUnknownException() {
  GetDialogs().ShowError("Unknown error");
}

}  // namespace vl
