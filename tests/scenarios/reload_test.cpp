// Reloading the file on screen from disk, as a user does it with the reload button.
#include <gtest/gtest.h>

#include "scenarios/file_commands_fixture.h"
#include "view/notices.h"

namespace editor {
namespace {

using headless::Request;

std::string Program(const std::string& subName, int lines) {
  std::string text = "SUB " + subName + "\r\n";
  for (int i = 2; i < lines; ++i) text += "PRINT " + std::to_string(i) + "\r\n";
  return text + "ENDSUB\r\n";
}

class Reload : public FileCommandsTest {
 protected:
  void SetUp() override {
    FileCommandsTest::SetUp();
    path_ = Source("prog.iwb", Program("First", 100));
    Open(path_);
    driver_.TypeText(Main(), kEditor, "typed ");
    Edit().LineScroll(39);
    MarkActiveModified();
  }
  void MarkActiveModified() {
    editor_.tabs.Tab(1).caption = "prog.iwb*";
    Main().SetText(TabButtonId(1), "prog.iwb*");
  }
  void ReloadAnswering(int button) {
    driver_.WhenWindowOpens(std::string(kQuestionCaption), [this, button](ui::Window& q) { driver_.Click(q, button); });
    ASSERT_TRUE(driver_.Click(Main(), kReloadButton));
  }
  // What the user sees of the text they typed, left alone.
  void ExpectTypedTextKept() {
    EXPECT_EQ(Edit().Text().rfind("typed ", 0), 0u);
    EXPECT_EQ(Main().GetText(TabButtonId(1)), "prog.iwb*");
  }

  std::filesystem::path path_;
};

TEST_F(Reload, TheFileComesBackFromDiskInAFreshControlWithTheViewWhereItStood) {
  // Changed on disk meanwhile, by another program.
  WriteFile(path_, Program("Second", 120));
  ReloadAnswering(kYesButton);

  EXPECT_EQ(Edit().Text(), Program("Second", 120));
  EXPECT_EQ(Edit().Count(Request::kSetText), 1) << "a fresh control: the old text was never emptied out";
  EXPECT_EQ(Main().GetText(TabButtonId(1)), "prog.iwb");
  EXPECT_EQ(Main().Caption().find('*'), std::string::npos);
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "Second");
  EXPECT_EQ(Edit().FirstVisibleLine(), 39);
  EXPECT_EQ(Main().GetText(kLineNumberBox), "40");
  EXPECT_EQ(Main().GetText(kFirstGutterLabel), "> 40");
  EXPECT_EQ(Edit().GetSelection(), std::make_pair(Edit().LineIndex(39), Edit().LineIndex(39)));
  EXPECT_EQ(Edit().ColourAt(Edit().LineIndex(45)), editor_.prefs.keyword) << "the page in view is coloured";
  EXPECT_TRUE(Main().IsControlVisible(kNothingToUndoButton));
  EXPECT_FALSE(Main().IsControlVisible(kClearUndoButton));

  // The next save writes what was read, not what was typed before.
  editor_.tabs.Tab(1).caption = "prog.iwb*";
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFile));
  EXPECT_EQ(Read(path_), Program("Second", 120));
}

TEST_F(Reload, AFileNowTooShortForTheOldPlaceIsShownAsFarAsItGoes) {
  WriteFile(path_, Program("Short", 50));
  ReloadAnswering(kYesButton);
  EXPECT_EQ(Edit().Text(), Program("Short", 50));
  const int first = Edit().FirstVisibleLine();
  EXPECT_LT(first, 39);
  EXPECT_EQ(Edit().GetSelection().first, Edit().LineIndex(first));
  EXPECT_EQ(Main().GetText(kLineNumberBox), std::to_string(first + 1));
  EXPECT_EQ(Main().GetText(kFirstGutterLabel), "> " + std::to_string(first + 1));
}

TEST_F(Reload, AnsweringNoChangesNothing) {
  WriteFile(path_, Program("Second", 120));
  ReloadAnswering(kNoButton);
  ExpectTypedTextKept();
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "First");
}

TEST_F(Reload, AFileThatCanNoLongerBeReadLeavesTheTextAndSaysWhy) {
  std::filesystem::remove(path_);
  ReloadAnswering(kYesButton);
  ExpectTypedTextKept();
  EXPECT_TRUE(NoticeShown("Sorry")) << "the file no longer exists";

  WriteFile(path_, std::string("x\0y\r\n", 5));
  ReloadAnswering(kYesButton);
  ExpectTypedTextKept();
  EXPECT_TRUE(NoticeShown("Please check"));
  EXPECT_EQ(Read(path_), std::string("x\0y\r\n", 5));
}

}  // namespace
}  // namespace editor
