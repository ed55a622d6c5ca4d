// The main window driven through its real controls: start-up, queries, the index commands and
// the actions on a result row, with message boxes, shell and clock replaced by recorders.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/main_unit_win.h"
#include "app/unit_set_win.h"
#include "search/locations.h"
#include "search/natural_order.h"
#include "search/path_ops.h"
#include "support/gui_test_win.h"
#include "support/temp_dir.h"

namespace vl {
namespace {

using testing::Click;
using testing::Pump;
using testing::TypeChars;

const std::string kNoIndex = "Indexes are not found in current, please indexed file first!";
const std::string kEmptyKeyword = "The file name cannot be empty\xEF\xBC\x81";
const std::string kVanished = "File has been deleted or moved. Please refresh the index database!";
const std::string kVanishedFullWidth =
    "File has been deleted or moved. Please refresh the index database\xEF\xBC\x81";
const std::string kAskQuit = "Sure to Quit\xEF\xBC\x9F";
const std::string kAskRebuild = "Sure you want to rebuild the index database?";
const std::string kAskClear = "Sure to clear the cache\xEF\xBC\x9F";
const std::string kRebuilt =
    "Successful update the index, You can enjoy the high-speed search\xEF\xBC\x81";

std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

class MainWindowTest : public testing::SeamsFixture {
 protected:
  ~MainWindowTest() override {
    if (form) form->Release();
  }

  void Start() { form = std::make_unique<TFrmMain>(nullptr, dir.Str()); }
  void StartWithIndex(const std::vector<std::string>& lines) {
    dir.Write("vl.vl", Lines(lines));
    Start();
  }
  std::string Label() const { return form->lblResult->CaptionUtf8(); }
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < form->Results().Count(); ++i) {
      rows.emplace_back(form->Results().Path(i));
    }
    return rows;
  }
  void Select(const std::string& path) {
    for (std::size_t i = 0; i < form->Results().Count(); ++i) {
      if (form->Results().Path(i) == path) form->lvResult->SetItemIndex(int(i));
    }
    ASSERT_GE(form->lvResult->ItemIndex(), 0) << path;
  }

  testing::TempDir dir;
  std::unique_ptr<TFrmMain> form;
};

TEST_F(MainWindowTest, FirstStartInAnEmptyFolderMakesTheDataFolderAndSaysThereIsNoIndex) {
  Start();
  EXPECT_TRUE(DirectoryExists(dir.Str() + "data\\"));
  EXPECT_EQ(dialogs.informs, std::vector<std::string>{kNoIndex});
  EXPECT_FALSE(form->Index().Exists());
  EXPECT_EQ(form->lvResult->ItemCount(), 0);
  EXPECT_EQ(Label(), "\xE7\xBB\x93\xE6\x9E\x9C");
  // Without an index every query finds nothing, with the usual label.
  TypeChars(form->edtName->Handle(), "a");
  EXPECT_EQ(Label(), "0    results taken   0    milliseconds");
}

TEST_F(MainWindowTest, AZeroByteIndexLoadsSilentlyAsAnEmptyIndex) {
  dir.Write("vl.vl", "");
  Start();
  EXPECT_TRUE(dialogs.informs.empty());
  ASSERT_TRUE(form->Index().Exists());
  EXPECT_EQ(form->Index().Current()->Count(), 0u);
}

