#include "app/main_unit_win.h"

#include <chrono>

#include "app/communal.h"
#include "app/unit_set_win.h"
#include "app/window_skin_win.h"
#include "framework/text_win.h"
#include "search/locations.h"
#include "search/result_rows.h"
#include "search/size_text.h"

namespace vl {
namespace {

// Fixed texts are UTF-8; the full-width marks are U+FF01 "！" and U+FF1F "？".
constexpr std::string_view kNoIndex =
    "Indexes are not found in current, please indexed file first!";
constexpr std::string_view kAskQuit = "Sure to Quit\xEF\xBC\x9F";
constexpr std::string_view kEmptyKeyword = "The file name cannot be empty\xEF\xBC\x81";
constexpr std::string_view kVanished =
    "File has been deleted or moved. Please refresh the index database!";
constexpr std::string_view kVanishedFullWidth =
    "File has been deleted or moved. Please refresh the index database\xEF\xBC\x81";
constexpr std::string_view kTooLongForShell =
    "This path is too long for the shell to open (more than 259 characters). Copy path still "
    "copies it whole.";
constexpr std::string_view kShellRefused =
    "\": no program is set to open it, or its name is not one the shell can open.";
constexpr std::string_view kSizeSortTooMany =
    "Sorting by size looks up every row on the disk, which takes about a second for %1 rows. "
    "These %2 rows are more than that: narrow the search, then click FileSize again.";
constexpr std::string_view kResultCaption = "\xE7\xBB\x93\xE6\x9E\x9C";  // "result"
constexpr unsigned kQuitFlags = mb::kOkCancel | mb::kIconQuestion;

constexpr COLORREF kBlue = RGB(0, 0, 255);

// A query runs again at most this often while the index keeps changing under it.
constexpr unsigned kRequeryMs = 300;
// The index file is written again once the index has been quiet this long.
constexpr DWORD kQuietMs = 3000;
// How often a pass takes in the changes that arrived while it runs.
constexpr DWORD kCollectMs = 50;
// Looking up one row's size took 1.2 ms under Wine on the shared build machine (5,000 rows in
// 6 s, measured with the console companion's rows --sort size), so this many take about a
// second.
constexpr std::size_t kSizeSortLimit = 1000;
// The orders of a large index take seconds to prepare: a slice runs whenever the window has
// no message waiting (a timer's tick comes only then), for at most this long, so a key typed
// meanwhile waits no longer than that.
constexpr unsigned kPrepareTickMs = 10;
constexpr auto kPrepareSlice = std::chrono::milliseconds(15);

std::string Substituted(std::string_view text, std::size_t first, std::size_t second) {
  std::string out(text);
  out.replace(out.find("%1"), 2, std::to_string(first));
  out.replace(out.find("%2"), 2, std::to_string(second));
  return out;
}

}  // namespace

TFrmMain::TFrmMain(TComponent* owner, std::string app_directory)
    : TForm(owner),
      app_dir_(std::move(app_directory)),
      kick_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      requery_timer_(nullptr, kRequeryMs, [this] { Requery(); }),
      live_timer_(nullptr, 1000, [this] { LiveTick(); }),
      prepare_orders_(nullptr, kPrepareTickMs, [this] { PrepareSlice(); }) {
  SetName("FrmMain");
  SetCaption("Vorlisk");
  Font().Assign(TFont("Tahoma", -11, 0, kBlue));
  SetPosition(TPosition::poScreenCenter);
  BuildMenus();
  SetClientSize(826, 502);
  // The bar is the first top-aligned control, so it stays above the tool panel.
  skSkinMainMenuBar1 = new TskSkinMainMenuBar(this);
  skSkinMainMenuBar1->SetName("skSkinMainMenuBar1");
  skSkinMainMenuBar1->SetBounds(0, 0, 826, 22);
  skSkinMainMenuBar1->SetAlign(TAlign::alTop);
  skSkinMainMenuBar1->SetMainMenu(mmn);
  skSkinMainMenuBar1->SetParent(this);
  BuildToolRow();
  BuildResultArea();
  LoadCarriedSkin(*this, skCompressedSkinList1, skSkinData1);
  AttachSkinData(skSkinData1, {skSkinMainMenuBar1, pnl1, lbl1, btnfind, btnMusic, btnPic, btnVideo,
                               btnDoc, btnExe, pnl4, lblResult, lvResult});
  // The frame hands the skin's changes to the controls. It drives the bar from the keyboard
  // (Alt, F10, the arrows, Alt+letter) and resets it whenever the bar's menus close, so a menu
  // closed by Esc never leaves the window swallowing keys.
  skfrm = new TskSkinForm(this);
  skfrm->SetName("skfrm");
  skfrm->SetBorderIcons({true, true, true, false, false});
  skfrm->SetMainMenuBar(skSkinMainMenuBar1);
  skfrm->SetSkinData(skSkinData1);
  skSkinMainMenuBar1->SetSkinForm(skfrm);

  ResultView& view = *this;
  IndexProgress& progress = *this;
  queries_ = std::make_unique<Queries>(store_, results_, view, clock_, SystemLeadBytes(),
                                       [] { Application().ProcessMessages(); });
  queries_->SetSizeLookup([](const std::string& path) { return FileSizeOf(path); }, kSizeSortLimit);
  IndexSeams seams{SystemFileSystem(),
                   SystemDirectoryLister(),
                   progress,
                   [] { Application().ProcessMessages(); },
                   nullptr,
                   [](std::string_view path) { return WideToUtf8(AnsiToWide(path)); }};
  commands_ =
      std::make_unique<IndexCommands>(store_, RootListFileName(app_dir_), IndexFileName(app_dir_),
                                      dialogs_, Handle(), std::move(seams));
  commands_->running_changed = [this](bool running) { SetRebuildRunning(running); };
  live_ = std::make_unique<LiveIndex>(
      store_, LiveSeams{SystemDirectoryLister(), progress, [this] {
                          Application().ProcessMessages();
                          if (GetTickCount() - last_collect_ >= kCollectMs) {
                            CollectChanges();
                          }
                        }});
  DoCreate();
}

TFrmMain::~TFrmMain() {
  Application().SetWaitHandles({}, nullptr);
  CloseHandle(kick_);
}

void TFrmMain::BuildMenus() {
  mmn = new TMainMenu(this);
  mniFile = new TMenuItem(this, mmn, "File");
  mniOpendir = new TMenuItem(this, mniFile, "Open directory");
  mniRefresh = new TMenuItem(this, mniFile, "Remove file index");
  mniIndex = new TMenuItem(this, mniFile, "Rebuild the index file");
  mniConfig = new TMenuItem(this, mmn, "Config");
  mniSet = new TMenuItem(this, mniConfig, "Set Find Path");
  mniHelp = new TMenuItem(this, mmn, "Help");
  mniAbout = new TMenuItem(this, mniHelp, "About");
  mniOpendir->OnClick = [this] { mniOpendirClick(); };
  mniRefresh->OnClick = [this] { mniRefreshClick(); };
  mniIndex->OnClick = [this] { mniIndexClick(); };
  mniSet->OnClick = [this] { mniSetClick(); };
  mniAbout->OnClick = [this] { mniAboutClick(); };

  pmLvResult = new TPopupMenu(this);
  mniOpen = new TMenuItem(this, pmLvResult, "Open");
  mniOpenFiledir = new TMenuItem(this, pmLvResult, "Open Path");
  mniCopyPath = new TMenuItem(this, pmLvResult, "copy path");
  mniOpen->OnClick = [this] { lvResultDblClick(); };
  mniOpenFiledir->OnClick = [this] { mniOpenFiledirClick(); };
  mniCopyPath->OnClick = [this] { mniCopyPathClick(); };
}

TskSkinButton* TFrmMain::AddQueryButton(const char* name, const char* caption, int width) {
  auto* button = new TskSkinButton(this);
  button->SetName(name);
  button->SetCaption(caption);
  button->SetUseSkinSize(false);
  button->SetUseSkinFont(false);
  button->SetSpacing(1);
  button->SetBounds(0, 0, width, 55);
  button->SetAlign(TAlign::alLeft);
  button->SetParent(pnl1);
  return button;
}

void TFrmMain::BuildToolRow() {
  pnl1 = new TskSkinPanel(this);
  pnl1->SetName("pnl1");
  pnl1->SetBounds(0, 0, 826, 57);
  pnl1->SetAlign(TAlign::alTop);
  pnl1->SetParent(this);

  lbl1 = new TskSkinLabel(this);
  lbl1->SetName("lbl1");
  lbl1->SetCaption("KeyWords:");
  lbl1->SetAlignment(TAlignment::taCenter);
  lbl1->SetUseSkinFont(false);
  lbl1->SetUseSkinSize(false);
  lbl1->SetBounds(0, 0, 120, 55);
  lbl1->SetAlign(TAlign::alLeft);
  lbl1->SetParent(pnl1);

  edtName = new TFlEdit(this);
  edtName->SetName("edtName");
  SetUpKeywordBox(*edtName);
  edtName->SetBounds(0, 0, 354, 55);
  edtName->SetAlign(TAlign::alLeft);
  edtName->SetParent(pnl1);
  edtName->OnChange = [this] { edtNameChange(); };
  edtName->OnKeyPress = [this](char& key) { edtNameKeyPress(key); };

  btnfind = AddQueryButton("btnfind", "Find", 65);
  btnfind->SetLayout(TButtonLayout::blGlyphTop);
  btnMusic = AddQueryButton("btnMusic", "Music", 57);
  btnPic = AddQueryButton("btnPic", "Picture", 57);
  btnVideo = AddQueryButton("btnVideo", "Video", 57);
  btnDoc = AddQueryButton("btnDoc", "Files", 57);
  btnExe = AddQueryButton("btnExe", "App", 57);
  btnfind->OnClick = [this] { btnFindClick(); };
  btnMusic->OnClick = [this] { btnMusicClick(); };
  btnPic->OnClick = [this] { btnPicClick(); };
  btnVideo->OnClick = [this] { btnVideoClick(); };
  btnDoc->OnClick = [this] { btnDocClick(); };
  btnExe->OnClick = [this] { btnExeClick(); };
}

void TFrmMain::BuildResultArea() {
  pnl4 = new TskSkinPanel(this);
  pnl4->SetName("pnl4");
  pnl4->SetBounds(0, 57, 826, 35);
  pnl4->SetAlign(TAlign::alTop);
  pnl4->SetParent(this);

  lblResult = new TskSkinLabel(this);
  lblResult->SetName("lblResult");
  lblResult->SetUseSkinFont(false);
  lblResult->SetUseSkinFontColor(false);
  lblResult->SetUseSkinSize(false);
  lblResult->DefaultFont().SetColor(ColorToRGB(clWindowText));
  lblResult->SetCaption(kResultCaption);
  lblResult->SetAlign(TAlign::alClient);
  lblResult->SetParent(pnl4);

  const TMainStatusWidgets status = CreateMainStatusBar(*this);
  FlStatusBar1 = status.FlStatusBar1;
  FlStatusPane2 = status.FlStatusPane2;
  FlStatusPane1 = status.FlStatusPane1;
  FlProgressBar1 = status.FlProgressBar1;
  FlClockStatus1 = status.FlClockStatus1;
  FlVersionInfoStatus1 = status.FlVersionInfoStatus1;
  FlVersionInfo1 = status.FlVersionInfo1;
  progress_bar_ = FlProgressBar1;

  pnl2 = new TskSkinPanel(this);
  pnl2->SetName("pnl2");
  pnl2->SetAlign(TAlign::alClient);
  pnl2->SetParent(this);

  lvResult = new TskSkinListView(this);
  lvResult->SetName("lvResult");
  lvResult->AddColumn("FileName", 180);
  lvResult->AddColumn("FilePath", 200);
  lvResult->AddColumn("FileType", 80);
  lvResult->AddColumn("FileSize", 120);
  lvResult->SetPopupMenu(pmLvResult);
  lvResult->OnData = [this](int row, std::vector<std::string>& texts) { lvResultData(row, texts); };
  lvResult->OnDblClick = [this] { lvResultDblClick(); };
  lvResult->OnColumnClick = [this](int column) { lvResultColumnClick(column); };
  lvResult->SetAlign(TAlign::alClient);
  lvResult->SetParent(pnl2);
}

void TFrmMain::FormCreate() {
  data_dir_ = DataDir(app_dir_);
  index_file_ = IndexFileName(app_dir_);
  if (!DirectoryExists(data_dir_)) ForceDirectories(data_dir_);
  if (!FileExists(index_file_)) {
    dialogs_.Inform(kNoIndex);
    return;
  }
  // The list exists before the load, so an index file that cannot be read leaves an empty one.
  store_.Set(std::make_shared<IndexList>());
  store_.Set(LoadIndexList(SystemFileSystem(), index_file_));
  FollowDisk();
  queries_->Prepare();
  prepare_orders_.SetEnabled(true);
}

void TFrmMain::FormCloseQuery(bool& can_close) {
  can_close = dialogs_.Ask(Handle(), kAskQuit, kQuitFlags) == mb::kIdOk;
  if (!can_close) return;
  // The walk stops before its next folder; the roots already written stay in the index file.
  if (commands_->Rebuilding()) commands_->CancelRebuild();
  // A pass under way is dropped; the next start walks the roots again and finds what it had.
  closing_ = true;
  try {
    SaveIfUnsaved();
  } catch (const std::exception& error) {
    Application().HandleException(error);
  }
}

void TFrmMain::FormDestroy() {
  StopFollowing();
  results_.Clear();
  store_.Set(nullptr);
}

LRESULT TFrmMain::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_SETTINGCHANGE) {
    RefreshDecimalSeparator();
    lvResult->Invalidate();
  }
  return TForm::WndProc(msg, wparam, lparam);
}

