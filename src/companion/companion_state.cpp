#include "companion/companion_state.h"

#include <exception>

#include "companion/file_state_file.h"
#include "companion/state_restore_view.h"

namespace editor {

// Both run inside window handlers: nothing may escape them, and a failure becomes a notice.

void RestoreCompanionState(Editor& editor, int tab) {
  FileStateRestore restored;
  try {
    restored = RestoreFileState(editor, tab, RestoreText::kKeepEditorText);
  } catch (const std::exception&) {
    restored.stateFile = CompanionRead::kUnreadable;
  }
  FinishStateRestore(editor, tab, restored);
}

void WriteCompanionState(Editor& editor, int tab) {
  CompanionWrite written = CompanionWrite::kFailed;
  try {
    written = WriteFileState(editor, tab);
  } catch (const std::exception&) {
  }
  if (written == CompanionWrite::kFailed) ReportStateWriteFailed(editor, tab);
}

}  // namespace editor
