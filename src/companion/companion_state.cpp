#include "companion/companion_state.h"

#include <exception>

#include "companion/file_state_file.h"
#include "view/declaration_buttons.h"

namespace editor {

// Both run inside window handlers: nothing may escape them, and a failure becomes a notice.

bool RestoreCompanionState(Editor& editor, int tab, ViewAfterRestore view, IndexRows rows) {
  FileStateRestore restored;
  try {
    restored = RestoreFileState(editor, tab, rows);
  } catch (const std::exception&) {
    restored.stateFile = CompanionRead::kUnreadable;
  }
  FinishStateRestore(editor, tab, restored, view);
  ShowDeclarationButtons(editor);
  return restored.stateFile != CompanionRead::kOtherFile;
}

void WriteCompanionState(Editor& editor, int tab) {
  CompanionWrite written = CompanionWrite::kFailed;
  try {
    written = WriteFileState(editor, tab);
    const bool isTab = tab >= 1 && tab <= kTabCount;
    if (written == CompanionWrite::kWritten && isTab && !editor.tabs.Tab(tab).path.empty())
      written = WritePathCompanion(editor, editor.tabs.Tab(tab).path);
  } catch (const std::exception&) {
  }
  if (written == CompanionWrite::kFailed) ReportStateWriteFailed(editor, tab);
}

}  // namespace editor
