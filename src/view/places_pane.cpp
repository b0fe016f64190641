#include "view/places_pane.h"

#include "base/control_ids.h"
#include "base/number_text.h"
#include "view/controls_redraw_off.h"
#include "view/edit_lines.h"
#include "view/notices.h"

namespace editor {

namespace {

void SelectCurrentPlace(Editor& editor) {
  const int position = editor.places.Position();
  editor.main->ListSelect(kPlacesCombo, position - 1);
}

}  // namespace

void ShowPlaces(Editor& editor) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  {
    const ControlsRedrawOff drawnOnce(window, {kPlacesCombo});
    window.ListClear(kPlacesCombo);
    for (const LineNumber line : editor.places.Lines()) window.ListAdd(kPlacesCombo, std::to_string(line.Value()));
  }
  ShowPlaceButtons(editor);
}

void ShowPlaceButtons(Editor& editor) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  const PlacesHistory& places = editor.places;
  SelectCurrentPlace(editor);
  for (ui::ControlId id : {kPlacesCombo, kRemovePlaceButton, kClearPlacesButton})
    window.ShowControl(id, places.Count() > 0);
  window.ShowControl(kGoBackButton, places.CanGoBack());
  window.ShowControl(kGoBackUnavailable, !places.CanGoBack());
  window.ShowControl(kGoForwardButton, places.CanGoForward());
  window.ShowControl(kGoForwardUnavailable, !places.CanGoForward());
  ShowPlaceSwitches(editor);
}

void ShowPlaceSwitches(Editor& editor) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  window.SetChecked(kRememberPlacesBox, editor.view.rememberPlaces);
  window.SetChecked(kAllowDuplicatePlacesBox, editor.view.allowDuplicatePlaces);
  // Beside its partner, which shows only while a file is open.
  window.ShowControl(kAllowDuplicatePlacesBox,
                     editor.view.rememberPlaces && window.IsControlVisible(kRememberPlacesBox));
}

void TakePlacesFromList(Editor& editor) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  std::vector<LineNumber> lines;
  bool allTaken = true;
  for (int i = 0, count = window.ListCount(kPlacesCombo); i < count; ++i) {
    const std::string text = window.ListText(kPlacesCombo, i);
    const int line = WholeInt(text);
    if (line > 0 && std::to_string(line) == text)
      lines.push_back(LineNumber(line));
    else
      allTaken = false;
  }
  editor.places.Load(std::move(lines));
  if (allTaken) {
    ShowPlaceButtons(editor);
  } else {
    ShowPlaces(editor);
  }
}

void ShiftPlaces(Editor& editor, const LineShift& shift) {
  const std::vector<LineNumber> before = editor.places.Lines();
  if (!editor.places.Shift(shift) || !editor.main) return;
  ui::Window& window = *editor.main;
  const std::vector<LineNumber>& after = editor.places.Lines();
  if (window.ListCount(kPlacesCombo) != static_cast<int>(after.size())) {
    ShowPlaces(editor);
    return;
  }
  for (int i = 0; i < static_cast<int>(after.size()); ++i) {
    if (after[static_cast<std::size_t>(i)] == before[static_cast<std::size_t>(i)]) continue;
    window.ListDelete(kPlacesCombo, i);
    window.ListInsert(kPlacesCombo, i, std::to_string(after[static_cast<std::size_t>(i)].Value()));
  }
  SelectCurrentPlace(editor);
}

LineNumber CurrentPlace(Editor& editor) {
  const ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  return edit != nullptr ? ToNumber(CaretLineOf(*edit)) : kNoLine;
}

bool AddPlace(Editor& editor, LineNumber line, bool quiet) {
  if (!editor.view.rememberPlaces || !editor.main) return false;
  if (!editor.places.Record(line, editor.view.allowDuplicatePlaces)) return false;
  editor.main->ListAdd(kPlacesCombo, std::to_string(line.Value()));
  ShowPlaceButtons(editor);
  if (!quiet) ShowNotice(editor, notice::kAddedToNavigation);
  return true;
}

}  // namespace editor
