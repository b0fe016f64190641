// The line-number labels beside the edit area and the "> " marker of the current line.
#pragma once

#include "base/positions.h"
#include "state/editor.h"

namespace editor {

// Label i (1..N) shows first visible line + i, unmarked.
void RefreshGutter(Editor& editor);
// Labels 1..N show 1..N, as for an empty view.
void NumberGutterFromOne(Editor& editor);
// The row showing the top line gets "> " and the line-highlight colour.
void MarkCurrentGutterRow(Editor& editor);
// Every row loses its marker; the row showing this line number gets it.
void MarkGutterLine(Editor& editor, LineNumber line);
// The line number of the row carrying the "> " marker (the clicked line); kNoLine when no
// row carries it.
LineNumber MarkedGutterLine(const Editor& editor);
// The rows take the line colours now in force, the marked row the highlight.
void RecolourGutter(Editor& editor);

}  // namespace editor
