#include "framework/control_win.h"

#include <windowsx.h>

#include <algorithm>
#include <unordered_map>

#include "framework/application_win.h"
#include "framework/canvas_win.h"
#include "framework/errors.h"
#include "framework/menu_win.h"
#include "framework/text_win.h"

namespace vl {
namespace {

constexpr wchar_t kControlClass[] = L"VorliskControl";
constexpr wchar_t kPopupClass[] = L"VorliskPopup";
// The control of each window this program handles. Not a window property: every message
// looks its control up, and a property lookup is a round trip to the window server under some
// Windows layers (a repaint of the result list asked it hundreds of times). Only the thread
// that owns the windows touches it.
std::unordered_map<HWND, TWinControl*>& ControlsByWindow() {
  static std::unordered_map<HWND, TWinControl*> controls;
  return controls;
}

// The drop shadow class style exists from system version 5.1 on.
bool DropShadowSupported() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&version)) return false;
#pragma GCC diagnostic pop
  return version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1);
}

const wchar_t* RegisterControlClass(WNDPROC proc, bool popup) {
  static bool registered[2] = {false, false};
  const wchar_t* name = popup ? kPopupClass : kControlClass;
  if (registered[popup]) return name;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  if (popup) wc.style |= CS_SAVEBITS | (DropShadowSupported() ? CS_DROPSHADOW : 0);
  wc.lpfnWndProc = proc;
  wc.hInstance = Application().Instance();
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
  registered[popup] = true;
  return name;
}

}  // namespace

COLORREF ColorToRGB(TColor color) {
  return IsSystemColor(color) ? GetSysColor(SystemColorIndex(color)) : COLORREF(color);
}

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this] { FontChanged(); };
}

TWinControl::~TWinControl() {
  font_.OnChange = nullptr;
  if (popup_menu_) RemoveFreeNotification(popup_menu_);
  for (TWinControl* child : controls_) child->parent_ = nullptr;
  controls_.clear();
  DestroyHandle();
  SetMessageHook(nullptr);
  if (parent_) parent_->RemoveControl(this);
}

TWinControl* TWinControl::FromHandle(HWND handle) {
  if (!handle) return nullptr;
  const auto& controls = ControlsByWindow();
  const auto found = controls.find(handle);
  return found == controls.end() ? nullptr : found->second;
}

void TWinControl::CreateParams(TCreateParams& params) {
  if (tab_stop_) params.style |= WS_TABSTOP;
}

void TWinControl::HandleNeeded() {
  if (!handle_) CreateHandle();
}

void TWinControl::CreateHandle() {
  if (parent_ && !parent_->HandleAllocated()) return;
  TCreateParams params;
  CreateParams(params);
  const bool own_class = params.class_name.empty();
  const wchar_t* class_name =
      own_class ? RegisterControlClass(&Trampoline, params.popup_class) : params.class_name.c_str();
  HWND parent_window = parent_ ? parent_->Handle() : params.parent_window;
  DWORD style = params.style;
  if (visible_ && (style & WS_CHILD)) style |= WS_VISIBLE;
  if (!enabled_) style |= WS_DISABLED;
  HWND handle = CreateWindowExW(params.ex_style, class_name, caption_.c_str(), style, bounds_.left,
                                bounds_.top, Width(), Height(), parent_window, nullptr,
                                Application().Instance(), own_class ? this : nullptr);
  if (!handle) throw Error("Error creating window");
  if (!own_class) Subclass(handle);
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
  HandleCreated();
  for (TWinControl* child : controls_) child->HandleNeeded();
  Realign();
}

void TWinControl::Subclass(HWND handle) {
  Attach(handle);
  previous_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Trampoline)));
}

void TWinControl::AdoptHandle(HWND handle) {
  DestroyHandle();
  if (!handle) return;
  Subclass(handle);
  adopted_ = true;
  UpdateBoundsFromWindow();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  if (adopted_) {
    Detach();
    return;
  }
  // DestroyWindow takes the children's windows with it; their objects stay.
  DestroyWindow(handle_);
  if (handle_) Detach();
}

void TWinControl::Attach(HWND handle) {
  handle_ = handle;
  ControlsByWindow()[handle] = this;
}

void TWinControl::Detach() {
  auto& controls = ControlsByWindow();
  if (const auto found = controls.find(handle_); found != controls.end() && found->second == this) {
    controls.erase(found);
  }
  if (previous_proc_) {
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_proc_));
  }
  previous_proc_ = nullptr;
  handle_ = nullptr;
  adopted_ = false;
  mouse_in_ = false;
}

LRESULT CALLBACK TWinControl::Trampoline(HWND handle, UINT msg, WPARAM wparam, LPARAM lparam) {
  TWinControl* self = FromHandle(handle);
  if (!self && msg == WM_NCCREATE) {
    self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    if (self) self->Attach(handle);
  }
  if (!self) return DefWindowProcW(handle, msg, wparam, lparam);
  try {
    return self->Dispatch(msg, wparam, lparam);
  } catch (const std::exception& error) {
    Application().HandleException(error);
  } catch (...) {
    Application().HandleUnknownException();
  }
  return 0;
}

