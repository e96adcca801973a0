// The main window's handling of queued keyboard and mouse messages, and the
// hand-over of the keyboard focus to a control on every activation. The
// rules themselves are in keyboard_rules.h.
#include <windowsx.h>

#include "shell/keyboard_rules.h"
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

std::optional<Event> MouseEventOf(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE: return Event::MouseMoved;
    case WM_LBUTTONDOWN: return Event::LeftButtonDown;
    case WM_LBUTTONUP: return Event::LeftButtonUp;
    case WM_LBUTTONDBLCLK: return Event::DoubleClicked;
    case WM_RBUTTONDOWN: return Event::RightButtonDown;
    case WM_RBUTTONUP: return Event::RightButtonUp;
    default: return std::nullopt;
  }
}

bool CanTakeFocus(HWND window) {
  return window && IsWindow(window) && IsWindowVisible(window) && IsWindowEnabled(window);
}

}  // namespace

bool MainWindow::PreTranslate(const MSG& message) {
  if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
    return PreTranslateKey(message);
  }
  if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
    return RaiseMouseEvent(message);
  }
  return false;
}

bool MainWindow::PreTranslateKey(const MSG& message) {
  if (!IsWindowEnabled(message.hwnd)) return false;
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  switch (WindowKeyAction(static_cast<unsigned>(message.wParam), HeldKeys(), kMainWindowRecord)) {
    case KeyAction::FocusForward:
      FocusControl(NextTabStop(kControlTable, ControlHolding(GetFocus()), TabDirection::Forward));
      return true;
    case KeyAction::FocusBackward:
      FocusControl(NextTabStop(kControlTable, ControlHolding(GetFocus()), TabDirection::Backward));
      return true;
    case KeyAction::CloseWindow:
      // The close-query event is unbound, so the window is destroyed.
      SendMessageA(hwnd_, WM_CLOSE, 0, 0);
      return true;
    case KeyAction::None:
      break;
  }
  return false;
}

bool MainWindow::RaiseMouseEvent(const MSG& message) {
  const std::optional<Event> event = MouseEventOf(message.message);
  if (!event) return false;
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
  return !Raise(source, *event, args);
}

std::optional<std::size_t> MainWindow::ControlHolding(HWND window) const {
  for (; window && window != hwnd_; window = GetParent(window)) {
    for (std::size_t position = 0; position < controls_.size(); ++position) {
      if (controls_[position]->hwnd() == window) return position;
    }
  }
  return std::nullopt;
}

void MainWindow::FocusControl(std::optional<std::size_t> position) {
  if (position) SetFocus(controls_[*position]->hwnd());
}

void MainWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) focusMemory_ = ControlHolding(GetFocus());
}

void MainWindow::OnSetFocus() {
  std::optional<std::size_t> remembered = focusMemory_;
  if (remembered && !CanTakeFocus(controls_[*remembered]->hwnd())) remembered.reset();
  FocusControl(HandOverTarget(kControlTable, remembered));
}

}  // namespace tarnvel