void TFrmMain::RunQuery(std::function<void()> query) {
  last_query_ = std::move(query);
  const std::function<void()> run = last_query_;
  run();
}

void TFrmMain::edtNameChange() {
  RunQuery(
      [this, keyword = std::string(Trim(edtName->Text()))] { queries_->SearchByKeyword(keyword); });
}

void TFrmMain::edtNameKeyPress(char& key) {
  if (key == '\r') edtNameChange();
}

void TFrmMain::btnFindClick() {
  const std::string text = edtName->Text();
  if (Trim(text).empty()) {
    dialogs_.Inform(kEmptyKeyword);
    // The message asks for a name; what the user types next goes where it belongs.
    edtName->SetFocus();
    return;
  }
  RunQuery([this, keyword = std::string(Trim(text))] { queries_->SearchByKeyword(keyword); });
}

void TFrmMain::btnMusicClick() {
  RunQuery([this] { queries_->SearchByExtensions(".mp3", ".wma"); });
}
void TFrmMain::btnPicClick() {
  RunQuery([this] { queries_->SearchByExtensions(".jpg", ".gif"); });
}
void TFrmMain::btnVideoClick() {
  RunQuery([this] { queries_->SearchByExtensions(".avi", ".rm"); });
}
void TFrmMain::btnDocClick() {
  RunQuery([this] { queries_->SearchByExtensions(".doc", ".txt"); });
}
void TFrmMain::btnExeClick() {
  RunQuery([this] { queries_->SearchByExtensions(".exe", ".bat"); });
}

