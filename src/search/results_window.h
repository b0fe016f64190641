// The search results window: it searches the file on screen as soon as it opens, lists
// the matching lines with their subroutine or window, and lets the user filter, sort,
// pause, stop, jump to a line, tick and copy lines, or replace text in the ticked ones.
#pragma once

#include <memory>
#include <string>

#include "model/search_options.h"

namespace editor {

struct Editor;

struct SearchRequest {
  std::string text;
  SearchOptions options;  // mode, join and extent; the go-to option is the editor's own
};

class ResultsWindow;

// The window in its two halves: opening it runs the search, serving it answers the user
// until it closes.
class SearchResultsWindow {
 public:
  SearchResultsWindow(Editor& editor, SearchRequest request);
  ~SearchResultsWindow();
  SearchResultsWindow(const SearchResultsWindow&) = delete;
  SearchResultsWindow& operator=(const SearchResultsWindow&) = delete;

  // Closes an open results window first; returns when the search has ended or paused.
  void Open();
  // Returns when the window has closed.
  void Serve();
  int RowCount() const;

 private:
  std::unique_ptr<ResultsWindow> window_;
};

// Opens and serves the window.
void RunResultsWindow(Editor& editor, const SearchRequest& request);

}  // namespace editor
