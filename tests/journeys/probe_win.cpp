// vorlisk-probe: what a user can see of a running Vorlisk, read from outside its process.
// The journeys drive the program with real input (xdotool) and ask this console program, run in
// the same Wine prefix and display, what came of it. Every command prints what it found, so a
// failed journey shows the state it met.
//
// A window is named by a selector:  [CLASS:]TITLE[>CHILDCLASS[#N]]
//   Settings               the top-level VorliskControl window titled "Settings"
//   #32770:Vorlisk         a message box titled "Vorlisk"
//   Settings>Edit          the first Edit control inside it (#1 the second ...)
//   Vorlisk>VorliskControl=Find   the control inside it whose text is "Find"
//   @active  @focus        the program's active window, its focus window
// Only windows of the program's process (Vorlisk.exe unless VL_PROBE_EXE says otherwise) count.
//
// Commands (exit 0 when the answer is yes or the command worked, 1 otherwise, 2 on misuse):
//   windows                 every top-level window of the program, front to back
//   children SEL            the child windows of a window
//   rect SEL                "x y width height" on the screen
//   client SEL              the client area: "x y width height" on the screen
//   text SEL                the window's text (WM_GETTEXT)
//   state                   active, focus, capture and menu mode of the program's window thread
//   region SEL [X,Y ...]    the window region's type and box, and whether each point (relative
//                           to the window's top-left corner) lies inside it
//   pixel X Y [X Y ...]     colours of screen pixels, as RRGGBB
//   show SEL SW_NAME        ShowWindow from outside, as a shell start or a task bar would
//   settext SEL TEXT        SetWindowText from outside, as another tool may
//   syscommand SEL SC_NAME  a system command from outside (SC_RESTORE, SC_MAXIMIZE,
//                           SC_MINIMIZE), as a task bar sends it
//   close SEL               asks a window to close (WM_CLOSE), for tidying up after a journey
//   rows SEL                a list view's row count and selected row (-1 for none)
//   selection SEL           an edit control's selection: "start end"
//   shown SEL COLUMN        the texts of one column of the rows a list view shows, one a line
//   clipboard               the clipboard's text
//   clipboard-ansi          the code page of this program (which has no manifest) and the
//                           clipboard's CF_TEXT read in it: what an older program pastes
//   desktop                 the size of the screen the program sees
//   drives                  the drives present (GetLogicalDrives), one a line: C:\ ...
//   check COND ...          one test of a condition (below)
//   wait SECONDS COND ...   the same test repeated until it holds or the time is up
// Conditions ("active" also waits until the program has taken the input that was pending):
//   exists SEL | gone SEL | visible SEL | hidden SEL | active SEL | iconic SEL | zoomed SEL |
//   normal SEL | focus CLASS | text SEL TEXT | rows SEL N | rect SEL X Y W H |
//   region SEL W H (a window region whose box is 0,0,W,H) | menu on|off | running | exited
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int n =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(std::size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

// WM_GETTEXT with a time limit, so a program that hangs cannot hang the journey.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    return L"<no answer>";
  }
  std::wstring text(std::size_t(length) + 1, L'\0');
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, WPARAM(text.size()),
                           reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000, &got)) {
    return L"<no answer>";
  }
  text.resize(std::size_t(got));
  return text;
}

// Quotes a text for a one-line report: line breaks and quotes are escaped.
std::string Quoted(const std::wstring& text) {
  std::string out = "\"";
  for (char c : Utf8(text)) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::wstring ProgramImage() {
  if (const wchar_t* name = _wgetenv(L"VL_PROBE_EXE")) return name;
  return L"Vorlisk.exe";
}

std::vector<DWORD> ProgramProcesses() {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  const std::wstring image = ProgramImage();
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, image.c_str()) == 0) ids.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return ids;
}

bool OfProgram(HWND window, const std::vector<DWORD>& ids) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  for (DWORD id : ids) {
    if (id == pid) return true;
  }
  return false;
}

struct TopLevels {
  std::vector<DWORD> ids;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND window, LPARAM p) {
  auto* top = reinterpret_cast<TopLevels*>(p);
  if (OfProgram(window, top->ids)) top->found.push_back(window);
  return TRUE;
}

