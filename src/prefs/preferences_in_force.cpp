#include "prefs/preferences_in_force.h"

#include "base/control_ids.h"
#include "view/main_window_tooltips.h"
#include "view/panel_switches.h"

namespace editor {

namespace {

constexpr int kCodeBlockCount = 4;
constexpr std::string_view kGutterMarker = "> ";

ui::Window* OpenMain(Editor& editor) { return editor.main && editor.main->IsOpen() ? editor.main.get() : nullptr; }

template <typename Action>
void ForEachEditArea(ui::Window& window, Action action) {
  if (ui::RichEdit* edit = window.Edit(kEditor)) action(*edit);
  for (int block = 0; block < kCodeBlockCount; ++block)
    if (ui::RichEdit* edit = window.Edit(kCodeBlockEditorFirst + block)) action(*edit);
}

void RecolourGutter(ui::Window& window, const EditorPreferences& prefs) {
  for (ui::ControlId id = kFirstGutterLabel; window.HasControl(id); ++id) {
    const bool marked = window.GetText(id).starts_with(kGutterMarker);
    window.SetColours(id, marked ? prefs.lineHighlight : prefs.lineDefault, prefs.windowBackground);
  }
}

void PutFontInForce(ui::Window& window, const ui::FontSpec& font) {
  ForEachEditArea(window, [&font](ui::RichEdit& edit) { edit.SetFont(font); });
  for (ui::ControlId id = kFirstGutterLabel; window.HasControl(id); ++id) window.SetFont(id, font);
}

void PutTooltipsInForce(ui::Window& window, const EditorPreferences& prefs) {
  const bool shown = MainWindowTooltipsShown(window);
  if (!prefs.showTooltips) {
    if (shown)
      for (const TooltipEntry& entry : MainWindowTooltips()) window.SetTooltip(entry.id, "");
    return;
  }
  // Tips already shown keep what their controls' state made of them; only the spelling
  // of "colour" may have changed.
  for (const TooltipEntry& entry : MainWindowTooltips())
    if (!shown || entry.id == kRecolourButton) window.SetTooltip(entry.id, TooltipText(entry, prefs));
}

void PutSwitchesInForce(Editor& editor, ui::Window& window) {
  const EditorPreferences& prefs = editor.prefs;
  if (prefs.programDebug != editor.view.debugPanelShown) ToggleDebugPanel(editor);
  if (prefs.showEditCoordinates != editor.view.editPositionShown) ToggleEditPositionPanel(editor);
  PutAutoCompleteInForce(editor);
  editor.view.jumpToSelections = prefs.autoJumpToSelections;
  window.SetChecked(kJumpToSelectionsBox, prefs.autoJumpToSelections);
}

}  // namespace

bool MainWindowTooltipsShown(const ui::Window& window) {
  // The new-file button's tip never changes with the editor's state, unlike some others.
  return !window.Tooltip(kNewFileButton).empty();
}

void PutAutoCompleteInForce(Editor& editor) {
  if (OpenMain(editor) != nullptr && editor.prefs.autoCompleteKeywords != editor.view.autoComplete)
    ToggleAutoComplete(editor);
}

void PutColoursInForce(Editor& editor) {
  const EditorPreferences& prefs = editor.prefs;
  if (editor.keywordTable) editor.keywordTable->AssignColours(KeywordColoursFrom(prefs));
  ui::Window* window = OpenMain(editor);
  if (window == nullptr) return;
  window->SetBackground(prefs.windowBackground);
  ForEachEditArea(*window, [&prefs](ui::RichEdit& edit) {
    edit.SetBackground(prefs.fileBackground);
    edit.SetDefaultTextColour(prefs.text);
  });
  RecolourGutter(*window, prefs);
}

void PutSettingsInForce(Editor& editor) {
  ui::Window* window = OpenMain(editor);
  if (window == nullptr) return;
  PutFontInForce(*window, editor.prefs.editorFont);
  PutTooltipsInForce(*window, editor.prefs);
  PutSwitchesInForce(editor, *window);
}

}  // namespace editor
