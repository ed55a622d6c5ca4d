// label_watch: the eyes of the window benchmark (scripts/window-bench). It runs beside a running
// Vorlisk.exe in the same Wine prefix and answers, one line for each command read on its input:
//
//   shown        waits until the main window is visible and active with its result label;
//                prints "shown"
//   gone         waits until no main window is left; prints "gone"
//   arm          takes the label's text and the time as they are now; prints "armed"
//   changed      waits until the label's text differs from the armed one and then stays the
//                same for kSettleMs (a key may run more than one query); prints the
//                milliseconds from arm to its last change, a tab, and its text
//   rect TEXT    the screen rectangle "x y width height" of the main window's child showing TEXT
//   header       the same of the result list's header
//
// The label is read with InternalGetWindowText, which asks the window server and never the
// program's own thread, so watching costs the program nothing while a query runs. A wait that
// takes more than 20 seconds prints "timeout" (a key whose label reads exactly as before).
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

constexpr DWORD kTimeoutMs = 20000;
constexpr double kSettleMs = 300;

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * double(now.QuadPart) / double(frequency.QuadPart);
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int n =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(std::size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring TextOf(HWND window) {
  wchar_t buffer[512];
  int n = InternalGetWindowText(window, buffer, int(std::size(buffer)));
  return std::wstring(buffer, std::size_t(n > 0 ? n : 0));
}

HWND MainWindow() {
  return FindWindowW(L"VorliskControl", L"Vorlisk");
}

struct Search {
  std::wstring text;
  HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (TextOf(child) != search->text) return TRUE;
  search->found = child;
  return FALSE;
}

HWND ChildWithText(HWND parent, const std::wstring& text) {
  Search search{text};
  if (parent) EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK FindHeader(HWND child, LPARAM param) {
  wchar_t name[64];
  if (!GetClassNameW(child, name, int(std::size(name))) || std::wstring(name) != L"SysHeader32") {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(param) = child;
  return FALSE;
}

std::string RectText(HWND window) {
  RECT r{};
  if (!window || !GetWindowRect(window, &r)) return "none";
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top);
}

std::wstring Wide(const std::string& utf8) {
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring out(std::size_t(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
  return out;
}

template <typename Fn>
bool WaitFor(Fn&& done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > kTimeoutMs) return false;
    // Polling every millisecond leaves both cores to the program.
    Sleep(1);
  }
  return true;
}

}  // namespace

int main() {
  HWND label = nullptr;
  std::wstring armed;
  double armed_at = 0;
  std::string command;
  while (std::getline(std::cin, command)) {
    if (!command.empty() && command.back() == '\r') command.pop_back();
    std::string answer = "timeout";
    if (command == "shown") {
      // The label reads its first text until the first query.
      if (WaitFor([&] {
            HWND main = MainWindow();
            label = ChildWithText(main, L"\u7ed3\u679c");
            return label && IsWindowVisible(main) && GetForegroundWindow() == main;
          })) {
        answer = "shown";
      }
    } else if (command == "gone") {
      if (WaitFor([] { return MainWindow() == nullptr; })) answer = "gone";
    } else if (command == "arm") {
      armed = TextOf(label);
      armed_at = NowMs();
      answer = "armed";
    } else if (command == "changed") {
      std::wstring last = armed;
      double changed_at = 0;
      auto settled = [&] {
        std::wstring now = TextOf(label);
        if (now != last) {
          last = now;
          changed_at = NowMs();
        }
        return last != armed && NowMs() - changed_at >= kSettleMs;
      };
      if (WaitFor(settled)) answer = std::to_string(int(changed_at - armed_at)) + "\t" + Utf8(last);
    } else if (command.rfind("rect ", 0) == 0) {
      answer = RectText(ChildWithText(MainWindow(), Wide(command.substr(5))));
    } else if (command == "header") {
      HWND header = nullptr;
      if (HWND main = MainWindow()) {
        EnumChildWindows(main, FindHeader, reinterpret_cast<LPARAM>(&header));
      }
      answer = RectText(header);
    }
    std::printf("%s\n", answer.c_str());
    std::fflush(stdout);
  }
  return 0;
}
