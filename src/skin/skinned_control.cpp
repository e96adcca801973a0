#include "skin/skinned_control.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace tarnvel::skin {
namespace {

bool SameClass(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

std::optional<SkinKind> ButtonKind(DWORD style, bool hasText) {
  if (style & BS_BITMAP) return std::nullopt;
  const bool pushLike = (style & BS_PUSHLIKE) != 0;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      // A bare, textless tab-stop button is a helper window of another control.
      if (!hasText && style == (WS_CHILD | WS_TABSTOP)) return std::nullopt;
      return SkinKind::PushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return pushLike ? SkinKind::PushButton : SkinKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return pushLike ? SkinKind::PushButton : SkinKind::RadioButton;
    case BS_GROUPBOX:
      return SkinKind::GroupBox;
    default:
      return std::nullopt;
  }
}

}  // namespace

// A window's class name; class names are at most 256 characters.
std::string ClassName(HWND window) {
  std::string name(257, '\0');
  name.resize(static_cast<std::size_t>(std::max(0, GetClassNameA(window, name.data(), 257))));
  return name;
}

std::optional<SkinKind> KindOf(std::string_view className, DWORD style, bool hasText,
                               std::string_view parentClass) {
  if (SameClass(className, "ComboLBox")) return SkinKind::DropDownList;
  if (SameClass(className, "Button")) return ButtonKind(style, hasText);
  if (SameClass(className, "Edit")) {
    if (SameClass(parentClass, "SysIPAddress32")) return std::nullopt;
    return SkinKind::EditBox;
  }
  if (SameClass(className, "ComboBox")) {
    if ((style & 3) == CBS_SIMPLE) return std::nullopt;
    return SkinKind::ComboBox;
  }
  if (SameClass(className, "msctls_updown32")) return SkinKind::UpDown;
  return std::nullopt;
}

std::optional<SkinKind> KindOfWindow(HWND window) {
  const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const HWND parent = GetParent(window);
  return KindOf(ClassName(window), style, GetWindowTextLengthA(window) > 0,
                parent ? ClassName(parent) : std::string());
}

std::uint32_t InitialState(HWND window, SkinKind kind) {
  const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  std::uint32_t state = 0;
  if (style & WS_DISABLED) state |= kDisabled;
  if (GetFocus() == window) state |= kFocused;
  switch (kind) {
    case SkinKind::PushButton:
    case SkinKind::CheckBox:
    case SkinKind::RadioButton: {
      if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) state |= kDefault;
      const LRESULT check = SendMessageA(window, BM_GETCHECK, 0, 0);
      if (check == BST_CHECKED) state |= kTicked;
      if (check == BST_INDETERMINATE) state |= kIndeterminate;
      break;
    }
    case SkinKind::EditBox:
      if (style & ES_READONLY) state |= kReadOnly;
      break;
    default:
      break;
  }
  return state;
}

CaptionAlign CaptionAlignOf(DWORD style) {
  using H = HorizontalAlign;
  using V = VerticalAlign;
  const DWORD horizontal = style & BS_CENTER;
  const DWORD vertical = style & BS_VCENTER;
  struct Pair {
    DWORD horizontal, vertical;
    CaptionAlign align;
  };
  static constexpr Pair kPairs[] = {
      {BS_LEFT, BS_TOP, {H::Left, V::Top}},         {BS_CENTER, BS_TOP, {H::Centre, V::Top}},
      {BS_RIGHT, BS_TOP, {H::Right, V::Top}},       {BS_LEFT, BS_VCENTER, {H::Left, V::Middle}},
      {BS_RIGHT, BS_VCENTER, {H::Right, V::Middle}}, {BS_LEFT, BS_BOTTOM, {H::Left, V::Bottom}},
      {BS_CENTER, BS_BOTTOM, {H::Centre, V::Bottom}}, {BS_RIGHT, BS_BOTTOM, {H::Right, V::Bottom}},
  };
  for (const Pair& pair : kPairs) {
    if (pair.horizontal == horizontal && pair.vertical == vertical) return pair.align;
  }
  return {};
}

}  // namespace tarnvel::skin