// The program's top-level windows in z-order, front first.
std::vector<HWND> ProgramWindows() {
  TopLevels top{ProgramProcesses(), {}};
  if (!top.ids.empty()) EnumWindows(&CollectTop, reinterpret_cast<LPARAM>(&top));
  return top.found;
}

bool ProgramThreadInfo(GUITHREADINFO& info) {
  info = {};
  info.cbSize = sizeof(info);
  for (HWND window : ProgramWindows()) {
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (ClassOf(window) == L"VorliskControl" && GetGUIThreadInfo(thread, &info)) return true;
  }
  return false;
}

BOOL CALLBACK CollectChildren(HWND window, LPARAM p) {
  reinterpret_cast<std::vector<HWND>*>(p)->push_back(window);
  return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, &CollectChildren, reinterpret_cast<LPARAM>(&children));
  return children;
}

// Resolves a selector (see the head of this file); null when no window matches. Among several
// top-level windows that match, a visible one wins.
HWND Find(const std::wstring& selector) {
  std::wstring top = selector;
  std::wstring child_class;
  std::wstring child_text;
  bool by_text = false;
  int child_index = 0;
  if (std::size_t gt = selector.find(L'>'); gt != std::wstring::npos) {
    top = selector.substr(0, gt);
    child_class = selector.substr(gt + 1);
    if (std::size_t eq = child_class.find(L'='); eq != std::wstring::npos) {
      child_text = child_class.substr(eq + 1);
      child_class.resize(eq);
      by_text = true;
    }
    if (std::size_t hash = child_class.find(L'#', 1); hash != std::wstring::npos) {
      child_index = _wtoi(child_class.c_str() + hash + 1);
      child_class.resize(hash);
    }
  }
  HWND window = nullptr;
  if (top == L"@active" || top == L"@focus") {
    GUITHREADINFO info;
    if (ProgramThreadInfo(info)) window = top == L"@active" ? info.hwndActive : info.hwndFocus;
  } else {
    std::wstring class_name = L"VorliskControl";
    std::wstring title = top;
    if (std::size_t colon = top.find(L':'); colon != std::wstring::npos) {
      class_name = top.substr(0, colon);
      title = top.substr(colon + 1);
    }
    for (HWND candidate : ProgramWindows()) {
      if (_wcsicmp(ClassOf(candidate).c_str(), class_name.c_str()) != 0) continue;
      if (title != L"*" && TextOf(candidate) != title) continue;
      if (!window || (!IsWindowVisible(window) && IsWindowVisible(candidate))) window = candidate;
    }
  }
  if (!window || child_class.empty()) return window;
  for (HWND child : ChildrenOf(window)) {
    if (_wcsicmp(ClassOf(child).c_str(), child_class.c_str()) != 0) continue;
    if (by_text && TextOf(child) != child_text) continue;
    if (child_index-- == 0) {
      return child;
    }
  }
  return nullptr;
}

std::string Describe(HWND window) {
  if (!window) return "none";
  RECT rc{};
  GetWindowRect(window, &rc);
  char head[512];
  std::snprintf(head, sizeof(head),
                "%p class=%s rect=%ld,%ld,%ld,%ld visible=%d iconic=%d zoomed=%d enabled=%d "
                "style=0x%08lx exstyle=0x%08lx owner=%p text=",
                static_cast<void*>(window), Utf8(ClassOf(window)).c_str(), rc.left, rc.top,
                rc.right - rc.left, rc.bottom - rc.top, IsWindowVisible(window) ? 1 : 0,
                IsIconic(window) ? 1 : 0, IsZoomed(window) ? 1 : 0, IsWindowEnabled(window) ? 1 : 0,
                static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)),
                static_cast<void*>(GetWindow(window, GW_OWNER)));
  return head + Quoted(TextOf(window));
}

// The window's program waits for input with none pending: keys sent now meet a window that has
// finished what its activation set going.
bool Idle(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
  if (!process) return false;
  const bool idle = WaitForInputIdle(process, 0) == 0;
  CloseHandle(process);
  return idle;
}

