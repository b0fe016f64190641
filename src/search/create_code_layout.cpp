#include "search/create_code_layout.h"

#include <string>
#include <tuple>

#include "base/bitmap_ids.h"
#include "view/dialog_controls.h"

namespace editor::create_code {

namespace {

using ui::ControlKind;

ui::ControlSpec Box(ui::ControlId id, ui::Rect rect, const std::string& text) {
  return DialogControl(ControlKind::kCheckBox, id, rect, text);
}

ui::ControlSpec Label(ui::ControlId id, ui::Rect rect, const std::string& text, bool visible = true) {
  ui::ControlSpec desc = DialogControl(ControlKind::kStatic, id, rect, text);
  desc.visible = visible;
  return desc;
}

ui::ControlSpec Input(ui::ControlId id, ui::Rect rect, const std::string& text = {}) {
  ui::ControlSpec desc = DialogControl(ControlKind::kEdit, id, rect, text);
  desc.maxLength = 255;
  desc.visible = false;
  return desc;
}

}  // namespace

std::vector<OptionInputs> InputsOfOptions() {
  return {{kFontBox, {kFontLabel}},
          {kColoursBox, {kColoursLabel, kForegroundBox, kBackgroundBox}},
          {kSendMessageBox, {kSendMessageLabel, kMessageBox, kWBox, kLParamBox}},
          {kCommandBox, {kCommandLabel, kCommandMessageBox}},
          {kPatternOptionBox, {kPatternBox}}};
}

std::vector<ui::ControlSpec> CreateCodeControls(const char* colourWord) {
  std::vector<ui::ControlSpec> c;
  c.push_back(Label(kTitle, {10, 8, 680, 22}, ""));
  ui::ControlSpec help = DialogControl(ControlKind::kImageButton, kPageHelpButton, {700, 4, 28, 28});
  help.bitmapId = kBitmapOpenHelp;
  c.push_back(help);
  c.push_back(Label(kWindowLabel, {10, 40, 60, 20}, "Window"));
  c.push_back(DialogControl(ControlKind::kComboBox, kWindowFilter, {75, 36, 180, 300}));
  c.push_back(Label(kTypeLabel, {270, 40, 90, 20}, "Control type"));
  c.push_back(DialogControl(ControlKind::kComboBox, kTypeFilter, {365, 36, 160, 300}));
  c.push_back(Label(kNameLabel, {10, 70, 100, 20}, "Control name"));
  ui::ControlSpec name = DialogControl(ControlKind::kEdit, kNameBox, {112, 66, 200, 24});
  name.maxLength = 255;
  c.push_back(name);
  c.push_back(Box(kNameBeginsBox, {320, 68, 110, 22}, "Begins with"));
  c.push_back(Box(kInNameBox, {435, 68, 140, 22}, "In control name"));
  c.push_back(Box(kExcludeStaticsBox, {580, 68, 140, 22}, "Exclude statics"));

  c.push_back(Box(kShowBox, {10, 102, 170, 22}, "@SHSHOW"));
  c.push_back(Box(kHideBox, {10, 126, 170, 22}, "@SWHIDE"));
  c.push_back(Box(kStateOnBox, {10, 150, 170, 22}, "SETSTATE 1"));
  c.push_back(Box(kStateOffBox, {10, 174, 170, 22}, "SETSTATE 0"));
  c.push_back(Box(kEnableBox, {10, 198, 170, 22}, "ENABLECONTROL 1"));
  c.push_back(Box(kDisableBox, {10, 222, 170, 22}, "ENABLECONTROL 0"));
  c.push_back(Box(kFontBox, {190, 102, 110, 22}, "SETFONT"));
  c.push_back(Label(kFontLabel, {305, 104, 300, 20}, "", false));
  c.push_back(Box(kColoursBox, {190, 126, 190, 22}, "SETCONTROLCOLOR"));
  c.push_back(Label(kColoursLabel, {385, 128, 300, 20},
                    std::string("Foreground && background ") + colourWord + "s", false));
  c.push_back(Input(kForegroundBox, {190, 150, 160, 22}));
  c.push_back(Input(kBackgroundBox, {355, 150, 160, 22}));
  c.push_back(Box(kSendMessageBox, {190, 176, 140, 22}, "SENDMESSAGE"));
  c.push_back(Label(kSendMessageLabel, {335, 178, 200, 20}, "Message, w , lParam", false));
  c.push_back(Input(kMessageBox, {190, 200, 160, 22}));
  c.push_back(Input(kWBox, {355, 200, 90, 22}));
  c.push_back(Input(kLParamBox, {450, 200, 90, 22}));
  c.push_back(Box(kCommandBox, {190, 226, 140, 22}, "CONTROLCMD"));
  c.push_back(Label(kCommandLabel, {335, 228, 100, 20}, "Message", false));
  c.push_back(Input(kCommandMessageBox, {190, 250, 160, 22}));
  c.push_back(Box(kPatternOptionBox, {190, 276, 220, 22}, "User defined command"));
  c.push_back(Input(kPatternBox, {190, 300, 330, 22}, "MaskEditControl(w*,c*,Something)"));

  // Smaller type: the window has no wider room for the first one's long text.
  for (const auto& [id, y, text] : {std::tuple{kByWindowButton, 226, "Filter by window && control type"},
                                    std::tuple{kByGroupButton, 256, "Filter by a group of controls"},
                                    std::tuple{kChangeGroupButton, 286, "Change group"}}) {
    c.push_back(DialogControl(ControlKind::kPushButton, id, {538, y, 198, 26}, text));
    c.back().font = ui::FontSpec{"Arial", 10};
  }
  ui::ControlSpec list = DialogControl(ControlKind::kListView, kList, {10, 332, 720, 270});
  list.checkBoxes = true;
  list.rowClickTicks = true;
  list.gridLines = true;
  c.push_back(list);
  c.push_back(DialogControl(ControlKind::kPushButton, kSelectAllButton, {10, 612, 90, 28}, "Select all"));
  c.push_back(DialogControl(ControlKind::kPushButton, kClearAllButton, {105, 612, 90, 28}, "Clear all"));
  c.push_back(DialogControl(ControlKind::kPushButton, kSendButton, {200, 612, 150, 28}, "Send to clipboard"));
  c.push_back(Box(kCloseAfterSendBox, {360, 615, 250, 22}, "Close after sending to clipboard"));
  c.push_back(DialogControl(ControlKind::kPushButton, kCloseButton, {630, 612, 100, 28}, "Close"));
  return c;
}

std::vector<ui::ControlId> ColouredControls() {
  return {kTitle,     kWindowLabel, kTypeLabel,       kNameLabel,    kNameBeginsBox,  kInNameBox,  kExcludeStaticsBox,
          kShowBox,   kHideBox,     kStateOnBox,      kStateOffBox,  kEnableBox,      kDisableBox, kFontBox,
          kFontLabel, kColoursBox,  kColoursLabel,    kSendMessageBox, kSendMessageLabel, kCommandBox, kCommandLabel,
          kPatternOptionBox, kCloseAfterSendBox};
}

}  // namespace editor::create_code
