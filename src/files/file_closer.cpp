#include "files/file_closer.h"

#include <algorithm>

#include "base/control_ids.h"
#include "base/number_text.h"
#include "companion/file_state_file.h"
#include "companion/viewed_line.h"
#include "editing/file_indexer.h"
#include "files/editor_state_file.h"
#include "files/exit_path.h"
#include "files/file_saver.h"
#include "files/tab_editors.h"
#include "files/tab_switch.h"
#include "state/editor.h"
#include "view/main_window.h"
#include "view/notices.h"
#include "view/tab_sizing.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

// False when the user wanted the changes saved and they could not be: the tab stays.
bool OfferToSaveChanges(Editor& editor, int tab) {
  const FileTab& slot = editor.tabs.Tab(tab);
  if (!slot.IsModified() || !AskSaveChanges(editor, slot.caption)) return true;
  if (InIncludeFolder(editor, editor.currentPath)) {
    ShowNotice(editor, notice::kIncludeFolderRefused);
    return false;
  }
  return WriteActiveFile(editor);
}

// Tabs t+1..6 move down one place with their waiting controls; tab 6 is left empty.
void CloseGap(Editor& editor, int tab) {
  TabTable& tabs = editor.tabs;
  for (int t = tab; t < kTabCount; ++t) tabs.Tab(t) = std::move(tabs.Tab(t + 1));
  tabs.Tab(kTabCount) = FileTab{};
  MoveTabEditorsDown(editor, tab);
}

// Tabs with a file keep their buttons; the others are emptied and hidden. Returns how
// many have a file.
int Recount(Editor& editor) {
  ui::Window& window = *editor.main;
  int count = 0;
  for (int t = 1; t <= kTabCount; ++t) {
    FileTab& slot = editor.tabs.Tab(t);
    if (slot.path.empty()) slot = FileTab{};
    else ++count;
    ShowTabCaption(editor, t);
    window.ShowControl(TabButtonId(t), !slot.IsEmpty());
  }
  editor.tabs.SetLoadTarget(count);
  return count;
}

// The caret goes to the line the file was last viewed at, or to the start.
void ShowViewedLine(Editor& editor, ui::RichEdit& edit) {
  const std::string viewed = ReadViewedLine(editor);
  editor.main->SetText(kLineNumberBox, viewed.empty() ? "1" : viewed);
  const int line = std::clamp(viewed.empty() ? 1 : LeadingInt(viewed), 1, std::max(1, edit.LineCount()));
  const int start = std::max(0, edit.LineIndex(line - 1));
  edit.SetSelection(start, start);
}

}  // namespace

void CloseActiveFile(Editor& editor) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  const int tab = editor.tabs.ActiveTab();
  if (edit == nullptr || tab == 0 || editor.tabs.Tab(tab).IsEmpty()) return;
  ui::Window& window = *editor.main;
  window.EnableControl(kCloseFileButton, false);
  if (!OfferToSaveChanges(editor, tab)) {
    window.EnableControl(kCloseFileButton, true);
    return;
  }
  window.StopTimer(kPositionTimer);
  WritePathCompanion(editor, editor.tabs.Tab(tab).path);
  // The closed file's control goes whole: emptying it would cost far more.
  DiscardEditor(editor);
  edit = window.Edit(kEditor);
  if (edit == nullptr) return;
  edit->SetRedraw(false);
  ClearPanes(editor);
  editor.index = FileIndex{};
  // Until a tab is shown again none is on screen: the next switch has no text to keep.
  ShowFileCaption(editor, "");
  CloseGap(editor, tab);
  const int remaining = Recount(editor);
  editor.tabs.SetActiveTab(remaining == 0 ? 0 : std::min(tab, remaining));
  WriteEditorState(editor);
  edit->SetRedraw(true);

  if (remaining == 0) {
    RestartEditor(editor);
    return;
  }
  window.EnableControl(kCloseFileButton, true);
  ActivateTab(editor, editor.tabs.ActiveTab());
  ArrangeTabs(editor, window);
  FullIndex(editor, IndexProgress::kHidden);
  // The tab now shown brought its own control.
  if (ui::RichEdit* shown = window.Edit(kEditor)) ShowViewedLine(editor, *shown);
  FocusEditor(editor);
}

}  // namespace editor
