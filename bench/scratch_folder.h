// A start folder of the benchmark's own under the system's temporary folder, with the Res
// folder the editor keeps its companions in, and the generated source written there as a
// file to open. Removed with everything in it when the benchmark ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "model/folder_layout.h"

namespace bench {

class ScratchFolder {
 public:
  ScratchFolder()
      : path_(std::filesystem::temp_directory_path() / ("editor-bench-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path_ / "Res");
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  std::filesystem::path WriteFile(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }

  // The companions a first open writes: without them the next open is a first one again.
  void ForgetCompanions(std::string_view fileName) const {
    const editor::FolderLayout folders(path_);
    std::error_code ignored;
    for (const std::string_view extension : {".txt", ".pth"})
      std::filesystem::remove(folders.Companion(fileName, extension), ignored);
  }

 private:
  std::filesystem::path path_;
};

}  // namespace bench
