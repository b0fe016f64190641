#include "prefs/preferences_in_force.h"

#include "base/control_ids.h"
#include "files/tab_editors.h"
#include "model/line_metrics.h"
#include "view/gutter.h"
#include "view/main_window.h"
#include "view/main_window_tooltips.h"
#include "view/panel_switches.h"

namespace editor {

namespace {

ui::Window* OpenMain(Editor& editor) { return editor.main && editor.main->IsOpen() ? editor.main.get() : nullptr; }

// The file on screen, the files waiting in the other tabs, and the code blocks.
template <typename Action>
void ForEachEditArea(ui::Window& window, Action action) {
  if (ui::RichEdit* edit = window.Edit(kEditor)) action(*edit);
  for (int tab = 1; tab <= kTabCount; ++tab)
    if (ui::RichEdit* edit = window.Edit(TabEditorId(tab))) action(*edit);
  for (int block = 1; block <= kCodeBlockCount; ++block)
    if (ui::RichEdit* edit = window.Edit(CodeBlockEditorId(block))) action(*edit);
}

// A new font brings a new line height, which the gutter's rows must follow or their
// numbers drift from the lines beside them.
void PutFontInForce(Editor& editor, ui::Window& window) {
  const ui::FontSpec& font = editor.prefs.editorFont;
  ForEachEditArea(window, [&font](ui::RichEdit& edit) { edit.SetFont(font); });
  FitEditAreaToLineMetrics(editor, MeasureLineSpacing(editor.system, font));
  ForEachEditArea(window, [&editor](ui::RichEdit& edit) { ShowGutterRowsOnly(editor, edit); });
  RefreshGutter(editor);
  MarkCurrentGutterRow(editor);
}

void PutTabStopsInForce(Editor& editor, ui::Window& window) {
  ForEachEditArea(window, [&editor](ui::RichEdit& edit) { ApplyTabStops(editor, edit); });
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
  RecolourGutter(editor);
}

void PutTabStopsInForce(Editor& editor) {
  if (ui::Window* window = OpenMain(editor)) PutTabStopsInForce(editor, *window);
}

void PutSettingsInForce(Editor& editor) {
  ui::Window* window = OpenMain(editor);
  if (window == nullptr) return;
  PutFontInForce(editor, *window);
  // After the font, whose characters the stops are counted in. Stops already in force
  // cost nothing; new ones over a large text take the real control a while.
  PutTabStopsInForce(editor, *window);
  PutTooltipsInForce(*window, editor.prefs);
  PutSwitchesInForce(editor, *window);
}

}  // namespace editor
