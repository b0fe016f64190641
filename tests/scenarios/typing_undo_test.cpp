// Typing into a file and taking it back: the modified star and Save, the undo and redo
// keys, and what a new edit does to the redo store.
#include <gtest/gtest.h>

#include "base/control_ids.h"
#include "scenarios/file_commands_fixture.h"
#include "view/notices.h"

namespace editor {
namespace {

class TypingAndUndo : public FileCommandsTest {
 protected:
  std::filesystem::path OpenFile(const std::string& text) {
    const auto path = Source("prog.iwb", text);
    Open(path);
    Main().Focus(kEditor);
    return path;
  }
  void CaretAt(int position) { Edit().SetSelection(position, position); }
  int Caret() { return Edit().GetSelection().first; }
  std::string TabCaption() { return editor_.tabs.Tab(1).caption; }
  void Undo() { driver_.PressCtrlKey(Main(), 'Z'); }
  void Redo() { driver_.PressCtrlKey(Main(), 'Y'); }
};

TEST_F(TypingAndUndo, TypedTextStarsTheTabAndCtrlSSavesItWithoutAnS) {
  const auto path = OpenFile("a = 1\r\n");
  CaretAt(7);
  driver_.TypeText(Main(), "print x\r");
  EXPECT_EQ(TabCaption(), "prog.iwb*");
  EXPECT_NE(Main().Caption().find("prog.iwb*"), std::string::npos);
  driver_.PressCtrlKey(Main(), 'S');
  EXPECT_EQ(Read(path), "a = 1\r\nPRINT x\r\n");
  EXPECT_EQ(TabCaption(), "prog.iwb");
}

TEST_F(TypingAndUndo, EnterThenUndoRemovesTheLineAndPutsTheCaretBackAndRedoBringsItAgain) {
  OpenFile("first\r\nsecond");
  CaretAt(3);
  driver_.PressKey(Main(), ui::key::kEnter);
  ASSERT_EQ(Edit().Text(), "fir\r\nst\r\nsecond");
  Undo();
  EXPECT_EQ(Edit().Text(), "first\r\nsecond");
  EXPECT_EQ(Caret(), 3);
  Redo();
  EXPECT_EQ(Edit().Text(), "fir\r\nst\r\nsecond");
  EXPECT_EQ(Caret(), 4);
}

TEST_F(TypingAndUndo, AWordTypedIsTakenBackWholeAndTheFunctionKeysStepAsTheirPreferencesSay) {
  OpenFile("x\r\n");
  CaretAt(1);
  driver_.TypeText(Main(), "yz ab");
  driver_.PressKey(Main(), ui::key::kEnter);
  driver_.TypeText(Main(), "c");
  ASSERT_EQ(Edit().Text(), "xyz ab\r\nc\r\n");
  driver_.PressKey(Main(), ui::key::kF1);  // undo one
  EXPECT_EQ(Edit().Text(), "xyz ab\r\n\r\n");
  Undo();
  EXPECT_EQ(Edit().Text(), "xyz ab\r\n");
  Undo();
  EXPECT_EQ(Edit().Text(), "x\r\n") << "the characters typed on one line went as one";
  EXPECT_TRUE(Main().IsControlVisible(kNothingToUndoButton));
  driver_.PressKey(Main(), ui::key::kF4);  // redo all
  EXPECT_EQ(Edit().Text(), "xyz ab\r\nc\r\n");
  driver_.PressKey(Main(), ui::key::kF3);  // undo all
  EXPECT_EQ(Edit().Text(), "x\r\n");
  driver_.PressKey(Main(), ui::key::kF2);  // redo one
  EXPECT_EQ(Edit().Text(), "xyz ab\r\n");
}

// Replaying an old redo entry after a later edit would write text into the wrong place.
TEST_F(TypingAndUndo, ANewEditEmptiesTheRedoStore) {
  OpenFile("abc\r\n");
  CaretAt(3);
  driver_.TypeText(Main(), "def");
  Undo();
  CaretAt(0);
  driver_.TypeText(Main(), "X");
  Redo();
  EXPECT_EQ(Edit().Text(), "Xabc\r\n");
}

TEST_F(TypingAndUndo, NothingToUndoChangesNothingAndAClearedHistoryStaysEmpty) {
  const std::string text = "SUB Main\r\nENDSUB\r\n";
  OpenFile(text);
  Undo();
  EXPECT_EQ(Edit().Text(), text);
  EXPECT_EQ(TabCaption(), "prog.iwb");

  CaretAt(0);
  driver_.PressKey(Main(), ui::key::kDelete);
  ASSERT_TRUE(Main().IsControlVisible(kClearUndoButton));
  driver_.WhenWindowOpens(std::string(kQuestionCaption), [this](ui::Window& q) { driver_.Click(q, kYesButton); });
  ASSERT_TRUE(driver_.Click(Main(), kClearUndoButton));
  EXPECT_TRUE(NoticeShown("Done"));
  EXPECT_TRUE(Main().IsControlVisible(kNothingToUndoButton));
  Undo();
  EXPECT_EQ(Edit().Text(), "UB Main\r\nENDSUB\r\n");
}

TEST_F(TypingAndUndo, BackspaceJoiningLinesCutAndPasteAreEachOneStep) {
  OpenFile("one\r\ntwo\r\nthree\r\n");
  CaretAt(4);
  driver_.PressKey(Main(), ui::key::kBackspace);
  ASSERT_EQ(Edit().Text(), "onetwo\r\nthree\r\n");
  Edit().SetSelection(0, 8);
  ASSERT_TRUE(driver_.PressAccelerator(Main(), 'X', true));
  ASSERT_EQ(Edit().Text(), "hree\r\n");
  CaretAt(4);
  ASSERT_TRUE(driver_.PressAccelerator(Main(), 'V', true));
  ASSERT_EQ(Edit().Text(), "hreeonetwo\r\nt\r\n");
  Undo();
  EXPECT_EQ(Edit().Text(), "hree\r\n");
  Undo();
  EXPECT_EQ(Edit().Text(), "onetwo\r\nthree\r\n");
  Undo();
  EXPECT_EQ(Edit().Text(), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(TypingAndUndo, EachTabKeepsItsOwnHistory) {
  OpenFile("a\r\n");
  CaretAt(1);
  driver_.TypeText(Main(), "1");
  Open(Source("other.iwb", "b\r\n"));
  Main().Focus(kEditor);
  EXPECT_TRUE(Main().IsControlVisible(kNothingToUndoButton));
  EXPECT_FALSE(Main().IsControlVisible(kClearUndoButton));
  Undo();
  EXPECT_EQ(Edit().Text(), "b\r\n");
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_TRUE(Main().IsControlVisible(kClearUndoButton));
  EXPECT_FALSE(Main().IsControlVisible(kNothingToUndoButton));
  Undo();
  EXPECT_EQ(Edit().Text(), "a\r\n");
}

TEST_F(TypingAndUndo, FWithoutCtrlIsALetterAndCtrlFEmptiesAndFocusesTheFindBox) {
  OpenFile("a\r\n");
  Main().SetText(kFindBox, "old search");
  CaretAt(1);
  driver_.TypeText(Main(), "f");
  EXPECT_EQ(Edit().Text(), "af\r\n");
  EXPECT_EQ(Main().GetText(kFindBox), "old search");
  driver_.PressCtrlKey(Main(), 'F');
  EXPECT_EQ(Main().FocusedControl(), kFindBox);
  EXPECT_EQ(Main().GetText(kFindBox), "");
  EXPECT_EQ(Edit().Text(), "af\r\n");

  // Ctrl went down in the editor and came up in another control.
  Main().Focus(kEditor);
  driver_.KeyDown(Main(), ui::key::kControl);
  Main().Focus(kFindBox);
  driver_.KeyUp(Main(), ui::key::kControl);
  Main().Focus(kEditor);
  CaretAt(2);
  driver_.TypeText(Main(), "r");
  EXPECT_EQ(Main().FocusedControl(), kEditor) << "an R taken for Ctrl+R";
  EXPECT_EQ(Edit().Text(), "afr\r\n");
}

// A row that kept its old line would send a jump to the wrong code, and an empty line
// typed just above a SUB line used to drop its row.
TEST_F(TypingAndUndo, LinesThatComeAndGoAboveADeclarationMoveItsRowWithIt) {
  OpenFile("x = 1\r\nSUB Main\r\nENDSUB\r\nOPENWINDOW w\r\nWAITUNTIL w = 0\r\n");
  const auto rowLines = [this](ui::ControlId list) {
    return Main().ViewCell(list, 0, 1) + "-" + Main().ViewCell(list, 0, 2);
  };
  // A full index leaves a row's end on its begin line until typing or the state fills it.
  ASSERT_EQ(rowLines(kSubroutineList), "2-2");
  CaretAt(5);
  driver_.PressKey(Main(), ui::key::kEnter);
  EXPECT_EQ(rowLines(kSubroutineList), "3-3");
  EXPECT_EQ(Main().ViewCell(kWindowList, 0, 1), "5");
  CaretAt(7);  // the start of the SUB line
  driver_.PressKey(Main(), ui::key::kEnter);
  driver_.PressKey(Main(), ui::key::kEnter);
  EXPECT_EQ(rowLines(kSubroutineList), "5-5");
  driver_.PressKey(Main(), ui::key::kBackspace);
  EXPECT_EQ(rowLines(kSubroutineList), "4-4");
  driver_.PressKey(Main(), ui::key::kF3);  // undo all
  EXPECT_EQ(rowLines(kSubroutineList), "2-2");
  EXPECT_EQ(Main().ViewCell(kWindowList, 0, 1), "4");

  // Lines taken away with the declaration's own line take its row.
  Edit().SetSelection(6, 22);
  ASSERT_TRUE(driver_.PressAccelerator(Main(), 'X', true));
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 0);
  EXPECT_EQ(Main().ViewCell(kWindowList, 0, 1), "2");
  Undo();  // lines put back are indexed as pasted ones are
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(rowLines(kSubroutineList), "2-3");
  EXPECT_EQ(Main().ViewCell(kWindowList, 0, 1), "4");
}

// A paste that begins with the blank its line begins with was taken for text put in after
// that blank, within the line, which then seemed to stay where it was.
TEST_F(TypingAndUndo, IndentedLinesPastedAboveAnIndentedDeclarationMoveItsRow) {
  OpenFile("x = 1\r\n  SUB Main\r\n  ENDSUB\r\n");
  const int subLine = Edit().LineIndex(1);
  CaretAt(subLine);
  system_.SetClipboardText("  y = 2\r\n  z = 3\r\n");
  ASSERT_TRUE(driver_.PressAccelerator(Main(), 'V', true));
  ASSERT_EQ(Edit().Text(), "x = 1\r\n  y = 2\r\n  z = 3\r\n  SUB Main\r\n  ENDSUB\r\n");
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 1), "4");
  Undo();
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 1), "2");
  EXPECT_EQ(Caret(), subLine);
}

