#include "skin/form/skin_form_win.h"

#include <algorithm>
#include <utility>

#include "framework/application_win.h"
#include "framework/errors.h"
#include "skin/controls/skin_menu_win.h"
#include "skin/data/resource_strings.h"
#include "skin/paint/paint_win.h"

namespace vl {
namespace {

// Every frame of the process, for the slots of minimized windows.
std::vector<TskSkinForm*>& Frames() {
  static std::vector<TskSkinForm*> frames;
  return frames;
}

TForm& FormOf(TComponent* owner) {
  auto* form = dynamic_cast<TForm*>(owner);
  if (!form) throw Error("Invalid class typecast");
  return *form;
}

}  // namespace

TskSkinForm::TskSkinForm(TComponent* owner)
    : TComponent(owner),
      form_(FormOf(owner)),
      pointer_(*this),
      fade_timer_(nullptr, 1, [this] { FadeTick(); }),
      skin_menu_(form_),
      menu_session_(skin_menu_) {
  // The platform must never act on its own caption buttons: no system menu on a right click,
  // no native maximize on a double click.
  form_.SetBorderIcons({});
  form_active_ = GetActiveWindow() == form_.Handle();
  Frames().push_back(this);
  form_.SetMessageHook(this, this);
  menu_session_.OnPopupOpen = [this] {
    if (OnSkinMenuOpen) OnSkinMenuOpen();
  };
  menu_session_.OnPopupClose = [this] {
    if (OnSkinMenuClose) OnSkinMenuClose();
  };
  menu_session_.OnBarEnter = [this] {
    if (OnMainMenuEnter) OnMainMenuEnter();
  };
  menu_session_.OnBarExit = [this] {
    if (OnMainMenuExit) OnMainMenuExit();
  };
  menu_session_.OnChainEnd = [this] { ReleaseMenuButton(); };
  form_.ShortCutHandler = [this](const MSG& msg) { return ShortCut(msg); };
  ApplySkin();
}

TskSkinForm::~TskSkinForm() {
  Frames().erase(std::find(Frames().begin(), Frames().end(), this));
  StopTimers();
  skin_menu_.CloseFrom(0);
  // A form that is destroying its components drops the hook itself (it hears of this
  // component leaving), and may already be gone in part.
  if (!form_.Destroying()) {
    form_.ShortCutHandler = nullptr;
    if (form_.MessageHook() == this) form_.SetMessageHook(nullptr);
    if (form_.HandleAllocated()) {
      pointer_.EndCapture();
      // The platform owns the region it accepted; handing back the platform frame removes it.
      if (region_applied_) SetWindowRgn(form_.Handle(), nullptr, TRUE);
      form_.SetBorderIcons(PlatformBorderIcons());
    }
  }
  if (skin_data_) RemoveFreeNotification(skin_data_);
  objects_.clear();
}

void TskSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == skin_data_) {
    skin_data_ = nullptr;
    HideGlowFrames();
    objects_.clear();
    pointer_.Forget();
    skin_loaded_ = false;
  }
}

void TskSkinForm::SetSkinData(TskSkinData* skin_data) {
  if (skin_data_) RemoveFreeNotification(skin_data_);
  skin_data_ = skin_data;
  if (skin_data_) FreeNotification(skin_data_);
  skinning_ = !skin_data_ || skin_data_->SkinnableForm();
  changing_ = false;
  ApplySkin();
}

void TskSkinForm::SetBorderIcons(TskBorderIcons icons) {
  Set(border_icons_, icons, kBorderIcons);
}

void TskSkinForm::SetAlphaBlend(bool on, int value) {
  alpha_blend_value_ = std::clamp(value, 0, 255);
  Set(alpha_blend_, on, kTranslucency);
}

void TskSkinForm::Reapply(Reapplied what) {
  switch (what) {
    case kBorderIcons:
      if (!skinning_) form_.SetBorderIcons(PlatformBorderIcons());
      ApplyBorderIcons();
      PaintFrame();
      break;
    case kObjects:
      // The objects are made again, for the skin's own hints to come back.
      ApplySkin();
      break;
    case kLayout:
      // The default look sizes the system-menu button to the icon.
      LayoutObjects();
      PaintFrame();
      break;
    case kClientSize:
      if (client_size_.x > 0 && client_size_.y > 0 && !rolled_up_ && form_.HandleAllocated()) {
        form_.SetClientSize(client_size_.x, client_size_.y);
      }
      break;
    case kTranslucency:
      ApplyTranslucency();
      break;
  }
}

