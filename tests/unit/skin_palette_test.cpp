#include "skin/skin_palette.h"

#include <gtest/gtest.h>

namespace tarnvel::skin {
namespace {

TEST(SkinPalette, DarkeningStopsEachChannelAtZero) {
  struct Case {
    Rgb colour;
    std::uint8_t amount;
    Rgb darkened;
  };
  const Case cases[] = {
      {{240, 240, 240}, 32, {208, 208, 208}},
      {{212, 208, 200}, 21, {191, 187, 179}},
      // A dark face must not borrow from its neighbour channel.
      {{10, 200, 0}, 32, {0, 168, 0}},
      {{0, 0, 0}, 17, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Darkened(c.colour, c.amount), c.darkened);
  }
}

TEST(SkinPalette, StylesTwoAndThreeAreTheirOwnAndOthersFallBackToOne) {
  EXPECT_EQ(PaletteOf(1).buttonBorder, (Rgb{0, 60, 115}));
  EXPECT_NE(PaletteOf(2).buttonBorder, PaletteOf(1).buttonBorder);
  EXPECT_NE(PaletteOf(3).buttonBorder, PaletteOf(1).buttonBorder);
  EXPECT_NE(PaletteOf(3).buttonBorder, PaletteOf(2).buttonBorder);
  EXPECT_EQ(&PaletteOf(0), &PaletteOf(1));
}

}  // namespace
}  // namespace tarnvel::skin
