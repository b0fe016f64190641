// The editor's main window built from the real controls: every control where the layout
// table puts it, a line height measured from the real font, again when it changes, and
// tab stops of the tab spacing on a file loaded into the real control.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "app/startup.h"
#include "base/control_ids.h"
#include "base/stored_path.h"
#include "base/menu_ids.h"
#include "editing/keyword_suggestions.h"
#include "editing/line_references.h"
#include "files/editor_state_file.h"
#include "files/file_loader.h"
#include "navigation/code_block_commands.h"
#include "navigation/put_in_free_block.h"
#include "navigation/places_commands.h"
#include "platform/win32/system.h"
#include "platform/win32/window.h"
#include "prefs/preferences_in_force.h"
#include "state/editor.h"
#include "view/main_window.h"
#include "view/bookmark_pane.h"
#include "view/main_window_layout.h"
#include "view/places_pane.h"

namespace {

class RealMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(editor::StartEditor(editor_));
    editor::ShowEditingControls(editor_);
  }
  void TearDown() override {
    if (editor_.main) editor_.main->Close();
  }

  win32::System system_;
  editor::Editor editor_{system_};
};

TEST_F(RealMainWindow, MeasuresASensibleLineHeightFromTheEditorFont) {
  const editor::LineMetrics& m = editor_.metrics;
  EXPECT_GE(m.lineHeight, 10);
  EXPECT_LE(m.lineHeight, 40);
  EXPECT_GT(m.charWidth, 4);
  EXPECT_EQ(m.gutterLines, 485 / m.lineHeight - 1);
}

TEST_F(RealMainWindow, EveryControlSitsWhereTheLayoutPutsIt) {
  ui::Window& window = *editor_.main;
  for (const editor::LayoutEntry& entry : editor::MainWindowControls()) {
    ASSERT_TRUE(window.HasControl(entry.desc.id)) << entry.desc.id;
    if (entry.desc.kind == ui::ControlKind::kComboBox) {
      // A closed drop-down list keeps only its place and width.
      const ui::Rect rect = window.ControlRect(entry.desc.id);
      EXPECT_EQ(rect.x, entry.desc.rect.x) << entry.desc.id;
      EXPECT_EQ(rect.y, entry.desc.rect.y) << entry.desc.id;
      EXPECT_EQ(rect.width, entry.desc.rect.width) << entry.desc.id;
      continue;
    }
    EXPECT_EQ(window.ControlRect(entry.desc.id), entry.desc.rect) << entry.desc.id;
    if (entry.shown != editor::Shown::kOnDemand) {
      EXPECT_TRUE(window.IsControlVisible(entry.desc.id)) << entry.desc.id;
    }
  }
  EXPECT_EQ(window.ControlRect(editor::kEditor), editor::EditorRect(editor_.metrics));
  for (const editor::LayoutEntry& label : editor::GutterLabels(editor_.metrics, editor_.prefs.editorFont))
    EXPECT_EQ(window.ControlRect(label.desc.id), label.desc.rect) << label.desc.id;
}

TEST_F(RealMainWindow, ALargerFontLaysTheGutterOutAgainForTheTallerLines) {
  ui::Window& window = *editor_.main;
  const editor::LineMetrics before = editor_.metrics;
  editor_.prefs.editorFont.pointSize = 20;
  editor::PutSettingsInForce(editor_);
  const editor::LineMetrics& after = editor_.metrics;
  EXPECT_GT(after.lineHeight, before.lineHeight);
  EXPECT_EQ(after.gutterLines, 485 / after.lineHeight - 1);
  // The measure agrees with the lines of the document editor itself.
  ui::RichEdit& edit = *window.Edit(editor::kEditor);
  edit.SetText("one\r\ntwo\r\n");
  EXPECT_EQ(edit.PositionFromChar(edit.LineIndex(1)).y - edit.PositionFromChar(edit.LineIndex(0)).y,
            after.lineHeight);
  for (const editor::LayoutEntry& label : editor::GutterLabels(after, editor_.prefs.editorFont)) {
    EXPECT_EQ(window.ControlRect(label.desc.id), label.desc.rect) << label.desc.id;
    EXPECT_TRUE(window.IsControlVisible(label.desc.id)) << label.desc.id;
  }
  EXPECT_FALSE(window.IsControlVisible(editor::kFirstGutterLabel + after.gutterLines));
  EXPECT_EQ(window.ControlRect(editor::kEditor).height, after.gutterHeight);  // its width follows the debug panel
  EXPECT_EQ(window.ControlRect(editor::kLineScrollBar).height, after.gutterHeight);
}