const PixelBitmap* TskSkinForm::MainPicture() const {
  if (!skin_data_ || skin_data_->Picture().Empty()) return nullptr;
  return &skin_data_->Picture().bitmap;
}

const PixelBitmap* TskSkinForm::SkinPicture(int index) const {
  return skin_data_ ? skin_data_->ActivePicture(index) : nullptr;
}

HICON TskSkinForm::WindowIcon() const {
  const HWND h = form_.Handle();
  for (WPARAM kind : {ICON_SMALL, ICON_BIG}) {
    if (auto icon = reinterpret_cast<HICON>(SendMessageW(h, WM_GETICON, kind, 0))) return icon;
  }
  for (int index : {GCLP_HICONSM, GCLP_HICON}) {
    if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(h, index))) return icon;
  }
  // The platform's default application icon; its named constant is the narrow form here.
  return LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
}

bool TskSkinForm::IsAppMainForm() const {
  return Application().MainForm() == &form_;
}

TskSkinStdButtonObject* TskSkinForm::FindButton(TStdCommand command) const {
  for (const auto& object : objects_) {
    TskSkinStdButtonObject* button = object->AsStdButton();
    if (button && button->visible && button->command == command) return button;
  }
  return nullptr;
}

// Skin changes.

void TskSkinForm::StopTimers() {
  pointer_.StopPolling();
  pointer_.StopEffects();
  fade_timer_.SetEnabled(false);
}

namespace {

const OSVERSIONINFOA& PlatformVersion() {
  static const OSVERSIONINFOA version = [] {
    OSVERSIONINFOA v{};
    v.dwOSVersionInfoSize = sizeof(v);
    if (!GetVersionExA(&v)) v.dwMajorVersion = v.dwMinorVersion = 0;
    return v;
  }();
  return version;
}

bool LayeredWindowsSupported() {
  const OSVERSIONINFOA& v = PlatformVersion();
  return SupportsLayeredWindows(int(v.dwMajorVersion), int(v.dwMinorVersion));
}

}  // namespace

