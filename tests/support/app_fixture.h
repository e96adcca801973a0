// The real main window, built in a fixture folder as the program builds it
// at start-up, for tests that drive it with messages.
#pragma once

#include <windows.h>

#include <memory>
#include <span>

#include "shell/bindings.h"
#include "shell/main_window.h"
#include "support/fixture_folder.h"

namespace tarnvel::test {

// Runs every message waiting in the thread's queue (WM_QUIT included, so a
// destroyed window leaves nothing behind for the next test).
void PumpMessages();

class BuiltWindow {
 public:
  // Makes `folder` the current directory (the program folder) and builds the
  // main window there with the given bindings.
  explicit BuiltWindow(const FixtureFolder& folder,
                       std::span<const Binding> bindings = ProgramBindings());
  ~BuiltWindow();
  BuiltWindow(const BuiltWindow&) = delete;
  BuiltWindow& operator=(const BuiltWindow&) = delete;

  MainWindow& window() { return *window_; }
  MainWindow* operator->() { return window_.get(); }
  bool built() const { return built_; }

 private:
  std::unique_ptr<MainWindow> window_;
  bool built_ = false;
};

}  // namespace tarnvel::test
