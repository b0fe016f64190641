#include "app/folder_layout.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace editor {

namespace {

bool IsResName(const std::string& name) {
  return name.size() == 3 && std::toupper(static_cast<unsigned char>(name[0])) == 'R' &&
         std::toupper(static_cast<unsigned char>(name[1])) == 'E' &&
         std::toupper(static_cast<unsigned char>(name[2])) == 'S';
}

}  // namespace

std::optional<std::filesystem::path> FindResFolder(const std::filesystem::path& startFolder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(startFolder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_directory(error) && IsResName(it->path().filename().string())) return it->path();
  }
  return std::nullopt;
}

FolderLayout::FolderLayout(std::filesystem::path startFolder)
    : start_(std::move(startFolder)), res_(FindResFolder(start_).value_or(start_ / "Res")) {}

std::filesystem::path FolderLayout::Companion(std::string_view fileName, std::string_view extension) const {
  std::string name(BaseName(fileName));
  name += extension;
  return res_ / name;
}

std::string_view BaseName(std::string_view fileNameOrPath) {
  const std::size_t slash = fileNameOrPath.find_last_of("\\/");
  std::string_view name = slash == std::string_view::npos ? fileNameOrPath : fileNameOrPath.substr(slash + 1);
  return name.substr(0, name.find('.'));
}

}  // namespace editor
