// Saving, saving under a new name, closing, backing up and new files, as a user does
// them through the menu and the tool buttons.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/backup_dialog.h"
#include "scenarios/file_commands_fixture.h"
#include "view/notices.h"

namespace editor {
namespace {

class SaveAndClose : public FileCommandsTest {
 protected:
  // What typing would do once the change handler marks the tab.
  void MarkActiveModified() {
    FileTab& slot = editor_.tabs.Tab(editor_.tabs.ActiveTab());
    if (!slot.IsModified()) slot.caption += "*";
    Main().SetText(TabButtonId(editor_.tabs.ActiveTab()), slot.caption);
  }
  void Save() { ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFile)); }
  std::string Caption(int tab) { return Main().GetText(TabButtonId(tab)); }
};

TEST_F(SaveAndClose, SaveWritesEveryLineWithCrLfAndLowersOnlyTheFirstUnquotedLiteral) {
  const auto path = Source("prog.iwb", "x = 0XFF + 0XAB\r\ns = \"0X1\" : y = 0X2\r\nlast = 1");
  Open(path);
  MarkActiveModified();
  Save();
  EXPECT_EQ(Read(path), "x = 0xff + 0XAB\r\ns = \"0X1\" : y = 0X2\r\nlast = 1\r\n");
  EXPECT_EQ(Caption(1), "prog.iwb");
  EXPECT_EQ(Main().Caption().find('*'), std::string::npos);
  EXPECT_EQ(WindowsTitled("Done"), 1);
}

TEST_F(SaveAndClose, AnUnchangedFileIsNotWrittenAgain) {
  const auto path = Source("prog.iwb", "a = 1\nb = 2\n");
  Open(path);
  Save();
  EXPECT_EQ(Read(path), "a = 1\nb = 2\n");
  EXPECT_EQ(Main().GetText(kLineNumberBox), "1");
}

TEST_F(SaveAndClose, EveryByteButNulSurvivesOpenAndSave) {
  std::string bytes;
  for (int b = 1; b <= 255; ++b)
    if (b != '\r' && b != '\n') bytes.push_back(static_cast<char>(b));
  bytes += "\r\n" + std::string(600, 'q') + "\r\n";
  const auto path = Source("bytes.iwb", bytes);
  Open(path);
  MarkActiveModified();
  Save();
  EXPECT_EQ(Read(path), bytes);
}

TEST_F(SaveAndClose, AFailedWriteLeavesTheFileAsItWasKeepsTheStarAndWarns) {
  const std::string original = "SUB Main\r\nENDSUB\r\n";
  const auto path = Source("prog.iwb", original);
  Open(path);
  Edit().SetSelection(0, 0);
  Edit().ReplaceSelection("' changed\r\n", false);
  MarkActiveModified();
  // The temporary beside the file cannot be made: the write fails before the old file is touched.
  std::filesystem::create_directory(start_ / "prog.iwb.tmp");
  Save();
  EXPECT_EQ(Read(path), original);
  EXPECT_EQ(Caption(1), "prog.iwb*");
  EXPECT_EQ(WindowsTitled("Not saved"), 1);
  EXPECT_EQ(WindowsTitled("Done"), 0);
  // Once the way is clear the same command saves the text, which was never lost.
  std::filesystem::remove(start_ / "prog.iwb.tmp");
  Save();
  EXPECT_EQ(Read(path), "' changed\r\n" + original);
}

TEST_F(SaveAndClose, AReadOnlyFileIsReportedAndLeftAlone) {
  const auto path = Source("locked.iwb", "a = 1\r\n");
  Open(path);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  Edit().SetSelection(0, 0);
  Edit().ReplaceSelection("b = 2\r\n", false);
  MarkActiveModified();
  Save();
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  EXPECT_EQ(Read(path), "a = 1\r\n");
  EXPECT_EQ(Caption(1), "locked.iwb*");
  EXPECT_EQ(WindowsTitled("Not saved"), 1);
}

TEST_F(SaveAndClose, NothingIsSavedIntoTheIncludeFolder) {
  editor_.includeFolder = start_ / "IWBDev" / "include";
  const auto path = Source("IWBDev/include/lib.inc", "a = 1\r\n");
  Open(path);
  MarkActiveModified();
  Save();
  EXPECT_EQ(Read(path), "a = 1\r\n");
  EXPECT_EQ(WindowsTitled("Not allowed"), 1);
  EXPECT_EQ(Caption(1), "lib.inc*");
}

