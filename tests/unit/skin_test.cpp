// The skin on the real main window, judged by pixels: captures of what the
// screen shows (the window's own DC) and of what PrintWindow gives.
#include "skin/skin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/handles.h"
#include "shell/window_template.h"
#include "skin/skin_palette.h"
#include "support/app_fixture.h"

namespace tarnvel {
namespace {

using test::BuiltWindow;
using test::FixtureFolder;
using test::PumpMessages;

// The pixels of one window, top-down, as COLORREF values.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;

  COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  friend bool operator==(const Image&, const Image&) = default;
};

enum class Source { Screen, Print };

Image Capture(HWND window, Source source) {
  RECT outer;
  GetWindowRect(window, &outer);
  Image image{outer.right - outer.left, outer.bottom - outer.top, {}};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueGdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!bitmap || !dc) return image;
  SelectedObject selected(dc.get(), bitmap.get());
  if (source == Source::Screen) {
    const WindowDc screen = WindowDc::Whole(window);
    BitBlt(dc.get(), 0, 0, image.width, image.height, screen.get(), 0, 0, SRCCOPY);
  } else {
    PrintWindow(window, dc.get(), 0);
  }
  GdiFlush();
  const auto* raw = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < image.width * image.height; ++i) {
    const std::uint32_t v = raw[i];
    image.pixels.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
  }
  return image;
}

// The screen image after every pending paint.
Image Shown(HWND window) {
  PumpMessages();
  UpdateWindow(window);
  return Capture(window, Source::Screen);
}

COLORREF Ref(skin::Rgb c) { return RGB(c.r, c.g, c.b); }
COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }
COLORREF DarkenedFace(std::uint8_t amount) {
  const COLORREF f = Face();
  return Ref(skin::Darkened({GetRValue(f), GetGValue(f), GetBValue(f)}, amount));
}

bool Near(COLORREF a, COLORREF b, int tolerance = 3) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

bool Dark(COLORREF c) { return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100; }

// The box around the caption's dark pixels.
RECT DarkBox(const Image& image) {
  RECT box{image.width, image.height, -1, -1};
  for (int y = 4; y < image.height - 4; ++y) {
    for (int x = 4; x < image.width - 4; ++x) {
      if (!Dark(image.at(x, y))) continue;
      box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
             std::max<LONG>(box.bottom, y)};
    }
  }
  return box;
}

bool RowUniform(const Image& image, int y, int from, int to) {
  for (int x = from; x < to; ++x) {
    if (image.at(x, y) != image.at(from, y)) return false;
  }
  return true;
}

// A dotted line: every other pixel differs from its neighbour, in step.
bool RowDotted(const Image& image, int y, int from, int to) {
  for (int x = from; x + 2 < to; ++x) {
    if (image.at(x, y) == image.at(x + 1, y) || image.at(x, y) != image.at(x + 2, y)) return false;
  }
  return true;
}

const skin::Palette& Blue() { return skin::PaletteOf(1); }
COLORREF ButtonQuadTop(skin::ButtonQuad which) { return Ref(Blue().button(which).topLeft); }

// What every skinned push button shows whatever its state: the face-coloured
// outline, the border and the softened corners.
void ExpectButtonOutline(const Image& b, COLORREF border) {
  const int w = b.width;
  const int h = b.height;
  EXPECT_EQ(b.at(0, h / 2), Face());
  EXPECT_EQ(b.at(1, h / 2), border);
  EXPECT_EQ(b.at(w / 2, 1), border);
  EXPECT_EQ(b.at(w - 2, h / 2), border);
  EXPECT_EQ(b.at(1, 1), Face());
  EXPECT_EQ(b.at(w - 2, h - 2), Face());
}

class SkinTest : public testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);
    PumpMessages();
  }
  void TearDown() override { SetCursorPos(0, 0); }

  HWND Control(BuiltWindow& window, std::string_view name) { return window->Find(name).hwnd(); }

  FixtureFolder folder_;
};

