// The messages of the skinned frame's form, seen ahead of the form's own handling: the skin
// data's notices, the frame's posted reminders, and one handler for every window message the
// painted frame answers instead of the platform.
#include "skin/form/skin_form_win.h"

#include <algorithm>

#include "skin/controls/skin_control_win.h"
#include "skin/paint/paint_win.h"

namespace vl {
namespace {

// The pointer's messages over the frame: the frame's objects answer them.
bool NonClientPointerMessage(UINT msg) {
  switch (msg) {
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

// Over the client area only the moves and releases matter: a press that began on an object
// ends there.
bool PointerMessage(UINT msg) {
  return NonClientPointerMessage(msg) || msg == WM_LBUTTONUP || msg == WM_RBUTTONUP ||
         msg == WM_MOUSEMOVE;
}

// While the platform shows the window minimized, the small bar it draws is the platform's own:
// the frame paints, hit-tests and answers nothing of it.
bool IconicNonClientMessage(UINT msg) {
  return msg == WM_NCCALCSIZE || msg == WM_NCPAINT || msg == WM_NCACTIVATE || msg == WM_NCHITTEST ||
         NonClientPointerMessage(msg);
}

}  // namespace

bool TskSkinForm::HandleSkinMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (lparam != kSkinMessageTag) return false;
  // The sender is compared with this window's skin data and never used: a skin data object of
  // another window, or one already gone, names itself here too.
  const void* sender = reinterpret_cast<const void*>(wparam);
  const bool ours = skin_data_ && sender == static_cast<const void*>(skin_data_);
  switch (msg) {
    case SKN_BEFORECHANGE:
      if (ours) BeforeChange();
      RelaySkinChange(form_, sender, SKN_BEFORECHANGE);
      return true;
    case SKN_CHANGE:
      changing_ = false;
      if (ours) SwitchSkinning(skin_data_->SkinnableForm());
      RelaySkinChange(form_, sender, SKN_CHANGE);
      return true;
    case SKN_AFTERCHANGE:
      return true;
    case SKN_SKINNABLECHANGED:
      if (ours && !(GetWindowLongW(form_.Handle(), GWL_STYLE) & WS_CHILD)) {
        SwitchSkinning(skin_data_->SkinnableForm());
      }
      return true;
    case SKN_STRINGSCHANGED:
      if (ours) LoadHints();
      return true;
    default:
      return false;
  }
}

bool TskSkinForm::HookMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (msg == kCheckSkinChange) {
    // A load that announced a change and never made it (a broken or too new package) leaves no
    // skin to draw: the frame falls back to the default look instead of staying unpainted.
    if (changing_) {
      changing_ = false;
      ApplySkin();
    }
    result = 0;
    return true;
  }
  if (msg == SKN_CLOSEMENUS) {
    menu_session_.ChainEnded();
    result = 0;
    return true;
  }
  if (msg == kFollowPlatformState) {
    FollowPlatformState();
    result = 0;
    return true;
  }
  CloseMenusBefore(msg, wparam);
  if (msg >= WM_USER && HandleSkinMessage(msg, wparam, lparam)) {
    result = 0;
    return true;
  }
  if (!skinning_) return false;
  return HandleFrameMessage(msg, wparam, lparam, result);
}

bool TskSkinForm::HandleFrameMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (IconicNonClientMessage(msg) && IsIconic(form_.Handle())) {
    if (msg == WM_NCACTIVATE) form_active_ = wparam != FALSE;
    return false;
  }
  if (PointerMessage(msg)) {
    result = WmPointerMessage(msg, wparam, lparam);
    return true;
  }
  switch (msg) {
    case WM_DESTROY:
      WmDestroy();
      return false;
    case WM_NCCALCSIZE:
      result = WmNcCalcSize(wparam, lparam);
      return true;
    case WM_NCPAINT:
      PaintFrame();
      result = 0;
      return true;
    case WM_NCACTIVATE:
      result = WmNcActivate(wparam != FALSE);
      return true;
    case WM_ACTIVATE:
      result = WmActivate(wparam, lparam);
      return true;
    case WM_NCHITTEST:
      result = WmNcHitTest(lparam);
      return true;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      if (!pointer_.EndingCapture() && (pointer_.Captured() >= 0 || pointer_.Hovered() >= 0)) {
        CancelPress();
      }
      return false;
    case WM_GETMINMAXINFO:
      result = WmGetMinMaxInfo(wparam, lparam);
      return true;
    case WM_SIZE:
      result = WmSize(wparam, lparam);
      return true;
    case WM_SIZING:
      WmSizing(*reinterpret_cast<RECT*>(lparam));
      return false;
    case WM_MOVING:
      // A maximized window stays where it is.
      if (window_state_ != TskWindowState::wsMaximized) return false;
      *reinterpret_cast<RECT*>(lparam) = ToRECT(WindowBounds());
      result = TRUE;
      return true;
    case WM_ENTERSIZEMOVE:
      WmEnterSizeMove();
      return false;
    case WM_EXITSIZEMOVE:
      WmExitSizeMove();
      return false;
    case WM_SETTEXT:
      result = Previous(msg, wparam, lparam);
      PaintFrame();
      return true;
    case WM_SHOWWINDOW:
      result = WmShowWindow(wparam, lparam);
      return true;
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wparam));
      result = 1;
      return true;
    case WM_SYSCOMMAND:
      if (!WmSysCommand(wparam)) return false;
      result = 0;
      return true;
    default:
      return false;
  }
}

