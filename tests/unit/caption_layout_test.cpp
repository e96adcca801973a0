#include "skin/caption_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnvel::skin {
namespace {

// Every byte 6 pixels wide, so a double-byte character is 12.
int SixPerByte(std::string_view run) { return static_cast<int>(run.size()) * 6; }

struct BreakCase {
  const char* what;
  std::string text;
  int areaWidth;
  std::vector<std::string> lines;
};

TEST(CaptionLayout, BreaksAtCrLfAndBeforeTheCharacterThatOverflows) {
  const BreakCase cases[] = {
      {"fits on one line", "abc", 100, {"abc"}},
      {"CR LF starts a new line", "ab\r\ncd", 100, {"ab", "cd"}},
      {"a lone LF or CR is text", "a\nb\rc", 100, {"a\nb\rc"}},
      {"breaks before the fifth byte", "abcdef", 24, {"abcd", "ef"}},
      {"double-byte characters stay whole", "\xC4\xE3\xBA\xC3", 18, {"\xC4\xE3", "\xBA\xC3"}},
      {"mixed widths", "a\xC4\xE3" "b", 18, {"a\xC4\xE3", "b"}},
      {"0x80 is a single byte", "\x80" "a", 6, {"\x80", "a"}},
      {"a lead byte at the very end", "a\xC4", 100, {"a\xC4"}},
      {"a character wider than the area keeps its own line", "ab", 3, {"a", "b"}},
      {"trailing CR LF gives an empty last line", "a\r\n", 100, {"a", ""}},
      {"empty text", "", 100, {""}},
  };
  for (const BreakCase& c : cases) {
    EXPECT_EQ(BreakCaption(c.text, c.areaWidth, SixPerByte), c.lines) << c.what;
  }
}

TEST(CaptionLayout, NoLineHoldsMoreThan1023Bytes) {
  const std::vector<std::string> lines = BreakCaption(std::string(2000, 'a'), 1 << 30, SixPerByte);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), 1023u);
  EXPECT_EQ(lines[1].size(), 977u);
}

struct Placement {
  int x, y;
  friend bool operator==(Placement, Placement) = default;
};

std::vector<Placement> PlacementsOf(std::string_view text, CaptionAlign align, int areaWidth, int areaHeight) {
  std::vector<Placement> placements;
  for (const CaptionLine& line : LayOutCaption(text, align, areaWidth, areaHeight, 10, SixPerByte)) {
    placements.push_back({line.x, line.y});
  }
  return placements;
}

TEST(CaptionLayout, PlacesEachLineByItselfAndTheBlockAsAWhole) {
  using H = HorizontalAlign;
  using V = VerticalAlign;
  struct Case {
    const char* what;
    CaptionAlign align;
    std::vector<Placement> placements;
  };
  // "ab" is 12 pixels wide, "cdef" 24; the block is 20 high in a 100 x 50 area.
  const Case cases[] = {
      {"top left", {H::Left, V::Top}, {{0, 0}, {0, 10}}},
      {"centred both ways", {H::Centre, V::Middle}, {{44, 15}, {38, 25}}},
      {"bottom right", {H::Right, V::Bottom}, {{88, 30}, {76, 40}}},
      {"middle left", {H::Left, V::Middle}, {{0, 15}, {0, 25}}},
      {"bottom centre", {H::Centre, V::Bottom}, {{44, 30}, {38, 40}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlacementsOf("ab\r\ncdef", c.align, 100, 50), c.placements) << c.what;
  }
}

TEST(CaptionLayout, ABlockHigherThanTheAreaStartsAtItsTop) {
  const std::vector<Placement> placements =
      PlacementsOf("a\r\nb\r\nc\r\nd\r\ne", {HorizontalAlign::Left, VerticalAlign::Middle}, 100, 30);
  ASSERT_EQ(placements.size(), 5u);
  EXPECT_EQ(placements.front(), (Placement{0, 0}));
  EXPECT_EQ(placements.back(), (Placement{0, 40}));
}

}  // namespace
}  // namespace tarnvel::skin
