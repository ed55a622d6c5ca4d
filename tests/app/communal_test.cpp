#include "app/communal.h"

#include <gtest/gtest.h>

#include "support/recording_seams.h"

namespace vl {
namespace {

TEST(Communal, WhatEachActionHandsToTheShell) {
  testing::RecordingShell shell;
  OpenFolderInExplorer(shell, "D:\\Tools\\Finder\\");
  SelectInExplorer(shell, "C:\\My Files\\a b.txt");
  OpenWithShell(shell, "C:\\x.doc");
  CopyTextToClipboard(shell, nullptr, "C:\\x.doc");
  ASSERT_EQ(shell.calls.size(), 3u);
  struct Expect {
    const char* verb;
    const char* file;
    const char* parameters;
    int show;
  } expected[] = {
      {"open", "explorer.exe", "D:\\Tools\\Finder\\", 5},
      {"", "explorer.exe", "/e, /select,C:\\My Files\\a b.txt", 1},
      {"Open", "C:\\x.doc", "", 5},
  };
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(shell.calls[i].owner, nullptr);
    EXPECT_EQ(shell.calls[i].verb, expected[i].verb);
    EXPECT_EQ(shell.calls[i].file, expected[i].file);
    EXPECT_EQ(shell.calls[i].parameters, expected[i].parameters);
    EXPECT_EQ(shell.calls[i].show, expected[i].show);
  }
  EXPECT_EQ(shell.copied, std::vector<std::string>{"C:\\x.doc"});
}

}  // namespace
}  // namespace vl