TEST_F(TypingAndUndo, TheContextMenuShowsOnlyWhileTheEditorHasTheFocus) {
  OpenFile("a\r\n");
  Main().Focus(kFindBox);
  driver_.RightClickAt(Main(), kEditor, 0);
  EXPECT_FALSE(driver_.PickContextMenuItem(Main(), kContextSelectAll));
  Main().Focus(kEditor);
  driver_.RightClickAt(Main(), kEditor, 0);
  EXPECT_TRUE(driver_.PickContextMenuItem(Main(), kContextSelectAll));
  EXPECT_EQ(Edit().GetSelection(), std::make_pair(0, 2));
}

// Opened a second time, the lists come from the file's companion state.
TEST_F(TypingAndUndo, AKeyReleasedOnASubLineSelectsThatSubroutine) {
  OpenFile("SUB One\r\nENDSUB\r\nSUB Two\r\nENDSUB\r\n");
  Open(Source("other.iwb", "x\r\n"));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  ASSERT_TRUE(driver_.Click(Main(), kCloseFileButton));
  Open(start_ / "prog.iwb");
  Main().Focus(kEditor);
  CaretAt(15);  // in line 3
  driver_.PressKey(Main(), ui::key::kEnd);
  EXPECT_EQ(Main().ListSelected(kSubroutineCombo), 1);
  EXPECT_EQ(Main().ViewSelectedRows(kSubroutineList), std::vector<int>{1});
  CaretAt(0);
  driver_.PressKey(Main(), ui::key::kEnter);  // SUB One moves to line 2, where the caret is
  EXPECT_EQ(Main().ListSelected(kSubroutineCombo), 0);
  EXPECT_EQ(Main().ViewSelectedRows(kSubroutineList), std::vector<int>{0});
}

TEST_F(TypingAndUndo, ALeftClickRemembersTheViewedLineAtOnce) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "x = 1\r\n";
  OpenFile(text);
  Edit().LineScroll(30);
  driver_.LeftClickAt(Main(), kEditor, Edit().LineIndex(40));
  EXPECT_EQ(Read(start_ / "Res" / "prog.src"), "31");
}

}  // namespace
}  // namespace editor
