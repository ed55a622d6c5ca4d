#pragma once
// The native report list without a border and without scroll bars: it scrolls with the wheel
// and the keys only. Its font and colours come from the skin's list section, and its column
// header, which the list draws itself, from a button section; without them the list shows its
// default look (DefaultFont on DefaultColor) and the header flat system colours.

#include <functional>
#include <memory>
#include <optional>

#include "framework/canvas_win.h"
#include "framework/listview_win.h"
#include "skin/controls/header_section.h"
#include "skin/controls/skin_control_win.h"
#include "skin/controls/skin_listview_header_win.h"

namespace vl {

class TskDataSkinListView;

class TskSkinListView : public TListView, public TskSkinnable {
 public:
  explicit TskSkinListView(TComponent* owner);

  const std::string& HeaderSkinDataName() const { return header_skin_data_name_; }
  void SetHeaderSkinDataName(std::string name);
  // Changes of the default font reach the list at once while it has no list section.
  TFont& DefaultFont() { return default_font_; }
  TColor DefaultColor() const { return default_color_; }
  void SetDefaultColor(TColor color);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use) { use_skin_font_ = use; }

  // What the window frame calls on a skin change: BeforeApplySkinData while the old skin is
  // being replaced (the list forgets it and shows its default look), ApplySkinData once the
  // new one is in place.
  void ApplySkinData() override;
  void BeforeApplySkinData() override;

  // The header copies for one paint, looked up again every time; null for the default look.
  const TskHeaderSkin* HeaderSkin();

  // Draws the text of a header section in place of the caption: canvas of the section's
  // picture, column, pressed, the section's rectangle in that picture.
  std::function<void(TCanvas&, int, bool, const TRect&)> OnDrawHeaderSection;

  // The column whose header section shows the direction mark of a sort (-1: none).
  void SetSortMark(int column, bool descending);
  int SortMarkColumn() const { return sort_column_; }
  bool SortMarkDescending() const { return sort_descending_; }

  // The column header the list draws (its window exists while the list's does).
  TskListViewHeader& Header() { return *header_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Notification(TComponent* component, TOperation operation) override;
  void HandleCreated() override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;

 private:
  const TskDataSkinListView* ListDefinition() const;
  void ForgetSkin();
  void ApplyLook();
  void HookHeader();
  void RedrawHeader();

  std::unique_ptr<TskListViewHeader> header_;
  std::string header_skin_data_name_ = "resizetoolbutton";
  TFont default_font_{"Arial", 14};
  TColor default_color_ = clWindow;
  bool use_skin_font_ = true;
  // Off from BeforeApplySkinData (or the loss of the skin data) until the next ApplySkinData:
  // in between, the header draws nothing from the skin.
  bool skin_applied_ = false;
  std::optional<TskHeaderSkin> header_skin_;
  int sort_column_ = -1;
  bool sort_descending_ = false;
};

}  // namespace vl
