// The font families installed on this machine.
#pragma once

#include <string>
#include <vector>

namespace win32 {

// Sorted, each family once.
std::vector<std::string> EnumerateFontFamilies();

}  // namespace win32
