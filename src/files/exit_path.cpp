#include "files/exit_path.h"

#include "base/control_ids.h"
#include "base/program_identity.h"
#include "companion/companion_state.h"
#include "companion/viewed_line.h"
#include "files/editor_state_file.h"
#include "files/file_saver.h"
#include "view/main_window.h"
#include "view/notices.h"

namespace editor {

namespace {

// Each modified tab in turn is put in the caption and offered for saving.
void OfferToSaveModifiedTabs(Editor& editor) {
  ui::Window& window = *editor.main;
  for (int tab = 1; tab <= kTabCount; ++tab) {
    FileTab& slot = editor.tabs.Tab(tab);
    if (slot.IsEmpty()) continue;
    ShowFileCaption(editor, slot.caption);
    if (slot.IsModified() && editor.prefs.saveFilesWhenClosingEditor && AskSaveChanges(editor, slot.Name()))
      SaveTab(editor, tab);
    window.ShowControl(TabButtonId(tab), false);
  }
}

}  // namespace

void ExitPath(Editor& editor) {
  if (!editor.main || !editor.main->IsOpen()) return;
  ui::Window& window = *editor.main;
  window.ShowControl(kAutoCompleteList, false);
  // A search running in the results window ends when its window does.
  if (editor.resultsWindow != nullptr) editor.resultsWindow->Close();
  if (editor.controlSearchWindow != nullptr) editor.controlSearchWindow->Close();
  editor.view.exiting = true;
  editor.view.busy = true;
  window.StopTimer(kPositionTimer);

  const int active = editor.tabs.ActiveTab();
  ui::RichEdit* edit = window.Edit(kEditor);
  if (active != 0 && !editor.tabs.Tab(active).IsEmpty() && edit != nullptr) {
    WriteFirstVisibleLine(editor, edit->FirstVisibleLine());
    // Only the tab on screen has its lists in the panes; the others were written when
    // they were left, and writing them again now would give them the wrong lists.
    WriteCompanionState(editor, active);
  }
  window.ShowControl(kEditor, false);
  OfferToSaveModifiedTabs(editor);
  WriteEditorState(editor, ResizeTabsLine::kOmitted);
  window.Close();
}

void RestartEditor(Editor& editor) {
  if (!editor.main) return;
  editor.main->FocusWindow();
  ExitPath(editor);
  StartEditorAgain(editor);
}

void StartEditorAgain(Editor& editor) {
  editor.system.OpenWithShell(editor.folders.StartFolder() / std::string(kExecutableName), "");
}

}  // namespace editor
