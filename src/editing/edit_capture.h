// Seeing what a key did to the text: the lines around the caret are read before the
// control acts on the key and compared afterwards, whatever the key turned out to do
// (a letter over a selection, a break, a join of two lines). A few requests near the
// caret, whatever the size of the file.
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
  int firstVisibleBefore = 0;
};

// The line above the selection's first line to the line below its last.
EditCapture BeginEditCapture(const ui::RichEdit& edit, EditKind kind);

// The change since the capture as one replacement, or nullopt when the text is the same.
std::optional<TextEdit> FinishEditCapture(const ui::RichEdit& edit, const EditCapture& capture);

}  // namespace editor
