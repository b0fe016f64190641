#include "editing/edit_commands.h"

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "editing/edit_capture.h"
#include "editing/file_indexer.h"
#include "editing/index_updates.h"
#include "editing/ready_made_code.h"
#include "editing/undo_steps.h"
#include "view/code_block_view.h"
#include "view/gutter.h"
#include "view/notices.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

ui::RichEdit* EditorControl(Editor& editor) { return editor.main ? editor.main->Edit(kEditor) : nullptr; }

void PutSelectionOnClipboard(Editor& editor, ui::RichEdit& edit) {
  editor.system.SetClipboardText(WithCrLfBreaks(edit.SelectedText()));
  editor.main->EnableMenuItem(kMenuPaste, true);
}

// Cut and paste change any number of lines at once: one undo entry each, replayed as one
// replacement.
template <typename Change>
void RecordBlockEdit(Editor& editor, ui::RichEdit& edit, Change change) {
  const EditCapture capture = BeginEditCapture(edit, EditKind::kBlock);
  change();
  if (std::optional<TextEdit> edited = FinishEditCapture(edit, capture)) RecordEdit(editor, std::move(*edited));
}

// While a code block is shown, the Edit menu and its keys work on the block, the control
// the user sees: the hidden file must never change under them. A block's changes are its
// control's own to undo, never entries of the file's history.
ui::RichEdit* ControlOnScreen(Editor& editor) {
  if (ui::RichEdit* block = ShownCodeBlock(editor)) return block;
  return EditorControl(editor);
}

void ReplaceInBlock(ui::RichEdit& block, std::string_view text) { block.ReplaceSelection(text, true); }

}  // namespace

std::string WithCrLfBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) out += '\n';
  }
  return out;
}

void CutCommand(Editor& editor) {
  if (ui::RichEdit* block = ShownCodeBlock(editor)) {
    if (const auto [start, end] = block->GetSelection(); start == end) return;
    PutSelectionOnClipboard(editor, *block);
    ReplaceInBlock(*block, "");
    return;
  }
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  const auto [start, end] = edit->GetSelection();
  if (start == end) return;
  const ui::Point scroll = edit->ScrollPosition();
  PutSelectionOnClipboard(editor, *edit);
  RecordBlockEdit(editor, *edit, [edit] { edit->ReplaceSelection("", false); });
  edit->SetScrollPosition(scroll);
  RefreshGutter(editor);
  MarkCurrentGutterRow(editor);
}

void CopyCommand(Editor& editor) {
  ui::RichEdit* edit = ControlOnScreen(editor);
  if (edit == nullptr) return;
  // Copying nothing leaves the clipboard as it was.
  if (const auto [start, end] = edit->GetSelection(); start != end) PutSelectionOnClipboard(editor, *edit);
}

// Ctrl+V arrives here as the Edit menu's accelerator: the edit control never sees it.
void PasteCommand(Editor& editor) {
  ui::RichEdit* edit = EditorControl(editor);
  const std::optional<std::string> text = editor.system.ClipboardText();
  if (edit == nullptr || !text || text->empty()) return;
  if (ui::RichEdit* block = ShownCodeBlock(editor)) {
    ReplaceInBlock(*block, *text);
    return;
  }
  const LineIndex firstLine(edit->LineFromChar(edit->GetSelection().first));
  RecordBlockEdit(editor, *edit, [&] { edit->ReplaceSelection(*text, false); });
  const int caret = edit->GetSelection().second;
  const LineIndex caretLine(edit->LineFromChar(caret));
  // Pasted SUB and OPENWINDOW lines join the lists; the visible page is coloured after.
  UpdateAfterPaste(editor, firstLine, caretLine);
  edit->SetSelection(caret, caret);
  editor.main->SetScrollRange(kLineScrollBar, 0, edit->LineCount());
  RefreshGutter(editor);
  MarkGutterLine(editor, ToNumber(caretLine));
}

void SelectAllCommand(Editor& editor) {
  ui::RichEdit* edit = ControlOnScreen(editor);
  if (edit == nullptr) return;
  edit->SetSelection(0, -1);
  editor.system.SetClipboardText(edit->Text());
}

void ClearClipboardCommand(Editor& editor) {
  editor.system.SetClipboardText("");
  ShowNotice(editor, notice::kClipboardEmpty);
}

void ReindexFileCommand(Editor& editor) {
  RunWithViewRestored(editor, [&editor] {
    ShowNotice(editor, notice::kPleaseWait);
    FullIndex(editor, IndexProgress::kShown);
    ShowNotice(editor, notice::kReindexed);
  });
}

namespace {

using ui::notify::kClick;
using ui::notify::kSelectionChanged;

void Cut(Editor& editor, const ui::Event&) { CutCommand(editor); }
void Copy(Editor& editor, const ui::Event&) { CopyCommand(editor); }
void Paste(Editor& editor, const ui::Event&) { PasteCommand(editor); }
void ReadyMadeButton(Editor& editor, const ui::Event&) { InsertReadyMadeCode(editor, true); }
void ReadyMadePicked(Editor& editor, const ui::Event&) {
  if (editor.view.jumpToSelections && !editor.view.loading) InsertReadyMadeCode(editor, false);
}

constexpr ControlCommand kControlRows[] = {
    {kReindexButton, kClick, Call<ReindexFileCommand>},
    {kRecolourButton, kClick, Call<RecolourVisible>},
    {kClearUndoButton, kClick, Call<ClearUndoCommand>},
    {kReadyMadeCodeCombo, kSelectionChanged, ReadyMadePicked},
    {kAddReadyMadeCodeButton, kClick, ReadyMadeButton},
};

constexpr MenuCommand kMenuRows[] = {
    {kMenuCut, Cut},
    {kContextCut, Cut},
    {kMenuCopy, Copy},
    {kContextCopy, Copy},
    {kMenuPaste, Paste},
    {kContextPaste, Paste},
    {kMenuSelectAll, Call<SelectAllCommand>},
    {kContextSelectAll, Call<SelectAllCommand>},
    {kMenuClearClipboard, Call<ClearClipboardCommand>},
    {kMenuReindexFile, Call<ReindexFileCommand>},
};

}  // namespace

CommandRows EditingCommands() { return {kControlRows, kMenuRows}; }

}  // namespace editor
