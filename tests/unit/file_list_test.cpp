// 文件框1 in the real main window: listing, the selection text, re-selection
// by name, directory forms and the switch of multiple selection.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "browse/file_list.h"
#include "shell/handles.h"
#include "shell/window_template.h"
#include "support/app_fixture.h"

namespace tarnvel::test {
namespace {

std::vector<std::string> Entries(HWND list) {
  std::vector<std::string> entries;
  const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    entries.push_back(text);
  }
  return entries;
}

std::vector<std::string> SelectedEntries(HWND list) {
  std::vector<std::string> selected;
  const std::vector<std::string> entries = Entries(list);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (SendMessageA(list, LB_GETSEL, i, 0) > 0) selected.push_back(entries[i]);
  }
  return selected;
}

// The selection-changed notification as the list box itself sends it,
// through the main window.
void NotifySelectionChanged(MainWindow& window, FileList& list) {
  SendMessageA(window.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.hwnd()), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list.hwnd()));
}

void SelectEveryEntry(MainWindow& window, FileList& list) {
  list.SetMultipleSelection(true);
  list.SelectAll();
  NotifySelectionChanged(window, list);
}

// A window whose created event does nothing, so the list keeps single
// selection and the list file is not written.
class FileListTest : public testing::Test {
 protected:
  FileList& List(BuiltWindow& window) { return window->Get<FileList>(names::kFileList1); }
  FixtureFolder folder_;
};

TEST_F(FileListTest, ListsTheWorkingDirectorySortedWithoutFolders) {
  for (const char* name : {"b.txt", "A.doc", "c"}) folder_.AddFile(name);
  folder_.AddFolder("sub");
  BuiltWindow window(folder_, {});
  FileList& list = List(window);
  EXPECT_EQ(list.Directory(), folder_.path());
  EXPECT_EQ(Entries(list.hwnd()), (std::vector<std::string>{"A.doc", "b.txt", "c"}));
  EXPECT_EQ(list.SelectionText(), "");
}

TEST_F(FileListTest, TheListKeepsTheSortedListBoxOrder) {
  // Names on which a byte order, a plain case fold and the list box differ.
  const std::vector<std::string> names = {
      "co-op.txt", "coop.txt", "co'op2.txt", "Zeta", "alpha", "_under", "10.txt", "9.txt",
      "1.txt", "~tilde", "\xD6\xD0\xCE\xC4", "\xB0\xA1", "a b", "ab", "A~", "b.TXT", "[x]", "$d"};
  for (const std::string& name : names) folder_.AddFile(name);
  BuiltWindow window(folder_, {});

  // A plain sorted list box that receives the names one by one, unordered.
  UniqueWindow reference(CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_SORT, 0, 0, 10, 10,
                                         window->hwnd(), nullptr, nullptr, nullptr));
  ASSERT_TRUE(reference);
  for (auto it = names.rbegin(); it != names.rend(); ++it) {
    SendMessageA(reference.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(it->c_str()));
  }
  EXPECT_EQ(Entries(List(window).hwnd()), Entries(reference.get()));
}

TEST_F(FileListTest, AReListingFollowsTheNamesFoundNow) {
  // The search meets "b" before "_y" (by code point, case folded); the list
  // box puts "_y" first.
  for (const char* name : {"b", "_y"}) folder_.AddFile(name);
  BuiltWindow window(folder_, {});
  FileList& list = List(window);
  list.SetDirectory(folder_.path());
  EXPECT_EQ(Entries(list.hwnd()), (std::vector<std::string>{"_y", "b"}));

  // As many names as before, but other ones: the last listing's order must not be reused.
  ASSERT_TRUE(DeleteFileA(folder_.PathOf("_y").c_str()));
  folder_.AddFile("a");
  list.SetDirectory(folder_.path());
  EXPECT_EQ(Entries(list.hwnd()), (std::vector<std::string>{"a", "b"}));

  // A folder that cannot be read leaves nothing behind for the next listing.
  list.SetDirectory(folder_.PathOf("missing"));
  EXPECT_TRUE(Entries(list.hwnd()).empty());
  list.SetDirectory(folder_.path());
  EXPECT_EQ(Entries(list.hwnd()), (std::vector<std::string>{"a", "b"}));
}

TEST_F(FileListTest, WindowStylesAndItemHeight) {
  BuiltWindow window(folder_, {});
  HWND list = List(window).hwnd();
  const auto style = static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE));
  // WS_VSCROLL is not looked at: the list box drops it while nothing scrolls.
  for (DWORD bit : {DWORD{WS_TABSTOP}, DWORD{LBS_NOTIFY}, DWORD{LBS_SORT},
                    DWORD{LBS_NOINTEGRALHEIGHT}}) {
    EXPECT_TRUE(style & bit) << std::hex << bit;
  }
  EXPECT_FALSE(style & LBS_EXTENDEDSEL);
  EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  UniqueWindow plain(CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 10, 10, window->hwnd(),
                                     nullptr, nullptr, nullptr));
  SendMessageA(plain.get(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0),
            SendMessageA(plain.get(), LB_GETITEMHEIGHT, 0, 0) + 2);
}

