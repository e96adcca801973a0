// The main window's handling of queued keyboard and mouse messages, and the
// hand-over of the keyboard focus to a control on every activation.
#include <windowsx.h>

#include "shell/main_window.h"
#include "shell/window_template.h"

namespace tarnvel {
namespace {

unsigned HeldKeys() {
  unsigned keys = 0;
  if (GetKeyState(VK_CONTROL) < 0) keys |= kKeyCtrl;
  if (GetKeyState(VK_SHIFT) < 0) keys |= kKeyShift;
  if (GetKeyState(VK_MENU) < 0) keys |= kKeyAlt;
  return keys;
}

}  // namespace

bool MainWindow::PreTranslate(const MSG& message) {
  if (message.message == WM_MOUSEMOVE) {
    std::string_view source = names::kMainWindow;
    if (message.hwnd != hwnd_) {
      const Control* control = FindByWindow(message.hwnd);
      if (!control) return false;
      source = control->name();
    }
    EventArgs args;
    args.x = GET_X_LPARAM(message.lParam);
    args.y = GET_Y_LPARAM(message.lParam);
    args.keys = HeldKeys();
    return !Raise(source, Event::MouseMoved, args);
  }
  return false;
}

void MainWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) focusMemory_ = GetFocus();
}

void MainWindow::OnSetFocus() {
  if (focusMemory_ && IsWindow(focusMemory_) && IsChild(hwnd_, focusMemory_)) {
    SetFocus(focusMemory_);
    return;
  }
  SetFocus(Find(names::kFileList1).hwnd());
}

}  // namespace tarnvel
