// One of the six tab slots: the file it holds, and while it is not on screen, the index of
// its text. The text itself waits in the tab's own rich edit.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/positions.h"
#include "model/file_index.h"
#include "model/undo_history.h"

namespace editor {

struct FileTab {
  std::string caption;  // the file name; a trailing "*" marks unsaved changes
  std::filesystem::path path;
  bool inUse = false;     // its text has been loaded at least once
  FileIndex index;        // the index of its text while another tab is on screen
  LineNumber firstVisibleLine{1};
  int scrollBarPosition = 0;  // the line scroll bar's place while the tab was last on screen
  // The tab's edits; the history moves with the file when tabs close up behind a closed one.
  UndoHistory history;

  bool IsEmpty() const { return caption.empty(); }
  bool IsModified() const { return caption.ends_with('*'); }
  // The caption without its modified star.
  std::string_view Name() const {
    std::string_view name = caption;
    if (name.ends_with('*')) name.remove_suffix(1);
    return name;
  }
};

}  // namespace editor
