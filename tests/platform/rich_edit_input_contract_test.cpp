// Typing into the rich edit and the message filter that sees each key first.
#include "contract_fixture.h"

namespace contract {
namespace {

using RichEditInput = ContractTest;

constexpr ui::Colour kBlack = ui::Rgb(0, 0, 0);
constexpr ui::Colour kBlue = ui::Rgb(0, 0, 255);
constexpr ui::Colour kGreen = ui::Rgb(0, 128, 0);

TEST_F(RichEditInput, TypedTextAndEnterGoIntoTheText) {
  ui::RichEdit& edit = MakeRichEdit();
  window_->Focus(kEdit);
  env_->TypeText(*window_, kEdit, "ab");
  env_->PressKey(*window_, kEdit, ui::key::kEnter);
  env_->TypeText(*window_, kEdit, "c");
  EXPECT_EQ(edit.Text(), "ab\r\nc");
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(4, 4));
}

// The editor colours a typed line by what changed, trusting these: a typed character
// takes the colour of the one before it (at a line's start, of the one after), the caret line's start is asked without a line
// number, and the caret's place is the place of the character at it.
TEST_F(RichEditInput, ATypedCharacterTakesTheColourOfTheOneBeforeIt) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetDefaultTextColour(kBlack);
  edit.SetText("ab\r\ncd");
  edit.SetSelection(0, 1);
  edit.SetSelectionColour(kBlue);
  edit.SetSelection(1, 2);
  edit.SetSelectionColour(kGreen);
  edit.SetSelection(1, 1);
  window_->Focus(kEdit);
  env_->TypeText(*window_, kEdit, "xy");
  EXPECT_EQ(edit.Text(), "axyb\r\ncd");
  EXPECT_EQ(edit.ColourAt(1), kBlue);
  EXPECT_EQ(edit.ColourAt(2), kBlue);
  EXPECT_EQ(edit.ColourAt(3), kGreen);
  EXPECT_EQ(edit.CaretPoint(), edit.PositionFromChar(3));
  // At a line's start, the colour of the line's first character.
  edit.SetSelection(5, 6);
  edit.SetSelectionColour(kGreen);
  edit.SetSelection(5, 5);
  env_->TypeText(*window_, kEdit, "z");
  EXPECT_EQ(edit.Text(), "axyb\r\nzcd");
  EXPECT_EQ(edit.ColourAt(5), kGreen);
  edit.SetSelection(7, 7);
  EXPECT_EQ(edit.LineIndex(-1), 5);
  EXPECT_EQ(edit.CaretPoint(), edit.PositionFromChar(7));
}

TEST_F(RichEditInput, BackspaceAtALineStartJoinsTheLines) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("ab\r\ncd");
  edit.SetSelection(3, 3);
  window_->Focus(kEdit);
  env_->PressKey(*window_, kEdit, ui::key::kBackspace);
  EXPECT_EQ(edit.Text(), "abcd");
  EXPECT_EQ(edit.GetSelection(), std::make_pair(2, 2));
}

TEST_F(RichEditInput, FilterSeesKeyDownCharAndKeyUpInOrder) {
  ui::RichEdit& edit = MakeRichEdit();
  std::vector<int> seen;
  edit.SetMessageFilter([&](ui::RichEdit&, ui::InputMessage& m) {
    seen.push_back(m.message);
    return false;
  });
  window_->Focus(kEdit);
  env_->TypeText(*window_, kEdit, "x");
  EXPECT_EQ(seen, (std::vector<int>{ui::message::kKeyDown, ui::message::kChar, ui::message::kKeyUp}));
  EXPECT_EQ(edit.Text(), "x");
}

TEST_F(RichEditInput, AConsumedCharacterIsNotInserted) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetMessageFilter([](ui::RichEdit&, ui::InputMessage& m) {
    return m.message == ui::message::kChar && m.wparam == 'q';
  });
  window_->Focus(kEdit);
  env_->TypeText(*window_, kEdit, "aqb");
  EXPECT_EQ(edit.Text(), "ab");
}

// Taking a suggestion: the filter rewrites the text on Tab going down and consumes both the
// key and its character, so that no TAB reaches the text.
TEST_F(RichEditInput, AConsumedTabKeyAndItsCharacterLeaveOnlyWhatTheFilterWrote) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetMessageFilter([](ui::RichEdit& control, ui::InputMessage& m) {
    if (m.wparam != ui::key::kTab) return false;
    if (m.message == ui::message::kKeyDown) control.ReplaceSelection("Y", true);
    return m.message == ui::message::kKeyDown || m.message == ui::message::kChar;
  });
  window_->Focus(kEdit);
  env_->TypeText(*window_, kEdit, "a");
  env_->PressKey(*window_, kEdit, ui::key::kTab);
  EXPECT_EQ(edit.Text(), "aY");
  EXPECT_EQ(edit.GetSelection(), std::make_pair(2, 2));
}

TEST_F(RichEditInput, AFilterMayChangeTheMessageBeforeTheControlSeesIt) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetMessageFilter([](ui::RichEdit&, ui::InputMessage& m) {
    if (m.message == ui::message::kChar && m.wparam == 'a') m.wparam = 'b';
    return false;
  });
  window_->Focus(kEdit);
  env_->TypeText(*window_, kEdit, "aa");
  EXPECT_EQ(edit.Text(), "bb");
}

TEST_F(RichEditInput, RemovingTheFilterRestoresPlainTyping) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetMessageFilter([](ui::RichEdit&, ui::InputMessage&) { return true; });
  edit.SetMessageFilter({});
  window_->Focus(kEdit);
  env_->TypeText(*window_, kEdit, "ok");
  EXPECT_EQ(edit.Text(), "ok");
}

TEST_F(RichEditInput, ChangeNotificationsFollowTheEventMask) {
  ui::RichEdit& edit = MakeRichEdit(0);
  window_->Focus(kEdit);
  env_->TypeText(*window_, kEdit, "a");
  EXPECT_TRUE(NotifyCodesOf(kEdit).empty());
  edit.SetEventMask(ui::event_mask::kChange);
  EXPECT_EQ(edit.EventMask(), ui::event_mask::kChange);
  env_->TypeText(*window_, kEdit, "b");
  const std::vector<int> codes = NotifyCodesOf(kEdit);
  ASSERT_FALSE(codes.empty());
  for (int code : codes) EXPECT_EQ(code, ui::notify::kTextChanged);
}

// The control breaks the line on the key going down, not on its character: a filter
// that wants to stop Enter must consume the key-down.
TEST_F(RichEditInput, EnterActsOnKeyDown) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("ab");
  edit.SetSelection(1, 1);
  edit.SetMessageFilter([](ui::RichEdit&, ui::InputMessage& m) {
    return m.message == ui::message::kKeyDown && m.wparam == ui::key::kEnter;
  });
  window_->Focus(kEdit);
  env_->PressKey(*window_, kEdit, ui::key::kEnter);
  EXPECT_EQ(edit.Text(), "ab");
}

TEST_F(RichEditInput, SettingTheWholeTextNotifiesOnce) {
  ui::RichEdit& edit = MakeRichEdit(ui::event_mask::kChange);
  events_.clear();
  edit.SetText("SUB Main\r\nENDSUB");
  EXPECT_EQ(NotifyCodesOf(kEdit), std::vector<int>{ui::notify::kTextChanged});
}

}  // namespace
}  // namespace contract
