#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "search/fakes.h"

namespace vl::cli {
namespace {

using vl::testing::FakeClock;
using vl::testing::FakeFileSystem;
using vl::testing::FakeLister;
using vl::testing::File;
using vl::testing::Folder;

class CliTest : public ::testing::Test {
 protected:
  FakeFileSystem files;
  FakeLister lister;
  FakeClock clock;
  std::ostringstream out, err;
  Context context{files, lister,
                  clock, LeadBytes::SingleByte(),
                  ',',   [](const std::string& path) { return path.ends_with(".mp3") ? 1536 : -1; },
                  out,   err};

  int Run(std::vector<std::string> args) { return cli::Run(args, context); }
};

TEST_F(CliTest, IndexRebuildsTheFileAndReportsEachRoot) {
  files.files["roots"] = "C:\\\r\nD:\\";
  lister.AddFolder("C:\\", {File("a.mp3"), Folder("x")});
  lister.AddFolder("C:\\x\\", {File("b.txt")});
  lister.AddFolder("D:\\", {File("c")});
  EXPECT_EQ(Run({"index", "roots", "vl.vl"}), kOk);
  EXPECT_EQ(files.files["vl.vl"], "C:\\a.mp3\r\nC:\\x\r\nC:\\x\\b.txt\r\nD:\\c\r\n");
  EXPECT_EQ(files.writes.size(), 2u);
  EXPECT_EQ(err.str(), "root 1/2: C:\\\r\nroot 2/2: D:\\\r\n");
}

TEST_F(CliTest, AnUnreadRootKeepsItsEntriesAndFails) {
  files.files["roots"] = "C:\\\r\nD:\\";
  files.files["vl.vl"] = "C:\\old\r\nD:\\kept\r\n";
  lister.AddFolder("C:\\", {File("a"), Folder("locked")});
  EXPECT_EQ(Run({"index", "roots", "vl.vl"}), kFailed);
  EXPECT_EQ(files.files["vl.vl"], "C:\\a\r\nC:\\locked\r\nD:\\kept\r\n");
  EXPECT_EQ(err.str(),
            "root 1/2: C:\\\r\nroot 2/2: D:\\\r\n"
            "These roots could not be read, so their entries from the previous index were kept:\r\n"
            "    D:\\\r\n\r\n"
            "1 folder could not be read (access denied or gone), so what it holds is not in the "
            "index:\r\n    C:\\locked\r\n");
}

TEST_F(CliTest, IndexWithoutARootListFails) {
  EXPECT_EQ(Run({"index", "roots", "vl.vl"}), kFailed);
  EXPECT_EQ(err.str(), "The root list \"roots\" does not exist\r\n");
  EXPECT_FALSE(files.files.contains("vl.vl"));
}

TEST_F(CliTest, SearchPrintsMatchesInIndexOrderAndTheLabel) {
  files.files["vl.vl"] = "C:\\Music\\a.mp3\r\nC:\\b.txt\r\nD:\\music\r\n";
  EXPECT_EQ(Run({"search", "vl.vl", " MUSIC\t"}), kOk);
  EXPECT_EQ(out.str(), "C:\\Music\\a.mp3\r\nD:\\music\r\n");
  EXPECT_EQ(err.str(), "2    results taken   0    milliseconds\r\n");
}

TEST_F(CliTest, CategoryPrintsExactExtensionMatches) {
  files.files["vl.vl"] = "C:\\a.mp3\r\nC:\\b.MP3\r\nC:\\c.wma\r\n";
  EXPECT_EQ(Run({"category", "vl.vl", ".mp3", ".wma"}), kOk);
  EXPECT_EQ(out.str(), "C:\\a.mp3\r\nC:\\c.wma\r\n");
  EXPECT_EQ(err.str(), "2  results taken   0     milliseconds\r\n");
}

TEST_F(CliTest, RowsPrintTheFourColumns) {
  files.files["vl.vl"] = "C:\\Music\\a.mp3\r\nC:\\gone.txt\r\n";
  EXPECT_EQ(Run({"rows", "vl.vl", "c:\\"}), kOk);
  EXPECT_EQ(out.str(),
            "a.mp3\tC:\\Music\t.mp3\t1,50 KB\r\n"
            "gone.txt\tC:\\\t.txt\t0,00 KB\r\n");
}

TEST_F(CliTest, RowsTakeTheOrderOfAColumn) {
  files.files["vl.vl"] = "D:\\b10.txt\r\nC:\\x\\B2.mp3\r\nC:\\a\r\nC:\\b1.mp3\r\n";
  struct Case {
    const char* column;
    const char* names;
  } cases[] = {{"name", "a b1.mp3 B2.mp3 b10.txt "},
               {"folder", "a b1.mp3 B2.mp3 b10.txt "},
               {"type", "a B2.mp3 b1.mp3 b10.txt "},
               {"size", "b10.txt a B2.mp3 b1.mp3 "}};
  for (const Case& c : cases) {
    out.str("");
    EXPECT_EQ(Run({"rows", "vl.vl", ":", "--sort", c.column}), kOk);
    std::string names;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
      names += line.substr(0, line.find('\t')) + " ";
    EXPECT_EQ(names, c.names) << c.column;
  }
  err.str("");
  EXPECT_EQ(Run({"rows", "vl.vl", ":", "--sort", "date"}), kUsage);
  EXPECT_EQ(Run({"rows", "vl.vl", ":", "--sort"}), kUsage);
  EXPECT_EQ(Run({"rows", "vl.vl", ":", "--order", "name"}), kUsage);
  EXPECT_NE(
      err.str().find("usage: vorlisk-cli rows INDEXFILE KEYWORD [--sort name|folder|type|size]"),
      std::string::npos);
}

TEST_F(CliTest, BenchReportsMatchesPerKeyword) {
  files.files["vl.vl"] = "C:\\a\r\nC:\\b\r\n";
  EXPECT_EQ(Run({"bench", "vl.vl", "a", "c:"}), kOk);
  EXPECT_NE(out.str().find("\r\na\t1\t"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\r\nc:\t2\t"), std::string::npos) << out.str();
}

TEST_F(CliTest, BadCommandLinesAndFilesAreReported) {
  EXPECT_EQ(Run({}), kUsage);
  err.str("");
  EXPECT_EQ(Run({"frob"}), kUsage);
  EXPECT_EQ(err.str().rfind("unknown command: frob\r\nusage:\r\n", 0), 0u) << err.str();
  err.str("");
  EXPECT_EQ(Run({"search", "vl.vl"}), kUsage);
  EXPECT_EQ(err.str(), "usage: vorlisk-cli search INDEXFILE KEYWORD\r\n");
  err.str("");
  EXPECT_EQ(Run({"search", "missing.vl", "x"}), kFailed);
  EXPECT_EQ(err.str(), "Cannot open file \"missing.vl\". Not found\r\n");
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace vl::cli
