// Vorlisk.exe: the application object, the main window (which loads the index as it is
// created), the settings window (hidden), then the message loop until a close is confirmed.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/main_unit_win.h"
#include "app/unit_set_win.h"
#include "framework/application_win.h"
#include "search/locations.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  // An empty drive or card reader met by a walk over every drive fails its listing quietly
  // instead of stopping the walk with the system's "No disk" box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);

  vl::TApplication& app = vl::Application();
  app.SetTitle("Vorlisk");
  app.SetShowCommand(show);
  const std::string folder = vl::AppDirectory();
  auto frm_main = std::make_unique<vl::TFrmMain>(nullptr, folder);
  app.SetMainForm(frm_main.get());
  auto frm_set = std::make_unique<vl::TFrmSet>(nullptr, folder);
  frm_main->SetSettingsForm(frm_set.get());
  frm_main->Show();
  app.Run();

  frm_set->Release();
  frm_main->Release();
  return 0;
}
