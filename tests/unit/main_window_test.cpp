// The built main window against its template, and the routing of the
// messages that reach it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "shell/fatal_error_text.h"
#include "shell/program_folder.h"
#include "shell/runtime.h"
#include "shell/window_template.h"
#include "support/app_fixture.h"

namespace tarnvel {
namespace {

using test::BuiltWindow;
using test::FixtureFolder;

std::string ClassOf(HWND window) {
  std::string name(256, '\0');
  name.resize(static_cast<std::size_t>(GetClassNameA(window, name.data(), static_cast<int>(name.size()))));
  return name;
}

std::string TextOf(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT RectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST(MainWindow, MatchesItsTemplate) {
  FixtureFolder folder;
  BuiltWindow built(folder);
  ASSERT_TRUE(built.built());
  HWND window = built->hwnd();

  EXPECT_EQ(TextOf(window), "Tarnvel\xCC\xE1\xC8\xA1\xCE\xC4\xBC\xFE\xC3\xFBV2.3");  // GBK bytes
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 533);
  EXPECT_EQ(outer.bottom - outer.top, 333);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 533) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 333) / 2);
  // A caption but no system menu (so no close box), no sizing frame, no
  // min/max box. The system adds WS_CLIPSIBLINGS to every top-level window.
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
            static_cast<DWORD>(WS_CAPTION | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE));
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_EQ(GetWindow(window, GW_OWNER), Runtime::Current()->ownerWindow());
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)),
            Runtime::Current()->icon());
}

struct ExpectedControl {
  std::string_view name;
  const char* className;
  DWORD style;  // besides WS_CHILD | WS_CLIPSIBLINGS
  DWORD exStyle;
  bool visible;
  DWORD changingStyle;  // bits the control itself sets and clears as it runs
};

constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
// List boxes show and hide their scroll bar, and with it WS_VSCROLL; the
// file list's window is replaced when the start-up export switches its
// multiple selection on (tested with the file list).
constexpr DWORD kListChanging = WS_VSCROLL;
constexpr DWORD kFileListChanging = WS_VSCROLL | WS_TABSTOP | LBS_EXTENDEDSEL;

const ExpectedControl kExpected[] = {
    {names::kLabel1, "TarnvelLabel", 0, 0, true, 0},
    {names::kEditBox1, "Edit", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, false, 0},
    {names::kButton2, "Button", kButtonStyle, 0, true, 0},
    {names::kDriveList1, "ComboBox", CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0, true, kListChanging},
    {names::kDirectoryTree1, "SysTreeView32", TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE, true, 0},
    {names::kButton1, "Button", kButtonStyle, 0, true, 0},
    {names::kFileList1, "ListBox", LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, true, kFileListChanging},
};

TEST(MainWindow, ControlsMatchTheTemplateInLayoutAndStackingOrder) {
  FixtureFolder folder;
  BuiltWindow built(folder);
  ASSERT_TRUE(built.built());

  HWND child = GetWindow(built->hwnd(), GW_CHILD);
  for (std::size_t position = 0; position < kControlTable.size(); ++position) {
    const ControlRecord& record = kControlTable[position];
    const ExpectedControl& expected = kExpected[position];
    SCOPED_TRACE(position);
    ASSERT_EQ(record.name, expected.name);
    HWND control = built->Find(record.name).hwnd();
    // The stacking order runs from the top in layout order.
    EXPECT_EQ(child, control);
    child = GetWindow(child, GW_HWNDNEXT);

    EXPECT_STRCASEEQ(ClassOf(control).c_str(), expected.className);
    EXPECT_EQ(GetDlgCtrlID(control), ControlIdAt(position));
    EXPECT_EQ(IsWindowVisible(control) != FALSE, expected.visible);
    const DWORD visibleBit = expected.visible ? WS_VISIBLE : 0;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & ~expected.changingStyle,
              WS_CHILD | WS_CLIPSIBLINGS | visibleBit | expected.style);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)), expected.exStyle);

    const RECT rect = RectInParent(control);
    EXPECT_EQ(rect.left, record.x);
    EXPECT_EQ(rect.top, record.y);
    EXPECT_EQ(rect.right - rect.left, record.width);
    // A drop-down list's window is as high as its selection field.
    if (record.kind != ControlKind::DriveList) {
      EXPECT_EQ(rect.bottom - rect.top, record.height);
    }
  }
  EXPECT_EQ(child, nullptr);
}

// Bindings that count what reached them.
struct Counts {
  int created = 0;
  int clicked1 = 0;
  int menu = 0;
  int exit = 0;
  int contact = 0;
  bool visibleAtCreated = true;
  bool controlsAtCreated = false;
};
Counts g_counts;

const Binding kCountingBindings[] = {
    {names::kMainWindow, Event::Created,
     [](MainWindow& w, EventArgs&) {
       ++g_counts.created;
       g_counts.visibleAtCreated = IsWindowVisible(w.hwnd()) != FALSE;
       g_counts.controlsAtCreated = true;
       for (const auto& control : w.controls()) {
         g_counts.controlsAtCreated = g_counts.controlsAtCreated && IsWindow(control->hwnd());
       }
     }},
    {names::kButton1, Event::Clicked, [](MainWindow&, EventArgs&) { ++g_counts.clicked1; }},
    {names::kMenu, Event::Selected, [](MainWindow&, EventArgs&) { ++g_counts.menu; }},
    {"退出", Event::Selected, [](MainWindow&, EventArgs&) { ++g_counts.exit; }},
    {"Tarnvel联系方式", Event::Selected, [](MainWindow&, EventArgs&) { ++g_counts.contact; }},
};

