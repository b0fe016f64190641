// "Reset to first time use" through the menu, and the purge the next start runs for it.
#include <gtest/gtest.h>

#include <memory>

#include "app/prepare_start_folder.h"
#include "base/menu_ids.h"
#include "base/program_identity.h"
#include "files/exit_path.h"
#include "files/reset_dialog.h"
#include "scenarios/editor_fixture.h"
#include "scenarios/failing_file_steps.h"
#include "view/notices.h"

namespace editor {
namespace {

class ResetToFirstUse : public EditorTest {
 protected:
  std::filesystem::path Res(const std::string& name) { return start_ / "Res" / name; }

  std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // A run that leaves a file open, companion files in Res and a recent files list.
  void StartWithAFileOpen() {
    WriteFile(start_ / "prog.iwb", "x = 1\r\n");
    WriteFile(Res("vorevav4.ini"), (start_ / "prog.iwb").string() + "\r\n!1\r\n");
    WriteFile(Res("RecentFiles.ini"), "C:\\a.iwb\r\nC:\\b.iwb\r\n");
    for (const char* name : {"prog.txt", "prog.pth", "prog.src", "buttons.grp", "NOTES.TXT", "a.src.bak"})
      WriteFile(Res(name), "x");
    WriteFile(Res(".hidden.txt"), "x");
    WriteFile(Res("vorevav4Defaults.ini"), "1\r\n");
    Start();
    ASSERT_EQ(editor_.tabs.OpenFileCount(), 1);
  }

  void Reset(bool resizeTabs, bool keepRecentFiles) {
    driver_.WhenWindowOpens("Reset to first time use", [this, resizeTabs, keepRecentFiles](ui::Window& dialog) {
      EXPECT_TRUE(dialog.IsChecked(reset_dialog::kKeepRecentFiles)) << "ticked by default";
      driver_.Click(dialog, resizeTabs ? reset_dialog::kResizeTabs : reset_dialog::kFixedTabs);
      if (!keepRecentFiles) driver_.Click(dialog, reset_dialog::kKeepRecentFiles);
      driver_.Click(dialog, reset_dialog::kResetNow);
    });
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuResetFirstUse));
  }

  // The instance the reset (or an exit) hands over to, on the same start folder.
  Editor& StartAgain() {
    instances_.push_back(std::make_unique<Editor>(system_));
    Editor& next = *instances_.back();
    EXPECT_TRUE(PrepareStartFolder(next));
    EXPECT_TRUE(StartEditor(next));
    return next;
  }

  std::vector<std::unique_ptr<Editor>> instances_;
};

TEST_F(ResetToFirstUse, ResizeTabsAndKeepTheRecentFiles) {
  StartWithAFileOpen();
  Reset(true, true);

  EXPECT_FALSE(Main().IsOpen());
  ASSERT_EQ(driver_.Launches().size(), 1u);
  EXPECT_EQ(driver_.Launches()[0].program, start_ / std::string(kExecutableName));
  EXPECT_EQ(Read(Res("First.txt")), "1\r\n");
  EXPECT_EQ(Read(Res("vorevav4.ini")), "!0\r\n#1\r\n") << "the exit's state file names no file";
  EXPECT_EQ(Read(Res("RecentFilesBackup.ini")), "C:\\a.iwb\r\nC:\\b.iwb\r\n");

  Editor& next = StartAgain();
  EXPECT_EQ(next.tabs.OpenFileCount(), 0);
  EXPECT_TRUE(next.resizeTabs);
  for (const char* gone : {"First.txt", "prog.txt", "prog.pth", "prog.src", "buttons.grp", "NOTES.TXT", "a.src.bak"})
    EXPECT_FALSE(std::filesystem::exists(Res(gone))) << gone;
  for (const char* kept : {".hidden.txt", "vorevav4Defaults.ini"})
    EXPECT_TRUE(std::filesystem::exists(Res(kept))) << kept;
  EXPECT_EQ(Read(Res("RecentFiles.ini")), "C:\\a.iwb\r\nC:\\b.iwb\r\n");
  EXPECT_EQ(Read(Res("vorevav4.ini")), "!0\r\n#1\r\n");
  EXPECT_TRUE(std::filesystem::exists(start_ / "prog.iwb")) << "only Res is purged";

  // A normal exit writes no "#" line: the start after it has fixed-width tabs again.
  ExitPath(next);
  EXPECT_FALSE(StartAgain().resizeTabs);
}

