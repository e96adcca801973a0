#include "shell/keyboard_rules.h"

#include <windows.h>

#include <algorithm>

#include "shell/bindings.h"

namespace tarnvel {

unsigned ReadVirtualKey(unsigned virtualKey) {
  if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9) return '0' + (virtualKey - VK_NUMPAD0);
  return virtualKey;
}

KeyAction WindowKeyAction(unsigned virtualKey, unsigned keyFlags, const MainWindowRecord& window) {
  switch (ReadVirtualKey(virtualKey)) {
    case VK_TAB:
      if (keyFlags == 0) return KeyAction::FocusForward;
      if (keyFlags == kKeyShift) return KeyAction::FocusBackward;
      return KeyAction::None;
    case VK_ESCAPE:
      return keyFlags == 0 && window.escClosesWindow ? KeyAction::CloseWindow : KeyAction::None;
    default:
      return KeyAction::None;
  }
}

std::vector<std::size_t> TabCycle(std::span<const ControlRecord> controls) {
  std::vector<std::size_t> cycle;
  for (std::size_t position = controls.size(); position-- > 0;) {
    const ControlRecord& record = controls[position];
    if (record.visible && !record.disabled && record.tabStop) cycle.push_back(position);
  }
  std::stable_sort(cycle.begin(), cycle.end(), [&](std::size_t a, std::size_t b) {
    return controls[a].tabOrder < controls[b].tabOrder;
  });
  return cycle;
}

std::optional<std::size_t> NextTabStop(std::span<const ControlRecord> controls,
                                       std::optional<std::size_t> focused, TabDirection direction) {
  const std::vector<std::size_t> cycle = TabCycle(controls);
  if (cycle.empty()) return std::nullopt;
  const std::size_t n = cycle.size();
  const auto before = [&](std::size_t i) { return cycle[(i + n - 1) % n]; };

  const auto member = focused ? std::find(cycle.begin(), cycle.end(), *focused) : cycle.end();
  if (member != cycle.end()) {
    const std::size_t i = static_cast<std::size_t>(member - cycle.begin());
    return direction == TabDirection::Forward ? cycle[(i + 1) % n] : before(i);
  }
  // Outside the cycle: the first member not later in layout order, or the
  // first member at all when every one comes later (or nothing has the focus).
  std::size_t i = 0;
  if (focused) {
    const auto next = std::find_if(cycle.begin(), cycle.end(),
                                   [&](std::size_t position) { return position <= *focused; });
    if (next != cycle.end()) i = static_cast<std::size_t>(next - cycle.begin());
  }
  return direction == TabDirection::Forward ? cycle[i] : before(i);
}

std::optional<std::size_t> HandOverTarget(std::span<const ControlRecord> controls,
                                          std::optional<std::size_t> remembered) {
  if (remembered) return remembered;
  const std::vector<std::size_t> cycle = TabCycle(controls);
  if (cycle.empty()) return std::nullopt;
  return cycle.front();
}

}  // namespace tarnvel
