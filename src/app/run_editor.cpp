#include "app/run_editor.h"

#include "app/prepare_start_folder.h"

namespace editor {

int RunEditor(ui::System& system, const StartOptions& options) {
  Editor editor(system);
  if (!PrepareStartFolder(editor) || !StartEditor(editor, options)) return 1;
  system.RunMessageLoop(*editor.main);
  return 0;
}

}  // namespace editor
