// Skin messages reach the owner window first, then the other top-level windows; the carried
// package comes out of the executable's resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/form_win.h"
#include "skin/data/carried_skin_win.h"
#include "skin/data/skin_data.h"

namespace vl {
namespace {

struct Received {
  HWND window;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};
std::vector<Received> g_received;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message >= SKN_BEFORECHANGE && message <= SKN_SKINNABLECHANGED) {
    g_received.push_back({window, message, wparam, lparam});
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

HWND PlainWindow() {
  static ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VlSkinDataTestWindow";
    return RegisterClassA(&wc);
  }();
  return CreateWindowExA(0, MAKEINTATOM(atom), "other", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// A form of the framework whose skin messages are recorded like the plain window's.
class RecordingForm : public TForm {
 public:
  RecordingForm() : TForm(nullptr) {}

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (msg >= SKN_BEFORECHANGE && msg <= SKN_SKINNABLECHANGED) {
      g_received.push_back({Handle(), msg, wparam, lparam});
      return 0;
    }
    return TForm::WndProc(msg, wparam, lparam);
  }
};

TEST(SkinDataWin, OwnerHearsFirstThenTheOtherWindow) {
  g_received.clear();
  // The other window is created last, so it stands first in the screen's window order.
  RecordingForm form;
  HWND other = PlainWindow();
  ASSERT_NE(other, nullptr);
  SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  auto* list = new TskCompressedSkinList(&form);
  ASSERT_TRUE(ReadCarriedSkin(list->Skins().Add()));
  auto* data = new TskSkinData(&form, TopLevelFormNotifier());
  data->SetSkinList(list);
  ASSERT_FALSE(data->Empty());

  std::vector<std::pair<HWND, UINT>> order;
  for (const auto& r : g_received) {
    EXPECT_EQ(r.wparam, reinterpret_cast<WPARAM>(data));
    EXPECT_EQ(r.lparam, 1000);
    order.push_back({r.window, r.message});
  }
  std::vector<std::pair<HWND, UINT>> expected = {
      {form.Handle(), SKN_BEFORECHANGE}, {other, SKN_BEFORECHANGE},
      {form.Handle(), SKN_CHANGE},       {other, SKN_CHANGE},
      {form.Handle(), SKN_AFTERCHANGE},  {other, SKN_AFTERCHANGE}};
  EXPECT_EQ(order, expected);
  DestroyWindow(other);
}

TEST(SkinDataWin, CarriedPackageLoadsFromTheResource) {
  TskCompressedSkinList list;
  ASSERT_TRUE(ReadCarriedSkin(list.Skins().Add()));
  TskSkinData data(nullptr, TopLevelFormNotifier());
  data.SetSkinList(&list);
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.Picture().bitmap.Width(), 285);
  EXPECT_EQ(data.ActivePictures().size(), 8u);
  EXPECT_EQ(data.SkinControls().size(), 64u);
}

}  // namespace
}  // namespace vl
