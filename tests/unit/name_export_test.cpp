// The name export through the real main window: the bytes of the list file
// that the start-up export and 按钮1 write, and the failures that must leave
// an old list file as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "browse/file_list.h"
#include "export/list_file.h"
#include "shell/handles.h"
#include "shell/window_template.h"
#include "support/app_fixture.h"

namespace tarnvel::test {
namespace {

constexpr char kListFile[] = "Tarnvel.txt";

struct FixtureFile {
  std::string name;
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
};

struct BytesCase {
  const char* what;
  std::vector<FixtureFile> files;
  std::vector<std::string> folders;
  std::string expected;
};

void PrintTo(const BytesCase& c, std::ostream* os) { *os << c.what; }

class ListFileBytes : public testing::TestWithParam<BytesCase> {};

TEST_P(ListFileBytes, StartUpExportWritesTheListedNames) {
  const BytesCase& c = GetParam();
  FixtureFolder folder;
  for (const std::string& name : c.folders) folder.AddFolder(name);
  for (const FixtureFile& file : c.files) {
    folder.AddFile(file.name, "content");
    if (file.attributes != FILE_ATTRIBUTE_NORMAL) folder.SetAttributes(file.name, file.attributes);
  }
  BuiltWindow window(folder);
  ASSERT_TRUE(window.built());
  ASSERT_TRUE(folder.Exists(kListFile));
  EXPECT_EQ(folder.Read(kListFile), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ListFileBytes,
    testing::Values(
        BytesCase{"two names, CR LF between, none after",
                  {{"a.txt"}, {"b.txt"}}, {}, "\x61\x2E\x74\x78\x74\x0D\x0A\x62\x2E\x74\x78\x74"},
        BytesCase{"one name", {{"only.dat"}}, {}, "only.dat"},
        BytesCase{"empty folder", {}, {}, ""},
        // 文件 before 中文.txt: Chinese sorts in pinyin order.
        BytesCase{"GBK names unchanged",
                  {{"\xD6\xD0\xCE\xC4.txt"}, {"\xCE\xC4\xBC\xFE"}}, {},
                  "\xCE\xC4\xBC\xFE\r\n\xD6\xD0\xCE\xC4.txt"},
        BytesCase{"a name with ; stays one line", {{"x;y.txt"}}, {}, "x;y.txt"},
        BytesCase{"a last byte of 0x80 or above kept",
                  {{"a\xD6\xD0"}, {"b.txt"}}, {}, "a\xD6\xD0\r\nb.txt"},
        BytesCase{"hidden and system skipped, read-only listed, subfolders not listed",
                  {{"hidden.txt", FILE_ATTRIBUTE_HIDDEN},
                   {"system.txt", FILE_ATTRIBUTE_SYSTEM},
                   {"readonly.txt", FILE_ATTRIBUTE_READONLY},
                   {"plain.txt"}},
                  {"sub"}, "plain.txt\r\nreadonly.txt"},
        BytesCase{"order ignores case", {{"b.txt"}, {"c"}, {"A.doc"}}, {"sub"},
                  "A.doc\r\nb.txt\r\nc"},
        BytesCase{"an old list file names itself", {{"a.txt"}, {kListFile}}, {},
                  "a.txt\r\nTarnvel.txt"}),
    [](const testing::TestParamInfo<BytesCase>& info) {
      return "Case" + std::to_string(info.index);
    });

void ClickButton1(BuiltWindow& window) {
  HWND button = window->Find(names::kButton1).hwnd();
  SendMessageA(window->hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

TEST(NameExport, Button1WritesEveryEntryWhateverIsSelectedAndClearsTheSelection) {
  FixtureFolder folder;
  for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt"}) folder.AddFile(name);
  BuiltWindow window(folder);
  auto& list = window->Get<FileList>(names::kFileList1);
  ASSERT_TRUE(DeleteFileA(folder.PathOf(kListFile).c_str()));
  SendMessageA(list.hwnd(), LB_SETSEL, TRUE, 1);
  SendMessageA(list.hwnd(), LB_SETSEL, TRUE, 3);

  ClickButton1(window);

  EXPECT_EQ(folder.Read(kListFile), "1.txt\r\n2.txt\r\n3.txt\r\n4.txt");
  EXPECT_EQ(SendMessageA(list.hwnd(), LB_GETSELCOUNT, 0, 0), 0);
  // No notification follows the clearing: the text still names every entry.
  EXPECT_EQ(list.SelectionText(), "1.txt;2.txt;3.txt;4.txt");
}

TEST(NameExport, WritesWhatTheListShowsWithoutReadingTheFolderAgain) {
  FixtureFolder folder;
  folder.AddFile("kept.txt");
  BuiltWindow window(folder);
  folder.AddFile("new.txt");
  ClickButton1(window);
  EXPECT_EQ(folder.Read(kListFile), "kept.txt");
}

TEST(NameExport, AnEmptyListCutsAnExistingListFileToZeroBytes) {
  FixtureFolder folder;
  folder.AddFile("a.txt");
  folder.AddFolder("empty");
  BuiltWindow window(folder);
  ASSERT_FALSE(folder.Read(kListFile).empty());
  window->Get<FileList>(names::kFileList1).SetDirectory(folder.PathOf("empty"));
  ClickButton1(window);
  ASSERT_TRUE(folder.Exists(kListFile));
  EXPECT_EQ(folder.Read(kListFile), "");
}

// Each failure leaves the old list file exactly as it was, at start-up and
// on 按钮1, and the writer reports it.
struct FailureCase {
  const char* what;
  std::function<void(const FixtureFolder&)> arrange;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.what; }

class ListFileFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(ListFileFailure, LeavesTheOldListFileUnchanged) {
  FixtureFolder folder;
  folder.AddFile("a.txt");
  GetParam().arrange(folder);
  const DWORD attributesBefore = GetFileAttributesA(folder.PathOf(kListFile).c_str());
  const std::string before = folder.Read(kListFile);

  BuiltWindow window(folder);
  ASSERT_TRUE(window.built());
  ClickButton1(window);

  EXPECT_FALSE(WriteListFile("new content", folder.PathOf(kListFile))) << GetParam().what;
  EXPECT_EQ(GetFileAttributesA(folder.PathOf(kListFile).c_str()), attributesBefore)
      << GetParam().what;
  EXPECT_EQ(folder.Read(kListFile), before) << GetParam().what;
}

void OldListFile(const FixtureFolder& folder, DWORD attributes) {
  folder.AddFile(kListFile, "old\r\nlist");
  folder.SetAttributes(kListFile, attributes);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ListFileFailure,
    testing::Values(
        FailureCase{"read-only",
                    [](const FixtureFolder& f) { OldListFile(f, FILE_ATTRIBUTE_READONLY); }},
        FailureCase{"hidden", [](const FixtureFolder& f) { OldListFile(f, FILE_ATTRIBUTE_HIDDEN); }},
        FailureCase{"system", [](const FixtureFolder& f) { OldListFile(f, FILE_ATTRIBUTE_SYSTEM); }},
        FailureCase{"a folder in its place",
                    [](const FixtureFolder& f) { f.AddFolder(kListFile); }}),
    [](const testing::TestParamInfo<FailureCase>& info) {
      return "Case" + std::to_string(info.index);
    });

TEST(ListFileFailure, HeldOpenByAnotherHandle) {
  FixtureFolder folder;
  folder.AddFile("a.txt");
  folder.AddFile(kListFile, "old");
  UniqueFile other(CreateFileA(folder.PathOf(kListFile).c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(other);

  BuiltWindow window(folder);
  ClickButton1(window);

  EXPECT_FALSE(WriteListFile("new", folder.PathOf(kListFile)));
  other.reset();
  EXPECT_EQ(folder.Read(kListFile), "old");
}

TEST(ListFileWriter, ReplacesTheWholeContent) {
  FixtureFolder folder;
  folder.AddFile("list.txt", "a much longer old content");
  const struct {
    std::string content;
  } cases[] = {{"short"}, {""}, {std::string("\0\x80\xFF\r\n", 5)}};
  for (const auto& c : cases) {
    EXPECT_TRUE(WriteListFile(c.content, folder.PathOf("list.txt")));
    EXPECT_EQ(folder.Read("list.txt"), c.content);
  }
}

}  // namespace
}  // namespace tarnvel::test