void TskSkinForm::ApplyTranslucency() {
  if (fade_timer_.Enabled() || !form_.HandleAllocated() || !IsWindowVisible(form_.Handle()) ||
      !LayeredWindowsSupported()) {
    return;
  }
  const HWND h = form_.Handle();
  fade_alpha_ = TargetAlpha();
  if (fade_alpha_ == 255) {
    DropLayeredStyle();
    return;
  }
  SetWindowLongW(h, GWL_EXSTYLE, GetWindowLongW(h, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(h, 0, BYTE(fade_alpha_), LWA_ALPHA);
}

void TskSkinForm::StartFade() {
  if ((!alpha_blend_ && !AlphaBlendAnimation) || !LayeredWindowsSupported()) return;
  const HWND h = form_.Handle();
  SetWindowLongW(h, GWL_EXSTYLE, GetWindowLongW(h, GWL_EXSTYLE) | WS_EX_LAYERED);
  fade_alpha_ = 0;
  SetLayeredWindowAttributes(h, 0, 0, LWA_ALPHA);
  fade_timer_.SetEnabled(true);
}

void TskSkinForm::FadeTick() {
  const int target = TargetAlpha();
  fade_alpha_ = AlphaBlendAnimation ? NextFadeAlpha(fade_alpha_, target) : target;
  SetLayeredWindowAttributes(form_.Handle(), 0, BYTE(fade_alpha_), LWA_ALPHA);
  if (fade_alpha_ != target) return;
  fade_timer_.SetEnabled(false);
  // A window at full strength needs no layer.
  if (target == 255) DropLayeredStyle();
}

// The platform's minimized bar is drawn, and double-clicked, by its caption, so a window
// minimized by the platform keeps its caption style until it is restored. With `apply` the
// frame is recomputed at once; otherwise the caller does it.
void TskSkinForm::UpdateCaptionStyle(bool apply) {
  if (!skinning_ || !form_.HandleAllocated()) return;
  if (!DropsCaptionStyle(int(PlatformVersion().dwMajorVersion), form_.BorderStyle())) return;
  const HWND h = form_.Handle();
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  const LONG wanted = IsIconic(h) ? style | LONG(WS_CAPTION) : style & ~LONG(WS_CAPTION);
  if (wanted == style) return;
  SetWindowLongW(h, GWL_STYLE, wanted);
  if (!apply) return;
  SetWindowPos(h, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TskSkinForm::DropLayeredStyle() {
  const HWND h = form_.Handle();
  const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
  if (ex & WS_EX_LAYERED) SetWindowLongW(h, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
}

void TskSkinForm::BeforeChange() {
  // Open popups draw from the skin about to go.
  menu_session_.End();
  changing_ = true;
  skin_loaded_ = false;
  StopTimers();
  pointer_.EndCapture();
  pointer_.Forget();
  HideGlowFrames();
  objects_.clear();
  if (form_.HandleAllocated()) PostMessageW(form_.Handle(), kCheckSkinChange, 0, 0);
}

void TskSkinForm::ApplySkin() {
  pointer_.Forget();
  HideGlowFrames();
  skin_loaded_ = skinning_ && skin_data_ && !skin_data_->Empty() && MainPicture();
  objects_.clear();
  if (skin_loaded_) {
    CreateObjects();
  } else if (skinning_) {
    CreateDefaultObjects();
  }
  ApplyBorderIcons();
  form_.SetBorderIcons(skinning_ ? TBorderIcons{} : PlatformBorderIcons());
  UpdateCaptionStyle(false);
  ApplyFrameChange();
  const TskTrackSize min = MinTrackSize();
  TRect b = WindowBounds();
  if (skinning_) {
    if (rolled_up_ || window_state_ == TskWindowState::wsMinimized) {
      b.bottom = b.top + min.min_height;
    }
    if (window_state_ == TskWindowState::wsMinimized) b.right = b.left + min.min_width;
    b.right = b.left + std::max(b.Width(), min.min_width);
    b.bottom = b.top + std::max(b.Height(), min.min_height);
    if (b != WindowBounds()) SetWindowBounds(b);
  }
  width_ = b.Width();
  height_ = b.Height();
  LayoutObjects();
  UpdateRegion();
  RedrawWindow(form_.Handle(), nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  if (skinning_ && form_.Visible()) pointer_.StartPolling();
  Reapply(kClientSize);
}

// The new frame takes effect without recreating the window; the client keeps its size unless
// the window is in a state that fixes the outer size.
void TskSkinForm::ApplyFrameChange() {
  if (!form_.HandleAllocated()) return;
  UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
  int w = 0;
  int h = 0;
  if (window_state_ == TskWindowState::wsNormal && !rolled_up_ && skinning_) {
    // The new borders and the outer size change in one step, so the client area never passes
    // through another size and the controls keep their layout.
    RECT client;
    GetClientRect(form_.Handle(), &client);
    const TskFrameInsets in = Insets();
    w = client.right + in.left + in.right;
    h = client.bottom + in.top + in.bottom;
  } else {
    flags |= SWP_NOSIZE;
  }
  SetWindowPos(form_.Handle(), nullptr, 0, 0, w, h, flags);
}

void TskSkinForm::CreateObjects() {
  for (const auto& data : skin_data_->SkinObjects()) {
    const TskDataSkinObject* d = data.get();
    if (dynamic_cast<const TskDataSkinMainMenuBarButton*>(d) ||
        dynamic_cast<const TskDataSkinMenuItem*>(d) ||
        dynamic_cast<const TskDataSkinMainMenuItem*>(d)) {
      continue;
    }
    TskFrameHost& host = *this;
    if (auto* std_button = dynamic_cast<const TskDataSkinStdButton*>(d)) {
      objects_.push_back(std::make_unique<TskSkinStdButtonObject>(host, std_button));
    } else if (auto* button = dynamic_cast<const TskDataSkinButton*>(d)) {
      objects_.push_back(std::make_unique<TskSkinButtonObject>(host, button));
    } else if (auto* caption = dynamic_cast<const TskDataSkinCaption*>(d)) {
      objects_.push_back(std::make_unique<TskSkinCaptionObject>(host, caption));
    } else if (auto* animate = dynamic_cast<const TskDataSkinAnimate*>(d)) {
      objects_.push_back(std::make_unique<TskSkinAnimateObject>(host, animate));
    } else if (auto* user = dynamic_cast<const TskDataUserObject*>(d)) {
      objects_.push_back(std::make_unique<TskUserObject>(host, user));
    }
  }
}

void TskSkinForm::CreateDefaultObjects() {
  for (TStdCommand c :
       {TStdCommand::cmClose, TStdCommand::cmMaximize, TStdCommand::cmMinimize,
        TStdCommand::cmRollUp, TStdCommand::cmMinimizeToTray, TStdCommand::cmSysMenu}) {
    objects_.push_back(
        std::make_unique<TskSkinStdButtonObject>(static_cast<TskFrameHost&>(*this), c));
  }
}

void TskSkinForm::ApplyBorderIcons() {
  for (const auto& object : objects_) {
    const std::optional<TStdCommand> command = object->Command();
    if (!command) continue;
    if (hide_caption_buttons_) {
      object->enabled = false;
      object->visible = !object->skin_rect_in_picture;
      continue;
    }
    bool enabled = true;
    switch (*command) {
      case TStdCommand::cmMaximize:
        enabled = border_icons_.maximize;
        break;
      case TStdCommand::cmMinimize:
        enabled = border_icons_.minimize;
        break;
      case TStdCommand::cmRollUp:
        enabled = border_icons_.roll_up;
        break;
      case TStdCommand::cmMinimizeToTray:
        enabled = border_icons_.minimize_to_tray;
        break;
      case TStdCommand::cmSysMenu:
        enabled = border_icons_.system_menu && !disable_system_menu_;
        break;
      case TStdCommand::cmDefault: {
        // Only the window knows what a custom object is for.
        const bool shown = ObjectEvents.OnActivateCustomObject &&
                           ObjectEvents.OnActivateCustomObject(object->IDName);
        object->enabled = shown;
        object->visible = shown;
        continue;
      }
      default:
        break;
    }
    object->enabled = enabled;
    object->visible = enabled || !object->skin_rect_in_picture;
  }
  LoadHints();
  LayoutObjects();
}

namespace {

// The interface text that names a command's button; none for a button without a command.
const char* HintNameOf(TStdCommand command) {
  static constexpr std::pair<TStdCommand, const char*> kNames[] = {
      {TStdCommand::cmClose, "CLOSEBUTTON_HINT"},
      {TStdCommand::cmMaximize, "MAXBUTTON_HINT"},
      {TStdCommand::cmMinimize, "MINBUTTON_HINT"},
      {TStdCommand::cmSysMenu, "MENUBUTTON_HINT"},
      {TStdCommand::cmRollUp, "ROLLUPBUTTON_HINT"},
      {TStdCommand::cmMinimizeToTray, "TRAYBUTTON_HINT"},
  };
  for (const auto& [c, name] : kNames) {
    if (c == command) return name;
  }
  return nullptr;
}

}  // namespace

void TskSkinForm::LoadHints() {
  if (!skin_data_) return;
  for (const auto& object : objects_) {
    const std::optional<TStdCommand> command = object->Command();
    if (!command) continue;
    const char* name = HintNameOf(*command);
    if (!name) continue;
    TskRestoreLook& restore = *object->Restore();
    restore.normal_hint = SkinResourceText(skin_data_, name);
    restore.hint = SkinResourceText(skin_data_, "RESTORE_HINT");
    object->hint = InRestoreLook(*command) ? restore.hint : restore.normal_hint;
  }
}

void TskSkinForm::LayoutObjects() {
  const TRect b = WindowBounds();
  if (skin_loaded_) {
    std::vector<TskLayoutItem> items;
    for (const auto& object : objects_) {
      TskLayoutItem item;
      if (const std::optional<TStdCommand> command = object->Command()) {
        item.is_button = true;
        item.command = *command;
      }
      item.is_caption = object->IsCaption();
      item.auto_placed = object->skin_rect_in_picture;
      item.visible = object->visible;
      item.skin_rect = object->skin_rect;
      items.push_back(item);
    }
    const TskFrameSkin skin = FrameSkin();
    LayoutFrameObjects(items, skin, SizeFrameGeometry(skin, b.Width(), b.Height()));
    for (std::size_t i = 0; i < items.size(); ++i) objects_[i]->rect = items[i].rect;
    return;
  }
  int visible = 0;
  for (const auto& object : objects_) {
    if (object->visible && object->Command() != TStdCommand::cmSysMenu) ++visible;
  }
  const TskSkinStdButtonObject* sysmenu = FindButton(TStdCommand::cmSysMenu);
  const int s = DefaultCaptionHeight() == 15 ? 13 : 17;
  const TskDefaultLayout layout = LayoutDefaultFrame(
      b.Width(), DefaultCaptionHeight(), s, visible, sysmenu != nullptr,
      show_icon_ ? TPoint{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}
                 : TPoint{s, s});
  std::size_t next = 0;
  for (const auto& object : objects_) {
    auto* button = static_cast<TskSkinStdButtonObject*>(object.get());
    if (!button->visible) continue;
    if (button->command == TStdCommand::cmSysMenu) {
      button->rect = layout.system_menu;
    } else if (next < layout.buttons.size()) {
      button->rect = layout.buttons[next++];
    }
  }
}

TBorderIcons TskSkinForm::PlatformBorderIcons() const {
  return {!hide_caption_buttons_, border_icons_.minimize, border_icons_.maximize};
}

// The platform knows nothing of the states the skinned frame keeps itself: a window left as the
// minimized bar, rolled up or maximized by hand would stay at that size under the platform frame
// with no way back. Switching off therefore restores the window first and lets the platform
// maximize it where its frame can; switching on takes the platform's state over the same way.
void TskSkinForm::SwitchSkinning(bool on) {
  if (on == skinning_ || !form_.HandleAllocated()) {
    skinning_ = on;
    ApplySkin();
    return;
  }
  const HWND h = form_.Handle();
  if (!on) {
    const bool maximized = window_state_ == TskWindowState::wsMaximized;
    if (window_state_ != TskWindowState::wsNormal) SetWindowState(TskWindowState::wsNormal);
    if (rolled_up_) {
      const TRect b = WindowBounds();
      rolled_up_ = false;
      rolled_up_while_maximized_ = false;
      if (rolled_up_saved_height_ > 0) {
        SetWindowBounds(RectOfSize(b.left, b.top, b.Width(), rolled_up_saved_height_));
      }
      if (OnChangeRollUpState) OnChangeRollUpState();
    }
    RECT client;
    GetClientRect(h, &client);
    ClearHover();
    pointer_.StopPolling();
    pointer_.StopEffect(TskEffectTimer::kMorph);
    skinning_ = false;
    ApplySkin();
    if (client_size_.x <= 0 || client_size_.y <= 0)
      form_.SetClientSize(client.right, client.bottom);
    if (maximized && IsWindowVisible(h) && (GetWindowLongW(h, GWL_STYLE) & WS_MAXIMIZEBOX)) {
      ShowWindow(h, SW_MAXIMIZE);
    }
    return;
  }
  TskWindowState state = TskWindowState::wsNormal;
  if (IsWindowVisible(h)) {
    if (IsZoomed(h)) state = TskWindowState::wsMaximized;
    // The main window minimizes the application through the platform in skinned mode too.
    if (IsIconic(h) && !IsAppMainForm()) state = TskWindowState::wsMinimized;
  }
  if (state != TskWindowState::wsNormal) ShowWindow(h, SW_RESTORE);
  // The platform's buttons go while its frame is still there, so the client keeps its size.
  form_.SetBorderIcons({});
  skinning_ = true;
  ApplySkin();
  if (state != TskWindowState::wsNormal) SetWindowState(state);
}

std::vector<TPoint> TskSkinForm::MinimizedBarsOfOthers() const {
  std::vector<TPoint> taken;
  for (TskSkinForm* other : Frames()) {
    if (other == this || other->IsAppMainForm() || !other->skinning_) continue;
    if (other->window_state_ != TskWindowState::wsMinimized) continue;
    if (!IsWindowVisible(other->form_.Handle())) continue;
    const TRect b = other->WindowBounds();
    taken.push_back({b.left, b.top});
  }
  return taken;
}

void TskSkinForm::NudgeWidth() {
  const TRect b = WindowBounds();
  const int max_width = MaxWidth > 0 ? MaxWidth : WorkAreaOf(form_.Handle(), false).Width();
  const int nudged = vl::NudgeWidth(b.Width(), MinTrackSize().min_width, max_width);
  if (nudged == b.Width()) return;
  SetWindowBounds(RectOfSize(b.left, b.top, nudged, b.Height()));
  SetWindowBounds(b);
}

}  // namespace vl
