// The main window over a tree like a user's disk, in the program's own process code page
// (UTF-8): names in scripts that no Western code page spells and paths of 300 and 1,000
// characters are indexed byte for byte in breadth-first order, found by a keyword in their own
// script, sized, and handed to the shell and the clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/main_unit_win.h"
#include "framework/text_win.h"
#include "search/locations.h"
#include "search/path_ops.h"
#include "support/gui_test_win.h"
#include "support/temp_dir.h"
#include "support/wide_tree_win.h"

namespace vl {
namespace {

const std::string kTooLong =
    "This path is too long for the shell to open (more than 259 characters). Copy path still "
    "copies it whole.";

// Cyrillic "Папка" (folder) and "файл" (file), Japanese "日本語" and "文書" (document), an emoji,
// Cyrillic "сегмент" and "отчёт" (segment, report), Japanese "深" and "遠い" (deep, far).
const std::wstring kFolderRu = L"\u041F\u0430\u043F\u043A\u0430";
const std::wstring kFileRu = L"\u0444\u0430\u0439\u043B.txt";
const std::wstring kFolderJa = L"\u65E5\u672C\u8A9E";
const std::wstring kFileJa = L"\u6587\u66F8.txt";
const std::wstring kEmoji = L"\U0001F600";
const std::wstring kSegment = L"\u0441\u0435\u0433\u043C\u0435\u043D\u0442";
const std::wstring kReport = L"\u043E\u0442\u0447\u0451\u0442";
const std::wstring kDeep = L"\u6DF1";
const std::wstring kFar = L"\u9060\u3044";

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

// Breadth first: the root's entries come first, then each folder's entries as one block, the
// blocks in the order in which the folders themselves were met.
void ExpectBreadthFirst(const std::vector<std::string>& lines, const std::string& root) {
  std::vector<std::string> folders{root};
  std::size_t next_block = 0;
  std::string current;
  for (const std::string& line : lines) {
    const std::string folder(ExtractFilePath(line, LeadBytes::SingleByte()));
    if (folder != current) {
      ASSERT_LT(next_block, folders.size()) << line;
      ASSERT_EQ(folder, folders[next_block]) << line;
      ++next_block;
      current = folder;
    }
    const std::string name(ExtractFileName(line, LeadBytes::SingleByte()));
    if (name != "." && name != ".." && DirectoryExists(line)) folders.push_back(line + "\\");
  }
  EXPECT_EQ(next_block, folders.size());
}

void TypeWide(HWND window, const std::wstring& text) {
  for (wchar_t c : text) SendMessageW(window, WM_CHAR, WPARAM(c), 1);
}

class DiskTest : public testing::SeamsFixture {
 protected:
  DiskTest() : tree(Utf8ToWide(dir.Str() + "disk\\")) {
    CreateDirectoryW(tree.Root().c_str(), nullptr);
    tree.Folder(kFolderRu);
    ru_file = WideToUtf8(tree.File(kFolderRu + L"\\" + kFileRu, 1536));
    tree.Folder(kFolderJa);
    tree.File(kFolderJa + L"\\" + kFileJa);
    tree.Folder(L"emoji" + kEmoji);
    tree.File(L"emoji" + kEmoji + L"\\" + kEmoji + L".txt");
    tree.File(L"caf\u00E9.txt");
    tree.Folder(L"long");
    middle = WideToUtf8(tree.DeepFile(L"long", kSegment, 60, kReport, L".txt", 300));
    tree.Folder(L"deep");
    farthest = WideToUtf8(tree.DeepFile(L"deep", kDeep, 20, kFar, L".txt", 1000));
    root = WideToUtf8(tree.Root());
    dir.Write("data\\list.txt", root + "\r\n");
    dir.Write("vl.vl", "");
  }
  ~DiskTest() override {
    if (form) form->Release();
  }

  void Rebuild() {
    form = std::make_unique<TFrmMain>(nullptr, dir.Str());
    form->mniIndex->Click();
    ASSERT_EQ(dialogs.informs.size(), 1u);
    dialogs.informs.clear();
  }
  void Search(const std::wstring& keyword) {
    form->edtName->SetText("");
    TypeWide(form->edtName->Handle(), keyword);
  }
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < form->Results().Count(); ++i) {
      rows.emplace_back(form->Results().Path(i));
    }
    return rows;
  }
  int Select(const std::string& path) {
    const std::vector<std::string> rows = Rows();
    auto at = std::find(rows.begin(), rows.end(), path);
    if (at == rows.end()) return -1;
    form->lvResult->SetItemIndex(int(at - rows.begin()));
    return form->lvResult->ItemIndex();
  }

