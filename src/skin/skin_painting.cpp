#include "skin/skin_painting.h"

#include <algorithm>
#include <optional>
#include <string>

#include "shell/handles.h"

namespace tarnvel::skin {
namespace {

COLORREF Ref(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

COLORREF ButtonFace() { return GetSysColor(COLOR_BTNFACE); }

COLORREF DarkenedFace(std::uint8_t amount) {
  const COLORREF face = ButtonFace();
  return Ref(Darkened({GetRValue(face), GetGValue(face), GetBValue(face)}, amount));
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  UniqueGdiObject brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, static_cast<HBRUSH>(brush.get()));
}

void Frame(HDC dc, const RECT& rect, COLORREF colour) {
  UniqueGdiObject brush(CreateSolidBrush(colour));
  FrameRect(dc, &rect, static_cast<HBRUSH>(brush.get()));
}

TRIVERTEX Vertex(LONG x, LONG y, Rgb colour) {
  return {x, y, static_cast<COLOR16>(colour.r << 8), static_cast<COLOR16>(colour.g << 8),
          static_cast<COLOR16>(colour.b << 8), 0};
}

// One vertical gradient when the quad only changes from top to bottom,
// else two triangles that meet on the diagonal from top-right to bottom-left.
void FillQuad(HDC dc, const RECT& rect, const Quad& quad) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  if (quad.topLeft == quad.topRight && quad.bottomLeft == quad.bottomRight) {
    TRIVERTEX corners[] = {Vertex(rect.left, rect.top, quad.topLeft),
                           Vertex(rect.right, rect.bottom, quad.bottomLeft)};
    GRADIENT_RECT mesh{0, 1};
    GradientFill(dc, corners, 2, &mesh, 1, GRADIENT_FILL_RECT_V);
    return;
  }
  TRIVERTEX corners[] = {Vertex(rect.left, rect.top, quad.topLeft), Vertex(rect.right, rect.top, quad.topRight),
                         Vertex(rect.left, rect.bottom, quad.bottomLeft),
                         Vertex(rect.right, rect.bottom, quad.bottomRight)};
  GRADIENT_TRIANGLE mesh[] = {{0, 1, 2}, {3, 1, 2}};
  GradientFill(dc, corners, 4, mesh, 2, GRADIENT_FILL_TRIANGLE);
}

HBRUSH Background(const SkinnedControl& control) {
  return control.backgroundBrush ? control.backgroundBrush : GetSysColorBrush(COLOR_BTNFACE);
}

std::string WindowText(HWND window) {
  // Captions are drawn from at most 255 bytes.
  std::string text(256, '\0');
  text.resize(static_cast<std::size_t>(std::max(0, GetWindowTextA(window, text.data(), 256))));
  return text;
}

// Selects the control's own font, when it has one, for the life of the guard.
class ControlFont {
 public:
  ControlFont(HDC dc, HWND window) {
    if (auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0))) selected_.emplace(dc, font);
  }

 private:
  std::optional<SelectedObject> selected_;
};

// A memory bitmap to build one paint in.
class Offscreen {
 public:
  Offscreen(HDC like, int width, int height)
      : dc_(CreateCompatibleDC(like)),
        bitmap_(CreateCompatibleBitmap(like, width, height)),
        selected_(dc_.get(), bitmap_.get()) {}
  HDC get() const { return dc_.get(); }
  explicit operator bool() const { return dc_ && bitmap_; }

 private:
  UniqueMemoryDc dc_;
  UniqueGdiObject bitmap_;
  SelectedObject selected_;
};

// Builds a `width` x `height` image with `draw` (starting from the target's
// current pixels when `keep`) and copies it to `at` on the target.
template <class Draw>
void Compose(HWND window, PaintTarget target, POINT at, int width, int height, bool keep, Draw draw) {
  if (width <= 0 || height <= 0) return;
  std::optional<WindowDc> own;
  HDC dc = target.dc;
  if (!dc) {
    own.emplace(WindowDc::Whole(window));
    dc = own->get();
  }
  if (!dc) return;
  Offscreen image(dc, width, height);
  if (!image) return;
  if (keep) BitBlt(image.get(), 0, 0, width, height, dc, at.x, at.y, SRCCOPY);
  draw(image.get());
  BitBlt(dc, at.x, at.y, width, height, image.get(), 0, 0, SRCCOPY);
}