// While the build runs, 按钮1 "is clicked" as soon as the next control is created.
HHOOK g_hook = nullptr;
LRESULT CALLBACK ClickDuringBuild(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code >= 0 && call->message == WM_CREATE && ClassOf(call->hwnd) == WC_TREEVIEWA) {
    HWND mainWindow = GetParent(call->hwnd);
    HWND button = GetDlgItem(mainWindow, ControlIdAt(5));
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ControlIdAt(5), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST(MainWindow, EventsDuringTheBuildRunNoHandler) {
  g_counts = {};
  FixtureFolder folder;
  g_hook = SetWindowsHookExA(WH_CALLWNDPROC, ClickDuringBuild, nullptr, GetCurrentThreadId());
  BuiltWindow built(folder, kCountingBindings);
  UnhookWindowsHookEx(g_hook);
  ASSERT_TRUE(built.built());

  EXPECT_EQ(g_counts.clicked1, 0);
  EXPECT_EQ(g_counts.created, 1);
  EXPECT_FALSE(g_counts.visibleAtCreated);
  EXPECT_TRUE(g_counts.controlsAtCreated);
  EXPECT_TRUE(IsWindowVisible(built->hwnd()));
}

TEST(MainWindow, RoutesCommandsByWindowHandleAndCommandNumber) {
  FixtureFolder folder;
  BuiltWindow built(folder, kCountingBindings);
  ASSERT_TRUE(built.built());
  const auto button1 = reinterpret_cast<LPARAM>(built->Find(names::kButton1).hwnd());

  struct Case {
    const char* what;
    WPARAM wParam;
    LPARAM lParam;
    Counts expected;
  };
  const Case cases[] = {
      {"notification with the right identifier", MAKEWPARAM(ControlIdAt(5), BN_CLICKED), button1, {.clicked1 = 1}},
      {"notification with a wrong identifier", MAKEWPARAM(4711, BN_CLICKED), button1, {.clicked1 = 1}},
      {"identifier without a control handle", MAKEWPARAM(ControlIdAt(5), BN_CLICKED), 0, {}},
      {"0xE100 is dropped", MAKEWPARAM(0xE100, BN_CLICKED), button1, {}},
      {"0xFFFF is dropped", MAKEWPARAM(0xFFFF, BN_CLICKED), button1, {}},
      {"20000 selects 菜单", 20000, 0, {.menu = 1}},
      {"20001 selects 退出", 20001, 0, {.exit = 1}},
      {"20005 selects the last entry", 20005, 0, {.contact = 1}},
      {"20006 is past the menu table", 20006, 0, {}},
      {"30000 is past the menu table", 30000, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g_counts = {};
    SendMessageA(built->hwnd(), WM_COMMAND, c.wParam, c.lParam);
    EXPECT_EQ(g_counts.clicked1, c.expected.clicked1);
    EXPECT_EQ(g_counts.menu, c.expected.menu);
    EXPECT_EQ(g_counts.exit, c.expected.exit);
    EXPECT_EQ(g_counts.contact, c.expected.contact);
  }
}

TEST(MainWindow, CloseDownMessageDestroysOnlyAWindowMarkedAsClosing) {
  FixtureFolder folder;
  BuiltWindow built(folder, kCountingBindings);
  ASSERT_TRUE(built.built());

  SendMessageA(built->hwnd(), kCloseDownMessage, 0, 0);
  EXPECT_TRUE(built->exists());

  built->Destroy();
  EXPECT_TRUE(built->exists());  // destroyed from the message loop, not at once
  test::PumpMessages();
  EXPECT_FALSE(built->exists());
}

TEST(FatalErrorText, ShowsTheCodeAndTheMessageWhenGiven) {
  struct Case {
    std::string message;
    unsigned code;
    std::string expected;
  };
  const std::string head = "运行时出错!\r\n\r\n";
  const Case cases[] = {
      {std::string(kTemplateNotReady), 0, head + "错误信息：载入窗口模板数据段出错!\r\n"},
      {std::string(kMainWindowNotBuilt), 0, head + "错误信息：载入启动窗口失败\r\n"},
      {OutOfMemoryMessage(123456), 0, head + "错误信息：分配 123456 字节内存失败!\r\n"},
      {std::string(kMainWindowNotBuilt), 42, head + "错误代码：42\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {"", 7, head + "错误代码：7\r\n\r\n"},
      {"", 0, head},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FatalErrorText(c.message, c.code), c.expected);
  }
}

TEST(ProgramFolder, IsThePathUpToTheLastRealBackslash) {
  const auto gbkLead = [](unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; };
  struct Case {
    std::string path;
    std::string folder;
  };
  const Case cases[] = {
      {"C:\\Tools\\Tarnvel.exe", "C:\\Tools"},
      {"C:\\Tarnvel.exe", "C:"},  // the drive root gives the drive letter and colon alone
      {"\\\\server\\share\\Tarnvel.exe", "\\\\server\\share"},
      // 0x5C as the second byte of a double-byte character is no separator.
      {"C:\\a\x81\x5C.exe", "C:"},
      {"C:\\dir\x81\x5C\\Tarnvel.exe", "C:\\dir\x81\x5C"},
      {"C:\\" + std::string(400, 'x') + "\\Tarnvel.exe", "C:\\" + std::string(400, 'x')},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderOfPath(c.path, gbkLead), c.folder);
  }
}

}  // namespace
}  // namespace tarnvel
