// The main window: created once with every control it will ever show, then switched
// between the no-file layout and the file-open layout.
#pragma once

#include <memory>
#include <string>

#include "state/editor.h"

namespace editor {

// How many characters a code block's editor takes from the keyboard; code put in a block
// whole raises its limit rather than being cut.
constexpr int kCodeBlockTextLimit = 512 * 1024;

// Creates the window with its menu bar, shortcuts, edit area, gutter, panes, hidden
// helpers and tool tips, in the no-file layout. nullptr when the window cannot be made.
std::unique_ptr<ui::Window> CreateMainWindow(Editor& editor);

// A file is open: editing menu items enabled and the editing controls shown, the gutter
// as many rows as the line metrics give; the places and bookmark buttons as the editor's
// places and bookmarks call for.
void ShowEditingControls(Editor& editor);

// No file is open: editing menu items grey, editing controls and gutter hidden, and the
// caption asks for a file.
void HideEditingControls(ui::Window& window);

// The clear button while the active tab has anything to undo, "Nothing to undo" otherwise.
void ShowUndoButtons(Editor& editor);
// The edit area shows the gutter's rows and no more, each whole: the edit area is a little
// taller than they are, and a row scrolled in from below would otherwise stand part of a
// line off its number, or below the last one.
void ShowGutterRowsOnly(const Editor& editor, ui::RichEdit& edit);

// A fresh, empty document editor under this id and in this place, with the editor's font,
// colours, text limit and events. False when no control could be made.
bool CreateDocumentEditor(Editor& editor, ui::ControlId id, ui::Rect place, bool visible);

// A fresh, empty and hidden editor for block 1..4 in the edit area's place, with the
// editor's font, colours and events; the block's earlier control must have gone.
bool CreateCodeBlockEditor(Editor& editor, int block);

// Tab stops every tab-spacing characters on one edit area; the preferences' tab stop
// width takes the value the spacing gives.
void ApplyTabStops(Editor& editor, ui::RichEdit& edit);

// The editor font now gives these line metrics, which become the editor's: each gutter
// row moves to its place for the new line height (rows the window lacks are made), rows
// left over are emptied and hidden for good, and the edit areas and their frame take the
// new height. The rows' numbers are left to the caller.
void FitEditAreaToLineMetrics(Editor& editor, const LineMetrics& metrics);

// The main window's caption for a file: its name, then the title text.
std::string CaptionForFile(std::string_view fileName);

// The caption for a file name as the tabs hold it ("*" and all; "" for none), in the
// encoding window texts take.
void ShowFileCaption(const Editor& editor, std::string_view fileName);

// Tab t's caption on its button.
void ShowTabCaption(const Editor& editor, int tab);

}  // namespace editor