void TFrmMain::lvResultData(int row, std::vector<std::string>& texts) {
  if (row < 0 || std::size_t(row) >= results_.Count()) return;
  ResultColumns columns = ResultColumnsOf(results_.Path(std::size_t(row)));
  texts = {std::move(columns.file_name), std::move(columns.file_path), std::move(columns.file_type),
           std::move(columns.file_size)};
}

std::optional<std::string> TFrmMain::SelectedPath() const {
  const int row = lvResult->ItemIndex();
  if (row < 0 || std::size_t(row) >= results_.Count()) return std::nullopt;
  return std::string(results_.Path(std::size_t(row)));
}

std::optional<std::string> TFrmMain::ExistingSelection(bool folders_too,
                                                       std::string_view vanished) {
  auto path = SelectedPath();
  if (!path) return std::nullopt;
  if (FileExists(*path) || (folders_too && DirectoryExists(*path))) return path;
  dialogs_.Inform(vanished);
  return std::nullopt;
}

std::optional<std::string> TFrmMain::ShellPathOrSay(const std::string& path) {
  auto shell_path = ShellPathOf(path);
  if (!shell_path) dialogs_.Inform(kTooLongForShell);
  return shell_path;
}

void TFrmMain::lvResultDblClick() {
  const auto path = ExistingSelection(false, kVanished);
  if (!path) return;
  const auto shell_path = ShellPathOrSay(*path);
  if (shell_path && !OpenWithShell(Application().GetShell(), *shell_path)) {
    dialogs_.Inform("The shell cannot open \"" + *path + std::string(kShellRefused));
  }
}

