// The link menu: the menu built from a menu table, the pop-up shown by the
// real main window, and the menu commands that reach it.
#include "shell/link_menu.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "shell/main_window.h"
#include "support/app_fixture.h"

namespace tarnvel {
namespace {

using test::BuiltWindow;
using test::FixtureFolder;

// What a menu shows of one item, sub-menus included.
struct Item {
  std::string caption;
  UINT command = 0;
  bool separator = false;
  bool grayed = false;
  bool checked = false;
  std::vector<Item> subMenu;
  bool operator==(const Item&) const = default;
};

Item Plain(std::string caption, UINT command) { return {std::move(caption), command, false, false, false, {}}; }
Item Grayed(std::string caption, UINT command) { return {std::move(caption), command, false, true, false, {}}; }
Item Ticked(std::string caption, UINT command) { return {std::move(caption), command, false, false, true, {}}; }
Item Separator() { return {"", 0, true, false, false, {}}; }
Item GrayedSubMenu(std::string caption, std::vector<Item> items) {
  return {std::move(caption), 0, false, true, false, std::move(items)};
}

void PrintTo(const Item& item, std::ostream* out) {
  *out << (item.separator ? "separator" : "'" + item.caption + "'") << " " << item.command
       << (item.grayed ? " grayed" : "") << (item.checked ? " checked" : "");
  if (!item.subMenu.empty()) {
    *out << " {";
    for (const Item& inner : item.subMenu) {
      PrintTo(inner, out);
      *out << "; ";
    }
    *out << "}";
  }
}

std::vector<Item> ReadMenu(HMENU menu) {
  std::vector<Item> items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char caption[256] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = caption;
    info.cch = sizeof caption - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) {
      ADD_FAILURE() << "item " << i << " cannot be read";
      continue;
    }
    Item item;
    item.separator = (info.fType & MFT_SEPARATOR) != 0;
    // A separator's state means nothing (the system reports it grayed).
    if (!item.separator) {
      item.caption = caption;
      item.command = info.hSubMenu ? 0 : info.wID;
      item.grayed = (info.fState & MFS_GRAYED) != 0;
      item.checked = (info.fState & MFS_CHECKED) != 0;
    }
    if (info.hSubMenu) item.subMenu = ReadMenu(info.hSubMenu);
    items.push_back(item);
  }
  return items;
}

// The link menu as the user must see it: five plain items, in this order.
const std::vector<Item> kLinkMenu = {
    Plain("退出", 20001),
    Plain("本软件更新", 20002),
    Plain("免费赚钱项目", 20003),
    Plain("关于Tarnvel", 20004),
    Plain("Tarnvel联系方式", 20005),
};

TEST(LinkMenuTest, MenuUnderTheHiddenTopEntryHoldsTheFiveLinkItems) {
  const UniqueMenu menu = BuildPopUpMenu(kMenuTable, 0);
  ASSERT_TRUE(menu);
  EXPECT_EQ(ReadMenu(menu.get()), kLinkMenu);
}

// Every rule of the menu table in one table of entries.
constexpr MenuEntry kRuleTable[] = {
    // caption          level  flags
    {"top",               0,   0,             0},  // 0
    {"plain",             1,   0,             0},  // 1
    {"hidden",            1,   kMenuHidden,   0},  // 2: left out with what is under it
    {"under hidden",      2,   0,             0},  // 3
    {"grey",              1,   kMenuDisabled, 0},  // 4
    {"-",                 1,   0,             0},  // 5
    {"tick",              1,   kMenuTicked,   0},  // 6
    {"sub",               1,   kMenuDisabled, 0},  // 7: a grayed sub-menu
    {"deep",              2,   0,             0},  // 8
    {"deep hidden",       2,   kMenuHidden,   0},  // 9
    {"deeper",            3,   0,             0},  // 10: under a hidden entry
    {"deep tick",         2,   kMenuTicked,   0},  // 11
    {"after sub",         1,   0,             0},  // 12
    {"second top",        0,   0,             0},  // 13: ends the menu of "top"
    {"skipped level",     2,   0,             0},  // 14
    {"back to one",       1,   0,             0},  // 15
};

