// The first-time setup on the real windows, installing from the program's real resources.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "app/first_time_setup.h"
#include "app/installed_files.h"
#include "platform/win32/system.h"
#include "platform/win32/testing/forwarding_system.h"

namespace {

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class InFolder final : public win32::testing::ForwardingSystem {
 public:
  InFolder(ui::System& real, std::filesystem::path folder) : ForwardingSystem(real), folder_(std::move(folder)) {}
  std::filesystem::path StartFolder() const override { return folder_; }

 private:
  std::filesystem::path folder_;
};

// The files the build makes are beside its output; the rest are in resources/installed.
std::filesystem::path SourceOf(const editor::InstalledFile& file) {
  const std::filesystem::path build(EDITOR_BUILD_DIR);
  switch (file.resourceId) {
    case 303:
    case 304: return build / "help" / std::filesystem::path(file.name);
    case 307:
    case 311: return build / "constants" / std::filesystem::path(file.name);
    default: return std::filesystem::path(EDITOR_SOURCE_DIR) / "resources" / "installed" / std::filesystem::path(file.name);
  }
}

TEST(FirstTimeSetupOnWindows, InstallsEachResourceWholeAsItsSourceFile) {
  const auto folder = std::filesystem::temp_directory_path() / ("setup-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  win32::System real;
  InFolder system(real, folder);
  ASSERT_TRUE(editor::RunFirstTimeSetup(system));
  for (const editor::InstalledFile& file : editor::InstalledFiles()) {
    const std::string source = Read(SourceOf(file));
    ASSERT_FALSE(source.empty()) << file.name;
    EXPECT_EQ(Read(editor::InstalledPath(folder, file)), source) << file.name;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