TEST_F(MainWindowTest, TheWindowHasItsLayout) {
  StartWithIndex({});
  EXPECT_EQ(form->ClientWidth(), 826);
  EXPECT_EQ(form->ClientHeight(), 502);
  // The skinned menu bar takes the top 22 pixels of the client area.
  EXPECT_EQ(form->skSkinMainMenuBar1->BoundsRect(), (TRect{0, 0, 826, 22}));
  EXPECT_EQ(form->pnl1->BoundsRect(), (TRect{0, 22, 826, 79}));
  EXPECT_EQ(form->pnl4->BoundsRect(), (TRect{0, 79, 826, 114}));
  EXPECT_EQ(form->FlStatusBar1->BoundsRect(), (TRect{0, 483, 826, 502}));
  EXPECT_EQ(form->FlStatusPane2->Width(), 217);
  EXPECT_EQ(form->FlStatusPane1->Width(), 217);
  EXPECT_EQ(form->FlClockStatus1->Width(), 264);
  EXPECT_LT(form->FlStatusPane2->Left(), form->FlStatusPane1->Left());
  EXPECT_LT(form->FlStatusPane1->Left(), form->FlProgressBar1->Left());
  EXPECT_LT(form->FlProgressBar1->Left(), form->FlClockStatus1->Left());
  EXPECT_LT(form->FlClockStatus1->Left(), form->FlVersionInfoStatus1->Left());
  // The window unpacked the skin package carried in the executable while it was created.
  EXPECT_FALSE(form->skSkinData1->Empty());
  EXPECT_EQ(form->lvResult->SkinData(), form->skSkinData1);
  EXPECT_EQ(form->pnl2->BoundsRect(), (TRect{0, 114, 826, 483}));
  // The skinned tool panel aligns the row in its client area 2,2 - 824,55; the query buttons
  // keep their widths and take its height, so the last one runs two pixels past the area.
  struct Expect {
    TWinControl* control;
    TRect bounds;
  } row[] = {
      {form->lbl1, {2, 2, 122, 55}},      {form->edtName, {122, 2, 476, 55}},
      {form->btnfind, {476, 2, 541, 55}}, {form->btnMusic, {541, 2, 598, 55}},
      {form->btnPic, {598, 2, 655, 55}},  {form->btnVideo, {655, 2, 712, 55}},
      {form->btnDoc, {712, 2, 769, 55}},  {form->btnExe, {769, 2, 826, 55}},
  };
  for (const auto& e : row) EXPECT_EQ(e.control->BoundsRect(), e.bounds) << e.control->Name();
  EXPECT_EQ(form->lvResult->ColumnCount(), 4);
  EXPECT_EQ(form->lvResult->ColumnWidth(0), 180);
  EXPECT_EQ(form->lvResult->ColumnWidth(3), 120);
}

TEST_F(MainWindowTest, TypingThreeLettersRunsThreeQueriesAndASpaceAFourth) {
  StartWithIndex({"C:\\a1", "C:\\Ab2", "C:\\aBc3", "D:\\x"});
  clock.step = 7;
  const HWND edit = form->edtName->Handle();
  struct Step {
    const char* key;
    std::size_t rows;
  } steps[] = {{"a", 3}, {"b", 2}, {"c", 1}, {" ", 1}};
  for (const auto& s : steps) {
    TypeChars(edit, s.key);
    EXPECT_EQ(form->Results().Count(), s.rows) << s.key;
    EXPECT_EQ(form->lvResult->ItemCount(), int(s.rows)) << s.key;
    EXPECT_EQ(Label(), std::to_string(s.rows) + "    results taken   7    milliseconds");
  }
  EXPECT_EQ(Rows(), std::vector<std::string>{"C:\\aBc3"});
  // The list asks for the row's texts and gets the four columns cut from the path.
  EXPECT_EQ(form->lvResult->ItemText(0, 0), "aBc3");
  EXPECT_EQ(form->lvResult->ItemText(0, 1), "C:\\");
  EXPECT_EQ(form->lvResult->ItemText(0, 2), "");
  EXPECT_EQ(form->lvResult->ItemText(0, 3), "0.00 KB");
}

TEST_F(MainWindowTest, EnterInAnEmptyBoxEmptiesTheListWhileFindOnlyComplains) {
  StartWithIndex({"C:\\a.txt", "C:\\b.txt"});
  Click(form->btnDoc->Handle());
  ASSERT_EQ(form->Results().Count(), 2u);
  const std::string category_label = Label();

  Click(form->btnfind->Handle());
  EXPECT_EQ(dialogs.informs, std::vector<std::string>{kEmptyKeyword});
  EXPECT_EQ(form->Results().Count(), 2u);
  EXPECT_EQ(Label(), category_label);

  TypeChars(form->edtName->Handle(), "\r");
  EXPECT_EQ(form->edtName->Text(), "");
  EXPECT_EQ(form->Results().Count(), 0u);
  EXPECT_EQ(form->lvResult->ItemCount(), 0);
  EXPECT_EQ(Label(), "0    results taken   0    milliseconds");
  EXPECT_EQ(dialogs.informs.size(), 1u);
}

