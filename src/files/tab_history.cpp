#include "files/tab_history.h"

#include "base/control_ids.h"
#include "state/editor.h"

namespace editor {

void ClearActiveTabUndoAndRedo(Editor& editor) {
  if (!editor.main) return;
  // The tab's own undo and redo entries are emptied here once tabs keep them.
  editor.main->ShowControl(kClearUndoButton, false);
  editor.main->ShowControl(kNothingToUndoButton, true);
}

}  // namespace editor
