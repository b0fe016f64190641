#include "editing/recorded_replacement.h"

#include <string>

#include "base/scoped_flag.h"
#include "editing/undo_steps.h"
#include "model/undo_history.h"
#include "state/editor.h"

namespace editor {

void ReplaceRecorded(Editor& editor, ui::RichEdit& edit, int start, std::string_view removed,
                     std::string_view inserted, UndoGroup group, EditKind kind) {
  TextEdit change;
  change.joinedToPrevious = group == UndoGroup::kWithPrevious;
  change.kind = kind;
  change.start = start;
  change.removed = std::string(removed);
  change.inserted = std::string(inserted);
  change.caretBefore = edit.GetSelection().first;
  change.scrollBefore = edit.ScrollPosition().y;
  {
    const ScopedFlag busy(editor.view.busy);
    edit.SetSelection(start, start + static_cast<int>(removed.size()));
    edit.ReplaceSelection(inserted, false);
  }
  change.caretAfter = start + static_cast<int>(inserted.size());
  change.scrollAfter = edit.ScrollPosition().y;
  RecordEdit(editor, std::move(change));
}

}  // namespace editor
