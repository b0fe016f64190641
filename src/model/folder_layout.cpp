#include "model/folder_layout.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "base/file_names.h"
#include "base/letter_case.h"
#include "base/stored_path.h"

namespace editor {

namespace {

std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& folder, std::string_view name,
                                               bool wantFolder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_directory(error) == wantFolder && EqualIgnoringCase(it->path().filename().string(), name))
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
  // The name is a tab's, as a path gives it: it goes back into a path the same way.
  std::string name(BaseName(fileName));
  name += extension;
  return res_ / PathFromStoredText(name);
}

std::string_view BaseName(std::string_view fileNameOrPath) {
  const std::string_view name = FileNameOf(fileNameOrPath);
  return name.substr(0, name.find('.'));
}

}  // namespace editor
