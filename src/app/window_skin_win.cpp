#include "app/window_skin_win.h"

#include "skin/data/carried_skin_win.h"

namespace vl {

void LoadCarriedSkin(TForm& form, TskCompressedSkinList*& skin_list, TskSkinData*& skin_data) {
  skin_list = new TskCompressedSkinList(&form);
  skin_list->SetName("skCompressedSkinList1");
  ReadCarriedSkin(skin_list->Skins().Add());
  skin_data = new TskSkinData(&form, TopLevelFormNotifier());
  skin_data->SetName("skSkinData1");
  skin_data->SetSkinList(skin_list);
}

void AttachSkinData(TskSkinData* skin_data, std::initializer_list<TskSkinnable*> controls) {
  for (TskSkinnable* control : controls) control->SetSkinData(skin_data);
}

}  // namespace vl
