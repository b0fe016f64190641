// The colour window, "Please select your preference": red, green and blue sliders with
// number boxes, a palette of 48 colours and the category's built-in default.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "state/editor.h"

namespace editor {

namespace chooser {
constexpr std::string_view kCaption = "Please select your preference";
constexpr ui::Rect kWindowRect{0, 0, 640, 440};

constexpr ui::ControlId kTitleLine = 1;
constexpr ui::ControlId kSampleCaption = 2;
constexpr ui::ControlId kSample = 3;
constexpr ui::ControlId kRedLabel = 10;  // green and blue follow
constexpr ui::ControlId kRedSlider = 20;
constexpr ui::ControlId kGreenSlider = 21;
constexpr ui::ControlId kBlueSlider = 22;
constexpr ui::ControlId kRedBox = 30;
constexpr ui::ControlId kGreenBox = 31;
constexpr ui::ControlId kBlueBox = 32;
constexpr ui::ControlId kSaveButton = 50;
constexpr ui::ControlId kDefaultButton = 51;
constexpr ui::ControlId kCancelButton = 52;
constexpr ui::ControlId kFirstPaletteButton = 100;  // row by row, 48 of them
}  // namespace chooser

struct ColourRequest {
  std::string colourText;       // the incoming colour in its text form, "000,000,255"
  std::string title;            // the category's label, shown on the title line
  ui::Colour categoryDefault = 0;  // what "Default" offers
};

// Runs the window modally; the colour made of the three boxes on "Save", nullopt on
// "Cancel" or the close box.
std::optional<ui::Colour> ChooseColour(Editor& editor, const ColourRequest& request);

}  // namespace editor
