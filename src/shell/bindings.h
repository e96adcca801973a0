// Events of the main window, its controls and its menu entries, and the
// table that binds them to the program's handlers.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tarnvel {

class MainWindow;

enum class Event {
  Created,          // main window, once, while it is still invisible
  Clicked,          // push buttons, on BN_CLICKED
  DriveChosen,      // drive list, on CBN_SELENDOK
  FolderChosen,     // directory tree, on a double-click or Enter
  MouseMoved,       // any window, for each queued WM_MOUSEMOVE
  LeftButtonDown,   //   ... WM_LBUTTONDOWN
  LeftButtonUp,     //   ... WM_LBUTTONUP
  DoubleClicked,    //   ... WM_LBUTTONDBLCLK
  RightButtonDown,  //   ... WM_RBUTTONDOWN
  RightButtonUp,    //   ... WM_RBUTTONUP
  Selected,         // menu entries, on their command number
};

// Key flags of mouse events.
inline constexpr unsigned kKeyCtrl = 1u << 0;
inline constexpr unsigned kKeyShift = 1u << 1;
inline constexpr unsigned kKeyAlt = 1u << 2;

struct EventArgs {
  int x = 0;  // mouse events: client coordinates of the window the message is for
  int y = 0;
  unsigned keys = 0;
  // A mouse or key handler that sets this to false stops the message that
  // raised the event. The program's own handlers leave it unset.
  std::optional<bool> result;
};

using Handler = void (*)(MainWindow&, EventArgs&);

struct Binding {
  std::string_view source;  // a control's name, names::kMainWindow, or a menu entry's caption
  Event event;
  Handler handler;
};

// The program's complete binding table.
std::span<const Binding> ProgramBindings();

}  // namespace tarnvel