TEST_F(SaveAndClose, SaveAsWritesTheNewFileAndCarriesTheCompanionsAndTheState) {
  const auto old = Source("old.iwb", "SUB Main\r\nx = 0XFF\r\nENDSUB");
  Open(old);
  const auto renamed = start_ / "new.iwb";
  driver_.AnswerSaveDialog(renamed);
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFileAs));
  // Literals keep their case under a new name; the last line still gets its break.
  EXPECT_EQ(Read(renamed), "SUB Main\r\nx = 0XFF\r\nENDSUB\r\n");
  EXPECT_EQ(Read(old), "SUB Main\r\nx = 0XFF\r\nENDSUB");
  // Starred, so that the next save writes the normalised form.
  EXPECT_EQ(Caption(1), "new.iwb*");
  EXPECT_EQ(editor_.tabs.Tab(1).path, renamed);
  EXPECT_EQ(Main().Caption().rfind("new.iwb ", 0), 0u);
  EXPECT_EQ(Read(start_ / "Res" / "new.txt"), Read(start_ / "Res" / "old.txt"));
  EXPECT_EQ(Read(start_ / "Res" / "new.pth"), renamed.string() + "\r\n");
  EXPECT_EQ(Read(start_ / "Res" / "vorevav4.ini"), renamed.string() + "\r\n!1\r\n#0\r\n");
  EXPECT_NE(Read(start_ / "Res" / "RecentFiles.ini").find(renamed.string()), std::string::npos);
  const auto& dialog = driver_.Dialogs().back();
  EXPECT_EQ(dialog.title, "Save File");
  EXPECT_EQ(dialog.initialName, "old.iwb");

  Save();
  EXPECT_EQ(Read(renamed), "SUB Main\r\nx = 0xff\r\nENDSUB\r\n");
  EXPECT_EQ(Caption(1), "new.iwb");
}

TEST_F(SaveAndClose, SaveAsOntoAReadOnlyFileSaysSoAndLeavesFileAndTabAsTheyWere) {
  const auto old = Source("old.iwb", "SUB Main\r\nENDSUB\r\n");
  Open(old);
  Edit().SetSelection(0, 0);
  Edit().ReplaceSelection("' changed\r\n", false);
  MarkActiveModified();
  const auto locked = Source("locked.iwb", "a = 1\r\n");
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  const std::string editorState = Read(start_ / "Res" / "vorevav4.ini");
  const std::string windowCaption = Main().Caption();

  driver_.AnswerSaveDialog(locked);  // the dialog's "replace it?" answered yes
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFileAs));
  std::filesystem::permissions(locked, std::filesystem::perms::owner_all);

  EXPECT_EQ(WindowsTitled("Not saved"), 1);
  EXPECT_EQ(Read(locked), "a = 1\r\n");
  EXPECT_EQ(Read(old), "SUB Main\r\nENDSUB\r\n");
  EXPECT_EQ(editor_.tabs.Tab(1).path, old);
  EXPECT_EQ(editor_.currentPath, old);
  EXPECT_EQ(Caption(1), "old.iwb*");
  EXPECT_EQ(Main().Caption(), windowCaption);
  EXPECT_EQ(Read(start_ / "Res" / "vorevav4.ini"), editorState);
  for (const char* companion : {"locked.pth", "locked.txt", "locked.src"})
    EXPECT_FALSE(std::filesystem::exists(start_ / "Res" / companion)) << companion;
  EXPECT_EQ(Edit().Text(), "' changed\r\nSUB Main\r\nENDSUB\r\n");
}

TEST_F(SaveAndClose, SaveAsOntoAFileOpenInAnotherTabShowsThatTabAndWritesNothing) {
  Open(Source("a.iwb", "a = 1\r\n"));
  const auto b = Source("b.iwb", "b = 2\r\n");
  Open(b);
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  driver_.AnswerSaveDialog(b);
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFileAs));
  EXPECT_EQ(editor_.tabs.ActiveTab(), 2);
  EXPECT_EQ(Read(b), "b = 2\r\n");
  EXPECT_EQ(Caption(1), "a.iwb");
}

TEST_F(SaveAndClose, FilesWithTheSameBaseNameEachListTheirOwnSubroutines) {
  const auto one = Source("one/prog.iwb", "SUB First\r\nENDSUB\r\n");
  const auto two = Source("two/prog.iwb", "SUB Second\r\nSUB Third\r\nENDSUB\r\n");
  Open(one);
  ASSERT_FALSE(Read(start_ / "Res" / "prog.txt").empty());
  // The companion files keep their names: the second file shares them and is indexed afresh.
  Open(two);
  EXPECT_EQ(editor_.tabs.ActiveTab(), 2);
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 2);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "Second");
  EXPECT_EQ(Read(start_ / "Res" / "prog.pth"), two.string() + "\r\n");

  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "First");
  EXPECT_EQ(editor_.currentPath, one);
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(2)));
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 2);
  EXPECT_EQ(editor_.currentPath, two) << "a save goes to the file on screen";
}

