// The "Editor settings" dialog on a whole headless editor: what it shows, what acts at
// once, what "Apply", "Defaults", "Cancel" and the close box do to the editor and the file.
#include <gtest/gtest.h>

#include <sstream>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "base/settings_dialog_ids.h"
#include "model/colour_palette.h"
#include "platform/headless/window.h"
#include "prefs/colour_chooser.h"
#include "prefs/preference_file.h"
#include "prefs/settings_dialog.h"
#include "prefs/settings_dialog_layout.h"
#include "scenarios/editor_fixture.h"
#include "view/main_window.h"
#include "view/main_window_layout.h"
#include "view/notices.h"

namespace editor {
namespace {

namespace s = settings;

class SettingsDialog : public EditorTest {
 protected:
  std::filesystem::path File() const { return editor_.folders.InRes(kPreferenceFileName); }
  std::filesystem::path Backup() const { return editor_.folders.InRes(kPreferenceBackupName); }
  static std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  void StartWithFactoryFiles() {
    WriteFile(start_ / "Res" / std::string(kPreferenceFileName), FactoryPreferenceText());
    WriteFile(start_ / "Res" / std::string(kPreferenceBackupName), FactoryPreferenceText());
    Start();
  }

  // Opens the dialog and lets the user act on it; the dialog is closed afterwards if the
  // user left it open.
  void OpenSettings(std::function<void(ui::Window&)> user) {
    driver_.WhenWindowOpens(std::string(kSettingsCaption), std::move(user));
    RunEditorSettings(editor_);
  }
  void WhenColourWindowOpens(std::function<void(ui::Window&)> user) {
    driver_.WhenWindowOpens(std::string(chooser::kCaption), std::move(user));
  }
  void WhenAsked(bool yes) {
    driver_.WhenWindowOpens(std::string(kQuestionCaption),
                            [this, yes](ui::Window& q) { driver_.Click(q, yes ? kYesButton : kNoButton); });
  }
  static ui::Colour SwatchColour(ui::Window& w, ui::ControlId id) {
    return dynamic_cast<headless::Window&>(w).Find(id)->colours->second;
  }
  ui::Colour MainBackground() { return dynamic_cast<headless::Window&>(Main()).Background(); }
  EditorPreferences ReadBack() {
    EditorPreferences prefs;
    ReadPreferenceFile(File(), prefs);
    return prefs;
  }
};

TEST_F(SettingsDialog, WithoutAPreferenceFileTheEditorStartsOnTheMissingFileValues) {
  Start();
  EXPECT_EQ(editor_.prefs.editorFont, (ui::FontSpec{"Courier New", 12}));
  EXPECT_EQ(editor_.prefs.windowBackground, ui::Rgb(231, 222, 231));
  EXPECT_FALSE(editor_.prefs.autoJumpToSelections);
  EXPECT_EQ(MainBackground(), ui::Rgb(231, 222, 231));
}

TEST_F(SettingsDialog, OpensShowingEveryValueWithTheColourWordInTheLabels) {
  StartWithFactoryFiles();
  OpenSettings([&](ui::Window& w) {
    EXPECT_EQ(w.GetRect().width, 637);
    EXPECT_EQ(w.GetRect().height, 725);
    EXPECT_TRUE(w.IsChecked(s::kColourWordBox));
    EXPECT_FALSE(w.IsChecked(s::kColorWordBox));
    EXPECT_EQ(w.GetText(s::kFontNameValue), "Courier New");
    EXPECT_EQ(w.GetText(s::kFontSizeValue), "12");
    EXPECT_TRUE(w.IsChecked(s::kUppercaseButton));
    EXPECT_EQ(w.GetText(s::kKeywordSwatch + s::kColourLabelOffset), "Key word colour");
    EXPECT_EQ(SwatchColour(w, s::kQuotationSwatch), ui::Rgb(148, 0, 211));  // unstored: its start-up value
    EXPECT_FALSE(w.IsChecked(s::kProgramDebugBox));
    EXPECT_EQ(w.GetText(s::kWheelLinesBox), "1");
    EXPECT_TRUE(w.IsChecked(s::kFindAllBox));
    driver_.Click(w, s::kCancelButton);
  });
  EXPECT_TRUE(driver_.UnansweredWindows().empty());
}

TEST_F(SettingsDialog, NoTwoControlsOverlapAndAllFitTheWindow) {
  const std::vector<ui::ControlSpec> controls = SettingsDialogControls();
  const auto overlap = [](ui::Rect a, ui::Rect b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
  };
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ui::Rect r = controls[i].rect;
    EXPECT_LE(r.x + r.width, kSettingsRect.width - 16) << controls[i].id;
    EXPECT_LE(r.y + r.height, kSettingsRect.height - 40) << controls[i].id;
    for (std::size_t j = i + 1; j < controls.size(); ++j)
      EXPECT_FALSE(overlap(r, controls[j].rect)) << controls[i].id << " and " << controls[j].id;
  }
}

TEST_F(SettingsDialog, TheColourWordBoxesRelabelAtOnce) {
  StartWithFactoryFiles();
  OpenSettings([&](ui::Window& w) {
    driver_.Click(w, s::kColorWordImage);
    EXPECT_FALSE(w.IsChecked(s::kColourWordBox));
    EXPECT_TRUE(w.IsChecked(s::kColorWordBox));
    EXPECT_EQ(w.GetText(s::kFileBackgroundSwatch + s::kColourLabelOffset), "Text background color");
    EXPECT_EQ(w.GetText(s::kNumberSwatch + s::kColourLabelOffset), "Numbers color");
    EXPECT_EQ(w.GetText(s::kKeywordSwatch + s::kColourLabelOffset), "Key word color");
    driver_.Click(w, s::kApplyButton);
    driver_.Click(w, s::kCancelButton);
  });
  EXPECT_FALSE(ReadBack().colourWordIsColour);
  EXPECT_EQ(Main().Tooltip(kRecolourButton), "Re-color screen");
}

TEST_F(SettingsDialog, AColourChosenThenCancelStaysForTheRunButIsNotWritten) {
  StartWithFactoryFiles();
  const ui::Colour picked = PaletteColours()[4];
  WhenColourWindowOpens([&](ui::Window& c) {
    EXPECT_EQ(c.GetText(chooser::kTitleLine), "Key word colour");
    driver_.Click(c, chooser::kFirstPaletteButton + 4);
    driver_.Click(c, chooser::kSaveButton);
  });
  OpenSettings([&](ui::Window& w) {
    driver_.Click(w, s::kKeywordSwatch);
    EXPECT_TRUE(w.IsVisible());
    EXPECT_EQ(SwatchColour(w, s::kKeywordSwatch), picked);
    driver_.Click(w, s::kCancelButton);
  });
  EXPECT_EQ(editor_.prefs.keyword, picked);
  EXPECT_EQ(editor_.keywordTable->Find("PRINT").colour, picked);
  EXPECT_EQ(Read(File()), FactoryPreferenceText());
  EXPECT_EQ(ReadBack().keyword, ui::Rgb(0, 0, 255));  // what the next start shows
}

TEST_F(SettingsDialog, ApplyTakesTheDialogAndWritesAFileThatReadsBackTheSame) {
  StartWithFactoryFiles();
  driver_.AnswerFontDialog(ui::FontSpec{"Lucida Console", 14, true, false});
  OpenSettings([&](ui::Window& w) {
    driver_.Click(w, s::kChangeFontButton);
    EXPECT_EQ(w.GetText(s::kFontNameValue), "Lucida Console");
    driver_.Click(w, s::kLowercaseButton);
    driver_.Click(w, s::kAutoJumpBox);
    driver_.Click(w, s::kConfirmationsBox);
    w.SetText(s::kWheelLinesBox, "7.6");
    w.SetText(s::kTabSpacingBox, "wide");
    driver_.Click(w, s::kApplyButton);
    EXPECT_TRUE(w.IsOpen());  // the dialog stays open
    EXPECT_EQ(w.GetText(s::kStatusLine), "");
    driver_.Click(w, s::kCancelButton);
  });
  const EditorPreferences& prefs = editor_.prefs;
  EXPECT_EQ(prefs.editorFont, (ui::FontSpec{"Lucida Console", 14}));  // weight normal
  EXPECT_EQ(prefs.keywordCase, KeywordCase::kLowercase);
  EXPECT_FALSE(prefs.autoJumpToSelections);
  EXPECT_FALSE(prefs.showConfirmations);
  EXPECT_EQ(prefs.wheelLines, 8);
  EXPECT_EQ(prefs.tabSpacing, 0);
  EXPECT_EQ(ReadBack(), prefs);
  EXPECT_EQ(Edit().Font(), prefs.editorFont);
  EXPECT_EQ(Main().Tooltip(kNewFileButton), "Open a new blank file");
}

// Through the menu, as a user changes the font with a file open.
class FontChange : public SettingsDialog {
 protected:
  void OpenFileOfLines(int lines) {
    std::string text;
    for (int i = 1; i <= lines; ++i) text += "x = " + std::to_string(i) + "\r\n";
    const auto path = start_ / "prog.iwb";
    WriteFile(path, text);
    driver_.AnswerOpenDialog(path);
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuOpenFile));
  }
  void ApplyFontSize(int points) {
    driver_.AnswerFontDialog(ui::FontSpec{"Courier New", points});
    driver_.WhenWindowOpens(std::string(kSettingsCaption), [this](ui::Window& w) {
      driver_.Click(w, s::kChangeFontButton);
      driver_.Click(w, s::kApplyButton);
      driver_.Click(w, s::kCancelButton);
    });
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuEditorSettings));
  }
  // Every row in use sits one line height below the last, beside the line whose number
  // it shows; every label left over is out of sight.
  void ExpectGutterFollowsTheLines() {
    const LineMetrics& m = editor_.metrics;
    ASSERT_EQ(m.gutterLines, 485 / m.lineHeight - 1);
    const int first = Edit().FirstVisibleLine();
    for (int i = 0; i < m.gutterLines; ++i) {
      const ui::ControlId id = kFirstGutterLabel + i;
      EXPECT_TRUE(Main().IsControlVisible(id)) << id;
      EXPECT_EQ(Main().ControlRect(id), (ui::Rect{36, 102 + i * m.lineHeight, 80, m.lineHeight})) << id;
      std::string number = Main().GetText(id);
      if (number.starts_with("> ")) number.erase(0, 2);
      EXPECT_EQ(number, std::to_string(first + i + 1)) << id;
    }
    for (ui::ControlId id = kFirstGutterLabel + m.gutterLines; Main().HasControl(id); ++id)
      EXPECT_FALSE(Main().IsControlVisible(id)) << id;
    EXPECT_EQ(Main().ControlRect(kEditor), EditorRect(m));
    EXPECT_EQ(Main().ControlRect(kLineScrollBar).height, m.gutterHeight);
    EXPECT_EQ(Main().ControlRect(kCodeBlockEditorFirst), EditorRect(m));
  }
  int MarkedRows() {
    int marked = 0;
    for (int i = 0; i < editor_.metrics.gutterLines; ++i)
      marked += Main().GetText(kFirstGutterLabel + i).starts_with("> ") ? 1 : 0;
    return marked;
  }
};

