#include "search/results_window_layout.h"

#include "base/bitmap_ids.h"
#include "view/dialog_controls.h"

namespace editor::results_window {

namespace {

using ui::ControlKind;

ui::ControlSpec Hidden(ui::ControlSpec desc) {
  desc.visible = false;
  return desc;
}

ui::ControlSpec Image(ui::ControlId id, ui::Rect rect, int bitmapId, bool visible = true) {
  ui::ControlSpec desc = DialogControl(ControlKind::kImageButton, id, rect);
  desc.bitmapId = bitmapId;
  desc.visible = visible;
  return desc;
}

ui::ControlSpec Box(ui::ControlId id, ui::Rect rect, const char* text) {
  return DialogControl(ControlKind::kCheckBox, id, rect, text);
}

ui::ControlSpec Entry(ui::ControlId id, ui::Rect rect, bool visible) {
  ui::ControlSpec desc = DialogControl(ControlKind::kEdit, id, rect);
  desc.maxLength = 255;
  desc.visible = visible;
  return desc;
}

}  // namespace

std::vector<ui::ControlSpec> ResultsWindowControls() {
  std::vector<ui::ControlSpec> c;
  ui::ControlSpec list = DialogControl(ControlKind::kListView, kList, {10, 10, 770, 312});
  list.checkBoxes = true;
  list.rowClickTicks = true;
  c.push_back(list);

  c.push_back(Hidden(DialogControl(ControlKind::kStatic, kFilterLabel, {10, 334, 60, 20}, "Filter by")));
  c.push_back(Hidden(DialogControl(ControlKind::kComboBox, kFilterCombo, {72, 330, 250, 240})));
  c.push_back(Box(kGoToBox, {340, 332, 170, 22}, "Go to selected line"));
  c.push_back(Hidden(DialogControl(ControlKind::kPushButton, kReplaceToggle, {520, 329, 90, 26}, "Replace")));
  c.push_back(Image(kPauseButton, {630, 329, 26, 26}, kBitmapPauseSearch, false));
  c.push_back(Image(kStopButton, {662, 329, 26, 26}, kBitmapStopSearch, false));
  c.push_back(DialogControl(ControlKind::kStatic, kStatus, {10, 364, 770, 20}, "Searching..."));

  ui::ControlSpec findText = Entry(kFindText, {220, 388, 220, 24}, false);
  findText.reportsKeys = true;  // Tab moves on to the replacement
  c.push_back(findText);
  c.push_back(Hidden(DialogControl(ControlKind::kStatic, kWithLabel, {448, 391, 40, 20}, "With")));
  c.push_back(Entry(kWithText, {490, 388, 180, 24}, false));
  c.push_back(Hidden(DialogControl(ControlKind::kPushButton, kReplaceNowButton, {678, 387, 102, 26}, "Replace now")));

  c.push_back(DialogControl(ControlKind::kStatic, kModeLabel, {10, 428, 100, 20}, "Find exact"));
  c.push_back(Entry(kSearchBox, {112, 425, 330, 24}, true));
  c.push_back(Image(kSearchButton, {450, 425, 26, 26}, kBitmapFindAndReplace));
  c.push_back(Image(kClearButton, {480, 425, 26, 26}, kBitmapClearFind));
  c.push_back(Box(kExactModeBox, {112, 460, 100, 22}, "Find exact"));
  c.push_back(Box(kWordsModeBox, {216, 460, 120, 22}, "Specific words"));
  c.push_back(Box(kFirstExtentBox, {350, 460, 60, 22}, "First"));
  c.push_back(Box(kAllExtentBox, {412, 460, 50, 22}, "All"));
  c.push_back(Box(kLastExtentBox, {466, 460, 56, 22}, "Last"));
  c.push_back(Hidden(Box(kAndJoinBox, {540, 460, 56, 22}, "And")));
  c.push_back(Hidden(Box(kOrJoinBox, {600, 460, 50, 22}, "Or")));
  c.push_back(Hidden(DialogControl(ControlKind::kListBox, kSuggestionList, {112, 486, 330, 66})));

  c.push_back(Hidden(DialogControl(ControlKind::kPushButton, kSelectAllButton, {10, 556, 100, 28}, "Select All")));
  c.push_back(Hidden(DialogControl(ControlKind::kPushButton, kClearAllButton, {116, 556, 100, 28}, "Clear All")));
  c.push_back(Hidden(
      DialogControl(ControlKind::kPushButton, kCopyButton, {222, 556, 220, 28}, "Copy selected to clipboard")));
  c.push_back(Hidden(Box(kIncludeNamesBox, {450, 559, 180, 22}, "Include subs / windows")));
  c.push_back(DialogControl(ControlKind::kPushButton, kCloseButton, {680, 556, 100, 28}, "Close"));
  return c;
}

}  // namespace editor::results_window
