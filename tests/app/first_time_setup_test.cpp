// The first start in a folder without Res, and the welcome text of a start that opens no file.
#include "app/first_time_setup.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <fstream>
#include <regex>

#include "app/installed_files.h"
#include "app/prepare_start_folder.h"
#include "app/run_editor.h"
#include "app/setup_error_window.h"
#include "base/control_ids.h"
#include "files/file_loader.h"
#include "prefs/preference_file.h"
#include "scenarios/editor_fixture.h"
#include "scenarios/failing_file_steps.h"
#include "view/welcome_text.h"

namespace editor {
namespace {

using namespace first_time_setup;

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The installed files as the program's resource script names them: id and source file.
std::vector<std::pair<int, std::filesystem::path>> ResourceScriptEntries() {
  const std::filesystem::path resources = std::filesystem::path(EDITOR_SOURCE_DIR) / "resources";
  std::ifstream script(resources / "installed.rc");
  const std::regex entry(R"(^(\d+) 324 "([^"]+)\")");
  std::vector<std::pair<int, std::filesystem::path>> entries;
  for (std::string line; std::getline(script, line);) {
    std::smatch match;
    if (std::regex_search(line, match, entry)) entries.emplace_back(std::stoi(match[1]), resources / match[2].str());
  }
  return entries;
}

// Files the Windows build makes (the help files, the constants tool and its list); the
// Win32 tests check those against the build's own output.
constexpr int kMadeByTheBuild[] = {303, 304, 307, 311};

bool IsMadeByTheBuild(int id) {
  return std::find(std::begin(kMadeByTheBuild), std::end(kMadeByTheBuild), id) != std::end(kMadeByTheBuild);
}

class FirstTimeSetup : public EditorTest {
 protected:
  FirstTimeSetup() {
    std::filesystem::remove_all(start_ / "Res");
    for (const auto& [id, source] : ResourceScriptEntries())
      system_.SetResource(kInstalledFileResourceType, id, Read(source));
    for (int id : kMadeByTheBuild) system_.SetResource(kInstalledFileResourceType, id, "built file " + std::to_string(id));
  }

  const headless::ClosedWindow* Closed(const std::string& caption) {
    for (const headless::ClosedWindow& window : driver_.ClosedWindows())
      if (window.caption == caption) return &window;
    return nullptr;
  }
};

TEST_F(FirstTimeSetup, AnEmptyFolderGetsEveryFolderAndFileThenThePurgeEmptiesRes) {
  ASSERT_TRUE(PrepareStartFolder(editor_));

  const headless::ClosedWindow* window = Closed("Creating folders & files needed...");
  ASSERT_NE(window, nullptr);
  for (int step = 1; step <= 6; ++step) EXPECT_TRUE(window->controls.contains(kFirstTick + step)) << step;
  EXPECT_FALSE(window->controls.contains(kCross));
  EXPECT_EQ(window->TextOf(kFirstStepLabel + 6), "Setup complete.");
  EXPECT_EQ(window->OpenMs(), 6 * 500 + 800);

  for (const char* folder : {"Res", "Backup", "Constants", "Icon licenses"})
    EXPECT_TRUE(std::filesystem::is_directory(start_ / folder)) << folder;
  EXPECT_EQ(Read(start_ / "Res" / "vorevav4Defaults.ini"), FactoryPreferenceText());
  EXPECT_EQ(Read(start_ / "Res" / "vorevav4DefaultsBackup.ini"), FactoryPreferenceText());

  // Every file of the resource script is installed, byte for byte, and nothing else is listed.
  const auto entries = ResourceScriptEntries();
  const auto built = std::count_if(InstalledFiles().begin(), InstalledFiles().end(),
                                   [](const InstalledFile& file) { return IsMadeByTheBuild(file.resourceId); });
  ASSERT_EQ(entries.size() + static_cast<std::size_t>(built), InstalledFiles().size());
  for (const InstalledFile& file : InstalledFiles()) {
    if (IsMadeByTheBuild(file.resourceId)) continue;
    const auto source = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == file.resourceId; });
    ASSERT_NE(source, entries.end()) << file.name;
    EXPECT_EQ(Read(InstalledPath(start_, file)), Read(source->second)) << file.name;
  }

  // The marker the setup left made this same start purge Res at once.
  EXPECT_FALSE(std::filesystem::exists(start_ / "Res" / "first.txt"));
  EXPECT_FALSE(std::filesystem::exists(start_ / "Res" / "RecentFiles.ini"));
  EXPECT_EQ(Read(start_ / "Res" / "vorevav4.ini"), "!0\r\n#0\r\n");
}

TEST_F(FirstTimeSetup, AResFolderThatCannotBeMadeShowsSetupErrorAndTheProgramEnds) {
  WriteFile(start_ / "Res", "a file where the folder should go");
  bool errorShown = false;
  driver_.WhenWindowOpens("Setup Error", [&](ui::Window& window) {
    errorShown = true;
    EXPECT_EQ(window.GetText(1), "There was an  error setting up the editor.");
    driver_.Click(window, setup_error::kCloseButton);
  });
  EXPECT_EQ(RunEditor(system_), 1);
  EXPECT_TRUE(errorShown);
  const headless::ClosedWindow* window = Closed("Creating folders & files needed...");
  ASSERT_NE(window, nullptr);
  for (int step = 1; step <= kStepCount; ++step) EXPECT_FALSE(window->controls.contains(kFirstTick + step)) << step;
  EXPECT_TRUE(window->controls.contains(kCross));
  EXPECT_FALSE(std::filesystem::exists(start_ / "Backup"));
}

TEST_F(FirstTimeSetup, AProgramWithoutItsInstalledFilesFailsTheCheck) {
  headless::System bare(start_);
  headless::Driver driver(bare);
  driver.WhenWindowOpens("Setup Error", [&](ui::Window& window) { driver.Click(window, setup_error::kCloseButton); });
  EXPECT_FALSE(RunFirstTimeSetup(bare));
  const auto& closed = driver.ClosedWindows();
  ASSERT_FALSE(closed.empty());
  EXPECT_TRUE(closed.front().controls.contains(kFirstTick + 5)) << "the preference files were written";
  EXPECT_FALSE(closed.front().controls.contains(kFirstTick + 6));
  EXPECT_TRUE(closed.front().controls.contains(kCross));
}

TEST_F(FirstTimeSetup, AWriteThatFailsAtAnyStepTakesResBackSoThatTheNextStartSetsUpAgain) {
  const auto setupErrors = [&] {
    return std::count_if(driver_.ClosedWindows().begin(), driver_.ClosedWindows().end(),
                         [](const headless::ClosedWindow& w) { return w.caption == "Setup Error"; });
  };
  for (const std::filesystem::path& target : {start_ / "Res" / "vorevav4DefaultsBackup.ini", start_ / "Res" / "first.txt",
                                              start_ / "Constants" / "Dozevuzezurodov.ini"}) {
    for (int step = 1; step <= 20; ++step) {
      SCOPED_TRACE("failing step " + std::to_string(step) + " of the writes of " + target.filename().string());
      FailingFileSteps steps(target, step);
      driver_.WhenWindowOpens("Setup Error", [&](ui::Window& w) { driver_.Click(w, setup_error::kCloseButton); });
      const auto errors = setupErrors();
      const bool setUp = RunFirstTimeSetup(system_, steps);
      if (!steps.Failed()) {
        EXPECT_EQ(step - 1, 5) << "create, write, flush, close, rename";
        EXPECT_TRUE(setUp);
        break;
      }
      EXPECT_FALSE(setUp);
      EXPECT_EQ(setupErrors(), errors + 1);
      EXPECT_FALSE(std::filesystem::exists(start_ / "Res"));
      for (const auto& entry : std::filesystem::recursive_directory_iterator(start_))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    }
    std::filesystem::remove_all(start_ / "Res");
  }
}

TEST_F(FirstTimeSetup, AnEmptyResIsTakenAsSetUpAndTheDefaultsApply) {
  std::filesystem::create_directories(start_ / "Res");
  ASSERT_TRUE(PrepareStartFolder(editor_));
  Start();
  EXPECT_EQ(Closed("Creating folders & files needed..."), nullptr);
  EXPECT_EQ(editor_.prefs.editorFont.face, "Courier New");
  EXPECT_EQ(Edit().Text(), WelcomeText());
}

using WelcomeScreen = EditorTest;

TEST_F(WelcomeScreen, MarksItsPhrasesAndPointsAtTheOpenButtonUntilAFileOpens) {
  Start();
  headless::RichEdit& edit = Edit();
  ASSERT_EQ(edit.Text(), WelcomeText());
  EXPECT_TRUE(Main().IsControlVisible(kEditor));
  const std::string text = edit.TextRange(0, edit.TextLength());  // CR breaks, as positions count
  const auto lookOf = [&](std::string_view phrase) { return edit.LookAt(static_cast<int>(text.find(phrase))); };
  const auto colourOf = [&](std::string_view phrase) { return edit.ColourAt(static_cast<int>(text.find(phrase))); };

  EXPECT_EQ(lookOf("Welcome"), (ui::TextLook{{"Arial", 16}, 500, true}));
  EXPECT_EQ(colourOf("Welcome"), editor_.prefs.keyword);
  for (std::string_view phrase : {"WARNING", "IF YOU CANNOT SCROLL", "restart", "click on the file tab name"})
    EXPECT_EQ(lookOf(phrase), (ui::TextLook{{"Arial", 12}, 400, true})) << phrase;
  EXPECT_EQ(colourOf("IF YOU"), editor_.prefs.definition);
  EXPECT_EQ(colourOf("click on the file tab name"), editor_.prefs.number);
  EXPECT_EQ(lookOf("Before loading"), (ui::TextLook{{"Arial", 12}, 400, false}));
  EXPECT_EQ(lookOf("(version"), (ui::TextLook{{"Arial", 12}, 400, false}));
  EXPECT_TRUE(Main().IsControlVisible(kWelcomePointer));
  driver_.Click(Main(), kWelcomePointer);
  EXPECT_TRUE(Main().IsOpen()) << "the pointer only points";

  driver_.TypeText(Main(), kEditor, "abc\r");
  for (int tab = 1; tab <= kTabCount; ++tab) EXPECT_TRUE(editor_.tabs.Tab(tab).IsEmpty()) << "typing there names no tab";
  WriteFile(start_ / "prog.iwb", "x = 1\r\n");
  ASSERT_EQ(LoadFile(editor_, (start_ / "prog.iwb").string()), LoadResult::kLoaded);
  EXPECT_EQ(Edit().Text(), "x = 1\r\n");
  EXPECT_EQ(Edit().LookAt(0), std::nullopt) << "the file has the editor's own font";
  EXPECT_FALSE(Main().IsControlVisible(kWelcomePointer));
  // The frame drawn round the open button is drawn over in the window's colour.
  const auto& draws = static_cast<headless::Window&>(Main()).Draws();
  const auto lastFrame = std::find_if(draws.rbegin(), draws.rend(),
                                      [](const headless::Draw& d) { return d.kind == headless::Draw::Kind::kFrame; });
  ASSERT_NE(lastFrame, draws.rend());
  EXPECT_EQ(lastFrame->colour, editor_.prefs.windowBackground);
}

}  // namespace
}  // namespace editor
