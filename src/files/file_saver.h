// Writing files back to disk: the Save command, the write it runs, Save as under a new
// name, and the save of any tab that the exit path asks for. A write that fails leaves
// the old file as it was, keeps the tab's star and says so; a file whose text never
// reached its tab is never written over.
#pragma once

#include <filesystem>

namespace editor {

struct Editor;

// True when the path lies in the IWBDev include folder, where nothing may be saved.
bool InIncludeFolder(const Editor& editor, const std::filesystem::path& path);

// The Save command: a starred active file is written and loses its star.
void SaveActiveFile(Editor& editor);

// Writes the edit control's text to the active file with the progress bar; a file saved
// under a path not saved before is re-indexed. False when nothing was written.
bool WriteActiveFile(Editor& editor);

// The Save as command: the save dialog, the write under the new name and the companions
// carried over to it.
void SaveActiveFileAs(Editor& editor);

// Saves tab t's text to its file, the text on screen for the active tab and the waiting
// text for the others. A tab whose file was refused or never read is not written.
bool SaveTab(Editor& editor, int tab);

}  // namespace editor