TEST_F(SkinTest, ButtonsShowTheNormalRingAndTheFocusedOneItsRingAndDottedRectangle) {
  BuiltWindow window(folder_);
  ASSERT_TRUE(window.built());
  const HWND buttons[] = {Control(window, names::kButton1), Control(window, names::kButton2)};
  const COLORREF border = Ref(Blue().buttonBorder);

  // Right after start, then with the focus on each button in turn.
  for (const HWND focus : {GetFocus(), buttons[0], buttons[1]}) {
    SetFocus(focus);
    for (const HWND button : buttons) {
      const bool focused = GetFocus() == button;
      SCOPED_TRACE(testing::Message() << "button " << GetDlgCtrlID(button) << (focused ? " focused" : ""));
      const Image b = Shown(button);
      ASSERT_GT(b.width, 10);
      EXPECT_EQ(Capture(button, Source::Print), b) << "PrintWindow shows what the screen shows";
      ExpectButtonOutline(b, border);
      EXPECT_EQ(b.at(2, 2), border);
      EXPECT_EQ(b.at(1, 2), border);
      EXPECT_EQ(b.at(b.width / 2, 2),
                ButtonQuadTop(focused ? skin::ButtonQuad::FocusedRing : skin::ButtonQuad::NormalRing));
      EXPECT_EQ(b.at(b.width / 2, 4), ButtonQuadTop(skin::ButtonQuad::NormalFace));
      EXPECT_TRUE(RowUniform(b, 2, 3, b.width - 3));
      EXPECT_TRUE(RowUniform(b, 4, 4, b.width - 4));
      if (focused) {
        EXPECT_TRUE(RowDotted(b, 3, 3, b.width - 3));
        EXPECT_TRUE(RowDotted(b, b.height - 4, 3, b.width - 3));
      } else {
        EXPECT_TRUE(RowUniform(b, 3, 3, b.width - 3));
      }
    }
  }
}

// Runs the thread's messages until `done` holds or two seconds have passed.
template <class Done>
bool PumpUntil(Done done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > 2000) return false;
    PumpMessages();
    Sleep(10);
  }
  return true;
}

