#pragma once
// The commands over the index: each takes the arguments after its own name.

#include "cli/cli.h"

namespace vl::cli {

int IndexCommand(Args args, Context& context);     // ROOTLIST INDEXFILE
int SearchCommand(Args args, Context& context);    // INDEXFILE KEYWORD
int CategoryCommand(Args args, Context& context);  // INDEXFILE EXT1 EXT2
int RowsCommand(Args args, Context& context);      // INDEXFILE KEYWORD
int BenchCommand(Args args, Context& context);     // INDEXFILE KEYWORD...

}  // namespace vl::cli
