#include "files/backup_dialog.h"

#include "base/stored_path.h"
#include "state/editor.h"
#include "view/text_entry_dialog.h"

namespace editor {

std::optional<std::string> AskBackupName(Editor& editor, const std::string& proposal) {
  return AskTextEntry(editor, {.caption = kBackupDialogCaption,
                               .label = "Backup file name",
                               .takeCaption = "Save",
                               .dismissCaption = "Cancel",
                               .initialText = editor.system.ShownName(PathFromStoredText(proposal)),
                               .labelRect = {30, 20, 400, 24},
                               .textSelected = true,
                               .takesEmpty = false});
}

}  // namespace editor
