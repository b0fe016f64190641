#include "app/startup.h"

#include <gtest/gtest.h>

#include "base/menu_ids.h"
#include "scenarios/editor_fixture.h"
#include "view/main_window.h"

namespace editor {
namespace {

// Start-up with every seam recording that it ran and whether the main window existed.
class Startup : public EditorTest {
 protected:
  void RecordSteps() {
    auto record = [this](std::string name) {
      return [this, name](Editor& e) { steps_.push_back(name + (e.main ? "+window" : "")); };
    };
    editor_.seams.runFirstTimeSetup = [this](Editor& e) {
      steps_.push_back("setup");
      std::filesystem::create_directory(e.folders.StartFolder() / "Res");
      return setupSucceeds_;
    };
    editor_.seams.purgeForFirstTimeUse = [this](Editor&, bool keep) {
      steps_.push_back(keep ? "purge keeping recent files" : "purge");
    };
    editor_.seams.readPreferences = record("preferences");
    editor_.seams.establishIncludeFolder = record("include folder");
    editor_.seams.restoreEditorState = [this](Editor& e) {
      steps_.push_back(e.main ? "restore+window" : "restore");
      if (!e.keywordTable) steps_.push_back("no key word table yet");
      return restore_ ? restore_(e) : false;
    };
    editor_.seams.showWelcomeText = record("welcome");
  }

  std::vector<std::string> steps_;
  bool setupSucceeds_ = true;
  std::function<bool(Editor&)> restore_;
};

TEST_F(Startup, StepsRunInTheirFixedOrder) {
  RecordSteps();
  Start();
  EXPECT_EQ(steps_, (std::vector<std::string>{"preferences", "include folder", "restore+window", "welcome+window"}));
}

TEST_F(Startup, ResInAnyLetterCaseCountsAsSetUp) {
  std::filesystem::rename(start_ / "Res", start_ / "rEs");
  RecordSteps();
  Start();
  EXPECT_EQ(steps_.front(), "preferences") << "no first-time setup";
  EXPECT_EQ(editor_.folders.Res(), start_ / "rEs");
}

TEST_F(Startup, AStartFolderWithoutResRunsTheSetupFirst) {
  std::filesystem::remove_all(start_ / "Res");
  RecordSteps();
  Start();
  ASSERT_FALSE(steps_.empty());
  EXPECT_EQ(steps_.front(), "setup");
  EXPECT_EQ(editor_.folders.Res(), start_ / "Res");
}

TEST_F(Startup, AFailedSetupEndsTheProgramWithoutAMainWindow) {
  std::filesystem::remove_all(start_ / "Res");
  RecordSteps();
  setupSucceeds_ = false;
  EXPECT_FALSE(StartEditor(editor_));
  EXPECT_EQ(editor_.main, nullptr);
  EXPECT_EQ(steps_, std::vector<std::string>{"setup"});
}

TEST_F(Startup, APendingResetPurgesBeforeThePreferencesAreRead) {
  WriteFile(start_ / "Res" / "first.txt", "0\r\n1\r\n");
  RecordSteps();
  Start();
  ASSERT_GE(steps_.size(), 2u);
  EXPECT_EQ(steps_[0], "purge keeping recent files") << "the last line holds the switch";
  EXPECT_EQ(steps_[1], "preferences");
  EXPECT_TRUE(editor_.purgeRan);
}

TEST(ResetMarker, LastLineIsTheKeepSwitchAndGarbageReadsAsZero) {
  const auto folder = std::filesystem::temp_directory_path() / ("marker-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder / "Res");
  const FolderLayout layout(folder);
  EXPECT_EQ(ReadResetMarker(layout), std::nullopt);
  const auto write = [&](const std::string& content) {
    std::ofstream(folder / "Res" / "First.txt", std::ios::binary) << content;
  };
  write("1");
  EXPECT_EQ(ReadResetMarker(layout), true);
  write("1\r\n0\r\n");
  EXPECT_EQ(ReadResetMarker(layout), false);
  write("");
  EXPECT_EQ(ReadResetMarker(layout), false);
  write("\x01\xff garbage\n");
  EXPECT_EQ(ReadResetMarker(layout), false);
  std::filesystem::remove_all(folder);
}

TEST_F(Startup, RestoredTabsShowTheEditingLayoutAndTheRememberedTab) {
  RecordSteps();
  restore_ = [](Editor& e) {
    for (int tab : {1, 2}) {
      e.tabs.Tab(tab).caption = tab == 1 ? "a.iwb" : "b.iwb";
      e.main->SetText(TabButtonId(tab), e.tabs.Tab(tab).caption);
    }
    e.tabToActivate = 2;
    return true;
  };
  editor_.seams.loadNamedTab = [](Editor& e, int tab) {
    e.main->Edit(kEditor)->SetText("text of tab " + std::to_string(tab));
    return true;
  };
  Start();
  EXPECT_EQ(steps_.back(), "restore+window") << "no welcome text";
  EXPECT_EQ(editor_.tabs.ActiveTab(), 2);
  EXPECT_EQ(Main().Caption(), CaptionForFile("b.iwb"));
  EXPECT_EQ(Edit().Text(), "text of tab 2");
  EXPECT_TRUE(Main().IsControlVisible(kEditor));
  EXPECT_TRUE(Main().IsMenuItemEnabled(kMenuSaveFile));
  EXPECT_EQ(editor_.currentLine, 1);
}

TEST_F(Startup, SizedTabsFollowTheirCaptionsWhenTheSwitchIsOn) {
  RecordSteps();
  restore_ = [](Editor& e) {
    e.tabs.Tab(1).caption = "mm.iwb";
    e.main->SetText(TabButtonId(1), "mm.iwb");
    e.resizeTabs = true;
    return true;
  };
  Start();
  EXPECT_EQ(Main().ControlRect(TabButtonId(1)), (ui::Rect{0, 642, 78, 25}));
  EXPECT_FALSE(Main().IsControlVisible(TabButtonId(2)));
}

TEST_F(Startup, NothingRestoredLeavesNoTabActiveAndThePositionTimerRunning) {
  Start();
  EXPECT_EQ(editor_.tabs.ActiveTab(), 0);
  EXPECT_EQ(editor_.tabs.OpenFileCount(), 0);
  EXPECT_EQ(editor_.tabToActivate, 0);
  EXPECT_TRUE(driver_.TickTimer(Main(), kPositionTimer));
  EXPECT_EQ(Main().GetText(kCurrentLineField), "1");
}

}  // namespace
}  // namespace editor
