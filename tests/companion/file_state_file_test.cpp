#include "companion/file_state_file.h"
#include "companion/state_restore_view.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "files/tab_switch.h"
#include "scenarios/editor_fixture.h"
#include "view/main_window.h"

namespace editor {
namespace {

using headless::Request;
using namespace std::string_literals;

class FileStateFile : public EditorTest {
 protected:
  void SetUp() override {
    Start();
    PutFileInTab(1, "prog.iwb", "PRINT 1\r\nPRINT 2\r\nPRINT 3\r\n");
    ActivateTab(editor_, 1);
  }

  std::filesystem::path Res() const { return editor_.folders.Res(); }

  std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  void AddRow(ui::ControlId list, ui::ControlId combo, std::initializer_list<std::string> cells) {
    const int row = Main().ViewInsertRow(list, Main().ViewRowCount(list), *cells.begin());
    int column = 0;
    for (const std::string& cell : cells) Main().ViewSetCell(list, row, column++, cell);
    Main().ListAdd(combo, *cells.begin());
  }

  // A little of everything the state file keeps.
  void FillPanes() {
    AddRow(kSubroutineList, kSubroutineCombo, {"Main", "1", "20"});
    AddRow(kSubroutineList, kSubroutineCombo, {"Open", "21", "40"});
    AddRow(kSubroutineList, kSubroutineCombo, {"Close", "41", "55"});
    AddRow(kWindowList, kWindowCombo, {"win", "5", "18", "win_handler"});
    Main().ListAdd(kBookmarkCombo, "12 TODO: tidy");
    Main().ListAdd(kIncludeCombo, "windows.inc");
    Main().ListAdd(kPlacesCombo, "3");
    Main().ListAdd(kPlacesCombo, "12");
    Main().ListSelect(kSubroutineCombo, 1);
    Main().SetText(kGoToLineBox2, " 33 ");
  }

  void ClearAll() {
    editor_.marksRestored = false;  // as emptying the panes for another visit does
    for (ui::ControlId list : {kSubroutineList, kWindowList, kBookmarkList}) Main().ViewClear(list);
    for (ui::ControlId combo : {kSubroutineCombo, kWindowCombo, kBookmarkCombo, kIncludeCombo, kPlacesCombo})
      Main().ListClear(combo);
    Main().SetText(kGoToLineBox2, "");
  }

  FileStateRestore Restore() { return RestoreFileState(editor_, 1); }
};

TEST_F(FileStateFile, WhatIsWrittenComesBackIntoTheListsCombosAndBoxes) {
  FillPanes();
  ASSERT_EQ(WriteFileState(editor_, 1), CompanionWrite::kWritten);
  ClearAll();

  const FileStateRestore restored = Restore();
  EXPECT_EQ(restored.stateFile, CompanionRead::kRead);
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 3);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 2, 0), "Close");
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 2, 2), "55");
  EXPECT_EQ(Main().ListCount(kSubroutineCombo), 3);
  EXPECT_EQ(Main().ListSelected(kSubroutineCombo), 1);
  EXPECT_EQ(Main().ViewCell(kWindowList, 0, 3), "win_handler");
  EXPECT_EQ(Main().ListText(kBookmarkCombo, 0), "12 TODO: tidy") << "a colon in a description survives";
  EXPECT_EQ(Main().ViewCell(kBookmarkList, 0, 0), "12");
  EXPECT_EQ(Main().ViewCell(kBookmarkList, 0, 1), "TODO: tidy");
  EXPECT_TRUE(restored.bookmarksRead);
  EXPECT_EQ(Main().ListText(kIncludeCombo, 0), "windows.inc");
  EXPECT_EQ(Main().GetText(kGoToLineBox2), "33");
  EXPECT_TRUE(Main().IsControlVisible(kGoToLineButton2));
  EXPECT_FALSE(Main().IsControlVisible(kGoToLineButton)) << "an empty box keeps its button hidden";
  EXPECT_EQ(restored.placesRead, 2);
  // What was read becomes the editor's bookmarks and places once the restore is finished.
  FinishStateRestore(editor_, 1, restored, ViewAfterRestore::kAsItWas);
  ASSERT_EQ(editor_.bookmarks.size(), 1u);
  EXPECT_EQ(editor_.bookmarks[0], (Bookmark{LineNumber(12), "TODO: tidy"}));
  EXPECT_EQ(editor_.places.Count(), 2);
  EXPECT_EQ(editor_.places.Position(), 2);
  EXPECT_TRUE(Main().IsControlVisible(kGoBackButton));
  EXPECT_FALSE(Main().IsControlVisible(kGoBackUnavailable));
  EXPECT_FALSE(Main().IsControlVisible(kGoForwardButton)) << "the last place is the current one";
  EXPECT_TRUE(Main().IsControlVisible(kRemoveBookmarkButton));
}