void PrintState() {
  GUITHREADINFO info;
  if (!ProgramThreadInfo(info)) {
    std::printf("no program window\n");
    return;
  }
  std::printf("active %s\n", Describe(info.hwndActive).c_str());
  std::printf("focus %s\n", Describe(info.hwndFocus).c_str());
  std::printf("capture %s\n", Describe(info.hwndCapture).c_str());
  std::printf("foreground %s\n", Describe(GetForegroundWindow()).c_str());
  std::printf("menumode %d\n", (info.flags & GUI_INMENUMODE) ? 1 : 0);
  std::printf("flags 0x%lx\n", static_cast<unsigned long>(info.flags));
}

bool Check(const std::vector<std::wstring>& args, std::string& found) {
  if (args.empty()) return false;
  const std::wstring& what = args[0];
  auto need = [&](std::size_t n) {
    if (args.size() != n) {
      std::fprintf(stderr, "vorlisk-probe: wrong arguments for %s\n", Utf8(what).c_str());
      std::exit(2);
    }
  };
  if (what == L"running" || what == L"exited") {
    need(1);
    const bool running = !ProgramProcesses().empty();
    found = running ? "running" : "exited";
    return running == (what == L"running");
  }
  if (what == L"menu") {
    need(2);
    GUITHREADINFO info;
    const bool in_menu = ProgramThreadInfo(info) && (info.flags & GUI_INMENUMODE) != 0;
    found = in_menu ? "menu on" : "menu off";
    return in_menu == (args[1] == L"on");
  }
  if (what == L"focus") {
    need(2);
    GUITHREADINFO info;
    HWND focus = ProgramThreadInfo(info) ? info.hwndFocus : nullptr;
    found = "focus " + Describe(focus);
    return focus && _wcsicmp(ClassOf(focus).c_str(), args[1].c_str()) == 0;
  }
  if (what == L"rows") {
    need(3);
    HWND window = Find(args[1]);
    const long rows = window ? long(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0)) : -1;
    found = window ? "rows " + std::to_string(rows) : "no window";
    return window && rows == _wtol(args[2].c_str());
  }
  if (what == L"rect") {
    need(6);
    HWND window = Find(args[1]);
    RECT rc{};
    if (window) GetWindowRect(window, &rc);
    char text[96];
    std::snprintf(text, sizeof text, "rect %ld %ld %ld %ld", rc.left, rc.top, rc.right - rc.left,
                  rc.bottom - rc.top);
    found = window ? text : "no window";
    return window && rc.left == _wtol(args[2].c_str()) && rc.top == _wtol(args[3].c_str()) &&
           rc.right - rc.left == _wtol(args[4].c_str()) &&
           rc.bottom - rc.top == _wtol(args[5].c_str());
  }
  if (what == L"region") {
    need(4);
    HWND window = Find(args[1]);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int type = window ? GetWindowRgn(window, region) : ERROR;
    RECT box{};
    GetRgnBox(region, &box);
    DeleteObject(region);
    char text[96];
    std::snprintf(text, sizeof text, "region type %d box %ld %ld %ld %ld", type, box.left, box.top,
                  box.right, box.bottom);
    found = window ? text : "no window";
    return (type == SIMPLEREGION || type == COMPLEXREGION) && box.left == 0 && box.top == 0 &&
           box.right == _wtol(args[2].c_str()) && box.bottom == _wtol(args[3].c_str());
  }
  if (what == L"text") {
    need(3);
    HWND window = Find(args[1]);
    found = window ? "text " + Quoted(TextOf(window)) : "no window";
    return window && TextOf(window) == args[2];
  }
  need(2);
  HWND window = Find(args[1]);
  found = Describe(window);
  if (what == L"exists") return window != nullptr;
  if (what == L"gone") return window == nullptr || !IsWindowVisible(window);
  if (!window) return false;
  if (what == L"visible") return IsWindowVisible(window);
  if (what == L"hidden") return !IsWindowVisible(window);
  if (what == L"iconic") return IsIconic(window);
  if (what == L"zoomed") return IsZoomed(window);
  if (what == L"normal") return !IsIconic(window) && !IsZoomed(window);
  if (what == L"active") {
    GUITHREADINFO info;
    if (!ProgramThreadInfo(info)) return false;
    found = "active " + Describe(info.hwndActive);
    return info.hwndActive == window && GetForegroundWindow() == window && Idle(window);
  }
  std::fprintf(stderr, "vorlisk-probe: unknown condition %s\n", Utf8(what).c_str());
  std::exit(2);
}