TEST_F(FontChange, TheGutterTakesTheNewLineHeightAndItsRowsStayBesideTheLines) {
  StartWithFactoryFiles();
  OpenFileOfLines(200);
  const LineMetrics atStart = editor_.metrics;

  ApplyFontSize(20);
  EXPECT_GT(editor_.metrics.lineHeight, atStart.lineHeight);
  EXPECT_LT(editor_.metrics.gutterLines, atStart.gutterLines);
  ExpectGutterFollowsTheLines();
  EXPECT_EQ(MarkedRows(), 1);

  // Smaller than at start: the window makes the rows it lacks, in the editor font.
  ApplyFontSize(8);
  EXPECT_GT(editor_.metrics.gutterLines, atStart.gutterLines);
  ExpectGutterFollowsTheLines();
  EXPECT_EQ(MarkedRows(), 1);
  const ui::ControlId last = kFirstGutterLabel + editor_.metrics.gutterLines - 1;
  EXPECT_EQ(static_cast<headless::Window&>(Main()).Find(last)->font, (ui::FontSpec{"Courier New", 8}));

  // Back and forth again, and a layout switch on top: rows no longer in use stay hidden.
  ApplyFontSize(20);
  ShowEditingControls(editor_);
  ExpectGutterFollowsTheLines();
}

