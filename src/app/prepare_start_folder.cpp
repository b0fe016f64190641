#include "app/prepare_start_folder.h"

#include "app/first_time_setup.h"
#include "app/startup.h"
#include "files/first_use_purge.h"
#include "view/notices.h"

namespace editor {

bool PrepareStartFolder(Editor& editor) {
  const std::filesystem::path start = editor.folders.StartFolder();
  if (!FindResFolder(start) && !RunFirstTimeSetup(editor.system, *editor.files)) return false;
  editor.folders = FolderLayout(start);
  if (const std::optional<bool> keepRecentFiles = ReadResetMarker(editor.folders)) {
    const PurgeResult purge = PurgeForFirstUse(editor.system, *editor.files, editor.folders, *keepRecentFiles);
    if (!purge.Complete()) ShowNotice(editor, notice::kPurgeIncomplete);
  }
  return true;
}

}  // namespace editor