TEST_F(FileStateFile, ReadingTwiceDuplicatesNothing) {
  FillPanes();
  ASSERT_EQ(WriteFileState(editor_, 1), CompanionWrite::kWritten);
  Restore();
  Restore();
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 3);
  EXPECT_EQ(Main().ListCount(kSubroutineCombo), 3);
  EXPECT_EQ(Main().ViewRowCount(kWindowList), 1);
  EXPECT_EQ(Main().ListCount(kBookmarkCombo), 1);
  EXPECT_EQ(Main().ListCount(kIncludeCombo), 1);
  EXPECT_EQ(Main().ListCount(kPlacesCombo), 2);
}

TEST_F(FileStateFile, BookmarksAndPlacesGoOnlyIntoEmptyCombosAndRowsAreMatchedIgnoringCase) {
  WriteFile(Res() / "prog.txt", ":lv2-2\r\nMAIN|1!9\r\nOther|10!12\r\n:bmk-1\r\n9 from file\r\n:nav-1\r\n7\r\n");
  AddRow(kSubroutineList, kSubroutineCombo, {"Main", "1", "9"});
  Main().ListAdd(kBookmarkCombo, "3 mine");
  Main().ListAdd(kPlacesCombo, "4");

  const FileStateRestore restored = Restore();
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 2);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 1, 0), "Other");
  EXPECT_EQ(Main().ListCount(kBookmarkCombo), 1);
  EXPECT_EQ(Main().ListText(kBookmarkCombo, 0), "3 mine");
  EXPECT_FALSE(restored.bookmarksRead);
  EXPECT_EQ(Main().ListText(kPlacesCombo, 0), "4");
  EXPECT_EQ(restored.placesRead, 0);
}

TEST_F(FileStateFile, MissingCompanionFilesLeaveTheControlsAsTheyWere) {
  AddRow(kSubroutineList, kSubroutineCombo, {"Main", "1", "9"});
  Main().SetText(kGoToLineBox, "5");
  Main().SetText(kLineNumberBox, "8");
  const std::filesystem::path path = editor_.currentPath;

  const FileStateRestore restored = Restore();
  EXPECT_EQ(restored.stateFile, CompanionRead::kMissing);
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(Main().GetText(kGoToLineBox), "5");
  EXPECT_EQ(Main().GetText(kLineNumberBox), "8");
  EXPECT_EQ(editor_.currentPath, path);
}

