// Tells the screenshot script where a running Vorlisk's windows are: waits until the window
// with the given caption is visible and enabled, then prints its rectangle on the screen, and
// that of its result list when it has one, as "x y width height" lines.
//
//   vorlisk-screenshot CAPTION [SECONDS]   (waits 30 seconds at most unless told otherwise)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

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

struct ClassSearch {
  const wchar_t* name;
  HWND found;
};

BOOL CALLBACK MatchClass(HWND h, LPARAM p) {
  auto* search = reinterpret_cast<ClassSearch*>(p);
  wchar_t name[64] = {};
  GetClassNameW(h, name, 64);
  if (lstrcmpiW(name, search->name) != 0) return TRUE;
  search->found = h;
  return FALSE;
}

HWND FindChildOfClass(HWND parent, const wchar_t* class_name) {
  ClassSearch search{class_name, nullptr};
  EnumChildWindows(parent, &MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void PrintRect(HWND window) {
  RECT rc;
  GetWindowRect(window, &rc);
  std::printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: vorlisk-screenshot CAPTION [SECONDS]\n");
    return 2;
  }
  const DWORD seconds = argc == 3 ? DWORD(std::strtoul(argv[2], nullptr, 10)) : 30;
  std::wstring caption(argv[1], argv[1] + std::char_traits<char>::length(argv[1]));
  HWND window = WaitForWindow(caption.c_str(), seconds * 1000);
  if (!window) {
    std::fprintf(stderr, "vorlisk-screenshot: no window \"%s\"\n", argv[1]);
    return 1;
  }
  PrintRect(window);
  if (HWND list = FindChildOfClass(window, L"SysListView32")) PrintRect(list);
  return 0;
}
