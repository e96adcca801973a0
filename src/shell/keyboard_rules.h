// The main window's keyboard rules, free of window handles: which key
// presses the window takes for itself, the tab cycle, and the control that
// gets the keyboard focus when the window is activated. Controls are named
// by their layout position in a control table.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "shell/window_template.h"

namespace tarnvel {

enum class KeyAction { None, FocusForward, FocusBackward, CloseWindow };

// The key of a key press as the window reads it: keypad digits count as
// the digit keys.
unsigned ReadVirtualKey(unsigned virtualKey);

// What the main window does itself with a key press, given its virtual key
// and the key flags held (kKeyCtrl, kKeyShift, kKeyAlt); None passes the
// key on to the focused control.
KeyAction WindowKeyAction(unsigned virtualKey, unsigned keyFlags, const MainWindowRecord& window);

// The tab cycle: the controls that are visible, enabled and tab stops by
// their records (not by their current window's style), ordered by tab-order
// value and, among equal values, from the last in layout order to the first.
std::vector<std::size_t> TabCycle(std::span<const ControlRecord> controls);

enum class TabDirection { Forward, Backward };

// Where Tab or Shift+Tab moves the focus from the control at `focused`
// (none: no control has it). From a control outside the cycle, Tab goes to
// the first member that does not come later in layout order, Shift+Tab to
// the member before that one. None when the cycle is empty.
std::optional<std::size_t> NextTabStop(std::span<const ControlRecord> controls,
                                       std::optional<std::size_t> focused, TabDirection direction);

// The control that gets the focus when the main window receives it: the
// remembered one (none when no control is remembered or it can no longer
// take the focus), otherwise the first in focus order.
std::optional<std::size_t> HandOverTarget(std::span<const ControlRecord> controls,
                                          std::optional<std::size_t> remembered);

}  // namespace tarnvel
