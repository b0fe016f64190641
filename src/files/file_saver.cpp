#include "files/file_saver.h"

#include <algorithm>

#include "base/control_ids.h"
#include "base/stored_path.h"
#include "companion/companion_state.h"
#include "companion/file_state_file.h"
#include "editing/file_indexer.h"
#include "editing/undo_steps.h"
#include "files/editor_state_file.h"
#include "files/file_loader.h"
#include "files/recent_files_file.h"
#include "files/tab_editors.h"
#include "files/tab_switch.h"
#include "model/keyword_case.h"
#include "model/source_file.h"
#include "state/editor.h"
#include "view/edit_lines.h"
#include "view/gutter.h"
#include "view/main_window.h"
#include "view/notices.h"
#include "view/progress_bar.h"
#include "view/tab_sizing.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

ui::RichEdit* EditorControl(Editor& editor) { return editor.main ? editor.main->Edit(kEditor) : nullptr; }

std::string LowerPath(const std::filesystem::path& path) {
  std::string text = path.string();
  std::replace(text.begin(), text.end(), '/', '\\');
  for (char& c : text) c = AsciiLower(c);
  return text;
}

// A tab whose file was refused on loading, or never read, holds none of that file's text:
// writing the tab would put whatever it shows over a file the user has not seen.
bool FileNeverReadIntoItsTab(const Editor& editor, const std::filesystem::path& path) {
  const std::optional<int> tab = editor.tabs.FindOpenFile(path);
  return tab && !editor.tabs.Tab(*tab).inUse;
}

// Every write of a source file comes here: it tells the user when the bytes did not reach
// the disk, and leaves alone a file whose text never reached its tab.
bool WriteOrWarn(Editor& editor, const std::filesystem::path& path, std::string_view bytes) {
  if (FileNeverReadIntoItsTab(editor, path)) {
    ShowNotice(editor, notice::kFileNotSaved);
    return false;
  }
  switch (WriteSourceFile(*editor.files, path, bytes)) {
    case SourceWriteStatus::kWritten: return true;
    case SourceWriteStatus::kReadOnly: ShowNotice(editor, notice::kFileReadOnly); return false;
    case SourceWriteStatus::kFailed: ShowNotice(editor, notice::kFileNotSaved); return false;
  }
  return false;
}

// The caret line box shows the top line, and the caret goes to the start of its line.
void ShowCaretLineAfterSave(Editor& editor, ui::RichEdit& edit) {
  editor.main->SetText(kLineNumberBox, std::to_string(edit.FirstVisibleLine() + 1));
  const int caretLine = edit.LineFromChar(edit.GetSelection().first);
  const int start = edit.LineIndex(caretLine);
  edit.SetSelection(start, start);
}

void Unstar(Editor& editor, int tab) {
  FileTab& slot = editor.tabs.Tab(tab);
  slot.caption = std::string(slot.Name());
  ShowTabCaption(editor, tab);
}

// A companion of the old name goes over to the new one; the same base name already shares it.
void CopyCompanion(const Editor& editor, const std::string& oldName, const std::string& newName,
                   std::string_view extension) {
  const std::filesystem::path from = editor.folders.Companion(oldName, extension);
  const std::filesystem::path to = editor.folders.Companion(newName, extension);
  std::error_code ignored;
  if (from == to || !std::filesystem::exists(from, ignored)) return;
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, ignored);
}

std::optional<std::filesystem::path> AskSaveAsPath(Editor& editor) {
  ui::FileDialogSpec dialog;
  dialog.title = "Save File";
  dialog.filters = SourceFileFilters();
  dialog.defaultExtension = "iwb";
  dialog.initialFolder = editor.currentPath.parent_path();
  dialog.initialName = editor.system.ShownName(PathFromStoredText(editor.currentName));
  std::optional<std::filesystem::path> chosen = editor.system.SaveFileDialog(*editor.main, dialog);
  if (chosen && chosen->empty()) chosen.reset();
  return chosen;
}

