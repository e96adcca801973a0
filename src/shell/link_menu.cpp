#include "shell/link_menu.h"

#include "shell/main_window.h"

namespace tarnvel {

void PopUpLinkMenu(MainWindow& /*window*/) {}
void ExitProgram(MainWindow& window) { window.Destroy(); }
std::string PageAddress(std::string_view path) { return std::string(path); }
void OpenWebPage(const std::string& /*address*/) {}

}  // namespace tarnvel
