#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/edit_win.h"
#include "statusbar/main_status_bar_win.h"
#include "statusbar/wintest_window.h"

namespace vl {
namespace {

using vl::testing::Capture;
using vl::testing::Pump;
using vl::testing::SysPx;
using vl::testing::TestForm;

class FlatEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TestForm>(600, 100);
    before_ = Place(new TEdit(form_.get()), 0, 100);
    edit_ = new TFlEdit(form_.get());
    SetUpKeywordBox(*edit_);
    Place(edit_, 120, 354);
    after_ = Place(new TEdit(form_.get()), 480, 100);
    edit_->OnChange = [this] { ++changes_; };
    edit_->OnKeyPress = [this](char& key) { keys_ += key; };
    form_->Show();
    Pump();
  }

  template <class T>
  T* Place(T* control, int left, int width) {
    control->SetBounds(left, 10, width, 55);
    control->SetParent(form_.get());
    return control;
  }

  // A point of the box's background, right of any text and inside the sunken edge.
  Pixel Background() {
    PixelBitmap shot = Capture(edit_->Handle());
    return shot.At(shot.Width() - 10, shot.Height() / 2);
  }

  void Key(WPARAM vk) {
    PostMessageW(GetFocus(), WM_KEYDOWN, vk, 1);
    PostMessageW(GetFocus(), WM_KEYUP, vk, 1 | (1u << 30) | (1u << 31));
    Pump();
  }

  std::unique_ptr<TestForm> form_;
  TEdit* before_ = nullptr;
  TFlEdit* edit_ = nullptr;
  TEdit* after_ = nullptr;
  int changes_ = 0;
  std::string keys_;
};

TEST_F(FlatEditTest, KeepsTheButtonFaceWhenTabbingThrough) {
  EXPECT_EQ(edit_->Color(), clBtnFace);  // taken from the form
  before_->SetFocus();
  Pump();
  EXPECT_EQ(Background(), SysPx(COLOR_BTNFACE));
  Key(VK_TAB);
  ASSERT_TRUE(edit_->Focused());
  EXPECT_EQ(Background(), SysPx(COLOR_BTNFACE));
  Key(VK_TAB);
  ASSERT_TRUE(after_->Focused());
  EXPECT_EQ(Background(), SysPx(COLOR_BTNFACE));
}

TEST_F(FlatEditTest, AFocusColourSetApartShowsOnlyWhileFocused) {
  edit_->SetFocusColor(RGB(255, 255, 0));
  edit_->SetColor(RGB(0, 128, 0));
  edit_->SetFocus();
  Pump();
  EXPECT_EQ(Background(), vl::testing::Px(RGB(255, 255, 0)));
  after_->SetFocus();
  Pump();
  EXPECT_EQ(Background(), vl::testing::Px(RGB(0, 128, 0)));
  edit_->SetEnabled(false);
  Pump();
  EXPECT_EQ(Background(), SysPx(COLOR_BTNFACE));
}

TEST_F(FlatEditTest, EnterReachesTheKeyHandlerAndChangesNothing) {
  edit_->SetText("abc");
  changes_ = 0;
  edit_->SetFocus();
  Pump();
  Key(VK_RETURN);
  EXPECT_EQ(keys_, "\r");
  EXPECT_EQ(changes_, 0);
  EXPECT_EQ(edit_->Text(), "abc");
  EXPECT_TRUE(edit_->Focused());
}

TEST_F(FlatEditTest, EveryChangeRaisesTheChangeEvent) {
  edit_->SetFocus();
  Pump();
  Key('A');
  Key('B');
  EXPECT_EQ(keys_, "ab");
  EXPECT_EQ(changes_, 2);
  Key(VK_BACK);
  EXPECT_EQ(changes_, 3);
  edit_->SetText("set");
  EXPECT_EQ(changes_, 4);
  EXPECT_EQ(edit_->Text(), "set");
}

void PutOnClipboard(HWND owner, const std::string& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

TEST_F(FlatEditTest, APasteIsOneChange) {
  // The box has no length limit: the native control's default would cut the long one.
  for (const std::string& text : {std::string("pasted words"), std::string(40000, 'x')}) {
    PutOnClipboard(form_->Handle(), text);
    edit_->SetText("");
    edit_->SetFocus();
    Pump();
    changes_ = 0;
    SendMessageW(edit_->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(changes_, 1) << text.size();
    const std::string got = edit_->Text();
    EXPECT_EQ(got.size(), text.size());
    EXPECT_TRUE(got == text) << text.size();
  }
}

TEST_F(FlatEditTest, TabOnEnterMovesOnInstead) {
  edit_->SetTabOnEnter(true);
  edit_->SetFocus();
  Pump();
  Key(VK_RETURN);
  EXPECT_EQ(keys_, "");
  EXPECT_TRUE(after_->Focused());
}

}  // namespace
}  // namespace vl
