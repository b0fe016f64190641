#include "app/run_editor.h"

namespace editor {

int RunEditor(ui::System& system, const StartOptions& options) {
  Editor editor(system);
  if (!StartEditor(editor, options)) return 1;
  system.RunMessageLoop(*editor.main);
  return 0;
}

}  // namespace editor
