#include "model/colour_text.h"

#include <cstdio>

#include "base/number_text.h"

namespace editor {

namespace {

constexpr std::size_t kPartLength = 3;
constexpr std::size_t kRedAt = 0;  // 0-based: the form's positions 1, 5 and 9
constexpr std::size_t kGreenAt = 4;
constexpr std::size_t kBlueAt = 8;

int PartAt(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  return RoundedNumber(text.substr(at, kPartLength), 0, 255);
}

}  // namespace

std::string ColourText(ui::Colour colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d,%03d,%03d", ui::RedOf(colour), ui::GreenOf(colour), ui::BlueOf(colour));
  return text;
}

ui::Colour ColourFromText(std::string_view text) {
  return ui::Rgb(PartAt(text, kRedAt), PartAt(text, kGreenAt), PartAt(text, kBlueAt));
}

}  // namespace editor
