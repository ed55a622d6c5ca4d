#pragma once
// The main window's status bar and keyword box as the main window has them, built in one call
// so the window only places them.

#include "statusbar/flat_edit_win.h"
#include "statusbar/progress_bar_win.h"
#include "statusbar/status_bar_win.h"
#include "statusbar/status_pane_win.h"
#include "statusbar/version_info_win.h"

namespace vl {

struct TMainStatusWidgets {
  TFlStatusBar* FlStatusBar1 = nullptr;
  TFlStatusPane* FlStatusPane2 = nullptr;  // e-mail contact
  TFlStatusPane* FlStatusPane1 = nullptr;  // web contact
  TFlProgressBar* FlProgressBar1 = nullptr;
  TFlClockStatus* FlClockStatus1 = nullptr;
  TFlVersionInfoStatus* FlVersionInfoStatus1 = nullptr;
  TFlVersionInfo* FlVersionInfo1 = nullptr;  // the running executable's version block
};

// Creates the bar at the foot of `form` with its five widgets, left to right, all owned by
// `form`. Call it once the form's font is set: the bar takes it over.
TMainStatusWidgets CreateMainStatusBar(TWinControl& form);

// Gives a keyword box its look: Arial, 19 pixels high, bold, black, on its parent's colour.
void SetUpKeywordBox(TFlEdit& edit);

}  // namespace vl
