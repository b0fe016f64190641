// Where the editor keeps its files, all below the start folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace editor {

// The start folder's Res folder, found whatever the letter case of its name.
std::optional<std::filesystem::path> FindResFolder(const std::filesystem::path& startFolder);

// A file in this folder whose name matches whatever its letter case: the editor writes
// "first.txt" and looks for "First.txt", which are one file on Windows.
std::optional<std::filesystem::path> FindFileAnyCase(const std::filesystem::path& folder, std::string_view name);

class FolderLayout {
 public:
  // Res is the folder found on disk when there is one, else "Res" (to be created).
  explicit FolderLayout(std::filesystem::path startFolder);

  const std::filesystem::path& StartFolder() const { return start_; }
  const std::filesystem::path& Res() const { return res_; }
  std::filesystem::path Backup() const { return start_ / "Backup"; }
  std::filesystem::path Constants() const { return start_ / "Constants"; }
  std::filesystem::path IconLicenses() const { return start_ / "Icon licenses"; }
  std::filesystem::path InRes(std::string_view fileName) const { return res_ / std::filesystem::path(fileName); }

  // A source file's companion in Res: its base name (the file name up to its first ".")
  // with this extension, as "prog.iwb" -> Res/prog.txt.
  std::filesystem::path Companion(std::string_view fileName, std::string_view extension) const;

 private:
  std::filesystem::path start_;
  std::filesystem::path res_;
};

// The file name up to its first ".", from a name or a path with "\" or "/" separators.
std::string_view BaseName(std::string_view fileNameOrPath);

}  // namespace editor
