#include "files/tab_editors.h"

#include "editing/edit_control_handler.h"
#include "view/main_window.h"

namespace editor {

namespace {

// A fresh control in the place and state of the one it replaces, with the key handling
// every document editor has.
void MakeFreshEditor(Editor& editor, ui::Rect place, bool visible) {
  if (!CreateDocumentEditor(editor, kEditor, place, visible)) return;
  InstallEditControlHandler(editor);
}

}  // namespace

int TabHoldingEditor(Editor& editor) {
  const int active = editor.tabs.ActiveTab();
  if (active == 0 || !editor.tabs.Tab(active).inUse || editor.main->HasControl(TabEditorId(active))) return 0;
  return active;
}

void ParkEditor(Editor& editor, int tab) {
  ui::Window& window = *editor.main;
  if (!window.HasControl(kEditor) || tab < 1 || tab > kTabCount) return;
  const ui::Rect place = window.ControlRect(kEditor);
  const bool visible = window.IsControlVisible(kEditor);
  window.DestroyControl(TabEditorId(tab));  // a control left from before would block the place
  window.ShowControl(kEditor, false);
  window.RenameControl(kEditor, TabEditorId(tab));
  MakeFreshEditor(editor, place, visible);
}

bool ShowTabEditor(Editor& editor, int tab) {
  ui::Window& window = *editor.main;
  if (tab < 1 || tab > kTabCount || !window.HasControl(TabEditorId(tab))) return false;
  const ui::Rect place = window.HasControl(kEditor) ? window.ControlRect(kEditor) : window.ControlRect(TabEditorId(tab));
  const bool visible = !window.HasControl(kEditor) || window.IsControlVisible(kEditor);
  // A tab's text is never destroyed on the way: a control still holding one waits instead.
  if (const int holder = TabHoldingEditor(editor); holder != 0 && holder != tab) {
    window.ShowControl(kEditor, false);
    window.RenameControl(kEditor, TabEditorId(holder));
  }
  window.DestroyControl(kEditor);
  window.RenameControl(TabEditorId(tab), kEditor);
  // The layout may have moved the edit area while this control waited.
  window.MoveControl(kEditor, place);
  window.ShowControl(kEditor, visible);
  return true;
}

void FreeEditorPlace(Editor& editor) {
  ui::Window& window = *editor.main;
  if (ui::RichEdit* edit = window.Edit(kEditor); edit != nullptr && edit->TextLength() == 0) return;
  if (const int holder = TabHoldingEditor(editor); holder != 0) {
    ParkEditor(editor, holder);
    return;
  }
  DiscardEditor(editor);
}

void DiscardEditor(Editor& editor) {
  ui::Window& window = *editor.main;
  const ui::Rect place = window.ControlRect(kEditor);
  const bool visible = window.IsControlVisible(kEditor);
  window.DestroyControl(kEditor);
  MakeFreshEditor(editor, place, visible);
}

ui::RichEdit* EditorOfTab(Editor& editor, int tab) {
  if (!editor.main || tab < 1 || tab > kTabCount) return nullptr;
  if (ui::RichEdit* waiting = editor.main->Edit(TabEditorId(tab))) return waiting;
  const bool onScreen = tab == editor.tabs.ActiveTab() && editor.tabs.FindOnScreen(editor.main->Caption()) == tab;
  return onScreen ? editor.main->Edit(kEditor) : nullptr;
}

void MoveTabEditorsDown(Editor& editor, int closedTab) {
  ui::Window& window = *editor.main;
  window.DestroyControl(TabEditorId(closedTab));
  for (int tab = closedTab + 1; tab <= kTabCount; ++tab) window.RenameControl(TabEditorId(tab), TabEditorId(tab - 1));
}

}  // namespace editor