// Where the text after a line's leading TAB starts, in characters of the edit's font.
double TabReach(const headless::RichEdit& edit, int line) {
  const int start = edit.LineIndex(line);
  return static_cast<double>(edit.PointOfChar(start + 1).x - edit.PointOfChar(start).x) / edit.CharWidth();
}

TEST_F(SettingsDialog, ApplyingATabSpacingMovesTheStopsOfEveryOpenFileAndCodeBlock) {
  StartWithFactoryFiles();
  for (const char* name : {"first.iwb", "second.iwb"}) {
    WriteFile(start_ / name, "\tPRINT 1\r\n");
    driver_.AnswerOpenDialog(start_ / name);
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuOpenFile));
  }
  ASSERT_TRUE(Main().HasControl(TabEditorId(1))) << "the first file waits in its tab";
  EXPECT_EQ(TabReach(Edit(), 0), 3);

  OpenSettings([&](ui::Window& w) {
    EXPECT_EQ(w.GetText(s::kTabSpacingBox), "3");
    w.SelectAllText(s::kTabSpacingBox);
    driver_.TypeText(w, s::kTabSpacingBox, "5");
    driver_.Click(w, s::kApplyButton);
    driver_.Click(w, s::kCancelButton);
  });
  EXPECT_EQ(editor_.prefs.tabSpacing, 5);
  EXPECT_EQ(editor_.prefs.tabStopWidth, 20);
  EXPECT_EQ(ReadBack().tabStopWidth, 20);
  EXPECT_EQ(TabReach(Edit(), 0), 5);
  EXPECT_EQ(TabReach(driver_.EditOf(Main(), TabEditorId(1)), 0), 5);
  headless::RichEdit& block = driver_.EditOf(Main(), kCodeBlockEditorFirst);
  block.SetText("\tx = 1");
  EXPECT_EQ(TabReach(block, 0), 5);

  WriteFile(start_ / "third.iwb", "\tPRINT 3\r\n");
  driver_.AnswerOpenDialog(start_ / "third.iwb");
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuOpenFile));
  EXPECT_EQ(TabReach(Edit(), 0), 5) << "a file opened later takes the spacing in force";
}