ButtonQuad RingOf(const SkinnedControl& control) {
  if (control.has(kPressed)) return ButtonQuad::PressedRing;
  if (control.has(kHot)) return ButtonQuad::HotRing;
  if (control.has(kTicked | kIndeterminate)) return ButtonQuad::TickedRing;
  if (control.has(kFocused | kDefault)) return ButtonQuad::FocusedRing;
  return ButtonQuad::NormalRing;
}

void DrawCaption(HDC dc, const SkinnedControl& control, const Palette& palette, const RECT& area) {
  const std::string text = WindowText(control.window);
  ControlFont font(dc, control.window);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, control.has(kDisabled | kIndeterminate) ? Ref(palette.disabledCaption) : RGB(0, 0, 0));
  SIZE letter{};
  GetTextExtentPoint32A(dc, "a", 1, &letter);
  const auto width = [dc](std::string_view run) {
    SIZE size{};
    GetTextExtentPoint32A(dc, run.data(), static_cast<int>(run.size()), &size);
    return static_cast<int>(size.cx);
  };
  const DWORD style = static_cast<DWORD>(GetWindowLongA(control.window, GWL_STYLE));
  for (const CaptionLine& line : LayOutCaption(text, CaptionAlignOf(style), area.right - area.left,
                                               area.bottom - area.top, letter.cy, width)) {
    RECT rect{area.left + line.x, area.top + line.y, area.left + line.x + line.width,
              std::min<LONG>(area.top + line.y + letter.cy, area.bottom)};
    DrawTextA(dc, line.text.data(), static_cast<int>(line.text.size()), &rect, 0);
  }
}

void DrawPushButton(HDC dc, const SkinnedControl& control, const Palette& palette, int w, int h) {
  const bool disabled = control.has(kDisabled);
  const bool sunk = control.has(kPressed | kTicked | kIndeterminate);
  const COLORREF face = ButtonFace();
  const RECT whole{0, 0, w, h};
  FillRect(dc, &whole, Background(control));
  Frame(dc, whole, face);
  const COLORREF border = disabled ? DarkenedFace(kDisabledBorderDarkening) : Ref(palette.buttonBorder);
  Frame(dc, {1, 1, w - 1, h - 1}, border);

  const RECT ring{2, 2, w - 2, h - 2};
  if (disabled) {
    Fill(dc, ring, Ref(palette.disabledButtonFace));
  } else {
    FillQuad(dc, ring, palette.button(RingOf(control)));
  }
  RECT inner{4, 4, w - 4, h - 4};
  if (sunk) {
    FillQuad(dc, inner, palette.button(ButtonQuad::PressedFace));
  } else if (!disabled) {
    FillQuad(dc, inner, palette.button(ButtonQuad::NormalFace));
  }

  // Softened corners: the outer corner takes the face, the pixels around it
  // blend into the border.
  const COLORREF diagonal = disabled ? DarkenedFace(kDisabledCornerDarkening) : border;
  const COLORREF side = disabled ? DarkenedFace(kDisabledCornerSideDarkening) : border;
  for (const POINT p : {POINT{1, 1}, POINT{w - 2, 1}, POINT{1, h - 2}, POINT{w - 2, h - 2}}) SetPixelV(dc, p.x, p.y, face);
  for (const POINT p : {POINT{2, 2}, POINT{w - 3, 2}, POINT{2, h - 3}, POINT{w - 3, h - 3}}) SetPixelV(dc, p.x, p.y, diagonal);
  for (const POINT p : {POINT{1, 2}, POINT{2, 1}, POINT{w - 3, 1}, POINT{w - 2, 2}, POINT{1, h - 3}, POINT{2, h - 2},
                        POINT{w - 3, h - 2}, POINT{w - 2, h - 3}}) {
    SetPixelV(dc, p.x, p.y, side);
  }

  if (control.has(kFocused)) {
    const RECT focus{3, 3, w - 3, h - 3};
    DrawFocusRect(dc, &focus);
  }
  if (control.has(kPressed)) OffsetRect(&inner, 1, 1);
  DrawCaption(dc, control, palette, inner);
}

