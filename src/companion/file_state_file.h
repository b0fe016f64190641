// A source file's companion files in Res: the ".txt" state of the main window's panes,
// taken from and put back into the controls, and the ".pth" file holding its full path.
#pragma once

#include <filesystem>

#include "model/file_state.h"
#include "state/editor.h"

namespace editor {

enum class CompanionWrite {
  kWritten,
  kNoFile,  // no file is open under that tab: nothing to write
  kFailed,  // Res is missing or cannot be written; any earlier file is left whole
};

enum class CompanionRead {
  kRead,
  kDamaged,     // garbage in it: what could be read was applied
  kMissing,     // normal for a file never opened before
  kUnreadable,  // not a file, or it cannot be opened
  kTooLarge,    // far beyond any real state; left alone and not applied
  kOtherFile,   // another file of the same base name owns it: nothing was applied
};

// Tab 1..6 names the tab's file; 0 the file on screen.
FileState CaptureFileState(Editor& editor, int tab);

// Writes Res/<base name>.txt from the controls, replacing the old file only once the new
// one is whole, then "1.txt" in the start folder with the line scroll bar's position.
CompanionWrite WriteFileState(Editor& editor, int tab);

// Res/<base name of path>.pth: the one line of the file's full path.
CompanionWrite WritePathCompanion(Editor& editor, const std::filesystem::path& path);

// What the reader leaves for its caller to finish.
struct FileStateRestore {
  CompanionRead stateFile = CompanionRead::kMissing;
  bool bookmarksRead = false;  // the bookmark combo was refilled: its buttons want refreshing
  int placesRead = 0;          // places put into the empty places combo: the pointer and count
};

// Where the subroutine and window rows come from on a restore.
enum class IndexRows {
  kFromState,  // the state file's rows fill the lists
  kFromText,   // a full index has just listed the text's own: rows of names it no longer
               // has must not come back
};

// Whether Res's companion state under this file's base name is this file's: two files of
// one name in two folders share the companion files, and ".pth" names the one whose state
// was written last.
bool CompanionStateIsFor(const Editor& editor, const std::filesystem::path& path);

// Puts a file's remembered state back: its path from ".pth", the panes from ".txt" and the
// caret line box from ".src". Missing files are normal and leave the controls as they are;
// a state that another file of the same name wrote is not applied at all. The gutter marker, caption, recolouring, caret, scroll range
// and showing the editing controls are the caller's to do afterwards.
FileStateRestore RestoreFileState(Editor& editor, int tab, IndexRows rows = IndexRows::kFromState);


}  // namespace editor
