#pragma once
// The main window: the keyword box and the query buttons, the result label, the virtual result
// list with its popup menu, the menu bar with the index commands and the settings window, and
// the status bar at the foot.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/seams_win.h"
#include "framework/form_win.h"
#include "framework/menu_win.h"
#include "framework/timer_win.h"
#include "search/change_source_win.h"
#include "search/index_commands.h"
#include "search/live_index.h"
#include "search/queries.h"
#include "skin/controls/skin_button_win.h"
#include "skin/controls/skin_label_win.h"
#include "skin/controls/skin_listview_win.h"
#include "skin/controls/skin_menu_bar_win.h"
#include "skin/controls/skin_panel_win.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/form/skin_form_win.h"
#include "statusbar/main_status_bar_win.h"

namespace vl {

class TFrmSet;

class TFrmMain : public TForm, private ResultView, private IndexProgress {
 public:
  // `app_directory` is the folder the data lives in, with its trailing "\" (the executable's
  // folder in the program).
  TFrmMain(TComponent* owner, std::string app_directory);
  ~TFrmMain() override;

  TskSkinForm* skfrm;
  TskSkinMainMenuBar* skSkinMainMenuBar1;
  TMainMenu* mmn;
  TMenuItem* mniFile;
  TMenuItem* mniOpendir;
  TMenuItem* mniRefresh;
  TMenuItem* mniIndex;
  TMenuItem* mniConfig;
  TMenuItem* mniSet;
  TMenuItem* mniHelp;
  TMenuItem* mniAbout;
  TskSkinPanel* pnl1;
  TskSkinLabel* lbl1;
  TFlEdit* edtName;
  TskSkinButton* btnfind;
  TskSkinButton* btnMusic;
  TskSkinButton* btnPic;
  TskSkinButton* btnVideo;
  TskSkinButton* btnDoc;
  TskSkinButton* btnExe;
  TskSkinPanel* pnl4;
  TskSkinLabel* lblResult;
  TskSkinPanel* pnl2;
  TskSkinListView* lvResult;
  TPopupMenu* pmLvResult;
  TMenuItem* mniOpen;
  TMenuItem* mniOpenFiledir;
  TMenuItem* mniCopyPath;
  TFlStatusBar* FlStatusBar1;
  TFlStatusPane* FlStatusPane2;
  TFlStatusPane* FlStatusPane1;
  TFlProgressBar* FlProgressBar1;
  TFlClockStatus* FlClockStatus1;
  TFlVersionInfoStatus* FlVersionInfoStatus1;
  TFlVersionInfo* FlVersionInfo1;
  TskCompressedSkinList* skCompressedSkinList1;
  TskSkinData* skSkinData1;

  void SetSettingsForm(TFrmSet* form) { frm_set_ = form; }
  // The progress bar the rebuild drives: FlProgressBar1 unless a test watches in its place.
  void SetProgressBar(IndexProgress* bar) { progress_bar_ = bar; }

  const IndexStore& Index() const { return store_; }
  const LiveIndex& Live() const { return *live_; }
  const TBallArray& Results() const { return results_; }
  bool Rebuilding() const { return commands_->Rebuilding(); }
  const std::string& DataDirectory() const { return data_dir_; }
  const std::string& IndexFile() const { return index_file_; }

  void edtNameChange();
  void edtNameKeyPress(char& key);
  void btnFindClick();
  void btnMusicClick();
  void btnPicClick();
  void btnVideoClick();
  void btnDocClick();
  void btnExeClick();
  void lvResultDblClick();
  void mniOpenFiledirClick();
  void mniCopyPathClick();
  void mniOpendirClick();
  void mniRefreshClick();
  void mniIndexClick();
  void mniSetClick();
  void mniAboutClick() {}
  void lvResultData(int row, std::vector<std::string>& texts);
  // A click on a column's header section: that column's order, its reverse, index order.
  void lvResultColumnClick(int column);

  // Whether the name and folder orders of the current index are still being prepared.
  bool PreparingOrders() const { return prepare_orders_.Enabled(); }
  // Whether the name and folder orders of the current index are ready for a sort.
  bool OrdersPrepared() const { return queries_->OrdersPrepared(); }
  // How many sorts have made the window wait for orders.
  std::size_t SortsThatWaited() const { return queries_->SortsThatWaited(); }

 protected:
  void FormCreate() override;
  void FormCloseQuery(bool& can_close) override;
  void FormDestroy() override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;

 private:
  void BuildMenus();
  void BuildToolRow();
  void BuildResultArea();
  TskSkinButton* AddQueryButton(const char* name, const char* caption, int width);
  std::optional<std::string> SelectedPath() const;
  // The selected row's path while it is on disk (a file, or with folders_too a folder too);
  // otherwise nothing, after the vanished message.
  std::optional<std::string> ExistingSelection(bool folders_too, std::string_view vanished);
  // The form of path the shell takes; nothing, after saying so, when it has none.
  std::optional<std::string> ShellPathOrSay(const std::string& path);
  void SetRebuildRunning(bool running);
  void RunQuery(std::function<void()> query);

  // The index following the disk between rebuilds.
  void FollowDisk();
  void StopFollowing();
  void WatchSignalled();
  void UpdateFromDisk();
  void CollectChanges();
  void LiveTick();
  void Requery();
  void SaveIfUnsaved();

  // ResultView
  void SetRowCount(std::size_t rows) override;
  void SetResultLabel(std::string_view text) override;
  void ShowOrder(ResultOrder order) override;
  void PrepareSlice();
  // IndexProgress
  void SetTotalParts(int total) override;
  void SetPartsComplete(int complete) override;

  std::string app_dir_;
  std::string data_dir_;
  std::string index_file_;
  IndexStore store_;
  TBallArray results_;
  ApplicationDialogs dialogs_;
  ApplicationClock clock_;
  std::unique_ptr<Queries> queries_;
  std::unique_ptr<IndexCommands> commands_;
  TFrmSet* frm_set_ = nullptr;
  IndexProgress* progress_bar_ = nullptr;

  SystemChangeSource watcher_;
  std::unique_ptr<LiveIndex> live_;
  // Set to have the message loop collect changes and run a pass, from wherever it is asked.
  HANDLE kick_ = nullptr;
  // The last query the user ran, run again when the index changes under it.
  std::function<void()> last_query_;
  bool requery_due_ = false;
  TTimer requery_timer_;
  TTimer live_timer_;
  DWORD last_change_ = 0;
  DWORD last_collect_ = 0;
  bool closing_ = false;
  // Prepares the orders of the index between messages once it has been loaded or rebuilt, or
  // once the disk has been quiet for a while after a pass changed it.
  TTimer prepare_orders_;
};

}  // namespace vl
