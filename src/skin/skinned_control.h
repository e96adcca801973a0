// What the skin keeps about each window it has taken over.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "skin/caption_layout.h"

namespace tarnvel::skin {

enum class SkinKind {
  PushButton = 0,
  CheckBox = 1,
  RadioButton = 2,
  EditBox = 3,
  ComboBox = 4,
  UpDown = 5,
  GroupBox = 11,
  DropDownList = 12,
};

// State flags of a skinned control.
enum StateFlag : std::uint32_t {
  kDisabled = 1u << 0,
  kPressed = 1u << 1,
  kHot = 1u << 2,
  kFocused = 1u << 4,
  kDefault = 1u << 16,
  kTicked = 1u << 17,
  kIndeterminate = 1u << 18,
  kReadOnly = 1u << 28,
};

struct SkinnedControl {
  HWND window = nullptr;
  SkinKind kind = SkinKind::PushButton;
  std::uint32_t state = 0;
  // What the parent answered to WM_CTLCOLORBTN at the last WM_ERASEBKGND;
  // null until then.
  HBRUSH backgroundBrush = nullptr;
  COLORREF textColour = RGB(0, 0, 0);
  WNDPROC previousProcedure = nullptr;

  bool has(std::uint32_t flags) const { return (state & flags) != 0; }
  void set(std::uint32_t flags, bool on) { state = on ? state | flags : state & ~flags; }
};

// The kind of skinning a window of this class and style gets, if any.
// `hasText`: the window has a non-empty text; `parentClass`: its parent's class.
std::optional<SkinKind> KindOf(std::string_view className, DWORD style, bool hasText,
                               std::string_view parentClass);

// A window's class name; class names are at most 256 characters.
std::string ClassName(HWND window);

// The same, read from a live window.
std::optional<SkinKind> KindOfWindow(HWND window);

// The state flags read from a window at the moment it is taken over.
std::uint32_t InitialState(HWND window, SkinKind kind);

// A push button's caption alignment, from its BS_ alignment bits.
CaptionAlign CaptionAlignOf(DWORD style);

}  // namespace tarnvel::skin
