#include "app/installed_files.h"

#include <array>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "base/replace_file.h"

namespace editor {

namespace {

constexpr std::array kInstalledFiles{
    InstalledFile{"Res", "tallowmere-editor.chm", 303},
    InstalledFile{"Constants", "Constants.chm", 304},
    InstalledFile{"Constants", "Dozevuzezurodov.ini", 305},
    InstalledFile{"Constants", "Dozevuzezurodov.txt", 306},
    InstalledFile{"Constants", "dozevuzezurodovv6.exe", 307},
    InstalledFile{"Constants", "dozevuzezurodovv6.exe.manifest", 308},
    InstalledFile{"Icon licenses", "LICENSES", 309},
    InstalledFile{"Icon licenses", "LICENSES_full_documentation.txt", 310},
    InstalledFile{"Icon licenses", "List.txt", 311},
    InstalledFile{"Icon licenses", "README", 312},
};

}  // namespace

std::span<const InstalledFile> InstalledFiles() { return kInstalledFiles; }

std::filesystem::path InstalledPath(const std::filesystem::path& startFolder, const InstalledFile& file) {
  return startFolder / std::filesystem::path(file.folder) / std::filesystem::path(file.name);
}

bool InstallFile(const ui::System& system, FileSteps& files, const std::filesystem::path& startFolder,
                 const InstalledFile& file) {
  const std::optional<std::string> bytes = system.ResourceBytes(kInstalledFileResourceType, file.resourceId);
  if (!bytes) return false;
  return ReplaceFileWhole(files, InstalledPath(startFolder, file), *bytes) && IsInstalled(system, startFolder, file);
}

bool IsInstalled(const ui::System& system, const std::filesystem::path& startFolder, const InstalledFile& file) {
  const std::optional<std::string> bytes = system.ResourceBytes(kInstalledFileResourceType, file.resourceId);
  const std::filesystem::path path = InstalledPath(startFolder, file);
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return bytes && !error && size == bytes->size() && std::ifstream(path, std::ios::binary).is_open();
}

}  // namespace editor
