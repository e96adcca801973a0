#include "support/app_fixture.h"

#include "shell/runtime.h"

namespace tarnvel::test {

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

BuiltWindow::BuiltWindow(const FixtureFolder& folder, std::span<const Binding> bindings) {
  SetCurrentDirectoryA(folder.path().c_str());
  window_ = std::make_unique<MainWindow>(*Runtime::Current(), bindings);
  built_ = window_->Build();
  PumpMessages();
}

BuiltWindow::~BuiltWindow() {
  window_.reset();
  PumpMessages();
  // The fixture folder is removed next; it must not stay the current directory.
  SetCurrentDirectoryA(Runtime::Current()->programFolder().c_str());
}

}  // namespace tarnvel::test
