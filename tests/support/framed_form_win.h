#pragma once
// A test window with the skinned frame: the form, its skin data (empty until a test loads a
// skin), the frame once ShowFramed has put it on, and the window geometry the frame tests ask.

#include <windows.h>

#include "skin/data/carried_skin_win.h"
#include "skin/form/skin_form_win.h"
#include "skin/paint/paint_win.h"
#include "support/skin_form_probe_win.h"
#include "support/gui_test_win.h"

namespace vl::testing {

class FramedFormTest : public SeamsFixture {
 protected:
  FramedFormTest() {
    // The hover timer follows the real pointer: keep it off the window unless a test moves it.
    SetCursorPos(5, 5);
    skin_data = new TskSkinData(&form, TopLevelFormNotifier());
    form.SetBounds(60, 40, 400, 300);
  }
  ~FramedFormTest() override { form.Release(); }

  // Gives the skin data the carried skin.
  void UseCarriedSkin() {
    auto* list = new TskCompressedSkinList(&form);
    EXPECT_TRUE(ReadCarriedSkin(list->Skins().Add()));
    skin_data->SetSkinList(list);
    skin_list = list;
  }
  // Puts the frame on the form, with the system menu, minimize and maximize, and shows it.
  void ShowFramed() {
    frame = new TskSkinForm(&form);
    frame->SetBorderIcons({true, true, true, false, false});
    frame->SetSkinData(skin_data);
    form.Show();
    Pump();
  }

  TskSkinFormProbe Probe() const { return TskSkinFormProbe(*frame); }
  HWND H() const { return form.Handle(); }
  TRect Bounds() const {
    RECT r;
    GetWindowRect(H(), &r);
    return FromRECT(r);
  }
  // A window point as the screen coordinates of a non-client message.
  LPARAM At(TPoint p) const {
    const TRect b = Bounds();
    return MAKELPARAM(b.left + p.x, b.top + p.y);
  }

  TForm form{nullptr};
  TskCompressedSkinList* skin_list = nullptr;
  TskSkinData* skin_data = nullptr;
  TskSkinForm* frame = nullptr;
};

}  // namespace vl::testing
