// The link menu of 标签1 and the maker's web pages.
#pragma once

#include <string>
#include <string_view>

namespace tarnvel {

class MainWindow;

// Pops up the entries under 菜单 next to the pointer; returns when it closes.
void PopUpLinkMenu(MainWindow& window);
// 退出: destroys the main window through the close-down message.
void ExitProgram(MainWindow& window);
// The maker's site followed by `path`.
std::string PageAddress(std::string_view path);
// Hands `address` to the shell.
void OpenWebPage(const std::string& address);

}  // namespace tarnvel
