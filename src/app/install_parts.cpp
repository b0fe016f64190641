#include "app/install_parts.h"

#include "commands/state_restore_view.h"
#include "document/file_backup.h"
#include "document/file_closer.h"
#include "document/file_loader.h"
#include "document/file_saver.h"
#include "document/file_state_file.h"
#include "document/new_file.h"
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
