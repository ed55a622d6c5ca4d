#pragma once
// The commands over the index: each takes the arguments after its own name.

#include <string_view>

#include "cli/cli.h"

namespace vl::cli {

inline constexpr std::string_view kRowsUsage = "INDEXFILE KEYWORD [--sort name|folder|type|size]";

int IndexCommand(Args args, Context& context);     // ROOTLIST INDEXFILE
int SearchCommand(Args args, Context& context);    // INDEXFILE KEYWORD
int CategoryCommand(Args args, Context& context);  // INDEXFILE EXT1 EXT2
int RowsCommand(Args args, Context& context);      // kRowsUsage
int BenchCommand(Args args, Context& context);     // INDEXFILE KEYWORD...

}  // namespace vl::cli
