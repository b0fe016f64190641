// The points where start-up and tab switching hand over to work that belongs to other
// parts of the editor: setup, preferences, include folder, editor state,
// companion state files and loading. A step that is not set is skipped, and the editor
// carries on with the defaults it already holds.
#pragma once

#include <functional>

namespace editor {

struct Editor;

struct EditorSeams {
  // Start-up, in the order it calls them.
  std::function<bool(Editor&)> runFirstTimeSetup;  // false: setup failed, the program ends
  std::function<void(Editor&, bool keepRecentFiles)> purgeForFirstTimeUse;
  std::function<void(Editor&)> readPreferences;
  std::function<void(Editor&)> establishIncludeFolder;
  std::function<bool(Editor&)> restoreEditorState;  // true when at least one tab was named
  std::function<void(Editor&)> showWelcomeText;

  // Tab switching.
  std::function<void(Editor&, int tab)> restoreCompanionState;  // refills the side lists
  std::function<void(Editor&, int tab)> writeCompanionState;
  std::function<bool(Editor&, int tab)> loadNamedTab;  // reads a named tab's file into the editor
};

}  // namespace editor