TEST_F(RealMainWindow, EditorAcceptsAMebibyteAndTheMenuFollowsTheLayout) {
  ui::Window& window = *editor_.main;
  EXPECT_EQ(window.Edit(editor::kEditor)->TextLimit(), 1'048'576);
  EXPECT_EQ(window.Edit(editor::kCodeBlockEditorFirst)->TextLimit(), editor::kCodeBlockTextLimit);
  EXPECT_TRUE(window.IsMenuItemEnabled(editor::kMenuSaveFile));
  editor::HideEditingControls(window);
  EXPECT_FALSE(window.IsMenuItemEnabled(editor::kMenuSaveFile));
  EXPECT_FALSE(window.IsMenuItemEnabled(editor::kMenuCut));
  EXPECT_TRUE(window.IsMenuItemEnabled(editor::kMenuNewFile));
  EXPECT_FALSE(window.IsControlVisible(editor::kEditor));
}

// Where the text after a line's first TAB starts, in characters of the line before it.
int TabReachInCharacters(const ui::RichEdit& edit, int line) {
  const int start = edit.LineIndex(line);
  const int tab = static_cast<int>(edit.GetLine(line, 100).find('\t'));
  const int width = edit.PositionFromChar(start + 1).x - edit.PositionFromChar(start).x;
  return (edit.PositionFromChar(start + tab + 1).x - edit.PositionFromChar(start).x) / width;
}

TEST_F(RealMainWindow, AFileLoadedTakesStopsOfTheTabSpacingAndApplyMovesThem) {
  const auto path =
      std::filesystem::temp_directory_path() / ("tabs-" + std::to_string(std::random_device{}()) + ".iwb");
  std::string text;
  for (int i = 0; i < 300; ++i) text += "x\tPRINT " + std::to_string(i) + "\r\n";
  std::ofstream(path, std::ios::binary) << text;
  ASSERT_EQ(editor::LoadFile(editor_, path), editor::LoadResult::kLoaded);
  ui::RichEdit& edit = *editor_.main->Edit(editor::kEditor);
  EXPECT_EQ(TabReachInCharacters(edit, 0), 3);
  EXPECT_EQ(TabReachInCharacters(edit, 299), 3);

  editor_.prefs.tabSpacing = 5;
  editor::PutSettingsInForce(editor_);
  EXPECT_EQ(TabReachInCharacters(edit, 0), 5);
  EXPECT_EQ(TabReachInCharacters(edit, 299), 5);
  EXPECT_EQ(editor_.prefs.tabStopWidth, 20);

  editor_.main->Close();
  std::filesystem::remove(path);
  for (const char* companion : {".txt", ".pth", ".src"})
    std::filesystem::remove(editor_.folders.Companion(path.filename().string(), companion));
}

// A name outside ASCII reaches the caption and the tab as itself, and comes back from the
// open-tabs list as the same file.
TEST_F(RealMainWindow, ANonAsciiFileNameShowsAsItselfAndComesBackFromTheListsItIsKeptIn) {
  const std::wstring name = L"caf\u00e9-" + std::to_wstring(std::random_device{}()) + L".iwb";
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary) << "x = 1\r\n";
  ASSERT_EQ(editor::LoadFile(editor_, path), editor::LoadResult::kLoaded);
  const auto textOf = [](HWND window) {
    std::wstring text(512, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), 512)));
    return text;
  };
  auto& window = static_cast<win32::Window&>(*editor_.main);
  EXPECT_EQ(textOf(window.Handle()).substr(0, name.size()), name);
  EXPECT_EQ(textOf(window.ControlHandle(editor::TabButtonId(1))), name);

  const std::string state = editor::EditorStateText(editor_);
  EXPECT_EQ(editor::PathFromStoredText(state.substr(0, state.find('\r'))), path);
  EXPECT_EQ(editor::PathFromStoredText("caf\xe9.iwb"), std::filesystem::path(L"caf\u00e9.iwb"))
      << "a list another program wrote in the ANSI code page";

  editor_.main->Close();
  std::filesystem::remove(path);
  for (const char* companion : {".txt", ".pth", ".src"})
    std::filesystem::remove(editor_.folders.Companion(path.filename().string(), companion));
}

