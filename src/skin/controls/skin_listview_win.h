#pragma once
// The native report list without a border and without scroll bars: it scrolls with the wheel
// and the keys only. Font and colours are those of the default look (Arial 14, window colour),
// and the list draws its column header itself.

#include <memory>

#include "framework/listview_win.h"
#include "skin/controls/skin_control_win.h"
#include "skin/controls/skin_listview_header_win.h"

namespace vl {

class TskSkinListView : public TListView, public TskSkinnable {
 public:
  explicit TskSkinListView(TComponent* owner);

  const std::string& HeaderSkinDataName() const { return header_skin_data_name_; }
  void SetHeaderSkinDataName(std::string name) { header_skin_data_name_ = std::move(name); }
  TFont& DefaultFont() { return default_font_; }
  TColor DefaultColor() const { return default_color_; }
  void SetDefaultColor(TColor color);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use) { use_skin_font_ = use; }
  // The column header the list draws (its window exists while the list's does).
  TskListViewHeader& Header() { return *header_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Notification(TComponent* component, TOperation operation) override;
  void HandleCreated() override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;

 private:
  void ApplyDefaultLook();
  void HookHeader();

  std::unique_ptr<TskListViewHeader> header_;
  std::string header_skin_data_name_ = "resizetoolbutton";
  TFont default_font_{"Arial", 14};
  TColor default_color_ = clWindow;
  bool use_skin_font_ = true;
};

}  // namespace vl
