#include "files/tab_switch.h"

#include "base/control_ids.h"
#include "companion/companion_state.h"
#include "editing/file_indexer.h"
#include "files/file_loader.h"
#include "files/tab_editors.h"
#include "view/button_colours.h"
#include "view/edit_lines.h"
#include "view/gutter.h"
#include "view/main_window.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

void EnableTabButtons(ui::Window& window, bool enabled) {
  for (int tab = 1; tab <= kTabCount; ++tab) window.EnableControl(TabButtonId(tab), enabled);
}

}  // namespace

void ColourTabButtons(const Editor& editor, ui::Window& window, int activeTab) {
  for (int tab = 1; tab <= kTabCount; ++tab) PaintRowButton(editor, window, TabButtonId(tab), tab == activeTab);
}

namespace {

// The tab's control goes to its waiting place with its text, colours and view; its index
// waits in the slot and its lists in its companion state.
void ParkTab(Editor& editor, ui::RichEdit& edit, int tab) {
  FileTab& slot = editor.tabs.Tab(tab);
  slot.firstVisibleLine = ToNumber(FirstVisibleLineOf(edit));
  slot.scrollBarPosition = editor.main->ScrollPos(kLineScrollBar);
  WriteCompanionState(editor, tab);
  slot.index = std::move(editor.index);
  editor.index = FileIndex{};
  ParkEditor(editor, tab);
}

// Puts tab t on screen: its own control as it was left, or, for a tab only named so far,
// its file read by the loader into the fresh control.
void BringOnScreen(Editor& editor, int tab) {
  FileTab& slot = editor.tabs.Tab(tab);
  if (slot.inUse && ShowTabEditor(editor, tab)) {
    editor.index = std::move(slot.index);
    slot.index = FileIndex{};
    editor.main->SetScrollPos(kLineScrollBar, slot.scrollBarPosition);
    // Lists another file of the same name left in the companion state are not this one's.
    if (!RestoreCompanionState(editor, tab, ViewAfterRestore::kAsItWas)) FullIndex(editor, IndexProgress::kHidden);
    return;
  }
  editor.currentPath = slot.path;
  if (LoadNamedTab(editor, tab)) {
    slot.inUse = true;
    slot.caption = std::string(slot.Name());
    editor.main->SetScrollPos(kLineScrollBar, ToIndex(slot.firstVisibleLine).Value());
    return;
  }
  // A refused file leaves the control empty: the gutter numbers an empty view.
  NumberGutterFromOne(editor);
  editor.main->SetScrollPos(kLineScrollBar, 0);
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
  // The caption names the tab on screen; a text whose tab it does not name still waits, never goes.
  if (const int leaving = onScreen ? *onScreen : TabHoldingEditor(editor); leaving != 0) ParkTab(editor, *edit, leaving);
  FileTab& slot = editor.tabs.Tab(tab);
  editor.currentName = std::string(slot.Name());
  ColourTabButtons(editor, window, tab);
  ClearLists(editor);
  // The index restores the active tab's state: this tab must be the active one first.
  editor.tabs.SetActiveTab(tab);
  ShowFileCaption(editor, slot.caption);
  BringOnScreen(editor, tab);
  if (ui::RichEdit* shown = window.Edit(kEditor)) window.SetScrollRange(kLineScrollBar, 0, shown->LineCount());
  editor.currentPath = slot.path;
  editor.view.lastWrittenFirstLine = 0;  // a new file's ".src" is due
  ShowFileCaption(editor, slot.caption);
  EnableTabButtons(window, true);
  window.StartTimer(kPositionTimer, editor.prefs.timerIntervalMs);
}

void LeaveTab(Editor& editor, int tab) {
  if (tab < 1 || tab > kTabCount || !editor.main || editor.tabs.ActiveTab() != tab) return;
  ui::Window& window = *editor.main;
  ui::RichEdit* edit = window.Edit(kEditor);
  if (edit == nullptr || editor.tabs.FindOnScreen(window.Caption()) != tab) return;
  ParkTab(editor, *edit, tab);
  editor.currentPath = editor.tabs.Tab(tab).path;
  ClearPanes(editor);
  // No tab is on screen now: a later switch must not take the empty control for its text.
  ShowFileCaption(editor, "");
  // Only this tab now holds a text of its own; marking lower tabs too would make a tab
  // that is merely named look loaded, and its empty slot would later be saved over its file.
  editor.tabs.Tab(tab).inUse = true;
}

}  // namespace editor
