// Seeing what a key did to the text: the characters around the selection are read before
// the control acts on the key and compared afterwards, whatever the key turned out to do
// (a letter over a selection, a break, a join of two lines). Two reads of a range near
// the caret, whatever the size of the file: on the real control every request that
// finds a line or a position walks the text up to it.
#pragma once

#include <optional>
#include <string>

#include "model/undo_history.h"
#include "platform/rich_edit.h"

namespace editor {

struct EditCapture {
  EditKind kind = EditKind::kTyping;
  int regionStart = 0;
  int regionEnd = -1;  // -1: the end of the text
  std::string regionText;
  int lengthBefore = 0;
  int caretBefore = 0;
  int selectionEnd = 0;  // the selection was caretBefore..selectionEnd
  int scrollBefore = 0;
  std::optional<char> typed;  // a character typed at the caret, the text not read
};

// The selection and a margin of characters on each side: a key changes at most the
// character next to the selection, or the selection itself.
EditCapture BeginEditCapture(const ui::RichEdit& edit, EditKind kind);

// A character typed with nothing selected, the control inserting rather than overtyping:
// it goes in at the caret or, at the text limit, nowhere. Nothing of the text is read,
// which on the real control would walk the text up to the caret.
EditCapture BeginTypedCapture(const ui::RichEdit& edit, char typed);
// False when a typed capture's text changed in some other way: what it replaced is then
// unknown.
bool TypedAsExpected(const ui::RichEdit& edit, const EditCapture& capture);

// The change since the capture as one replacement, or nullopt when the text is the same.
std::optional<TextEdit> FinishEditCapture(const ui::RichEdit& edit, const EditCapture& capture);

}  // namespace editor
