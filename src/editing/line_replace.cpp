#include "editing/line_replace.h"

#include <optional>
#include <string>

#include "base/control_ids.h"
#include "editing/index_updates.h"
#include "editing/recorded_replacement.h"
#include "editing/undo_steps.h"
#include "model/line_replacement.h"
#include "state/editor.h"
#include "view/main_window.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Replaces in one line, read whole from the control; false when it was left alone.
bool ReplaceInLine(Editor& editor, ui::RichEdit& edit, LineIndex line, std::string_view find,
                   std::string_view replacement) {
  if (line.Value() < 0 || line.Value() >= edit.LineCount()) return false;
  const int start = edit.LineIndex(line.Value());
  const std::string old = edit.TextRange(start, start + edit.LineLength(start));
  const std::optional<std::string> changed = LineWithFirstReplaced(old, find, replacement);
  if (!changed) return false;
  ReplaceRecorded(editor, edit, start, old, *changed, UndoGroup::kOwn, EditKind::kReplacedLine);
  UpdateFromLine(editor, line, *changed);
  return true;
}

}  // namespace

ReplaceOutcome ReplaceInLines(Editor& editor, std::string_view find, std::string_view replacement,
                              const std::vector<LineNumber>& lines) {
  ReplaceOutcome outcome;
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr || ActiveHistory(editor) == nullptr) outcome.refusal = ReplaceRefusal::kNoFile;
  else if (find.empty()) outcome.refusal = ReplaceRefusal::kEmptyFindText;
  else if (HoldsLineBreak(find) || HoldsLineBreak(replacement)) outcome.refusal = ReplaceRefusal::kLineBreak;
  if (outcome.refusal != ReplaceRefusal::kNone) return outcome;
  std::optional<LineNumber> lastChanged;
  for (const LineNumber line : lines) {
    if (!ReplaceInLine(editor, *edit, ToIndex(line), find, replacement)) continue;
    ++outcome.linesChanged;
    lastChanged = line;
  }
  if (lastChanged) {
    RecolourVisible(editor);
    CaretToLine(editor, *lastChanged);
  }
  FocusEditor(editor);
  return outcome;
}

}  // namespace editor
