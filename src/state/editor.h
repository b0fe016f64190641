// Everything the running editor knows, owned in one place and passed by reference.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/file_steps.h"
#include "base/positions.h"
#include "model/bookmarks.h"
#include "model/editor_preferences.h"
#include "model/file_index.h"
#include "model/folder_layout.h"
#include "model/keyword_table.h"
#include "model/line_metrics.h"
#include "model/places_history.h"
#include "model/search_options.h"
#include "model/tab_table.h"
#include "platform/ui.h"
#include "state/view_state.h"

namespace editor {

struct Editor {
  explicit Editor(ui::System& sys) : system(sys), folders(sys.StartFolder()) {}

  ui::System& system;
  FileSteps* files = &DiskFiles();  // every file write's steps; tests put failing ones here
  FolderLayout folders;
  EditorPreferences prefs;
  LineMetrics metrics;
  TabTable tabs;
  ViewState view;
  std::optional<KeywordTable> keywordTable;  // built at start-up, once the colours are known
  FileIndex index;                           // of the file on screen
  // The file on screen's bookmarks and places, mirrored by the bookmark and places panes;
  // a tab's own wait in its companion state while another tab is shown.
  std::vector<Bookmark> bookmarks;
  PlacesHistory places;
  // The file on screen's state has been read once since its panes were emptied: its
  // bookmarks and places are these, and reading the state file again (a re-index, the
  // active tab's button) must not bring back older ones the user removed.
  bool marksRestored = false;

  std::filesystem::path currentPath;  // the active tab's file
  std::string currentName;            // its file name, also the tab's caption
  std::filesystem::path lastSavedPath;  // a save under another path re-indexes the file
  std::filesystem::path includeFolder;  // the IWBDev include folder; empty until found
  int untitledCount = 0;                // new untitled files made in this run
  std::string transposeOperator = "=";  // offered again the next time lines are transposed
  LineNumber currentLine = kNoLine;   // the caret's line; none before any file
  int tabToActivate = 1;              // named by the editor state file; 0 for none
  bool resizeTabs = false;            // tab buttons sized to their captions
  // Set by the find bar and the results window, kept between searches.
  SearchOptions search;
  // The open search results window, owned by the call that runs it; at most one is open.
  ui::Window* resultsWindow = nullptr;
  // The control search window, open until closed, shown or hidden for later.
  ui::Window* controlSearchWindow = nullptr;

  std::unique_ptr<ui::Window> main;
};

}  // namespace editor