TEST_F(MainWindowTest, FindRunsTheKeywordQueryOnTheTrimmedText) {
  StartWithIndex({"C:\\Windows\\notepad.exe", "D:\\Games\\Twin\\a.txt", "E:\\other"});
  form->edtName->SetText("  WIN\t");
  Click(form->btnfind->Handle());
  EXPECT_TRUE(dialogs.informs.empty());
  EXPECT_EQ(Rows(),
            (std::vector<std::string>{"C:\\Windows\\notepad.exe", "D:\\Games\\Twin\\a.txt"}));
}

TEST_F(MainWindowTest, EachCategoryButtonFindsItsTwoExtensions) {
  StartWithIndex({"C:\\a.mp3", "C:\\b.wma", "C:\\c.MP3", "C:\\d.jpg", "C:\\e.gif", "C:\\f.avi",
                  "C:\\g.rm", "C:\\h.doc", "C:\\i.txt", "C:\\j.exe", "C:\\k.bat", "C:\\Dir\\.",
                  "D:\\d.mp3\\x"});
  struct Case {
    TskSkinButton* button;
    std::vector<std::string> rows;
  } cases[] = {
      {form->btnMusic, {"C:\\a.mp3", "C:\\b.wma"}}, {form->btnPic, {"C:\\d.jpg", "C:\\e.gif"}},
      {form->btnVideo, {"C:\\f.avi", "C:\\g.rm"}},  {form->btnDoc, {"C:\\h.doc", "C:\\i.txt"}},
      {form->btnExe, {"C:\\j.exe", "C:\\k.bat"}},
  };
  for (const auto& c : cases) {
    Click(c.button->Handle());
    EXPECT_EQ(Rows(), c.rows) << c.button->Name();
    EXPECT_EQ(Label(), "2  results taken   0     milliseconds") << c.button->Name();
  }
}

// Records what the rebuild reports, and what the index file and the menu hold at each step.
class ProgressProbe : public IndexProgress {
 public:
  ProgressProbe(const testing::TempDir& dir, TFrmMain*& form) : dir_(dir), form_(form) {}
  std::vector<std::string> events;
  std::vector<std::string> index_files;
  std::vector<bool> menu_enabled;
  std::function<void(int)> on_complete;

  void SetTotalParts(int total) override { events.push_back("total " + std::to_string(total)); }
  void SetPartsComplete(int complete) override {
    events.push_back("complete " + std::to_string(complete));
    index_files.push_back(dir_.Read("vl.vl"));
    menu_enabled.push_back(form_->mniIndex->Enabled() || form_->mniRefresh->Enabled());
    if (on_complete) on_complete(complete);
  }

 private:
  const testing::TempDir& dir_;
  TFrmMain*& form_;
};

class RebuildTest : public MainWindowTest {
 protected:
  RebuildTest() {
    dir.Write("r1\\a.txt", "12345");
    dir.Write("r1\\sub\\b.mp3", "");
    dir.Write("r2\\c.exe", "");
    root1 = dir.Str() + "r1\\";
    root2 = dir.Str() + "r2\\";
  }
  void StartAndWriteRoots() {
    StartWithIndex({"old"});
    dir.Write("data\\list.txt", root1 + "\r\n" + root2 + "\r\n");
    raw = form.get();
    form->SetProgressBar(&probe);
  }

  // Starts with an empty index and both roots in the root list, and waits until the first pass
  // over the disk has filled the index and its orders are ready.
  void StartFollowingTheRoots() {
    dir.Write("data\\list.txt", root1 + "\r\n" + root2 + "\r\n");
    StartWithIndex({});
    ASSERT_TRUE(testing::RunLoopUntil(
        [&] {
          return form->Index().Current()->Count() > 0 && !form->Live().Running() &&
                 form->OrdersPrepared() && !form->PreparingOrders();
        },
        10000));
  }

