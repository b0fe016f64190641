// Request counting: what the editor asks of the rich edit is tallied per kind, while
// the user's own typing and the control's own key handling cost nothing.
#include "headless_fixture.h"

namespace headless {
namespace {

using RequestCounting = HeadlessTest;

TEST_F(RequestCounting, EachRequestCountsOnceUnderItsKind) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText(Lines(20));
  for (int line = 0; line < 20; ++line) edit.GetLine(line, 512);
  edit.LineIndex(3);
  edit.Text();
  EXPECT_EQ(edit.Count(Request::kGetLine), 20);
  EXPECT_EQ(edit.Count(Request::kLineIndex), 1);
  EXPECT_EQ(edit.Count(Request::kText), 1);
  EXPECT_EQ(edit.Count(Request::kSetText), 1);
  EXPECT_EQ(edit.Counts().LineRequests(), 21);
  edit.ResetCounts();
  EXPECT_EQ(edit.Counts().Total(), 0);
}

TEST_F(RequestCounting, UserInputAndDefaultKeyHandlingMakeNoRequests) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText(Lines(50));
  edit.ResetCounts();
  driver_.TypeText(*window_, "PRINT 1\r");
  driver_.PressKey(*window_, ui::key::kPageDown);
  driver_.PressKey(*window_, ui::key::kUp);
  driver_.LeftClickAt(*window_, kEdit, 30);
  driver_.Wheel(*window_, kEdit, -RichEdit::kWheelDelta);
  EXPECT_EQ(edit.Counts().Total(), 0);
}

TEST_F(RequestCounting, AFilterAskingTheControlIsCounted) {
  RichEdit& edit = MakeRichEdit();
  edit.SetMessageFilter([](ui::RichEdit& e, ui::InputMessage& m) {
    if (m.message == ui::message::kKeyUp) e.GetLine(e.LineFromChar(-1), 512);
    return false;
  });
  driver_.TypeText(*window_, "ab");
  EXPECT_EQ(edit.Count(Request::kGetLine), 2);
  EXPECT_EQ(edit.Count(Request::kLineFromChar), 2);
}

}  // namespace
}  // namespace headless
