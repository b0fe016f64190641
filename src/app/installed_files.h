// The files the first-time setup writes below the start folder from the program's own
// resources, each written whole and checked against its resource's size.
#pragma once

#include <filesystem>
#include <span>
#include <string_view>

#include "base/file_steps.h"
#include "platform/system.h"

namespace editor {

constexpr int kInstalledFileResourceType = 324;

struct InstalledFile {
  std::string_view folder;  // below the start folder
  std::string_view name;
  int resourceId = 0;
};

std::span<const InstalledFile> InstalledFiles();

std::filesystem::path InstalledPath(const std::filesystem::path& startFolder, const InstalledFile& file);

// Writes the resource's bytes whole; false when the program has no such resource or the
// file on disk does not hold all of them afterwards.
bool InstallFile(const ui::System& system, FileSteps& files, const std::filesystem::path& startFolder,
                 const InstalledFile& file);

// The file is there, can be opened and is as long as its resource.
bool IsInstalled(const ui::System& system, const std::filesystem::path& startFolder, const InstalledFile& file);

}  // namespace editor