TEST_F(SaveAndClose, TwoNewPressesGiveTwoStarredUntitledFiles) {
  ASSERT_TRUE(driver_.Click(Main(), kNewFileButton));
  ASSERT_TRUE(driver_.Click(Main(), kNewFileButton));
  EXPECT_EQ(Caption(1), "Untitled1.iwb*");
  EXPECT_EQ(Caption(2), "Untitled2.iwb*");
  EXPECT_EQ(editor_.tabs.ActiveTab(), 2);
  EXPECT_EQ(editor_.tabs.Tab(2).path, start_ / "Res" / "Untitled2.iwb");
  EXPECT_EQ(Main().Caption().rfind("Untitled2.iwb*", 0), 0u);
  EXPECT_TRUE(Edit().Text().empty());
}

TEST_F(SaveAndClose, ANewFileNeverTakesTheNameOfOneOnDisk) {
  WriteFile(start_ / "Res" / "Untitled1.iwb", "kept\r\n");
  WriteFile(start_ / "Res" / "Untitled.iwb", "' template\r\n");
  ASSERT_TRUE(driver_.Click(Main(), kNewFileButton));
  EXPECT_EQ(Caption(1), "Untitled2.iwb*");
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuNewFile));
  EXPECT_EQ(Caption(2), "Untitled.iwb*");
  EXPECT_EQ(Edit().Text(), "' template\r\n");
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuNewFile));
  EXPECT_EQ(Caption(3), "Untitled3.iwb*") << "Untitled.iwb is open in tab 2";
  EXPECT_EQ(Read(start_ / "Res" / "Untitled1.iwb"), "kept\r\n");
}

TEST_F(SaveAndClose, ClosingTabTwoOfFourSlidesTheLaterTabsDown) {
  for (const char* name : {"a.iwb", "b.iwb", "c.iwb", "d.iwb"})
    Open(Source(name, std::string(name) + " = 1\r\n"));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(2)));
  ASSERT_EQ(editor_.tabs.ActiveTab(), 2);
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuCloseFile));
  EXPECT_EQ(Caption(1), "a.iwb");
  EXPECT_EQ(Caption(2), "c.iwb");
  EXPECT_EQ(Caption(3), "d.iwb");
  EXPECT_EQ(Caption(4), "");
  EXPECT_TRUE(editor_.tabs.Tab(4).IsEmpty());
  EXPECT_EQ(editor_.tabs.ActiveTab(), 2);
  EXPECT_EQ(Edit().Text(), "c.iwb = 1\r\n");
  EXPECT_EQ(editor_.tabs.LoadTarget(), 3);
  EXPECT_EQ(Read(start_ / "Res" / "vorevav4.ini"), (start_ / "a.iwb").string() + "\r\n" +
                                                       (start_ / "c.iwb").string() + "\r\n" +
                                                       (start_ / "d.iwb").string() + "\r\n!2\r\n#0\r\n");
  // The tabs that moved kept their own texts.
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(3)));
  EXPECT_EQ(Edit().Text(), "d.iwb = 1\r\n");
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_EQ(Edit().Text(), "a.iwb = 1\r\n");
}

TEST_F(SaveAndClose, ClosingAChangedFileOffersToSaveIt) {
  const auto path = Source("prog.iwb", "a = 1\r\n");
  Open(path);
  Open(Source("other.iwb", "b = 2\r\n"));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  Edit().SetSelection(0, 0);
  Edit().ReplaceSelection("z = 0\r\n", false);
  MarkActiveModified();
  driver_.WhenWindowOpens(std::string(kQuestionCaption), [this](ui::Window& q) { driver_.Click(q, kYesButton); });
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuCloseFile));
  EXPECT_EQ(Read(path), "z = 0\r\na = 1\r\n");
  EXPECT_EQ(Caption(1), "other.iwb");
}

TEST_F(SaveAndClose, ClosingTheFirstOfThreeFilesLeavesTwoTabButtonsShowing) {
  Open(Source("big.iwb", "a = 1\r\n"));
  Open(Source("one.iwb", "b = 2\r\n"));
  Open(Source("two.iwb", "c = 3\r\n"));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuCloseFile));
  EXPECT_EQ(Caption(1), "one.iwb");
  EXPECT_EQ(Caption(2), "two.iwb");
  EXPECT_TRUE(Main().IsControlVisible(TabButtonId(2)));
  EXPECT_FALSE(Main().IsControlVisible(TabButtonId(3))) << "an emptied tab's button goes";
}

