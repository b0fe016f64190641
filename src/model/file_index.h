// What the indexer knows about the active file besides its list controls: the two range
// tables the colouring reads, the lines where subroutines start, the windows' titles that
// their drop-down entries show, and the rows that the incremental updates are waiting to
// close.
#pragma once

#include <map>
#include <set>
#include <string>

#include "base/positions.h"
#include "model/line_ranges.h"

namespace editor {

struct FileIndex {
  LineRanges blockComments;
  LineRanges assemblyBlocks;
  std::set<LineIndex> subroutineStarts;  // of SUB lines
  // A window's title by its name: the per-file state keeps the names only.
  std::map<std::string, std::string> windowTitles;
  // The start line of a row added by typing or pasting whose end is still to come.
  LineNumber subroutineAwaitingEnd = kNoLine;
  LineNumber windowAwaitingEnd = kNoLine;

  void ClearRanges() {
    blockComments.Clear();
    assemblyBlocks.Clear();
  }
};

}  // namespace editor
