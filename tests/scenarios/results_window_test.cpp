// Finding lines through the results window as a user does: from the find bar, with the
// rows filtered, sorted, ticked, copied, replaced, paused and resumed.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "scenarios/file_commands_fixture.h"
#include "search/results_window_layout.h"

namespace editor {
namespace {

using namespace results_window;

class SearchResults : public FileCommandsTest {
 protected:
  void OpenFile(const std::string& text) {
    Open(Source("prog.iwb", text));
    Main().Focus(kEditor);
  }

  // Types the search into the find bar and presses Enter; `inWindow` runs once the
  // search has ended, with the window still open.
  void Find(const std::string& text, const std::function<void(ui::Window&)>& inWindow) {
    driver_.WhenModalRuns([&](ui::Window& w) {
      inWindow(w);
      if (w.IsOpen()) driver_.Click(w, kCloseButton);
    });
    Main().SetText(kFindBox, "");
    driver_.TypeText(Main(), kFindBox, text);
    driver_.PressKey(Main(), kFindBox, ui::key::kEnter);
  }

  static std::vector<std::string> Column(const ui::Window& w, int column) {
    std::vector<std::string> cells;
    for (int r = 0; r < w.ViewRowCount(kList); ++r) cells.push_back(w.ViewCell(kList, r, column));
    return cells;
  }

