#include "files/include_file_opener.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "base/control_ids.h"
#include "files/file_commands.h"
#include "files/file_loader.h"
#include "state/editor.h"
#include "view/notices.h"

namespace editor {

namespace {

// A name from a source line must stay below the folder it is looked for in: an absolute
// path or a step up would open, and then refuse to save, a file somewhere else.
bool IsNameBelowFolder(const std::string& name) {
  if (name.empty() || name.front() == '\\' || name.front() == '/') return false;
  if (name.size() > 1 && name[1] == ':') return false;
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t end = std::min(name.find_first_of("\\/", start), name.size());
    if (name.compare(start, end - start, "..") == 0) return false;
    start = end + 1;
  }
  return true;
}

bool IsReadableFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::optional<std::filesystem::path> AskForStartFolderFile(Editor& editor, const std::string& name) {
  ui::FileDialogSpec dialog;
  dialog.title = "Load File";
  dialog.filters = SourceFileFilters();
  dialog.filters.insert(dialog.filters.begin(), {"Include files", name});
  dialog.initialFolder = editor.system.StartFolder();
  dialog.initialName = name;
  return editor.system.OpenFileDialog(*editor.main, dialog);
}

}  // namespace

void OpenIncludeFile(Editor& editor, const std::string& name) {
  if (!editor.main) return;
  if (!IsNameBelowFolder(name)) {
    ShowNotice(editor, notice::kIncludeNameRefused);
    return;
  }
  if (AllTabsTaken(editor)) {
    ShowNotice(editor, notice::kAllTabsTaken);
    return;
  }
  if (!editor.includeFolder.empty()) {
    const std::filesystem::path inFolder = editor.includeFolder / name;
    if (IsReadableFile(inFolder)) {
      LoadFile(editor, inFolder);
      return;
    }
  }
  if (!IsReadableFile(editor.system.StartFolder() / name)) {
    ShowNotice(editor, notice::kIncludeNotFound);
    return;
  }
  const std::optional<std::filesystem::path> chosen = AskForStartFolderFile(editor, name);
  if (chosen && !chosen->empty()) LoadFile(editor, *chosen);
}

void OpenSelectedIncludeFile(Editor& editor) {
  if (!editor.main || editor.view.loading) return;
  const int row = editor.main->ListSelected(kIncludeCombo);
  if (row < 0) return;
  OpenIncludeFile(editor, editor.main->ListText(kIncludeCombo, row));
}

}  // namespace editor
