#include "base/replace_file.h"

#include <memory>
#include <system_error>

#include "base/whole_file.h"

namespace editor {

namespace {

// Every step of the temporary, in order; the first that fails ends the write.
bool WriteTemporary(FileSteps& files, const std::filesystem::path& temporary, std::string_view bytes) {
  std::unique_ptr<WrittenFile> file = files.Create(temporary);
  if (!file) return false;
  const bool written = file->Write(bytes) && file->Flush();
  return file->Close() && written;
}

}  // namespace

bool ReplaceFileWhole(FileSteps& files, const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  // The rename replaces the old file in one step; removing it first could lose it.
  if (WriteTemporary(files, temporary, bytes) && files.Rename(temporary, path)) return true;
  files.Remove(temporary);
  return false;
}

bool ReplaceFileUnlessSame(FileSteps& files, const std::filesystem::path& path, std::string_view bytes) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size == bytes.size()) {
    const WholeFile old = ReadWholeFile(path, size);
    if (old.status == WholeFileStatus::kRead && old.bytes == bytes) return true;
  }
  return ReplaceFileWhole(files, path, bytes);
}

}  // namespace editor
