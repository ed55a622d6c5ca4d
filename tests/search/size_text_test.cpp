#include <gtest/gtest.h>

#include "search/size_text.h"

namespace vl {
namespace {

TEST(SizeText, PicksTheUnitAndRoundsHalfAwayFromZero) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0.00 KB"},
      {5, "0.00 KB"},
      {6, "0.01 KB"},
      {1152, "1.13 KB"},
      {1536, "1.50 KB"},
      {1048576, "1024.00 KB"},
      {1048577, "1.00 MB"},
      {1073741824, "1024.00 MB"},
      {1073741825, "1.00 GB"},
      {4294967296, "4.00 GB"},
      {1048575, "1024.00 KB"},
      {-1, "0.00 KB"},
      {-1536, "-1.50 KB"},
      {INT64_MAX, "8589934592.00 GB"},
      {INT64_MIN, "-9007199254740992.00 KB"},
  };
  for (const auto& [size, text] : cases) EXPECT_EQ(FormatFileSize(size, '.'), text) << size;
}

TEST(SizeText, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(FormatFileSize(1536, ','), "1,50 KB");
}

}  // namespace
}  // namespace vl