TEST(LinkMenuTest, MenuIsBuiltFromTheEntriesUnderTheGivenOne) {
  struct Case {
    std::size_t entry;
    std::vector<Item> expected;
  };
  const Case cases[] = {
      {0,
       {Plain("plain", 20001), Grayed("grey", 20004), Separator(), Ticked("tick", 20006),
        GrayedSubMenu("sub", {Plain("deep", 20008), Ticked("deep tick", 20011)}),
        Plain("after sub", 20012)}},
      {7, {Plain("deep", 20008), Ticked("deep tick", 20011)}},
      {13, {Plain("skipped level", 20014), Plain("back to one", 20015)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(kRuleTable[c.entry].caption);
    const UniqueMenu menu = BuildPopUpMenu(kRuleTable, c.entry);
    ASSERT_TRUE(menu);
    EXPECT_EQ(ReadMenu(menu.get()), c.expected);
  }
}

TEST(LinkMenuTest, NoMenuForAnEntryWithNothingUnderIt) {
  for (std::size_t entry : {std::size_t{1}, std::size_t{12}, std::size_t{15}, std::size_t{16}}) {
    SCOPED_TRACE(entry);
    EXPECT_FALSE(BuildPopUpMenu(kRuleTable, entry));
  }
  // An entry whose only entries under it are hidden still has a menu, an empty one.
  constexpr MenuEntry onlyHidden[] = {{"top", 0, 0, 0}, {"hidden", 1, kMenuHidden, 0}};
  const UniqueMenu menu = BuildPopUpMenu(onlyHidden, 0);
  ASSERT_TRUE(menu);
  EXPECT_EQ(GetMenuItemCount(menu.get()), 0);
}

TEST(LinkMenuTest, MenuBarHoldsTheTopLevelEntriesThatAreNotHidden) {
  // 菜单, the only top-level entry of the program, is hidden: no menu bar at all.
  EXPECT_FALSE(BuildMenuBar(kMenuTable));

  const UniqueMenu bar = BuildMenuBar(kRuleTable);
  ASSERT_TRUE(bar);
  const std::vector<Item> items = ReadMenu(bar.get());
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].caption, "top");
  EXPECT_EQ(items[0].subMenu.size(), 6u);
  EXPECT_EQ(items[1].caption, "second top");
}

// What a timer saw of the pop-up menus on the screen while one was tracked.
struct ShownMenu {
  int windows = 0;  // visible pop-up menu windows
  RECT rect{};
  HMENU menu = nullptr;
  std::vector<Item> items;
};
ShownMenu gShown;
bool gTimerFired = false;

BOOL CALLBACK CountMenuWindow(HWND window, LPARAM) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) == "#32768" && IsWindowVisible(window)) {
    if (++gShown.windows == 1) {
      GetWindowRect(window, &gShown.rect);
      gShown.menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
    }
  }
  return TRUE;
}

// Runs inside the menu's own modal loop: looks at the menu, then closes it.
void CALLBACK LookAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  gTimerFired = true;
  gShown = {};
  EnumWindows(CountMenuWindow, 0);
  if (gShown.menu) gShown.items = ReadMenu(gShown.menu);
  EndMenu();
}

// Pops the menu up and lets a timer look at it and dismiss it.
template <class PopUp>
void PopUpAndDismiss(PopUp popUp) {
  gTimerFired = false;
  gShown = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, LookAndCloseMenu);
  popUp();
  KillTimer(nullptr, timer);
}

bool CommandWaiting(HWND window) {
  MSG message;
  return PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_NOREMOVE) != FALSE;
}

TEST(LinkMenuTest, PopUpShowsTheLinkMenuNextToThePointerAndLeavesNothingBehind) {
  FixtureFolder folder;
  BuiltWindow window(folder);
  ASSERT_TRUE(window.built());
  struct Case {
    const char* what;
    std::function<void(MainWindow&)> popUp;
    LONG left, top;  // with the pointer at 300, 200
  };
  const Case cases[] = {
      {"label handler", PopUpLinkMenu, 303, 203},
      {"x given", [](MainWindow& w) { PopUpMenu(w, names::kMenu, 100); }, 100, 203},
      {"y given", [](MainWindow& w) { PopUpMenu(w, names::kMenu, std::nullopt, 150); }, 303, 150},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetCursorPos(300, 200);
    PopUpAndDismiss([&] { c.popUp(window.window()); });
    ASSERT_TRUE(gTimerFired);
    EXPECT_EQ(gShown.windows, 1);
    EXPECT_EQ(gShown.rect.left, c.left);
    EXPECT_EQ(gShown.rect.top, c.top);
    EXPECT_EQ(gShown.items, kLinkMenu);
    // Destroyed once closed; dismissed, so no command follows.
    EXPECT_FALSE(IsMenu(gShown.menu));
    EXPECT_FALSE(CommandWaiting(window->hwnd()));
    EXPECT_TRUE(window->exists());
  }
}

