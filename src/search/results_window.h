// The search results window: it searches the file on screen as soon as it opens, lists
// the matching lines with their subroutine or window, and lets the user filter, sort,
// pause, stop, jump to a line, tick and copy lines, or replace text in the ticked ones.
#pragma once

#include <string>

#include "model/search_options.h"

namespace editor {

struct Editor;

struct SearchRequest {
  std::string text;
  SearchOptions options;  // mode, join and extent; the go-to option is the editor's own
};

// Closes an open results window first; returns when the new one has closed.
void RunResultsWindow(Editor& editor, const SearchRequest& request);

}  // namespace editor
