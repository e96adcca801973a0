// The GUI runtime: what the program needs around its one main window:
// OLE, the program folder as current directory, the hidden owner window,
// the hold-back of events and the fatal error box.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "shell/handles.h"

namespace tarnvel {

// Fatal error messages.
inline constexpr std::string_view kTemplateNotReady = "载入窗口模板数据段出错!";
inline constexpr std::string_view kMainWindowNotBuilt = "载入启动窗口失败";

class Runtime {
 public:
  Runtime();
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // The runtime of this process; null before construction and after destruction.
  static Runtime* Current();

  // OleInitialize, the program folder as current directory, the hidden
  // owner window and the window template. Fatal when the template cannot
  // be made ready.
  void Start();
  // Holds back events, destroys the windows left and calls OleUninitialize.
  void Shutdown();

  HINSTANCE instance() const { return instance_; }
  HWND ownerWindow() const { return owner_.get(); }
  HICON icon() const { return icon_.get(); }
  const std::string& programFolder() const { return programFolder_; }

  bool eventsHeldBack() const { return holdBack_ > 0; }
  void HoldBackEvents() { ++holdBack_; }
  void LetEventsThrough() {
    if (holdBack_ > 0) --holdBack_;
  }

  // Shows the fatal error box and ends the process with exit code -1.
  [[noreturn]] void Fatal(std::string_view message, unsigned errorCode = 0);

 private:
  HINSTANCE instance_;
  bool oleStarted_ = false;
  bool shutDown_ = false;
  int holdBack_ = 0;
  std::string programFolder_;
  UniqueWindow owner_;
  UniqueIcon icon_;
};

// Holds events back from construction until Release() or destruction.
class EventHoldBack {
 public:
  explicit EventHoldBack(Runtime& runtime) : runtime_(&runtime) { runtime.HoldBackEvents(); }
  ~EventHoldBack() { Release(); }
  EventHoldBack(const EventHoldBack&) = delete;
  EventHoldBack& operator=(const EventHoldBack&) = delete;
  void Release() {
    if (runtime_) runtime_->LetEventsThrough();
    runtime_ = nullptr;
  }

 private:
  Runtime* runtime_;
};

// Registers a window class of the runtime's own: CS_HREDRAW, CS_VREDRAW and
// CS_DBLCLKS, the arrow cursor, no background brush and no icon. True when
// the class is there afterwards.
bool RegisterRuntimeClass(HINSTANCE instance, const char* name, WNDPROC procedure);

// The full path of this process's program file, of any length.
std::string ModulePath();

}  // namespace tarnvel