void TFrmMain::mniOpenFiledirClick() {
  const auto path = ExistingSelection(true, kVanishedFullWidth);
  if (!path) return;
  if (const auto shell_path = ShellPathOrSay(*path)) {
    SelectInExplorer(Application().GetShell(), *shell_path);
  }
}

void TFrmMain::mniCopyPathClick() {
  if (const auto path = ExistingSelection(true, kVanished)) {
    CopyTextToClipboard(Application().GetShell(), Handle(), *path);
  }
}

void TFrmMain::mniOpendirClick() {
  OpenFolderInExplorer(Application().GetShell(), app_dir_);
}

void TFrmMain::mniRefreshClick() {
  const std::uint64_t before = store_.State();
  commands_->mniRefreshClick();
  if (store_.State() != before) StopFollowing();
}

void TFrmMain::mniIndexClick() {
  const std::uint64_t before = store_.State();
  commands_->mniIndexClick();
  if (store_.State() != before && !closing_) FollowDisk();
}

void TFrmMain::mniSetClick() {
  if (frm_set_) frm_set_->ShowRestored();
}

void TFrmMain::SetRebuildRunning(bool running) {
  mniIndex->SetEnabled(!running);
  mniRefresh->SetEnabled(!running);
  // Each step of a rebuild is a new index: its orders are prepared once the last is in.
  prepare_orders_.SetEnabled(!running);
}

