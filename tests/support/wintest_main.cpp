// Entry of every Windows test program: the common controls are registered once, as the
// program itself does at start-up, before any test creates a window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
