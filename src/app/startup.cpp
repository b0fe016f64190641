#include "app/startup.h"

#include <charconv>
#include <fstream>
#include <string>

#include "base/control_ids.h"
#include "commands/main_window_handler.h"
#include "editing/edit_key_release.h"
#include "files/tab_switch.h"
#include "view/main_window.h"
#include "view/panel_switches.h"
#include "view/tab_sizing.h"

namespace editor {

namespace {

template <typename Step, typename... Args>
void RunStep(const Step& step, Args&&... args) {
  if (step) step(std::forward<Args>(args)...);
}

// Step 3: a start folder without Res has never been set up.
bool EnsureDataFolders(Editor& editor) {
  const bool setUp = FindResFolder(editor.folders.StartFolder()).has_value();
  if (!setUp && editor.seams.runFirstTimeSetup && !editor.seams.runFirstTimeSetup(editor)) return false;
  // Res as it is now on disk, in whatever letter case it was made.
  editor.folders = FolderLayout(editor.folders.StartFolder());
  return true;
}

// Step 4: a reset to first-time use left a marker for this start to act on.
void HonourPendingReset(Editor& editor) {
  const std::optional<bool> keep = ReadResetMarker(editor.folders);
  if (!keep) return;
  editor.keepRecentFiles = *keep;
  RunStep(editor.seams.purgeForFirstTimeUse, editor, *keep);
  editor.purgeRan = true;
}

// Step 10: the tabs of the last run, or the no-file layout and the welcome text.
void RestoreTabsOrWelcome(Editor& editor) {
  ui::Window& window = *editor.main;
  if (editor.seams.restoreEditorState && editor.seams.restoreEditorState(editor)) {
    ShowEditingControls(window, 0);
    return;
  }
  editor.tabs = TabTable{};
  editor.tabToActivate = 0;
  HideEditingControls(window);
  RunStep(editor.seams.showWelcomeText, editor);
}

// Step 11: the caret's line and column in the status fields, then the position timer.
void StartPositionTimer(Editor& editor) {
  ui::Window& window = *editor.main;
  if (ui::RichEdit* edit = window.Edit(kEditor)) {
    const int caret = edit->GetSelection().first;
    const int line = edit->LineFromChar(caret);
    window.SetText(kCurrentLineField, std::to_string(line + 1));
    window.SetText(kColumnField, std::to_string(caret - edit->LineIndex(line)));
  }
  window.StartTimer(kPositionTimer, editor.prefs.timerIntervalMs);
}

int ParseLeadingInt(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
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
  return ParseLeadingInt(last) != 0;
}

bool StartEditor(Editor& editor, const StartOptions& options) {
  // Steps 1 and 2: the Editor was built with every default in place.
  if (!EnsureDataFolders(editor)) return false;
  HonourPendingReset(editor);
  RunStep(editor.seams.readPreferences, editor);
  editor.metrics = MeasureLineSpacing(editor.system, editor.prefs.editorFont);
  RunStep(editor.seams.establishIncludeFolder, editor);
  editor.keywordTable.emplace(KeywordColoursFrom(editor.prefs));

  editor.main = CreateMainWindow(editor);
  if (!editor.main) return false;
  InstallEditKeyRelease(editor);
  StartSwitchesFromPreferences(editor);
  editor.main->SetHandler(
      [&editor](ui::Window& window, const ui::Event& event) { return MainWindowHandler(editor, window, event); });

  RestoreTabsOrWelcome(editor);
  StartPositionTimer(editor);
  ActivateTab(editor, editor.tabToActivate);
  if (editor.resizeTabs) SizeTabs(*editor.main, editor.main->IsControlVisible(kEditor));
  if (options.showEditingLayout) ShowEditingControls(*editor.main, 0);
  return true;
}

}  // namespace editor
