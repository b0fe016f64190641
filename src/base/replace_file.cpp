#include "base/replace_file.h"

#include "base/whole_file.h"

#include <fstream>
#include <system_error>

namespace editor {

bool ReplaceFileWhole(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  std::error_code ignored;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  // The rename replaces the old file in one step; removing it first could lose it.
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) std::filesystem::remove(temporary, ignored);
  return !error;
}

bool ReplaceFileUnlessSame(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size == bytes.size()) {
    const WholeFile old = ReadWholeFile(path, size);
    if (old.status == WholeFileStatus::kRead && old.bytes == bytes) return true;
  }
  return ReplaceFileWhole(path, bytes);
}

}  // namespace editor
