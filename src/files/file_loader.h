// Bringing a source file into a tab: the open dialog, the already-open rule, the whole
// read, the first tab free, and the file's companion state restored or begun.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "model/source_file.h"

namespace editor {

struct Editor;

// The notice for each way a file can be refused; 0 when it can be loaded (a missing file
// loads as an empty text).
int RefusalNotice(SourceReadStatus status);

enum class LoadResult {
  kLoaded,
  kAlreadyOpen,  // its tab is on screen instead
  kRefused,      // the file cannot be held whole; a notice said so and nothing changed
  kNoFreeTab,
};

LoadResult LoadFile(Editor& editor, const std::filesystem::path& path);

// The Open command's work after its check for a free tab: the on-screen tab is left,
// the user picks a file, and a cancel puts the active tab's state back.
void OpenFileFromDialog(Editor& editor);

// A tab named by the editor state file, on screen for the first time: its file is read
// into the edit control. False when the file was refused (a notice said so).
bool LoadNamedTab(Editor& editor, int tab);

// How a text that takes a new tab starts its lists.
enum class TabStart {
  kFromFile,     // restored from the companion state when there is one, else indexed
  kNewModified,  // a new file: indexed afresh, its caption starred
};

// Leaves the tab on screen and shows this text as tab t's file.
void ShowInNewTab(Editor& editor, int tab, const std::filesystem::path& path, const std::string& text,
                  TabStart start);

// The open and save dialogs' file types.
std::vector<std::pair<std::string, std::string>> SourceFileFilters();


}  // namespace editor
