// The file and tool commands that the menu bar and the tool buttons share.
#pragma once

#include "state/editor.h"

namespace editor {

// True when no tab is left for another file: each holds a file or a name from the last run.
bool AllTabsTaken(const Editor& editor);

void NewFileCommand(Editor& editor);          // menu: from the template
void NewUntitledFileCommand(Editor& editor);  // button: an empty untitled file
void OpenFileCommand(Editor& editor);
void CloseFileCommand(Editor& editor);
void SaveFileCommand(Editor& editor);
void SaveFileAsCommand(Editor& editor);
void BackupFileCommand(Editor& editor);
void ReindexFileCommand(Editor& editor);
void EditorSettingsCommand(Editor& editor);
void ReloadFileCommand(Editor& editor);
void ClearUndoCommand(Editor& editor);
void ClearClipboardCommand(Editor& editor);
void OpenUserGuide(Editor& editor);   // the help file with its registered viewer
void OpenHelpViewer(Editor& editor);  // the help file in hh.exe
void StartApiSearchTool(Editor& editor);
void OpenFastCode(Editor& editor);

}  // namespace editor
