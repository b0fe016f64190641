#include "navigation/navigation_commands.h"

#include <algorithm>

#include "base/control_ids.h"
#include "companion/viewed_line.h"
#include "files/tab_switch.h"
#include "view/code_block_view.h"
#include "view/gutter.h"
#include "view/main_window.h"
#include "view/places_pane.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

constexpr int kLastLineMargin = 10;  // "last line" leaves this many lines above the end in view

ui::RichEdit* EditorControl(Editor& editor) { return editor.main ? editor.main->Edit(kEditor) : nullptr; }

}  // namespace

ui::ControlId GoButtonOfBox(ui::ControlId box) {
  if (box == kGoToLineBox2) return kGoToLineButton2;
  if (box == kGoToLineBox3) return kGoToLineButton3;
  return kGoToLineButton;
}

ui::ControlId BoxOfGoButton(ui::ControlId button) {
  if (button == kGoToLineButton2) return kGoToLineBox2;
  if (button == kGoToLineButton3) return kGoToLineBox3;
  return kGoToLineBox;
}

void GoToFirstLine(Editor& editor) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  LeaveCodeBlock(editor);
  AddPlace(editor, CurrentPlace(editor), true);
  editor.main->SetText(kLineNumberBox, "1");
  editor.main->SetScrollPos(kLineScrollBar, 0);
  edit->SetScrollPosition({0, 0});
  edit->SetSelection(0, 0);
  editor.view.topLine = LineNumber(1);
  RecolourVisible(editor);
  RefreshGutter(editor);
  FocusEditor(editor);
  MarkCurrentGutterRow(editor);
  AddPlace(editor, LineNumber(1), true);
}

void GoToLastLine(Editor& editor) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  LeaveCodeBlock(editor);
  AddPlace(editor, CurrentPlace(editor), true);
  const int last = edit->LineCount();
  editor.view.topLine = LineNumber(last);
  editor.main->SetText(kLineNumberBox, std::to_string(last));
  // A file shorter than the margin shows its start.
  const int top = std::max(0, last - kLastLineMargin);
  edit->SetScrollPosition({0, top * editor.metrics.lineHeight});
  RecolourVisible(editor);
  editor.main->SetScrollPos(kLineScrollBar, top);
  RefreshGutter(editor);
  FocusEditor(editor);
  MarkCurrentGutterRow(editor);
  AddPlace(editor, LineNumber(last), true);
}

void OnGoToBoxChanged(Editor& editor, ui::ControlId box) {
  if (editor.view.busy || editor.view.loading) return;
  ui::Window& window = *editor.main;
  window.ShowControl(GoButtonOfBox(box), !window.GetText(box).empty());
  // Each keystroke jumps: the place before is the one the typing started from, and the
  // line the box settles on is recorded by its go button or the next jump.
  if (CurrentPlace(editor) != editor.view.boxJumpLine) AddPlace(editor, CurrentPlace(editor), true);
  GoToLineFromBox(editor, box);
  editor.view.boxJumpLine = CurrentPlace(editor);
}

void OnGoToButton(Editor& editor, ui::ControlId button) {
  const ui::ControlId box = BoxOfGoButton(button);
  if (editor.main->GetText(box).empty()) return;
  AddPlace(editor, CurrentPlace(editor), true);
  GoToLineFromBox(editor, box);
  AddPlace(editor, CurrentPlace(editor), true);
}

void OnCurrentLineFieldChanged(Editor& editor) {
  const int line = NumberIn(*editor.main, kCurrentLineField);
  if (line <= 0) return;
  MarkGutterLine(editor, LineNumber(line));
  editor.view.topLine = LineNumber(line);
}

void OnTabButton(Editor& editor, int tab) {
  FileTab& slot = editor.tabs.Tab(tab);
  if (slot.IsEmpty() || (tab >= 4 && tab == editor.tabs.ActiveTab())) {
    FocusEditor(editor);
    return;
  }
  ui::Window& window = *editor.main;
  if (const int active = editor.tabs.ActiveTab(); active != 0)
    editor.tabs.Tab(active).scrollBarPosition = window.ScrollPos(kLineScrollBar);
  window.ShowControl(kEditor, false);
  // The tab's own control comes back coloured, with its caret and place as they were left.
  ActivateTab(editor, tab);
  // The file asked for is shown, not a block left on screen; the blocks keep their code.
  ShowMainCode(editor);
  const std::string viewed = ReadViewedLine(editor);
  if (!viewed.empty()) window.SetText(kLineNumberBox, viewed);
  FocusEditor(editor);
}

namespace {

using ui::notify::kClick;
using ui::notify::kTextChanged;

void OnTab(Editor& editor, const ui::Event& event) { OnTabButton(editor, event.controlId - kFirstTabButton + 1); }
void OnGoBox(Editor& editor, const ui::Event& event) { OnGoToBoxChanged(editor, event.controlId); }
void OnGoButton(Editor& editor, const ui::Event& event) { OnGoToButton(editor, event.controlId); }

constexpr ControlCommand kControlRows[] = {
    {kFirstLineButton, kClick, Call<GoToFirstLine>},
    {kLastLineButton, kClick, Call<GoToLastLine>},
    {kCurrentLineField, kTextChanged, Call<OnCurrentLineFieldChanged>},
    {kGoToLineButton, kClick, OnGoButton},
    {kGoToLineButton2, kClick, OnGoButton},
    {kGoToLineButton3, kClick, OnGoButton},
    {kGoToLineBox, kTextChanged, OnGoBox},
    {kGoToLineBox2, kTextChanged, OnGoBox},
    {kGoToLineBox3, kTextChanged, OnGoBox},
    {TabButtonId(1), kClick, OnTab},
    {TabButtonId(2), kClick, OnTab},
    {TabButtonId(3), kClick, OnTab},
    {TabButtonId(4), kClick, OnTab},
    {TabButtonId(5), kClick, OnTab},
    {TabButtonId(6), kClick, OnTab},
};

}  // namespace

CommandRows NavigationCommands() { return {kControlRows, {}}; }

}  // namespace editor
