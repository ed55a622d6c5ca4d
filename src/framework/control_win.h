#pragma once
// Windowed controls. Every window of the program, whether of our own class or a native control
// we subclass, enters C++ through one static window procedure (Trampoline) that catches every
// exception and hands it to the application's handler, so no exception ever unwinds through
// user32 or comctl32. Controls keep their bounds, alignment, caption and font as properties and
// mirror them onto the window; notifications a native control sends to its parent come back to
// the control itself (Command, Notify, CtlColor).

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/align.h"
#include "framework/color.h"
#include "framework/component.h"
#include "framework/font_win.h"
#include "framework/geometry.h"

namespace vl {

class TPopupMenu;

// Something that sees a window's messages ahead of the window's own handling (a skinned frame
// sees its form's). The window's procedure and its child windows stay as they are.
class TMessageHook {
 public:
  virtual ~TMessageHook() = default;
  // True when the hook answered the message with `result`; the window's own handling then does
  // not run.
  virtual bool HookMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) = 0;
};

// The platform colour value of a colour, a system colour looked up now.
COLORREF ColorToRGB(TColor color);

struct TCreateParams {
  std::wstring class_name;  // empty: the framework's own window class
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ex_style = 0;
  HWND parent_window = nullptr;  // used when the control has no parent control
  // The framework's popup class (with an empty class name): it saves the bits under the window
  // and casts the system's drop shadow, for menus that come and go over other windows.
  bool popup_class = false;
};

class TWinControl : public TComponent {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The control that receives a window's messages, or null for a foreign window.
  static TWinControl* FromHandle(HWND handle);

  HWND Handle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  // Creates the window now if it does not exist yet (and those of the children).
  void HandleNeeded();
  // Destroys the window (and those of the children) while the object lives on.
  void DestroyHandle();
  // Takes over the window procedure of a window that something else created and destroys (a
  // native control's own child window), so that its messages reach WndProc. DestroyHandle
  // then only hands the procedure back.
  void AdoptHandle(HWND handle);

  TWinControl* Parent() const { return parent_; }
  // Places the control in `parent` (creating its window when the parent has one).
  void SetParent(TWinControl* parent);
  const std::vector<TWinControl*>& Controls() const { return controls_; }

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  TRect BoundsRect() const { return bounds_; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
  void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
  void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
  // The client rectangle at (0, 0); the rectangle aligned children share is AlignRect().
  TRect ClientRect() const;
  TRect AlignRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  void Realign();

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop);
  bool Focused() const;
  void SetFocus();
  bool CanFocus() const;

  // Captions are fixed interface texts (UTF-8) or data (ANSI); both are kept as UTF-16.
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::string_view utf8);
  void SetCaptionAnsi(std::string_view ansi);
  void SetCaptionWide(std::wstring caption);
  std::string CaptionUtf8() const;

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TPopupMenu* menu);

  void Invalidate();
  // Invalidates and paints at once.
  void Repaint();

  // Sends a message through the control's own window procedure (as the platform would).
  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);

  // For the message loop: Enter and Escape that the focused control does not take itself, and
  // accelerator characters (Alt+key, or a key the focused control does not type), are offered
  // to every control of the focused window. True when one took the key; the loop then drops
  // the message.
  static bool HandleDialogMessage(const MSG& msg);

  // One hook at a time; null removes it. A hook that is a component of this control's owner
  // list names itself as `component` too, and goes when that component is destroyed.
  void SetMessageHook(TMessageHook* hook, TComponent* component = nullptr) {
    hook_ = hook;
    hook_component_ = hook ? component : nullptr;
  }
  TMessageHook* MessageHook() const { return hook_; }
  // The window's own handling of a message, without the hook: what a hook calls to let the
  // window handle a message before or after its own work.
  LRESULT OwnWndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
    return WndProc(msg, wparam, lparam);
  }

  std::function<void(TWinControl&)> OnResize;

 protected:
  virtual void CreateParams(TCreateParams& params);
  // Runs once the window exists and has been attached to this object.
  virtual void HandleCreated() {}
  virtual LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam);
  // The window's original behaviour: the native control's procedure, or the default one.
  LRESULT DefaultHandler(UINT msg, WPARAM wparam, LPARAM lparam);
  // For a window that draws itself whole: answers WM_ERASEBKGND (nothing to erase), WM_PAINT
  // and WM_PRINTCLIENT through paint, into the device context the message brings or between
  // BeginPaint and EndPaint; nothing for any other message.
  std::optional<LRESULT> SelfPaintMessage(UINT msg, WPARAM wparam,
                                          const std::function<void(HDC)>& paint);
  void Notification(TComponent* component, TOperation operation) override;

  // The part of the client rectangle that aligned children share.
  virtual void AdjustClientRect(TRect& rect) const { (void)rect; }
  // Notifications this control sent to its parent, handed back to it.
  virtual void Command(WORD code) { (void)code; }
  virtual LRESULT Notify(NMHDR& header) { return DefaultNotify(header); }
  // Returns the background brush for a native control, or null for the platform's default.
  virtual HBRUSH CtlColor(HDC dc) {
    (void)dc;
    return nullptr;
  }
  virtual void FontChanged();
  virtual void TextChanged() {}
  virtual void EnabledChanged() { Invalidate(); }
  virtual void Resized() {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  bool MouseInControl() const { return mouse_in_; }
  // Every control of a top-level window hears which of its controls has just taken the focus.
  virtual void FocusChanged(TWinControl& receiver) { (void)receiver; }
  // Keys offered by HandleDialogMessage; true takes the key.
  virtual bool DialogKey(WPARAM key) {
    (void)key;
    return false;
  }
  virtual bool DialogChar(wchar_t ch) {
    (void)ch;
    return false;
  }

 private:
  static LRESULT CALLBACK Trampoline(HWND handle, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT DefaultNotify(NMHDR& header);
  void CreateHandle();
  void Subclass(HWND handle);
  void Attach(HWND handle);
  void Detach();
  void InsertControl(TWinControl* control);
  void RemoveControl(TWinControl* control);
  void UpdateBoundsFromWindow();
  void TrackMouse();
  void ShowContextMenu(LPARAM lparam);
  void RealignParent();
  void BroadcastFocusChanged(TWinControl& receiver);
  bool OfferDialogKey(const MSG& msg);

  HWND handle_ = nullptr;
  WNDPROC previous_proc_ = nullptr;
  bool adopted_ = false;
  TWinControl* parent_ = nullptr;
  std::vector<TWinControl*> controls_;
  TRect bounds_{0, 0, 0, 0};
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  bool tab_stop_ = false;
  bool mouse_in_ = false;
  bool aligning_ = false;
  std::wstring caption_;
  TFont font_;
  TColor color_ = clBtnFace;
  TPopupMenu* popup_menu_ = nullptr;
  TMessageHook* hook_ = nullptr;
  TComponent* hook_component_ = nullptr;

  friend class TForm;
};

// A control of the framework's own class that paints itself: the platform never erases its
// background, and WM_PRINTCLIENT paints into the given context.
class TCustomControl : public TWinControl {
 public:
  using TWinControl::TWinControl;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  virtual void Paint(HDC dc) = 0;
};

}  // namespace vl
