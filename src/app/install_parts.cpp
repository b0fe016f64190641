#include "app/install_parts.h"

#include "commands/state_restore_view.h"
#include "document/file_loader.h"
#include "document/file_state_file.h"
#include "prefs/preference_file.h"
#include "prefs/settings_dialog.h"

namespace editor {

void InstallParts(Editor& editor) {
  editor.seams.readPreferences = ReadPreferencesAtStartUp;
  editor.commands.editorSettings = RunEditorSettings;
  editor.commands.openFile = OpenFileFromDialog;
  InstallFileStateSeams(editor.seams, {.finishRestore = FinishStateRestore, .writeFailed = ReportStateWriteFailed});
}

}  // namespace editor
