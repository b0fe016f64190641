#include "model/colour_palette.h"

#include <array>

namespace editor {

namespace {

using ui::Rgb;

constexpr std::array<ui::Colour, kPaletteRows * kPaletteColumns> kPalette{
    Rgb(255, 125, 130), Rgb(255, 255, 115), Rgb(123, 255, 128), Rgb(5, 251, 126),
    Rgb(134, 251, 255), Rgb(0, 128, 255),   Rgb(255, 122, 188), Rgb(255, 124, 248),
    Rgb(255, 2, 0),     Rgb(254, 252, 17),  Rgb(128, 255, 0),   Rgb(13, 247, 72),
    Rgb(1, 253, 255),   Rgb(6, 127, 180),   Rgb(125, 128, 197), Rgb(251, 10, 247),
    Rgb(127, 63, 63),   Rgb(255, 128, 54),  Rgb(1, 255, 6),     Rgb(0, 130, 133),
    Rgb(0, 64, 139),    Rgb(128, 128, 252), Rgb(133, 0, 67),    Rgb(255, 0, 132),
    Rgb(128, 0, 0),     Rgb(241, 132, 13),  Rgb(3, 125, 4),     Rgb(0, 129, 54),
    Rgb(2, 0, 252),     Rgb(0, 9, 140),     Rgb(126, 1, 121),   Rgb(134, 0, 253),
    Rgb(60, 6, 0),      Rgb(139, 60, 0),    Rgb(4, 61, 8),      Rgb(1, 58, 69),
    Rgb(0, 0, 138),     Rgb(0, 0, 69),      Rgb(72, 0, 76),     Rgb(65, 0, 130),
    Rgb(0, 0, 0),       Rgb(128, 125, 12),  Rgb(129, 130, 62),  Rgb(128, 128, 128),
    Rgb(63, 129, 128),  Rgb(192, 192, 192), Rgb(60, 1, 65),     Rgb(255, 255, 255),
};

}  // namespace

std::span<const ui::Colour> PaletteColours() { return kPalette; }

}  // namespace editor