  using Cells = std::vector<std::string>;
};

constexpr const char* kProgram =
    "x = 1\r\n"                     // 1
    "SUB Draw(a)\r\n"               // 2
    "  foo = 1\r\n"                 // 3
    "ENDSUB\r\n"                    // 4
    "OPENWINDOW win, 0, 0\r\n"      // 5
    "  PRINT \"foo\"\r\n"           // 6
    "WAITUNTIL win = 0\r\n"         // 7
    "Foo(2)\r\n"                    // 8
    "SUB Quit\r\n"                  // 9
    "  IF foo THEN RETURN\r\n"      // 10
    "ENDSUB\r\n";                   // 11

TEST_F(SearchResults, ListsTheLinesWithTheirOwnersFiltersAndSortsThem) {
  OpenFile(kProgram);
  driver_.Click(Main(), kExactBox);
  bool searched = false;
  Find("foo", [&](ui::Window& w) {
    searched = true;
    EXPECT_EQ(w.Caption(), "Done");
    EXPECT_EQ(w.GetText(kStatus), "Results for foo, 4 found.");
    EXPECT_EQ(Column(w, 0), (Cells{"3", "6", "8", "10"}));
    EXPECT_EQ(Column(w, 2), (Cells{"Draw", "win", "", "Quit"}));
    EXPECT_TRUE(w.IsControlVisible(kFilterCombo));
    EXPECT_TRUE(w.IsControlVisible(kReplaceToggle));

    driver_.PickListEntry(w, kFilterCombo, w.ListFindExact(kFilterCombo, "Quit"));
    EXPECT_EQ(Column(w, 0), (Cells{"10"}));
    driver_.PickListEntry(w, kFilterCombo, w.ListFindExact(kFilterCombo, "* Show all *"));
    EXPECT_EQ(Column(w, 0), (Cells{"3", "6", "8", "10"}));

    // Line numbers sort as text; the second click on a title turns the order round.
    driver_.ClickColumnTitle(w, kList, 0);
    EXPECT_EQ(Column(w, 0), (Cells{"10", "3", "6", "8"}));
    driver_.ClickColumnTitle(w, kList, 0);
    EXPECT_EQ(Column(w, 0), (Cells{"8", "6", "3", "10"}));
    driver_.ClickColumnTitle(w, kList, 2);
    EXPECT_EQ(Column(w, 2), (Cells{"", "Draw", "Quit", "win"}));
  });
  EXPECT_TRUE(searched);
}

TEST_F(SearchResults, WordsLastAndFirstAndASearchThatFindsNothing) {
  OpenFile(kProgram);
  Find("foo", [&](ui::Window& w) {
    driver_.Click(w, kWordsModeBox);
    driver_.Click(w, kLastExtentBox);
    driver_.Click(w, kSearchButton);
    // A word in a string is no word of the line; the bottom line comes first.
    EXPECT_EQ(Column(w, 0), (Cells{"10", "8", "3"}));
    driver_.Click(w, kFirstExtentBox);
    driver_.Click(w, kSearchButton);
    EXPECT_EQ(Column(w, 0), (Cells{"3"}));
    EXPECT_EQ(w.Caption(), "Done");

    // The word being typed is offered the dialect's key words; Enter takes the first.
    driver_.TypeText(w, kSearchBox, " ENDS");
    EXPECT_TRUE(w.IsControlVisible(kSuggestionList));
    driver_.PressKey(w, kSearchBox, ui::key::kEnter);
    EXPECT_EQ(w.GetText(kSearchBox), "foo ENDSELECT ");
    EXPECT_FALSE(w.IsControlVisible(kSuggestionList));

    w.SetText(kSearchBox, "nowhere");
    driver_.Click(w, kSearchButton);
    EXPECT_EQ(w.GetText(kStatus), "Results for nowhere, 0 found.");
    EXPECT_EQ(w.ViewRowCount(kList), 0);
    for (ui::ControlId hidden : {kFilterCombo, kReplaceToggle, kSelectAllButton, kCopyButton})
      EXPECT_FALSE(w.IsControlVisible(hidden)) << hidden;
  });
  EXPECT_EQ(editor_.search.extent, SearchExtent::kFirst);  // the choice outlives the window
}

TEST_F(SearchResults, TheContextMenuAndTheKeyWordFindSearchAndAClickGoesToTheLine) {
  OpenFile(kProgram);
  const int foo = Edit().LineIndex(2) + 2;  // "foo" on line 3
  Edit().SetSelection(foo, foo + 3);
  driver_.WhenModalRuns([&](ui::Window& w) {
    EXPECT_EQ(w.GetText(kSearchBox), "foo");
    EXPECT_EQ(Column(w, 0), (Cells{"10", "8", "3"}));  // words, from the bottom up
    driver_.Click(w, kGoToBox);
    driver_.PickListEntry(w, kList, 1);
    EXPECT_EQ(Edit().LineFromChar(Edit().GetSelection().first), 7);  // line 8
    EXPECT_TRUE(w.ViewIsTicked(kList, 1));
    driver_.Click(w, kCloseButton);
  });
  driver_.RightClickAt(Main(), kEditor, foo);
  ASSERT_TRUE(driver_.PickContextMenuItem(Main(), kContextFindLast));
  EXPECT_TRUE(editor_.search.goToSelectedLine);

  driver_.WhenModalRuns([&](ui::Window& w) {
    EXPECT_EQ(Column(w, 0), (Cells{"6"}));
    driver_.PickListEntry(w, kList, 0);
    driver_.Click(w, kCloseButton);
  });
  driver_.TypeText(Main(), kKeywordBox, "PRIN");
  driver_.PressKey(Main(), kKeywordBox, ui::key::kEnter);
  EXPECT_EQ(Main().GetText(kFindBox), "PRINT");
  EXPECT_EQ(Main().FocusedControl(), kEditor);
  EXPECT_EQ(Edit().GetSelection().first, Edit().LineIndex(5));  // the start of line 6
}

TEST_F(SearchResults, TickedRowsCopyInColumnsWithTheirOwnersAsComments) {
  std::string text;
  for (int line = 1; line <= 130; ++line)
    text += line == 7 ? "SUB Go\r\n\tfoo\t= 1\r\n" : line == 120 ? "  foo(12) + 1  \r\n" : "x = 1\r\n";
  OpenFile(text);
  Find("foo", [&](ui::Window& w) {
    ASSERT_EQ(Column(w, 0), (Cells{"8", "121"}));
    EXPECT_EQ(w.ViewCell(kList, 0, 1), "   foo   = 1");  // a cell would draw a TAB as a box
    EXPECT_FALSE(w.IsControlEnabled(kCopyButton));
    driver_.PickListEntry(w, kList, 0);
    driver_.PickListEntry(w, kList, 1);
    EXPECT_TRUE(w.IsControlEnabled(kCopyButton));
    driver_.Click(w, kIncludeNamesBox);
    driver_.Click(w, kCopyButton);
  });
  EXPECT_EQ(driver_.Clipboard(),
            "\r\nLne#\t\tSearch results\r\n\r\n"
            "8\t\t\tfoo   = 1  \t '  Go\r\n"
            "121\t\tfoo(12) + 1\t '  Go\r\n");
}

TEST_F(SearchResults, ReplaceInTwoTickedRowsChangesTheFileAndUndoesOneLineAtATime) {
  OpenFile("a = stale\r\nb = stale\r\nc = stale\r\n");
  driver_.WhenModalRuns([&](ui::Window& w) {
    driver_.PickListEntry(w, kList, 0);
    driver_.PickListEntry(w, kList, 2);
    driver_.Click(w, kReplaceToggle);
    EXPECT_EQ(w.GetText(kFindText), "stale");
    EXPECT_FALSE(w.IsControlEnabled(kReplaceNowButton));
    driver_.TypeText(w, kWithText, "fresh");
    driver_.PressKey(w, kWithText, ui::key::kEnter);
    EXPECT_FALSE(w.IsOpen());
  });
  driver_.PressCtrlKey(Main(), 'F');
  EXPECT_EQ(Main().FocusedControl(), kFindBox);
  driver_.TypeText(Main(), kFindBox, "stale\n");
  EXPECT_EQ(Edit().Text(), "a = fresh\r\nb = stale\r\nc = fresh\r\n");
  driver_.PressCtrlKey(Main(), 'Z');
  EXPECT_EQ(Edit().Text(), "a = fresh\r\nb = stale\r\nc = stale\r\n");
  driver_.PressCtrlKey(Main(), 'Z');
  EXPECT_EQ(Edit().Text(), "a = stale\r\nb = stale\r\nc = stale\r\n");
}

TEST_F(SearchResults, APausedSearchResumesWhereItStoppedWithoutRepeatingARow) {
  std::string text;
  for (int line = 1; line <= 1000; ++line) text += "n = " + std::to_string(line) + "\r\n";
  OpenFile(text);
  driver_.Click(Main(), kExactBox);
  std::string pausedAt;
  driver_.WhenMessagesPumped([&] {
    ui::Window* w = editor_.resultsWindow;
    ASSERT_NE(w, nullptr);
    driver_.Click(*w, kPauseButton);
  });
  Find("n =", [&](ui::Window& w) {
    pausedAt = w.GetText(kStatus);
    ASSERT_LT(w.ViewRowCount(kList), 1000);
    driver_.Click(w, kPauseButton);  // resume
    EXPECT_EQ(w.Caption(), "Done");
    const Cells lines = Column(w, 0);
    EXPECT_EQ(lines.size(), 1000u);
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 1000u);
  });
  EXPECT_TRUE(pausedAt.starts_with("Search paused - results so far for n =, ")) << pausedAt;
}

}  // namespace
}  // namespace editor
