#include "app/startup.h"

#include <fstream>
#include <string>

#include "base/control_ids.h"
#include "base/number_text.h"
#include "commands/main_window_handler.h"
#include "editing/edit_control_handler.h"
#include "editing/keyword_suggestions.h"
#include "files/editor_state_restore.h"
#include "files/include_folder.h"
#include "files/tab_switch.h"
#include "prefs/preference_file.h"
#include "prefs/preferences_in_force.h"
#include "view/edit_position_panel.h"
#include "view/main_window.h"
#include "view/notice_table.h"
#include "view/notices.h"
#include "view/panel_switches.h"
#include "view/tab_sizing.h"
#include "view/welcome_text.h"

namespace editor {

namespace {

// No tab was named by an earlier run: the no-file layout.
void ShowNoFileLayout(Editor& editor) {
  editor.tabs = TabTable{};
  editor.tabToActivate = 0;
  HideEditingControls(*editor.main);
}

// The caret's place in the position fields, then the position timer.
void StartPositionTimer(Editor& editor) {
  ui::Window& window = *editor.main;
  if (const ui::RichEdit* edit = window.Edit(kEditor)) ShowEditPosition(editor, *edit);
  window.StartTimer(kPositionTimer, editor.prefs.timerIntervalMs);
}

}  // namespace

std::optional<bool> ReadResetMarker(const FolderLayout& folders) {
  const std::optional<std::filesystem::path> marker = FindFileAnyCase(folders.Res(), "First.txt");
  if (!marker) return std::nullopt;
  std::ifstream in(*marker, std::ios::binary);
  if (!in) return std::nullopt;
  std::string line;
  std::string last;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    last = line;
  }
  return LeadingInt(last) != 0;
}

bool StartEditor(Editor& editor, const StartOptions& options) {
  // The Editor was built with every default in place; Res is taken as it is on disk now,
  // in whatever letter case it has.
  editor.folders = FolderLayout(editor.folders.StartFolder());
  const PreferenceRead preferences = ReadPreferencesAtStartUp(editor);
  editor.metrics = MeasureLineSpacing(editor.system, editor.prefs.editorFont);
  EstablishIncludeFolder(editor);
  editor.keywordTable.emplace(KeywordColoursFrom(editor.prefs));

  editor.main = CreateMainWindow(editor);
  if (!editor.main) return false;
  InstallEditControlHandler(editor);
  PutTabStopsInForce(editor);
  FillSuggestionList(editor);
  StartSwitchesFromPreferences(editor);
  editor.main->SetHandler(
      [&editor](ui::Window& window, const ui::Event& event) { return MainWindowHandler(editor, window, event); });

  ShowNoFileLayout(editor);
  editor.tabToActivate = RestoreEditorState(editor);
  if (editor.tabs.OpenFileCount() > 0)
    ShowEditingControls(editor);
  else
    ShowWelcomeText(editor);
  StartPositionTimer(editor);
  ActivateTab(editor, editor.tabToActivate);
  if (editor.resizeTabs) SizeTabs(*editor.main, editor.main->IsControlVisible(kEditor));
  if (options.showEditingLayout) ShowEditingControls(editor);
  // Said once the window is up: lines that held no value of theirs kept their defaults.
  if (preferences.status == PreferenceReadStatus::kDamaged) ShowNotice(editor, notice::kPreferencesDamaged);
  return true;
}

}  // namespace editor
