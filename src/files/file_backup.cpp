#include "files/file_backup.h"

#include <cstdio>
#include <filesystem>

#include "base/control_ids.h"
#include "base/file_names.h"
#include "base/replace_file.h"
#include "files/backup_dialog.h"
#include "state/editor.h"
#include "view/notices.h"

namespace editor {

namespace {

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

}  // namespace

std::string BackupName(std::string_view fileName, const ui::DateTime& when) {
  const std::size_t firstDot = fileName.find('.');
  const std::size_t lastDot = fileName.rfind('.');
  const std::string_view base = fileName.substr(0, firstDot);
  const std::string_view extension = lastDot == std::string_view::npos ? std::string_view{} : fileName.substr(lastDot);
  return std::string(base) + "-" + TwoDigits(when.day) + "-" + TwoDigits(when.month) + "-" +
         std::to_string(when.year) + "-at-" + TwoDigits(when.hour) + "-" + TwoDigits(when.minute) +
         std::string(extension);
}

void BackupActiveFile(Editor& editor) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr || editor.tabs.ActiveTab() == 0) return;
  const std::optional<std::string> name =
      AskBackupName(editor, BackupName(editor.currentName, editor.system.LocalDateTime()));
  if (!name) return;
  std::error_code ignored;
  std::filesystem::create_directories(editor.folders.Backup(), ignored);
  const bool written = IsPlainFileName(*name) && ReplaceFileWhole(*editor.files, editor.folders.Backup() / *name, edit->Text() + "\r\n");
  if (!written) ShowNotice(editor, notice::kBackupNotWritten);
}

}  // namespace editor
