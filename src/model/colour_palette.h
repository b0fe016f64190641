// The colour window's palette: 48 colours in 6 rows of 8.
#pragma once

#include <span>

#include "platform/types.h"

namespace editor {

constexpr int kPaletteRows = 6;
constexpr int kPaletteColumns = 8;

// Row by row, left to right.
std::span<const ui::Colour> PaletteColours();

}  // namespace editor
