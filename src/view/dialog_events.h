// What the editor's own dialogs do with their events before their controls are asked.
#pragma once

#include <string_view>

#include "platform/window.h"
#include "state/editor.h"
#include "view/notices.h"

namespace editor {

// The close box closes the dialog; true when the event is a control's notice, which is
// left for the dialog to read.
inline bool IsControlNotice(ui::Window& dialog, const ui::Event& event) {
  if (event.kind == ui::MessageKind::kCloseRequested) {
    dialog.Close();
    return false;
  }
  return event.kind == ui::MessageKind::kControlNotify;
}

// Puts the text on the clipboard, confirms it, and closes the dialog when its "close
// after" box is ticked.
inline void CopyConfirmed(Editor& editor, ui::Window& dialog, std::string_view text, ui::ControlId closeAfterBox) {
  editor.system.SetClipboardText(text);
  ShowNotice(editor, notice::kCopiedToClipboard);
  if (dialog.IsChecked(closeAfterBox)) dialog.Close();
}

}  // namespace editor
