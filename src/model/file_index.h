// What the indexer knows about the active file besides its list controls: the two range
// tables the colouring reads, the lines where subroutines start, and the rows that the
// incremental updates are waiting to close.
#pragma once

#include <set>

#include "model/line_ranges.h"

namespace editor {

struct FileIndex {
  static constexpr int kNoLine = 0;

  LineRanges blockComments;
  LineRanges assemblyBlocks;
  std::set<int> subroutineStarts;  // 0-based line indexes of SUB lines
  // The start line (1-based) of a row added by typing or pasting whose end is still to come.
  int subroutineAwaitingEnd = kNoLine;
  int windowAwaitingEnd = kNoLine;

  void ClearRanges() {
    blockComments.Clear();
    assemblyBlocks.Clear();
  }
};

}  // namespace editor
