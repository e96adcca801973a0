#include "skin/skinned_control.h"

#include <gtest/gtest.h>

namespace tarnvel::skin {
namespace {

TEST(SkinnedControl, KindFollowsClassAndStyle) {
  struct Case {
    const char* className;
    DWORD style;
    bool hasText;
    const char* parentClass;
    std::optional<SkinKind> kind;
  };
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  const Case cases[] = {
      {"Button", kChild | BS_PUSHBUTTON, true, "", SkinKind::PushButton},
      {"BUTTON", kChild | BS_DEFPUSHBUTTON, true, "", SkinKind::PushButton},
      {"button", WS_CHILD | WS_TABSTOP, false, "", std::nullopt},
      {"button", WS_CHILD | WS_TABSTOP, true, "", SkinKind::PushButton},
      {"button", WS_CHILD | WS_TABSTOP | WS_VISIBLE, false, "", SkinKind::PushButton},
      {"Button", kChild | BS_PUSHBUTTON | BS_BITMAP, true, "", std::nullopt},
      {"Button", kChild | BS_AUTOCHECKBOX, true, "", SkinKind::CheckBox},
      {"Button", kChild | BS_3STATE, true, "", SkinKind::CheckBox},
      {"Button", kChild | BS_AUTOCHECKBOX | BS_PUSHLIKE, true, "", SkinKind::PushButton},
      {"Button", kChild | BS_AUTORADIOBUTTON, true, "", SkinKind::RadioButton},
      {"Button", kChild | BS_RADIOBUTTON | BS_PUSHLIKE, true, "", SkinKind::PushButton},
      {"Button", kChild | BS_GROUPBOX, true, "", SkinKind::GroupBox},
      {"Button", kChild | BS_OWNERDRAW, true, "", std::nullopt},
      {"Edit", kChild | WS_BORDER, false, "TarnvelWindow", SkinKind::EditBox},
      {"Edit", kChild, false, "SysIPAddress32", std::nullopt},
      {"ComboBox", kChild | CBS_DROPDOWNLIST, false, "", SkinKind::ComboBox},
      {"ComboBox", kChild | CBS_DROPDOWN, false, "", SkinKind::ComboBox},
      {"ComboBox", kChild | CBS_SIMPLE, false, "", std::nullopt},
      {"ComboLBox", WS_POPUP | WS_BORDER, false, "", SkinKind::DropDownList},
      {"msctls_updown32", kChild, false, "", SkinKind::UpDown},
      {"ListBox", kChild | WS_BORDER, false, "", std::nullopt},
      {"SysTreeView32", kChild, false, "", std::nullopt},
      {"ScrollBar", kChild, false, "", std::nullopt},
      {"TarnvelLabel", kChild, true, "", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KindOf(c.className, c.style, c.hasText, c.parentClass), c.kind)
        << c.className << " style " << std::hex << c.style;
  }
}

TEST(SkinnedControl, CaptionAlignmentNeedsBothBitsOfAPair) {
  using H = HorizontalAlign;
  using V = VerticalAlign;
  struct Case {
    DWORD style;
    H horizontal;
    V vertical;
  };
  const Case cases[] = {
      {BS_LEFT | BS_TOP, H::Left, V::Top},          {BS_CENTER | BS_TOP, H::Centre, V::Top},
      {BS_RIGHT | BS_TOP, H::Right, V::Top},        {BS_LEFT | BS_VCENTER, H::Left, V::Middle},
      {BS_RIGHT | BS_VCENTER, H::Right, V::Middle}, {BS_LEFT | BS_BOTTOM, H::Left, V::Bottom},
      {BS_CENTER | BS_BOTTOM, H::Centre, V::Bottom}, {BS_RIGHT | BS_BOTTOM, H::Right, V::Bottom},
      {BS_CENTER | BS_VCENTER, H::Centre, V::Middle}, {BS_LEFT, H::Centre, V::Middle},
      {BS_BOTTOM, H::Centre, V::Middle},            {0, H::Centre, V::Middle},
  };
  for (const Case& c : cases) {
    const CaptionAlign align = CaptionAlignOf(WS_CHILD | BS_PUSHBUTTON | BS_MULTILINE | c.style);
    EXPECT_EQ(align.horizontal, c.horizontal) << std::hex << c.style;
    EXPECT_EQ(align.vertical, c.vertical) << std::hex << c.style;
  }
}

}  // namespace
}  // namespace tarnvel::skin
