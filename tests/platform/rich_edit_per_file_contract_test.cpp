// One rich edit per open file: the one on screen answers to the edit control's id, the
// others wait hidden under ids of their own, and a file's control is destroyed, never
// emptied, when its text must go.
#include "contract_fixture.h"

namespace contract {
namespace {

constexpr ui::ControlId kParkedFirst = 951;
constexpr ui::ControlId kParkedSecond = 952;

class RichEditPerFile : public ContractTest {
 protected:
  // 200 lines with line 3 coloured, scrolled to line 50, the caret on line 60.
  ui::RichEdit& MakeViewedFile() {
    ui::RichEdit& edit = MakeRichEdit(ui::event_mask::kChange);
    std::string text;
    for (int i = 1; i <= 200; ++i) text += "line " + std::to_string(i) + "\r\n";
    edit.SetText(text);
    edit.SetSelection(edit.LineIndex(2), edit.LineIndex(2) + 4);
    edit.SetSelectionColour(kRed);
    edit.SetSelection(edit.LineIndex(59), edit.LineIndex(59));
    edit.LineScroll(50 - edit.FirstVisibleLine());
    return edit;
  }

  static constexpr ui::Colour kRed = ui::Rgb(255, 0, 0);
};

TEST_F(RichEditPerFile, AHiddenFilesControlKeepsItsTextColoursCaretAndPlaceWhileAnotherIsShown) {
  const std::string text = MakeViewedFile().Text();
  const int third = window_->Edit(kEdit)->LineIndex(2);
  ASSERT_TRUE(window_->RenameControl(kEdit, kParkedFirst));
  window_->ShowControl(kParkedFirst, false);
  ui::RichEdit& other = MakeRichEdit();
  other.SetText("other file\r\n");
  EXPECT_EQ(window_->Edit(kEdit), &other);

  ASSERT_TRUE(window_->RenameControl(kEdit, kParkedSecond));
  ASSERT_TRUE(window_->RenameControl(kParkedFirst, kEdit));
  window_->ShowControl(kEdit, true);
  ui::RichEdit& back = *window_->Edit(kEdit);
  EXPECT_EQ(back.Id(), kEdit);
  EXPECT_EQ(back.Text(), text);
  EXPECT_EQ(back.ColourAt(third + 1), kRed);
  EXPECT_EQ(back.FirstVisibleLine(), 50);
  EXPECT_EQ(back.GetSelection().first, back.LineIndex(59));
  EXPECT_EQ(window_->Edit(kParkedSecond)->Text(), "other file\r\n");
}

TEST_F(RichEditPerFile, ARenamedControlReportsChangesUnderItsNewId) {
  MakeViewedFile();
  ASSERT_TRUE(window_->RenameControl(kEdit, kParkedFirst));
  events_.clear();
  window_->Focus(kParkedFirst);
  env_->TypeText(*window_, kParkedFirst, "x");
  EXPECT_FALSE(NotifyCodesOf(kParkedFirst).empty());
  EXPECT_TRUE(NotifyCodesOf(kEdit).empty());
  EXPECT_NE(window_->Edit(kParkedFirst)->Text().find("xline 60"), std::string::npos);
}

TEST_F(RichEditPerFile, ATakenIdIsRefusedAndADestroyedControlFreesItsId) {
  MakeViewedFile();
  MakeControl(ui::ControlKind::kPushButton, kParkedFirst, {700, 10, 80, 25}, "Taken");
  EXPECT_FALSE(window_->RenameControl(kEdit, kParkedFirst));
  EXPECT_FALSE(window_->RenameControl(kParkedSecond, kEdit)) << "no control has that id";
  EXPECT_NE(window_->Edit(kEdit), nullptr);

  window_->DestroyControl(kEdit);
  EXPECT_FALSE(window_->HasControl(kEdit));
  EXPECT_EQ(window_->Edit(kEdit), nullptr);
  ui::RichEdit& fresh = MakeRichEdit();
  EXPECT_EQ(fresh.Text(), "");
}

}  // namespace
}  // namespace contract