// Check boxes and radio buttons: a 13-pixel box or circle in the push
// button's colours, the caption to its right in the parent's text colour.
void DrawCheckOrRadio(HDC dc, const SkinnedControl& control, const Palette& palette, int w, int h) {
  constexpr int kMark = 13;
  const bool disabled = control.has(kDisabled);
  const RECT whole{0, 0, w, h};
  FillRect(dc, &whole, Background(control));

  const int top = (h - kMark) / 2;
  const RECT mark{0, top, kMark, top + kMark};
  RECT face = mark;
  InflateRect(&face, -1, -1);
  const COLORREF border = disabled ? DarkenedFace(kDisabledBorderDarkening) : Ref(palette.buttonBorder);
  UniqueGdiObject pen(CreatePen(PS_SOLID, 1, border));
  SelectedObject penSelected(dc, pen.get());

  if (control.kind == SkinKind::RadioButton) {
    const Quad& quad = palette.button(control.has(kHot) ? ButtonQuad::HotRing : ButtonQuad::NormalFace);
    UniqueGdiObject brush(CreateSolidBrush(disabled ? Ref(palette.disabledButtonFace) : Ref(quad.bottomLeft)));
    {
      SelectedObject brushSelected(dc, brush.get());
      Ellipse(dc, mark.left, mark.top, mark.right, mark.bottom);
    }
    if (control.has(kTicked)) {
      UniqueGdiObject dot(CreateSolidBrush(border));
      SelectedObject dotSelected(dc, dot.get());
      Ellipse(dc, mark.left + 4, mark.top + 4, mark.right - 4, mark.bottom - 4);
    }
  } else {
    Frame(dc, mark, border);
    if (disabled) {
      Fill(dc, face, Ref(palette.disabledButtonFace));
    } else if (control.has(kHot)) {
      FillQuad(dc, face, palette.button(ButtonQuad::HotRing));
      RECT centre = face;
      InflateRect(&centre, -2, -2);
      FillQuad(dc, centre, palette.button(ButtonQuad::NormalFace));
    } else {
      FillQuad(dc, face, palette.button(control.has(kPressed) ? ButtonQuad::PressedFace : ButtonQuad::NormalFace));
    }
    if (control.has(kTicked)) {
      for (int dy = 0; dy < 3; ++dy) {
        MoveToEx(dc, mark.left + 3, mark.top + 5 + dy, nullptr);
        LineTo(dc, mark.left + 5, mark.top + 7 + dy);
        LineTo(dc, mark.left + 10, mark.top + 2 + dy);
      }
    } else if (control.has(kIndeterminate)) {
      RECT square = mark;
      InflateRect(&square, -3, -3);
      Fill(dc, square, Ref(palette.disabledCaption));
    }
  }

  const std::string text = WindowText(control.window);
  ControlFont font(dc, control.window);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? Ref(palette.disabledCaption) : control.textColour);
  RECT caption{kMark + 4, 0, w, h};
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (control.has(kFocused) && !text.empty()) {
    RECT extent = caption;
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &extent, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    const int height = extent.bottom - extent.top;
    RECT focus{caption.left - 1, (h - height) / 2 - 1, std::min<LONG>(extent.right + 1, w), (h + height) / 2 + 1};
    DrawFocusRect(dc, &focus);
  }
}

bool HasBorder(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  return (style & WS_BORDER) || (exStyle & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE));
}

void DrawBoxFrame(HDC dc, const SkinnedControl& control, const Palette& palette, int w, int h) {
  const bool disabled = control.has(kDisabled);
  Frame(dc, {0, 0, w, h}, disabled ? DarkenedFace(kDisabledBorderDarkening) : Ref(palette.boxFrame));
  Frame(dc, {1, 1, w - 1, h - 1}, disabled || control.has(kReadOnly) ? ButtonFace() : GetSysColor(COLOR_WINDOW));
}