  std::string root1, root2;
  TFrmMain* raw = nullptr;
  ProgressProbe probe{dir, raw};
};

TEST_F(RebuildTest, RebuildWalksBothRootsAndWritesTheIndexAfterEach) {
  StartAndWriteRoots();
  form->mniIndex->Click();

  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].text, kAskRebuild);
  EXPECT_EQ(dialogs.questions[0].flags, 0x40121u);
  EXPECT_EQ(dialogs.questions[0].owner, form->Handle());
  EXPECT_EQ(probe.events, (std::vector<std::string>{"total 2", "complete 1", "complete 2"}));
  ASSERT_EQ(probe.index_files.size(), 2u);
  EXPECT_NE(probe.index_files[0].find(root1 + "a.txt\r\n"), std::string::npos);
  EXPECT_NE(probe.index_files[0].find(root1 + "sub\\b.mp3\r\n"), std::string::npos);
  EXPECT_EQ(probe.index_files[0].find(root2), std::string::npos);
  EXPECT_EQ(probe.index_files[1].substr(0, probe.index_files[0].size()), probe.index_files[0]);
  EXPECT_NE(probe.index_files[1].find(root2 + "c.exe\r\n"), std::string::npos);
  EXPECT_EQ(probe.menu_enabled, (std::vector<bool>{false, false}));
  EXPECT_TRUE(form->mniIndex->Enabled());
  EXPECT_TRUE(form->mniRefresh->Enabled());
  EXPECT_EQ(dialogs.informs, std::vector<std::string>{kRebuilt});
  EXPECT_EQ(form->Index().Current()->FileText(), probe.index_files[1]);

  Click(form->btnExe->Handle());
  EXPECT_EQ(Rows(), std::vector<std::string>{root2 + "c.exe"});
}

TEST_F(RebuildTest, AfterTheDiskChangesTheIndexItsOrdersArePreparedAgain) {
  ASSERT_NO_FATAL_FAILURE(StartFollowingTheRoots());
  const IndexList* before = form->Index().Current().get();
  dir.Write("r2\\d.txt", "");
  ASSERT_TRUE(testing::RunLoopUntil(
      [&] { return form->Index().Current().get() != before && !form->Live().Running(); }));
  // Else the next name or folder sort prepares them while the window waits: seconds at
  // millions of entries, after any change on disk. They are made once the disk has been quiet
  // for three seconds.
  EXPECT_TRUE(testing::RunLoopUntil([&] { return form->OrdersPrepared(); }, 10000));
}

TEST_F(RebuildTest, ASortedResultFollowsTheDiskWithoutMakingTheWindowWaitForOrders) {
  ASSERT_NO_FATAL_FAILURE(StartFollowingTheRoots());
  TypeChars(form->edtName->Handle(), "\\");
  form->lvResultColumnClick(int(SortColumn::kName));
  const std::size_t waited = form->SortsThatWaited();
  const std::size_t entries = form->Index().Current()->Count();
  dir.Write("r2\\0.txt", "");
  // The new index's order is made between messages before the rows follow the disk, instead of
  // the window waiting for it at the change.
  ASSERT_TRUE(testing::RunLoopUntil(
      [&] {
        return form->Index().Current()->Count() == entries + 1 &&
               form->Results().Count() == entries + 1;
      },
      10000));
  EXPECT_EQ(form->SortsThatWaited(), waited);
  std::vector<std::string> names;
  for (const std::string& row : Rows()) {
    names.emplace_back(ExtractFileName(row, LeadBytes::SingleByte()));
  }
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const auto& a, const auto& b) {
    return CompareNatural(a, b) < 0;
  })) << ::testing::PrintToString(names);
  EXPECT_NE(std::find(names.begin(), names.end(), "0.txt"), names.end());
}

