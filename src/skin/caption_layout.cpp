#include "skin/caption_layout.h"

#include <algorithm>

namespace tarnvel::skin {
namespace {

constexpr std::size_t kMaxLineBytes = 1023;

// Bytes of the character that starts at `at`: two for a lead byte with a
// trail byte after it, else one.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  return byte > 128 && at + 1 < text.size() ? 2 : 1;
}

}  // namespace

std::vector<std::string> BreakCaption(std::string_view text, int areaWidth, const TextWidth& width) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text.substr(at, 2) == "\r\n") {
      lines.push_back(std::move(line));
      line.clear();
      at += 2;
      continue;
    }
    const std::size_t length = CharacterLength(text, at);
    const std::string_view character = text.substr(at, length);
    const bool full = line.size() + length > kMaxLineBytes;
    if (!line.empty() && (full || width(line + std::string(character)) > areaWidth)) {
      lines.push_back(std::move(line));
      line.clear();
    }
    line += character;
    at += length;
  }
  lines.push_back(std::move(line));
  return lines;
}

std::vector<CaptionLine> LayOutCaption(std::string_view text, CaptionAlign align, int areaWidth,
                                       int areaHeight, int lineHeight, const TextWidth& width) {
  std::vector<CaptionLine> placed;
  const std::vector<std::string> lines = BreakCaption(text, areaWidth, width);
  const int blockHeight = std::min(static_cast<int>(lines.size()) * lineHeight, areaHeight);
  int top = 0;
  if (align.vertical == VerticalAlign::Middle) top = (areaHeight - blockHeight) / 2;
  if (align.vertical == VerticalAlign::Bottom) top = areaHeight - blockHeight;
  for (const std::string& line : lines) {
    const int lineWidth = width(line);
    int left = 0;
    if (align.horizontal == HorizontalAlign::Centre) left = (areaWidth - lineWidth) / 2;
    if (align.horizontal == HorizontalAlign::Right) left = areaWidth - lineWidth;
    placed.push_back({line, left, top, lineWidth});
    top += lineHeight;
  }
  return placed;
}

}  // namespace tarnvel::skin
