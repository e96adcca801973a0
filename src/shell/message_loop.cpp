#include "shell/message_loop.h"

#include <windows.h>

#include "shell/main_window.h"

namespace tarnvel {
namespace {

bool IsForMainWindow(const MainWindow& window, HWND target) {
  return window.hwnd() && target && (target == window.hwnd() || IsChild(window.hwnd(), target));
}

}  // namespace

int RunMessageLoop(MainWindow& window) {
  // The program has no idle work, so GetMessageA may simply wait.
  MSG message{};
  BOOL got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0 && got != -1) {
    if (IsForMainWindow(window, message.hwnd) && window.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return got == -1 ? 0 : static_cast<int>(message.wParam);
}

}  // namespace tarnvel