TEST_F(FileListTest, SelectionTextFollowsTheNotificationOnly) {
  for (const char* name : {"two", "one", "three"}) folder_.AddFile(name);
  BuiltWindow window(folder_, {});
  FileList& list = List(window);

  // Single selection refuses select all.
  list.SelectAll();
  NotifySelectionChanged(window.window(), list);
  EXPECT_EQ(list.SelectionText(), "");

  SendMessageA(list.hwnd(), LB_SETCURSEL, 2, 0);
  EXPECT_EQ(list.SelectionText(), "");
  NotifySelectionChanged(window.window(), list);
  EXPECT_EQ(list.SelectionText(), "two");

  list.SetMultipleSelection(true);
  list.SelectAll();
  EXPECT_EQ(list.SelectionText(), "") << "select all alone leaves the text";
  NotifySelectionChanged(window.window(), list);
  EXPECT_EQ(list.SelectionText(), "one;three;two");
  list.ClearSelection();
  EXPECT_EQ(list.SelectionText(), "one;three;two") << "clearing alone leaves the text";
  NotifySelectionChanged(window.window(), list);
  EXPECT_EQ(list.SelectionText(), "");
}

TEST(FileList, SelectAllAndTheNotificationGiveEveryNameInListOrder) {
  const struct {
    std::vector<std::string> files;
    std::string text;
    std::vector<std::string> names;
  } cases[] = {
      {{}, "", {}},
      {{"two", "one", "three"}, "one;three;two", {"one", "three", "two"}},
      // The ";" of a name cannot be told from a separator in the text; the
      // names one by one keep it whole.
      {{"z.txt", "x;y.txt"}, "x;y.txt;z.txt", {"x;y.txt", "z.txt"}},
  };
  for (const auto& c : cases) {
    FixtureFolder folder;
    for (const std::string& name : c.files) folder.AddFile(name);
    BuiltWindow window(folder, {});
    auto& list = window->Get<FileList>(names::kFileList1);
    SelectEveryEntry(window.window(), list);
    EXPECT_EQ(list.SelectionText(), c.text);
    EXPECT_EQ(list.SelectedNames(), c.names);
  }
}

TEST_F(FileListTest, TheExportedNamesComeUpSelectedInTheNextFolderWithCaseIgnored) {
  folder_.AddFile("x.txt");
  folder_.AddFolder("other");
  folder_.AddFile("other\\X.TXT");
  folder_.AddFile("other\\y.txt");
  BuiltWindow window(folder_);  // the start-up export selects and exports x.txt
  FileList& list = List(window);
  ASSERT_EQ(list.SelectionText(), "x.txt");

  list.SetDirectory(folder_.PathOf("other"));
  EXPECT_EQ(SelectedEntries(list.hwnd()), (std::vector<std::string>{"X.TXT"}));
  EXPECT_EQ(list.SelectionText(), "X.TXT");
}