TEST(LinkMenuTest, NoPopUpForAnEntryWithoutAMenu) {
  FixtureFolder folder;
  BuiltWindow window(folder);
  ASSERT_TRUE(window.built());
  for (std::string_view entry : {std::string_view("退出"), std::string_view("no such entry")}) {
    SCOPED_TRACE(std::string(entry));
    // Nothing tracks a menu, so the call returns before the timer is due.
    PopUpAndDismiss([&] { PopUpMenu(window.window(), entry); });
    EXPECT_FALSE(gTimerFired);
  }
}

// Records which menu items were chosen.
std::vector<std::string> gChosen;
template <std::size_t Position>
void RecordChoice(MainWindow&, EventArgs&) {
  gChosen.emplace_back(kMenuTable[Position].caption);
}
constexpr Binding kRecordingBindings[] = {
    {kMenuTable[0].caption, Event::Selected, RecordChoice<0>},
    {kMenuTable[1].caption, Event::Selected, RecordChoice<1>},
    {kMenuTable[2].caption, Event::Selected, RecordChoice<2>},
    {kMenuTable[3].caption, Event::Selected, RecordChoice<3>},
    {kMenuTable[4].caption, Event::Selected, RecordChoice<4>},
    {kMenuTable[5].caption, Event::Selected, RecordChoice<5>},
};

TEST(LinkMenuTest, EachCommandNumberSelectsTheEntryAtItsPosition) {
  FixtureFolder folder;
  BuiltWindow window(folder, kRecordingBindings);
  ASSERT_TRUE(window.built());
  gChosen.clear();
  for (WPARAM command : {19999, 20000, 20001, 20002, 20003, 20004, 20005, 20006, 20100, 0xE100,
                         0xE101, 0xFFFF}) {
    SendMessageA(window->hwnd(), WM_COMMAND, command, 0);
  }
  const std::vector<std::string> expected = {"菜单",     "退出",        "本软件更新",
                                             "免费赚钱项目", "关于Tarnvel", "Tarnvel联系方式"};
  EXPECT_EQ(gChosen, expected);
}

// Runs the waiting messages; the exit code of a WM_QUIT among them, or -1.
int PumpUntilQuit() {
  int quitCode = -1;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitCode = static_cast<int>(message.wParam);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return quitCode;
}

TEST(LinkMenuTest, CommandsOffTheBoundItemsDoNothing) {
  FixtureFolder folder;
  BuiltWindow window(folder);
  ASSERT_TRUE(window.built());
  for (WPARAM command : {20000, 20006, 20007, 20100, 0xFFFF}) {
    SCOPED_TRACE(command);
    SendMessageA(window->hwnd(), WM_COMMAND, command, 0);
    EXPECT_EQ(PumpUntilQuit(), -1);
    EXPECT_TRUE(window->exists());
  }
}

TEST(LinkMenuTest, ExitDestroysTheWindowOnceTheCommandHasBeenHandled) {
  FixtureFolder folder;
  BuiltWindow window(folder);
  ASSERT_TRUE(window.built());
  SendMessageA(window->hwnd(), WM_COMMAND, kFirstCommand + 1, 0);
  // The close-down message is posted: nothing is destroyed under the caller.
  EXPECT_TRUE(window->exists());
  MSG message;
  EXPECT_TRUE(PeekMessageA(&message, window->hwnd(), kCloseDownMessage, kCloseDownMessage,
                           PM_NOREMOVE));
  EXPECT_EQ(PumpUntilQuit(), 0);
  EXPECT_FALSE(window->exists());
}

TEST(LinkMenuTest, CloseDownMessageWithoutExitDoesNothing) {
  FixtureFolder folder;
  BuiltWindow window(folder);
  ASSERT_TRUE(window.built());
  PostMessageA(window->hwnd(), kCloseDownMessage, 0, 0);
  EXPECT_EQ(PumpUntilQuit(), -1);
  EXPECT_TRUE(window->exists());
  // Two exits in a row end in one destruction.
  ExitProgram(window.window());
  ExitProgram(window.window());
  EXPECT_EQ(PumpUntilQuit(), 0);
  EXPECT_FALSE(window->exists());
}

}  // namespace
}  // namespace tarnvel
