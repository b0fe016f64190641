#include "files/file_commands.h"

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "base/scoped_flag.h"
#include "files/exit_path.h"
#include "files/file_backup.h"
#include "files/file_closer.h"
#include "files/file_loader.h"
#include "files/file_reload.h"
#include "files/file_saver.h"
#include "files/include_file_opener.h"
#include "files/new_file.h"
#include "files/recent_files_window.h"
#include "files/reset_dialog.h"
#include "view/notices.h"
#include "view/view_procedures.h"

namespace editor {

bool AllTabsTaken(const Editor& editor) {
  for (int tab = 1; tab <= kTabCount; ++tab)
    if (editor.tabs.Tab(tab).IsEmpty() && !editor.tabs.Tab(tab).inUse) return false;
  return true;
}

namespace {

using ui::notify::kClick;

// A new file needs a free tab; the text it brings is no change of the user's.
template <void (*MakeFile)(Editor&)>
void NewFileInFreeTab(Editor& editor, const ui::Event&) {
  if (AllTabsTaken(editor)) {
    ShowNotice(editor, notice::kAllTabsTaken);
    return;
  }
  const ScopedFlag busy(editor.view.busy);
  MakeFile(editor);
}

void OpenFile(Editor& editor, const ui::Event&) {
  if (AllTabsTaken(editor)) {
    ShowNotice(editor, notice::kAllTabsTaken);
    return;
  }
  OpenFileFromDialog(editor);
}

void RecentFiles(Editor& editor, const ui::Event&) { RunRecentFilesWindow(editor); }

void BackupFile(Editor& editor, const ui::Event&) {
  RunWithViewRestored(editor, [&editor] { BackupActiveFile(editor); });
}

constexpr ControlCommand kControlRows[] = {
    {kNewFileButton, kClick, NewFileInFreeTab<NewUntitledFile>},
    {kOpenFileButton, kClick, OpenFile},
    {kSaveFileButton, kClick, Call<SaveActiveFile>},
    {kSaveAsButton, kClick, Call<SaveActiveFileAs>},
    {kBackupButton, kClick, BackupFile},
    {kCloseFileButton, kClick, Call<CloseActiveFile>},
    {kCloseFileTopButton, kClick, Call<CloseActiveFile>},
    {kReloadButton, kClick, Call<ReloadActiveFile>},
    {kExitButton, kClick, Call<ExitPath>},
    {kFixScrollingButton, kClick, Call<RestartEditor>},
    {kIncludeCombo, ui::notify::kSelectionChanged, Call<OpenSelectedIncludeFile>},
};

constexpr MenuCommand kMenuRows[] = {
    {kMenuNewFile, NewFileInFreeTab<NewFileFromTemplate>},
    {kMenuOpenFile, OpenFile},
    {kMenuRecentFiles, RecentFiles},
    {kMenuResetFirstUse, Call<RunResetDialog>},
    {kMenuCloseFile, Call<CloseActiveFile>},
    {kMenuSaveFile, Call<SaveActiveFile>},
    {kMenuSaveFileAs, Call<SaveActiveFileAs>},
    {kMenuBackupFile, BackupFile},
    {kMenuExit, Call<ExitPath>},
};

}  // namespace

CommandRows FileCommands() { return {kControlRows, kMenuRows}; }

}  // namespace editor