TEST_F(SaveAndClose, AChangedFileWhoseSaveFailsIsNotClosed) {
  const auto path = Source("prog.iwb", "a = 1\r\n");
  Open(path);
  Open(Source("other.iwb", "b = 2\r\n"));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  MarkActiveModified();
  std::filesystem::create_directory(start_ / "prog.iwb.tmp");
  driver_.WhenWindowOpens(std::string(kQuestionCaption), [this](ui::Window& q) { driver_.Click(q, kYesButton); });
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuCloseFile));
  EXPECT_EQ(Caption(1), "prog.iwb*");
  EXPECT_EQ(Edit().Text(), "a = 1\r\n");
  EXPECT_EQ(WindowsTitled("Not saved"), 1);
  EXPECT_TRUE(Main().IsControlEnabled(kCloseFileButton));
}

TEST_F(SaveAndClose, ClosingTheOnlyFileRestartsTheEditor) {
  Open(Source("prog.iwb", "a = 1\r\n"));
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuCloseFile));
  EXPECT_FALSE(Main().IsOpen());
  ASSERT_FALSE(driver_.Launches().empty());
  EXPECT_EQ(driver_.Launches().back().program.filename(), "Tallowmere v46_4.exe");
  // The close wrote "!0" and "#0"; the exit before the restart writes no "#" line.
  EXPECT_EQ(Read(start_ / "Res" / "vorevav4.ini"), "!0\r\n");
}

TEST_F(SaveAndClose, BackupProposesAStampedNameAndWritesTheTextIntoBackup) {
  Open(Source("prog.iwb", "a = 1\r\nb = 2"));
  system_.GetDesktop().localTime = {2020, 12, 31, 14, 5};
  std::string proposed;
  driver_.WhenWindowOpens(std::string(kBackupDialogCaption), [&](ui::Window& w) {
    proposed = w.GetText(backup_dialog::kNameBox);
    driver_.Click(w, backup_dialog::kSaveButton);
  });
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuBackupFile));
  EXPECT_EQ(proposed, "prog-31-12-2020-at-14-05.iwb");
  EXPECT_EQ(Read(start_ / "Backup" / proposed), "a = 1\r\nb = 2\r\n");
}

TEST_F(SaveAndClose, TheBackupDialogTakesATypedNameAndNeverAnEmptyOne) {
  Open(Source("prog.iwb", "a = 1\r\n"));
  driver_.WhenWindowOpens(std::string(kBackupDialogCaption), [&](ui::Window& w) {
    // The proposal is selected: the first key replaces it.
    driver_.TypeText(w, backup_dialog::kNameBox, "x");
    driver_.PressKey(w, backup_dialog::kNameBox, ui::key::kBackspace);
    driver_.Click(w, backup_dialog::kSaveButton);
    EXPECT_TRUE(w.IsOpen()) << "an empty name is not taken";
    EXPECT_EQ(w.FocusedControl(), backup_dialog::kNameBox);
    driver_.TypeText(w, backup_dialog::kNameBox, "mine.iwb");
    driver_.PressKey(w, backup_dialog::kNameBox, ui::key::kEnter);
  });
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuBackupFile));
  EXPECT_EQ(Read(start_ / "Backup" / "mine.iwb"), "a = 1\r\n\r\n");
  driver_.WhenWindowOpens(std::string(kBackupDialogCaption),
                          [&](ui::Window& w) { driver_.Click(w, backup_dialog::kCancelButton); });
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuBackupFile));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(start_ / "Backup"), {}), 1);
}

TEST_F(SaveAndClose, ABackupNameThatLeavesTheBackupFolderIsRefused) {
  Open(Source("prog.iwb", "a = 1\r\n"));
  driver_.WhenWindowOpens(std::string(kBackupDialogCaption), [&](ui::Window& w) {
    driver_.TypeText(w, backup_dialog::kNameBox, "..\\prog.iwb");
    driver_.Click(w, backup_dialog::kSaveButton);
  });
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuBackupFile));
  EXPECT_EQ(Read(start_ / "prog.iwb"), "a = 1\r\n");
  EXPECT_EQ(WindowsTitled("Not saved"), 1);
}

