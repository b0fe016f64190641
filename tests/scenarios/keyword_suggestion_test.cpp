// The key word suggestion list while typing in the editor: which word it offers, when it
// shows and hides, and taking a suggestion with Tab, Enter or a double click.
#include <gtest/gtest.h>

#include "base/control_ids.h"
#include "editing/keyword_suggestions.h"
#include "scenarios/file_commands_fixture.h"

namespace editor {
namespace {

class KeywordSuggestions : public FileCommandsTest {
 protected:
  void OpenText(const std::string& text) {
    Open(Source("prog.iwb", text));
    Main().Focus(kEditor);
    Edit().SetSelection(Edit().TextLength(), Edit().TextLength());
  }
  bool Shown() { return Main().IsControlVisible(kAutoCompleteList); }
  std::string Offered() {
    const std::vector<int> rows = Main().ViewSelectedRows(kAutoCompleteList);
    return rows.size() == 1 ? Main().ViewCell(kAutoCompleteList, rows.front(), 0) : "";
  }
  void Undo() { driver_.PressCtrlKey(Main(), 'Z'); }
};

TEST_F(KeywordSuggestions, TheListHoldsABlankRowThenEveryWordInTableOrder) {
  ASSERT_EQ(Main().ViewRowCount(kAutoCompleteList), 1662);
  EXPECT_EQ(Main().ViewCell(kAutoCompleteList, 0, 0), " ");
  EXPECT_EQ(Main().ViewCell(kAutoCompleteList, 805, 0), "@ZAXIS");
  EXPECT_EQ(Main().ViewCell(kAutoCompleteList, 806, 0), "$ASM");
  EXPECT_EQ(Main().ViewCell(kAutoCompleteList, 1661, 0), "_WSTRAPPEND");
}

TEST_F(KeywordSuggestions, TypingOffersTheFirstWordItBeginsAndAWholeWordIsNotTakenForALongerOne) {
  OpenText("x = 1\r\n");
  driver_.TypeText(Main(), "p");
  EXPECT_FALSE(Shown()) << "one letter is not enough";
  driver_.TypeText(Main(), "ri");
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Offered(), "PRINT");
  EXPECT_EQ(editor_.view.suggestionMatch, 1);
  const ui::Point caret = Edit().PositionFromChar(Edit().GetSelection().first);
  EXPECT_EQ(Main().ControlRect(kAutoCompleteList), (ui::Rect{caret.x + 100, caret.y + 118, 300, 58}));
  driver_.TypeText(Main(), "ntw");
  EXPECT_EQ(Offered(), "PRINTWINDOW");
  driver_.PressKey(Main(), ui::key::kBackspace);
  EXPECT_EQ(Offered(), "PRINT") << "rubbing out checks the word again";
  EXPECT_EQ(editor_.view.suggestionMatch, 2);
  driver_.TypeText(Main(), "zz");
  EXPECT_FALSE(Shown()) << "no word begins with it";
}

TEST_F(KeywordSuggestions, OnlyWordsThatMayBeCompletedAreChecked) {
  OpenText("");
  driver_.TypeText(Main(), "@swh");
  EXPECT_EQ(Offered(), "@SWHIDE") << "constants are looked for among the constants";
  driver_.TypeText(Main(), " ");
  EXPECT_FALSE(Shown()) << "a delimiter ends the word";
  driver_.TypeText(Main(), "$inc");
  EXPECT_EQ(Offered(), "$INCLUDE");
  driver_.TypeText(Main(), " xo");
  EXPECT_FALSE(Shown()) << "no dialect word begins with X";
  driver_.TypeText(Main(), " a.endi");
  EXPECT_EQ(Offered(), "ENDIF") << "the word after a full stop is a word of its own";
  driver_.PressKey(Main(), ui::key::kLeft);
  EXPECT_FALSE(Shown()) << "the caret moved away from the word";
  ASSERT_TRUE(driver_.Click(Main(), kAutoCompleteButton));
  driver_.PressKey(Main(), ui::key::kRight);
  driver_.TypeText(Main(), "d");
  EXPECT_FALSE(Shown()) << "auto-completion is off";
}

TEST_F(KeywordSuggestions, TabTakesTheWordAsOneEditWithTheLettersTypedBeforeIt) {
  OpenText("x = 1\r\n");
  driver_.TypeText(Main(), "a = le");
  ASSERT_EQ(Offered(), "LEAVE");
  driver_.TypeText(Main(), "f");
  ASSERT_EQ(Offered(), "LEFT$");
  driver_.PressKey(Main(), ui::key::kTab);
  EXPECT_EQ(Edit().Text(), "x = 1\r\na = LEFT$");
  EXPECT_FALSE(Shown());
  EXPECT_EQ(Edit().GetSelection().first, Edit().TextLength());
  EXPECT_EQ(editor_.tabs.Tab(1).caption, "prog.iwb*");
  Undo();
  EXPECT_EQ(Edit().Text(), "x = 1\r\n") << "one undo takes the typing and the word back together";
  driver_.PressCtrlKey(Main(), 'Y');
  EXPECT_EQ(Edit().Text(), "x = 1\r\na = LEFT$");
}

TEST_F(KeywordSuggestions, EnterKeepsItsBreakAndEscapeLeavesTabToTheText) {
  editor_.prefs.keywordCase = KeywordCase::kLowercase;
  OpenText("");
  driver_.TypeText(Main(), "endsu");
  driver_.PressKey(Main(), ui::key::kTab);
  EXPECT_EQ(Edit().Text(), "endsub") << "in the key word case";
  driver_.TypeText(Main(), " st");
  ASSERT_TRUE(Shown());
  driver_.PressKey(Main(), ui::key::kEnter);
  EXPECT_EQ(Edit().Text(), "endsub st\r\n") << "a name of the user's own is left as typed";
  EXPECT_FALSE(Shown());
  driver_.TypeText(Main(), "wai");
  ASSERT_TRUE(Shown());
  driver_.PressKey(Main(), ui::key::kEscape);
  EXPECT_FALSE(Shown());
  driver_.PressKey(Main(), ui::key::kTab);
  EXPECT_EQ(Edit().Text(), "endsub st\r\nwai\t");

  driver_.TypeText(Main(), "wai");
  ASSERT_TRUE(Shown());
  driver_.LeftClickAt(Main(), kEditor, 0);
  EXPECT_FALSE(Shown()) << "a click moved away from the word";
}

TEST_F(KeywordSuggestions, ADoubleClickedRowReplacesTheTypedWord) {
  OpenText("");
  driver_.TypeText(Main(), "IF ope");
  ASSERT_EQ(Offered(), "OPENCONSOLE");
  const int row = Main().ViewFindExact(kAutoCompleteList, "OPENWINDOW");
  ASSERT_TRUE(driver_.ListViewDoubleClick(Main(), kAutoCompleteList, row));
  EXPECT_EQ(Edit().Text(), "IF OPENWINDOW");
  EXPECT_FALSE(Shown());
  EXPECT_EQ(Main().FocusedControl(), kEditor);
  Undo();
  EXPECT_EQ(Edit().Text(), "");
}

TEST_F(KeywordSuggestions, TheFindBoxOffersWordsAboveItAndTakesAPickedOne) {
  OpenText("");
  driver_.TypeText(Main(), kFindBox, "getc");
  ASSERT_TRUE(Shown());
  driver_.TypeText(Main(), kFindBox, " ");
  EXPECT_FALSE(Shown()) << "a space ends the word";
  driver_.TypeText(Main(), kFindBox, "sendm");
  ASSERT_EQ(Offered(), "SENDMESSAGE");
  EXPECT_EQ(Main().ControlRect(kAutoCompleteList), (ui::Rect{830, 530, 300, 58}));
  const int row = Main().ViewFindExact(kAutoCompleteList, "SENDMESSAGE");
  ASSERT_TRUE(driver_.ListViewDoubleClick(Main(), kAutoCompleteList, row));
  EXPECT_EQ(Main().GetText(kFindBox), "getc SENDMESSAGE");
  EXPECT_FALSE(Shown()) << "the finished word does not bring the list back";
  EXPECT_EQ(Main().FocusedControl(), kFindBox);
  EXPECT_EQ(Edit().Text(), "") << "the editor's text is not touched";
}

}  // namespace
}  // namespace editor
