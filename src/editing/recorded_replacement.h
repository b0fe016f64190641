// A command's own change of the text, made as one replacement and recorded as one undo
// entry of the block kind, without reading back what the command already knows.
#pragma once

#include <string_view>

#include "model/undo_history.h"
#include "platform/rich_edit.h"

namespace editor {

struct Editor;

enum class UndoGroup { kOwn, kWithPrevious };

// The control holds `removed` at `start`; it gives way to `inserted`, and the caret goes
// to the end of what came in. kWithPrevious: undone and redone with the entry before it.
void ReplaceRecorded(Editor& editor, ui::RichEdit& edit, int start, std::string_view removed,
                     std::string_view inserted, UndoGroup group = UndoGroup::kOwn,
                     EditKind kind = EditKind::kBlock);

}  // namespace editor
