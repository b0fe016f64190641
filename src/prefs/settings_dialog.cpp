#include "prefs/settings_dialog.h"

#include <array>
#include <string>

#include "base/bitmap_ids.h"
#include "base/control_ids.h"
#include "base/number_text.h"
#include "base/overloaded.h"
#include "base/settings_dialog_ids.h"
#include "model/colour_text.h"
#include "model/preference_lines.h"
#include "prefs/colour_chooser.h"
#include "prefs/colour_rows.h"
#include "prefs/preference_file.h"
#include "prefs/preferences_in_force.h"
#include "prefs/settings_dialog_layout.h"
#include "view/modal_dialog.h"
#include "view/notices.h"
#include "view/places_pane.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

namespace s = settings;

constexpr ui::Colour kStatusColour = ui::Rgb(192, 0, 0);

// Boxes of which at most one is ticked, and the main window's boxes that mirror them.
struct TickGroup {
  std::array<ui::ControlId, 3> boxes;
  std::array<ui::ControlId, 3> mainBoxes;
  std::size_t size;
};

constexpr TickGroup kExtentGroup{{s::kFindFirstBox, s::kFindAllBox, s::kFindLastBox}, {kFirstBox, kAllBox, kLastBox}, 3};
constexpr TickGroup kJoinGroup{{s::kAndBox, s::kOrBox, 0}, {kAndBox, kOrBox, 0}, 2};

const TickGroup* GroupOf(ui::ControlId id) {
  for (const TickGroup* group : {&kExtentGroup, &kJoinGroup})
    for (std::size_t i = 0; i < group->size; ++i)
      if (group->boxes[i] == id) return group;
  return nullptr;
}

std::string_view RestoreProblem(RestoreResult result) {
  switch (result) {
    case RestoreResult::kBackupMissing: return "The backup vorevav4DefaultsBackup.ini is missing: nothing was changed.";
    case RestoreResult::kBackupUnreadable: return "The backup vorevav4DefaultsBackup.ini cannot be read: nothing was changed.";
    case RestoreResult::kWriteFailed: return "vorevav4Defaults.ini could not be replaced: nothing was changed.";
    case RestoreResult::kRestored: break;
  }
  return {};
}

class SettingsDialog {
 public:
  explicit SettingsDialog(Editor& editor) : editor_(editor), prefs_(editor.prefs) {}