TEST_F(FileStateFile, ASmallStateWithNoSelectionIsWrittenByteForByte) {
  AddRow(kSubroutineList, kSubroutineCombo, {"Main", "1", "3"});
  editor_.tabs.Tab(1).firstVisibleLine = LineNumber(2);
  Main().SetScrollPos(kLineScrollBar, 1);
  ASSERT_EQ(WriteFileState(editor_, 1), CompanionWrite::kWritten);
  EXPECT_EQ(ReadFile(Res() / "prog.txt"),
            ":lv2-1\r\nMain|1!3\r\n:lv4-0\r\n:lv8-0\r\n:bmk-0\r\n:inc-0\r\n:sr-0!4\r\n"
            ":u1-0\r\n:u2-0\r\n:u3-0\r\n"
            ":c2-!\r\n:c4-!\r\n:c6-!\r\n:c8-!\r\n:c10-!\r\n:c12-!\r\n:c14-!\r\n:c16-!\r\n"
            ":sp-2\r\n:nav-0\r\n");
  EXPECT_EQ(ReadFile(start_ / "1.txt"), ":sp-1\r\n");
  EXPECT_FALSE(std::filesystem::exists(Res() / "prog.txt.tmp"));
}

TEST_F(FileStateFile, WritingAndReadingCostNoLineRequests) {
  FillPanes();
  Edit().ResetCounts();
  WriteFileState(editor_, 1);
  EXPECT_EQ(Edit().Counts().Count(Request::kLineCount), 1);
  EXPECT_EQ(Edit().Counts().Total(), 1) << "the line count is the one question asked of the editor";
  Edit().ResetCounts();
  Restore();
  EXPECT_EQ(Edit().Counts().Total(), 0) << "filling the go-to boxes does not jump";
  EXPECT_FALSE(editor_.view.loading);
}

TEST_F(FileStateFile, AWriteThatCannotHappenIsReportedAndKeepsTheOldFile) {
  WriteFile(Res() / "prog.txt", "old state\r\n");
  std::filesystem::create_directory(Res() / "prog.txt.tmp");  // the temporary cannot be made
  EXPECT_EQ(WriteFileState(editor_, 1), CompanionWrite::kFailed);
  EXPECT_EQ(ReadFile(Res() / "prog.txt"), "old state\r\n");

  std::filesystem::remove_all(Res());
  EXPECT_EQ(WriteFileState(editor_, 1), CompanionWrite::kFailed) << "a missing Res is not created behind the user";
  EXPECT_FALSE(std::filesystem::exists(Res()));
  EXPECT_EQ(WritePathCompanion(editor_, start_ / "prog.iwb"), CompanionWrite::kFailed);
  EXPECT_EQ(WriteFileState(editor_, 3), CompanionWrite::kNoFile) << "tab 3 holds no file";
}

// Every tab switch writes the state it leaves; most of the time nothing in it changed.
TEST_F(FileStateFile, AnUnchangedStateIsNotWrittenAgainAndAChangedOneIs) {
  FillPanes();
  ASSERT_EQ(WriteFileState(editor_, 1), CompanionWrite::kWritten);
  std::filesystem::create_directory(Res() / "prog.txt.tmp");  // any write would fail now
  EXPECT_EQ(WriteFileState(editor_, 1), CompanionWrite::kWritten);
  AddRow(kSubroutineList, kSubroutineCombo, {"Later", "60", "70"});
  EXPECT_EQ(WriteFileState(editor_, 1), CompanionWrite::kFailed);
  std::filesystem::remove(Res() / "prog.txt.tmp");
  EXPECT_EQ(WriteFileState(editor_, 1), CompanionWrite::kWritten);
  EXPECT_NE(ReadFile(Res() / "prog.txt").find("Later|60!70"), std::string::npos);
}

