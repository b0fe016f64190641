#include "view/main_window.h"

#include <gtest/gtest.h>

#include <set>

#include "base/menu_ids.h"
#include "base/program_identity.h"
#include "prefs/preference_file.h"
#include "scenarios/editor_fixture.h"
#include "view/main_menu.h"
#include "view/main_window_layout.h"
#include "view/main_window_tooltips.h"

namespace editor {
namespace {

class MainWindow : public EditorTest {
 protected:
  // The preferences as they stand, in the file start-up reads.
  void WritePreferences() {
    ASSERT_TRUE(WritePreferenceFile(DiskFiles(), editor_.folders.InRes(kPreferenceFileName), editor_.prefs));
  }
};

std::vector<ui::ControlId> GutterIds(ui::Window& window) {
  std::vector<ui::ControlId> ids;
  for (ui::ControlId id = kFirstGutterLabel; window.HasControl(id); ++id) ids.push_back(id);
  return ids;
}

// Every item text of a menu and its sub-menus.
void CollectMenuTexts(const std::vector<ui::MenuItem>& items, std::vector<std::string>& texts) {
  for (const ui::MenuItem& item : items) {
    texts.push_back(item.text);
    CollectMenuTexts(item.children, texts);
  }
}

TEST_F(MainWindow, OpensWithNoFileLayoutWhenNothingIsRestored) {
  Start();
  EXPECT_EQ(Main().GetRect().width, 1350);
  EXPECT_EQ(Main().GetRect().height, 725);
  EXPECT_EQ(Main().Caption(), "Please open a file " + std::string(kTitleText));
  for (int id : EditingMenuIds()) EXPECT_FALSE(Main().IsMenuItemEnabled(id)) << id;
  // One TAB puts a shortcut in its column; a second shows as a box glyph on the real menu.
  std::vector<std::string> menuTexts;
  CollectMenuTexts(static_cast<headless::Window&>(Main()).MenuBar(), menuTexts);
  for (const std::string& text : menuTexts) EXPECT_EQ(text.find("\t\t"), std::string::npos) << text;
  EXPECT_FALSE(driver_.PickMenuItem(Main(), kMenuCut));
  EXPECT_FALSE(driver_.PressAccelerator(Main(), 'X', true));

  EXPECT_TRUE(Main().IsControlVisible(kEditor)) << "it shows the welcome text";
  EXPECT_FALSE(Main().IsControlVisible(kLineScrollBar));
  EXPECT_FALSE(Main().IsControlVisible(kSubroutineCombo));
  for (ui::ControlId id : GutterIds(Main())) EXPECT_FALSE(Main().IsControlVisible(id)) << id;
  for (ui::ControlId id : {kNewFileButton, kOpenFileButton, kHelpButton, kExitButton, TabButtonId(1), TabButtonId(6)})
    EXPECT_TRUE(Main().IsControlVisible(id)) << id;
  EXPECT_TRUE(driver_.PickMenuItem(Main(), kMenuNewFile)) << "a file can be made from the start";
}

TEST_F(MainWindow, FileOpenLayoutShowsTheEditingControlsAndEnablesTheMenu) {
  Start();
  ShowEditingControls(editor_);
  for (int id : EditingMenuIds()) EXPECT_TRUE(Main().IsMenuItemEnabled(id)) << id;
  EXPECT_TRUE(driver_.PressAccelerator(Main(), 'A', true));
  for (ui::ControlId id : {kEditor, kLineScrollBar, kSubroutineCombo, kFindBox, kNothingToUndoButton})
    EXPECT_TRUE(Main().IsControlVisible(id)) << id;
  for (ui::ControlId id : GutterIds(Main())) EXPECT_TRUE(Main().IsControlVisible(id)) << id;
  // With no places yet, the greyed twins stand in for back and forward.
  EXPECT_TRUE(Main().IsControlVisible(kGoBackUnavailable));
  EXPECT_FALSE(Main().IsControlVisible(kGoBackButton));
  // What only an operation shows stays hidden.
  for (ui::ControlId id : {kClearUndoButton, kSubroutineList, kGoToLineButton, kCopyBlockButton, kAutoCompleteList,
                           kCodeBlockEditorFirst, kFontList, kLineNumberBox})
    EXPECT_FALSE(Main().IsControlVisible(id)) << id;

  // Standing on the middle one of three places, both arrows have somewhere to go.
  editor_.places.Load({LineNumber(3), LineNumber(9), LineNumber(12)});
  editor_.places.Pick(1);
  ShowEditingControls(editor_);
  EXPECT_TRUE(Main().IsControlVisible(kGoBackButton));
  EXPECT_TRUE(Main().IsControlVisible(kGoForwardButton));
  EXPECT_FALSE(Main().IsControlVisible(kGoForwardUnavailable));

  HideEditingControls(Main());
  EXPECT_FALSE(Main().IsControlVisible(kGoBackButton));
  EXPECT_FALSE(Main().IsControlVisible(kGoBackUnavailable));
  EXPECT_FALSE(Main().IsMenuItemEnabled(kMenuReindexFile));
}

bool Overlap(ui::Rect a, ui::Rect b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST_F(MainWindow, NoTwoVisibleControlsOverlapInTheFileOpenLayout) {
  Start();
  // Everything that shows on demand in the panes is shown.
  editor_.places.Load({LineNumber(3), LineNumber(9), LineNumber(12)});
  editor_.places.Pick(1);
  editor_.bookmarks = {Bookmark{LineNumber(4), "here"}};
  editor_.view.rememberPlaces = true;
  ShowEditingControls(editor_);
  std::vector<std::pair<ui::ControlId, ui::Rect>> shown;
  auto consider = [&](ui::ControlId id, bool isCombo) {
    if (!Main().IsControlVisible(id)) return;
    ui::Rect rect = Main().ControlRect(id);
    if (isCombo) rect.height = 22;  // a closed drop-down list
    shown.emplace_back(id, rect);
  };
  for (const LayoutEntry& entry : MainWindowControls())
    consider(entry.desc.id, entry.desc.kind == ui::ControlKind::kComboBox);
  for (const LayoutEntry& entry : EditAreaFrame(editor_.metrics)) consider(entry.desc.id, false);
  for (ui::ControlId id : GutterIds(Main())) consider(id, false);
  consider(kEditor, false);

  for (std::size_t i = 0; i < shown.size(); ++i)
    for (std::size_t j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(Overlap(shown[i].second, shown[j].second)) << shown[i].first << " and " << shown[j].first;
}

TEST_F(MainWindow, EveryControlIdIsUsedOnce) {
  std::set<ui::ControlId> seen;
  for (const LayoutEntry& entry : MainWindowControls()) EXPECT_TRUE(seen.insert(entry.desc.id).second) << entry.desc.id;
  for (const LayoutEntry& entry : EditAreaFrame(LineMetrics{})) EXPECT_TRUE(seen.insert(entry.desc.id).second);
  EXPECT_FALSE(seen.contains(kEditor));
  // The gutter takes 1001 upwards, as many rows as the smallest font gives.
  const auto firstAbove = seen.lower_bound(kFirstGutterLabel);
  ASSERT_NE(firstAbove, seen.end());
  EXPECT_GT(*firstAbove, kFirstGutterLabel + MetricsFor(1, 1).gutterLines);
}

TEST_F(MainWindow, GutterHasOneLabelPerRowOfTheMeasuredLineHeight) {
  Start();
  const LineMetrics& m = editor_.metrics;
  const std::vector<ui::ControlId> gutter = GutterIds(Main());
  ASSERT_EQ(static_cast<int>(gutter.size()), m.gutterLines);
  EXPECT_EQ(m.gutterLines, 485 / m.lineHeight - 1);
  EXPECT_EQ(Main().ControlRect(gutter.front()), (ui::Rect{36, 102, 80, m.lineHeight}));
  EXPECT_EQ(Main().ControlRect(gutter.back()), (ui::Rect{36, 102 + (m.gutterLines - 1) * m.lineHeight, 80, m.lineHeight}));
  EXPECT_EQ(Main().ControlRect(kEditor), (ui::Rect{119, 100, 1188, m.lineHeight + m.lineHeight * m.gutterLines + 5}));
  EXPECT_EQ(Main().ControlRect(kLineScrollBar).height, Main().ControlRect(kEditor).height);
}

TEST_F(MainWindow, EditorsAndHiddenHelpersAreSetUp) {
  Start();
  ui::RichEdit* edit = Main().Edit(kEditor);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->TextLimit(), 1'048'576);
  const std::uint32_t events =
      ui::event_mask::kChange | ui::event_mask::kScroll | ui::event_mask::kKeyEvents | ui::event_mask::kMouseEvents;
  EXPECT_EQ(edit->EventMask() & events, events);
  for (ui::ControlId block = 500; block <= 503; ++block) {
    ui::RichEdit* blockEdit = Main().Edit(block);
    ASSERT_NE(blockEdit, nullptr) << block;
    EXPECT_EQ(blockEdit->TextLimit(), kCodeBlockTextLimit);
    EXPECT_EQ(Main().ControlRect(block), Main().ControlRect(kEditor));
  }
  EXPECT_EQ(Main().ViewColumnCount(kFontList), 3);
  EXPECT_EQ(Main().ViewColumnCount(kWindowList), 4);
  EXPECT_TRUE(Main().GetText(kExitButton) == "Exit");
}

TEST_F(MainWindow, TypingIsHeldToWordCharactersInTheWordFieldsAnd255InTheCaretLineFields) {
  Start();
  ShowEditingControls(editor_);
  for (ui::ControlId id : {kKeywordBox, kWordBox}) {
    driver_.TypeText(Main(), id, "If x1 = $y@_z");
    EXPECT_EQ(Main().GetText(id), "Ifx$y@_z") << id;
  }
  for (ui::ControlId id : {kLineNumberBox, kLineNumberCompanion}) {
    Main().SetText(id, "");
    driver_.TypeText(Main(), id, std::string(300, '9'));
    EXPECT_EQ(Main().GetText(id), std::string(255, '9')) << id;
  }
}

TEST_F(MainWindow, EveryTooltipIsAttachedWithItsText) {
  Start();
  for (const TooltipEntry& entry : MainWindowTooltips())
    if (entry.id != kShowEditPositionBox) {
      EXPECT_EQ(Main().Tooltip(entry.id), entry.text) << entry.id;
    }
  EXPECT_EQ(Main().Tooltip(kShowEditPositionBox), "Hide the edit position etc") << "the panel starts shown";
  EXPECT_EQ(Main().Tooltip(kRecolourButton), "Re-colour screen");
  EXPECT_EQ(Main().Tooltip(kGoToBookmarkButton), "Please select a bookmark");
}

TEST_F(MainWindow, RecolourTipFollowsTheColourSpelling) {
  editor_.prefs.colourWordIsColour = false;
  WritePreferences();
  Start();
  EXPECT_EQ(Main().Tooltip(kRecolourButton), "Re-color screen");
}

TEST_F(MainWindow, NoTooltipsWhenTheyAreSwitchedOff) {
  editor_.prefs.showTooltips = false;
  WritePreferences();
  Start();
  EXPECT_EQ(Main().Tooltip(kNewFileButton), "");
}

}  // namespace
}  // namespace editor
