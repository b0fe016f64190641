#include "editing/edit_key_release.h"

#include "app/control_ids.h"
#include "app/editor.h"
#include "editing/bracket_counter.h"
#include "editing/colour_passes.h"
#include "editing/index_updates.h"

namespace editor {

void AfterEditKeyRelease(Editor& editor, int virtualKey) {
  if (editor.view.busy) return;
  ShowBracketCounts(editor);
  UpdateFromCaretLine(editor);
  ui::RichEdit& edit = *editor.main->Edit(kEditor);
  const int caretLine = edit.LineFromChar(edit.GetSelection().first);
  // Enter has just given the line above its break, which ends the word it ended with.
  const int first = virtualKey == ui::key::kEnter ? caretLine - 1 : caretLine;
  ColourEditorLines(editor, {first, caretLine, -1});
}

void InstallEditKeyRelease(Editor& editor) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) return;
  // A release comes after the control has acted on the key, so the line is up to date.
  edit->SetMessageFilter([&editor](ui::RichEdit&, ui::InputMessage& message) {
    if (message.message == ui::message::kKeyUp) AfterEditKeyRelease(editor, static_cast<int>(message.wparam));
    return false;
  });
}

}  // namespace editor
