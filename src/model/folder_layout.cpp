#include "model/folder_layout.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace editor {

namespace {

bool SameNameAnyCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
  });
}

std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& folder, std::string_view name,
                                               bool wantFolder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_directory(error) == wantFolder && SameNameAnyCase(it->path().filename().string(), name))
      return it->path();
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> FindResFolder(const std::filesystem::path& startFolder) {
  return FindEntry(startFolder, "Res", true);
}

std::optional<std::filesystem::path> FindFileAnyCase(const std::filesystem::path& folder, std::string_view name) {
  return FindEntry(folder, name, false);
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
