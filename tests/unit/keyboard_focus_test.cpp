// The real main window's pre-translation of queued keyboard and mouse
// messages and its focus hand-over, driven with real messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "browse/file_list.h"
#include "shell/handles.h"
#include "shell/main_window.h"
#include "shell/window_template.h"
#include "support/app_fixture.h"

namespace tarnvel::test {
namespace {

HWND Window(MainWindow& window, std::string_view name) { return window.Find(name).hwnd(); }

MSG Queued(HWND target, UINT message, WPARAM wParam, LPARAM lParam = 0) {
  MSG queued{};
  queued.hwnd = target;
  queued.message = message;
  queued.wParam = wParam;
  queued.lParam = lParam;
  return queued;
}

// Holds the given modifier keys down in this thread's keyboard state, as
// GetKeyState sees it, for the scope of the object.
class HeldModifiers {
 public:
  explicit HeldModifiers(std::initializer_list<int> keys) {
    GetKeyboardState(saved_.data());
    std::array<BYTE, 256> state = saved_;
    for (int key : keys) state[key] = 0x80;
    SetKeyboardState(state.data());
  }
  ~HeldModifiers() { SetKeyboardState(saved_.data()); }
  HeldModifiers(const HeldModifiers&) = delete;
  HeldModifiers& operator=(const HeldModifiers&) = delete;