  void Run() {
    window_ = CreateDialogWindow(editor_.system,
                                 {std::string(kSettingsCaption), kSettingsRect, kSettingsBackground, kIconSettings});
    if (!window_) return;
    for (const ui::ControlSpec& control : SettingsDialogControls())
      if (!window_->CreateControl(control)) return;
    ShowValues();
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); });
  }

 private:
  ui::Window& W() { return *window_; }

  // Opening: every control shows the current value.
  void ShowValues() {
    for (const ui::ControlSpec& control : SettingsDialogControls())
      if (control.kind != ui::ControlKind::kImageButton && control.kind != ui::ControlKind::kPushButton &&
          control.kind != ui::ControlKind::kEdit)
        W().SetColours(control.id, prefs_.windowText, kSettingsBackground);
    W().SetColours(s::kStatusLine, kStatusColour, kSettingsBackground);
    for (const PreferenceLine& line : PreferenceLines())
      if (line.control != 0) ShowLine(line);
    W().SetChecked(s::kColorWordBox, !prefs_.colourWordIsColour);
    for (const ColourRow& row : ColourRows()) {
      W().SetText(row.swatch + s::kColourLabelOffset, ColourLabel(row.label, prefs_));
      PaintSwatch(row);
    }
  }

  void ShowLine(const PreferenceLine& line) {
    std::visit(Overloaded{
                   [&](bool EditorPreferences::*field) { W().SetChecked(line.control, prefs_.*field); },
                   [&](int EditorPreferences::*field) { W().SetText(line.control, std::to_string(prefs_.*field)); },
                   [&](ui::Colour EditorPreferences::*) {},  // painted with the unstored colours
                   [&](KeywordCase EditorPreferences::*field) {
                     W().SetChecked(s::kUppercaseButton + static_cast<int>(prefs_.*field) - 1, true);
                   },
                   [&](FontNameField) { W().SetText(line.control, prefs_.editorFont.face); },
                   [&](FontSizeField) { W().SetText(line.control, std::to_string(prefs_.editorFont.pointSize)); },
               },
               line.field);
  }

  // "Apply": the ticks, number boxes and key word case go into the preferences. The
  // colours, the colour word and the font were taken when they were chosen.
  void TakeLine(const PreferenceLine& line) {
    std::visit(Overloaded{
                   [&](bool EditorPreferences::*field) {
                     if (line.control != s::kColourWordBox) prefs_.*field = W().IsChecked(line.control);
                   },
                   [&](int EditorPreferences::*field) {
                     prefs_.*field = RoundedNumber(W().GetText(line.control), line.minimum, line.maximum);
                   },
                   [&](ui::Colour EditorPreferences::*) {},
                   [&](KeywordCase EditorPreferences::*field) { prefs_.*field = ChosenCase(); },
                   [&](FontNameField) {},
                   [&](FontSizeField) {},
               },
               line.field);
  }

  KeywordCase ChosenCase() {
    if (W().IsChecked(s::kLowercaseButton)) return KeywordCase::kLowercase;
    if (W().IsChecked(s::kAsTypedButton)) return KeywordCase::kAsTyped;
    return KeywordCase::kUppercase;
  }

  void PaintSwatch(const ColourRow& row) {
    const ui::Colour colour = prefs_.*row.field;
    W().SetColours(row.swatch, colour, colour);
  }

  void SetColourWord(bool colour) {
    prefs_.colourWordIsColour = colour;
    W().SetChecked(s::kColourWordBox, colour);
    W().SetChecked(s::kColorWordBox, !colour);
    for (const ColourRow& row : ColourRows())
      W().SetText(row.swatch + s::kColourLabelOffset, ColourLabel(row.relabel, prefs_));
  }

  void ChooseColourFor(const ColourRow& row) {
    const std::string title = W().GetText(row.swatch + s::kColourLabelOffset);
    W().Show(false);
    const std::optional<ui::Colour> chosen =
        ChooseColour(editor_, {ColourText(prefs_.*row.field), title, row.categoryDefault});
    if (chosen) {
      prefs_.*row.field = *chosen;
      PaintSwatch(row);
    }
    W().Show(true);
  }

  void ChangeFont() {
    const ui::FontSpec current = chosenFont_.value_or(prefs_.editorFont);
    std::optional<ui::FontSpec> font = editor_.system.FontDialog(W(), current);
    if (!font || font->face.empty()) return;
    chosenFont_ = ui::FontSpec{font->face, font->pointSize};  // weight normal, upright
    W().SetText(s::kFontNameValue, chosenFont_->face);
    W().SetText(s::kFontSizeValue, std::to_string(chosenFont_->pointSize));
  }

  // One box of a group ticked unticks the others; the preferences and the main window's
  // search bar follow the group.
  void TickInGroup(const TickGroup& group, ui::ControlId clicked) {
    const bool ticked = W().IsChecked(clicked);
    for (std::size_t i = 0; i < group.size; ++i) {
      const ui::ControlId box = group.boxes[i];
      if (ticked && box != clicked) W().SetChecked(box, false);
      const bool on = W().IsChecked(box);
      TakeSwitch(box, on);
      if (editor_.main) editor_.main->SetChecked(group.mainBoxes[i], on);
    }
  }

  void TakeSwitch(ui::ControlId box, bool on) {
    for (const PreferenceLine& line : PreferenceLines())
      if (line.control == box)
        if (auto field = std::get_if<bool EditorPreferences::*>(&line.field)) prefs_.**field = on;
  }

  void SetRememberPlaces(bool on) {
    prefs_.rememberPlaces = editor_.view.rememberPlaces = on;
    if (!on) {
      W().SetChecked(s::kAllowDuplicatesBox, false);
      SetAllowDuplicatePlaces(false);
    }
    ShowPlaceSwitches(editor_);
  }

  void SetAllowDuplicatePlaces(bool on) {
    prefs_.allowDuplicatePlaces = editor_.view.allowDuplicatePlaces = on;
    ShowPlaceSwitches(editor_);
  }

  void Apply() {
    if (chosenFont_) prefs_.editorFont = *chosenFont_;
    for (const PreferenceLine& line : PreferenceLines())
      if (line.control != 0) TakeLine(line);
    PutSettingsInForce(editor_);
    PutColoursInForce(editor_);
    const bool written = WritePreferenceFile(*editor_.files, editor_.folders.InRes(kPreferenceFileName), prefs_);
    W().SetText(s::kStatusLine, written ? std::string_view{}
                                        : "The settings could not be saved; they stay in force until the editor closes.");
  }

  void RestoreDefaults() {
    if (!AskConfirm(editor_, question::kRestoreDefaults)) return;
    const RestoreResult result = RestorePreferencesFromBackup(*editor_.files, editor_.folders);
    if (result != RestoreResult::kRestored) {
      W().SetText(s::kStatusLine, RestoreProblem(result));
      return;
    }
    ReadPreferenceFile(editor_.folders.InRes(kPreferenceFileName), prefs_);
    editor_.view.rememberPlaces = prefs_.rememberPlaces;
    editor_.view.allowDuplicatePlaces = prefs_.allowDuplicatePlaces;
    ShowPlaceSwitches(editor_);
    PutSettingsInForce(editor_);
    PutColoursInForce(editor_);
    RecolourVisible(editor_);
    W().Close();
  }

  void Cancel() {
    PutColoursInForce(editor_);
    RecolourVisible(editor_);
    W().Close();
  }

  // The close box: colours chosen meanwhile stay, and the main window shows its background.
  void CloseBox() {
    PutColoursInForce(editor_);
    W().Close();
  }

  void OnClick(ui::ControlId id) {
    if (const ColourRow* row = FindColourRow(id)) return ChooseColourFor(*row);
    if (const TickGroup* group = GroupOf(id)) return TickInGroup(*group, id);
    switch (id) {
      case s::kColourWordImage:
      case s::kColourWordBox: SetColourWord(true); break;
      case s::kColorWordImage:
      case s::kColorWordBox: SetColourWord(false); break;
      case s::kChangeFontButton: ChangeFont(); break;
      case s::kAutoCompleteBox:
        prefs_.autoCompleteKeywords = W().IsChecked(id);
        PutAutoCompleteInForce(editor_);
        break;
      case s::kRememberPlacesBox: SetRememberPlaces(W().IsChecked(id)); break;
      case s::kAllowDuplicatesBox: SetAllowDuplicatePlaces(W().IsChecked(id)); break;
      case s::kApplyButton: Apply(); break;
      case s::kDefaultsButton: RestoreDefaults(); break;
      case s::kCancelButton: Cancel(); break;
      default: break;
    }
  }

  int OnEvent(const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) {
      CloseBox();
    } else if (event.kind == ui::MessageKind::kControlNotify && event.notifyCode == ui::notify::kClick) {
      OnClick(event.controlId);
    }
    return 0;
  }

  Editor& editor_;
  EditorPreferences& prefs_;
  std::unique_ptr<ui::Window> window_;
  std::optional<ui::FontSpec> chosenFont_;
};

}  // namespace

void RunEditorSettings(Editor& editor) { SettingsDialog(editor).Run(); }

}  // namespace editor
