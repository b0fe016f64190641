#include "search/control_search_layout.h"

#include "base/bitmap_ids.h"
#include "view/dialog_controls.h"

namespace editor::control_search {

namespace {

using ui::ControlKind;

ui::ControlSpec Box(ui::ControlId id, ui::Rect rect, const char* text) {
  return DialogControl(ControlKind::kCheckBox, id, rect, text);
}

ui::ControlSpec Label(ui::ControlId id, ui::Rect rect, const char* text) {
  return DialogControl(ControlKind::kStatic, id, rect, text);
}

}  // namespace

std::vector<ui::ControlSpec> ControlSearchControls() {
  std::vector<ui::ControlSpec> c;
  c.push_back(Label(kNameLabel, {10, 14, 100, 20}, "Control name"));
  ui::ControlSpec help = DialogControl(ControlKind::kImageButton, kPageHelpButton, {700, 8, 28, 28});
  help.bitmapId = kBitmapOpenHelp;
  c.push_back(help);
  ui::ControlSpec name = DialogControl(ControlKind::kEdit, kNameBox, {112, 10, 220, 24});
  name.maxLength = 255;
  c.push_back(name);
  c.push_back(Box(kNameBeginsBox, {345, 12, 110, 22}, "Begins with"));
  c.push_back(Box(kInNameBox, {460, 12, 150, 22}, "In control name"));
  c.push_back(Box(kExcludeStaticsBox, {10, 42, 130, 22}, "Exclude statics"));
  c.push_back(Box(kGoToControlBox, {150, 42, 120, 22}, "Go to control"));
  c.push_back(Box(kGoToCaseBox, {275, 42, 110, 22}, "Go to case"));
  c.push_back(Box(kKeepOpenBox, {390, 42, 220, 22}, "Don't close on selection"));
  c.push_back(Label(kWindowFilterLabel, {10, 74, 100, 20}, "Windows"));
  c.push_back(DialogControl(ControlKind::kComboBox, kWindowFilter, {112, 70, 200, 300}));
  c.push_back(Label(kTypeLabel, {330, 74, 100, 20}, "Control types"));
  c.push_back(DialogControl(ControlKind::kComboBox, kTypeFilter, {432, 70, 200, 300}));
  c.push_back(DialogControl(ControlKind::kListView, kList, {10, 102, 720, 300}));
  c.push_back(Label(kStatus, {10, 408, 720, 20}, ""));
  c.push_back(Box(kFindWithWordsBox, {10, 434, 720, 22},
                  "Find control in the file together with optional key words or other optional words which you "
                  "can type here"));
  ui::ControlSpec words = DialogControl(ControlKind::kEdit, kExtraWordsBox, {10, 460, 500, 24});
  words.maxLength = 255;
  c.push_back(words);
  c.push_back(Box(kSavePlaceBox, {10, 490, 430, 22}, "Save the location when I go to it in my places"));
  c.push_back(DialogControl(ControlKind::kPushButton, kGroupsButton, {10, 520, 150, 28}, "My control groups"));
  c.push_back(DialogControl(ControlKind::kPushButton, kCreateCodeButton, {165, 520, 120, 28}, "Create Code"));
  c.push_back(DialogControl(ControlKind::kPushButton, kHideButton, {290, 520, 200, 28}, "Hide this screen for later"));
  c.push_back(DialogControl(ControlKind::kPushButton, kSendButton, {10, 556, 230, 28}, "Send details to clipboard"));
  c.push_back(Box(kCloseAfterSendBox, {250, 559, 320, 22}, "Close screen after sending to the clipboard"));
  c.push_back(DialogControl(ControlKind::kPushButton, kCloseButton, {630, 556, 100, 28}, "Close"));
  return c;
}

}  // namespace editor::control_search
