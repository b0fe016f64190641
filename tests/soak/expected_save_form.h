// What a saved file should hold for a text, worked out here on its own so that the soak
// test does not check the saver against itself.
#pragma once

#include <string>
#include <string_view>

namespace editor::soak {

// Each line (CR LF, LF or CR breaks) ended by CR LF, the last one too, a break that ends
// the text making no further line; with `lowerHex`, each line's first "0X" literal outside
// the line's first pair of double quotes lower-cased up to the next separator.
std::string ExpectedSaveForm(std::string_view text, bool lowerHex);

}  // namespace editor::soak