TEST_F(SettingsDialog, ApplyPutsTheSwitchesAndToolTipsInForce) {
  StartWithFactoryFiles();
  ASSERT_FALSE(Main().Tooltip(kNewFileButton).empty());
  OpenSettings([&](ui::Window& w) {
    driver_.Click(w, s::kTooltipsBox);
    driver_.Click(w, s::kEditCoordinatesBox);
    driver_.Click(w, s::kApplyButton);
    driver_.Click(w, s::kCancelButton);
  });
  EXPECT_EQ(Main().Tooltip(kNewFileButton), "");
  EXPECT_TRUE(editor_.view.editPositionShown);
  EXPECT_TRUE(Main().IsControlVisible(kCurrentLineField));
  EXPECT_TRUE(editor_.view.jumpToSelections);

  OpenSettings([&](ui::Window& w) {
    driver_.Click(w, s::kTooltipsBox);
    driver_.Click(w, s::kApplyButton);
    driver_.Click(w, s::kCancelButton);
  });
  EXPECT_EQ(Main().Tooltip(kNewFileButton), "Open a new blank file");
}

TEST_F(SettingsDialog, AFailedApplyKeepsTheOldFileAndSaysSo) {
  StartWithFactoryFiles();
  std::filesystem::remove(File());
  std::filesystem::create_directory(File());
  OpenSettings([&](ui::Window& w) {
    driver_.Click(w, s::kAutoJumpBox);
    driver_.Click(w, s::kApplyButton);
    EXPECT_NE(w.GetText(s::kStatusLine), "");
    driver_.Click(w, s::kCancelButton);
  });
  EXPECT_TRUE(std::filesystem::is_directory(File()));
  EXPECT_FALSE(editor_.prefs.autoJumpToSelections);  // in force for this run
}

