#include "view/panel_switches.h"

#include "base/bitmap_ids.h"
#include "base/control_ids.h"
#include "view/edit_position_panel.h"

namespace editor {

namespace {

constexpr int kLayoutWidth = 1297;  // the right edge the edit area and its scroll bar work from
constexpr int kEditorX = 119;
constexpr int kEditorY = 100;
constexpr int kEdgeButton = 15;

void ShowDebugFields(ui::Window& window, bool visible) {
  for (ui::ControlId id = kDebugLineField; id <= kSquareBracketField; ++id) window.ShowControl(id, visible);
}

}  // namespace

void StartSwitchesFromPreferences(Editor& editor) {
  ViewState& view = editor.view;
  view.jumpToSelections = editor.prefs.autoJumpToSelections;
  view.rememberPlaces = editor.prefs.rememberPlaces;
  view.allowDuplicatePlaces = editor.prefs.allowDuplicatePlaces;
  view.autoComplete = editor.prefs.autoCompleteKeywords;
  ui::Window& window = *editor.main;
  window.SetChecked(kJumpToSelectionsBox, view.jumpToSelections);
  window.SetChecked(kRememberPlacesBox, view.rememberPlaces);
  window.SetChecked(kAllowDuplicatePlacesBox, view.allowDuplicatePlaces);
  window.SetChecked(kBeginsWithBox, true);
  window.SetChecked(kWordsBox, true);
  window.SetChecked(kFirstBox, editor.prefs.findFirst);
  window.SetChecked(kAllBox, editor.prefs.findAll);
  window.SetChecked(kLastBox, editor.prefs.findLast);
  window.SetChecked(kAndBox, editor.prefs.joinAnd);
  window.SetChecked(kOrBox, editor.prefs.joinOr);
  window.SetImage(kAutoCompleteButton, view.autoComplete ? kBitmapAutoCompleteOn : kBitmapAutoCompleteOff);
  ShowEditPositionPanel(editor, editor.prefs.showEditCoordinates);
}

void ToggleDebugPanel(Editor& editor) {
  ui::Window& window = *editor.main;
  const bool shown = editor.view.debugPanelShown = !editor.view.debugPanelShown;
  const int height = editor.metrics.gutterHeight;
  ShowDebugFields(window, shown);
  if (shown) {
    window.MoveControl(kEditor, {kEditorX, kEditorY, kLayoutWidth - 400, height});
    window.MoveControl(kLineScrollBar, {kLayoutWidth - 280, kEditorY, 15, height});
    window.MoveControl(kFirstLineButton, {kLayoutWidth - 280, 80, kEdgeButton, kEdgeButton});
    window.MoveControl(kLastLineButton, {kLayoutWidth - 280, height + 103, kEdgeButton, kEdgeButton});
  } else {
    window.MoveControl(kEditor, {kEditorX, kEditorY, kLayoutWidth - 109, height});
    window.MoveControl(kLineScrollBar, {kLayoutWidth + 10, kEditorY, 15, height});
    window.MoveControl(kFirstLineButton, {kLayoutWidth + 10, 80, kEdgeButton, kEdgeButton});
    window.MoveControl(kLastLineButton, {kLayoutWidth + 10, height + 105, kEdgeButton, kEdgeButton});
  }
  window.FocusWindow();
}

void ToggleEditPositionPanel(Editor& editor) {
  ShowEditPositionPanel(editor, !editor.view.editPositionShown);
  if (const ui::RichEdit* edit = editor.main->Edit(kEditor)) ShowEditPosition(editor, *edit);
  editor.main->FocusWindow();
}

void ToggleJumpToSelections(Editor& editor) {
  editor.view.jumpToSelections = !editor.view.jumpToSelections;
  editor.main->SetChecked(kJumpToSelectionsBox, editor.view.jumpToSelections);
  editor.main->FocusWindow();
}

void ToggleAutoComplete(Editor& editor) {
  const bool on = editor.view.autoComplete = !editor.view.autoComplete;
  editor.main->SetTooltip(kAutoCompleteButton,
                          on ? "Turn auto complete of key words off" : "Turn auto complete of key words on");
  editor.main->SetImage(kAutoCompleteButton, on ? kBitmapAutoCompleteOn : kBitmapAutoCompleteOff);
  if (!on) editor.main->ShowControl(kAutoCompleteList, false);
}

namespace {

using ui::notify::kClick;

constexpr ControlCommand kControlRows[] = {
    {kLineDebugButton, kClick, Call<ToggleDebugPanel>},
    {kShowEditPositionBox, kClick, Call<ToggleEditPositionPanel>},
    {kJumpToSelectionsBox, kClick, Call<ToggleJumpToSelections>},
    {kAutoCompleteButton, kClick, Call<ToggleAutoComplete>},
};

}  // namespace

CommandRows PanelSwitchCommands() { return {kControlRows, {}}; }

}  // namespace editor
