#include "app/install_parts.h"

#include "companion/file_state_file.h"
#include "companion/state_restore_view.h"
#include "files/file_backup.h"
#include "files/file_closer.h"
#include "files/file_loader.h"
#include "files/file_saver.h"
#include "files/new_file.h"
#include "prefs/preference_file.h"
#include "prefs/settings_dialog.h"

namespace editor {

void InstallParts(Editor& editor) {
  editor.seams.readPreferences = ReadPreferencesAtStartUp;
  editor.commands.editorSettings = RunEditorSettings;
  editor.commands.openFile = OpenFileFromDialog;
  editor.commands.newFile = NewFileFromTemplate;
  editor.commands.newUntitledFile = NewUntitledFile;
  editor.commands.saveFile = SaveActiveFile;
  editor.commands.saveFileAs = SaveActiveFileAs;
  editor.commands.closeFile = CloseActiveFile;
  editor.commands.backupFile = BackupActiveFile;
  editor.commands.saveTab = SaveTab;
  editor.seams.loadNamedTab = LoadNamedTab;
  InstallFileStateSeams(editor.seams, {.finishRestore = FinishStateRestore, .writeFailed = ReportStateWriteFailed});
}

}  // namespace editor