void DrawComboBox(HDC dc, const SkinnedControl& control, const Palette& palette, int w, int h) {
  const bool disabled = control.has(kDisabled);
  const int thumb = GetSystemMetrics(SM_CYVTHUMB);
  const COLORREF inside = disabled ? ButtonFace() : GetSysColor(COLOR_WINDOW);
  Frame(dc, {0, 0, w, h}, disabled ? DarkenedFace(kDisabledBorderDarkening) : Ref(palette.boxFrame));
  Frame(dc, {1, 1, w - 1, h - 1}, inside);
  Frame(dc, {w - 2 - thumb, 2, w - 2, h - 2}, inside);

  const RECT button{w - 1 - thumb, 2, w - 2, h - 2};
  const DropState state = disabled                    ? DropState::Disabled
                          : control.has(kPressed)     ? DropState::Pressed
                          : control.has(kHot)         ? DropState::Hot
                                                      : DropState::Normal;
  const DropButtonQuads& quads = palette.drop(state);
  FillQuad(dc, button, quads.outer);
  SetPixelV(dc, button.left, button.top, Ref(quads.corner.topLeft));
  SetPixelV(dc, button.right - 1, button.top, Ref(quads.corner.topRight));
  SetPixelV(dc, button.left, button.bottom - 1, Ref(quads.corner.bottomLeft));
  SetPixelV(dc, button.right - 1, button.bottom - 1, Ref(quads.corner.bottomRight));
  RECT face = button;
  InflateRect(&face, -1, -1);
  FillQuad(dc, face, quads.inner);

  const int cx = face.left + (face.right - face.left) / 2;
  const int cy = face.top + (face.bottom - face.top) / 2;
  UniqueGdiObject pen(CreatePen(PS_SOLID, 1, Ref(disabled ? palette.disabledChevron : palette.chevron)));
  SelectedObject penSelected(dc, pen.get());
  struct Stroke {
    POINT from, via, to;
  };
  static constexpr Stroke kChevron[] = {
      {{-4, -2}, {0, 2}, {5, -3}},
      {{-3, -2}, {0, 1}, {4, -3}},
      {{-3, -3}, {0, 0}, {4, -4}},
  };
  for (const Stroke& stroke : kChevron) {
    MoveToEx(dc, cx + stroke.from.x, cy + stroke.from.y, nullptr);
    LineTo(dc, cx + stroke.via.x, cy + stroke.via.y);
    LineTo(dc, cx + stroke.to.x, cy + stroke.to.y);
  }
}

}  // namespace

void PaintControl(const SkinnedControl& control, const Palette& palette, PaintTarget target) {
  const HWND window = control.window;
  if (!IsWindow(window)) return;
  RECT outer;
  RECT client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT clientCorner{0, 0};
  ClientToScreen(window, &clientCorner);
  clientCorner.x -= outer.left;
  clientCorner.y -= outer.top;
  const int w = outer.right - outer.left;
  const int h = outer.bottom - outer.top;
  const POINT windowAt = target.clientOrigin ? POINT{-clientCorner.x, -clientCorner.y} : POINT{0, 0};
  const POINT clientAt = target.clientOrigin ? POINT{0, 0} : clientCorner;
  const int cw = client.right;
  const int ch = client.bottom;

  switch (control.kind) {
    case SkinKind::PushButton:
      Compose(window, target, clientAt, cw, ch, false,
              [&](HDC dc) { DrawPushButton(dc, control, palette, cw, ch); });
      return;
    case SkinKind::CheckBox:
    case SkinKind::RadioButton:
      Compose(window, target, clientAt, cw, ch, false,
              [&](HDC dc) { DrawCheckOrRadio(dc, control, palette, cw, ch); });
      return;
    case SkinKind::EditBox:
    case SkinKind::DropDownList:
      // The frame lies outside the client area, and an empty list keeps the system's.
      if (target.clientOrigin || !HasBorder(window)) return;
      if (control.kind == SkinKind::DropDownList && SendMessageA(window, LB_GETCOUNT, 0, 0) <= 0) return;
      Compose(window, target, windowAt, w, h, true, [&](HDC dc) { DrawBoxFrame(dc, control, palette, w, h); });
      return;
    case SkinKind::ComboBox:
      Compose(window, target, windowAt, w, h, true, [&](HDC dc) { DrawComboBox(dc, control, palette, w, h); });
      return;
    case SkinKind::UpDown:
    case SkinKind::GroupBox:
      // These keep the system's look.
      return;
  }
}

}  // namespace tarnvel::skin
