#include "files/tab_switch.h"

#include "base/control_ids.h"
#include "companion/companion_state.h"
#include "editing/file_indexer.h"
#include "files/file_loader.h"
#include "view/edit_lines.h"
#include "view/main_window.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

void EnableTabButtons(ui::Window& window, bool enabled) {
  for (int tab = 1; tab <= kTabCount; ++tab) window.EnableControl(TabButtonId(tab), enabled);
}

}  // namespace

void ColourTabButtons(const Editor& editor, ui::Window& window, int activeTab) {
  for (int tab = 1; tab <= kTabCount; ++tab) {
    if (tab == activeTab)
      window.SetColours(TabButtonId(tab), editor.prefs.windowText, editor.prefs.fileBackground);
    else
      window.SetColours(TabButtonId(tab), editor.prefs.lineDefault, editor.prefs.windowBackground);
  }
}

namespace {

// The tab's whole text goes into its slot in one read, with the line it was viewed at.
void StashText(Editor& editor, ui::RichEdit& edit, int tab) {
  FileTab& slot = editor.tabs.Tab(tab);
  slot.savedText = edit.Text();
  slot.firstVisibleLine = ToNumber(FirstVisibleLineOf(edit));
  WriteCompanionState(editor, tab);
}

void ShowViewedLine(Editor& editor, ui::RichEdit& edit, LineNumber firstVisibleLine) {
  const LineIndex first = ToIndex(firstVisibleLine);
  edit.LineScroll(first - FirstVisibleLineOf(edit));
  editor.main->SetScrollPos(kLineScrollBar, first.Value());
}

// Puts tab t's text on screen: its saved text in one streamed write, or, for a tab only
// named so far, its file read by the loader.
void BringOnScreen(Editor& editor, ui::RichEdit& edit, int tab) {
  FileTab& slot = editor.tabs.Tab(tab);
  if (slot.inUse) {
    edit.SetText(slot.savedText);
    // The colouring reads the range tables: they must describe this text, not the last tab's.
    RebuildRangeTables(editor, slot.savedText);
    ShowViewedLine(editor, edit, slot.firstVisibleLine);
    RestoreCompanionState(editor, tab);
    return;
  }
  edit.SetText("");
  editor.currentPath = slot.path;
  if (LoadNamedTab(editor, tab)) {
    slot.inUse = true;
    slot.caption = std::string(slot.Name());
    slot.savedText = edit.Text();
    editor.main->SetScrollPos(kLineScrollBar, ToIndex(slot.firstVisibleLine).Value());
  }
}

}  // namespace

void ActivateTab(Editor& editor, int tab) {
  if (tab < 1 || tab > kTabCount || editor.tabs.Tab(tab).IsEmpty() || !editor.main) return;
  ui::Window& window = *editor.main;
  ui::RichEdit* edit = window.Edit(kEditor);
  if (edit == nullptr) return;

  EnableTabButtons(window, false);
  if (editor.currentLine == kNoLine) editor.currentLine = LineNumber(1);
  const std::optional<int> onScreen = editor.tabs.FindOnScreen(window.Caption());
  if (onScreen == tab) {
    RestoreCompanionState(editor, tab);
    ColourTabButtons(editor, window, tab);
    EnableTabButtons(window, true);
    return;
  }

  // The timer must never see a half-swapped tab.
  window.StopTimer(kPositionTimer);
  if (onScreen) StashText(editor, *edit, *onScreen);
  FileTab& slot = editor.tabs.Tab(tab);
  editor.currentName = std::string(slot.Name());
  ColourTabButtons(editor, window, tab);
  ClearPanes(editor);
  BringOnScreen(editor, *edit, tab);
  window.SetScrollRange(kLineScrollBar, 0, edit->LineCount());
  editor.tabs.SetActiveTab(tab);
  editor.currentPath = slot.path;
  editor.view.lastWrittenFirstLine = 0;  // a new file's ".src" is due
  window.SetCaption(CaptionForFile(slot.caption));
  EnableTabButtons(window, true);
  window.StartTimer(kPositionTimer, editor.prefs.timerIntervalMs);
}

void LeaveTab(Editor& editor, int tab) {
  if (tab < 1 || tab > kTabCount || !editor.main || editor.tabs.ActiveTab() != tab) return;
  ui::Window& window = *editor.main;
  ui::RichEdit* edit = window.Edit(kEditor);
  if (edit == nullptr || editor.tabs.FindOnScreen(window.Caption()) != tab) return;
  StashText(editor, *edit, tab);
  editor.currentPath = editor.tabs.Tab(tab).path;
  edit->SetText("");
  ClearPanes(editor);
  // No tab is on screen now: a later switch must not take the empty control for its text.
  window.SetCaption(CaptionForFile(""));
  // Only this tab now holds a text of its own; marking lower tabs too would make a tab
  // that is merely named look loaded, and its empty slot would later be saved over its file.
  editor.tabs.Tab(tab).inUse = true;
}

}  // namespace editor
