// vorlisk-cli.exe: the console companion of Vorlisk.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "framework/clock.h"
#include "search/size_text.h"
#include "skin/data/carried_skin_win.h"

int main(int argc, char** argv) {
  // An empty drive or card reader among the roots fails its listing quietly instead of
  // waiting on the system's "No disk" box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  // Paths and index lines are bytes; no newline translation on the way out.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args(argv + 1, argv + argc);
  vl::cli::Context context{vl::SystemFileSystem(),
                           vl::SystemDirectoryLister(),
                           vl::SystemClock(),
                           vl::SystemLeadBytes(),
                           vl::DecimalSeparator(),
                           [](const std::string& path) { return vl::FileSizeOf(path); },
                           std::cout,
                           std::cerr};
  vl::TskSkinListItem carried(0);
  if (vl::ReadCarriedSkin(carried)) context.carried_skin = &carried.StoredSkin();
  int code = vl::cli::Run(args, context);
  std::cout.flush();
  return code;
}
