// Every step of the editor's writes failed in turn: creating the temporary, writing it,
// flushing, closing, renaming it over the old file. Whatever step fails, the old file is
// byte for byte as it was, no temporary is left beside it, the user is warned, and the
// text in the editor is as it was and still marked changed.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "base/control_ids.h"
#include "companion/companion_state.h"
#include "files/backup_dialog.h"
#include "base/settings_dialog_ids.h"
#include "files/recent_files_window.h"
#include "prefs/preference_file.h"
#include "prefs/settings_dialog.h"
#include "prefs/settings_dialog_layout.h"
#include "scenarios/failing_file_steps.h"
#include "scenarios/file_commands_fixture.h"
#include "search/control_groups_window.h"
#include "search/control_search_layout.h"
#include "search/fast_code_window.h"
#include "view/notices.h"

namespace editor {
namespace {

class FailedWrites : public FileCommandsTest {
 protected:
  void ChangeText() {
    Edit().SetSelection(0, 0);
    Edit().ReplaceSelection("' changed\r", false);
    FileTab& slot = editor_.tabs.Tab(editor_.tabs.ActiveTab());
    if (!slot.IsModified()) slot.caption += "*";
  }

  std::string OnDisk(const std::filesystem::path& path) {
    return std::filesystem::exists(path) ? Read(path) : std::string("(no file)");
  }

  bool TemporaryLeft() {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(start_))
      if (entry.path().extension() == ".tmp") return true;
    return false;
  }

  // Runs the write once for each of its steps on `target`, that step failing, then once
  // with none failing; returns how many steps it took. Each failure must show one more
  // window of this title.
  int FailEachStepInTurn(const std::filesystem::path& target, const std::string& warning,
                         const std::function<void()>& write) {
    return FailEachStepInTurn(target, [this, warning] { return WindowsTitled(warning); }, write);
  }

  // The same with the warnings counted by the caller, for a dialog that says it on its
  // own status line.
  int FailEachStepInTurn(const std::filesystem::path& target, const std::function<int()>& warningsShown,
                         const std::function<void()>& write) {
    const std::string before = OnDisk(target);
    const std::string text = Edit().Text();
    const bool wasModified = editor_.tabs.Tab(editor_.tabs.ActiveTab()).IsModified();
    for (int step = 1; step <= 20; ++step) {
      FailingFileSteps steps(target, step);
      editor_.files = &steps;
      const int warnings = warningsShown();
      write();
      editor_.files = &DiskFiles();
      if (!steps.Failed()) return step - 1;
      SCOPED_TRACE("failing step " + std::to_string(step) + " of the writes of " + target.filename().string());
      EXPECT_EQ(OnDisk(target), before);
      EXPECT_FALSE(TemporaryLeft());
      EXPECT_EQ(warningsShown(), warnings + 1);
      EXPECT_EQ(Edit().Text(), text);
      EXPECT_EQ(editor_.tabs.Tab(editor_.tabs.ActiveTab()).IsModified(), wasModified);
    }
    ADD_FAILURE() << "the write of " << target << " never got past its failures";
    return 0;
  }
};

TEST_F(FailedWrites, SaveSaveAsAndBackupLoseNothingWhicheverStepFails) {
  const std::string original = "SUB Main\r\nENDSUB\r\n";
  const auto path = Source("prog.iwb", original);
  Open(path);
  ChangeText();
  const int saveSteps = FailEachStepInTurn(path, "Not saved", [&] {
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFile));
  });
  EXPECT_EQ(saveSteps, 5);  // create, write, flush, close, rename
  EXPECT_EQ(Read(path), "' changed\r\n" + original);

  // Save as onto a file that exists: the file under the new name is what must survive.
  const auto other = Source("other.iwb", "other = 1\r\n");
  ChangeText();
  const int saveAsSteps = FailEachStepInTurn(other, "Not saved", [&] {
    driver_.AnswerSaveDialog(other);
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFileAs));
  });
  EXPECT_EQ(saveAsSteps, 5);

  const auto backup = start_ / "Backup" / "kept.iwb";
  std::filesystem::create_directories(backup.parent_path());
  WriteFile(backup, "an older backup\r\n");
  const int backupSteps = FailEachStepInTurn(backup, "Not saved", [&] {
    driver_.WhenWindowOpens(std::string(kBackupDialogCaption), [&](ui::Window& w) {
      w.SetText(backup_dialog::kNameBox, "kept.iwb");
      driver_.Click(w, backup_dialog::kSaveButton);
    });
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuBackupFile));
  });
  EXPECT_EQ(backupSteps, 5);
}

TEST_F(FailedWrites, TheCompanionStateKeepsItsLastGoodCopyWhicheverStepFails) {
  Open(Source("prog.iwb", "SUB Main\r\nENDSUB\r\nSUB Other\r\nENDSUB\r\n"));
  const auto state = start_ / "Res" / "prog.txt";
  WriteFile(state, "an older state\r\n");
  const int steps = FailEachStepInTurn(state, "Please check", [&] { WriteCompanionState(editor_, 1); });
  EXPECT_EQ(steps, 5);
  EXPECT_NE(Read(state), "an older state\r\n");
}

