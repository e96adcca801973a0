// Where a skinned push button's caption goes: broken into lines that fit the
// button's inner area, each line placed by the button's alignment.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvel::skin {

enum class HorizontalAlign { Left, Centre, Right };
enum class VerticalAlign { Top, Middle, Bottom };

struct CaptionAlign {
  HorizontalAlign horizontal = HorizontalAlign::Centre;
  VerticalAlign vertical = VerticalAlign::Middle;
};

struct CaptionLine {
  std::string text;
  int x = 0;  // left edge, relative to the area
  int y = 0;  // top edge, relative to the area
  int width = 0;
};

// Width in pixels of a run of ANSI text in the caption's font.
using TextWidth = std::function<int(std::string_view)>;

// Breaks `text` at every CR LF and before the character that would make a
// line wider than `areaWidth`; a lead byte (above 128) and its trail byte
// stay together, every line keeps at least one character, and no line holds
// more than 1023 bytes.
std::vector<std::string> BreakCaption(std::string_view text, int areaWidth, const TextWidth& width);

// Breaks `text` and places its lines: each line horizontally by itself, the
// block of lines (no higher than the area) vertically as a whole.
std::vector<CaptionLine> LayOutCaption(std::string_view text, CaptionAlign align, int areaWidth,
                                       int areaHeight, int lineHeight, const TextWidth& width);

}  // namespace tarnvel::skin
