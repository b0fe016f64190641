// The Windows runtime must rename over an existing file, or every second save would fail.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "base/replace_file.h"

namespace {

TEST(ReplaceFileOnWindows, ReplacesAnExistingFileWhole) {
  const auto path = std::filesystem::temp_directory_path() / ("replace-" + std::to_string(std::random_device{}()));
  std::ofstream(path, std::ios::binary) << "old text that is longer";
  ASSERT_TRUE(editor::ReplaceFileWhole(editor::DiskFiles(), path, "new"));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new");
  in.close();
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
  std::filesystem::remove(path);
}

}  // namespace
