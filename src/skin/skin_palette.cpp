#include "skin/skin_palette.h"

namespace tarnvel::skin {
namespace {

constexpr Palette kBlue{
    .buttonBorder = {0, 60, 115},
    .disabledButtonFace = {245, 244, 234},
    .disabledCaption = {165, 162, 148},
    .buttonQuads = {{
        {{209, 204, 193}, {209, 204, 193}, {242, 241, 238}, {242, 241, 238}},  // pressed ring
        {{255, 240, 207}, {255, 240, 207}, {229, 151, 0}, {229, 151, 0}},      // hot ring
        {{214, 203, 189}, {214, 207, 198}, {247, 243, 239}, {247, 243, 239}},  // ticked ring
        {{206, 231, 255}, {206, 231, 255}, {105, 130, 238}, {105, 130, 238}},  // focused ring
        {{255, 255, 255}, {255, 255, 255}, {226, 223, 214}, {226, 223, 214}},  // normal ring
        {{231, 227, 222}, {231, 231, 231}, {231, 227, 222}, {231, 227, 222}},  // pressed face
        {{252, 252, 251}, {252, 252, 251}, {236, 235, 230}, {236, 235, 230}},  // normal face
    }},
    .boxFrame = {123, 158, 189},
    .chevron = {123, 158, 189},
    .disabledChevron = {206, 203, 198},
    .dropButton = {{
        {  // disabled
            {{247, 243, 239}, {231, 231, 222}, {231, 227, 222}, {231, 227, 222}},
            {{247, 247, 247}, {247, 243, 239}, {247, 243, 239}, {247, 243, 239}},
            {{247, 247, 247}, {239, 239, 231}, {239, 235, 231}, {231, 231, 222}},
        },
        {  // pressed
            {{165, 174, 222}, {189, 203, 247}, {115, 130, 222}, {181, 199, 247}},
            {{189, 195, 222}, {173, 182, 222}, {222, 227, 255}, {222, 227, 247}},
            {{107, 142, 247}, {132, 150, 247}, {140, 158, 239}, {214, 223, 239}},
        },
        {  // hot
            {{181, 199, 239}, {148, 174, 231}, {132, 162, 222}, {140, 166, 222}},
            {{206, 219, 239}, {198, 207, 239}, {198, 207, 231}, {189, 203, 231}},
            {{255, 255, 255}, {206, 227, 255}, {198, 223, 255}, {189, 219, 255}},
        },
        {  // normal
            {{214, 227, 255}, {189, 203, 247}, {173, 195, 247}, {181, 199, 247}},
            {{231, 239, 255}, {222, 231, 255}, {222, 227, 255}, {222, 227, 247}},
            {{231, 235, 255}, {189, 207, 255}, {181, 203, 255}, {173, 203, 247}},
        },
    }},
};

// Applies `recolour` to every colour of `base`.
template <class Recolour>
constexpr Palette Recoloured(const Palette& base, Recolour recolour) {
  auto quad = [&](const Quad& q) {
    return Quad{recolour(q.topLeft), recolour(q.topRight), recolour(q.bottomLeft), recolour(q.bottomRight)};
  };
  Palette result = base;
  result.buttonBorder = recolour(base.buttonBorder);
  result.disabledButtonFace = recolour(base.disabledButtonFace);
  result.disabledCaption = recolour(base.disabledCaption);
  for (auto& q : result.buttonQuads) q = quad(q);
  result.boxFrame = recolour(base.boxFrame);
  result.chevron = recolour(base.chevron);
  result.disabledChevron = recolour(base.disabledChevron);
  for (auto& d : result.dropButton) d = {quad(d.outer), quad(d.corner), quad(d.inner)};
  return result;
}

// Olive: the blue look with its channels turned round (blue becomes green).
constexpr Palette kOlive = Recoloured(kBlue, [](Rgb c) { return Rgb{c.g, c.b, c.r}; });

// Silver: the blue look in grey, by luminance.
constexpr Palette kSilver = Recoloured(kBlue, [](Rgb c) {
  const auto grey = static_cast<std::uint8_t>((299 * c.r + 587 * c.g + 114 * c.b) / 1000);
  return Rgb{grey, grey, grey};
});

}  // namespace

const Palette& PaletteOf(int style) {
  switch (style) {
    case 2: return kOlive;
    case 3: return kSilver;
    default: return kBlue;
  }
}

}  // namespace tarnvel::skin
