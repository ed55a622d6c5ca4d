// The window states of the skinned frame: minimized to a bar among the other frames' bars,
// maximized to the work area (the main window through the platform, which then keeps its normal
// bounds), restored, rolled up to the caption; and the platform's own maximize and restore
// followed. The arithmetic is in window_states.h.
#include "skin/form/skin_form_win.h"

#include "skin/paint/paint_win.h"

namespace vl {
namespace {

TRect MonitorOf(HWND window) {
  return WorkAreaOf(window, true);
}

// A window's normal position in its placement is in workspace coordinates: relative to the
// work area rather than to the screen (they differ while a task bar sits at the left or top).
TPoint WorkspaceOffset(HWND window) {
  if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return {};
  const TRect work = WorkAreaOf(window, false);
  const TRect monitor = WorkAreaOf(window, true);
  return {work.left - monitor.left, work.top - monitor.top};
}

}  // namespace

void TskSkinForm::SetWindowState(TskWindowState state) {
  if (!skinning_) {
    const int show = state == TskWindowState::wsMaximized   ? SW_MAXIMIZE
                     : state == TskWindowState::wsMinimized ? SW_MINIMIZE
                                                            : SW_RESTORE;
    ShowWindow(form_.Handle(), show);
    return;
  }
  // The main window minimized by the platform comes back where it was (normal, or maximized by
  // the frame) before any other state is taken.
  if (state != TskWindowState::wsMinimized && IsIconic(form_.Handle())) {
    ShowWindow(form_.Handle(), SW_RESTORE);
  }
  if (state == window_state_) return;
  // The buttons are about to move away from the pointer, and a glow would stay where it was
  // shown.
  ClearHover();
  const TRect current = WindowBounds();
  switch (state) {
    case TskWindowState::wsMinimized: {
      if (IsAppMainForm()) {
        // The main window takes the whole application to the task bar.
        ShowWindow(form_.Handle(), SW_MINIMIZE);
        return;
      }
      if (restored_bounds_.IsEmpty()) restored_bounds_ = current;
      window_state_ = state;
      const TskTrackSize min = MinTrackSize();
      const TPoint slot = MinimizedSlot(WorkAreaOf(form_.Handle(), false), min.min_width,
                                        min.min_height, MinimizedBarsOfOthers());
      SetWindowBounds(RectOfSize(slot.x, slot.y, min.min_width, min.min_height));
      if (OnMinimize) OnMinimize();
      break;
    }
    case TskWindowState::wsMaximized: {
      rolled_up_before_maximizing_ = rolled_up_;
      window_state_ = state;
      // The platform keeps the main window's normal bounds; a hidden window would be shown by
      // it, so the frame keeps those until the window is on screen.
      platform_maximized_ = IsAppMainForm() && IsWindowVisible(form_.Handle());
      if (platform_maximized_) {
        if (!IsZoomed(form_.Handle())) ShowWindow(form_.Handle(), SW_MAXIMIZE);
      } else if (restored_bounds_.IsEmpty()) {
        restored_bounds_ = current;
      }
      SetWindowBounds(MaximizedTarget());
      if (OnMaximize) OnMaximize();
      break;
    }
    case TskWindowState::wsNormal: {
      if (window_state_ == TskWindowState::wsMaximized && rolled_up_ &&
          !rolled_up_before_maximizing_) {
        rolled_up_ = false;
      }
      rolled_up_while_maximized_ = false;
      window_state_ = state;
      if (platform_maximized_) {
        platform_maximized_ = false;
        if (IsZoomed(form_.Handle())) ShowWindow(form_.Handle(), SW_RESTORE);
      }
      const TRect restored = WindowBounds();
      const TRect target = RestoredBounds(restored_bounds_, restored);
      SetWindowBounds(target);
      if (form_.Visible()) pointer_.StartPolling();
      if (target == restored) NudgeWidth();
      restored_bounds_ = {};
      if (OnRestore) OnRestore();
      break;
    }
  }
  LoadHints();
  LayoutObjects();
  PaintFrame();
  InvalidateRect(form_.Handle(), nullptr, TRUE);
}

TRect TskSkinForm::MaximizedTarget() const {
  return MaximizedBounds(WorkAreaOf(form_.Handle(), MaximizeOnFullScreen),
                         MonitorOf(form_.Handle()), GetSystemMetrics(SM_CXSCREEN),
                         GetSystemMetrics(SM_CYSCREEN));
}

// The platform maximized or restored the window by itself (a shell start "Run: Maximized",
// ShowWindow from a task bar or another program). The main window keeps the platform's maximize
// at the skinned bounds. Another window's maximize would cut its frame off and keep the
// platform's maximize look: it is put back into the normal state at the skinned maximized bounds
// in one step, the platform's normal bounds being what a restore gives back.
void TskSkinForm::FollowPlatformState() {
  const HWND h = form_.Handle();
  if (!skinning_ || IsIconic(h)) return;
  if (!IsZoomed(h)) {
    if (platform_maximized_ && window_state_ == TskWindowState::wsMaximized) {
      SetWindowState(TskWindowState::wsNormal);
    }
    return;
  }
  if (IsAppMainForm()) {
    if (window_state_ != TskWindowState::wsMaximized || !platform_maximized_) {
      // Maximized by the frame while hidden: taken again, this time through the platform.
      window_state_ = TskWindowState::wsNormal;
      SetWindowState(TskWindowState::wsMaximized);
    }
    return;
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(h, &placement)) return;
  const TPoint offset = WorkspaceOffset(h);
  const TRect normal = FromRECT(placement.rcNormalPosition).Offset(offset.x, offset.y);
  if (window_state_ == TskWindowState::wsNormal && restored_bounds_.IsEmpty()) {
    restored_bounds_ = normal;
  }
  placement.showCmd = SW_SHOWNORMAL;
  placement.flags = 0;
  placement.rcNormalPosition = ToRECT(MaximizedTarget().Offset(-offset.x, -offset.y));
  SetWindowPlacement(h, &placement);
  SetWindowState(TskWindowState::wsMaximized);
}

// A caption button's command.
void TskSkinForm::RunCommand(TStdCommand command) {
  if (command != TStdCommand::cmRollUp) ClearHover();
  switch (command) {
    case TStdCommand::cmClose:
      form_.Close();
      break;
    case TStdCommand::cmMaximize:
      SetWindowState(window_state_ == TskWindowState::wsMaximized ? TskWindowState::wsNormal
                                                                  : TskWindowState::wsMaximized);
      break;
    case TStdCommand::cmMinimize:
      SetWindowState(window_state_ == TskWindowState::wsMinimized ? TskWindowState::wsNormal
                                                                  : TskWindowState::wsMinimized);
      break;
    case TStdCommand::cmRollUp:
      SetRolledUp(!rolled_up_);
      break;
    default:
      // The system menu opens with the skinned popups; minimizing to the tray needs a tray icon,
      // which neither window has.
      break;
  }
}

bool TskSkinForm::InRestoreLook(TStdCommand command) const {
  switch (command) {
    case TStdCommand::cmMaximize:
      return window_state_ == TskWindowState::wsMaximized;
    case TStdCommand::cmMinimize:
      return window_state_ == TskWindowState::wsMinimized;
    case TStdCommand::cmRollUp:
      return rolled_up_;
    default:
      return false;
  }
}

void TskSkinForm::SetRolledUp(bool rolled_up) {
  if (!border_icons_.roll_up || rolled_up == rolled_up_) return;
  if (window_state_ == TskWindowState::wsMinimized) return;
  const bool maximized = window_state_ == TskWindowState::wsMaximized;
  if (maximized && rolled_up_ && !rolled_up_while_maximized_) return;
  if (maximized) rolled_up_while_maximized_ = rolled_up;
  const TRect b = WindowBounds();
  rolled_up_ = rolled_up;
  if (rolled_up) {
    rolled_up_saved_height_ = b.Height();
    SetWindowBounds(RectOfSize(b.left, b.top, b.Width(), MinTrackSize().min_height));
  } else if (client_size_.y > 0) {
    form_.SetClientSize(form_.ClientWidth(), client_size_.y);
  } else {
    SetWindowBounds(RectOfSize(b.left, b.top, b.Width(), rolled_up_saved_height_));
  }
  if (OnChangeRollUpState) OnChangeRollUpState();
}

}  // namespace vl