void TskSkinForm::WmDestroy() {
  StopTimers();
  HideGlowFrames();
  pointer_.EndCapture();
}

LRESULT TskSkinForm::WmNcCalcSize(WPARAM wparam, LPARAM lparam) {
  RECT* r = reinterpret_cast<RECT*>(lparam);
  if (wparam) r = &reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0];
  *r = ToRECT(ClientOfWindow(FromRECT(*r), Insets()));
  return 0;
}

LRESULT TskSkinForm::WmNcActivate(bool active) {
  HideGlowFrames();
  form_active_ = active;
  if (!form_active_) {
    pointer_.StopPolling();
    CancelPress();
  }
  PaintFrame();
  return TRUE;
}

LRESULT TskSkinForm::WmActivate(WPARAM wparam, LPARAM lparam) {
  const LRESULT result = Previous(WM_ACTIVATE, wparam, lparam);
  form_active_ = LOWORD(wparam) != WA_INACTIVE;
  for (const auto& object : objects_) {
    if (!object->IsCaption() && int(&object - objects_.data()) != pointer_.Captured()) {
      object->Reset();
    }
  }
  // A reset object is no longer hovered, and an inactive frame hovers nothing but the object a
  // press holds; nobody is told, as the reset took the looks back already.
  const int hovered = pointer_.Hovered();
  if (hovered >= 0 && hovered != pointer_.Captured() &&
      (!form_active_ || !objects_[std::size_t(hovered)]->IsCaption())) {
    pointer_.ForgetHover();
  }
  PaintFrame();
  return result;
}

LRESULT TskSkinForm::WmNcHitTest(LPARAM lparam) {
  const TPoint p = WindowPoint(lparam);
  const int result = HitTest(p);
  if (result == kHtObject && !pointer_.Polling()) {
    TestHover(p);
    if (form_active_ && IsWindowVisible(form_.Handle())) pointer_.StartPolling();
  }
  return result;
}

LRESULT TskSkinForm::WmPointerMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  // The platform's right press on the caption waits for the release and then offers its own
  // system menu; the frame opens the skinned one instead.
  LRESULT result = 0;
  if ((msg != WM_NCRBUTTONDOWN && msg != WM_NCRBUTTONDBLCLK) || wparam != HTCAPTION) {
    result = Previous(msg, wparam, lparam);
  }
  HandlePointer(msg, wparam, lparam);
  return result;
}

LRESULT TskSkinForm::WmGetMinMaxInfo(WPARAM wparam, LPARAM lparam) {
  const LRESULT result = Previous(WM_GETMINMAXINFO, wparam, lparam);
  auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
  const TskTrackSize min = MinTrackSize();
  const TRect work = WorkAreaOf(form_.Handle(), MaximizeOnFullScreen);
  info->ptMinTrackSize = {min.min_width, min.min_height};
  info->ptMaxTrackSize = {MaxWidth > 0 ? std::min(MaxWidth, work.Width()) : work.Width(),
                          MaxHeight > 0 ? std::min(MaxHeight, work.Height()) : work.Height()};
  // The maximized window of a sizing loop may still be larger than the work area by the
  // 1-pixel margin; never smaller than the minimum.
  info->ptMaxTrackSize.x = std::max(info->ptMaxTrackSize.x, LONG(min.min_width));
  info->ptMaxTrackSize.y = std::max(info->ptMaxTrackSize.y, LONG(min.min_height));
  // A maximize by the platform lands on the skinned bounds at once.
  const TRect target = MaximizedTarget();
  info->ptMaxPosition = {target.left, target.top};
  info->ptMaxSize = {target.Width(), target.Height()};
  return result;
}

