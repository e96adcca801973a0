#include "browse/directory_tree.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "browse/path_chain.h"
#include "browse/tree_sort_order.h"
#include "shell/window_template.h"
#include "support/app_fixture.h"
#include "support/fixture_folder.h"

namespace tarnvel {
namespace {

using test::BuiltWindow;
using test::FixtureFolder;

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

int g_folderEvents = 0;
std::string g_directoryAtEvent;

constexpr Binding kCountingBindings[] = {
    {names::kDirectoryTree1, Event::FolderChosen,
     [](MainWindow& w, EventArgs&) {
       ++g_folderEvents;
       g_directoryAtEvent = w.Get<DirectoryTree>(names::kDirectoryTree1).directory();
     }},
};

HTREEITEM Related(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

struct Item {
  std::string text;
  int picture;
  int selectedPicture;
  bool expanded;
};

Item ReadItem(HWND tree, HTREEITEM handle) {
  char text[1024] = {};
  TVITEMA item{};
  item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_HANDLE;
  item.hItem = handle;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  item.stateMask = TVIS_EXPANDED;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return {text, item.iImage, item.iSelectedImage, (item.state & TVIS_EXPANDED) != 0};
}

std::vector<HTREEITEM> Children(HWND tree, HTREEITEM parent) {
  std::vector<HTREEITEM> children;
  for (HTREEITEM at = Related(tree, parent, parent ? TVGN_CHILD : TVGN_ROOT); at;
       at = Related(tree, at, TVGN_NEXT)) {
    children.push_back(at);
  }
  return children;
}

// What the tree shows: the chain of open folders from the top, each the
// only item at its level, and the closed folders below the last one.
struct Shape {
  std::vector<std::string> chain;
  std::vector<std::string> subfolders;
  bool lastExpanded = false;
  std::string selected;
  std::string faults;  // broken rules of the chain's form
};

Shape ReadShape(HWND tree) {
  Shape shape;
  if (HTREEITEM caret = Related(tree, nullptr, TVGN_CARET)) shape.selected = ReadItem(tree, caret).text;
  std::vector<HTREEITEM> level = Children(tree, nullptr);
  while (!level.empty()) {
    const Item first = ReadItem(tree, level.front());
    if (first.picture == kClosedFolder) {
      for (HTREEITEM handle : level) {
        const Item item = ReadItem(tree, handle);
        if (item.picture != kClosedFolder || item.selectedPicture != kClosedFolderSelected) {
          shape.faults += "subfolder " + item.text + " without closed pictures; ";
        }
        if (!Children(tree, handle).empty()) shape.faults += "subfolder " + item.text + " has children; ";
        shape.subfolders.push_back(item.text);
      }
      break;
    }
    if (level.size() != 1) shape.faults += "chain item " + first.text + " has siblings; ";
    if (first.picture != kOpenFolder || first.selectedPicture != kOpenFolderSelected) {
      shape.faults += "chain item " + first.text + " without open pictures; ";
    }
    shape.chain.push_back(first.text);
    shape.lastExpanded = first.expanded;
    level = Children(tree, level.front());
  }
  return shape;
}

HTREEITEM FindItem(HWND tree, HTREEITEM parent, const std::string& text) {
  for (HTREEITEM at : Children(tree, parent)) {
    if (ReadItem(tree, at).text == text) return at;
    if (HTREEITEM found = FindItem(tree, at, text)) return found;
  }
  return nullptr;
}

// TVM_GETITEMRECT takes the item's handle in the rectangle it fills.
RECT ItemRectRequest(HTREEITEM item) {
  RECT rect{};
  std::memcpy(&rect, &item, sizeof item);
  return rect;
}

POINT ItemCentre(HWND tree, HTREEITEM item) {
  RECT rect = ItemRectRequest(item);
  SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A point below the last visible item.
POINT EmptyArea(HWND tree) {
  HTREEITEM last = Related(tree, nullptr, TVGN_LASTVISIBLE);
  RECT rect = ItemRectRequest(last);
  SendMessageA(tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  RECT client;
  GetClientRect(tree, &client);
  EXPECT_LT(rect.bottom + 4, client.bottom) << "the tree has no empty area left";
  return {4, rect.bottom + 4};
}

enum class How { DoubleClick, Enter, DoubleClickEmptyArea };

struct Choice {
  const char* item;  // the text of the item highlighted first
  How how;
};

// Highlights the item as a click would, then chooses it.
void Choose(HWND tree, const Choice& choice) {
  HTREEITEM item = FindItem(tree, nullptr, choice.item);
  ASSERT_NE(item, nullptr) << "no item " << choice.item;
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  switch (choice.how) {
    case How::DoubleClick: {
      const POINT at = ItemCentre(tree, item);
      SendMessageA(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
      break;
    }
    case How::DoubleClickEmptyArea: {
      const POINT at = EmptyArea(tree);
      SendMessageA(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
      break;
    }
    case How::Enter:
      SendMessageA(tree, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      SendMessageA(tree, WM_KEYUP, VK_RETURN, 0xC01C0001);
      break;
  }
  test::PumpMessages();
}

// The folders of every case: A holds X, Y and Z and a file; X holds x1
// and the hidden .x2; Z holds more folders than the tree shows at once,
// s00 to s59; E is empty.
void AddFolders(const FixtureFolder& folder) {
  for (const char* name : {"A", "A\\X", "A\\X\\x1", "A\\X\\.x2", "A\\Y", "A\\Z", "E"}) {
    folder.AddFolder(name);
  }
  for (int i = 0; i < 60; ++i) folder.AddFolder("A\\Z\\s" + std::to_string(100 + i).substr(1));
  folder.SetAttributes("A\\X\\.x2", FILE_ATTRIBUTE_HIDDEN);
  folder.AddFile("A\\a.txt");
}

// "%F" stands for the fixture folder.
std::string Expand(const std::string& text, const FixtureFolder& folder) {
  std::string result = text;
  if (const auto at = result.find("%F"); at != std::string::npos) result.replace(at, 2, folder.path());
  return result;
}

struct TreeCase {
  const char* name;
  const char* directory;  // set from code
  std::vector<Choice> choices;
  const char* chain;  // the chain's items joined by "\", %F for the fixture folder's
  std::vector<std::string> subfolders;
  bool lastExpanded;
  const char* directoryAfter;
  int events;
};

class DirectoryTreeTest : public testing::TestWithParam<TreeCase> {};

TEST_P(DirectoryTreeTest, ShowsChainAndSubfolders) {
  const TreeCase& c = GetParam();
  FixtureFolder folder;
  AddFolders(folder);
  BuiltWindow window(folder, kCountingBindings);
  ASSERT_TRUE(window.built());
  auto& tree = window->Get<DirectoryTree>(names::kDirectoryTree1);
  g_folderEvents = 0;

  tree.SetDirectory(Expand(c.directory, folder));
  for (const Choice& choice : c.choices) Choose(tree.hwnd(), choice);

  const Shape shape = ReadShape(tree.hwnd());
  const auto chain = SplitPathChain(Expand(c.chain, folder), IsLeadByte);
  EXPECT_EQ(shape.faults, "");
  EXPECT_EQ(shape.chain, chain);
  EXPECT_EQ(shape.subfolders, c.subfolders);
  EXPECT_EQ(shape.lastExpanded, c.lastExpanded);
  EXPECT_EQ(shape.selected, chain.empty() ? "" : chain.back());
  EXPECT_EQ(tree.directory(), Expand(c.directoryAfter, folder));
  EXPECT_EQ(g_folderEvents, c.events);
  if (c.events > 0) {
    EXPECT_EQ(g_directoryAtEvent, tree.directory());
  }
}

const std::vector<std::string> kSubfoldersOfA = {"X", "Y", "Z"};
const std::vector<std::string> kSubfoldersOfX = {".x2", "x1"};
const std::vector<std::string> kNone = {};

INSTANTIATE_TEST_SUITE_P(
    RebuildsAndChoices, DirectoryTreeTest,
    testing::Values(
        TreeCase{"Folder", "%F\\A", {}, "%F\\A", kSubfoldersOfA, true, "%F\\A", 0},
        TreeCase{"TrailingBackslashKept", "%F\\A\\X\\", {}, "%F\\A\\X", kSubfoldersOfX, true, "%F\\A\\X\\", 0},
        TreeCase{"HiddenFolderListed", "%F\\A\\X", {}, "%F\\A\\X", kSubfoldersOfX, true, "%F\\A\\X", 0},
        TreeCase{"MissingFolder", "%F\\missing\\deeper", {}, "%F\\missing\\deeper", kNone, false,
                 "%F\\missing\\deeper", 0},
        TreeCase{"SubfolderExtendsChain", "%F\\A", {{"X", How::DoubleClick}}, "%F\\A\\X", kSubfoldersOfX,
                 true, "%F\\A\\X", 1},
        TreeCase{"SubfolderByEnter", "%F\\A", {{"Y", How::Enter}}, "%F\\A\\Y", kNone, false, "%F\\A\\Y", 1},
        // Highlighting s59 scrolls its siblings to the top of the view.
        TreeCase{"SubfolderScrolledIntoView", "%F\\A\\Z", {{"s59", How::Enter}}, "%F\\A\\Z\\s59", kNone, false,
                 "%F\\A\\Z\\s59", 1},
        TreeCase{"ChainItemCutsBelow", "%F\\A\\X", {{"A", How::DoubleClick}}, "%F\\A", kSubfoldersOfA, true,
                 "%F\\A", 1},
        TreeCase{"EmptyAreaActsOnHighlight", "%F\\A\\X", {{"A", How::DoubleClickEmptyArea}}, "%F\\A",
                 kSubfoldersOfA, true, "%F\\A", 1},
        TreeCase{"OwnItemWithSubfoldersChangesNothing", "%F\\A\\", {{"A", How::DoubleClick}}, "%F\\A",
                 kSubfoldersOfA, true, "%F\\A\\", 0},
        TreeCase{"OwnItemByEnterChangesNothing", "%F\\A", {{"A", How::Enter}}, "%F\\A", kSubfoldersOfA, true,
                 "%F\\A", 0},
        TreeCase{"OwnItemWithoutSubfoldersChoosesAgain", "%F\\E", {{"E", How::DoubleClick}, {"E", How::Enter}},
                 "%F\\E", kNone, false, "%F\\E", 2},
        TreeCase{"DownAndUpAgain", "%F", {{"A", How::DoubleClick}, {"X", How::DoubleClick}, {"x1", How::Enter},
                 {"A", How::DoubleClick}}, "%F\\A", kSubfoldersOfA, true, "%F\\A", 4},
        // A network path keeps server and share in its top item, so a
        // choice gives the same network path back. The item keeps its
        // expansion when its folder cannot be listed.
        TreeCase{"NetworkPath", "\\\\server\\share\\dir", {{"\\\\server\\share", How::DoubleClick}},
                 "\\\\server\\share", kNone, true, "\\\\server\\share", 1}),
    [](const testing::TestParamInfo<TreeCase>& info) { return std::string(info.param.name); });

TEST(DirectoryTreeDrives, DriveRootGivesOneTopItem) {
  FixtureFolder folder;
  BuiltWindow window(folder, kCountingBindings);
  auto& tree = window->Get<DirectoryTree>(names::kDirectoryTree1);
  g_folderEvents = 0;

  tree.SetDirectory("C:\\");
  Shape shape = ReadShape(tree.hwnd());
  EXPECT_EQ(shape.faults, "");
  EXPECT_EQ(shape.chain, std::vector<std::string>{"C:"});
  EXPECT_EQ(shape.selected, "C:");
  EXPECT_NE(std::find(shape.subfolders.begin(), shape.subfolders.end(), "windows"), shape.subfolders.end());
  EXPECT_EQ(tree.directory(), "C:\\");

  // From deep down, the top item gives the drive without backslash.
  tree.SetDirectory(folder.path());
  Choose(tree.hwnd(), {"C:", How::DoubleClick});
  shape = ReadShape(tree.hwnd());
  EXPECT_EQ(shape.chain, std::vector<std::string>{"C:"});
  EXPECT_NE(std::find(shape.subfolders.begin(), shape.subfolders.end(), "windows"), shape.subfolders.end());
  EXPECT_EQ(tree.directory(), "C:");
  EXPECT_EQ(g_folderEvents, 1);
}

TEST(DirectoryTreeStart, ShowsTheWorkingDirectory) {
  FixtureFolder folder;
  AddFolders(folder);
  BuiltWindow window(folder, kCountingBindings);
  auto& tree = window->Get<DirectoryTree>(names::kDirectoryTree1);
  const Shape shape = ReadShape(tree.hwnd());
  EXPECT_EQ(shape.chain, SplitPathChain(folder.path(), IsLeadByte));
  EXPECT_EQ(shape.subfolders, (std::vector<std::string>{"A", "E"}));
  EXPECT_EQ(tree.directory(), folder.path());
}

// Four pictures of 16 x 15 from the folder strip, the magenta background
// transparent.
TEST(DirectoryTreeStart, FolderPictures) {
  FixtureFolder folder;
  BuiltWindow window(folder, kCountingBindings);
  HWND tree = window->Get<DirectoryTree>(names::kDirectoryTree1).hwnd();
  auto pictures = reinterpret_cast<HIMAGELIST>(SendMessageA(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
  ASSERT_NE(pictures, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(pictures), 4);
  int width = 0, height = 0;
  ImageList_GetIconSize(pictures, &width, &height);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 15);

  // Drawn over green: the corner is background and shows the green, the
  // folder's middle shows neither green nor magenta.
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, 16, 15);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(dc, canvas);
  const RECT all = {0, 0, 16, 15};
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  for (int picture : {kClosedFolder, kOpenFolder}) {
    FillRect(dc, &all, green);
    ImageList_Draw(pictures, picture, dc, 0, 0, ILD_NORMAL);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 255, 0)) << "picture " << picture;
    const COLORREF middle = GetPixel(dc, 8, 9);
    EXPECT_NE(middle, RGB(0, 255, 0)) << "picture " << picture;
    EXPECT_NE(middle, RGB(255, 0, 255)) << "picture " << picture;
  }
  SelectObject(dc, previous);
  DeleteObject(green);
  DeleteObject(canvas);
  DeleteDC(dc);
}

// A directory longer than the system calls take still gets its chain,
// from the text alone, and no subfolders.
TEST(DirectoryTreeLimits, LongDirectoryGetsChainFromText) {
  FixtureFolder folder;
  BuiltWindow window(folder, kCountingBindings);
  auto& tree = window->Get<DirectoryTree>(names::kDirectoryTree1);
  std::string directory = "C:";
  std::vector<std::string> chain = {"C:"};
  for (int i = 0; i < 40; ++i) {
    const std::string piece = "\xC4\xBF\xC2\xBC" + std::to_string(i) + "_folder";  // 目录
    directory += "\\" + piece;
    chain.push_back(piece);
  }
  ASSERT_GT(directory.size(), 2u * MAX_PATH);

  tree.SetDirectory(directory);
  const Shape shape = ReadShape(tree.hwnd());
  EXPECT_EQ(shape.chain, chain);
  EXPECT_EQ(shape.subfolders, kNone);
  EXPECT_EQ(tree.directory(), directory);

  Choose(tree.hwnd(), {chain.back().c_str(), How::Enter});
  EXPECT_EQ(tree.directory(), directory);
}

// 癨 is B0 5C in GBK: a directory ending in it still gets its backslash
// before the search pattern, so the search looks inside it and not for
// names beginning with 癨 beside it.
TEST(DirectoryTreeLimits, ADirectoryEndingInATrailByteOfBackslashShowsItsSubfolders) {
  FixtureFolder folder;
  const std::string name = "\xB0\x5C";
  folder.AddFolder(name);
  folder.AddFolder(name + "\\inner");
  folder.AddFolder(name + "beside");
  BuiltWindow window(folder, kCountingBindings);
  auto& tree = window->Get<DirectoryTree>(names::kDirectoryTree1);

  tree.SetDirectory(folder.PathOf(name));
  const Shape shape = ReadShape(tree.hwnd());
  EXPECT_EQ(shape.chain.back(), name);
  EXPECT_EQ(shape.subfolders, std::vector<std::string>{"inner"});
}

// The names in the order a tree view's own TVI_SORT puts them.
std::vector<std::string> TreeViewSortedOrder(const std::vector<std::string>& names) {
  HWND tree = CreateWindowExA(0, WC_TREEVIEWA, "", 0, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  for (const std::string& name : names) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(name.c_str());
    SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  }
  std::vector<std::string> sorted;
  for (HTREEITEM item : Children(tree, nullptr)) sorted.push_back(ReadItem(tree, item).text);
  DestroyWindow(tree);
  return sorted;
}

const std::vector<std::string> kMixedNames = {
    "b", "A", "a1", "_u", "-d", "10", "9", "Ab", "x y", "x.y", "xy", "\xD6\xD0\xCE\xC4",
    "\xC4\xBF\xC2\xBC", "\xA8\xA1", "~t", "Z", "$z", "'q", "a-b", "a_b", "1"};

TEST(DirectoryTreeOrder, SubfoldersInTheTreeViewsOwnOrder) {
  FixtureFolder folder;
  for (const std::string& name : kMixedNames) folder.AddFolder(name);
  BuiltWindow window(folder, kCountingBindings);
  const Shape shape = ReadShape(window->Get<DirectoryTree>(names::kDirectoryTree1).hwnd());
  EXPECT_EQ(shape.subfolders, TreeViewSortedOrder(kMixedNames));
}

// Names a folder can hold on a case-sensitive file system, in several
// starting orders: names that differ only in case go where the tree
// view puts them.
TEST(DirectoryTreeOrder, SortLikeTreeViewBreaksCaseTies) {
  std::vector<std::vector<std::string>> lists = {
      {"ab", "AB", "Ab", "aB", "b", "B", "a", "A"},
      {"A", "a", "B", "b", "aB", "Ab", "AB", "ab", "a-b", "A-b", "a'b", "A'B"},
      kMixedNames,
  };
  for (std::vector<std::string> names : lists) {
    const auto expected = TreeViewSortedOrder(names);
    SortLikeTreeView(names);
    EXPECT_EQ(names, expected);
  }
}

}  // namespace
}  // namespace tarnvel