TEST_F(FailedWrites, AControlGroupAndAFastCodeLineAreWrittenWholeOrNotAtAllAndSaySo) {
  Open(Source("prog.iwb",
              "OPENWINDOW w1, 0, 0, 300, 200, @SIZE, 0, \"Main\", &Handler\r\n"
              "CONTROL w1, @BUTTON, \"OK\", 20, 20, 80, 24, 0, BUTTON1\r\n"
              "CONTROL w1, @BUTTON, \"Cancel\", 20, 50, 80, 24, 0, BUTTON2\r\n"));
  namespace g = control_groups;
  const std::filesystem::path groups = editor_.folders.Companion("prog.iwb", ".grp");
  int groupSteps = 0;
  driver_.WhenWindowOpens("My controls groups - here you can group controls together.", [&](ui::Window& w) {
    driver_.PickListEntry(w, g::kFileControlList, 0);
    driver_.Click(w, g::kAddToGroupButton);
    driver_.TypeText(w, g::kGroupNameBox, "Buttons");
    driver_.Click(w, g::kAddGroupNameButton);
    groupSteps = FailEachStepInTurn(groups, "Not saved", [&] {
      driver_.PickListEntry(w, g::kFileControlList, 1);
      driver_.Click(w, g::kAddToGroupButton);
    });
    driver_.Click(w, g::kCloseButton);
  });
  driver_.WhenModalRuns([&](ui::Window& w) {
    driver_.Click(w, control_search::kGroupsButton);
    if (w.IsOpen()) driver_.Click(w, control_search::kCloseButton);
  });
  ASSERT_TRUE(driver_.Click(Main(), kSearchControlsButton));
  EXPECT_EQ(groupSteps, 5);
  EXPECT_EQ(Read(groups), "Buttons:BUTTON1,w1!BUTTON\r\nButtons:BUTTON2,w1!BUTTON\r\n");

  const std::filesystem::path snippets = start_ / "Res" / "Button.ini";
  int snippetSteps = 0;
  driver_.WhenWindowOpens(std::string(fast_code::kCaption), [&](ui::Window& w) {
    driver_.TypeText(w, fast_code::kAddBox, "first line");
    driver_.Click(w, fast_code::kSaveButton);
    snippetSteps = FailEachStepInTurn(snippets, "Not saved", [&] {
      w.SetText(fast_code::kAddBox, "");
      driver_.TypeText(w, fast_code::kAddBox, "SETFOCUS w1, BUTTON1");
      driver_.Click(w, fast_code::kSaveButton);
    });
    driver_.Click(w, fast_code::kCloseButton);
  });
  ASSERT_TRUE(driver_.Click(Main(), kFastCodeButton));
  EXPECT_EQ(snippetSteps, 5);
  EXPECT_EQ(Read(snippets), "first line\r\nSETFOCUS w1, BUTTON1\r\n");
}

TEST_F(FailedWrites, TheOpenTabsAndTheRecentFilesListAreReplacedWholeOrNotAtAllAndSaySo) {
  const auto path = Source("prog.iwb", "SUB Main\r\nENDSUB\r\n");
  Open(path);
  // Save as under a new name writes both lists.
  std::string everySaveThatGotThrough = path.string() + "\r\n";
  int saves = 0;
  const auto save = [&] {
    const auto copy = start_ / ("copy" + std::to_string(++saves) + ".iwb");
    driver_.AnswerSaveDialog(copy);
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFileAs));
    if (Read(start_ / "Res" / "RecentFiles.ini").ends_with(copy.string() + "\r\n"))
      everySaveThatGotThrough += copy.string() + "\r\n";
  };
  save();
  const auto state = start_ / "Res" / "vorevav4.ini";
  const auto recent = start_ / "Res" / "RecentFiles.ini";
  EXPECT_EQ(FailEachStepInTurn(state, "Please check", save), 5);
  EXPECT_EQ(FailEachStepInTurn(recent, "Please check", save), 5);
  EXPECT_EQ(Read(recent), everySaveThatGotThrough) << "and not half a line from a failed one";
  EXPECT_EQ(saves, 1 + 6 + 6);

  EXPECT_EQ(FailEachStepInTurn(recent, "Please check", [&] {
              driver_.WhenWindowOpens("Recent files", [&](ui::Window& w) { driver_.Click(w, recent_files::kClearButton); });
              ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuRecentFiles));
            }),
            1);
  EXPECT_FALSE(std::filesystem::exists(recent));
}

TEST_F(FailedWrites, ThePreferenceFileKeepsItsSettingsWhenApplyOrDefaultsCannotWriteIt) {
  WriteFile(editor_.folders.InRes(kPreferenceFileName), FactoryPreferenceText());
  WriteFile(editor_.folders.InRes(kPreferenceBackupName), FactoryPreferenceText());
  Open(Source("prog.iwb", "SUB Main\r\nENDSUB\r\n"));
  const auto file = editor_.folders.InRes(kPreferenceFileName);
  int statusWarnings = 0;
  const auto inSettings = [&](ui::ControlId button) {
    return [&, button] {
      driver_.WhenWindowOpens(std::string(kSettingsCaption), [&, button](ui::Window& w) {
        driver_.Click(w, settings::kAutoJumpBox);
        driver_.Click(w, button);
        if (w.IsOpen() && !w.GetText(settings::kStatusLine).empty()) ++statusWarnings;
        if (w.IsOpen()) driver_.Click(w, settings::kCancelButton);
      });
      driver_.WhenWindowOpens(std::string(kQuestionCaption), [&](ui::Window& q) { driver_.Click(q, kYesButton); });
      RunEditorSettings(editor_);
    };
  };
  const auto warnings = [&] { return statusWarnings; };
  EXPECT_EQ(FailEachStepInTurn(file, warnings, inSettings(settings::kApplyButton)), 5);
  EXPECT_NE(Read(file), FactoryPreferenceText()) << "the apply that got through";
  EXPECT_EQ(FailEachStepInTurn(file, warnings, inSettings(settings::kDefaultsButton)), 5);
  EXPECT_EQ(Read(file), FactoryPreferenceText());
}

}  // namespace
}  // namespace editor