TEST_F(FileListTest, SingleSelectionReselectsTheFirstNameFound) {
  folder_.AddFile("b.txt");
  folder_.AddFolder("other");
  folder_.AddFile("other\\B.txt");
  folder_.AddFile("other\\a.txt");
  BuiltWindow window(folder_, {});
  FileList& list = List(window);
  SendMessageA(list.hwnd(), LB_SETCURSEL, 0, 0);
  NotifySelectionChanged(window.window(), list);
  ASSERT_EQ(list.SelectionText(), "b.txt");

  list.SetDirectory(folder_.PathOf("other"));
  EXPECT_EQ(SendMessageA(list.hwnd(), LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(list.SelectionText(), "B.txt");
}

TEST_F(FileListTest, ReselectionCutsTheOldTextAtEverySemicolon) {
  folder_.AddFile("x;y.txt");
  folder_.AddFolder("other");
  for (const char* name : {"other\\x;y.txt", "other\\x", "other\\y.txt", "other\\z"}) {
    folder_.AddFile(name);
  }
  BuiltWindow window(folder_);
  FileList& list = List(window);
  list.SetDirectory(folder_.PathOf("other"));
  EXPECT_EQ(SelectedEntries(list.hwnd()), (std::vector<std::string>{"x", "y.txt"}));
}

TEST_F(FileListTest, DirectoryFormsAndMissingFolders) {
  folder_.AddFile("here.txt");
  // A file in the root of the fixture's drive tells the root from the
  // drive's current directory, which is the fixture folder.
  const std::string drive = folder_.path().substr(0, 2);
  const std::string rootFile = drive + "\\tarnvel-root-" + std::to_string(GetCurrentProcessId());
  UniqueFile created(CreateFileA(rootFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!created) GTEST_SKIP() << "the drive root cannot be written here";
  created.reset();
  const std::string rootName = rootFile.substr(3);

  BuiltWindow window(folder_, {});
  FileList& list = List(window);
  const struct {
    std::string directory;
    bool listsRoot;
  } cases[] = {{drive, true}, {drive + "\\", true}, {folder_.path() + "\\", false}};
  for (const auto& c : cases) {
    list.SetDirectory(c.directory);
    EXPECT_EQ(list.Directory(), c.directory);
    const std::vector<std::string> entries = Entries(list.hwnd());
    EXPECT_EQ(std::find(entries.begin(), entries.end(), rootName) != entries.end(), c.listsRoot)
        << c.directory;
    EXPECT_EQ(std::find(entries.begin(), entries.end(), "here.txt") != entries.end(), !c.listsRoot)
        << c.directory;
  }
  DeleteFileA(rootFile.c_str());

  SelectEveryEntry(window.window(), list);
  ASSERT_EQ(list.SelectionText(), "here.txt");
  const std::string missing = folder_.PathOf("no such folder");
  list.SetDirectory(missing);
  EXPECT_EQ(list.Directory(), missing);
  EXPECT_EQ(SendMessageA(list.hwnd(), LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(list.SelectionText(), "");

  // Empty stands for the working directory again.
  list.SetDirectory("");
  EXPECT_EQ(list.Directory(), folder_.path());
  EXPECT_EQ(Entries(list.hwnd()), (std::vector<std::string>{"here.txt"}));
}

TEST_F(FileListTest, AFolderEndingInATrailByteOfBackslashIsListed) {
  // 癨 is B0 5C in GBK: its second byte is the backslash byte.
  const std::string name = "\xB0\x5C";
  folder_.AddFolder(name);
  folder_.AddFile(name + "\\inside.txt");
  BuiltWindow window(folder_, {});
  FileList& list = List(window);
  list.SetDirectory(folder_.PathOf(name));
  EXPECT_EQ(Entries(list.hwnd()), (std::vector<std::string>{"inside.txt"}));
}

TEST_F(FileListTest, SwitchingMultipleSelectionReplacesTheWindowOnce) {
  folder_.AddFile("here.txt");
  folder_.AddFolder("other");
  folder_.AddFile("other\\there.txt");
  BuiltWindow window(folder_, {});
  FileList& list = List(window);
  HWND old = list.hwnd();
  RECT oldRect;
  GetWindowRect(old, &oldRect);
  const LRESULT oldHeight = SendMessageA(old, LB_GETITEMHEIGHT, 0, 0);
  const LRESULT oldFont = SendMessageA(old, WM_GETFONT, 0, 0);
  HWND above = GetWindow(old, GW_HWNDPREV);
  const int id = GetDlgCtrlID(old);
  list.SetDirectory(folder_.PathOf("other"));
  SendMessageA(old, LB_SETCURSEL, 0, 0);
  NotifySelectionChanged(window.window(), list);
  ASSERT_EQ(list.SelectionText(), "there.txt");

  list.SetMultipleSelection(true);
  HWND fresh = list.hwnd();
  ASSERT_NE(fresh, old);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(list.Directory(), folder_.path());
  EXPECT_EQ(Entries(fresh), (std::vector<std::string>{"here.txt"}));
  EXPECT_EQ(SendMessageA(fresh, LB_GETSELCOUNT, 0, 0), 0);
  EXPECT_EQ(list.SelectionText(), "");

  EXPECT_EQ(GetDlgCtrlID(fresh), id);
  RECT rect;
  GetWindowRect(fresh, &rect);
  EXPECT_TRUE(EqualRect(&rect, &oldRect));
  EXPECT_EQ(GetWindow(fresh, GW_HWNDPREV), above);
  EXPECT_TRUE(IsWindowVisible(fresh));
  const auto style = static_cast<DWORD>(GetWindowLongA(fresh, GWL_STYLE));
  EXPECT_TRUE(style & LBS_EXTENDEDSEL);
  EXPECT_TRUE(style & LBS_SORT);
  EXPECT_FALSE(style & WS_TABSTOP);
  EXPECT_TRUE(GetWindowLongA(fresh, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(SendMessageA(fresh, LB_GETITEMHEIGHT, 0, 0), oldHeight);
  EXPECT_EQ(SendMessageA(fresh, WM_GETFONT, 0, 0), oldFont);
  EXPECT_EQ(window->FindByWindow(fresh), &list);

  // On a second time nothing changes, not even the directory.
  list.SetDirectory(folder_.PathOf("other"));
  list.SetMultipleSelection(true);
  EXPECT_EQ(list.hwnd(), fresh);
  EXPECT_EQ(list.Directory(), folder_.PathOf("other"));
}

TEST_F(FileListTest, TheReplacementKeepsAHiddenOrDisabledState) {
  const struct {
    bool visible, enabled;
  } cases[] = {{false, true}, {true, false}, {false, false}};
  for (const auto& c : cases) {
    BuiltWindow window(folder_, {});
    FileList& list = List(window);
    ShowWindow(list.hwnd(), c.visible ? SW_SHOWNA : SW_HIDE);
    EnableWindow(list.hwnd(), c.enabled);
    list.SetMultipleSelection(true);
    EXPECT_EQ(IsWindowVisible(list.hwnd()) != FALSE, c.visible);
    EXPECT_EQ(IsWindowEnabled(list.hwnd()) != FALSE, c.enabled);
  }
}

}  // namespace
}  // namespace tarnvel::test
