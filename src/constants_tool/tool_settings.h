// What the constants tool keeps between runs, in the two small files beside it: the last
// search, match mode and window place ("Dozevuzezurodov.ini"), and the list's column titles
// and widths ("Dozevuzezurodov.txt", lines such as "1=Name,260", which users may edit).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "constants_tool/constant_list.h"

namespace constants_tool {

struct WindowPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ToolSettings {
  std::string search;
  MatchMode mode = MatchMode::kNameContains;
  std::optional<WindowPlace> place;  // none: Windows places the window
};

// Unknown keys, garbage and out-of-range numbers fall back to the defaults one by one.
ToolSettings ReadToolSettings(std::string_view text);
std::string ToolSettingsText(const ToolSettings& settings);

struct ListColumn {
  std::string title;
  int width = 0;
};
using ListColumns = std::array<ListColumn, 3>;  // name, decimal, hexadecimal

ListColumns DefaultColumns();
// A line that does not read as "n=Title,width" for n of 1 to 3 leaves that column as it was.
ListColumns ReadColumns(std::string_view text);
std::string ColumnsText(const ListColumns& columns);

}  // namespace constants_tool
