// The keyboard rules on their own: the keys the main window takes, the tab
// cycle and the hand-over target, on the program's control table and on
// small tables made to show one rule each.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <optional>
#include <vector>

#include "shell/bindings.h"
#include "shell/keyboard_rules.h"
#include "shell/window_template.h"

namespace tarnvel {
namespace {

// Layout positions in the program's control table.
constexpr std::size_t kLabel = 0, kEditBox = 1, kButton2 = 2, kDriveList = 3, kTree = 4,
                      kButton1 = 5, kFileList = 6;
constexpr auto kNone = std::nullopt;

ControlRecord Record(bool visible, bool disabled, bool tabStop, int tabOrder) {
  return {"x", ControlKind::PushButton, 0, 0, 10, 10, visible, disabled, tabStop, tabOrder, ""};
}

TEST(WindowKeyAction, TakesTabShiftTabAndEscWithoutModifiers) {
  struct Case {
    unsigned key;
    unsigned flags;
    KeyAction action;
  };
  const Case cases[] = {
      {VK_TAB, 0, KeyAction::FocusForward},
      {VK_TAB, kKeyShift, KeyAction::FocusBackward},
      {VK_TAB, kKeyCtrl, KeyAction::None},
      {VK_TAB, kKeyAlt, KeyAction::None},
      {VK_TAB, kKeyCtrl | kKeyShift, KeyAction::None},
      {VK_ESCAPE, 0, KeyAction::CloseWindow},
      {VK_ESCAPE, kKeyShift, KeyAction::None},
      {VK_ESCAPE, kKeyCtrl, KeyAction::None},
      {VK_ESCAPE, kKeyAlt, KeyAction::None},
      {VK_RETURN, 0, KeyAction::None},  // Enter moves no focus
      {VK_SPACE, 0, KeyAction::None},
      {VK_NUMPAD9, 0, KeyAction::None},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowKeyAction(c.key, c.flags, kMainWindowRecord), c.action)
        << "key " << c.key << " flags " << c.flags;
  }
}

TEST(WindowKeyAction, EscClosesOnlyAWindowWhoseRecordSaysSo) {
  MainWindowRecord record = kMainWindowRecord;
  record.escClosesWindow = false;
  EXPECT_EQ(WindowKeyAction(VK_ESCAPE, 0, record), KeyAction::None);
  EXPECT_EQ(WindowKeyAction(VK_TAB, 0, record), KeyAction::FocusForward);
}

TEST(ReadVirtualKey, KeypadDigitsAreTheDigitKeys) {
  const std::pair<unsigned, unsigned> cases[] = {
      {VK_NUMPAD0, '0'}, {VK_NUMPAD5, '5'},        {VK_NUMPAD9, '9'},
      {'7', '7'},        {VK_DECIMAL, VK_DECIMAL}, {VK_MULTIPLY, VK_MULTIPLY},
      {VK_TAB, VK_TAB},  {VK_ESCAPE, VK_ESCAPE},
  };
  for (const auto& [key, read] : cases) EXPECT_EQ(ReadVirtualKey(key), read) << "key " << key;
}

TEST(TabCycle, ProgramCycleIsFileListButton1Button2) {
  EXPECT_EQ(TabCycle(kControlTable), (std::vector<std::size_t>{kFileList, kButton1, kButton2}));
}

TEST(TabCycle, FollowsTheRecordsFlagsAndTabOrder) {
  struct Case {
    const char* what;
    std::vector<ControlRecord> table;
    std::vector<std::size_t> cycle;
  };
  const Case cases[] = {
      {"equal values: last in layout first",
       {Record(true, false, true, 0), Record(true, false, true, 0), Record(true, false, true, 0)},
       {2, 1, 0}},
      {"tab-order values first",
       {Record(true, false, true, 2), Record(true, false, true, 0), Record(true, false, true, 1)},
       {1, 2, 0}},
      {"hidden, disabled and non-tab-stop controls left out",
       {Record(false, false, true, 0), Record(true, true, true, 0), Record(true, false, false, 0),
        Record(true, false, true, 0)},
       {3}},
      {"no member", {Record(true, false, false, 0)}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(TabCycle(c.table), c.cycle) << c.what;
}

TEST(NextTabStop, MovesThroughTheProgramCycle) {
  struct Case {
    std::optional<std::size_t> focused;
    TabDirection direction;
    std::optional<std::size_t> next;
  };
  constexpr auto F = TabDirection::Forward;
  constexpr auto B = TabDirection::Backward;
  const Case cases[] = {
      {kFileList, F, kButton1}, {kButton1, F, kButton2}, {kButton2, F, kFileList},
      {kFileList, B, kButton2}, {kButton2, B, kButton1}, {kButton1, B, kFileList},
      // Outside the cycle: Tab to the first member not later in layout
      // order, Shift+Tab to the one before it.
      {kTree, F, kButton2},     {kTree, B, kButton1},
      {kDriveList, F, kButton2}, {kDriveList, B, kButton1},
      // Every member comes later than the label: from the start of the cycle.
      {kLabel, F, kFileList},   {kLabel, B, kButton2},
      {kEditBox, F, kFileList}, {kEditBox, B, kButton2},
      // No control has the focus.
      {kNone, F, kFileList},    {kNone, B, kButton2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextTabStop(kControlTable, c.focused, c.direction), c.next)
        << "from " << c.focused.value_or(99) << (c.direction == F ? " forward" : " backward");
  }
}

TEST(NextTabStop, NoMoveWithoutACycle) {
  const std::array table = {Record(true, false, false, 0), Record(false, false, true, 0)};
  EXPECT_EQ(NextTabStop(table, 0, TabDirection::Forward), kNone);
  EXPECT_EQ(NextTabStop(table, kNone, TabDirection::Backward), kNone);
}

TEST(HandOverTarget, RememberedControlElseFirstInFocusOrder) {
  struct Case {
    const char* what;
    std::vector<ControlRecord> table;
    std::optional<std::size_t> remembered;
    std::optional<std::size_t> target;
  };
  const std::vector<ControlRecord> program(kControlTable.begin(), kControlTable.end());
  const Case cases[] = {
      {"start: nothing remembered", program, kNone, kFileList},
      {"a member of the cycle", program, kButton2, kButton2},
      {"a control outside the cycle", program, kTree, kTree},
      {"lowest tab-order value first",
       {Record(true, false, true, 1), Record(true, false, true, 0), Record(true, false, true, 1)},
       kNone, 1},
      {"no cycle, nothing remembered", {Record(true, false, false, 0)}, kNone, kNone},
  };
  for (const Case& c : cases) EXPECT_EQ(HandOverTarget(c.table, c.remembered), c.target) << c.what;
}

}  // namespace
}  // namespace tarnvel
