#include "model/folder_layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace editor {
namespace {

class StartFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("folder-layout-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(StartFolder, ResIsFoundInAnyLetterCase) {
  EXPECT_EQ(FindResFolder(folder_), std::nullopt);
  std::filesystem::create_directory(folder_ / "rEs");
  ASSERT_TRUE(FindResFolder(folder_).has_value());
  EXPECT_EQ(FindResFolder(folder_)->filename(), "rEs");
  EXPECT_EQ(FolderLayout(folder_).Res(), folder_ / "rEs");
}

TEST_F(StartFolder, AFileNamedResIsNotTheFolder) {
  std::ofstream(folder_ / "RES") << "not a folder";
  EXPECT_EQ(FindResFolder(folder_), std::nullopt);
  EXPECT_EQ(FolderLayout(folder_).Res(), folder_ / "Res");
}

TEST(FolderLayout, CompanionsAreNamedAfterTheNameUpToItsFirstDot) {
  const FolderLayout layout("/start");
  EXPECT_EQ(layout.Companion("prog.iwb", ".txt"), std::filesystem::path("/start/Res/prog.txt"));
  EXPECT_EQ(layout.Companion("C:\\work\\my.prog.iwb", ".pth"), std::filesystem::path("/start/Res/my.pth"));
  EXPECT_EQ(BaseName("/a/b/noext"), "noext");
}

}  // namespace
}  // namespace editor
