#include "skin/controls/skin_menu_win.h"

#include <utility>

#include "framework/application_win.h"
#include "framework/canvas_win.h"
#include "framework/control_win.h"
#include "framework/menu_win.h"
#include "framework/timer_win.h"
#include "skin/controls/skin_popup_window_win.h"
#include "skin/data/skin_messages.h"

namespace vl {

// Follows the asking control, so that a control freed while its chain is open, or while its
// command runs, is never sent a message.
class TskSkinMenu::AskerLink : public TComponent {
 public:
  explicit AskerLink(TWinControl* control) : control_(control) {
    if (control_) FreeNotification(control_);
  }
  ~AskerLink() override {
    if (control_) RemoveFreeNotification(control_);
  }
  TWinControl* Control() const { return control_; }
  void Send(UINT msg) const {
    if (control_ && control_->HandleAllocated()) SendMessageW(control_->Handle(), msg, 0, 0);
  }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == control_) control_ = nullptr;
  }

 private:
  TWinControl* control_;
};

namespace {

// The work area of the monitor that holds the anchor: a menu opened on a second monitor stays
// on it, wherever the owning window is.
TRect WorkAreaAt(const TRect& anchor) {
  const RECT r = ToRECT(anchor);
  HMONITOR monitor = MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (monitor && GetMonitorInfoW(monitor, &info)) return FromRECT(info.rcWork);
  RECT work;
  if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return FromRECT(work);
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// The popup objects outlive their windows until the message being handled is done with: a
// popup's own handler is usually on the stack when its level closes.
void FreeLater(std::unique_ptr<TskSkinPopupWindow> popup) {
  auto doomed = std::make_shared<std::unique_ptr<TskSkinPopupWindow>>(std::move(popup));
  Application().Post([doomed] { doomed->reset(); });
}

}  // namespace

TskSkinMenu::TskSkinMenu(TWinControl& window)
    : window_(window), wait_timer_(nullptr, 500, [this] { WaitElapsed(); }) {}

TskSkinMenu::~TskSkinMenu() {
  StopWait();
  for (auto& popup : popups_) popup->ClosePopup();
}

void TskSkinMenu::ShowChain(TWinControl* asker, TskSkinData* skin_data, bool popup_up,
                            const std::vector<TMenuItem*>& items, const TRect& anchor,
                            std::function<void()> once_close) {
  CloseFrom(0);
  work_area_ = WorkAreaAt(anchor);
  skin_data_ = skin_data;
  std::vector<TMenuItem*> shown;
  for (TMenuItem* item : items) {
    if (item && item->Visible()) shown.push_back(item);
  }
  if (!shown.empty()) {
    asker_ = std::make_shared<AskerLink>(asker);
    OnceClose = std::move(once_close);
    visible_ = true;
    OpenLevel(shown, anchor, false, popup_up);
  }
}

void TskSkinMenu::OpenLevel(const std::vector<TMenuItem*>& items, const TRect& anchor,
                            bool sub_menu, bool popup_up) {
  auto popup = std::make_unique<TskSkinPopupWindow>(*this, int(popups_.size()), skin_data_, items);
  TskSkinPopupWindow& opened = *popup;
  popups_.push_back(std::move(popup));
  opened.Open(anchor, sub_menu, popup_up, work_area_);
}

void TskSkinMenu::CloseFrom(int level) {
  level = std::max(level, 0);
  const bool ends_chain = level == 0 && visible_;
  if (level >= int(popups_.size()) && !ends_chain) return;
  if (waiting_popup_ && LevelOf(*waiting_popup_) >= level) StopWait();
  while (int(popups_.size()) > level) {
    std::unique_ptr<TskSkinPopupWindow> popup = std::move(popups_.back());
    popups_.pop_back();
    popup->ClosePopup();
    FreeLater(std::move(popup));
  }
  if (level > 0) popups_[std::size_t(level - 1)]->ClearDown();
  if (!ends_chain) return;
  visible_ = false;
  StopWait();
  const std::shared_ptr<AskerLink> asker = std::move(asker_);
  if (asker) asker->Send(SKN_CLOSEMENUS);
  std::function<void()> once = std::move(OnceClose);
  OnceClose = nullptr;
  if (once) once();
}

void TskSkinMenu::CloseAll() {
  if (!visible_ && popups_.empty()) return;
  CloseFrom(0);
  if (window_.HandleAllocated()) SendMessageW(window_.Handle(), SKN_CLOSEMENUS, 0, 0);
}

bool TskSkinMenu::Visible() const {
  return visible_;
}

int TskSkinMenu::LevelCount() const {
  return int(popups_.size());
}

TskSkinPopupWindow* TskSkinMenu::Level(int level) const {
  if (level < 0 || level >= int(popups_.size())) return nullptr;
  return popups_[std::size_t(level)].get();
}

TskSkinPopupWindow* TskSkinMenu::Topmost() const {
  return popups_.empty() ? nullptr : popups_.back().get();
}

bool TskSkinMenu::KeyDown(WPARAM key) {
  TskSkinPopupWindow* top = Topmost();
  return top && top->KeyDown(key);
}

bool TskSkinMenu::TopmostActiveHasChildren() const {
  TskSkinPopupWindow* top = Topmost();
  if (!top || !top->ActiveItem()) return false;
  return top->ActiveItem()->HasChildren();
}

TWinControl* TskSkinMenu::Asker() const {
  return asker_ ? asker_->Control() : nullptr;
}

bool TskSkinMenu::Waiting() const {
  return wait_timer_.Enabled();
}

int TskSkinMenu::LevelOf(const TskSkinPopupWindow& popup) const {
  for (std::size_t i = 0; i < popups_.size(); ++i) {
    if (popups_[i].get() == &popup) return int(i);
  }
  return -1;
}

void TskSkinMenu::ItemActivated(TskSkinPopupWindow& popup, int index) {
  const int level = LevelOf(popup);
  if (level < 0 || index < 0 || index >= popup.ItemCount()) return;
  TMenuItem& item = popup.Item(index).MenuItem();
  if (!item.Enabled()) return;
  if (!popup.Item(index).HasChildren()) {
    StopWait();
    // The command and the asking control are taken before the chain closes: the items may be
    // freed by whatever the closing sets off. The command then runs once the popup's handler has
    // returned, because a command that pumps messages for minutes must not run inside a window
    // that is already gone.
    std::function<void()> command = item.OnClick;
    std::shared_ptr<AskerLink> asker = asker_;
    CloseAll();
    Application().Post([command = std::move(command), asker = std::move(asker)] {
      if (command) command();
      if (asker) asker->Send(SKN_POPUPCOMMAND);
    });
    return;
  }
  item.Click();
  // The click may have closed the chain or this level.
  if (LevelOf(popup) != level || index >= popup.ItemCount()) return;
  StopWait();
  CloseFrom(level + 1);
  popup.Item(index).down = true;
  popup.RepaintItem(index);
  const std::vector<TMenuItem*> children = item.VisibleItems();
  if (children.empty()) return;
  OpenLevel(children, popup.ItemScreenRect(index), true, false);
}

void TskSkinMenu::ItemEntered(TskSkinPopupWindow& popup, int index, bool by_pointer) {
  const int level = LevelOf(popup);
  if (level < 0) return;
  CloseFrom(level + 1);
  if (!by_pointer || !popup.Item(index).HasChildren()) return;
  waiting_popup_ = &popup;
  waiting_index_ = index;
  wait_timer_.SetEnabled(false);
  wait_timer_.SetEnabled(true);
}

void TskSkinMenu::ItemLeft(TskSkinPopupWindow& popup, int index) {
  if (waiting_popup_ == &popup && waiting_index_ == index) StopWait();
}

void TskSkinMenu::StopWait() {
  wait_timer_.SetEnabled(false);
  waiting_popup_ = nullptr;
  waiting_index_ = -1;
}

void TskSkinMenu::WaitElapsed() {
  TskSkinPopupWindow* popup = waiting_popup_;
  const int index = waiting_index_;
  StopWait();
  if (popup && LevelOf(*popup) >= 0) ItemActivated(*popup, index);
}

}  // namespace vl
