#include "navigation/vertical_scroll.h"

#include <algorithm>

#include "base/control_ids.h"
#include "view/colour_passes.h"
#include "view/edit_lines.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

// Codes 0-3 hold the busy and thumb-drag flags for their whole run.
class ScrollGuard {
 public:
  explicit ScrollGuard(ViewState& view) : view_(view) { view_.busy = view_.thumbDrag = true; }
  ~ScrollGuard() { view_.busy = view_.thumbDrag = false; }
  ScrollGuard(const ScrollGuard&) = delete;
  ScrollGuard& operator=(const ScrollGuard&) = delete;

 private:
  ViewState& view_;
};


void SetLineBox(Editor& editor, int line) { editor.main->SetText(kLineNumberBox, std::to_string(line)); }

// Down by lines rows; the caret goes to the bottom row so that it stays in view.
void ScrollDown(Editor& editor, ui::RichEdit& edit, int rows) {
  const ScrollGuard guard(editor.view);
  const int n = editor.metrics.gutterLines;
  const int first = edit.FirstVisibleLine();
  // The lines coming into view are coloured before they show.
  RunColourPass(editor, rows == 1 ? ColourPass::kLineBelow : ColourPass::kNextPage);
  edit.LineScroll(rows);
  const int m = first + (rows == 1 ? 2 : n);
  SetLineBox(editor, m);
  const LineNumber caretLine(std::min(m + n - 1, edit.LineCount()));
  CaretToLine(editor, caretLine);
  editor.view.topLine = editor.view.rememberedTopLine = caretLine;
  editor.main->SetText(kCurrentLineField, std::to_string(caretLine.Value()));
  editor.main->SetText(kEditOffsetField, "1");
  FocusEditor(editor);
}

// Up by lines rows; at the top nothing happens.
void ScrollUp(Editor& editor, ui::RichEdit& edit, int rows) {
  const int first = edit.FirstVisibleLine();
  if (first == 0) return;
  const ScrollGuard guard(editor.view);
  const int n = editor.metrics.gutterLines;
  const int moved = std::min(rows, first);
  RunColourPass(editor, rows == 1 ? ColourPass::kLineAbove : ColourPass::kLinesAbove);
  edit.LineScroll(-moved);
  SetLineBox(editor, rows == 1 ? first : std::max(1, first - n + 2));
  CaretToLine(editor, ToNumber(FirstVisibleLineOf(edit)));
  FocusEditor(editor);
}

// The view follows the thumb: its position is the number of the line at the top.
void ShowTopLine(Editor& editor, ui::RichEdit& edit, LineNumber line) {
  edit.SetScrollPosition({0, std::max(0, ToIndex(line).Value()) * editor.metrics.lineHeight});
}

}  // namespace

void OnVerticalScroll(Editor& editor, int scrollCode, int position) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) return;
  const int n = editor.metrics.gutterLines;
  switch (scrollCode) {
    case ui::scroll::kLineDown: ScrollDown(editor, *edit, 1); break;
    case ui::scroll::kPageDown: ScrollDown(editor, *edit, n); break;
    case ui::scroll::kLineUp: ScrollUp(editor, *edit, 1); break;
    case ui::scroll::kPageUp: ScrollUp(editor, *edit, n); break;
    case ui::scroll::kThumbTrack:
      editor.view.thumbDrag = true;
      editor.view.topLine = editor.view.rememberedTopLine = LineNumber(position);
      SetLineBox(editor, position);
      ShowTopLine(editor, *edit, editor.view.topLine);
      break;
    case ui::scroll::kEndScroll:
      editor.view.thumbDrag = false;
      if (editor.main->ScrollPos(kLineScrollBar) != 0) {
        editor.main->SetScrollPos(kLineScrollBar, editor.view.topLine.Value());
        ShowTopLine(editor, *edit, editor.view.topLine);
        CaretToLine(editor, editor.view.topLine);
      } else {
        SetLineBox(editor, 1);
        edit->SetSelection(0, 0);
      }
      FocusEditor(editor);
      break;
    case ui::scroll::kThumbPosition: editor.main->SetScrollPos(kLineScrollBar, position); break;
    default: break;
  }
}

}  // namespace editor