// The tab now names the new file: its caption, the editor state, the companions, the
// gutter and the undo history follow.
void TakeNewName(Editor& editor, int tab, const std::filesystem::path& path, ui::RichEdit& edit) {
  ui::Window& window = *editor.main;
  const std::string oldName = editor.currentName;
  FileTab& slot = editor.tabs.Tab(tab);
  slot.path = path;
  slot.inUse = true;  // its text is the new file's now, even if the old file never reached it
  // Starred: the new file holds its literals as typed, and only a save writes the
  // normalised form, which the star offers the next Save and the question on closing.
  slot.caption = path.filename().string() + "*";
  editor.currentPath = path;
  editor.currentName = std::string(slot.Name());
  // The text on disk now is the text of the state carried over: no re-index is due.
  editor.lastSavedPath = path;
  WriteEditorState(editor);
  CopyCompanion(editor, oldName, editor.currentName, ".pth");
  CopyCompanion(editor, oldName, editor.currentName, ".txt");
  ShowFileCaption(editor, editor.currentName);
  ShowTabCaption(editor, tab);
  RefreshGutter(editor);
  MarkGutterLine(editor, ToNumber(CaretLineOf(edit)));
  ArrangeTabs(editor, window);
  WritePathCompanion(editor, path);
  AppendRecentFile(editor, path);
  ClearActiveTabUndoAndRedo(editor);
}

}  // namespace

bool InIncludeFolder(const Editor& editor, const std::filesystem::path& path) {
  if (editor.includeFolder.empty()) return false;
  return LowerPath(path).find(LowerPath(editor.includeFolder)) != std::string::npos;
}

bool WriteActiveFile(Editor& editor) {
  ui::RichEdit* edit = EditorControl(editor);
  const int tab = editor.tabs.ActiveTab();
  if (edit == nullptr || tab == 0) return false;
  ui::Window& window = *editor.main;
  window.ShowControl(kAutoCompleteList, false);
  // One read of the whole text: line by line would cost in proportion to the file twice over.
  const std::string text = edit->Text();
  std::string bytes;
  {
    ProgressBar bar(window, edit->LineCount(), editor.prefs.windowBackground);
    bytes = SaveFormOf(text, HexLiterals::kLowerFirstOfEachLine, [&bar](int line) { bar.AfterLine(line); });
  }
  if (!WriteOrWarn(editor, editor.currentPath, bytes)) return false;
  // The star goes only once the file is on disk: a failed write keeps it.
  Unstar(editor, tab);
  ShowFileCaption(editor, editor.currentName);
  if (!SamePath(editor.currentPath, editor.lastSavedPath)) {
    editor.lastSavedPath = editor.currentPath;
    FullIndex(editor, IndexProgress::kShown);
    WriteCompanionState(editor, tab);
  }
  if (!editor.view.exiting) ShowNotice(editor, notice::kFileSaved);
  return true;
}

void SaveActiveFile(Editor& editor) {
  ui::RichEdit* edit = EditorControl(editor);
  const int tab = editor.tabs.ActiveTab();
  if (edit == nullptr || tab == 0 || editor.tabs.Tab(tab).IsEmpty()) return;
  if (InIncludeFolder(editor, editor.currentPath)) {
    ShowNotice(editor, notice::kIncludeFolderRefused);
    return;
  }
  if (editor.tabs.Tab(tab).IsModified()) WriteActiveFile(editor);
  ShowCaretLineAfterSave(editor, *edit);
}

void SaveActiveFileAs(Editor& editor) {
  ui::RichEdit* edit = EditorControl(editor);
  const int tab = editor.tabs.ActiveTab();
  if (edit == nullptr || tab == 0 || editor.tabs.Tab(tab).IsEmpty()) return;
  const std::optional<std::filesystem::path> chosen = AskSaveAsPath(editor);
  if (!chosen) return;
  if (const std::optional<int> open = editor.tabs.FindOpenFile(*chosen)) {
    ActivateTab(editor, *open);
    return;
  }
  // Written as they stand: a save under a new name keeps every literal's letter case.
  if (!WriteOrWarn(editor, *chosen, SaveFormOf(edit->Text(), HexLiterals::kAsTheyAre))) return;
  TakeNewName(editor, tab, *chosen, *edit);
}

bool SaveTab(Editor& editor, int tab) {
  if (tab < 1 || tab > kTabCount) return false;
  FileTab& slot = editor.tabs.Tab(tab);
  if (slot.IsEmpty()) return false;
  if (InIncludeFolder(editor, slot.path)) {
    ShowNotice(editor, notice::kIncludeFolderRefused);
    return false;
  }
  // Each tab's text is in its own control, the one on screen or its waiting one.
  const ui::RichEdit* edit = EditorOfTab(editor, tab);
  if (edit == nullptr) return false;
  const std::string text = edit->Text();
  if (!WriteOrWarn(editor, slot.path, SaveFormOf(text, HexLiterals::kLowerFirstOfEachLine))) return false;
  slot.caption = std::string(slot.Name());
  return true;
}

}  // namespace editor
