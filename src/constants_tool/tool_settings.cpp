#include "constants_tool/tool_settings.h"

#include <algorithm>
#include <charconv>
#include <functional>

#include "base/word_delimiters.h"

namespace constants_tool {

namespace {

constexpr std::size_t kLongestSearch = 200;
constexpr int kFarthest = 30000;  // beyond any desktop; keeps a garbage place off the screen's arithmetic

std::optional<int> WholeNumber(std::string_view text) {
  text = editor::Trimmed(text);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Calls `use` with the key and value of every "key=value" line.
void ForEachSetting(std::string_view text, const std::function<void(std::string_view, std::string_view)>& use) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = editor::Trimmed(text.substr(0, end));
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) use(editor::Trimmed(line.substr(0, equals)), line.substr(equals + 1));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

bool IsPrintable(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 32 && c != 127; });
}

}  // namespace

ToolSettings ReadToolSettings(std::string_view text) {
  ToolSettings settings;
  // Each part of the place on its own: a key given twice must not stand in for one missing.
  std::optional<int> left, top, width, height;
  const auto readPlace = [](std::string_view value, std::optional<int>& part, int minimum, int maximum) {
    const std::optional<int> number = WholeNumber(value);
    if (number && *number >= minimum && *number <= maximum) part = number;
  };
  ForEachSetting(text, [&](std::string_view key, std::string_view value) {
    if (key == "Search") {
      if (value.size() <= kLongestSearch && IsPrintable(value)) settings.search = std::string(editor::Trimmed(value));
    } else if (key == "Mode") {
      const std::optional<int> mode = WholeNumber(value);
      if (mode && *mode >= 0 && *mode < kMatchModeCount) settings.mode = static_cast<MatchMode>(*mode);
    } else if (key == "Left") {
      readPlace(value, left, -kFarthest, kFarthest);
    } else if (key == "Top") {
      readPlace(value, top, -kFarthest, kFarthest);
    } else if (key == "Width") {
      readPlace(value, width, 200, kFarthest);
    } else if (key == "Height") {
      readPlace(value, height, 150, kFarthest);
    }
  });
  if (left && top && width && height) settings.place = WindowPlace{*left, *top, *width, *height};
  return settings;
}

std::string ToolSettingsText(const ToolSettings& settings) {
  std::string text = "[Settings]\r\nSearch=" + settings.search + "\r\nMode=" +
                     std::to_string(static_cast<int>(settings.mode)) + "\r\n";
  if (settings.place) {
    text += "Left=" + std::to_string(settings.place->left) + "\r\nTop=" + std::to_string(settings.place->top) +
            "\r\nWidth=" + std::to_string(settings.place->width) + "\r\nHeight=" +
            std::to_string(settings.place->height) + "\r\n";
  }
  return text;
}

ListColumns DefaultColumns() { return {{{"Name", 260}, {"Decimal", 120}, {"Hexadecimal", 140}}}; }

ListColumns ReadColumns(std::string_view text) {
  ListColumns columns = DefaultColumns();
  ForEachSetting(text, [&](std::string_view key, std::string_view value) {
    const std::optional<int> number = WholeNumber(key);
    const std::size_t comma = value.rfind(',');
    if (!number || *number < 1 || *number > static_cast<int>(columns.size()) || comma == std::string_view::npos) return;
    const std::string_view title = editor::Trimmed(value.substr(0, comma));
    const std::optional<int> width = WholeNumber(value.substr(comma + 1));
    if (title.empty() || title.size() > 40 || !IsPrintable(title) || !width || *width < 20 || *width > 2000) return;
    columns[static_cast<std::size_t>(*number - 1)] = {std::string(title), *width};
  });
  return columns;
}

std::string ColumnsText(const ListColumns& columns) {
  std::string text;
  for (std::size_t i = 0; i < columns.size(); ++i)
    text += std::to_string(i + 1) + "=" + columns[i].title + "," + std::to_string(columns[i].width) + "\r\n";
  return text;
}

}  // namespace constants_tool