LRESULT TskSkinForm::WmSize(WPARAM wparam, LPARAM lparam) {
  // The window's own handler always runs, so aligned children follow a live resize.
  const LRESULT result = Previous(WM_SIZE, wparam, lparam);
  const TRect b = WindowBounds();
  // During a full-window drag WM_SIZING has cut the region for this size already, but a
  // platform may crop a region to the window it is given to, which was still the old size
  // then (Wine does): the region is cut again now that the window has its size.
  const bool changed =
      b.Width() != width_ || b.Height() != height_ || (in_size_move_ && full_drag_);
  width_ = b.Width();
  height_ = b.Height();
  if (wparam == SIZE_MAXIMIZED || (wparam == SIZE_RESTORED && platform_maximized_)) {
    PostMessageW(form_.Handle(), kFollowPlatformState, 0, 0);
  }
  UpdateCaptionStyle(true);
  LayoutObjects();
  if (!changed) return result;
  // A shape cut for another size would be wrong: below the smallest size there is none.
  if (WindowTooSmall()) {
    RemoveRegion();
  } else {
    UpdateRegion();
  }
  return result;
}

void TskSkinForm::WmSizing(const RECT& sizing) {
  if (!in_size_move_ || !full_drag_) return;
  const TRect r = FromRECT(sizing);
  if (r.Width() == width_ && r.Height() == height_) return;
  width_ = r.Width();
  height_ = r.Height();
  const TskTrackSize min = MinTrackSize();
  if (width_ >= min.min_width && height_ >= min.min_height) {
    LayoutObjects();
    UpdateRegion();
  }
}

void TskSkinForm::WmEnterSizeMove() {
  HideGlowFrames();
  for (const auto& object : objects_) object->Reset();
  pointer_.StopPolling();
  pointer_.Forget();
  in_size_move_ = true;
  BOOL full = FALSE;
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
  full_drag_ = full != FALSE;
}

void TskSkinForm::WmExitSizeMove() {
  pointer_.StopPolling();
  pointer_.Forget();
  // The loop is over however it started (the caption, an edge or a size grip in the client
  // area), so hover and the next press work again at once.
  in_size_move_ = false;
  const TRect b = WindowBounds();
  width_ = b.Width();
  height_ = b.Height();
  LayoutObjects();
  UpdateRegion();
  PaintFrame();
}

LRESULT TskSkinForm::WmShowWindow(WPARAM wparam, LPARAM lparam) {
  const LRESULT result = Previous(WM_SHOWWINDOW, wparam, lparam);
  if (wparam) {
    // A native menu bar would be drawn into a frame that has no room for it.
    if (GetMenu(form_.Handle())) ::SetMenu(form_.Handle(), nullptr);
    LayoutObjects();
    UpdateRegion();
    StartFade();
  } else {
    pointer_.StopPolling();
    fade_timer_.SetEnabled(false);
    CancelPress();
    HideGlowFrames();
    DropLayeredStyle();
  }
  return result;
}

bool TskSkinForm::WmSysCommand(WPARAM wparam) {
  switch (wparam & 0xFFF0) {
    case SC_KEYMENU:
      // The platform's own menu loop must never run.
      menu_session_.ToggleBarFromKeyboard();
      return true;
    case SC_MAXIMIZE:
      SetWindowState(TskWindowState::wsMaximized);
      return true;
    case SC_RESTORE:
      // From the platform's minimized bar the platform restores: it brings back the bounds
      // the window had, skinned-maximized ones included, and the frame keeps its state.
      if (IsIconic(form_.Handle())) {
        if (OnRestore) OnRestore();
        return false;
      }
      if (window_state_ == TskWindowState::wsNormal) return false;
      SetWindowState(TskWindowState::wsNormal);
      return true;
    case SC_MINIMIZE:
      if (IsAppMainForm()) return false;
      SetWindowState(TskWindowState::wsMinimized);
      return true;
    default:
      return false;
  }
}

}  // namespace vl