int ShowCommand(const std::wstring& name) {
  static const struct {
    const wchar_t* name;
    int value;
  } kCommands[] = {{L"SW_HIDE", SW_HIDE},
                   {L"SW_SHOWNORMAL", SW_SHOWNORMAL},
                   {L"SW_SHOWMINIMIZED", SW_SHOWMINIMIZED},
                   {L"SW_SHOWMAXIMIZED", SW_SHOWMAXIMIZED},
                   {L"SW_MAXIMIZE", SW_MAXIMIZE},
                   {L"SW_SHOWNOACTIVATE", SW_SHOWNOACTIVATE},
                   {L"SW_SHOW", SW_SHOW},
                   {L"SW_MINIMIZE", SW_MINIMIZE},
                   {L"SW_SHOWMINNOACTIVE", SW_SHOWMINNOACTIVE},
                   {L"SW_SHOWNA", SW_SHOWNA},
                   {L"SW_RESTORE", SW_RESTORE},
                   {L"SW_SHOWDEFAULT", SW_SHOWDEFAULT}};
  for (const auto& command : kCommands) {
    if (name == command.name) return command.value;
  }
  return _wtoi(name.c_str());
}

HWND MustFind(const std::wstring& selector) {
  HWND window = Find(selector);
  if (!window) {
    std::printf("no window %s\n", Quoted(selector).c_str());
    std::exit(1);
  }
  return window;
}

void PrintRect(const RECT& rc) {
  std::printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

// The texts of one column of the rows a list view shows, one a line, top to bottom. The item
// text is asked for through memory of the list's own process: pointers are not carried over
// between processes.
int PrintShownRows(HWND list, int column) {
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return 1;
  constexpr int kTextBytes = 1024;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kTextBytes, MEM_COMMIT, PAGE_READWRITE));
  if (!remote) {
    CloseHandle(process);
    return 1;
  }
  const int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  const int top = int(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  const int end = std::min(count, top + int(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0)));
  for (int row = top; row < end; ++row) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = remote + sizeof(LVITEMA);
    item.cchTextMax = kTextBytes;
    char text[kTextBytes] = {};
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    SendMessageA(list, LVM_GETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote + sizeof(LVITEMA), text, kTextBytes - 1, nullptr);
    std::printf("%s\n", text);
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return 0;
}