TEST_F(SaveAndClose, AtExitAChangedTabIsSavedFromItsOwnTextAndAMerelyNamedOneIsNot) {
  const auto a = Source("a.iwb", "a = 1\r\n");
  Open(a);
  Open(Source("b.iwb", "b = 2\r\n"));
  // Tab 1 waits off screen with a change of its own.
  Main().Edit(TabEditorId(1))->SetText("a = 9\r\n");
  editor_.tabs.Tab(1).caption = "a.iwb*";
  // Tab 3 is named by the last run but its file was never read.
  const auto named = Source("named.iwb", "keep = 1\r\n");
  editor_.tabs.Tab(3).caption = "named.iwb*";
  editor_.tabs.Tab(3).path = named;
  editor_.prefs.saveFilesWhenClosingEditor = true;
  driver_.WhenWindowOpens(std::string(kQuestionCaption), [this](ui::Window& q) { driver_.Click(q, kYesButton); });
  driver_.WhenWindowOpens(std::string(kQuestionCaption), [this](ui::Window& q) { driver_.Click(q, kYesButton); });
  driver_.ClickCloseBox(Main());
  EXPECT_EQ(Read(a), "a = 9\r\n");
  EXPECT_EQ(Read(named), "keep = 1\r\n");
}

TEST_F(SaveAndClose, AFileRefusedOnLoadingIsNeverWrittenBySaveCloseOrExit) {
  Open(Source("a.iwb", "a = 1\r\n"));
  const std::string held(std::string("x = 1\0\r\n", 8));
  const auto refused = Source("held.iwb", held);
  FileTab& slot = editor_.tabs.Tab(2);
  slot.caption = "held.iwb";
  slot.path = refused;
  Main().SetText(TabButtonId(2), slot.caption);
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(2)));
  ASSERT_EQ(WindowsTitled("Please check"), 1);
  // Whatever is typed into the empty tab is not the file's text.
  Edit().ReplaceSelection("typed\r\n", false);
  MarkActiveModified();

  Save();
  EXPECT_EQ(Read(refused), held);
  EXPECT_EQ(WindowsTitled("Not saved"), 1);
  EXPECT_EQ(Caption(2), "held.iwb*");

  driver_.WhenWindowOpens(std::string(kQuestionCaption), [this](ui::Window& q) { driver_.Click(q, kYesButton); });
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuCloseFile));
  EXPECT_EQ(Read(refused), held);
  EXPECT_EQ(Caption(2), "held.iwb*") << "the tab stays, with what was typed";
  EXPECT_EQ(Edit().Text(), "typed\r\n");

  // Waiting in another tab's shadow, it is still not written at exit.
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  editor_.prefs.saveFilesWhenClosingEditor = true;
  driver_.WhenWindowOpens(std::string(kQuestionCaption), [this](ui::Window& q) { driver_.Click(q, kYesButton); });
  driver_.ClickCloseBox(Main());
  EXPECT_EQ(Read(refused), held);
  EXPECT_EQ(WindowsTitled("Not saved"), 3);
}

TEST_F(SaveAndClose, WhatIsTypedIntoARefusedTabCanBeSavedAsAnotherFile) {
  Open(Source("a.iwb", "a = 1\r\n"));
  const auto refused = Source("held.iwb", std::string("x\0", 2));
  FileTab& slot = editor_.tabs.Tab(2);
  slot.caption = "held.iwb";
  slot.path = refused;
  Main().SetText(TabButtonId(2), slot.caption);
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(2)));
  Edit().ReplaceSelection("y = 0XA\r\n", false);
  const auto kept = start_ / "kept.iwb";
  driver_.AnswerSaveDialog(kept);
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFileAs));
  Save();
  EXPECT_EQ(Read(kept), "y = 0xa\r\n");
  EXPECT_EQ(Read(refused), std::string("x\0", 2));
  EXPECT_EQ(WindowsTitled("Not saved"), 0);
}

TEST_F(SaveAndClose, ANamedTabReadsItsFileWhenFirstShown) {
  Open(Source("a.iwb", "a = 1\r\n"));
  FileTab& slot = editor_.tabs.Tab(2);
  slot.caption = "later.iwb";
  slot.path = Source("later.iwb", "SUB Later\r\nENDSUB\r\n");
  Main().SetText(TabButtonId(2), slot.caption);
  Main().ShowControl(TabButtonId(2), true);
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(2)));
  EXPECT_EQ(Edit().Text(), "SUB Later\r\nENDSUB\r\n");
  EXPECT_TRUE(editor_.tabs.Tab(2).inUse);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "Later");
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_EQ(Edit().Text(), "a = 1\r\n");
}

}  // namespace
}  // namespace editor
