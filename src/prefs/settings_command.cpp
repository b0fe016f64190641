#include "prefs/settings_command.h"

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "files/tab_switch.h"
#include "prefs/settings_dialog.h"
#include "view/edit_lines.h"
#include "view/main_window.h"
#include "view/view_procedures.h"

namespace editor {

void EditorSettingsCommand(Editor& editor) {
  ui::Window& window = *editor.main;
  ui::RichEdit* edit = window.Edit(kEditor);
  const LineIndex first = edit != nullptr ? FirstVisibleLineOf(*edit) : LineIndex(0);
  window.Minimise();
  RunEditorSettings(editor);
  editor.view.jumpToSelections = editor.prefs.autoJumpToSelections;
  editor.search.goToSelectedLine = editor.prefs.autoJumpToSelections;
  window.SetChecked(kJumpToSelectionsBox, editor.view.jumpToSelections);
  RecolourVisible(editor);
  window.Restore();
  CaretToLine(editor, ToNumber(first));
  FocusEditor(editor);
  const int active = editor.tabs.ActiveTab();
  if (active != 0 && !editor.tabs.Tab(active).IsEmpty()) {
    ShowEditingControls(editor);
    ActivateTab(editor, active);
  } else {
    HideEditingControls(window);
  }
}

namespace {

constexpr MenuCommand kMenuRows[] = {
    {kMenuEditorSettings, Call<EditorSettingsCommand>},
};

}  // namespace

CommandRows PreferenceCommands() { return {{}, kMenuRows}; }

}  // namespace editor
