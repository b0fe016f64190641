#include "files/file_commands.h"

#include "base/control_ids.h"
#include "editing/file_indexer.h"
#include "files/tab_switch.h"
#include "view/main_window.h"
#include "view/notices.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

void Run(const Operation& operation, Editor& editor) {
  if (operation) operation(editor);
}

std::filesystem::path HelpFile(const Editor& editor) { return editor.folders.Res() / "tallowmere-editor.chm"; }

}  // namespace

bool AllTabsTaken(const Editor& editor) {
  for (int tab = 1; tab <= kTabCount; ++tab)
    if (editor.tabs.Tab(tab).IsEmpty() && !editor.tabs.Tab(tab).inUse) return false;
  return true;
}

namespace {

// A new file needs a free tab; the text it brings is no change of the user's.
void NewFileInFreeTab(Editor& editor, const Operation& operation) {
  if (AllTabsTaken(editor)) {
    ShowNotice(editor, notice::kAllTabsTaken);
    return;
  }
  editor.view.busy = true;
  Run(operation, editor);
  editor.view.busy = false;
}

}  // namespace

void NewFileCommand(Editor& editor) { NewFileInFreeTab(editor, editor.commands.newFile); }

void NewUntitledFileCommand(Editor& editor) { NewFileInFreeTab(editor, editor.commands.newUntitledFile); }

void OpenFileCommand(Editor& editor) {
  if (AllTabsTaken(editor)) {
    ShowNotice(editor, notice::kAllTabsTaken);
    return;
  }
  Run(editor.commands.openFile, editor);
}

void CloseFileCommand(Editor& editor) {
  Run(editor.commands.closeToolWindows, editor);
  Run(editor.commands.closeFile, editor);
}

void SaveFileCommand(Editor& editor) { Run(editor.commands.saveFile, editor); }

void SaveFileAsCommand(Editor& editor) { Run(editor.commands.saveFileAs, editor); }

void BackupFileCommand(Editor& editor) {
  RunWithViewRestored(editor, [&editor] { Run(editor.commands.backupFile, editor); });
}

void ReindexFileCommand(Editor& editor) {
  RunWithViewRestored(editor, [&editor] {
    ShowNotice(editor, notice::kPleaseWait);
    FullIndex(editor, IndexProgress::kShown);
    ShowNotice(editor, notice::kReindexed);
  });
}

void EditorSettingsCommand(Editor& editor) {
  ui::Window& window = *editor.main;
  ui::RichEdit* edit = window.Edit(kEditor);
  const int first = edit != nullptr ? edit->FirstVisibleLine() : 0;
  window.Minimise();
  Run(editor.commands.editorSettings, editor);
  editor.view.jumpToSelections = editor.prefs.autoJumpToSelections;
  window.SetChecked(kJumpToSelectionsBox, editor.view.jumpToSelections);
  RecolourVisible(editor);
  window.Restore();
  CaretToLine(editor, first + 1);
  FocusEditor(editor);
  const int active = editor.tabs.ActiveTab();
  if (active != 0 && !editor.tabs.Tab(active).IsEmpty()) {
    ShowEditingControls(window, window.ListCount(kPlacesCombo));
    ActivateTab(editor, active);
  } else {
    HideEditingControls(window);
  }
}

void ReloadFileCommand(Editor& editor) {
  if (AskConfirm(editor, question::kReload)) Run(editor.commands.reloadFile, editor);
}

void ClearUndoCommand(Editor& editor) {
  if (!AskConfirm(editor, question::kClearUndo)) return;
  Run(editor.commands.clearUndo, editor);
  ShowNotice(editor, notice::kUndoCleared);
  editor.main->ShowControl(kClearUndoButton, false);
  editor.main->ShowControl(kNothingToUndoButton, true);
  if (AskConfirm(editor, question::kSaveNow)) Run(editor.commands.saveFile, editor);
}

void ClearClipboardCommand(Editor& editor) {
  editor.system.SetClipboardText("");
  ShowNotice(editor, notice::kClipboardEmpty);
}

void OpenUserGuide(Editor& editor) {
  editor.main->Minimise();
  editor.system.OpenWithShell(HelpFile(editor), "");
}

void OpenHelpViewer(Editor& editor) {
  editor.main->Minimise();
  editor.system.OpenWithShell("hh.exe", HelpFile(editor).string());
}

void StartApiSearchTool(Editor& editor) {
  editor.main->Minimise();
  editor.system.OpenWithShell(editor.folders.Constants() / "dozevuzezurodovv6.exe", "");
}

void OpenFastCode(Editor& editor) {
  editor.main->Show(false);
  Run(editor.commands.fastCode, editor);
  editor.main->Show(true);
}

}  // namespace editor
