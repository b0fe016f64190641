// The operations that the main window's commands hand over to other parts of the editor:
// files, lists, bookmarks, places, find, undo. An operation that is not set is
// skipped; the command still does its own steps (focus, view, switches).
#pragma once

#include <functional>
#include <string>

#include "platform/event.h"

namespace editor {

struct Editor;

using Operation = std::function<void(Editor&)>;

// Why a command asks the undo history to record the current selection first.
enum class UndoReason { kCut, kPaste };
// A part that owns a group of controls receives their notifications whole.
using ControlOwner = std::function<void(Editor&, const ui::Event&)>;

struct CommandSeams {
  // Files.
  Operation newFile;          // from the template
  Operation newUntitledFile;  // empty, under the next untitled name
  Operation openFile;
  Operation closeFile;
  Operation saveFile;
  Operation saveFileAs;
  Operation backupFile;
  Operation reloadFile;
  Operation saveEditorState;
  std::function<bool(Editor&, int tab)> saveTab;  // on a Yes when the editor closes

  // Dialogs and tool windows.
  Operation editorSettings;
  Operation recentFiles;
  Operation resetToFirstUse;
  Operation fastCode;
  Operation transpose;
  std::function<void(Editor&, const std::string& controlName)> searchControls;
  Operation closeToolWindows;

  // Text.
  std::function<void(Editor&, UndoReason reason)> recordUndo;
  std::function<void(Editor&, int line, int count, int mode)> shiftLineReferences;
  Operation clearUndo;
  std::function<void(Editor&, bool quiet)> addPlace;

  // Find.
  Operation findWords;
  Operation resetFindResults;

  // Controls whose behaviour another part owns.
  ControlOwner subroutineList;
  ControlOwner windowList;
  ControlOwner codeBlocks;
  ControlOwner bookmarks;
  ControlOwner places;
  ControlOwner includeFiles;
  ControlOwner readyMadeCode;
  ControlOwner findControls;
  ControlOwner controlSearchPane;
  ControlOwner editorNotifications;  // the edit control, completion field and suggestion list
};

}  // namespace editor
