// The link menu of 标签1 and the maker's web pages: the menu pop-up
// operation, the handlers of the five menu items and the open-web-page
// operation.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "shell/handles.h"
#include "shell/window_template.h"

namespace tarnvel {

class MainWindow;

// A new pop-up menu of the entries under table[entry]: those that follow it
// with a greater level. Hidden entries (and everything under them) are left
// out but keep their command numbers; disabled ones are grayed, ticked ones
// checked, a "-" caption is a separator, and an entry followed by deeper
// entries opens a sub-menu built the same way. Empty when nothing is under
// the entry or the menu cannot be made.
UniqueMenu BuildPopUpMenu(std::span<const MenuEntry> table, std::size_t entry);

// The menu bar of the whole table: its top-level entries that are not
// hidden, built like a pop-up. Empty when no entry is left, so that the
// window shows no menu bar at all.
UniqueMenu BuildMenuBar(std::span<const MenuEntry> table);

// Shows the entries under the menu entry named `entry` as a pop-up menu
// owned by `window`, 3 pixels right of and below the pointer unless x or y
// is given, and returns when the menu has closed. A chosen item reaches the
// window later as a posted WM_COMMAND.
void PopUpMenu(MainWindow& window, std::string_view entry, std::optional<int> x = std::nullopt,
               std::optional<int> y = std::nullopt);

// The mouse-moved handler of 标签1: pops up the entries under 菜单.
void PopUpLinkMenu(MainWindow& window);
// 退出: destroys the main window through the close-down message.
void ExitProgram(MainWindow& window);
// The maker's site followed by `path`.
std::string PageAddress(std::string_view path);
// Hands `address` to the shell, which opens it in the user's browser.
void OpenWebPage(const std::string& address);

}  // namespace tarnvel
