// Drives a running Vorlisk from outside for the screenshot script: types a keyword into the
// keyword box, selects the first row, saves the main window as a BMP, opens the settings window
// through the menu and saves it too. Only messages without pointers cross the process
// boundary, so everything here works on another process's windows.
//
//   vorlisk-screenshot KEYWORD MAIN.bmp SETTINGS.bmp
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

HWND WaitForWindow(const wchar_t* caption, DWORD milliseconds) {
  const DWORD until = GetTickCount() + milliseconds;
  while (GetTickCount() < until) {
    HWND h = FindWindowW(L"VorliskControl", caption);
    if (h && IsWindowVisible(h) && IsWindowEnabled(h)) return h;
    Sleep(100);
  }
  return nullptr;
}

HWND FindChildOfClass(HWND parent, const wchar_t* class_name) {
  struct Search {
    const wchar_t* name;
    HWND found;
  } search{class_name, nullptr};
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        wchar_t name[64] = {};
        GetClassNameW(h, name, 64);
        if (lstrcmpiW(name, s->name) != 0) return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool SaveBmp(HWND window, const char* path) {
  RECT rc;
  GetWindowRect(window, &rc);
  const int w = rc.right - rc.left;
  const int h = rc.bottom - rc.top;
  HDC source = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(source);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, source, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD size = DWORD(w) * DWORD(h) * 4;
  BITMAPFILEHEADER file{0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size),
                        0, 0, DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof(bi.bmiHeader));
  out.write(static_cast<const char*>(bits), size);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
  return bool(out);
}

int Fail(const char* what) {
  std::fprintf(stderr, "vorlisk-screenshot: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Fail("usage: vorlisk-screenshot KEYWORD MAIN.bmp SETTINGS.bmp");
  HWND main_window = WaitForWindow(L"Vorlisk", 30000);
  if (!main_window) return Fail("the main window did not appear");
  HWND edit = FindChildOfClass(main_window, L"Edit");
  HWND list = FindChildOfClass(main_window, L"SysListView32");
  if (!edit || !list) return Fail("the keyword box or the result list is missing");

  SetForegroundWindow(main_window);
  SendMessageW(edit, WM_SETFOCUS, 0, 0);
  for (const char* p = argv[1]; *p; ++p) {
    SendMessageW(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(*p)), 1);
    Sleep(150);
  }
  SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
  Sleep(800);
  if (!SaveBmp(main_window, argv[2])) return Fail("cannot write the main picture");

  // Config > Set Find Path
  HMENU config = GetSubMenu(GetMenu(main_window), 1);
  PostMessageW(main_window, WM_COMMAND, MAKEWPARAM(GetMenuItemID(config, 0), 0), 0);
  HWND settings = WaitForWindow(L"Settings", 10000);
  if (!settings) return Fail("the settings window did not appear");
  Sleep(800);
  if (!SaveBmp(settings, argv[3])) return Fail("cannot write the settings picture");
  return 0;
}
