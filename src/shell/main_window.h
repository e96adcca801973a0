// The main window: built from the window template, it owns the seven
// controls, hands notifications back to them and raises the bound events.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "shell/bindings.h"
#include "shell/control.h"
#include "shell/handles.h"

namespace tarnvel {

class Runtime;

// Private message that destroys the main window once it is marked as closing.
inline constexpr UINT kCloseDownMessage = 0x8065;

class MainWindow {
 public:
  explicit MainWindow(Runtime& runtime, std::span<const Binding> bindings = ProgramBindings());
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Builds the window and its controls, raises the created event and shows
  // the window. False when the window or a control cannot be created.
  bool Build();

  HWND hwnd() const { return hwnd_; }
  bool exists() const { return hwnd_ != nullptr; }
  Runtime& runtime() const { return runtime_; }

  // Controls in layout order.
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  Control& Find(std::string_view name) const;
  template <class T>
  T& Get(std::string_view name) const {
    return static_cast<T&>(Find(name));
  }
  // The control whose current window is `window`, or null.
  Control* FindByWindow(HWND window) const;

  // Runs the handler bound to (source, event) unless events are held back.
  // False when a handler asked to stop the message that raised the event.
  bool Raise(std::string_view source, Event event, EventArgs& args);

  // Window destruction: marks the window as closing and posts the
  // close-down message, or destroys it at once.
  void Destroy(bool atOnce = false);

  // Offered every queued message for this window or one of its controls
  // before it is translated and dispatched; true when it was taken.
  bool PreTranslate(const MSG& message);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  bool CreateControls();
  void OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(const NMHDR& header);
  LRESULT OnCtlColor(UINT message, HDC dc, HWND child);
  void OnPaint();
  void OnActivate(WPARAM wParam);
  void OnSetFocus();
  bool PreTranslateKey(const MSG& message);
  bool RaiseMouseEvent(const MSG& message);
  // Layout position of the control that is or holds `window`.
  std::optional<std::size_t> ControlHolding(HWND window) const;
  void FocusControl(std::optional<std::size_t> position);
  void OnCloseDown();

  Runtime& runtime_;
  std::span<const Binding> bindings_;
  HWND hwnd_ = nullptr;
  bool closing_ = false;
  // Layout position of the control that had the focus at the last
  // deactivation: the control, not its window, which may be replaced.
  std::optional<std::size_t> focusMemory_;
  std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace tarnvel
