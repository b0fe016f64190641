// Where the include folder comes from: Res/IncludeFilesPath.ini when it is there, else a
// walk below the drive root that must end, whatever links and folder counts it meets.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/include_folder.h"
#include "scenarios/editor_fixture.h"
#include "view/notices.h"

namespace editor {
namespace {

class IncludeFolder : public EditorTest {
 protected:
  std::filesystem::path Folder(const std::filesystem::path& below) {
    std::filesystem::create_directories(start_ / below);
    return start_ / below;
  }
  std::string IniText() {
    std::ifstream in(start_ / "Res" / "IncludeFilesPath.ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::vector<std::string> NoticeTexts() {
    std::vector<std::string> texts;
    for (const auto& closed : driver_.ClosedWindows()) texts.push_back(closed.TextOf(kNoticeTextLabel));
    return texts;
  }
};

TEST_F(IncludeFolder, FoundOnceBelowTheDriveThenReadFromRes) {
  Folder("Tools/Include");  // "INCLUDE" outside an IWBDev folder is not it
  Folder("IWBDev/Bin/x");
  const std::string expected = (Folder("iwbdev/Include") / "").string();
  EstablishIncludeFolder(editor_);
  EXPECT_EQ(editor_.includeFolder.string(), expected);
  EXPECT_EQ(IniText(), expected + "\r\n");

  // A later start takes the file's line as it stands and searches nothing.
  std::ofstream(start_ / "Res" / "IncludeFilesPath.ini", std::ios::binary) << "D:\\Basic\\Include\\\r\nmore\r\n";
  EstablishIncludeFolder(editor_);
  EXPECT_EQ(editor_.includeFolder.string(), "D:\\Basic\\Include\\");
  EXPECT_TRUE(NoticeTexts().empty());
}

TEST_F(IncludeFolder, AFileWithoutAFolderLineIsSearchedPastAndWrittenOver) {
  const std::string expected = (Folder("IWBDev/Include") / "").string();
  using namespace std::string_literals;
  for (const std::string& garbage : {"\r\nC:\\IWBDev\\Include\\\r\n"s, "C:\\a\0b\r\n"s, "\x01\x02\xff"s, "C:\\<Include>"s,
                                     std::string(600, 'x')}) {
    std::ofstream(start_ / "Res" / "IncludeFilesPath.ini", std::ios::binary) << garbage;
    editor_.includeFolder.clear();
    EstablishIncludeFolder(editor_);
    EXPECT_EQ(editor_.includeFolder.string(), expected) << garbage;
    EXPECT_EQ(IniText(), expected + "\r\n");
  }
  std::ofstream(start_ / "Res" / "IncludeFilesPath.ini", std::ios::binary) << "  D:\\My Include\\ \t\r\n";
  EstablishIncludeFolder(editor_);
  EXPECT_EQ(editor_.includeFolder.string(), "D:\\My Include\\") << "blanks around the line are not the folder's";
}

TEST_F(IncludeFolder, LinksAreNotEnteredSoALoopEndsAndTheDefaultIsWritten) {
  Folder("IWBDev/a/b");
  Folder("Elsewhere/Include");
  std::filesystem::create_directory_symlink(start_ / "IWBDev", start_ / "IWBDev/a/b/up");
  std::filesystem::create_directory_symlink(start_, start_ / "IWBDevRoot");
  std::filesystem::create_directory_symlink(start_ / "Elsewhere", start_ / "IWBDev/a/linked");

  const IncludeSearchResult result = SearchIncludeFolder(system_);
  EXPECT_FALSE(result.folder);
  EXPECT_FALSE(result.stoppedAtBound);
  EXPECT_EQ(result.foldersListed, 4) << "the root, IWBDev, a and b";

  EstablishIncludeFolder(editor_);
  EXPECT_TRUE(editor_.includeFolder.empty());
  EXPECT_EQ(IniText(), "C:\\IWBDev\\Include\\\r\n");
}

TEST_F(IncludeFolder, AWalkPastItsBoundStopsWithANotice) {
  for (int i = 0; i < 40; ++i) Folder("IWBDev/f" + std::to_string(i) + "/g");
  const IncludeSearchBounds bounds{.maxFolders = 25};
  const IncludeSearchResult result = SearchIncludeFolder(system_, bounds);
  EXPECT_TRUE(result.stoppedAtBound);
  EXPECT_EQ(result.foldersListed, 25);
  EXPECT_TRUE(SearchIncludeFolder(system_, {.maxMs = 0}).stoppedAtBound) << "the time bound";

  EstablishIncludeFolder(editor_, bounds);
  EXPECT_TRUE(editor_.includeFolder.empty());
  EXPECT_EQ(IniText(), "C:\\IWBDev\\Include\\\r\n") << "written, so that the next start does not walk again";
  EXPECT_EQ(NoticeTexts(), std::vector<std::string>{std::string(FindNotice(notice::kIncludeSearchStopped)->text)});
}

}  // namespace
}  // namespace editor
