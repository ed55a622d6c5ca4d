#include "skin/form/skin_form_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "framework/application_win.h"
#include "framework/errors.h"
#include "skin/controls/skin_control_win.h"
#include "skin/controls/skin_menu_win.h"
#include "skin/data/resource_strings.h"
#include "skin/paint/border_strips.h"
#include "skin/paint/effects.h"
#include "skin/paint/glow.h"
#include "skin/paint/paint_win.h"

namespace vl {
namespace {

constexpr unsigned kHoverInterval = 50;
// Posted at a skin's before-change; when it arrives and no change came, the load failed.
constexpr UINT kCheckSkinChange = WM_APP + 0x1A5;
// Posted when the platform maximized the window itself (ShowWindow from a shell start or
// another program), to turn that into the skinned maximize once the platform's work is done.
constexpr UINT kTakeOverMaximize = WM_APP + 0x1A6;

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

bool SameSize(const PixelBitmap& a, const PixelBitmap& b) {
  return a.Width() == b.Width() && a.Height() == b.Height();
}

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

// While the platform shows the window minimized, the small bar it draws is the platform's own:
// the frame paints, hit-tests and answers nothing of it.
bool IconicNonClientMessage(UINT msg) {
  switch (msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_NCHITTEST:
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

void DrawStrip(HDC dc, int x, int y, const PixelBitmap& strip) {
  if (!strip.Empty()) DrawPixelBitmap(dc, x, y, strip);
}

}  // namespace

TskSkinForm::TskSkinForm(TComponent* owner) : TComponent(owner), form_(FormOf(owner)) {
  hover_timer_ = new TTimer(this);
  hover_timer_->SetEnabled(false);
  hover_timer_->SetInterval(kHoverInterval);
  hover_timer_->OnTimer = [this] { HoverTick(); };
  morph_timer_ = new TTimer(this);
  morph_timer_->SetEnabled(false);
  morph_timer_->SetInterval(25);
  morph_timer_->OnTimer = [this] { MorphTick(); };
  animation_timer_ = new TTimer(this);
  animation_timer_->SetEnabled(false);
  animation_timer_->SetInterval(TskObjectAnimation::kTick);
  animation_timer_->OnTimer = [this] { AnimationTick(); };
  fade_timer_ = new TTimer(this);
  fade_timer_->SetEnabled(false);
  fade_timer_->SetInterval(1);
  fade_timer_->OnTimer = [this] { FadeTick(); };
  // The platform must never act on its own caption buttons: no system menu on a right click,
  // no native maximize on a double click.
  form_.SetBorderIcons({});
  form_active_ = GetActiveWindow() == form_.Handle();
  Frames().push_back(this);
  form_.SetMessageHook(this, this);
  skin_menu_ = std::make_unique<TskSkinMenu>(form_);
  form_.ShortCutHandler = [this](const MSG& msg) { return ShortCut(msg); };
  ApplySkin();
}

TskSkinForm::~TskSkinForm() {
  Frames().erase(std::find(Frames().begin(), Frames().end(), this));
  StopTimers();
  skin_menu_->CloseFrom(0);
  RemoveMenuHook();
  // A form that is destroying its components drops the hook itself (it hears of this
  // component leaving), and may already be gone in part.
  if (!form_.Destroying()) {
    form_.ShortCutHandler = nullptr;
    if (form_.MessageHook() == this) form_.SetMessageHook(nullptr);
    if (form_.HandleAllocated()) {
      if (GetCapture() == form_.Handle() && captured_ >= 0) ReleaseCapture();
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
    hovered_ = captured_ = -1;
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
  border_icons_ = icons;
  if (!skinning_) form_.SetBorderIcons(PlatformBorderIcons());
  ApplyBorderIcons();
  PaintFrame();
}

const PixelBitmap* TskSkinForm::MainPicture() const {
  if (!skin_data_ || skin_data_->Picture().Empty()) return nullptr;
  return &skin_data_->Picture().bitmap;
}

const PixelBitmap* TskSkinForm::SkinPicture(int index) const {
  return skin_data_ ? skin_data_->ActivePicture(index) : nullptr;
}

const PixelBitmap* TskSkinForm::UsableMask() const {
  // A mask drawn for another picture size would cut the window in the wrong places.
  if (!skin_data_ || skin_data_->Mask().Empty()) return nullptr;
  if (!SameSize(skin_data_->Mask().bitmap, skin_data_->Picture().bitmap)) return nullptr;
  return &skin_data_->Mask().bitmap;
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

TskFrameSkin TskSkinForm::FrameSkin() const {
  const PixelBitmap& main = skin_data_->Picture().bitmap;
  return {&skin_data_->FormInfo(), main.Width(), main.Height()};
}

int TskSkinForm::DefaultCaptionHeight() const {
  const auto style = form_.BorderStyle();
  const bool tool =
      style == TFormBorderStyle::bsToolWindow || style == TFormBorderStyle::bsSizeToolWin;
  return tool ? 15 : 19;
}

TskFrameInsets TskSkinForm::Insets() const {
  return skin_loaded_ ? SkinFrameInsets(FrameSkin()) : DefaultFrameInsets(DefaultCaptionHeight());
}

TskTrackSize TskSkinForm::MinTrackSize() const {
  const TskSizeLimits limits{MinWidth, MinHeight, MaxWidth, MaxHeight};
  const bool minimized = window_state_ == TskWindowState::wsMinimized;
  if (skin_loaded_) return SkinMinTrackSize(FrameSkin(), limits, minimized, rolled_up_);
  return DefaultMinTrackSize(DefaultCaptionHeight(), limits, minimized, rolled_up_);
}

TskFrameGeometry TskSkinForm::Geometry() const {
  const TRect bounds = WindowBounds();
  if (skin_loaded_) return SizeFrameGeometry(FrameSkin(), bounds.Width(), bounds.Height());
  TskFrameGeometry g;
  g.width = bounds.Width();
  g.height = bounds.Height();
  g.points.client = ClientOfWindow({0, 0, g.width, g.height}, Insets());
  return g;
}

bool TskSkinForm::Resizable() const {
  return IsResizable(form_.BorderStyle(), AlwaysResize);
}

bool TskSkinForm::WindowTooSmall() const {
  const TRect b = WindowBounds();
  const TskTrackSize min = MinTrackSize();
  return b.Width() < min.min_width || b.Height() < min.min_height;
}

TRect TskSkinForm::WindowBounds() const {
  RECT r;
  GetWindowRect(form_.Handle(), &r);
  return FromRECT(r);
}

void TskSkinForm::SetWindowBounds(const TRect& r) {
  form_.SetBounds(r.left, r.top, r.Width(), r.Height());
}

TPoint TskSkinForm::WindowPoint(LPARAM screen) const {
  const TRect b = WindowBounds();
  return {GET_X_LPARAM(screen) - b.left, GET_Y_LPARAM(screen) - b.top};
}

TPoint TskSkinForm::ClientToWindowPoint(LPARAM client) const {
  POINT p{GET_X_LPARAM(client), GET_Y_LPARAM(client)};
  ClientToScreen(form_.Handle(), &p);
  const TRect b = WindowBounds();
  return {p.x - b.left, p.y - b.top};
}

std::vector<TRect> TskSkinForm::CaptionRects() const {
  std::vector<TRect> rects;
  for (const auto& object : objects_) {
    if (object->IsCaption() && object->visible) rects.push_back(object->rect);
  }
  return rects;
}

TskSkinStdButtonObject* TskSkinForm::FindButton(TStdCommand command) const {
  for (const auto& object : objects_) {
    auto* button = dynamic_cast<TskSkinStdButtonObject*>(object.get());
    if (button && button->visible && button->command == command) return button;
  }
  return nullptr;
}

TskSkinCaptionObject* TskSkinForm::FindCaption() const {
  for (const auto& object : objects_) {
    if (auto* caption = dynamic_cast<TskSkinCaptionObject*>(object.get())) return caption;
  }
  return nullptr;
}

// Skin changes.

bool TskSkinForm::GlowFramesAllowed() const {
  return skin_loaded_ && skin_data_->ShowCaptionButtonGlowFrames && TskLayerManager::Available();
}

void TskSkinForm::HideGlowFrames() {
  caption_button_glow_.HideLayer();
}

void TskSkinForm::StopTimers() {
  hover_timer_->SetEnabled(false);
  fade_timer_->SetEnabled(false);
  morph_timer_->SetEnabled(false);
  animation_timer_->SetEnabled(false);
}

bool TskSkinForm::SkinEffects() const {
  return skin_loaded_ && skin_data_->EnableSkinEffects;
}

void TskSkinForm::StartAnimation() {
  animation_timer_->SetEnabled(true);
}

bool TskSkinForm::AnimationRunning() const {
  return animation_timer_->Enabled();
}

void TskSkinForm::AnimationTick() {
  bool pending = false;
  for (const auto& object : objects_) {
    auto* animate = dynamic_cast<TskSkinAnimateObject*>(object.get());
    if (!animate || !animate->visible || !AnimationPending(animate->animation, animate->active)) {
      continue;
    }
    pending = true;
    if (StepAnimation(animate->animation, animate->active)) RepaintObject(*animate);
  }
  if (!pending) animation_timer_->SetEnabled(false);
}

bool TskSkinForm::Morphs(const TskActiveSkinObject& object) const {
  return object.morphing && skin_loaded_ && skin_data_->EnableSkinEffects;
}

void TskSkinForm::StartMorph() {
  morph_timer_->SetEnabled(true);
}

void TskSkinForm::MorphTick() {
  bool changed = false;
  for (const auto& object : objects_) {
    if (!Morphs(*object) || !object->MorphPending()) continue;
    const double step = object->active ? 0.2 : -0.2;
    object->morph_factor = std::clamp(object->morph_factor + step, 0.0, 1.0);
    // Five steps of 0.2 must land on the end exactly, whatever the rounding on the way.
    if (object->morph_factor > 0.99) object->morph_factor = 1;
    if (object->morph_factor < 0.01) object->morph_factor = 0;
    RepaintObject(*object);
    changed = true;
  }
  if (!changed) morph_timer_->SetEnabled(false);
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

void TskSkinForm::StartFade() {
  if ((!AlphaBlend && !AlphaBlendAnimation) || !LayeredWindowsSupported()) return;
  const HWND h = form_.Handle();
  SetWindowLongW(h, GWL_EXSTYLE, GetWindowLongW(h, GWL_EXSTYLE) | WS_EX_LAYERED);
  fade_alpha_ = 0;
  SetLayeredWindowAttributes(h, 0, 0, LWA_ALPHA);
  fade_timer_->SetEnabled(true);
}

void TskSkinForm::FadeTick() {
  const int target = AlphaBlend ? std::clamp(AlphaBlendValue, 0, 255) : 255;
  fade_alpha_ = AlphaBlendAnimation ? NextFadeAlpha(fade_alpha_, target) : target;
  SetLayeredWindowAttributes(form_.Handle(), 0, BYTE(fade_alpha_), LWA_ALPHA);
  if (fade_alpha_ != target) return;
  fade_timer_->SetEnabled(false);
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
  if (skin_menu_->Visible()) {
    skin_menu_->CloseAll();
  } else if (menu_mode_) {
    LeaveMenuMode();
  }
  changing_ = true;
  skin_loaded_ = false;
  StopTimers();
  if (captured_ >= 0 && GetCapture() == form_.Handle()) {
    releasing_ = true;
    ReleaseCapture();
    releasing_ = false;
  }
  hovered_ = captured_ = -1;
  HideGlowFrames();
  objects_.clear();
  if (form_.HandleAllocated()) PostMessageW(form_.Handle(), kCheckSkinChange, 0, 0);
}

void TskSkinForm::ApplySkin() {
  hovered_ = captured_ = -1;
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
  if (skinning_ && form_.Visible()) hover_timer_->SetEnabled(true);
  if (!rolled_up_ && ClientWidth > 0 && ClientHeight > 0) {
    form_.SetClientSize(ClientWidth, ClientHeight);
  }
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
    if (auto* std_button = dynamic_cast<const TskDataSkinStdButton*>(d)) {
      objects_.push_back(std::make_unique<TskSkinStdButtonObject>(*this, std_button));
    } else if (auto* button = dynamic_cast<const TskDataSkinButton*>(d)) {
      objects_.push_back(std::make_unique<TskSkinButtonObject>(*this, button));
    } else if (auto* caption = dynamic_cast<const TskDataSkinCaption*>(d)) {
      objects_.push_back(std::make_unique<TskSkinCaptionObject>(*this, caption));
    } else if (auto* animate = dynamic_cast<const TskDataSkinAnimate*>(d)) {
      objects_.push_back(std::make_unique<TskSkinAnimateObject>(*this, animate));
    } else if (auto* user = dynamic_cast<const TskDataUserObject*>(d)) {
      objects_.push_back(std::make_unique<TskUserObject>(*this, user));
    }
  }
}

void TskSkinForm::CreateDefaultObjects() {
  for (TStdCommand c :
       {TStdCommand::cmClose, TStdCommand::cmMaximize, TStdCommand::cmMinimize,
        TStdCommand::cmRollUp, TStdCommand::cmMinimizeToTray, TStdCommand::cmSysMenu}) {
    objects_.push_back(std::make_unique<TskSkinStdButtonObject>(*this, c));
  }
}

namespace {

// The command of a standard button or an animate object; the other objects have none.
std::optional<TStdCommand> CommandOf(const TskActiveSkinObject& object) {
  if (auto* button = dynamic_cast<const TskSkinStdButtonObject*>(&object)) return button->command;
  if (auto* animate = dynamic_cast<const TskSkinAnimateObject*>(&object)) return animate->command;
  return std::nullopt;
}

TskRestoreLook* RestoreLookOf(TskActiveSkinObject& object) {
  if (auto* button = dynamic_cast<TskSkinStdButtonObject*>(&object)) return &button->restore;
  if (auto* animate = dynamic_cast<TskSkinAnimateObject*>(&object)) return &animate->restore;
  return nullptr;
}

}  // namespace

void TskSkinForm::ApplyBorderIcons() {
  for (const auto& object : objects_) {
    const std::optional<TStdCommand> command = CommandOf(*object);
    if (!command) continue;
    if (HideCaptionButtons) {
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
        enabled = border_icons_.system_menu && !DisableSystemMenu;
        break;
      case TStdCommand::cmDefault: {
        // Only the window knows what a custom object is for.
        const bool shown = OnActivateCustomObject && OnActivateCustomObject(object->IDName);
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

void TskSkinForm::LoadHints() {
  if (!UseDefaultObjectHint || !skin_data_) return;
  for (const auto& object : objects_) {
    const std::optional<TStdCommand> command = CommandOf(*object);
    if (!command) continue;
    const char* name = nullptr;
    switch (*command) {
      case TStdCommand::cmClose:
        name = "CLOSEBUTTON_HINT";
        break;
      case TStdCommand::cmMaximize:
        name = "MAXBUTTON_HINT";
        break;
      case TStdCommand::cmMinimize:
        name = "MINBUTTON_HINT";
        break;
      case TStdCommand::cmSysMenu:
        name = "MENUBUTTON_HINT";
        break;
      case TStdCommand::cmRollUp:
        name = "ROLLUPBUTTON_HINT";
        break;
      case TStdCommand::cmMinimizeToTray:
        name = "TRAYBUTTON_HINT";
        break;
      case TStdCommand::cmDefault:
        continue;
    }
    TskRestoreLook& restore = *RestoreLookOf(*object);
    restore.normal_hint = SkinResourceText(skin_data_, name);
    restore.hint = SkinResourceText(skin_data_, "RESTORE_HINT");
    object->hint = InRestoreLook(*command, *this) ? restore.hint : restore.normal_hint;
  }
}

void TskSkinForm::LayoutObjects() {
  const TRect b = WindowBounds();
  if (skin_loaded_) {
    std::vector<TskLayoutItem> items;
    for (const auto& object : objects_) {
      TskLayoutItem item;
      if (const std::optional<TStdCommand> command = CommandOf(*object)) {
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
    auto* button = static_cast<TskSkinStdButtonObject*>(object.get());
    if (button->visible && button->command != TStdCommand::cmSysMenu) ++visible;
  }
  const TskSkinStdButtonObject* sysmenu = FindButton(TStdCommand::cmSysMenu);
  const int s = DefaultCaptionHeight() == 15 ? 13 : 17;
  const TskDefaultLayout layout = LayoutDefaultFrame(
      b.Width(), DefaultCaptionHeight(), s, visible, sysmenu != nullptr,
      ShowIcon ? TPoint{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}
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

// The region. The platform owns a region that SetWindowRgn accepted: it is never deleted here.

void TskSkinForm::SetRegion(HRGN region) {
  if (!SetWindowRgn(form_.Handle(), region, TRUE)) {
    if (region) DeleteObject(region);
    return;
  }
  region_applied_ = region != nullptr;
}

void TskSkinForm::RemoveRegion() {
  region_shape_.reset();
  if (region_applied_) SetRegion(nullptr);
  region_applied_ = false;
}

void TskSkinForm::UpdateRegion() {
  if (!form_.HandleAllocated()) return;
  const PixelBitmap* mask = skin_loaded_ ? UsableMask() : nullptr;
  if (!skinning_ || !mask || form_.BorderStyle() == TFormBorderStyle::bsNone) {
    RemoveRegion();
    return;
  }
  const TskFormInfo& info = skin_data_->FormInfo();
  const TskFrameGeometry g = Geometry();
  TskSkinPoints points = FramePoints(info);
  points.client = info.maskrectarea;
  TskSkinPoints sized = g.points;
  sized.client = g.mask_area;
  region_shape_ = BuildWindowRegion(*mask, points, g.width, sized);
  if (!region_shape_) {
    // Too small for the mask's corners: no shape at all rather than a broken one.
    RemoveRegion();
    PaintFrame();
    return;
  }
  SetRegion(CreateWindowRegion(region_shape_));
}

// Painting.

void TskSkinForm::PaintFrame(HDC dc) {
  if (!skinning_ || !form_.HandleAllocated() || IsIconic(form_.Handle())) return;
  if (form_.BorderStyle() == TFormBorderStyle::bsNone) return;
  HDC own = dc ? nullptr : GetWindowDC(form_.Handle());
  HDC target = dc ? dc : own;
  if (!target) return;
  if (skin_loaded_) {
    PaintSkinFrame(target);
  } else if (!changing_) {
    PaintDefaultFrame(target);
  }
  if (own) ReleaseDC(form_.Handle(), own);
}

void TskSkinForm::PaintSkinFrame(HDC dc) {
  if (skin_data_->SkinChanging() || WindowTooSmall()) return;
  const TskFormInfo& info = skin_data_->FormInfo();
  const TskFrameGeometry g = Geometry();
  LayoutObjects();
  const PixelBitmap& main = skin_data_->Picture().bitmap;
  const PixelBitmap& inactive = skin_data_->InActivePicture().bitmap;
  const bool use_inactive = !form_active_ && !inactive.Empty() && SameSize(inactive, main);
  const PixelBitmap& src = use_inactive ? inactive : main;
  TskNineArea area;
  area.skin_rect = src.Bounds();
  area.points = FramePoints(info);
  area.stretch = {info.leftstretch, info.topstretch, info.rightstretch, info.bottomstretch};
  TskBorderStrips strips = BuildBorderStrips(src, area, g.width, g.height, g.points);
  const bool effect = !form_active_ && info.autorenderinginactiveimage;
  auto finish = [&](PixelBitmap& strip) {
    if (!effect || strip.Empty()) return;
    TskEffectBmp bmp(std::move(strip));
    bmp.ApplyInactiveEffect(info.inactiveeffect, 1);
    strip = bmp.Picture();
  };
  const int client_top = g.points.client.top;
  const int client_bottom = g.points.client.bottom;
  // Objects go onto the top and bottom strips before they reach the screen.
  auto compose = [&](PixelBitmap& strip, int strip_top, bool bottom) {
    if (strip.Empty()) return;
    TBitmap bitmap(strip.Width(), strip.Height());
    std::memcpy(bitmap.Bits(), strip.Pixels().data(), strip.Pixels().size() * sizeof(Pixel));
    for (const auto& object : objects_) {
      if (!object->visible) continue;
      const bool below = object->rect.bottom > client_top;
      if (below != bottom) continue;
      object->Draw(bitmap.DC(), {0, -strip_top}, false);
    }
    GdiFlush();
    strip = bitmap.ToPixels();
  };
  compose(strips.top, 0, false);
  compose(strips.bottom, client_bottom, true);
  finish(strips.top);
  finish(strips.bottom);
  finish(strips.left);
  finish(strips.right);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, g.points.client.left, g.points.client.top, g.points.client.right,
                  g.points.client.bottom);
  DrawStrip(dc, 0, 0, strips.top);
  DrawStrip(dc, 0, strips.top.Height(), strips.left);
  DrawStrip(dc, g.width - strips.right.Width(), strips.top.Height(), strips.right);
  DrawStrip(dc, 0, g.height - strips.bottom.Height(), strips.bottom);
  RestoreDC(dc, saved);
}

void TskSkinForm::PaintDefaultFrame(HDC dc) {
  if (objects_.empty()) {
    CreateDefaultObjects();
    ApplyBorderIcons();
  }
  const TRect b = WindowBounds();
  const int w = b.Width();
  const int h = b.Height();
  const int ch = DefaultCaptionHeight();
  LayoutObjects();
  TBitmap strip(std::max(w - 6, 1), ch);
  TCanvas& canvas = strip.Canvas();
  canvas.FillRect({0, 0, strip.Width(), ch}, GetSysColor(COLOR_BTNFACE));
  int left = 0;
  int right = strip.Width();
  for (const auto& object : objects_) {
    if (!object->visible) continue;
    auto* button = static_cast<TskSkinStdButtonObject*>(object.get());
    if (button->command == TStdCommand::cmSysMenu) {
      left = std::max(left, object->rect.right - 3);
    } else {
      right = std::min(right, object->rect.left - 3);
    }
  }
  for (int i = 0; i < ch - 5; ++i) {
    canvas.FillRect({left + 2, 2 + i, right - 2, 3 + i},
                    GetSysColor(i % 2 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
  }
  const std::wstring& caption = form_.Caption();
  if (!caption.empty() && right - left > 8) {
    canvas.SetFont(form_active_ ? DefCaptionFont : DefInActiveCaptionFont);
    const std::wstring text = FitTextWithEllipsis(strip.DC(), caption, right - left - 8);
    const SIZE size = canvas.TextExtent(text);
    const int cx = left + (right - left) / 2 - (size.cx + 5) / 2;
    const int cy = ch / 2 - size.cy / 2;
    canvas.FillRect({cx - 2, cy - 2, cx + size.cx + 7, cy + size.cy + 2},
                    GetSysColor(COLOR_BTNFACE));
    canvas.TextOut(cx + 2, cy, text);
  }
  for (const auto& object : objects_) {
    if (object->visible) object->Draw(strip.DC(), {-3, -3}, false);
  }
  const TRect client = ClientOfWindow({0, 0, w, h}, Insets());
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  strip.Draw(dc, 3, 3);
  TCanvas frame(dc);
  frame.Bevel({0, 0, w, h}, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
  frame.Bevel({1, 1, w - 1, h - 1}, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
  frame.Bevel({2, 2, w - 2, h - 2}, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
  frame.FillRect({3, 3 + ch, w - 3, client.top}, GetSysColor(COLOR_BTNFACE));
  RestoreDC(dc, saved);
}

void TskSkinForm::PaintBackground(HDC dc) {
  RECT rc;
  GetClientRect(form_.Handle(), &rc);
  const TRect client = FromRECT(rc);
  const PixelBitmap* main = MainPicture();
  const TskFormInfo* info = skin_loaded_ ? &skin_data_->FormInfo() : nullptr;
  const PixelBitmap* bg = info ? SkinPicture(info->bgpictureindex) : nullptr;
  TRect piece = bg ? bg->Bounds() : (info ? info->clientrect : TRect{});
  const PixelBitmap* from = bg ? bg : main;
  if (!from || piece.IsEmpty() || piece.right > from->Width() || piece.bottom > from->Height()) {
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  // A 0-sized piece was ruled out above, so the tiling always advances.
  for (int y = 0; y < client.bottom; y += piece.Height()) {
    for (int x = 0; x < client.right; x += piece.Width()) DrawPixelBitmap(dc, x, y, *from, piece);
  }
}

void TskSkinForm::RepaintObject(TskActiveSkinObject& object) {
  if (!skinning_ || !form_.HandleAllocated() || !object.visible) return;
  if (IsIconic(form_.Handle())) return;
  if (form_.BorderStyle() == TFormBorderStyle::bsNone || WindowTooSmall()) return;
  if (object.IsCaption() || (skin_loaded_ && !object.skin_rect_in_picture)) {
    // Pieces of the frame picture itself: the frame paint draws what lies under them.
    PaintFrame();
    return;
  }
  HDC dc = GetWindowDC(form_.Handle());
  if (!dc) return;
  object.Draw(dc, {0, 0}, true);
  ReleaseDC(form_.Handle(), dc);
}

// Hover and press.

void TskSkinForm::SetHovered(int index) {
  if (index == hovered_) return;
  const int old = hovered_;
  hovered_ = index;
  if (old >= 0 && std::size_t(old) < objects_.size()) objects_[std::size_t(old)]->MouseLeave();
  if (index >= 0) objects_[std::size_t(index)]->MouseEnter();
}

void TskSkinForm::ClearHover() {
  SetHovered(-1);
}

void TskSkinForm::TestHover(TPoint p) {
  if (!form_active_ || in_size_move_ || form_.BorderStyle() == TFormBorderStyle::bsNone) return;
  int found = -1;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const auto& o = *objects_[i];
    if (!o.enabled || !o.visible || !o.rect.Contains(p)) continue;
    if (!o.PointTest(p.x - o.rect.left, p.y - o.rect.top)) continue;
    found = int(i);
    break;
  }
  if (captured_ >= 0 && found != captured_) found = -1;
  SetHovered(found);
}

void TskSkinForm::HoverTick() {
  if (!form_active_ || !IsWindowVisible(form_.Handle())) {
    // Nothing to track on a window the user is not working in.
    hover_timer_->SetEnabled(false);
    ClearHover();
    return;
  }
  POINT cursor;
  GetCursorPos(&cursor);
  HWND under = WindowFromPoint(cursor);
  if (under != form_.Handle() &&
      !(captured_ >= 0 && GetCapture() == form_.Handle() && IsChild(form_.Handle(), under))) {
    hover_timer_->SetEnabled(false);
    ClearHover();
    return;
  }
  if (in_size_move_) {
    hover_timer_->SetEnabled(false);
    return;
  }
  const TRect b = WindowBounds();
  const TPoint p{cursor.x - b.left, cursor.y - b.top};
  if (!Geometry().points.client.Contains(p)) {
    TestHover(p);
  } else if (hovered_ >= 0) {
    ClearHover();
  }
}

void TskSkinForm::Press(int button, TPoint p) {
  TestHover(p);
  if (hovered_ < 0) return;
  TskActiveSkinObject& object = *objects_[std::size_t(hovered_)];
  if (!object.IsCaption()) SetCapture(form_.Handle());
  captured_ = hovered_;
  object.MouseDown(button);
}

void TskSkinForm::Release(int button) {
  if (captured_ < 0) return;
  TskActiveSkinObject* object = objects_[std::size_t(captured_)].get();
  captured_ = -1;
  if (!object->IsCaption() && GetCapture() == form_.Handle()) {
    releasing_ = true;
    ReleaseCapture();
    releasing_ = false;
  }
  object->MouseUp(button);
}

void TskSkinForm::CancelPress() {
  if (captured_ >= 0 && std::size_t(captured_) < objects_.size()) {
    TskActiveSkinObject* object = objects_[std::size_t(captured_)].get();
    if (auto* button = dynamic_cast<TskSkinButtonObject*>(object)) button->down = false;
    if (auto* animate = dynamic_cast<TskSkinAnimateObject*>(object)) animate->down = false;
  }
  const int captured = captured_;
  captured_ = -1;
  if (captured >= 0 && captured == hovered_) {
    RepaintObject(*objects_[std::size_t(captured)]);
  }
  ClearHover();
}

void TskSkinForm::CaptionDoubleClick() {
  const bool resizable = Resizable();
  const bool maximized = window_state_ == TskWindowState::wsMaximized;
  if (resizable && window_state_ == TskWindowState::wsMinimized) {
    SetWindowState(TskWindowState::wsNormal);
  } else if (resizable && !maximized && !rolled_up_ && border_icons_.maximize) {
    SetWindowState(TskWindowState::wsMaximized);
  } else if (resizable && maximized && !rolled_up_while_maximized_) {
    SetWindowState(TskWindowState::wsNormal);
  } else {
    SetRolledUp(!rolled_up_);
  }
}

void TskSkinForm::HandlePointer(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_NCMOUSEMOVE: {
      const TPoint p = WindowPoint(lparam);
      if (captured_ < 0) TestHover(p);
      const int target = captured_ >= 0 ? captured_ : hovered_;
      if (target >= 0 && std::size_t(target) < objects_.size()) {
        TskActiveSkinObject& object = *objects_[std::size_t(target)];
        object.MouseMove({p.x - object.rect.left, p.y - object.rect.top});
      }
      break;
    }
    case WM_MOUSEMOVE:
      // Only a press that holds the capture follows the pointer through the client area.
      if (captured_ >= 0 && GetCapture() == form_.Handle()) {
        const TPoint p = ClientToWindowPoint(lparam);
        if (Geometry().points.client.Contains(p)) {
          ClearHover();
        } else {
          TestHover(p);
        }
        if (!hover_timer_->Enabled()) hover_timer_->SetEnabled(true);
      }
      break;
    case WM_NCLBUTTONDOWN:
      if (wparam == HTCAPTION) break;
      Press(1, WindowPoint(lparam));
      break;
    case WM_NCLBUTTONDBLCLK:
      if (wparam == HTCAPTION) {
        captured_ = -1;
        CaptionDoubleClick();
        break;
      }
      Press(1, WindowPoint(lparam));
      if (hovered_ >= 0) objects_[std::size_t(hovered_)]->DoubleClick();
      break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
      if (wparam == HTCAPTION && !DisableSystemMenu) {
        captured_ = -1;
        ShowSystemMenuAt({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      }
      break;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      Release(1);
      break;
    case WM_NCRBUTTONUP:
    case WM_RBUTTONUP:
      Release(2);
      break;
    default:
      break;
  }
}

int TskSkinForm::HitTest(TPoint p) {
  const bool iconic = window_state_ == TskWindowState::wsMinimized || rolled_up_;
  TskHitTestState state{iconic, window_state_ == TskWindowState::wsMaximized, Resizable(),
                        in_size_move_, hovered_ >= 0};
  const TskFrameGeometry g = Geometry();
  if (!skin_loaded_) {
    TRect caption_area =
        LayoutDefaultFrame(g.width, DefaultCaptionHeight(), 17, 0, false).caption_area;
    for (const auto& object : objects_) {
      if (!object->visible) continue;
      if (static_cast<TskSkinStdButtonObject*>(object.get())->command == TStdCommand::cmSysMenu) {
        caption_area.left = std::max(caption_area.left, object->rect.right);
      } else {
        caption_area.right = std::min(caption_area.right, object->rect.left);
      }
    }
    return DefaultFrameHitTest(g.width, g.height, DefaultCaptionHeight(), caption_area, state, p);
  }
  std::function<bool(TPoint)> inside;
  if (region_shape_) inside = [this](TPoint q) { return region_shape_->Contains(q); };
  return SkinFrameHitTest(g, skin_data_->FormInfo(), CaptionRects(), state, inside, p);
}

// Window states.

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
      std::vector<TPoint> taken;
      for (TskSkinForm* other : Frames()) {
        if (other == this || other->IsAppMainForm() || !other->skinning_) continue;
        if (other->window_state_ != TskWindowState::wsMinimized) continue;
        if (!IsWindowVisible(other->form_.Handle())) continue;
        const TRect b = other->WindowBounds();
        taken.push_back({b.left, b.top});
      }
      const TPoint slot =
          MinimizedSlot(WorkAreaOf(form_.Handle(), false), min.min_width, min.min_height, taken);
      SetWindowBounds(RectOfSize(slot.x, slot.y, min.min_width, min.min_height));
      if (OnMinimize) OnMinimize();
      break;
    }
    case TskWindowState::wsMaximized: {
      rolled_up_before_maximizing_ = rolled_up_;
      if (restored_bounds_.IsEmpty()) restored_bounds_ = current;
      window_state_ = state;
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
      const TRect target = RestoredBounds(restored_bounds_, current);
      SetWindowBounds(target);
      if (form_.Visible()) hover_timer_->SetEnabled(true);
      if (target == current) NudgeWidth();
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

// The platform maximized the window by itself (a shell start "Run: Maximized", ShowWindow from
// another program): its bounds cut the frame off and its state would keep the maximize look. The
// window is put back into the normal state at the skinned maximized bounds in one step, the
// platform's normal bounds being what a restore gives back.
void TskSkinForm::TakeOverPlatformMaximize() {
  const HWND h = form_.Handle();
  if (!skinning_ || !IsZoomed(h)) return;
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
  } else if (ClientHeight > 0) {
    form_.SetClientSize(form_.ClientWidth(), ClientHeight);
  } else {
    SetWindowBounds(RectOfSize(b.left, b.top, b.Width(), rolled_up_saved_height_));
  }
  if (OnChangeRollUpState) OnChangeRollUpState();
}

TBorderIcons TskSkinForm::PlatformBorderIcons() const {
  return {!HideCaptionButtons, border_icons_.minimize, border_icons_.maximize};
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
    hover_timer_->SetEnabled(false);
    morph_timer_->SetEnabled(false);
    skinning_ = false;
    ApplySkin();
    if (ClientWidth <= 0 || ClientHeight <= 0) form_.SetClientSize(client.right, client.bottom);
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

void TskSkinForm::NudgeWidth() {
  const TRect b = WindowBounds();
  const int max_width = MaxWidth > 0 ? MaxWidth : WorkAreaOf(form_.Handle(), false).Width();
  const int nudged = vl::NudgeWidth(b.Width(), MinTrackSize().min_width, max_width);
  if (nudged == b.Width()) return;
  SetWindowBounds(RectOfSize(b.left, b.top, nudged, b.Height()));
  SetWindowBounds(b);
}

// Messages.

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
    SkinMenusClosed();
    result = 0;
    return true;
  }
  if (msg == kTakeOverMaximize) {
    TakeOverPlatformMaximize();
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
  const HWND h = form_.Handle();
  if (IconicNonClientMessage(msg) && IsIconic(h)) {
    if (msg == WM_NCACTIVATE) form_active_ = wparam != FALSE;
    return false;
  }
  switch (msg) {
    case WM_DESTROY:
      StopTimers();
      HideGlowFrames();
      if (captured_ >= 0 && GetCapture() == h) {
        captured_ = -1;
        releasing_ = true;
        ReleaseCapture();
        releasing_ = false;
      }
      return false;
    case WM_NCCALCSIZE: {
      RECT* r = reinterpret_cast<RECT*>(lparam);
      if (wparam) r = &reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0];
      *r = ToRECT(ClientOfWindow(FromRECT(*r), Insets()));
      result = 0;
      return true;
    }
    case WM_NCPAINT:
      PaintFrame();
      result = 0;
      return true;
    case WM_NCACTIVATE:
      HideGlowFrames();
      form_active_ = wparam != FALSE;
      if (!form_active_) {
        hover_timer_->SetEnabled(false);
        CancelPress();
      }
      PaintFrame();
      result = TRUE;
      return true;
    case WM_ACTIVATE:
      result = Previous(msg, wparam, lparam);
      form_active_ = LOWORD(wparam) != WA_INACTIVE;
      for (const auto& object : objects_) {
        if (!object->IsCaption() && int(&object - objects_.data()) != captured_) object->Reset();
      }
      if (!form_active_) hovered_ = -1;
      PaintFrame();
      return true;
    case WM_NCHITTEST: {
      const TPoint p = WindowPoint(lparam);
      result = HitTest(p);
      if (result == kHtObject && !hover_timer_->Enabled()) {
        TestHover(p);
        if (form_active_ && IsWindowVisible(h)) hover_timer_->SetEnabled(true);
      }
      return true;
    }
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
      // The platform's right press on the caption waits for the release and then offers its own
      // system menu; the frame opens the skinned one instead.
      if ((msg == WM_NCRBUTTONDOWN || msg == WM_NCRBUTTONDBLCLK) && wparam == HTCAPTION) {
        result = 0;
      } else {
        result = Previous(msg, wparam, lparam);
      }
      HandlePointer(msg, wparam, lparam);
      return true;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      if (!releasing_ && (captured_ >= 0 || hovered_ >= 0)) CancelPress();
      return false;
    case WM_GETMINMAXINFO: {
      result = Previous(msg, wparam, lparam);
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      const TskTrackSize min = MinTrackSize();
      const TRect work = WorkAreaOf(h, MaximizeOnFullScreen);
      info->ptMinTrackSize = {min.min_width, min.min_height};
      info->ptMaxTrackSize = {MaxWidth > 0 ? std::min(MaxWidth, work.Width()) : work.Width(),
                              MaxHeight > 0 ? std::min(MaxHeight, work.Height()) : work.Height()};
      // The maximized window of a sizing loop may still be larger than the work area by the
      // 1-pixel margin; never smaller than the minimum.
      info->ptMaxTrackSize.x = std::max(info->ptMaxTrackSize.x, LONG(min.min_width));
      info->ptMaxTrackSize.y = std::max(info->ptMaxTrackSize.y, LONG(min.min_height));
      return true;
    }
    case WM_SIZE: {
      // The window's own handler always runs, so aligned children follow a live resize.
      result = Previous(msg, wparam, lparam);
      const TRect b = WindowBounds();
      // During a full-window drag WM_SIZING has cut the region for this size already, but a
      // platform may crop a region to the window it is given to, which was still the old size
      // then (Wine does): the region is cut again now that the window has its size.
      const bool changed =
          b.Width() != width_ || b.Height() != height_ || (in_size_move_ && full_drag_);
      width_ = b.Width();
      height_ = b.Height();
      if (wparam == SIZE_MAXIMIZED) PostMessageW(h, kTakeOverMaximize, 0, 0);
      UpdateCaptionStyle(true);
      LayoutObjects();
      if (!changed) return true;
      // A shape cut for another size would be wrong: below the smallest size there is none.
      if (WindowTooSmall()) {
        RemoveRegion();
      } else {
        UpdateRegion();
      }
      return true;
    }
    case WM_SIZING: {
      if (in_size_move_ && full_drag_) {
        const TRect r = FromRECT(*reinterpret_cast<RECT*>(lparam));
        if (r.Width() != width_ || r.Height() != height_) {
          width_ = r.Width();
          height_ = r.Height();
          const TskTrackSize min = MinTrackSize();
          if (width_ >= min.min_width && height_ >= min.min_height) {
            LayoutObjects();
            UpdateRegion();
          }
        }
      }
      return false;
    }
    case WM_MOVING:
      if (window_state_ == TskWindowState::wsMaximized) {
        *reinterpret_cast<RECT*>(lparam) = ToRECT(WindowBounds());
        result = TRUE;
        return true;
      }
      return false;
    case WM_ENTERSIZEMOVE: {
      HideGlowFrames();
      for (const auto& object : objects_) object->Reset();
      hover_timer_->SetEnabled(false);
      hovered_ = captured_ = -1;
      in_size_move_ = true;
      BOOL full = FALSE;
      SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
      full_drag_ = full != FALSE;
      return false;
    }
    case WM_EXITSIZEMOVE: {
      hover_timer_->SetEnabled(false);
      hovered_ = captured_ = -1;
      // The loop is over however it started (the caption, an edge or a size grip in the client
      // area), so hover and the next press work again at once.
      in_size_move_ = false;
      const TRect b = WindowBounds();
      width_ = b.Width();
      height_ = b.Height();
      LayoutObjects();
      UpdateRegion();
      PaintFrame();
      return false;
    }
    case WM_SETTEXT:
      result = Previous(msg, wparam, lparam);
      PaintFrame();
      return true;
    case WM_SHOWWINDOW:
      result = Previous(msg, wparam, lparam);
      if (wparam) {
        // A native menu bar would be drawn into a frame that has no room for it.
        if (GetMenu(h)) ::SetMenu(h, nullptr);
        LayoutObjects();
        UpdateRegion();
        StartFade();
      } else {
        hover_timer_->SetEnabled(false);
        fade_timer_->SetEnabled(false);
        CancelPress();
        HideGlowFrames();
        DropLayeredStyle();
      }
      return true;
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wparam));
      result = 1;
      return true;
    case WM_SYSCOMMAND:
      switch (wparam & 0xFFF0) {
        case SC_KEYMENU:
          // The platform's own menu loop must never run.
          KeyMenu();
          result = 0;
          return true;
        case SC_MAXIMIZE:
          SetWindowState(TskWindowState::wsMaximized);
          result = 0;
          return true;
        case SC_RESTORE:
          // From the platform's minimized bar the platform restores: it brings back the bounds
          // the window had, skinned-maximized ones included, and the frame keeps its state.
          if (IsIconic(h)) {
            if (OnRestore) OnRestore();
            return false;
          }
          if (window_state_ == TskWindowState::wsNormal) return false;
          SetWindowState(TskWindowState::wsNormal);
          result = 0;
          return true;
        case SC_MINIMIZE:
          if (IsAppMainForm()) return false;
          SetWindowState(TskWindowState::wsMinimized);
          result = 0;
          return true;
        default:
          return false;
      }
    default:
      return false;
  }
}

}  // namespace vl
