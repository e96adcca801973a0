// The main window's handling of queued keyboard and mouse messages, and the
// hand-over of the keyboard focus to a control on every activation.
#include "shell/main_window.h"
#include "shell/window_template.h"

namespace tarnvel {

bool MainWindow::PreTranslate(const MSG& /*message*/) { return false; }

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