LRESULT TWinControl::Dispatch(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_SETFOCUS) {
    TWinControl* root = this;
    while (root->parent_) root = root->parent_;
    root->BroadcastFocusChanged(*this);
  }
  if (msg != WM_NCDESTROY) {
    LRESULT result = 0;
    if (hook_ && hook_->HookMessage(msg, wparam, lparam, result)) return result;
    return WndProc(msg, wparam, lparam);
  }
  WNDPROC previous = previous_proc_;
  HWND handle = handle_;
  Detach();
  return previous ? CallWindowProcW(previous, handle, msg, wparam, lparam)
                  : DefWindowProcW(handle, msg, wparam, lparam);
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (previous_proc_) return CallWindowProcW(previous_proc_, handle_, msg, wparam, lparam);
  return DefWindowProcW(handle_, msg, wparam, lparam);
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (!handle_) return 0;
  return SendMessageW(handle_, msg, wparam, lparam);
}

LRESULT TWinControl::DefaultNotify(NMHDR& header) {
  return DefWindowProcW(parent_ ? parent_->Handle() : nullptr, WM_NOTIFY, header.idFrom,
                        reinterpret_cast<LPARAM>(&header));
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lparam)); child && child != this) {
        child->Command(HIWORD(wparam));
        return 0;
      }
      break;
    case WM_NOTIFY:
      if (auto* header = reinterpret_cast<NMHDR*>(lparam)) {
        TWinControl* child = FromHandle(header->hwndFrom);
        if (child && child != this) return child->Notify(*header);
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lparam)); child && child != this) {
        if (HBRUSH brush = child->CtlColor(reinterpret_cast<HDC>(wparam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      // Bounds first: the WM_SIZE that the default handling sends realigns with them.
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
      if (!(pos->flags & SWP_NOSIZE) || !(pos->flags & SWP_NOMOVE)) UpdateBoundsFromWindow();
      return DefaultHandler(msg, wparam, lparam);
    }
    case WM_SIZE: {
      LRESULT result = DefaultHandler(msg, wparam, lparam);
      if (wparam == SIZE_MINIMIZED) return result;
      Realign();
      Resized();
      if (OnResize) OnResize(*this);
      return result;
    }
    case WM_MOUSEMOVE:
      TrackMouse();
      break;
    case WM_MOUSELEAVE:
      mouse_in_ = false;
      MouseLeave();
      break;
    case WM_CAPTURECHANGED:
      // A capture ends pending leave tracking; the next move arms it again.
      mouse_in_ = false;
      break;
    case WM_CONTEXTMENU:
      if (popup_menu_) {
        ShowContextMenu(lparam);
        return 0;
      }
      break;
    case WM_ENABLE:
      enabled_ = wparam != 0;
      EnabledChanged();
      break;
    case WM_CLOSE:
      // A multi-line edit that believes itself in a dialog answers Esc by asking its parent to
      // close; for a control inside a window that would destroy it with everything it holds.
      // Controls go only with their owner.
      if (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) return 0;
      break;
    default:
      break;
  }
  return DefaultHandler(msg, wparam, lparam);
}

void TWinControl::BroadcastFocusChanged(TWinControl& receiver) {
  FocusChanged(receiver);
  // A handler may add or remove controls; walk a copy.
  const std::vector<TWinControl*> children = controls_;
  for (TWinControl* child : children) child->BroadcastFocusChanged(receiver);
}

bool TWinControl::OfferDialogKey(const MSG& msg) {
  if (msg.message == WM_KEYDOWN ? DialogKey(msg.wParam) : DialogChar(wchar_t(msg.wParam))) {
    return true;
  }
  const std::vector<TWinControl*> children = controls_;
  for (TWinControl* child : children) {
    if (child->OfferDialogKey(msg)) return true;
  }
  return false;
}

bool TWinControl::HandleDialogMessage(const MSG& msg) {
  const bool dialog_key =
      msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
  const bool dialog_char = msg.message == WM_SYSCHAR || msg.message == WM_CHAR;
  if (!dialog_key && !dialog_char) return false;
  HWND focus = GetFocus();
  if (!focus || (msg.hwnd != focus && !IsChild(focus, msg.hwnd))) return false;
  TWinControl* root = FromHandle(GetAncestor(focus, GA_ROOT));
  if (!root) return false;
  MSG copy = msg;
  const LRESULT wants =
      SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
  if (dialog_key && (wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))) return false;
  // A plain character is an accelerator only where it would not be typed.
  if (msg.message == WM_CHAR && (wants & DLGC_WANTCHARS)) return false;
  return root->OfferDialogKey(msg);
}

void TWinControl::TrackMouse() {
  if (mouse_in_) return;
  mouse_in_ = true;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
  TrackMouseEvent(&track);
  MouseEnter();
}

void TWinControl::ShowContextMenu(LPARAM lparam) {
  POINT pt{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  if (pt.x == -1 && pt.y == -1) {
    RECT rc;
    GetWindowRect(handle_, &rc);
    pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  }
  popup_menu_->Popup(pt.x, pt.y, handle_);
}

void TWinControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popup_menu_) popup_menu_ = nullptr;
  if (operation == TOperation::opRemove && component && component == hook_component_) {
    SetMessageHook(nullptr);
  }
}

