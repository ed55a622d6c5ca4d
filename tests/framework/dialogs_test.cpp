#include "framework/dialogs.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(ErrorBoxText, AStopIsAddedAfterACharacterThatSortsAboveIt) {
  struct Case {
    std::string text;
    std::string shown;
  } cases[] = {
      {"Cannot open clipboard", "Cannot open clipboard."},
      {"Stream read error.", "Stream read error."},
      {"Ends in a comma,", "Ends in a comma,"},
      {"Ends in a quote\"", "Ends in a quote\""},
      {"Path C:\\", "Path C:\\."},
      {"ANSI \xE9", "ANSI \xE9."},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.text), c.shown) << c.text;
}

}  // namespace
}  // namespace vl
