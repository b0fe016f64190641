#include "files/recent_files_file.h"

#include <string>
#include <system_error>

#include "base/replace_file.h"
#include "base/whole_file.h"
#include "state/editor.h"
#include "view/notices.h"

namespace editor {

std::filesystem::path RecentFilesPath(const Editor& editor) { return editor.folders.Res() / "RecentFiles.ini"; }

void AppendRecentFile(Editor& editor, const std::filesystem::path& path) {
  if (path.empty()) return;
  const std::filesystem::path file = RecentFilesPath(editor);
  WholeFile list = ReadWholeFile(file, kLargestRecentFiles);
  // An unreadable list is not written over: the paths it holds may still be read later.
  bool written = list.status == WholeFileStatus::kRead || list.status == WholeFileStatus::kMissing;
  if (written) {
    if (!list.bytes.empty() && list.bytes.back() != '\n' && list.bytes.back() != '\r') list.bytes += "\r\n";
    list.bytes += path.string() + "\r\n";
    written = ReplaceFileWhole(*editor.files, file, list.bytes);
  }
  if (!written) ShowNotice(editor, notice::kRecentFilesNotWritten);
}

void ClearRecentFiles(Editor& editor) {
  const std::filesystem::path file = RecentFilesPath(editor);
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return;
  if (!editor.files->Remove(file)) ShowNotice(editor, notice::kRecentFilesNotWritten);
}

}  // namespace editor
