#pragma once
// A test window with the carried skin loaded into a skin data object of its own, and the pixel
// helpers the skinned-control tests compare with the skin's pictures.

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/form_win.h"
#include "skin/controls/skin_control_win.h"
#include "skin/data/carried_skin_win.h"
#include "skin/data/skin_data.h"
#include "support/gui_test_win.h"

namespace vl::testing {

// A form that hands the skin messages to its controls, as the skinned frame does.
class RelayingForm : public TForm {
 public:
  RelayingForm() : TForm(nullptr) {}

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (RelaySkinMessage(*this, msg, wparam, lparam)) return 0;
    return TForm::WndProc(msg, wparam, lparam);
  }
};

class CarriedSkinFixture : public SeamsFixture {
 protected:
  CarriedSkinFixture() {
    skin_list = new TskCompressedSkinList(&form);
    EXPECT_TRUE(ReadCarriedSkin(skin_list->Skins().Add()));
    skin_data = new TskSkinData(&form, TopLevelFormNotifier());
    skin_data->SetSkinList(skin_list);
    EXPECT_FALSE(skin_data->Empty());
    form.SetClientSize(900, 500);
    form.Show();
  }
  ~CarriedSkinFixture() override { form.Release(); }

  // The colour of the carried picture `index` at (x, y), as the screen holds it.
  COLORREF SkinPixel(int index, int x, int y) const {
    return PixelToColor(skin_data->ActivePicture(index)->At(x, y));
  }
  static COLORREF ScreenPixel(TWinControl* control, int x, int y) {
    control->Repaint();
    HDC dc = GetDC(control->Handle());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(control->Handle(), dc);
    return c;
  }

  RelayingForm form;
  TskCompressedSkinList* skin_list = nullptr;
  TskSkinData* skin_data = nullptr;
};

}  // namespace vl::testing