  testing::TempDir dir;
  testing::WideTree tree;
  std::string root, ru_file, middle, farthest;
  std::unique_ptr<TFrmMain> form;
};

TEST_F(DiskTest, TheTestRunsInTheProgramsCodePage) {
  EXPECT_EQ(GetACP(), 65001u);
}

TEST_F(DiskTest, EveryEntryIsIndexedByteForByteInBreadthFirstOrder) {
  Rebuild();
  ASSERT_EQ(Utf8ToWide(middle).size(), 300u);
  ASSERT_EQ(Utf8ToWide(farthest).size(), 1000u);
  const std::vector<std::string> lines = Split(dir.Read("vl.vl"));
  std::vector<std::string> expected;
  for (const std::wstring& entry : tree.Entries()) expected.push_back(WideToUtf8(entry));
  EXPECT_EQ(Sorted(lines), Sorted(expected));
  ExpectBreadthFirst(lines, root);
}

TEST_F(DiskTest, AKeywordInItsOwnScriptFindsTheNamesAndTheirRowsShowTheirSizes) {
  Rebuild();
  const std::string folder = root + WideToUtf8(kFolderRu);
  Search(kFolderRu);
  EXPECT_EQ(Sorted(Rows()), Sorted({folder, folder + "\\.", folder + "\\..", ru_file}));
  Search(kEmoji);
  EXPECT_EQ(Rows().size(), 4u);
  Search(kFar);
  ASSERT_EQ(Rows(), std::vector<std::string>{farthest});

  std::vector<std::string> texts;
  form->lvResultData(0, texts);
  EXPECT_EQ(texts, (std::vector<std::string>{std::string(ExtractFileName(farthest, LeadBytes())),
                                             std::string(ExtractFileDir(farthest, LeadBytes())),
                                             ".txt", "1.50 KB"}));
  Search(kReport);
  form->lvResultData(0, texts);
  EXPECT_EQ(texts.back(), "1.50 KB");
}

TEST_F(DiskTest, ShellAndClipboardTakeEveryNameWholeAndALongPathByItsShortForm) {
  Rebuild();
  Search(kFolderRu);
  ASSERT_GE(Select(ru_file), 0);
  form->mniOpen->Click();
  form->mniOpenFiledir->Click();
  form->mniCopyPath->Click();
  ASSERT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(shell.calls[0].file, ru_file);
  EXPECT_EQ(shell.calls[1].parameters, "/e, /select," + ru_file);
  EXPECT_EQ(testing::ClipboardText(), ru_file);
  EXPECT_EQ(testing::ClipboardWideText(), Utf8ToWide(ru_file));

  // The shell opens nothing past MAX_PATH; the 300-character path goes by its short form,
  // which names the same file.
  Search(kReport);
  ASSERT_GE(Select(middle), 0);
  form->mniOpen->Click();
  form->mniOpenFiledir->Click();
  ASSERT_EQ(shell.calls.size(), 4u);
  const std::string short_form = shell.calls[2].file;
  EXPECT_LT(Utf8ToWide(short_form).size(), std::size_t(MAX_PATH));
  EXPECT_EQ(shell.calls[3].parameters, "/e, /select," + short_form);
  wchar_t long_form[2048] = {};
  GetLongPathNameW(Utf8ToWide(short_form).c_str(), long_form, 2048);
  EXPECT_EQ(WideToUtf8(long_form), middle);

  // The 1,000-character path has no short form below MAX_PATH: the user is told, and copy
  // path still copies it whole.
  Search(kFar);
  ASSERT_GE(Select(farthest), 0);
  form->mniOpen->Click();
  form->mniOpenFiledir->Click();
  form->mniCopyPath->Click();
  EXPECT_EQ(shell.calls.size(), 4u);
  EXPECT_EQ(dialogs.informs, (std::vector<std::string>{kTooLong, kTooLong}));
  EXPECT_EQ(testing::ClipboardText(), farthest);
  EXPECT_EQ(testing::ClipboardWideText(), Utf8ToWide(farthest));
}

}  // namespace
}  // namespace vl
