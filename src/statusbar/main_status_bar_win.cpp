#include "statusbar/main_status_bar_win.h"

#include "statusbar/contact.h"

namespace vl {
namespace {

TFlStatusPane* ContactPane(TWinControl& form, TFlStatusBar* bar, const char* text) {
  auto* pane = new TFlStatusPane(&form);
  pane->SetWidth(217);
  pane->SetCaption(text);
  pane->SetParent(bar);
  return pane;
}

TFlProgressBar* RebuildProgress(TWinControl& form, TFlStatusBar* bar) {
  auto* progress = new TFlProgressBar(&form);
  progress->SetBackColor(clBtnFace);
  progress->SetBorderOuter(fsNone);
  progress->SetBorderInner(fsFlat);
  progress->SetBorderWidth(1);
  progress->SetParent(bar);
  return progress;
}

}  // namespace

TMainStatusWidgets CreateMainStatusBar(TWinControl& form) {
  TMainStatusWidgets w;
  w.FlStatusBar1 = new TFlStatusBar(&form);
  w.FlStatusBar1->SetParent(&form);
  w.FlStatusPane2 = ContactPane(form, w.FlStatusBar1, kContactEmail);
  w.FlStatusPane1 = ContactPane(form, w.FlStatusBar1, kContactWeb);
  w.FlProgressBar1 = RebuildProgress(form, w.FlStatusBar1);
  w.FlClockStatus1 = new TFlClockStatus(&form);
  w.FlClockStatus1->SetWidth(264);
  w.FlClockStatus1->SetParent(w.FlStatusBar1);
  w.FlVersionInfo1 = new TFlVersionInfo(&form);
  w.FlVersionInfoStatus1 = new TFlVersionInfoStatus(&form);
  w.FlVersionInfoStatus1->SetVersionInfo(w.FlVersionInfo1);
  w.FlVersionInfoStatus1->SetParent(w.FlStatusBar1);
  return w;
}

void SetUpKeywordBox(TFlEdit& edit) {
  edit.Font().Assign(TFont("Arial", -19, fsBold, RGB(0, 0, 0)));
  edit.SetParentColor(true);
}

}  // namespace vl
