// The settings window driven through its real controls: what it offers without a root list,
// saving and reloading byte for byte, and what hiding and showing do to unsaved edits.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "app/unit_set.h"
#include "app/unit_set_win.h"
#include "support/gui_test_win.h"
#include "support/temp_dir.h"

namespace vl {
namespace {

using testing::Click;

class SettingsWindowTest : public testing::SeamsFixture {
 protected:
  SettingsWindowTest() {
    dir.Write("data\\.keep", "");
    form = std::make_unique<TFrmSet>(nullptr, dir.Str());
  }
  ~SettingsWindowTest() override { form->Release(); }

  testing::TempDir dir;
  std::unique_ptr<TFrmSet> form;
};

TEST_F(SettingsWindowTest, IsCreatedHiddenWithItsLayout) {
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(form->ClientWidth(), 420);
  EXPECT_EQ(form->ClientHeight(), 305);
  EXPECT_EQ(form->pnl1->BoundsRect(), (TRect{0, 0, 185, 305}));
  // With the carried skin the label and the buttons take the skin's heights, 19 and 22.
  EXPECT_EQ(form->lbl1->BoundsRect(), (TRect{1, 1, 184, 20}));
  EXPECT_EQ(form->mmoList->BoundsRect(), (TRect{1, 40, 184, 304}));
  EXPECT_EQ(form->btnSave->BoundsRect(), (TRect{272, 32, 347, 54}));
  EXPECT_EQ(form->btnclose->BoundsRect(), (TRect{272, 112, 347, 134}));
  // Its own copy of the carried skin, loaded as it was created.
  EXPECT_FALSE(form->skSkinData1->Empty());
  EXPECT_EQ(form->mmoList->SkinData(), form->skSkinData1);
}

TEST_F(SettingsWindowTest, WithoutARootListEveryPresentDriveIsOffered) {
  form->Show();
  const std::string offered = form->mmoList->Text();
  EXPECT_EQ(offered, DrivesText(GetLogicalDrives()));
  EXPECT_NE(offered.find("C:\\\r\n"), std::string::npos);

  Click(form->btnSave->Handle());
  EXPECT_EQ(dir.Read("data\\list.txt"), offered);
  EXPECT_EQ(dialogs.informs, std::vector<std::string>{"Successfully saved\xEF\xBC\x81"});
}

TEST_F(SettingsWindowTest, SavesTheEditorTextByteForByteAndReloadsWithCrLf) {
  form->Show();
  form->mmoList->SetText("C:\\\r\nD:\\Data\\");
  Click(form->btnSave->Handle());
  EXPECT_EQ(dir.Read("data\\list.txt"), "C:\\\r\nD:\\Data\\");

  form->Hide();
  dir.Write("data\\list.txt", std::string("X:\\\nY:\\\rZ:\\\n\0W:\\", 16));
  form->Show();
  EXPECT_EQ(form->mmoList->Text(), "X:\\\r\nY:\\\r\nZ:\\\r\n");
}

TEST_F(SettingsWindowTest, EditsSurviveShowingAgainButNotHidingAndShowing) {
  dir.Write("data\\list.txt", "C:\\\r\n");
  form->Show();
  form->mmoList->SetText("edited");
  form->Show();
  EXPECT_EQ(form->mmoList->Text(), "edited");

  Click(form->btnclose->Handle());
  EXPECT_FALSE(form->Visible());
  form->Show();
  EXPECT_EQ(form->mmoList->Text(), "C:\\\r\n");

  form->mmoList->SetText("edited again");
  form->Perform(WM_CLOSE);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(Application().Terminated());
  EXPECT_EQ(dir.Read("data\\list.txt"), "C:\\\r\n");
}

TEST_F(SettingsWindowTest, AFailedSaveShowsTheErrorBoxAndKeepsTheText) {
  form->Show();
  form->mmoList->SetText("C:\\");
  std::filesystem::remove_all(dir.Path() / "data");
  Click(form->btnSave->Handle());
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0].rfind("Cannot create file \"", 0), 0u) << dialogs.errors[0];
  EXPECT_TRUE(dialogs.informs.empty());
  EXPECT_EQ(form->mmoList->Text(), "C:\\");
}

}  // namespace
}  // namespace vl
