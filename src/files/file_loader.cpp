#include "files/file_loader.h"

#include "base/control_ids.h"
#include "base/program_identity.h"
#include "companion/companion_state.h"
#include "companion/file_state_file.h"
#include "editing/file_indexer.h"
#include "files/recent_files_file.h"
#include "files/tab_editors.h"
#include "files/tab_switch.h"
#include "model/source_file.h"
#include "state/editor.h"
#include "view/main_window.h"
#include "view/notices.h"
#include "view/tab_sizing.h"
#include "view/view_procedures.h"

namespace editor {

int RefusalNotice(SourceReadStatus status) {
  switch (status) {
    case SourceReadStatus::kHasNul: return notice::kFileHasNul;
    case SourceReadStatus::kTooLarge: return notice::kFileTooLarge;
    case SourceReadStatus::kUnreadable: return notice::kFileUnreadable;
    case SourceReadStatus::kRead:
    case SourceReadStatus::kMissing: return 0;
  }
  return notice::kFileUnreadable;
}

std::vector<std::pair<std::string, std::string>> SourceFileFilters() {
  std::vector<std::pair<std::string, std::string>> filters;
  std::string_view rest = kSourceFileFilter;
  while (!rest.empty() && rest.front() != '|') {
    const std::size_t bar = rest.find('|');
    const std::size_t next = rest.find('|', bar + 1);
    filters.emplace_back(std::string(rest.substr(0, bar)), std::string(rest.substr(bar + 1, next - bar - 1)));
    rest.remove_prefix(next + 1);
  }
  return filters;
}

namespace {

void PutInTab(Editor& editor, int tab, const std::filesystem::path& path, TabStart start) {
  ui::Window& window = *editor.main;
  FileTab& slot = editor.tabs.Tab(tab);
  slot.path = path;
  slot.caption = path.filename().string() + (start == TabStart::kNewModified ? "*" : "");
  slot.inUse = true;
  slot.firstVisibleLine = LineNumber(1);
  slot.history.Clear();  // a file new to the slot starts with nothing to undo
  editor.tabs.SetActiveTab(tab);
  editor.currentPath = path;
  editor.currentName = std::string(slot.Name());
  editor.view.lastWrittenFirstLine = 0;
  ShowTabCaption(editor, tab);
  window.ShowControl(TabButtonId(tab), true);
  ColourTabButtons(editor, window, tab);
  ShowFileCaption(editor, slot.caption);
}

// Whether the file's lists can come from its companion state: it has one, and no other
// file of the same name wrote it. Asked before the ".pth" is written for this file.
bool HasOwnCompanionState(const Editor& editor, const std::filesystem::path& path, TabStart start) {
  return start == TabStart::kFromFile &&
         std::filesystem::exists(editor.folders.Companion(path.filename().string(), ".txt")) &&
         CompanionStateIsFor(editor, path);
}

// A file seen before has its lists in its companion state; a new one is indexed and its
// state written for next time.
void IndexOrRestore(Editor& editor, int tab, const std::string& text, bool known) {
  if (known) {
    RebuildRangeTables(editor, text);
    RestoreCompanionState(editor, tab);
  } else {
    ClearAndReindex(editor, text);
    WriteCompanionState(editor, tab);
  }
}

}  // namespace

LoadResult LoadFile(Editor& editor, const std::filesystem::path& path) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) return LoadResult::kRefused;
  if (const auto open = editor.tabs.FindOpenFile(path)) {
    ActivateTab(editor, *open);
    return LoadResult::kAlreadyOpen;
  }
  const std::optional<int> tab = editor.tabs.FindFreeTab();
  if (!tab) {
    ShowNotice(editor, notice::kAllTabsTaken);
    return LoadResult::kNoFreeTab;
  }
  SourceRead read = ReadSourceFile(path);
  if (const int refused = RefusalNotice(read.status); refused != 0) {
    ShowNotice(editor, refused);
    return LoadResult::kRefused;
  }

  ShowInNewTab(editor, *tab, path, read.bytes, TabStart::kFromFile);
  return LoadResult::kLoaded;
}

void ShowInNewTab(Editor& editor, int tab, const std::filesystem::path& path, const std::string& text,
                  TabStart start) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) return;
  ui::Window& window = *editor.main;
  window.StopTimer(kPositionTimer);
  if (const auto onScreen = editor.tabs.FindOnScreen(window.Caption())) LeaveTab(editor, *onScreen);
  // The file goes into a control of its own, never over another text.
  FreeEditorPlace(editor);
  edit = window.Edit(kEditor);
  if (edit == nullptr) return;
  ClearPanes(editor);
  edit->SetTextLimit(TextLimitForFile(text.size()));
  edit->SetText(text);
  const bool known = HasOwnCompanionState(editor, path, start);
  PutInTab(editor, tab, path, start);
  window.SetScrollRange(kLineScrollBar, 0, edit->LineCount());
  window.SetScrollPos(kLineScrollBar, 0);
  edit->SetSelection(0, 0);
  IndexOrRestore(editor, tab, edit->Text(), known);
  // Only now: until this file's state is written, the ".pth" keeps naming the file whose
  // state is in Res, so that the index does not take that state for this file's.
  WritePathCompanion(editor, path);
  ArrangeTabs(editor, window);
  ShowEditingControls(editor);
  window.SetText(kLineNumberBox, "1");
  FocusEditor(editor);
  window.StartTimer(kPositionTimer, editor.prefs.timerIntervalMs);
}

bool LoadNamedTab(Editor& editor, int tab) {
  if (!editor.main || tab < 1 || tab > kTabCount) return false;
  FreeEditorPlace(editor);
  ui::RichEdit* edit = editor.main->Edit(kEditor);
  if (edit == nullptr) return false;
  FileTab& slot = editor.tabs.Tab(tab);
  SourceRead read = ReadSourceFile(slot.path);
  if (const int refused = RefusalNotice(read.status); refused != 0) {
    ShowNotice(editor, refused);
    return false;
  }
  edit->SetTextLimit(TextLimitForFile(read.bytes.size()));
  edit->SetText(read.bytes);
  // The index restores the active tab's state: this tab must be the active one first.
  editor.tabs.SetActiveTab(tab);
  editor.currentName = std::string(slot.Name());
  const bool known = HasOwnCompanionState(editor, slot.path, TabStart::kFromFile);
  IndexOrRestore(editor, tab, read.bytes, known);
  WritePathCompanion(editor, slot.path);
  return true;
}

void OpenFileFromDialog(Editor& editor) {
  if (!editor.main) return;
  ui::FileDialogSpec dialog;
  dialog.title = "Load File";
  dialog.filters = SourceFileFilters();
  const std::optional<std::filesystem::path> chosen = editor.system.OpenFileDialog(*editor.main, dialog);
  if (!chosen || chosen->empty()) return;  // the file on screen stays as it was
  if (LoadFile(editor, *chosen) == LoadResult::kLoaded) AppendRecentFile(editor, *chosen);
}

}  // namespace editor
