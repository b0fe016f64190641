// The rich edit's own key and mouse handling: editing keys, caret movement and
// keeping the caret in view.
#include "headless_fixture.h"

namespace headless {
namespace {

using RichEditKeys = HeadlessTest;

TEST_F(RichEditKeys, BackspaceAndDeleteAtTheEdgesOfTheText) {
  RichEdit& edit = MakeRichEdit(ui::event_mask::kChange);
  edit.SetText("ab\r\ncd");
  events_.clear();
  edit.SetSelection(0, 0);
  driver_.PressKey(*window_, ui::key::kBackspace);
  EXPECT_EQ(edit.Text(), "ab\r\ncd");
  EXPECT_TRUE(NotifyCodesOf(kEdit).empty());
  edit.SetSelection(2, 2);
  driver_.PressKey(*window_, ui::key::kDelete);  // at a line's end: joins with the next
  EXPECT_EQ(edit.Text(), "abcd");
  EXPECT_EQ(edit.GetSelection(), std::make_pair(2, 2));
  EXPECT_EQ(NotifyCodesOf(kEdit), std::vector<int>{ui::notify::kTextChanged});
  edit.SetSelection(-1, -1);
  driver_.PressKey(*window_, ui::key::kDelete);
  EXPECT_EQ(edit.Text(), "abcd");
}

TEST_F(RichEditKeys, BackspaceAndDeleteRemoveASelectionWhole) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText("one\r\ntwo\r\nthree");
  edit.SetSelection(2, 8);
  driver_.PressKey(*window_, ui::key::kBackspace);
  EXPECT_EQ(edit.Text(), "onthree");
  EXPECT_EQ(edit.LineCount(), 1);
}

TEST_F(RichEditKeys, EnterAndBackspaceActOnTheKeyGoingDown) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText("ab");
  edit.SetSelection(1, 1);
  edit.SetMessageFilter([](ui::RichEdit&, ui::InputMessage& m) { return m.message == ui::message::kChar; });
  driver_.PressKey(*window_, ui::key::kEnter);
  EXPECT_EQ(edit.Text(), "a\r\nb");
  driver_.PressKey(*window_, ui::key::kBackspace);
  EXPECT_EQ(edit.Text(), "ab");
}

TEST_F(RichEditKeys, UpAndDownKeepTheColumnAcrossAShortLine) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText("abcdef\r\nxy\r\n123456");
  edit.SetSelection(5, 5);
  driver_.PressKey(*window_, ui::key::kDown);
  EXPECT_EQ(edit.GetSelection().first, edit.LineIndex(1) + 2);
  driver_.PressKey(*window_, ui::key::kDown);
  EXPECT_EQ(edit.GetSelection().first, edit.LineIndex(2) + 5);
  driver_.PressKey(*window_, ui::key::kDown);  // past the last line: the end of the text
  EXPECT_EQ(edit.GetSelection().first, edit.TextLength());
  edit.SetSelection(3, 3);
  driver_.PressKey(*window_, ui::key::kUp);  // past the first line: the start
  EXPECT_EQ(edit.GetSelection().first, 0);
}

TEST_F(RichEditKeys, DownAtTheLastVisibleRowScrollsOneLine) {
  RichEdit& edit = MakeRichEdit();
  ASSERT_EQ(edit.VisibleRows(), 10);
  edit.SetText(Lines(50));
  edit.SetSelection(edit.LineIndex(9), edit.LineIndex(9));
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  driver_.PressKey(*window_, ui::key::kDown);
  EXPECT_EQ(edit.LineFromChar(-1), 10);
  EXPECT_EQ(edit.FirstVisibleLine(), 1);
  driver_.PressKey(*window_, ui::key::kUp);
  EXPECT_EQ(edit.FirstVisibleLine(), 1);  // still in view: no scroll
}

TEST_F(RichEditKeys, PageDownMovesCaretAndViewByAPage) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText(Lines(50));
  edit.SetSelection(edit.LineIndex(3) + 2, edit.LineIndex(3) + 2);
  driver_.PressKey(*window_, ui::key::kPageDown);
  EXPECT_EQ(edit.FirstVisibleLine(), 10);
  EXPECT_EQ(edit.GetSelection().first, edit.LineIndex(13) + 2);
  driver_.PressKey(*window_, ui::key::kPageUp);
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  EXPECT_EQ(edit.GetSelection().first, edit.LineIndex(3) + 2);
  driver_.PressKey(*window_, ui::key::kPageUp);  // already at the top: to the start
  EXPECT_EQ(edit.GetSelection().first, 0);
}

