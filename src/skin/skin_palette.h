// The colours of the skin's three styles: one table of the flat blue look,
// and two variants made from it by recolouring every entry alike, so all
// three keep the same shading.
#pragma once

#include <array>
#include <cstdint>

namespace tarnvel::skin {

struct Rgb {
  std::uint8_t r, g, b;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Colours for the top-left, top-right, bottom-left and bottom-right corners
// of a gradient-filled rectangle.
struct Quad {
  Rgb topLeft, topRight, bottomLeft, bottomRight;
  friend constexpr bool operator==(const Quad&, const Quad&) = default;
};

// Push button rings and faces, by what they are used for.
enum class ButtonQuad { PressedRing, HotRing, TickedRing, FocusedRing, NormalRing, PressedFace, NormalFace };

// The combo box's drop button, by its state.
enum class DropState { Disabled, Pressed, Hot, Normal };

struct DropButtonQuads {
  Quad outer, corner, inner;
};

struct Palette {
  Rgb buttonBorder;
  Rgb disabledButtonFace;
  Rgb disabledCaption;
  std::array<Quad, 7> buttonQuads;  // indexed by ButtonQuad
  Rgb boxFrame;                     // edit boxes, drop-down lists, combo boxes
  Rgb chevron;
  Rgb disabledChevron;
  std::array<DropButtonQuads, 4> dropButton;  // indexed by DropState

  const Quad& button(ButtonQuad which) const { return buttonQuads[static_cast<int>(which)]; }
  const DropButtonQuads& drop(DropState state) const { return dropButton[static_cast<int>(state)]; }
};

// The palette of a skin style; styles outside 1 to 3 get style 1's.
const Palette& PaletteOf(int style);

// `colour` with each channel lowered by `amount`, stopping at 0.
constexpr Rgb Darkened(Rgb colour, std::uint8_t amount) {
  auto lower = [amount](std::uint8_t channel) {
    return static_cast<std::uint8_t>(channel > amount ? channel - amount : 0);
  };
  return {lower(colour.r), lower(colour.g), lower(colour.b)};
}

// The amounts by which the disabled look darkens the button face: the
// border, the corner pixels on the diagonal, and the corner pixels beside them.
inline constexpr std::uint8_t kDisabledBorderDarkening = 32;
inline constexpr std::uint8_t kDisabledCornerDarkening = 21;
inline constexpr std::uint8_t kDisabledCornerSideDarkening = 17;

}  // namespace tarnvel::skin
