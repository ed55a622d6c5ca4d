#pragma once
// The console companion: the program's own index code, driven from a command line so that it
// can be scripted and checked from outside. Each command is one entry of the table in cli.cpp.

#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "framework/clock.h"
#include "search/path_ops.h"
#include "search/text_list.h"
#include "search/walk.h"

namespace vl {
class TskCompressedStoredSkin;
}

namespace vl::cli {

// What the commands reach the outside world through; the program passes the platform's.
struct Context {
  FileSystem& files;
  DirectoryLister& lister;
  const Clock& clock;
  LeadBytes lead;
  char decimal_separator = '.';
  std::function<std::int64_t(const std::string&)> file_size;
  std::ostream& out;  // binary: every line ends in CR LF
  std::ostream& err;
  // The package the program carries, for the skin pictures; none where it carries none.
  const TskCompressedStoredSkin* carried_skin = nullptr;
};

using Args = std::span<const std::string>;

// Exit codes.
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

// args[0] is the command's name. Errors are reported on err and turn into kFailed.
int Run(Args args, Context& context);

}  // namespace vl::cli