void TWinControl::SetPopupMenu(TPopupMenu* menu) {
  if (popup_menu_) RemoveFreeNotification(popup_menu_);
  popup_menu_ = menu;
  if (menu) FreeNotification(menu);
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) {
    DestroyHandle();
    parent_->RemoveControl(this);
  }
  parent_ = nullptr;
  if (!parent) return;
  parent->InsertControl(this);
  parent_ = parent;
  if (parent->HandleAllocated()) CreateHandle();
  RealignParent();
}

void TWinControl::InsertControl(TWinControl* control) {
  controls_.push_back(control);
}

void TWinControl::RemoveControl(TWinControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  Realign();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TRect wanted = RectOfSize(left, top, std::max(width, 0), std::max(height, 0));
  if (wanted == bounds_) return;
  const bool size_changed = wanted.Width() != Width() || wanted.Height() != Height();
  bounds_ = wanted;
  if (handle_) {
    SetWindowPos(handle_, nullptr, left, top, Width(), Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | (size_changed ? 0 : SWP_NOSIZE));
  }
  if (align_ != TAlign::alNone) RealignParent();
}

void TWinControl::UpdateBoundsFromWindow() {
  RECT rc;
  GetWindowRect(handle_, &rc);
  HWND parent_window = GetAncestor(handle_, GA_PARENT);
  if ((GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) && parent_window) {
    MapWindowPoints(nullptr, parent_window, reinterpret_cast<POINT*>(&rc), 2);
  }
  bounds_ = FromRECT(rc);
}

TRect TWinControl::ClientRect() const {
  if (!handle_) return {0, 0, Width(), Height()};
  RECT rc;
  GetClientRect(handle_, &rc);
  return FromRECT(rc);
}

TRect TWinControl::AlignRect() const {
  TRect r = ClientRect();
  AdjustClientRect(r);
  return r;
}

void TWinControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RealignParent();
}

void TWinControl::RealignParent() {
  if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

void TWinControl::Realign() {
  if (!handle_ || aligning_) return;
  std::vector<TAlignItem> items;
  items.reserve(controls_.size());
  for (TWinControl* c : controls_) items.push_back({c->align_, c->bounds_, c->visible_});
  std::vector<TRect> placed = AlignItems(AlignRect(), items);
  aligning_ = true;
  // Copy: a child's resize may not change this list, but guard against it anyway.
  auto children = controls_;
  for (std::size_t i = 0; i < children.size() && i < placed.size(); ++i) {
    if (children[i]->align_ == TAlign::alNone) continue;
    const TRect& r = placed[i];
    children[i]->SetBounds(r.left, r.top, r.Width(), r.Height());
  }
  aligning_ = false;
}

void TWinControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
  RealignParent();
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (handle_) {
    EnableWindow(handle_, enabled);
  } else {
    EnabledChanged();
  }
}

void TWinControl::SetTabStop(bool tab_stop) {
  tab_stop_ = tab_stop;
  if (!handle_) return;
  LONG style = GetWindowLongW(handle_, GWL_STYLE);
  SetWindowLongW(handle_, GWL_STYLE, tab_stop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

bool TWinControl::Focused() const {
  return handle_ && GetFocus() == handle_;
}

bool TWinControl::CanFocus() const {
  for (const TWinControl* c = this; c; c = c->parent_) {
    if (!c->visible_ || !c->enabled_) return false;
  }
  return handle_ != nullptr;
}

void TWinControl::SetFocus() {
  if (handle_) ::SetFocus(handle_);
}

void TWinControl::SetCaption(std::string_view utf8) {
  SetCaptionWide(Utf8ToWide(utf8));
}
void TWinControl::SetCaptionAnsi(std::string_view ansi) {
  SetCaptionWide(AnsiToWide(ansi));
}
std::string TWinControl::CaptionUtf8() const {
  return WideToUtf8(caption_);
}

void TWinControl::SetCaptionWide(std::wstring caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  if (handle_) SetWindowTextW(handle_, caption_.c_str());
  TextChanged();
}

void TWinControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Invalidate();
}

void TWinControl::FontChanged() {
  if (!handle_) return;
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
  Invalidate();
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Repaint() {
  if (!handle_) return;
  InvalidateRect(handle_, nullptr, TRUE);
  UpdateWindow(handle_);
}

std::optional<LRESULT> TWinControl::SelfPaintMessage(UINT msg, WPARAM wparam,
                                                     const std::function<void(HDC)>& paint) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      if (wparam) {
        paint(reinterpret_cast<HDC>(wparam));
        return 0;
      }
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      paint(dc);
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wparam));
      return 0;
    default:
      return std::nullopt;
  }
}

LRESULT TCustomControl::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (const auto answer = SelfPaintMessage(msg, wparam, [this](HDC dc) { Paint(dc); })) {
    return *answer;
  }
  return TWinControl::WndProc(msg, wparam, lparam);
}

}  // namespace vl
