#include "navigation/places_commands.h"

#include "base/control_ids.h"
#include "view/places_pane.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

// Back, forward and a pick: the line box, the caret at the line's start, the editor
// focused; the list shows the current place and the arrows where they can go.
void GoToPlace(Editor& editor, LineNumber line) {
  GoToLine(editor, line);
  ShowPlaceButtons(editor);
}

}  // namespace

void AddPlaceCommand(Editor& editor) { AddPlace(editor, CurrentPlace(editor), false); }

void GoBackCommand(Editor& editor) {
  if (const std::optional<LineNumber> line = editor.places.Back()) GoToPlace(editor, *line);
}

void GoForwardCommand(Editor& editor) {
  if (const std::optional<LineNumber> line = editor.places.Forward()) GoToPlace(editor, *line);
}

void OnPlaceChosen(Editor& editor) {
  if (!editor.main || editor.view.loading) return;
  const int chosen = editor.main->ListSelected(kPlacesCombo);
  if (chosen < 0 || chosen >= editor.places.Count()) return;
  const LineNumber line = editor.places.Lines()[static_cast<std::size_t>(chosen)];
  AddPlace(editor, CurrentPlace(editor), true);
  GoToLine(editor, line);
  // The place picked is where stepping goes on from, unless the jump recorded a new one.
  if (!AddPlace(editor, CurrentPlace(editor), true)) editor.places.Pick(chosen);
  ShowPlaceButtons(editor);
}

void RemovePlaceCommand(Editor& editor) {
  if (!editor.main) return;
  const int chosen = editor.main->ListSelected(kPlacesCombo);
  // Nothing chosen: nothing is removed, and the counts stay as they are.
  if (chosen < 0 || chosen >= editor.places.Count()) return;
  editor.places.Remove(chosen);
  editor.main->ListDelete(kPlacesCombo, chosen);
  ShowPlaceButtons(editor);
}

void ClearPlacesCommand(Editor& editor) {
  editor.places.Clear();
  ShowPlaces(editor);
}

void OnRememberPlacesBox(Editor& editor) {
  if (!editor.main) return;
  const bool on = editor.main->IsChecked(kRememberPlacesBox);
  editor.view.rememberPlaces = editor.view.allowDuplicatePlaces = on;
  ShowPlaceSwitches(editor);
  editor.main->FocusWindow();
}

void OnAllowDuplicatePlacesBox(Editor& editor) {
  if (!editor.main) return;
  const bool on = editor.main->IsChecked(kAllowDuplicatePlacesBox);
  editor.view.allowDuplicatePlaces = on;
  if (on) editor.view.rememberPlaces = true;
  ShowPlaceSwitches(editor);
  editor.main->FocusWindow();
}

namespace {

using ui::notify::kClick;
using ui::notify::kSelectionChanged;

constexpr ControlCommand kControlRows[] = {
    {kAddPlaceButton, kClick, Call<AddPlaceCommand>},
    {kGoBackButton, kClick, Call<GoBackCommand>},
    {kGoForwardButton, kClick, Call<GoForwardCommand>},
    {kPlacesCombo, kSelectionChanged, Call<OnPlaceChosen>},
    {kRemovePlaceButton, kClick, Call<RemovePlaceCommand>},
    {kClearPlacesButton, kClick, Call<ClearPlacesCommand>},
    {kRememberPlacesBox, kClick, Call<OnRememberPlacesBox>},
    {kAllowDuplicatePlacesBox, kClick, Call<OnAllowDuplicatePlacesBox>},
};

}  // namespace

CommandRows PlacesCommands() { return {kControlRows, {}}; }

}  // namespace editor
