#pragma once
// The settings window: the root list in a plain editor, with Save and Close. It is created
// hidden, reloads the root list each time it goes from hidden to visible, and only hides when
// closed.

#include <optional>
#include <string>

#include "app/seams_win.h"
#include "app/unit_set.h"
#include "framework/form_win.h"
#include "skin/controls/skin_button_win.h"
#include "skin/controls/skin_label_win.h"
#include "skin/controls/skin_memo_win.h"
#include "skin/controls/skin_panel_win.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/form/skin_form_win.h"

namespace vl {

class TFrmSet : public TForm {
 public:
  TFrmSet(TComponent* owner, std::string app_directory);

  TskSkinPanel* pnl1;
  TskSkinLabel* lbl1;
  TskSkinMemo* mmoList;
  TskSkinButton* btnSave;
  TskSkinButton* btnclose;
  TskCompressedSkinList* skCompressedSkinList1;
  TskSkinData* skSkinData1;
  TskSkinForm* skSkinForm1;

  // Set Find Path: shows the window, or brings it to the front, back from its minimized bar if
  // need be. The focus would otherwise sit in an editor nobody sees, and keys typed then would
  // change the root list unseen.
  void ShowRestored();

  void btnSaveClick();
  void btncloseClick() { Hide(); }
  // One line per drive present, after emptying the editor.
  void FillWithLogicalDrives();

 protected:
  void FormShow() override;

 private:
  // The root list as the editor shows it; nothing when there is no root list yet.
  std::optional<EditorText> ReadRootList() const;
  void ShowInEditor(const std::string& text, bool wrapped);

  std::string app_dir_;
  ApplicationDialogs dialogs_;
};

}  // namespace vl