 private:
  std::array<BYTE, 256> saved_{};
};

// Presses Tab (or Shift+Tab) at the focused window, as the message loop
// would offer it. True when the main window took the key.
bool PressTab(MainWindow& window, bool shift = false) {
  std::optional<HeldModifiers> held;
  if (shift) held.emplace(std::initializer_list<int>{VK_SHIFT});
  return window.PreTranslate(Queued(GetFocus(), WM_KEYDOWN, VK_TAB));
}

TEST(KeyboardFocus, FileListHasTheFocusAfterStart) {
  FixtureFolder folder;
  BuiltWindow window(folder);
  ASSERT_TRUE(window.built());
  EXPECT_EQ(GetFocus(), Window(window.window(), names::kFileList1));
}

TEST(KeyboardFocus, TabAndShiftTabFollowTheCycle) {
  struct Case {
    std::string_view from;
    bool shift;
    std::string_view to;
  };
  const Case cases[] = {
      {names::kFileList1, false, names::kButton1},
      {names::kButton1, false, names::kButton2},
      {names::kButton2, false, names::kFileList1},
      {names::kFileList1, true, names::kButton2},
      {names::kButton2, true, names::kButton1},
      {names::kButton1, true, names::kFileList1},
      {names::kDirectoryTree1, false, names::kButton2},
      {names::kDirectoryTree1, true, names::kButton1},
      {names::kDriveList1, false, names::kButton2},
      {names::kDriveList1, true, names::kButton1},
  };
  FixtureFolder folder;
  BuiltWindow window(folder);
  for (const Case& c : cases) {
    SetFocus(Window(window.window(), c.from));
    EXPECT_TRUE(PressTab(window.window(), c.shift)) << c.from;
    EXPECT_EQ(GetFocus(), Window(window.window(), c.to))
        << (c.shift ? "Shift+Tab from " : "Tab from ") << c.from;
  }
}

// The cycle goes by the template, not by the style of the control's current
// window: 文件框1's window, replaced by one without WS_TABSTOP when its
// multiple selection changes, stays in it.
TEST(KeyboardFocus, ReplacedFileListWindowStaysInTheCycle) {
  FixtureFolder folder;
  BuiltWindow window(folder);
  auto& fileList = window->Get<FileList>(names::kFileList1);
  const HWND before = fileList.hwnd();
  fileList.SetMultipleSelection(!fileList.MultipleSelection());
  ASSERT_NE(fileList.hwnd(), before) << "the window was not replaced";
  ASSERT_FALSE(GetWindowLongPtrA(fileList.hwnd(), GWL_STYLE) & WS_TABSTOP);
  SetFocus(Window(window.window(), names::kButton2));
  PressTab(window.window());
  EXPECT_EQ(GetFocus(), fileList.hwnd());
  SetFocus(Window(window.window(), names::kButton1));
  PressTab(window.window(), true);
  EXPECT_EQ(GetFocus(), fileList.hwnd());
}

TEST(KeyboardFocus, KeysForADisabledWindowPassUntouched) {
  FixtureFolder folder;
  BuiltWindow window(folder);
  HWND button1 = Window(window.window(), names::kButton1);
  SetFocus(button1);
  EnableWindow(button1, FALSE);
  for (UINT key : {VK_TAB, VK_ESCAPE}) {
    EXPECT_FALSE(window->PreTranslate(Queued(button1, WM_KEYDOWN, key))) << "key " << key;
  }
  EXPECT_TRUE(window->exists());
}

TEST(KeyboardFocus, OtherKeysGoOnToTheFocusedControl) {
  FixtureFolder folder;
  BuiltWindow window(folder);
  HWND fileList = Window(window.window(), names::kFileList1);
  SetFocus(fileList);
  for (UINT key : {VK_RETURN, VK_DOWN, VK_NUMPAD1, int{'A'}}) {
    EXPECT_FALSE(window->PreTranslate(Queued(fileList, WM_KEYDOWN, key))) << "key " << key;
  }
  {
    HeldModifiers ctrl({VK_CONTROL});
    EXPECT_FALSE(window->PreTranslate(Queued(fileList, WM_KEYDOWN, VK_TAB))) << "Ctrl+Tab";
  }
  // Only the key press is the window's; the rest of a Tab keystroke goes on.
  EXPECT_FALSE(window->PreTranslate(Queued(fileList, WM_KEYUP, VK_TAB)));
  EXPECT_FALSE(window->PreTranslate(Queued(fileList, WM_CHAR, '\t')));
  EXPECT_EQ(GetFocus(), fileList);
}

TEST(KeyboardFocus, EscWithoutModifiersClosesTheWindow) {
  struct Case {
    const char* what;
    UINT message;
    std::initializer_list<int> held;
    bool closes;
  };
  const Case cases[] = {
      {"Esc", WM_KEYDOWN, {}, true},
      {"Shift+Esc", WM_KEYDOWN, {VK_SHIFT}, false},
      {"Ctrl+Esc", WM_KEYDOWN, {VK_CONTROL}, false},
      {"Alt+Esc", WM_SYSKEYDOWN, {VK_MENU}, false},
  };
  for (const Case& c : cases) {
    FixtureFolder folder;
    BuiltWindow window(folder);
    HWND focus = GetFocus();
    bool taken;
    {
      HeldModifiers held(c.held);
      taken = window->PreTranslate(Queued(focus, c.message, VK_ESCAPE));
    }
    EXPECT_EQ(taken, c.closes) << c.what;
    EXPECT_EQ(!window->exists(), c.closes) << c.what;
  }
}

// Mouse events of the window and its controls, recorded by test handlers;
// the left button's handler on 按钮1 asks to stop its message.
struct RaisedEvent {
  std::string source;
  Event event;
  EventArgs args;
};
std::optional<RaisedEvent> g_raised;

template <Event kEvent>
void Record(std::string_view source, EventArgs& args) {
  g_raised = RaisedEvent{std::string(source), kEvent, args};
}

constexpr Binding kMouseBindings[] = {
    {names::kLabel1, Event::MouseMoved,
     [](MainWindow&, EventArgs& a) { Record<Event::MouseMoved>(names::kLabel1, a); }},
    {names::kMainWindow, Event::MouseMoved,
     [](MainWindow&, EventArgs& a) { Record<Event::MouseMoved>(names::kMainWindow, a); }},
    {names::kButton1, Event::LeftButtonDown,
     [](MainWindow&, EventArgs& a) {
       a.result = false;
       Record<Event::LeftButtonDown>(names::kButton1, a);
     }},
    {names::kButton1, Event::LeftButtonUp,
     [](MainWindow&, EventArgs& a) { Record<Event::LeftButtonUp>(names::kButton1, a); }},
    {names::kDirectoryTree1, Event::DoubleClicked,
     [](MainWindow&, EventArgs& a) { Record<Event::DoubleClicked>(names::kDirectoryTree1, a); }},
    {names::kFileList1, Event::RightButtonDown,
     [](MainWindow&, EventArgs& a) { Record<Event::RightButtonDown>(names::kFileList1, a); }},
    {names::kFileList1, Event::RightButtonUp,
     [](MainWindow&, EventArgs& a) {
       a.result = true;
       Record<Event::RightButtonUp>(names::kFileList1, a);
     }},
};

TEST(KeyboardFocus, MouseMessagesRaiseTheCommonMouseEvents) {
  struct Case {
    std::string_view target;
    UINT message;
    Event event;
    bool stopped;
  };
  const Case cases[] = {
      {names::kLabel1, WM_MOUSEMOVE, Event::MouseMoved, false},
      {names::kMainWindow, WM_MOUSEMOVE, Event::MouseMoved, false},
      {names::kButton1, WM_LBUTTONDOWN, Event::LeftButtonDown, true},
      {names::kButton1, WM_LBUTTONUP, Event::LeftButtonUp, false},
      {names::kDirectoryTree1, WM_LBUTTONDBLCLK, Event::DoubleClicked, false},
      {names::kFileList1, WM_RBUTTONDOWN, Event::RightButtonDown, false},
      {names::kFileList1, WM_RBUTTONUP, Event::RightButtonUp, false},
  };
  FixtureFolder folder;
  BuiltWindow window(folder, kMouseBindings);
  for (const Case& c : cases) {
    HWND target = c.target == names::kMainWindow ? window->hwnd() : Window(window.window(), c.target);
    g_raised.reset();
    HeldModifiers shift({VK_SHIFT});
    // x = -5 (a point left of the window while the mouse is captured), y = 7
    const MSG message = Queued(target, c.message, MK_SHIFT, MAKELPARAM(-5, 7));
    EXPECT_EQ(window->PreTranslate(message), c.stopped) << c.target;
    ASSERT_TRUE(g_raised) << c.target;
    EXPECT_EQ(g_raised->source, c.target);
    EXPECT_EQ(g_raised->event, c.event) << c.target;
    EXPECT_EQ(g_raised->args.x, -5);
    EXPECT_EQ(g_raised->args.y, 7);
    EXPECT_EQ(g_raised->args.keys, kKeyShift) << c.target;
  }
  g_raised.reset();
  EXPECT_FALSE(window->PreTranslate(Queued(Window(window.window(), names::kButton2), WM_LBUTTONDOWN, 0)))
      << "an unbound event lets its message go on";
  EXPECT_FALSE(g_raised);
}

// Another top-level window of this thread takes the activation and the
// focus, `whileAway` runs, then the main window is activated again.
void AwayAndBack(MainWindow& window, const std::function<void()>& whileAway = {}) {
  UniqueWindow other(CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 100,
                                     50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
  ASSERT_TRUE(other);
  SetActiveWindow(other.get());
  SetFocus(other.get());
  ASSERT_EQ(GetFocus(), other.get());
  if (whileAway) whileAway();
  SetActiveWindow(window.hwnd());
  PumpMessages();
}

TEST(KeyboardFocus, ActivationGivesTheFocusBackToTheControlThatHadIt) {
  struct Case {
    std::string_view focused;  // empty: the main window itself
    bool disabledWhileAway;
    std::string_view expected;
  };
  const Case cases[] = {
      {names::kButton2, false, names::kButton2},
      {names::kFileList1, false, names::kFileList1},
      {names::kDirectoryTree1, false, names::kDirectoryTree1},  // outside the cycle
      {names::kButton1, true, names::kFileList1},  // it can no longer take the focus
      {"", false, names::kFileList1},
  };
  for (const Case& c : cases) {
    FixtureFolder folder;
    BuiltWindow window(folder);
    HWND focused = c.focused.empty() ? window->hwnd() : Window(window.window(), c.focused);
    SetFocus(focused);
    AwayAndBack(window.window(), [&] {
      if (c.disabledWhileAway) EnableWindow(focused, FALSE);
    });
    EXPECT_EQ(GetFocus(), Window(window.window(), c.expected)) << "focus on " << c.focused;
  }
}

// 文件框1, replaced by a new window while the main window was inactive,
// gets the focus back in its new window.
TEST(KeyboardFocus, ActivationFindsTheRememberedControlInItsNewWindow) {
  FixtureFolder folder;
  BuiltWindow window(folder);
  auto& fileList = window->Get<FileList>(names::kFileList1);
  SetFocus(fileList.hwnd());
  const HWND before = fileList.hwnd();
  AwayAndBack(window.window(), [&] { fileList.SetMultipleSelection(!fileList.MultipleSelection()); });
  ASSERT_NE(fileList.hwnd(), before) << "the window was not replaced";
  EXPECT_EQ(GetFocus(), fileList.hwnd());
}

}  // namespace
}  // namespace tarnvel::test