// The places and bookmark lists are the real drop-down lists and list view: entries written
// again in place keep the current one chosen, and the arrows show where they can go.
TEST_F(RealMainWindow, PlacesAndBookmarksFollowLinesPutInAboveThemInTheRealLists) {
  const auto path =
      std::filesystem::temp_directory_path() / ("marks-" + std::to_string(std::random_device{}()) + ".iwb");
  std::string text;
  for (int i = 1; i <= 60; ++i) text += "x" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
  std::ofstream(path, std::ios::binary) << text;
  ASSERT_EQ(editor::LoadFile(editor_, path), editor::LoadResult::kLoaded);
  ui::Window& window = *editor_.main;
  editor_.view.rememberPlaces = true;
  editor_.view.allowDuplicatePlaces = false;
  editor::AddPlace(editor_, editor::LineNumber(20), true);
  editor::AddPlace(editor_, editor::LineNumber(30), true);
  ASSERT_EQ(window.ListCount(editor::kPlacesCombo), 2);
  EXPECT_EQ(window.ListSelected(editor::kPlacesCombo), 1);
  EXPECT_TRUE(window.IsControlVisible(editor::kGoBackButton));
  EXPECT_FALSE(window.IsControlVisible(editor::kGoForwardButton));
  editor_.bookmarks = {editor::Bookmark{editor::LineNumber(25), "here"}};
  editor::ShowBookmarks(editor_, 0);

  editor::ShiftLineReferences(editor_, editor::ShiftOf(editor::LineIndex(9), true, "", "a\rb\r"));
  EXPECT_EQ(window.ListText(editor::kPlacesCombo, 0), "22");
  EXPECT_EQ(window.ListText(editor::kPlacesCombo, 1), "32");
  EXPECT_EQ(window.ListSelected(editor::kPlacesCombo), 1) << "the current place stays chosen";
  EXPECT_EQ(window.ListText(editor::kBookmarkCombo, 0), "27 here");
  EXPECT_EQ(window.ViewCell(editor::kBookmarkList, 0, 0), "27");
  EXPECT_EQ(window.ListSelected(editor::kBookmarkCombo), 0);

  editor::GoBackCommand(editor_);
  ui::RichEdit& edit = *window.Edit(editor::kEditor);
  EXPECT_EQ(edit.LineFromChar(edit.GetSelection().first), 21);
  EXPECT_EQ(window.ListSelected(editor::kPlacesCombo), 0);
  EXPECT_FALSE(window.IsControlVisible(editor::kGoBackButton));
  EXPECT_TRUE(window.IsControlVisible(editor::kGoBackUnavailable));
  EXPECT_TRUE(window.IsControlVisible(editor::kGoForwardButton));

  editor::ClearPlacesCommand(editor_);
  EXPECT_EQ(window.ListCount(editor::kPlacesCombo), 0);
  EXPECT_FALSE(window.IsControlVisible(editor::kPlacesCombo));

  window.Close();
  std::filesystem::remove(path);
  for (const char* companion : {".txt", ".pth", ".src"})
    std::filesystem::remove(editor_.folders.Companion(path.filename().string(), companion));
}

// The list is owner-data: its rows live in the window's vectors, yet the control's own
// selection must follow a check from one word to the next.
TEST_F(RealMainWindow, TheSuggestionListHoldsEveryWordAndSelectsTheOneOffered) {
  ui::Window& window = *editor_.main;
  ASSERT_EQ(window.ViewRowCount(editor::kAutoCompleteList), 1662);
  editor::CheckKeywordSuggestion(editor_, "sendm", editor::SuggestionPlace::kByFindBox);
  EXPECT_TRUE(window.IsControlVisible(editor::kAutoCompleteList));
  const int sendMessage = window.ViewFindExact(editor::kAutoCompleteList, "SENDMESSAGE");
  EXPECT_EQ(window.ViewSelectedRows(editor::kAutoCompleteList), std::vector<int>{sendMessage});
  editor::CheckKeywordSuggestion(editor_, "@swh", editor::SuggestionPlace::kByFindBox);
  EXPECT_EQ(window.ViewSelectedRows(editor::kAutoCompleteList),
            std::vector<int>{window.ViewFindExact(editor::kAutoCompleteList, "@SWHIDE")});
  editor::CheckKeywordSuggestion(editor_, "xo", editor::SuggestionPlace::kByFindBox);
  EXPECT_FALSE(window.IsControlVisible(editor::kAutoCompleteList));
}

// A block on the real controls: its own rich edit comes on screen in the file's place with
// its lines coloured, and deleting it leaves a fresh empty control whose button is off.
TEST_F(RealMainWindow, CodePutInABlockShowsColouredInTheFilesPlaceAndDeletingFreesIt) {
  ui::Window& window = *editor_.main;
  const ui::ControlId blockId = editor::CodeBlockEditorId(1);
  ASSERT_EQ(editor::PutInFreeBlock(editor_, "print 1\r\n' note\r\n"), 1);
  const ui::RichEdit& block = *window.Edit(blockId);
  EXPECT_TRUE(window.IsControlVisible(blockId));
  EXPECT_FALSE(window.IsControlVisible(editor::kEditor));
  EXPECT_EQ(window.ControlRect(blockId), window.ControlRect(editor::kEditor));
  EXPECT_EQ(block.GetLine(0, 100), "PRINT 1\r") << "recased as the file's lines are";
  EXPECT_EQ(block.ColourAt(0), editor_.prefs.keyword);
  EXPECT_EQ(block.ColourAt(block.LineIndex(1)), editor_.prefs.comment);
  EXPECT_EQ(block.GetSelection(), std::make_pair(0, 0));

  editor::DeleteShownBlock(editor_);
  ASSERT_NE(window.Edit(blockId), nullptr);
  EXPECT_EQ(window.Edit(blockId)->TextLength(), 0);
  EXPECT_FALSE(window.IsControlVisible(blockId));
  EXPECT_FALSE(window.IsControlEnabled(editor::CodeBlockButtonId(1)));
  EXPECT_TRUE(window.IsControlVisible(editor::kEditor));
}

}  // namespace
