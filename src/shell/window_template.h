// The window template: the main window, its menu entries and its seven
// controls, fixed when the program is made. Pure data, no Win32 types, so
// the tables read like a description of the window and test on their own.
#pragma once

#include <array>
#include <string_view>

namespace tarnvel {

// Names by which handlers address the window, the controls and the menu.
namespace names {
inline constexpr std::string_view kMainWindow = "启动窗口";
inline constexpr std::string_view kLabel1 = "标签1";
inline constexpr std::string_view kEditBox1 = "编辑框1";
inline constexpr std::string_view kButton2 = "按钮2";
inline constexpr std::string_view kDriveList1 = "驱动器框1";
inline constexpr std::string_view kDirectoryTree1 = "目录框1";
inline constexpr std::string_view kButton1 = "按钮1";
inline constexpr std::string_view kFileList1 = "文件框1";
inline constexpr std::string_view kMenu = "菜单";
}  // namespace names

struct MainWindowRecord {
  std::string_view title;
  int width;   // outer size, frame and caption included
  int height;
  int storedX;  // kept in the template but not used: the window is centred
  int storedY;
  bool escClosesWindow;
  bool enterMovesFocus;
};

inline constexpr MainWindowRecord kMainWindowRecord = {
    "Tarnvel提取文件名V2.3", 533, 333, 50, 50, true, false};

// Menu entry flags.
inline constexpr unsigned kMenuHidden = 1u << 0;
inline constexpr unsigned kMenuDisabled = 1u << 1;
inline constexpr unsigned kMenuTicked = 1u << 2;

struct MenuEntry {
  std::string_view caption;
  int level;  // an entry belongs under the nearest preceding entry of a smaller level
  unsigned flags;
  unsigned shortcutKey;  // 0: none
};

// A menu entry's command number is kFirstCommand plus its position here.
inline constexpr int kFirstCommand = 20000;

inline constexpr std::array<MenuEntry, 6> kMenuTable = {{
    // caption            level  flags        shortcut
    {names::kMenu,          0,   kMenuHidden, 0},
    {"退出",                1,   0,           0},
    {"本软件更新",          1,   0,           0},
    {"免费赚钱项目",        1,   0,           0},
    {"关于Tarnvel",         1,   0,           0},
    {"Tarnvel联系方式",     1,   0,           0},
}};

enum class ControlKind { Label, EditBox, PushButton, DriveList, DirectoryTree, FileList };

struct ControlRecord {
  std::string_view name;
  ControlKind kind;
  int x, y, width, height;  // in the main window's client coordinates
  bool visible;
  bool disabled;
  bool tabStop;
  int tabOrder;
  std::string_view text;
};

// Layout order: position 0 is the top of the stacking order. Controls are
// created in the reverse order, so 文件框1 gets the first identifier.
inline constexpr std::array<ControlRecord, 7> kControlTable = {{
    // name                    kind                        x    y    w    h   visible disabled tab   order text
    {names::kLabel1,          ControlKind::Label,         473,  -3,  53,  23, true,   false,   false, 0, "V2.3"},
    {names::kEditBox1,        ControlKind::EditBox,       273,  -3,  53,  23, false,  false,   true,  0, ""},
    {names::kButton2,         ControlKind::PushButton,    398, 268,  83,  33, true,   false,   true,  0, "后复制文件名"},
    {names::kDriveList1,      ControlKind::DriveList,       9,  13, 213,  33, true,   false,   false, 0, ""},
    {names::kDirectoryTree1,  ControlKind::DirectoryTree,   9,  43, 213, 253, true,   false,   false, 0, ""},
    {names::kButton1,         ControlKind::PushButton,    268, 268,  83,  33, true,   false,   true,  0, "先导出文件名"},
    {names::kFileList1,       ControlKind::FileList,      233,  23, 283, 233, true,   false,   true,  0, ""},
}};

inline constexpr int kFirstControlId = 100;
inline constexpr int kControlIdStep = 10;

// Identifier of the control at a layout position (creation order is reversed).
constexpr int ControlIdAt(std::size_t layoutPosition) {
  return kFirstControlId +
         kControlIdStep * static_cast<int>(kControlTable.size() - 1 - layoutPosition);
}

}  // namespace tarnvel
