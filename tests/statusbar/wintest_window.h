#pragma once
// A real top-level window for the status widgets' tests, with pixel capture from its window
// device context (what the screen shows) and a pump for pending messages.

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "framework/application_win.h"
#include "framework/canvas_win.h"
#include "framework/form_win.h"
#include "support/pump_win.h"
#include "support/recording_seams.h"

namespace vl::testing {

class TestForm : public TForm {
 public:
  explicit TestForm(int client_width = 826, int client_height = 120) : TForm(nullptr) {
    Font().SetColor(RGB(0, 0, 255));
    SetClientSize(client_width, client_height);
  }

  // The sizing command the size grip starts; held here instead of entering the system's loop.
  WPARAM last_syscommand = 0;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (msg == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_SIZE) {
      last_syscommand = wparam;
      return 0;
    }
    return TForm::WndProc(msg, wparam, lparam);
  }
};

inline void Pump() {
  for (int i = 0; i < 3; ++i) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

// What the screen shows of a window, children included.
inline PixelBitmap Capture(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
  RECT rc;
  GetWindowRect(window, &rc);
  TBitmap shot(rc.right - rc.left, rc.bottom - rc.top);
  HDC dc = GetWindowDC(window);
  BitBlt(shot.DC(), 0, 0, shot.Width(), shot.Height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  return shot.ToPixels();
}

inline Pixel Px(COLORREF c) {
  return ColorToPixel(c);
}
inline Pixel SysPx(int index) {
  return ColorToPixel(GetSysColor(index));
}

// Saves a capture as a BMP file when VL_SCREENSHOT_DIR names a folder, for people to look at.
inline void SaveScreenshot(const PixelBitmap& bmp, const std::string& name) {
  const char* dir = std::getenv("VL_SCREENSHOT_DIR");
  if (!dir || !*dir) return;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = bmp.Width();
  info.biHeight = -bmp.Height();
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  DWORD bytes = DWORD(bmp.Pixels().size() * sizeof(Pixel));
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + bytes;
  std::ofstream out(std::string(dir) + "/" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  out.write(reinterpret_cast<const char*>(bmp.Pixels().data()), std::streamsize(bytes));
}

}  // namespace vl::testing