void TFrmMain::PrepareSlice() {
  const auto end = std::chrono::steady_clock::now() + kPrepareSlice;
  while (!queries_->PrepareStep()) {
    if (std::chrono::steady_clock::now() >= end) return;
  }
  prepare_orders_.SetEnabled(false);
}

void TFrmMain::lvResultColumnClick(int column) {
  const ResultOrder order = NextOrder(queries_->Order(), SortColumn(column));
  if (!queries_->SetOrder(order)) {
    dialogs_.Inform(Substituted(kSizeSortTooMany, queries_->SizeSortLimit(), results_.Count()));
  }
}

void TFrmMain::ShowOrder(ResultOrder order) {
  lvResult->SetSortMark(int(order.column), order.descending);
}

void TFrmMain::SetRowCount(std::size_t rows) {
  lvResult->SetItemCount(int(rows));
  lvResult->Repaint();
}

void TFrmMain::SetResultLabel(std::string_view text) {
  lblResult->SetCaptionAnsi(text);
}

void TFrmMain::SetTotalParts(int total) {
  if (progress_bar_) progress_bar_->SetTotalParts(total);
}

void TFrmMain::SetPartsComplete(int complete) {
  if (progress_bar_) progress_bar_->SetPartsComplete(complete);
}

void TFrmMain::FollowDisk() {
  const std::string root_list = RootListFileName(app_dir_);
  if (!store_.Exists() || !FileExists(root_list)) {
    StopFollowing();
    return;
  }
  TextList roots = LoadTextList(SystemFileSystem(), root_list);
  watcher_.Watch(roots);
  live_->Follow(std::move(roots));
  std::vector<HANDLE> handles = watcher_.Events();
  handles.push_back(kick_);
  Application().SetWaitHandles(std::move(handles), [this] { WatchSignalled(); });
  live_timer_.SetEnabled(true);
  SetEvent(kick_);
}

