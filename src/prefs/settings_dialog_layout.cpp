#include "prefs/settings_dialog_layout.h"

#include <array>

#include "base/bitmap_ids.h"
#include "base/settings_dialog_ids.h"
#include "prefs/colour_rows.h"
#include "view/dialog_controls.h"

namespace editor {

namespace {

using namespace settings;
using ui::ControlKind;

constexpr int kLeft = 20;
constexpr int kRight = 320;
constexpr int kColumnWidth = 280;
constexpr int kFullWidth = kRight + kColumnWidth - kLeft;
constexpr int kRowHeight = 22;
constexpr int kRowStep = 26;
constexpr int kSwatchSize = 22;
constexpr int kSwatchGap = 8;

// The bands from top to bottom.
constexpr int kTopRow = 14;
constexpr int kColourTop = 106;
constexpr int kSwitchTop = kColourTop + kColourRowsPerColumn * kRowStep + 14;
constexpr int kSwitchRowsPerColumn = 5;
constexpr int kLongSwitchTop = kSwitchTop + kSwitchRowsPerColumn * kRowStep;
constexpr int kNumberTop = kLongSwitchTop + kRowStep + 10;
constexpr int kPresetTop = kNumberTop + kRowStep + 10;
constexpr int kButtonTop = kPresetTop + kRowStep + 14;
constexpr int kStatusTop = kButtonTop + 36;

struct Switch {
  ControlId id;
  std::string_view text;
};

// Left column, then right column.
constexpr std::array<Switch, 10> kSwitches{{
    {kAutoJumpBox, "Auto jump to selections"},
    {kConfirmationsBox, "Show confirmation messages"},
    {kSaveFilesOnExitBox, "Save files when closing editor"},
    {kSaveFileOnCloseBox, "Save file when closing"},
    {kTooltipsBox, "Show tooltips"},
    {kAutoCompleteBox, "Auto complete key words"},
    {kProgramDebugBox, "Program debug"},
    {kEditCoordinatesBox, "Show edit coordinates"},
    {kRememberPlacesBox, "Remember places"},
    {kAllowDuplicatesBox, "Allow duplicate places"},
}};

ui::ControlSpec Make(ControlKind kind, ControlId id, ui::Rect rect, std::string_view text = {}) {
  ui::ControlSpec desc = DialogControl(kind, id, rect, text);
  if (kind == ControlKind::kStatic) desc.verticallyCentred = true;
  return desc;
}

ui::ControlSpec Image(ControlId id, ui::Rect rect, int bitmapId) {
  ui::ControlSpec desc = Make(ControlKind::kImageButton, id, rect);
  desc.bitmapId = bitmapId;
  return desc;
}

void AddColourWordAndFont(std::vector<ui::ControlSpec>& controls) {
  controls.push_back(Image(kColourWordImage, {kLeft, kTopRow - 3, 28, 28}, kBitmapColourWordColour));
  controls.push_back(Make(ControlKind::kCheckBox, kColourWordBox, {kLeft + 34, kTopRow, 90, kRowHeight}, "colour"));
  controls.push_back(Image(kColorWordImage, {kLeft + 140, kTopRow - 3, 28, 28}, kBitmapColourWordColor));
  controls.push_back(Make(ControlKind::kCheckBox, kColorWordBox, {kLeft + 174, kTopRow, 90, kRowHeight}, "color"));

  controls.push_back(Make(ControlKind::kStatic, kFontNameLabel, {kRight, kTopRow, 90, kRowHeight}, "Font name"));
  controls.push_back(Make(ControlKind::kStatic, kFontNameValue, {kRight + 90, kTopRow, 190, kRowHeight}));
  controls.push_back(Make(ControlKind::kStatic, kFontSizeLabel, {kRight, kTopRow + 28, 90, kRowHeight}, "Font size"));
  controls.push_back(Make(ControlKind::kStatic, kFontSizeValue, {kRight + 90, kTopRow + 28, 50, kRowHeight}));
  controls.push_back(
      Make(ControlKind::kPushButton, kChangeFontButton, {kRight + 160, kTopRow + 26, 120, 26}, "Change font"));
}

void AddKeywordCase(std::vector<ui::ControlSpec>& controls) {
  const int labelTop = kTopRow + 28;
  const int buttonTop = labelTop + kRowStep;
  controls.push_back(Make(ControlKind::kStatic, kKeywordCaseLabel, {kLeft, labelTop, 120, kRowHeight}, "Key words"));
  controls.push_back(Make(ControlKind::kRadioButton, kUppercaseButton, {kLeft, buttonTop, 98, kRowHeight}, "Uppercase"));
  controls.push_back(
      Make(ControlKind::kRadioButton, kLowercaseButton, {kLeft + 100, buttonTop, 98, kRowHeight}, "Lowercase"));
  controls.push_back(Make(ControlKind::kRadioButton, kAsTypedButton, {kLeft + 200, buttonTop, 90, kRowHeight}, "As typed"));
}

void AddColourRows(std::vector<ui::ControlSpec>& controls) {
  int index = 0;
  for (const ColourRow& row : ColourRows()) {
    const int x = index < kColourRowsPerColumn ? kLeft : kRight;
    const int y = kColourTop + (index % kColourRowsPerColumn) * kRowStep;
    controls.push_back(Make(ControlKind::kStatic, row.swatch, {x, y, kSwatchSize, kSwatchSize}));
    const int labelX = x + kSwatchSize + kSwatchGap;
    controls.push_back(Make(ControlKind::kStatic, row.swatch + kColourLabelOffset,
                            {labelX, y, kColumnWidth - (labelX - x), kRowHeight}));
    ++index;
  }
}

void AddSwitches(std::vector<ui::ControlSpec>& controls) {
  int index = 0;
  for (const Switch& item : kSwitches) {
    const int x = index < kSwitchRowsPerColumn ? kLeft : kRight;
    const int y = kSwitchTop + (index % kSwitchRowsPerColumn) * kRowStep;
    controls.push_back(Make(ControlKind::kCheckBox, item.id, {x, y, kColumnWidth, kRowHeight}, item.text));
    ++index;
  }
  controls.push_back(Make(ControlKind::kCheckBox, kCloseSubSearchBox, {kLeft, kLongSwitchTop, kFullWidth, kRowHeight},
                          "Close subroutine search window when a selection is made"));
}

void AddNumberBoxes(std::vector<ui::ControlSpec>& controls) {
  controls.push_back(Make(ControlKind::kStatic, kWheelLinesLabel, {kLeft, kNumberTop, 340, kRowHeight},
                          "Number of lines to scroll with the mouse wheel"));
  controls.push_back(Make(ControlKind::kEdit, kWheelLinesBox, {kLeft + 344, kNumberTop - 1, 44, 24}));
  controls.push_back(Make(ControlKind::kStatic, kTabSpacingLabel, {kRight + 130, kNumberTop, 100, kRowHeight},
                          "Tab spacing"));
  controls.push_back(Make(ControlKind::kEdit, kTabSpacingBox, {kRight + 236, kNumberTop - 1, 44, 24}));
}

void AddSearchPresets(std::vector<ui::ControlSpec>& controls) {
  controls.push_back(Make(ControlKind::kCheckBox, kFindFirstBox, {kLeft, kPresetTop, 96, kRowHeight}, "Find First"));
  controls.push_back(Make(ControlKind::kCheckBox, kFindAllBox, {kLeft + 100, kPresetTop, 90, kRowHeight}, "Find All"));
  controls.push_back(Make(ControlKind::kCheckBox, kFindLastBox, {kLeft + 194, kPresetTop, 96, kRowHeight}, "Find Last"));
  controls.push_back(Make(ControlKind::kCheckBox, kAndBox, {kRight, kPresetTop, 70, kRowHeight}, "And"));
  controls.push_back(Make(ControlKind::kCheckBox, kOrBox, {kRight + 80, kPresetTop, 70, kRowHeight}, "Or"));
}

void AddButtons(std::vector<ui::ControlSpec>& controls) {
  const int width = 110;
  const int right = kRight + kColumnWidth;
  controls.push_back(Make(ControlKind::kPushButton, kApplyButton, {right - 3 * width - 20, kButtonTop, width, 30}, "Apply"));
  controls.push_back(
      Make(ControlKind::kPushButton, kDefaultsButton, {right - 2 * width - 10, kButtonTop, width, 30}, "Defaults"));
  controls.push_back(Make(ControlKind::kPushButton, kCancelButton, {right - width, kButtonTop, width, 30}, "Cancel"));
  controls.push_back(Make(ControlKind::kStatic, kStatusLine, {kLeft, kStatusTop, kFullWidth, kRowHeight}));
}

}  // namespace

std::vector<ui::ControlSpec> SettingsDialogControls() {
  std::vector<ui::ControlSpec> controls;
  AddColourWordAndFont(controls);
  AddKeywordCase(controls);
  AddColourRows(controls);
  AddSwitches(controls);
  AddNumberBoxes(controls);
  AddSearchPresets(controls);
  AddButtons(controls);
  return controls;
}

}  // namespace editor
