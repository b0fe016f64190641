#include "navigation/position_timer.h"

#include <algorithm>

#include "base/control_ids.h"
#include "companion/viewed_line.h"
#include "editing/bracket_counter.h"
#include "view/edit_lines.h"
#include "view/gutter.h"
#include "view/main_window.h"

namespace editor {

namespace {

void RebuildBlankCaption(Editor& editor) {
  const std::string caption = editor.main->Caption();
  const int tab = editor.tabs.ActiveTab();
  if (!caption.starts_with(' ') || tab == 0) return;
  ShowFileCaption(editor, editor.tabs.Tab(tab).caption);
}

// The caret moved to another line: the line fields, the bracket count and the debug fields.
void RefreshForNewLine(Editor& editor) {
  ui::Window& window = *editor.main;
  if (!editor.view.busy) ShowBracketCounts(editor);
  editor.view.rememberedTopLine = editor.view.topLine;
  window.SetText(kCurrentLineField, std::to_string(editor.view.topLine.Value()));
  MarkGutterLine(editor, editor.view.topLine);
  window.ShowControl(kAutoCompleteList, false);
  window.SetText(kMessageLine, "");
  window.SetText(kFirstDebugField, window.GetText(kGutterRowShownInDebugPanel));
  window.SetText(kFirstDebugField + 1, std::to_string(std::max(1, editor.view.editColumn)));
  window.SetText(kFirstDebugField + 2, std::to_string(editor.view.topLine.Value()));
  window.SetText(kFirstDebugField + 3, std::to_string(std::max(1, editor.view.editOffset)));
}

}  // namespace

void OnPositionTimer(Editor& editor) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  ui::RichEdit* edit = window.Edit(kEditor);
  if (edit == nullptr) return;
  RebuildBlankCaption(editor);
  if (window.FocusedControl() == kEditor) {
    editor.view.topLine = ToNumber(CaretLineOf(*edit));
    if (const int tab = editor.tabs.ActiveTab(); tab != 0)
      editor.tabs.Tab(tab).scrollBarPosition = window.ScrollPos(kLineScrollBar);
    // Rewritten only when it changes: ticks come every few milliseconds.
    const int first = edit->FirstVisibleLine();
    if (first + 1 != editor.view.lastWrittenFirstLine) {
      WriteFirstVisibleLine(editor, first);
      editor.view.lastWrittenFirstLine = first + 1;
      // The view moved by other means than our scroll bar (keys, wheel): renumber.
      RefreshGutter(editor);
      MarkCurrentGutterRow(editor);
    }
    if (editor.view.topLine != editor.view.rememberedTopLine) RefreshForNewLine(editor);
  }
  editor.view.editColumn = std::max(0, editor.view.editColumn);
  editor.view.editOffset = std::max(0, editor.view.editOffset);
}

}  // namespace editor