TEST_F(SettingsDialog, DefaultsRestoresTheBackupByteForByteAndClosesTheDialog) {
  const std::string changed = "0\r\n20\r\nConsolas\r\n2\r\n255\r\n255\r\n";
  WriteFile(start_ / "Res" / std::string(kPreferenceFileName), changed);
  WriteFile(start_ / "Res" / std::string(kPreferenceBackupName), FactoryPreferenceText());
  Start();
  ASSERT_EQ(editor_.prefs.windowBackground, 255u);
  WhenAsked(true);
  OpenSettings([&](ui::Window& w) { driver_.Click(w, s::kDefaultsButton); });
  EXPECT_EQ(Read(File()), Read(Backup()));
  EXPECT_EQ(editor_.prefs.windowBackground, ui::Rgb(211, 211, 211));
  EXPECT_EQ(MainBackground(), ui::Rgb(211, 211, 211));
  EXPECT_EQ(editor_.prefs.editorFont, (ui::FontSpec{"Courier New", 12}));
  EXPECT_EQ(Edit().Background(), ui::Rgb(211, 211, 211));
  EXPECT_TRUE(driver_.UnansweredWindows().empty());  // the dialog closed itself
}

TEST_F(SettingsDialog, DefaultsAnsweredNoOrWithoutABackupChangesNothing) {
  const std::string changed = "0\r\n20\r\n";
  WriteFile(start_ / "Res" / std::string(kPreferenceFileName), changed);
  Start();
  WhenAsked(false);
  OpenSettings([&](ui::Window& w) {
    driver_.Click(w, s::kDefaultsButton);
    EXPECT_TRUE(w.IsOpen());
    EXPECT_EQ(w.GetText(s::kStatusLine), "");
    WhenAsked(true);
    driver_.Click(w, s::kDefaultsButton);
    EXPECT_TRUE(w.IsOpen());
    EXPECT_NE(w.GetText(s::kStatusLine).find("missing"), std::string::npos);
    driver_.Click(w, s::kCancelButton);
  });
  EXPECT_EQ(Read(File()), changed);
  EXPECT_EQ(editor_.prefs.editorFont.pointSize, 20);
}

TEST_F(SettingsDialog, SearchPresetsAreExclusiveAndTickTheMainWindowsBoxes) {
  StartWithFactoryFiles();
  OpenSettings([&](ui::Window& w) {
    driver_.Click(w, s::kFindLastBox);
    EXPECT_FALSE(w.IsChecked(s::kFindAllBox));
    driver_.Click(w, s::kOrBox);
    EXPECT_FALSE(w.IsChecked(s::kAndBox));
    driver_.ClickCloseBox(w);
  });
  EXPECT_TRUE(editor_.prefs.findLast);
  EXPECT_FALSE(editor_.prefs.findAll);
  EXPECT_TRUE(editor_.prefs.joinOr);
  EXPECT_FALSE(editor_.prefs.joinAnd);
  EXPECT_TRUE(Main().IsChecked(kLastBox));
  EXPECT_FALSE(Main().IsChecked(kAllBox));
  EXPECT_TRUE(Main().IsChecked(kOrBox));
  EXPECT_FALSE(Main().IsChecked(kAndBox));
}

TEST_F(SettingsDialog, UntickingRememberPlacesAlsoClearsDuplicatePlaces) {
  StartWithFactoryFiles();
  ASSERT_TRUE(editor_.view.allowDuplicatePlaces);
  OpenSettings([&](ui::Window& w) {
    driver_.Click(w, s::kRememberPlacesBox);
    EXPECT_FALSE(w.IsChecked(s::kAllowDuplicatesBox));
    driver_.Click(w, s::kCancelButton);
  });
  EXPECT_FALSE(editor_.prefs.rememberPlaces);
  EXPECT_FALSE(editor_.prefs.allowDuplicatePlaces);
  EXPECT_FALSE(editor_.view.rememberPlaces);
  EXPECT_FALSE(editor_.view.allowDuplicatePlaces);
  EXPECT_FALSE(Main().IsChecked(kRememberPlacesBox));
  EXPECT_FALSE(Main().IsChecked(kAllowDuplicatePlacesBox));
}

TEST_F(SettingsDialog, AutoCompleteActsAtOnce) {
  StartWithFactoryFiles();
  OpenSettings([&](ui::Window& w) {
    driver_.Click(w, s::kAutoCompleteBox);
    driver_.ClickCloseBox(w);
  });
  EXPECT_FALSE(editor_.prefs.autoCompleteKeywords);
  EXPECT_FALSE(editor_.view.autoComplete);
}

}  // namespace
}  // namespace editor