void TFrmMain::StopFollowing() {
  live_->Stop();
  watcher_.Stop();
  Application().SetWaitHandles({}, nullptr);
  live_timer_.SetEnabled(false);
}

void TFrmMain::CollectChanges() {
  last_collect_ = GetTickCount();
  ChangeSet changes;
  watcher_.Collect(changes);
  live_->Add(std::move(changes));
}

void TFrmMain::WatchSignalled() {
  ResetEvent(kick_);
  CollectChanges();
  UpdateFromDisk();
}

void TFrmMain::UpdateFromDisk() {
  if (commands_->Rebuilding() || closing_) return;
  if (!live_->Update([this] { return closing_; })) return;
  last_change_ = GetTickCount();
  requery_due_ = true;
  if (!requery_timer_.Enabled()) Requery();
}

// Runs the last query again when the index changed, then waits a while before the next time.
void TFrmMain::Requery() {
  requery_timer_.SetEnabled(requery_due_);
  if (!requery_due_) return;
  if (queries_->WouldWaitForOrders(results_.Count())) {
    // The sorted rows on show stay until the new index's order is ready, and the timer asks
    // again: otherwise every change on disk would stop the window for seconds at millions of
    // entries while a large result is sorted by name or folder. A rebuild has the orders made
    // once it ends.
    if (!commands_->Rebuilding()) prepare_orders_.SetEnabled(true);
    return;
  }
  requery_due_ = false;
  if (!last_query_) return;
  const std::optional<std::string> selected = SelectedPath();
  const int top = lvResult->TopIndex();
  const std::string top_path =
      std::size_t(top) < results_.Count() ? results_.Path(std::size_t(top)) : std::string();
  const int row = lvResult->ItemIndex();
  RunQuery(last_query_);
  if (selected) {
    const std::optional<std::size_t> found = RowNear(results_, *selected, std::size_t(row));
    lvResult->SetItemIndex(found ? int(*found) : -1);
  }
  if (const auto found = RowNear(results_, top_path, std::size_t(top))) {
    lvResult->SetTopIndex(int(*found));
  }
}

void TFrmMain::LiveTick() {
  // The loop collects what the watches have (and opens lost ones again) and runs a pass.
  SetEvent(kick_);
  if (live_->Running() || commands_->Rebuilding()) return;
  if (GetTickCount() - last_change_ < kQuietMs) return;
  SaveIfUnsaved();
  // An index a pass replaced has no orders yet. They take seconds of both cores at millions of
  // entries, so a disk that keeps changing does not have them made again for every pass.
  if (!OrdersPrepared()) prepare_orders_.SetEnabled(true);
}

void TFrmMain::SaveIfUnsaved() {
  if (!live_->Unsaved() || !store_.Exists()) return;
  // Marked first, so that a disk that refuses the file shows its error once, not every second.
  live_->MarkSaved();
  SaveIndexList(SystemFileSystem(), *store_.Current(), index_file_);
}

}  // namespace vl
