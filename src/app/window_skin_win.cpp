#include "app/window_skin_win.h"

#include "framework/application_win.h"
#include "skin/data/carried_skin_win.h"

namespace vl {

void LoadCarriedSkin(TForm& form, TskCompressedSkinList*& skin_list, TskSkinData*& skin_data) {
  skin_list = new TskCompressedSkinList(&form);
  skin_list->SetName("skCompressedSkinList1");
  skin_data = new TskSkinData(&form, TopLevelFormNotifier());
  skin_data->SetName("skSkinData1");
  // A damaged package is an error like any other: the error box says so, once for the program
  // (every window carries the same bytes), and the windows go on in the default look.
  static bool damaged = false;
  if (damaged) return;
  try {
    ReadCarriedSkin(skin_list->Skins().Add());
    skin_data->SetSkinList(skin_list);
  } catch (const std::exception& error) {
    damaged = true;
    Application().HandleException(error);
  }
}

void AttachSkinData(TskSkinData* skin_data, std::initializer_list<TskSkinnable*> controls) {
  for (TskSkinnable* control : controls) control->SetSkinData(skin_data);
}

}  // namespace vl