TEST_F(FileStateFile, AReadOnlyResIsReportedAsAFailure) {
  std::filesystem::permissions(Res(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const bool enforced = !std::ofstream(Res() / "probe");
  if (!enforced) {
    std::filesystem::permissions(Res(), std::filesystem::perms::owner_all);
    GTEST_SKIP() << "running with rights that ignore a read-only folder";
  }
  EXPECT_EQ(WriteFileState(editor_, 1), CompanionWrite::kFailed);
  std::filesystem::permissions(Res(), std::filesystem::perms::owner_all);
}

TEST_F(FileStateFile, GarbageFillsWhatItCanAndSaysSo) {
  WriteFile(Res() / "prog.txt", "\x01\x02garbage\0\r\n:lv2-900\r\nMain|1!9\r\n:c2-77\r\n:sp-x\n\xFF"s);
  Main().ListAdd(kSubroutineCombo, "Before");
  Main().ListSelect(kSubroutineCombo, 0);

  const FileStateRestore restored = Restore();
  EXPECT_EQ(restored.stateFile, CompanionRead::kDamaged);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "Main");
  EXPECT_EQ(Main().ListSelected(kSubroutineCombo), 0) << "an index the combo lacks is ignored";
  EXPECT_EQ(editor_.currentLine, LineNumber(1));

  WriteFile(Res() / "prog.txt", "");
  EXPECT_EQ(Restore().stateFile, CompanionRead::kDamaged) << "an empty state file is worth a notice";
  std::filesystem::create_directory(Res() / "other.txt");
  editor_.tabs.Tab(1).caption = "other.iwb";
  EXPECT_EQ(Restore().stateFile, CompanionRead::kUnreadable);
}

TEST_F(FileStateFile, TheCaretLineComesFromTheStateAndItsBoxFromTheSrcFile) {
  WriteFile(Res() / "prog.txt", ":sp-17\r\n");
  WriteFile(Res() / "prog.src", "23");
  Restore();
  EXPECT_EQ(editor_.currentLine, LineNumber(17));
  EXPECT_EQ(Main().GetText(kLineNumberBox), "23");

  WriteFile(Res() / "prog.txt", ":lv2-0\r\n");
  WriteFile(Res() / "prog.src", "not a line\r\n");
  Restore();
  EXPECT_EQ(editor_.currentLine, LineNumber(1)) << "no caret line in the state";
  EXPECT_EQ(Main().GetText(kLineNumberBox), "1");
}

TEST_F(FileStateFile, AStateIsAppliedOnlyToTheFileItsPathFileNames) {
  const std::filesystem::path own = editor_.tabs.Tab(1).path;
  FillPanes();
  ASSERT_EQ(WriteFileState(editor_, 1), CompanionWrite::kWritten);
  ASSERT_EQ(WritePathCompanion(editor_, own), CompanionWrite::kWritten);
  EXPECT_EQ(ReadFile(Res() / "prog.pth"), own.string() + "\r\n");
  ClearAll();
  EXPECT_EQ(Restore().stateFile, CompanionRead::kRead);
  EXPECT_EQ(editor_.currentPath, own);
  EXPECT_EQ(Main().Caption(), CaptionForFile("prog.iwb"));
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 3);

  // prog.iwb in another folder wrote the state last: its lists and path are not this file's.
  ASSERT_EQ(WritePathCompanion(editor_, start_ / "other" / "prog.iwb"), CompanionWrite::kWritten);
  ClearAll();
  EXPECT_EQ(Restore().stateFile, CompanionRead::kOtherFile);
  EXPECT_EQ(editor_.currentPath, own);
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 0);
}

TEST_F(FileStateFile, TabSwitchingWritesTheLeftTabAndRestoresTheNewOne) {
  PutFileInTab(2, "other.iwb", "x = 1\r\n");
  WriteFile(Res() / "other.txt", ":lv2-1\r\nSetup|1!1\r\n");
  AddRow(kSubroutineList, kSubroutineCombo, {"Main", "1", "3"});

  ActivateTab(editor_, 2);
  EXPECT_NE(ReadFile(Res() / "prog.txt").find("Main|1!3\r\n"), std::string::npos);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "Setup");
  EXPECT_EQ(Main().Caption(), CaptionForFile("other.iwb")) << "the view steps that end a restore ran";

  std::filesystem::remove_all(Res());
  ActivateTab(editor_, 1);
  ASSERT_FALSE(driver_.ClosedWindows().empty());
  EXPECT_EQ(driver_.ClosedWindows().back().caption, "Please check") << "the failed write of tab 2 is reported";
}

}  // namespace
}  // namespace editor