int Run(const std::vector<std::wstring>& args) {
  const std::wstring& command = args[0];
  const std::vector<std::wstring> rest(args.begin() + 1, args.end());
  if (command == L"windows") {
    for (HWND window : ProgramWindows()) std::printf("%s\n", Describe(window).c_str());
    return 0;
  }
  if (command == L"state") {
    PrintState();
    return 0;
  }
  if (command == L"desktop") {
    std::printf("%d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return 0;
  }
  if (command == L"drives") {
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
      if (mask & (DWORD(1) << i)) std::printf("%c:\\\n", 'A' + i);
    }
    return 0;
  }
  if (command == L"pixel") {
    HDC screen = GetDC(nullptr);
    for (std::size_t i = 0; i + 1 < rest.size(); i += 2) {
      COLORREF c = GetPixel(screen, _wtoi(rest[i].c_str()), _wtoi(rest[i + 1].c_str()));
      std::printf("%02X%02X%02X\n", GetRValue(c), GetGValue(c), GetBValue(c));
    }
    ReleaseDC(nullptr, screen);
    return 0;
  }
  if (command == L"clipboard") {
    if (!OpenClipboard(nullptr)) return 1;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text) {
      std::printf("%s\n", Utf8(text).c_str());
      GlobalUnlock(data);
    }
    CloseClipboard();
    return text ? 0 : 1;
  }
  if (command == L"clipboard-ansi") {
    if (!OpenClipboard(nullptr)) return 1;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes) {
      const int n = MultiByteToWideChar(CP_ACP, 0, bytes, -1, nullptr, 0);
      std::wstring text(std::size_t(n > 0 ? n : 1), L'\0');
      MultiByteToWideChar(CP_ACP, 0, bytes, -1, text.data(), n);
      text.resize(std::wcslen(text.c_str()));
      std::printf("%u %s\n", GetACP(), Utf8(text).c_str());
      GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes ? 0 : 1;
  }
  if (command == L"check" || command == L"wait") {
    std::vector<std::wstring> condition = rest;
    DWORD limit = 0;
    if (command == L"wait") {
      if (condition.empty()) return 2;
      limit = DWORD(_wtof(condition[0].c_str()) * 1000);
      condition.erase(condition.begin());
    }
    const DWORD start = GetTickCount();
    std::string found;
    for (;;) {
      if (Check(condition, found)) {
        std::printf("%s\n", found.c_str());
        return 0;
      }
      if (GetTickCount() - start >= limit) break;
      Sleep(50);
    }
    std::printf("not so after %lu ms: %s\n", static_cast<unsigned long>(GetTickCount() - start),
                found.c_str());
    return 1;
  }
  if (rest.empty()) return 2;
  HWND window = MustFind(rest[0]);
  if (command == L"children") {
    for (HWND child : ChildrenOf(window)) std::printf("%s\n", Describe(child).c_str());
    return 0;
  }
  if (command == L"rect") {
    RECT rc;
    GetWindowRect(window, &rc);
    PrintRect(rc);
    return 0;
  }
  if (command == L"client") {
    RECT rc;
    GetClientRect(window, &rc);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    PrintRect(rc);
    return 0;
  }
  if (command == L"text") {
    std::printf("%s\n", Utf8(TextOf(window)).c_str());
    return 0;
  }
  if (command == L"region") {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    int type = GetWindowRgn(window, region);
    RECT box{};
    GetRgnBox(region, &box);
    static const char* const kTypes[] = {"none", "null", "simple", "complex"};
    std::printf("%s %ld %ld %ld %ld\n", type >= 0 && type <= 3 ? kTypes[type] : "error", box.left,
                box.top, box.right, box.bottom);
    for (std::size_t i = 1; i < rest.size(); ++i) {
      int x = 0, y = 0;
      if (std::swscanf(rest[i].c_str(), L"%d,%d", &x, &y) != 2) return 2;
      // Without a region the whole window rectangle is the window's shape.
      RECT rc;
      GetWindowRect(window, &rc);
      bool inside = type == ERROR
                        ? x >= 0 && y >= 0 && x < rc.right - rc.left && y < rc.bottom - rc.top
                        : PtInRegion(region, x, y) != 0;
      std::printf("%d,%d %s\n", x, y, inside ? "in" : "out");
    }
    DeleteObject(region);
    return 0;
  }
  if (command == L"rows") {
    std::printf("%ld %ld\n", long(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0)),
                long(SendMessageW(window, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)));
    return 0;
  }
  if (command == L"shown" && rest.size() == 2) {
    return PrintShownRows(window, _wtoi(rest[1].c_str()));
  }
  if (command == L"selection") {
    DWORD start = 0, end = 0;
    SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    std::printf("%lu %lu\n", static_cast<unsigned long>(start), static_cast<unsigned long>(end));
    return 0;
  }
  if (command == L"close") {
    return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (command == L"show" && rest.size() == 2) {
    ShowWindow(window, ShowCommand(rest[1]));
    return 0;
  }
  if (command == L"settext" && rest.size() == 2) {
    return SetWindowTextW(window, rest[1].c_str()) ? 0 : 1;
  }
  if (command == L"syscommand" && rest.size() == 2) {
    const WPARAM code = rest[1] == L"SC_RESTORE"    ? SC_RESTORE
                        : rest[1] == L"SC_MAXIMIZE" ? SC_MAXIMIZE
                        : rest[1] == L"SC_MINIMIZE" ? SC_MINIMIZE
                                                    : 0;
    return code && PostMessageW(window, WM_SYSCOMMAND, code, 0) ? 0 : 2;
  }
  return 2;
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 2) {
    std::fprintf(stderr, "usage: vorlisk-probe COMMAND [ARGUMENTS] (see probe_win.cpp)\n");
    return 2;
  }
  std::vector<std::wstring> args(argv + 1, argv + argc);
  LocalFree(argv);
  const int code = Run(args);
  if (code == 2) std::fprintf(stderr, "vorlisk-probe: bad command line\n");
  std::fflush(stdout);
  return code;
}
