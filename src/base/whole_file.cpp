#include "base/whole_file.h"

#include <fstream>
#include <system_error>

namespace editor {

WholeFile ReadWholeFile(const std::filesystem::path& path, std::uintmax_t limit) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return {WholeFileStatus::kMissing, {}};
  if (!std::filesystem::is_regular_file(status)) return {WholeFileStatus::kUnreadable, {}};
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return {WholeFileStatus::kUnreadable, {}};
  if (size > limit) return {WholeFileStatus::kTooLarge, {}};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {WholeFileStatus::kUnreadable, {}};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return {WholeFileStatus::kRead, std::move(bytes)};
}

}  // namespace editor
