// The text form in which the colour window receives and shows a colour: red, green and
// blue as three-digit decimals separated by commas, so pure blue reads "000,000,255".
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

namespace editor {

std::string ColourText(ui::Colour colour);

// Reads the three numbers back from positions 1, 5 and 9 (three characters each); a part
// that is missing or not a number reads 0, and one above 255 reads 255.
ui::Colour ColourFromText(std::string_view text);

}  // namespace editor