TEST_F(RebuildTest, RowsOnShowStayWhileTheReplacedIndexIsReleased) {
  StartAndWriteRoots();
  TypeChars(form->edtName->Handle(), "ol");
  ASSERT_EQ(Rows(), std::vector<std::string>{"old"});
  std::weak_ptr<IndexList> old = form->Index().Current();
  form->mniIndex->Click();
  EXPECT_TRUE(old.expired());
  EXPECT_EQ(Rows(), std::vector<std::string>{"old"});
  EXPECT_EQ(form->lvResult->ItemText(0, 0), "old");

  // The same after a clear, for rows that came from the rebuilt index.
  Click(form->btnExe->Handle());
  old = form->Index().Current();
  form->mniRefresh->Click();
  EXPECT_TRUE(old.expired());
  EXPECT_EQ(Rows(), std::vector<std::string>{root2 + "c.exe"});
  EXPECT_EQ(form->lvResult->ItemText(0, 0), "c.exe");
}

TEST_F(RebuildTest, CancelAtTheQuestionChangesNothing) {
  StartAndWriteRoots();
  dialogs.answers = {mb::kIdCancel};
  form->mniIndex->Click();
  EXPECT_TRUE(probe.events.empty());
  EXPECT_EQ(dir.Read("vl.vl"), "old\r\n");
  EXPECT_TRUE(dialogs.informs.empty());
}

TEST_F(RebuildTest, ClosingTheWindowDuringARebuildStopsTheWalk) {
  StartAndWriteRoots();
  probe.on_complete = [this](int complete) {
    if (complete == 1) form->Close();
  };
  dialogs.answers = {mb::kIdOk, mb::kIdOk};
  Application().SetMainForm(form.get());
  form->mniIndex->Click();
  Application().SetMainForm(nullptr);

  ASSERT_EQ(dialogs.questions.size(), 2u);
  EXPECT_EQ(dialogs.questions[1].text, kAskQuit);
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(probe.events, (std::vector<std::string>{"total 2", "complete 1"}));
  EXPECT_EQ(dir.Read("vl.vl"), probe.index_files[0]);
  EXPECT_TRUE(dialogs.informs.empty());
  EXPECT_TRUE(form->mniIndex->Enabled());
}

TEST_F(MainWindowTest, ClearAsksThenLeavesAZeroByteIndex) {
  StartWithIndex({"C:\\a.txt"});
  dialogs.answers = {mb::kIdCancel};
  form->mniRefresh->Click();
  EXPECT_EQ(dir.Read("vl.vl"), "C:\\a.txt\r\n");

  form->mniRefresh->Click();
  ASSERT_EQ(dialogs.questions.size(), 2u);
  EXPECT_EQ(dialogs.questions[1].text, kAskClear);
  EXPECT_EQ(dialogs.questions[1].flags, 33u);
  EXPECT_EQ(dir.Read("vl.vl"), "");
  TypeChars(form->edtName->Handle(), "a");
  EXPECT_EQ(form->Results().Count(), 0u);
}

TEST_F(MainWindowTest, EveryCloseRequestAsksAndOnlyOkCloses) {
  StartWithIndex({});
  Application().SetMainForm(form.get());
  dialogs.answers = {mb::kIdCancel, mb::kIdCancel, mb::kIdOk};
  form->Perform(WM_CLOSE);
  EXPECT_FALSE(Application().Terminated());
  EXPECT_EQ(form->Perform(WM_QUERYENDSESSION, 0, 0), FALSE);
  EXPECT_FALSE(Application().Terminated());
  form->Perform(WM_CLOSE);
  EXPECT_TRUE(Application().Terminated());
  Application().SetMainForm(nullptr);
  ASSERT_EQ(dialogs.questions.size(), 3u);
  for (const auto& q : dialogs.questions) {
    EXPECT_EQ(q.text, kAskQuit);
    EXPECT_EQ(q.flags, 33u);
  }
}

