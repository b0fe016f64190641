// The full index of the active file: its subroutines, windows and included files in the
// main window's lists, its block comments and assembly blocks in the range tables. The
// text is read from the control once and indexed in memory.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/positions.h"
#include "model/line_ranges.h"
#include "platform/types.h"

namespace editor {

struct Editor;

struct IndexedName {
  std::string name;
  LineNumber line = kNoLine;
  std::string title;
  friend bool operator==(const IndexedName&, const IndexedName&) = default;
};

struct TextIndex {
  LineRanges blockComments;
  LineRanges assemblyBlocks;
  std::vector<IndexedName> subroutines;
  std::vector<IndexedName> windows;
  std::vector<std::string> includes;
  int lineCount = 0;
  friend bool operator==(const TextIndex&, const TextIndex&) = default;
};

// Called after each line with its 1-based number; may be empty.
using LineProgress = std::function<void(int line)>;

// The whole text with CR LF, LF or CR breaks; lines of two characters or fewer, leading
// blanks aside, are not indexed.
TextIndex IndexText(std::string_view text, const LineProgress& progress = {});

enum class IndexProgress { kHidden, kShown };

// Rebuilds the lists and tables from the edit control's text, then puts back the rest of
// the file's remembered state (never a subroutine or window the text no longer has),
// recolours the page and returns the view to where it was.
void FullIndex(Editor& editor, IndexProgress progress);
// The same with the control's whole text already read by the caller, which saves a read.
void FullIndex(Editor& editor, IndexProgress progress, std::string_view controlText);

// Empties the range tables first; what opening a file runs.
void ClearAndReindex(Editor& editor);
void ClearAndReindex(Editor& editor, std::string_view controlText);

// Only the range tables, the window titles and the subroutine starts, for a file whose
// lists come back from its companion state, which keeps none of them.
void RebuildRangeTables(Editor& editor, std::string_view text);

}  // namespace editor