POINT ScreenCentre(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(SkinTest, HoverShowsTheHotRingAndLeavingRestoresIt) {
  BuiltWindow window(folder_);
  const HWND button = Control(window, names::kButton2);
  const auto ring = [&] {
    const Image b = Shown(button);
    return b.at(b.width / 2, 2);
  };
  const COLORREF before = ring();
  ASSERT_EQ(before, ButtonQuadTop(skin::ButtonQuad::NormalRing));

  const POINT centre = ScreenCentre(button);
  SetCursorPos(centre.x, centre.y);
  POINT client = centre;
  ScreenToClient(button, &client);
  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
  EXPECT_EQ(ring(), ButtonQuadTop(skin::ButtonQuad::HotRing));

  SetCursorPos(0, 0);
  EXPECT_TRUE(PumpUntil([&] { return ring() == before; })) << "the ring stays hot after the pointer left";
}

TEST_F(SkinTest, PressingShowsThePressedRingAndFaceAndMovesTheCaption) {
  BuiltWindow window(folder_);
  const HWND button = Control(window, names::kButton1);
  const Image normal = Shown(button);
  const LPARAM centre = MAKELPARAM(normal.width / 2, normal.height / 2);

  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  const Image pressed = Shown(button);
  SendMessageA(button, WM_LBUTTONUP, 0, centre);
  const Image released = Shown(button);

  ExpectButtonOutline(pressed, Ref(Blue().buttonBorder));
  EXPECT_EQ(pressed.at(pressed.width / 2, 2), ButtonQuadTop(skin::ButtonQuad::PressedRing));
  EXPECT_TRUE(Near(pressed.at(5, 5), ButtonQuadTop(skin::ButtonQuad::PressedFace)));
  const RECT before = DarkBox(normal);
  const RECT during = DarkBox(pressed);
  ASSERT_GT(before.right, before.left) << "no caption found";
  EXPECT_EQ(during.left, before.left + 1);
  EXPECT_EQ(during.top, before.top + 1);
  EXPECT_EQ(during.right, before.right + 1);
  EXPECT_EQ(during.bottom, before.bottom + 1);

  // Released, the button keeps the focus that the press gave it.
  EXPECT_EQ(released.at(released.width / 2, 2), ButtonQuadTop(skin::ButtonQuad::FocusedRing));
  EXPECT_EQ(DarkBox(released).left, before.left);
}

TEST_F(SkinTest, ADisabledButtonIsFlatWithADarkenedBorderAndAGreyCaption) {
  BuiltWindow window(folder_);
  const HWND button = Control(window, names::kButton2);
  EnableWindow(button, FALSE);
  const Image b = Shown(button);
  EnableWindow(button, TRUE);
  const Image enabled = Shown(button);

  const COLORREF flat = Ref(Blue().disabledButtonFace);
  ExpectButtonOutline(b, DarkenedFace(skin::kDisabledBorderDarkening));
  EXPECT_EQ(b.at(2, 2), DarkenedFace(skin::kDisabledCornerDarkening));
  EXPECT_EQ(b.at(1, 2), DarkenedFace(skin::kDisabledCornerSideDarkening));
  EXPECT_EQ(b.at(b.width / 2, 2), flat);
  EXPECT_EQ(b.at(5, 5), flat);
  EXPECT_EQ(b.at(b.width - 6, b.height - 6), flat);
  const COLORREF caption = Ref(Blue().disabledCaption);
  EXPECT_TRUE(std::ranges::count(b.pixels, caption) > 0) << "no pixel of the grey caption";
  EXPECT_TRUE(std::ranges::none_of(b.pixels, Dark)) << "a dark pixel on the disabled button";

  EXPECT_EQ(enabled.at(1, enabled.height / 2), Ref(Blue().buttonBorder));
  EXPECT_EQ(enabled.at(enabled.width / 2, 2), ButtonQuadTop(skin::ButtonQuad::NormalRing));
}

TEST_F(SkinTest, TheDriveListHasAThinFrameAndItsDropButtonShowsThePress) {
  BuiltWindow window(folder_);
  const HWND drives = Control(window, names::kDriveList1);
  const int thumb = GetSystemMetrics(SM_CYVTHUMB);
  const Image idle = Shown(drives);
  const int w = idle.width;
  const int h = idle.height;
  const POINT dropCorner{w - 1 - thumb, 2};

  EXPECT_EQ(Capture(drives, Source::Print), idle) << "PrintWindow shows what the screen shows";
  for (const POINT edge : {POINT{0, h / 2}, POINT{w / 2, 0}, POINT{w - 1, h / 2}, POINT{w / 2, h - 1}}) {
    EXPECT_EQ(idle.at(edge.x, edge.y), Ref(Blue().boxFrame)) << edge.x << "," << edge.y;
  }
  EXPECT_EQ(idle.at(1, h / 2), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(idle.at(w / 2, 1), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(idle.at(dropCorner.x, dropCorner.y), Ref(Blue().drop(skin::DropState::Normal).corner.topLeft));

  const LPARAM onButton = MAKELPARAM(w - 2 - thumb / 2, h / 2);
  SendMessageA(drives, WM_LBUTTONDOWN, MK_LBUTTON, onButton);
  const Image down = Shown(drives);
  SendMessageA(drives, WM_LBUTTONUP, 0, onButton);
  const Image up = Shown(drives);
  SendMessageA(drives, CB_SHOWDROPDOWN, FALSE, 0);

  EXPECT_EQ(down.at(dropCorner.x, dropCorner.y), Ref(Blue().drop(skin::DropState::Pressed).corner.topLeft));
  EXPECT_EQ(down.at(0, h / 2), Ref(Blue().boxFrame));
  EXPECT_NE(up.at(dropCorner.x, dropCorner.y), Ref(Blue().drop(skin::DropState::Pressed).corner.topLeft));
}

// Every visible control of the window with its window procedure.
struct ControlLook {
  std::string_view name;
  bool skinned;
  HWND window;
  Image image;
  LONG_PTR procedure;
};

HWND DropDownListOf(HWND comboBox) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(comboBox, &info) ? info.hwndList : nullptr;
}

std::vector<ControlLook> LooksOf(BuiltWindow& window) {
  std::vector<ControlLook> looks;
  for (const ControlRecord& record : kControlTable) {
    if (!record.visible) continue;
    const HWND hwnd = window->Find(record.name).hwnd();
    const bool skinned = record.kind == ControlKind::PushButton || record.kind == ControlKind::DriveList;
    looks.push_back({record.name, skinned, hwnd, Shown(hwnd), GetWindowLongPtrA(hwnd, GWLP_WNDPROC)});
  }
  // The drive list's drop-down list is a window of its own, hidden until dropped.
  const HWND list = DropDownListOf(window->Find(names::kDriveList1).hwnd());
  looks.push_back({"drop-down list", true, list, Image{}, GetWindowLongPtrA(list, GWLP_WNDPROC)});
  return looks;
}

TEST_F(SkinTest, SwitchingOnTwiceSkinsOnceAndSwitchingOffGivesTheSystemLookBack) {
  SetSkin(0);
  BuiltWindow window(folder_, {});
  const std::vector<ControlLook> system = LooksOf(window);

  EXPECT_EQ(SetSkin(1), 1);
  EXPECT_EQ(SetSkin(1), 1);
  const std::vector<ControlLook> skinned = LooksOf(window);
  const LONG_PTR skinProcedure = GetWindowLongPtrA(Control(window, names::kButton1), GWLP_WNDPROC);
  for (std::size_t i = 0; i < system.size(); ++i) {
    SCOPED_TRACE(std::string(system[i].name));
    if (system[i].skinned) {
      if (system[i].image.width > 0) {
        EXPECT_NE(skinned[i].image, system[i].image);
      }
      EXPECT_EQ(skinned[i].procedure, skinProcedure);
    } else {
      EXPECT_EQ(skinned[i].image, system[i].image) << "looks other than without the skin";
      EXPECT_EQ(skinned[i].procedure, system[i].procedure);
    }
  }
  EXPECT_NE(SendMessageA(Control(window, names::kButton1), WM_GETDLGCODE, 0, 0), 0)
      << "messages still reach the button's own procedure";

  EXPECT_NE(SetSkin(0), 0);
  const std::vector<ControlLook> off = LooksOf(window);
  for (std::size_t i = 0; i < system.size(); ++i) {
    SCOPED_TRACE(std::string(system[i].name));
    EXPECT_EQ(off[i].image, system[i].image);
    // A doubled take-over would hand back the skin's own procedure here.
    EXPECT_EQ(off[i].procedure, system[i].procedure);
  }
  EXPECT_EQ(SetSkin(0), 0) << "nothing left to unhook";
}

TEST_F(SkinTest, EveryStyleDrawsTheSameShapesInItsOwnColours) {
  BuiltWindow window(folder_);
  const HWND button = Control(window, names::kButton1);
  for (const int style : {2, 3, 1}) {
    EXPECT_EQ(SetSkin(style), 1);
    const Image b = Shown(button);
    const skin::Palette& palette = skin::PaletteOf(style);
    EXPECT_EQ(b.at(1, b.height / 2), Ref(palette.buttonBorder)) << "style " << style;
    EXPECT_EQ(b.at(b.width / 2, 2), Ref(palette.button(skin::ButtonQuad::NormalRing).topLeft)) << "style " << style;
  }
}

TEST_F(SkinTest, ControlsCreatedAfterSwitchingOnAreSkinned) {
  BuiltWindow window(folder_);
  struct Case {
    const char* className;
    DWORD style;
    DWORD exStyle;
    const char* text;
    POINT at;
    COLORREF colour;
  };
  const COLORREF border = Ref(Blue().buttonBorder);
  const COLORREF frame = Ref(Blue().boxFrame);
  const Case cases[] = {
      {"BUTTON", BS_PUSHBUTTON, 0, "新", {1, 12}, border},
      {"BUTTON", BS_DEFPUSHBUTTON, 0, "默认", {40, 2}, ButtonQuadTop(skin::ButtonQuad::FocusedRing)},
      {"BUTTON", BS_AUTOCHECKBOX, 0, "勾", {0, 12}, border},
      {"BUTTON", BS_AUTORADIOBUTTON, 0, "圆", {6, 12}, Ref(Blue().button(skin::ButtonQuad::NormalFace).bottomLeft)},
      {"EDIT", 0, WS_EX_CLIENTEDGE, "", {0, 12}, frame},
      {"EDIT", ES_READONLY, WS_EX_CLIENTEDGE, "", {1, 12}, Face()},
      {"COMBOBOX", CBS_DROPDOWNLIST, 0, "", {0, 10}, frame},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.className << " style " << std::hex << c.style);
    UniqueWindow control(CreateWindowExA(c.exStyle, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, 240, 262, 90,
                                         25, window->hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(control);
    SendMessageA(control.get(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    const Image image = Shown(control.get());
    EXPECT_EQ(image.at(c.at.x, c.at.y), c.colour) << "on the screen";
    EXPECT_EQ(Capture(control.get(), Source::Print).at(c.at.x, c.at.y), c.colour) << "in PrintWindow";
  }
}

TEST_F(SkinTest, CheckAndStyleMessagesChangeAPushButtonsRing) {
  BuiltWindow window(folder_);
  using Q = skin::ButtonQuad;
  // The message is sent with `first`, then with `then`; the ring shows `then`.
  struct Case {
    const char* what;
    DWORD style;
    UINT message;
    WPARAM first;
    WPARAM then;
    Q ring;
    bool greyCaption;
  };
  const Case cases[] = {
      {"ticked push-like check box", BS_AUTOCHECKBOX | BS_PUSHLIKE, BM_SETCHECK, BST_CHECKED, BST_CHECKED, Q::TickedRing,
       false},
      {"unticked again", BS_AUTOCHECKBOX | BS_PUSHLIKE, BM_SETCHECK, BST_CHECKED, BST_UNCHECKED, Q::NormalRing, false},
      {"indeterminate", BS_AUTO3STATE | BS_PUSHLIKE, BM_SETCHECK, BST_CHECKED, BST_INDETERMINATE, Q::TickedRing, true},
      {"made the default button", BS_PUSHBUTTON, BM_SETSTYLE, BS_PUSHBUTTON, BS_DEFPUSHBUTTON, Q::FocusedRing, false},
      {"no longer the default button", BS_PUSHBUTTON, BM_SETSTYLE, BS_DEFPUSHBUTTON, BS_PUSHBUTTON, Q::NormalRing,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UniqueWindow button(CreateWindowExA(0, "BUTTON", "键", WS_CHILD | WS_VISIBLE | c.style, 240, 262, 90, 25,
                                        window->hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(button);
    SendMessageA(button.get(), c.message, c.first, TRUE);
    SendMessageA(button.get(), c.message, c.then, TRUE);
    const Image b = Shown(button.get());
    EXPECT_TRUE(Near(b.at(3, 2), ButtonQuadTop(c.ring))) << std::hex << b.at(3, 2);
    const bool grey = std::ranges::count(b.pixels, Ref(Blue().disabledCaption)) > 0;
    EXPECT_EQ(grey, c.greyCaption);
    EXPECT_EQ(std::ranges::any_of(b.pixels, Dark), !c.greyCaption);
  }
}

TEST_F(SkinTest, CaptionsAreBrokenAndPlacedInsideTheInnerArea) {
  BuiltWindow window(folder_);
  struct Case {
    const char* what;
    DWORD style;
    const char* text;
    LONG RECT::*edge;
    int from, to;  // where that edge of the caption's dark pixels may lie
  };
  // A 90 x 41 button: the inner area is (4, 4, 86, 37).
  const Case cases[] = {
      {"left", BS_LEFT | BS_TOP, "H", &RECT::left, 4, 6},
      {"top", BS_LEFT | BS_TOP, "H", &RECT::top, 4, 8},
      {"right", BS_RIGHT | BS_BOTTOM, "H", &RECT::right, 83, 85},
      {"bottom", BS_RIGHT | BS_BOTTOM, "H", &RECT::bottom, 32, 36},
      {"two lines reach below the middle", BS_CENTER | BS_TOP, "H\r\nH", &RECT::bottom, 21, 36},
      {"one line stays above it", BS_CENTER | BS_TOP, "H", &RECT::bottom, 4, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UniqueWindow button(CreateWindowExA(0, "BUTTON", c.text, WS_CHILD | WS_VISIBLE | BS_MULTILINE | c.style, 240, 250,
                                        90, 41, window->hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(button);
    SendMessageA(button.get(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    const RECT box = DarkBox(Shown(button.get()));
    EXPECT_GE(box.*c.edge, c.from);
    EXPECT_LE(box.*c.edge, c.to);
  }
}

TEST_F(SkinTest, ADropDownListWithEntriesGetsItsFrameWhenThePointerEnters) {
  BuiltWindow window(folder_);
  UniqueWindow combo(CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 240,
                                     200, 120, 120, window->hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr));
  ASSERT_TRUE(combo);
  for (const char* entry : {"甲", "乙", "丙"}) SendMessageA(combo.get(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  SendMessageA(combo.get(), CB_SHOWDROPDOWN, TRUE, 0);
  const HWND list = DropDownListOf(combo.get());
  ASSERT_TRUE(list && IsWindowVisible(list));

  const POINT centre = ScreenCentre(list);
  SetCursorPos(centre.x, centre.y);
  POINT client = centre;
  ScreenToClient(list, &client);
  SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
  const Image shown = Shown(list);
  SendMessageA(combo.get(), CB_SHOWDROPDOWN, FALSE, 0);

  EXPECT_EQ(shown.at(0, shown.height / 2), Ref(Blue().boxFrame));
  EXPECT_EQ(shown.at(shown.width / 2, shown.height - 1), Ref(Blue().boxFrame));
  // The entries draw over the inner line; below the last one it shows.
  EXPECT_EQ(shown.at(1, shown.height - 2), GetSysColor(COLOR_WINDOW));
}

TEST_F(SkinTest, AnEditBoxFrameFollowsItsReadOnlyState) {
  BuiltWindow window(folder_);
  UniqueWindow edit(CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, 240, 262, 90, 25,
                                    window->hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr));
  ASSERT_TRUE(edit);
  EXPECT_EQ(Shown(edit.get()).at(1, 12), GetSysColor(COLOR_WINDOW));
  SendMessageA(edit.get(), EM_SETREADONLY, TRUE, 0);
  EXPECT_EQ(Shown(edit.get()).at(1, 12), Face());
  EnableWindow(edit.get(), FALSE);
  const Image disabled = Shown(edit.get());
  EXPECT_EQ(disabled.at(0, 12), DarkenedFace(skin::kDisabledBorderDarkening));
  EXPECT_EQ(disabled.at(1, 12), Face());
}

}  // namespace
}  // namespace tarnvel