TEST_F(RichEditKeys, HomeEndAndCtrlMoveToLineAndTextEnds) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText("one\r\ntwo\r\nthree");
  edit.SetSelection(5, 5);
  driver_.PressKey(*window_, ui::key::kEnd);
  EXPECT_EQ(edit.GetSelection().first, 7);
  driver_.PressKey(*window_, ui::key::kHome);
  EXPECT_EQ(edit.GetSelection().first, 4);
  driver_.PressCtrlKey(*window_, ui::key::kEnd);
  EXPECT_EQ(edit.GetSelection().first, edit.TextLength());
}

TEST_F(RichEditKeys, ShiftExtendsTheSelectionFromItsAnchor) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText("abc\r\ndef");
  edit.SetSelection(2, 2);
  driver_.KeyDown(*window_, ui::key::kShift);
  driver_.PressKey(*window_, ui::key::kRight);
  driver_.PressKey(*window_, ui::key::kRight);
  driver_.KeyUp(*window_, ui::key::kShift);
  EXPECT_EQ(edit.SelectedText(), "c\r");
  driver_.PressKey(*window_, ui::key::kLeft);  // collapses to the selection's start
  EXPECT_EQ(edit.GetSelection(), std::make_pair(2, 2));
}

TEST_F(RichEditKeys, TypingAndEnterStopAtTheTextLimit) {
  RichEdit& edit = MakeRichEdit();
  edit.SetTextLimit(4);
  driver_.TypeText(*window_, "abcdef");
  EXPECT_EQ(edit.Text(), "abcd");
  driver_.PressKey(*window_, ui::key::kEnter);
  EXPECT_EQ(edit.LineCount(), 1);
}

TEST_F(RichEditKeys, ControlCharactersAreNotInserted) {
  RichEdit& edit = MakeRichEdit();
  std::vector<std::pair<int, std::uintptr_t>> seen;
  edit.SetMessageFilter([&](ui::RichEdit&, ui::InputMessage& m) {
    seen.emplace_back(m.message, m.wparam);
    return false;
  });
  driver_.PressCtrlKey(*window_, 'S');
  EXPECT_EQ(edit.Text(), "");
  const std::vector<std::pair<int, std::uintptr_t>> expected{{ui::message::kKeyDown, ui::key::kControl},
                                                             {ui::message::kKeyDown, 'S'},
                                                             {ui::message::kChar, 19},
                                                             {ui::message::kKeyUp, 'S'},
                                                             {ui::message::kKeyUp, ui::key::kControl}};
  EXPECT_EQ(seen, expected);
}

TEST_F(RichEditKeys, AClickPlacesTheCaretAndTakesTheFocus) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText("PRINT x\r\nEND");
  MakeControl(ui::ControlKind::kEdit, 579);
  window_->Focus(579);
  driver_.LeftClickAt(*window_, kEdit, 10);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(10, 10));
  EXPECT_EQ(window_->FocusedControl(), kEdit);
}

TEST_F(RichEditKeys, AConsumedButtonDownNeitherMovesTheCaretNorTakesTheFocus) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText("PRINT x");
  MakeControl(ui::ControlKind::kEdit, 579);
  window_->Focus(579);
  edit.SetMessageFilter([](ui::RichEdit&, ui::InputMessage& m) { return m.message == ui::message::kLeftButtonDown; });
  driver_.LeftClickAt(*window_, kEdit, 4);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(0, 0));
  EXPECT_EQ(window_->FocusedControl(), 579);
}

TEST_F(RichEditKeys, TheWheelScrollsThreeLinesANotchWithoutMovingTheCaret) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText(Lines(50));
  driver_.Wheel(*window_, kEdit, -RichEdit::kWheelDelta);
  EXPECT_EQ(edit.FirstVisibleLine(), 3);
  driver_.Wheel(*window_, kEdit, 2 * RichEdit::kWheelDelta);
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(0, 0));
}

}  // namespace
}  // namespace headless
