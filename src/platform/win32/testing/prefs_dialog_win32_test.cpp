// The settings dialog and the colour window on the real controls: they open with their
// values, a palette pick shows in the dialog's swatch after "Save", a focused number box
// empties and caps at 255, and "Apply" and "Defaults" replace the file on disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "base/settings_dialog_ids.h"
#include "model/colour_palette.h"
#include "platform/contract_env.h"
#include "platform/win32/testing/window_search.h"
#include "platform/win32/window.h"
#include "prefs/colour_chooser.h"
#include "prefs/preference_file.h"
#include "prefs/settings_dialog.h"
#include "prefs/settings_dialog_layout.h"
#include "state/editor.h"

namespace {

using win32::testing::FindOurWindow;
using win32::testing::TextOf;

namespace s = editor::settings;

// The colour a control shows on the screen, at its centre.
COLORREF ColourOnScreen(const win32::Window& window, ui::ControlId id) {
  HWND control = window.ControlHandle(id);
  ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  RECT client{};
  ::GetClientRect(control, &client);
  HDC dc = ::GetDC(control);
  const COLORREF colour = ::GetPixel(dc, client.right / 2, client.bottom / 2);
  ::ReleaseDC(control, dc);
  return colour;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class RealSettings : public ::testing::Test {
 protected:
  RealSettings() {
    std::filesystem::create_directories(start_ / "Res");
    editor_.folders = editor::FolderLayout(start_);
    std::ofstream(File(), std::ios::binary) << editor::FactoryPreferenceText();
    std::ofstream(editor_.folders.InRes(editor::kPreferenceBackupName), std::ios::binary)
        << editor::FactoryPreferenceText();
    editor::ReadPreferenceFile(File(), editor_.prefs);
  }
  ~RealSettings() override {
    std::error_code ignored;
    std::filesystem::remove_all(start_, ignored);
  }

  std::filesystem::path File() const { return editor_.folders.InRes(editor::kPreferenceFileName); }

  // Runs the action inside the named window's modal loop. A window the action left open
  // fails the test and is closed, so that the real loop cannot hang the run.
  void WhenOpen(std::string_view caption, std::function<void(win32::Window&)> action) {
    env_->WhenModalRuns([caption, action = std::move(action)] {
      win32::Window* window = win32::Window::FromHandle(FindOurWindow(caption));
      ASSERT_NE(window, nullptr) << caption;
      HWND handle = window->Handle();
      action(*window);
      if (win32::Window* left = win32::Window::FromHandle(handle)) {
        ADD_FAILURE() << caption << " is still open";
        left->Close();
      }
    });
  }

  std::filesystem::path start_ =
      std::filesystem::temp_directory_path() / ("prefs-win32-" + std::to_string(std::random_device{}()));
  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  editor::Editor editor_{env_->System()};
};

TEST_F(RealSettings, TheDialogOpensWithItsValuesAndApplyReplacesTheFile) {
  WhenOpen(editor::kSettingsCaption, [&](win32::Window& dialog) {
    EXPECT_TRUE(::IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(dialog.GetText(s::kFontNameValue), "Courier New");
    EXPECT_EQ(dialog.GetText(s::kKeywordSwatch + s::kColourLabelOffset), "Key word colour");
    EXPECT_TRUE(dialog.IsChecked(s::kAutoJumpBox));
    EXPECT_TRUE(dialog.IsChecked(s::kUppercaseButton));
    EXPECT_EQ(ColourOnScreen(dialog, s::kKeywordSwatch), RGB(0, 0, 255));
    env_->Click(dialog, s::kAutoJumpBox);
    env_->Click(dialog, s::kLowercaseButton);
    EXPECT_FALSE(dialog.IsChecked(s::kUppercaseButton));
    dialog.SetText(s::kWheelLinesBox, "9");
    env_->Click(dialog, s::kApplyButton);
    EXPECT_EQ(dialog.GetText(s::kStatusLine), "");
    env_->Click(dialog, s::kCancelButton);
  });
  editor::RunEditorSettings(editor_);
  editor::EditorPreferences written;
  editor::ReadPreferenceFile(File(), written);
  EXPECT_FALSE(written.autoJumpToSelections);
  EXPECT_EQ(written.keywordCase, editor::KeywordCase::kLowercase);
  EXPECT_EQ(written.wheelLines, 9);
  EXPECT_EQ(ReadFile(File()), editor::PreferenceText(editor_.prefs));
}

TEST_F(RealSettings, APalettePickShowsInTheSwatchAfterSave) {
  const ui::Colour picked = editor::PaletteColours()[9];  // 254, 252, 17
  WhenOpen(editor::kSettingsCaption, [&](win32::Window& dialog) {
    WhenOpen(editor::chooser::kCaption, [&](win32::Window& chooser) {
      EXPECT_FALSE(::IsWindowVisible(dialog.Handle()));
      EXPECT_EQ(chooser.GetText(editor::chooser::kTitleLine), "Number colour");
      env_->Click(chooser, editor::chooser::kFirstPaletteButton + 9);
      EXPECT_EQ(chooser.GetText(editor::chooser::kRedBox), "254");
      EXPECT_EQ(chooser.GetText(editor::chooser::kBlueBox), "17");
      EXPECT_EQ(ColourOnScreen(chooser, editor::chooser::kSample), picked);
      env_->Click(chooser, editor::chooser::kSaveButton);
    });
    env_->Click(dialog, s::kNumberSwatch);
    EXPECT_TRUE(::IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(ColourOnScreen(dialog, s::kNumberSwatch), picked);
    env_->Click(dialog, s::kCancelButton);
  });
  editor::RunEditorSettings(editor_);
  EXPECT_EQ(editor_.prefs.number, picked);
  EXPECT_EQ(ReadFile(File()), editor::FactoryPreferenceText());  // chosen, not written
}

TEST_F(RealSettings, AFocusedNumberBoxEmptiesAndAnythingAbove255Reads255) {
  WhenOpen(editor::chooser::kCaption, [&](win32::Window& chooser) {
    EXPECT_EQ(chooser.GetText(editor::chooser::kGreenBox), "128");
    env_->Click(chooser, editor::chooser::kRedBox);
    EXPECT_EQ(chooser.GetText(editor::chooser::kRedBox), "");
    env_->TypeText(chooser, editor::chooser::kRedBox, "300");
    EXPECT_EQ(chooser.GetText(editor::chooser::kRedBox), "255");
    EXPECT_EQ(chooser.ScrollPos(editor::chooser::kRedSlider), 0);
    env_->Click(chooser, editor::chooser::kSaveButton);
  });
  const auto chosen = editor::ChooseColour(editor_, {"010,128,020", "Control colour", RGB(128, 0, 0)});
  EXPECT_EQ(chosen, RGB(255, 128, 20));
}

TEST_F(RealSettings, DefaultsPutsTheBackupInPlaceOfTheFile) {
  std::ofstream(File(), std::ios::binary) << "0\r\n20\r\nConsolas\r\n";
  WhenOpen(editor::kSettingsCaption, [&](win32::Window& dialog) {
    WhenOpen("Please confirm", [&](win32::Window& question) { env_->Click(question, 4); });
    env_->Click(dialog, s::kDefaultsButton);
  });
  editor::RunEditorSettings(editor_);
  EXPECT_EQ(ReadFile(File()), editor::FactoryPreferenceText());
  EXPECT_EQ(editor_.prefs.windowBackground, RGB(211, 211, 211));
}

}  // namespace