TEST_F(MainWindowTest, OpenTakesFilesOnlyAndHandsThemToTheShell) {
  dir.Write("folder\\inside.txt", "x");
  const std::string folder = dir.Str() + "folder";
  const std::string file = folder + "\\inside.txt";
  StartWithIndex({folder, file});
  TypeChars(form->edtName->Handle(), "folder");
  ASSERT_EQ(form->Results().Count(), 2u);

  // Nothing selected: nothing happens.
  form->lvResult->SetItemIndex(-1);
  form->mniOpen->Click();
  EXPECT_TRUE(dialogs.informs.empty());

  Select(folder);
  SendMessageW(form->lvResult->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 40));
  Pump();
  form->mniOpen->Click();
  EXPECT_EQ(dialogs.informs, (std::vector<std::string>{kVanished, kVanished}));
  EXPECT_TRUE(shell.calls.empty());

  Select(file);
  form->mniOpen->Click();
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].owner, nullptr);
  EXPECT_EQ(shell.calls[0].verb, "Open");
  EXPECT_EQ(shell.calls[0].file, file);
  EXPECT_EQ(shell.calls[0].parameters, "");
  EXPECT_EQ(shell.calls[0].show, 5);
  EXPECT_EQ(dialogs.informs.size(), 2u);

  // A file the shell refuses is not opened in silence.
  shell.opens = false;
  form->mniOpen->Click();
  EXPECT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(dialogs.informs.back(), "The shell cannot open \"" + file +
                                        "\": no program is set to open it, or its name is not "
                                        "one the shell can open.");
}

TEST_F(MainWindowTest, OpenPathAndCopyPathReportAVanishedEntryEachInItsOwnWords) {
  const std::string gone = dir.Str() + "gone.txt";
  StartWithIndex({gone});
  TypeChars(form->edtName->Handle(), "gone");
  Select(gone);
  form->mniOpenFiledir->Click();
  form->mniCopyPath->Click();
  EXPECT_EQ(dialogs.informs, (std::vector<std::string>{kVanishedFullWidth, kVanished}));
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_TRUE(shell.copied.empty());
}

TEST_F(MainWindowTest, OpenPathSelectsTheEntryAndCopyPathCopiesItWhole) {
  const std::string folder = dir.Str() + "with space " + std::string(200, 'd');
  dir.Write("with space " + std::string(200, 'd') + "\\f.txt", "");
  StartWithIndex({folder});
  TypeChars(form->edtName->Handle(), "with space");
  Select(folder);
  form->mniOpenFiledir->Click();
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].verb, "");
  EXPECT_EQ(shell.calls[0].file, "explorer.exe");
  EXPECT_EQ(shell.calls[0].parameters, "/e, /select," + folder);
  EXPECT_EQ(shell.calls[0].show, 1);

  form->mniCopyPath->Click();
  EXPECT_EQ(testing::ClipboardText(), folder);
}

TEST_F(MainWindowTest, SetFindPathShowsTheSettingsWindowAndOnlyBringsItForwardWhenShown) {
  StartWithIndex({});
  dir.Write("data\\list.txt", "C:\\\r\n");
  TFrmSet settings(nullptr, dir.Str());
  form->SetSettingsForm(&settings);
  form->Show();
  form->mniSet->Click();
  EXPECT_TRUE(settings.Visible());
  EXPECT_EQ(settings.mmoList->Text(), "C:\\\r\n");

  settings.mmoList->SetText("unsaved");
  SetForegroundWindow(form->Handle());
  ASSERT_EQ(GetForegroundWindow(), form->Handle());
  form->mniSet->Click();
  EXPECT_EQ(GetForegroundWindow(), settings.Handle());
  EXPECT_EQ(settings.mmoList->Text(), "unsaved");
  settings.Release();
}

TEST_F(MainWindowTest, OpenDirectoryOpensTheProgramFolderAndAboutDoesNothing) {
  StartWithIndex({});
  form->mniOpendir->Click();
  form->mniAbout->Click();
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].verb, "open");
  EXPECT_EQ(shell.calls[0].file, "explorer.exe");
  EXPECT_EQ(shell.calls[0].parameters, dir.Str());
  EXPECT_EQ(shell.calls[0].show, 5);
  EXPECT_TRUE(dialogs.informs.empty());
  EXPECT_TRUE(dialogs.questions.empty());
}

}  // namespace
}  // namespace vl
