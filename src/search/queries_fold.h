#pragma once
// The keyword scan for a keyword that holds more than ASCII: Unicode simple case folding on
// both sides (case_fold.h). It cuts paths as the ASCII scan does (queries_scan.h): a folder is
// folded and tested once per run of its entries, and a name is read only when its folder does
// not hold the keyword. The rows are exactly those of the plain test, FoldText(keyword) in
// FoldText(path), in index order.

#include <string_view>

#include "search/index_list.h"
#include "search/queries_scan.h"

namespace vl {

void FindFoldedKeyword(const IndexList& index, std::string_view keyword, Rows& rows,
                       ScanScratch& scratch);
// The entries among candidates (ascending) that hold the keyword.
void FindFoldedKeywordAmong(const IndexList& index, std::string_view keyword,
                            const Rows& candidates, Rows& rows);

}  // namespace vl