TEST_F(ResetToFirstUse, FixedTabsAndDropTheRecentFiles) {
  StartWithAFileOpen();
  editor_.resizeTabs = true;
  Reset(false, false);
  EXPECT_EQ(Read(Res("First.txt")), "0\r\n");

  Editor& next = StartAgain();
  EXPECT_FALSE(next.resizeTabs);
  EXPECT_FALSE(std::filesystem::exists(Res("RecentFiles.ini")));
  EXPECT_EQ(Read(Res("vorevav4.ini")), "!0\r\n#0\r\n");
}

TEST_F(ResetToFirstUse, CancelChangesNothing) {
  StartWithAFileOpen();
  driver_.WhenWindowOpens("Reset to first time use",
                          [this](ui::Window& dialog) { driver_.Click(dialog, reset_dialog::kCancel); });
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuResetFirstUse));
  EXPECT_TRUE(Main().IsOpen());
  EXPECT_TRUE(driver_.Launches().empty());
  EXPECT_FALSE(std::filesystem::exists(Res("First.txt")));
  EXPECT_TRUE(std::filesystem::exists(Res("prog.txt")));
}

// A recent files list that cannot be deleted (here a folder of that name) ends the purge
// with a notice; the start goes on.
TEST_F(ResetToFirstUse, APurgeThatCannotDeleteAFileSaysSoAndStops) {
  std::filesystem::create_directories(Res("RecentFiles.ini") / "inside");
  WriteFile(Res("First.txt"), "0\r\n");
  Editor& next = StartAgain();
  EXPECT_TRUE(next.main->IsOpen());
  EXPECT_FALSE(std::filesystem::exists(Res("First.txt"))) << "the purge does not run again at every start";
  const auto& closed = driver_.ClosedWindows();
  EXPECT_TRUE(std::any_of(closed.begin(), closed.end(), [](const headless::ClosedWindow& w) {
    return w.caption == "Please check" && w.TextOf(kNoticeTextLabel).find("could not be deleted") != std::string::npos;
  }));
}

TEST_F(ResetToFirstUse, AListClearedSinceAnEarlierResetIsNotBroughtBackByItsBackup) {
  WriteFile(Res("RecentFilesBackup.ini"), "C:\\old.iwb\r\n");
  StartWithAFileOpen();
  std::filesystem::remove(Res("RecentFiles.ini"));
  Reset(false, true);
  StartAgain();
  EXPECT_FALSE(std::filesystem::exists(Res("RecentFiles.ini")));
}

// Left as it was, the editor state would reopen the files of before the reset.
TEST_F(ResetToFirstUse, AnEditorStateThePurgeCannotWriteIsReportedWhicheverStepFails) {
  const std::string before = (start_ / "prog.iwb").string() + "\r\n!1\r\n";
  for (int step = 1; step <= 5; ++step) {
    WriteFile(Res("vorevav4.ini"), before);
    WriteFile(Res("First.txt"), "1\r\n");
    Editor next(system_);
    FailingFileSteps steps(Res("vorevav4.ini"), step);
    next.files = &steps;
    const auto noticesBefore = driver_.ClosedWindows().size();
    EXPECT_TRUE(PrepareStartFolder(next));
    EXPECT_TRUE(steps.Failed());
    EXPECT_EQ(Read(Res("vorevav4.ini")), before) << step;
    const auto& closed = driver_.ClosedWindows();
    EXPECT_TRUE(std::any_of(closed.begin() + static_cast<std::ptrdiff_t>(noticesBefore), closed.end(),
                            [](const headless::ClosedWindow& w) { return w.caption == "Please check"; }))
        << step;
  }
}

}  // namespace
}  // namespace editor
