#include "cli/cli.h"

#include <new>

#include "cli/search_commands.h"
#include "framework/errors.h"
#include "skin/controls/skin_draw.h"
#include "skin/data/skin_command.h"

namespace vl::cli {
namespace {

struct Command {
  std::string_view name;
  std::string_view usage;
  std::size_t min_args;
  std::size_t max_args;
  int (*run)(Args, Context&);
};

constexpr std::size_t kAny = std::size_t(-1);

int SkinCommand(Args args, Context& context) {
  if (args[0] == "draw") {
    return RunSkinDrawCommand({args.begin() + 1, args.end()}, context.carried_skin, context.out,
                              context.err);
  }
  return RunSkinCommand({args.begin(), args.end()}, context.out, context.err);
}

constexpr Command kCommands[] = {
    {"index", "ROOTLIST INDEXFILE", 2, 2, IndexCommand},
    {"search", "INDEXFILE KEYWORD", 2, 2, SearchCommand},
    {"category", "INDEXFILE EXT1 EXT2", 3, 3, CategoryCommand},
    {"rows", kRowsUsage, 2, 4, RowsCommand},
    {"bench", "INDEXFILE KEYWORD...", 2, kAny, BenchCommand},
    {"skin",
     "unpack PACKAGE FOLDER | build DEFINITION PACKAGE | draw [--package FILE] SECTION WIDTH "
     "HEIGHT [STATE] OUT.bmp",
     3, 8, SkinCommand},
};

int Usage(std::ostream& err) {
  err << "usage:\r\n";
  for (const Command& c : kCommands) err << "  vorlisk-cli " << c.name << " " << c.usage << "\r\n";
  return kUsage;
}

int RunChecked(const Command& command, Args args, Context& context) {
  try {
    return command.run(args, context);
  } catch (const Error& e) {
    context.err << e.what() << "\r\n";
  } catch (const std::bad_alloc&) {
    context.err << "Out of memory\r\n";
  }
  return kFailed;
}

}  // namespace

int Run(Args args, Context& context) {
  if (args.empty()) return Usage(context.err);
  for (const Command& command : kCommands) {
    if (command.name != args[0]) continue;
    Args rest = args.subspan(1);
    if (rest.size() < command.min_args || rest.size() > command.max_args) {
      context.err << "usage: vorlisk-cli " << command.name << " " << command.usage << "\r\n";
      return kUsage;
    }
    return RunChecked(command, rest, context);
  }
  context.err << "unknown command: " << args[0] << "\r\n";
  return Usage(context.err);
}

}  // namespace vl::cli
