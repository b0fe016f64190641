// Single-line edits that filter what is typed and hold a length limit: only typing is
// held to them, never a text the program sets.
#include "contract_fixture.h"

namespace contract {
namespace {

class EditFields : public ContractTest {
 protected:
  static constexpr ui::ControlId kBox = 550;

  void MakeBox(ui::EditAccepts accepts, int maxLength = 0) {
    ui::ControlSpec desc;
    desc.kind = ui::ControlKind::kEdit;
    desc.id = kBox;
    desc.rect = {10, 10, 200, 22};
    desc.accepts = accepts;
    desc.maxLength = maxLength;
    ASSERT_TRUE(window_->CreateControl(desc));
    window_->Focus(kBox);
  }

  long Changes() const {
    const std::vector<int> codes = NotifyCodesOf(kBox);
    return std::count(codes.begin(), codes.end(), ui::notify::kTextChanged);
  }
};

TEST_F(EditFields, AWordFieldTakesOnlyLettersAtDollarUnderscoreBackspaceAndEnter) {
  MakeBox(ui::EditAccepts::kWordCharacters);
  env_->TypeText(*window_, kBox, "ab1 $c@_d-e.9Z");
  EXPECT_EQ(window_->GetText(kBox), "ab$c@_deZ");
  EXPECT_EQ(Changes(), 9) << "a refused character changes nothing and reports nothing";
  env_->PressKey(*window_, kBox, ui::key::kBackspace);
  EXPECT_EQ(window_->GetText(kBox), "ab$c@_de");
  events_.clear();
  env_->PressKey(*window_, kBox, ui::key::kEnter);
  EXPECT_EQ(NotifyCodesOf(kBox), std::vector<int>{ui::notify::kEnter});
  EXPECT_EQ(window_->GetText(kBox), "ab$c@_de");
}

TEST_F(EditFields, ARefusedCharacterLeavesASelectedTextAndTheProgramsTextIsNotFiltered) {
  MakeBox(ui::EditAccepts::kWordCharacters);
  window_->SetText(kBox, "12 + 3");
  EXPECT_EQ(window_->GetText(kBox), "12 + 3");
  window_->SelectAllText(kBox);
  env_->TypeText(*window_, kBox, "1");
  EXPECT_EQ(window_->GetText(kBox), "12 + 3");
  env_->TypeText(*window_, kBox, "x");
  EXPECT_EQ(window_->GetText(kBox), "x");
}

TEST_F(EditFields, TextSetByTheProgramTakesTypingAtItsStartOrAfterCaretToEndAtItsEnd) {
  MakeBox(ui::EditAccepts::kAnything);
  window_->SetText(kBox, "bc");
  env_->TypeText(*window_, kBox, "a");
  window_->CaretToEnd(kBox);
  env_->TypeText(*window_, kBox, "d");
  EXPECT_EQ(window_->GetText(kBox), "abcd");
}

TEST_F(EditFields, TypingStopsAtTheLengthLimitWhereASelectionStillMakesRoom) {
  MakeBox(ui::EditAccepts::kAnything, 5);
  env_->TypeText(*window_, kBox, "1 $-.67");
  EXPECT_EQ(window_->GetText(kBox), "1 $-.");
  EXPECT_EQ(Changes(), 7) << "the real control reports a change for a character refused at the limit";
  env_->PressKey(*window_, kBox, ui::key::kBackspace);
  env_->TypeText(*window_, kBox, "ab");
  EXPECT_EQ(window_->GetText(kBox), "1 $-a");
  window_->SelectAllText(kBox);
  env_->TypeText(*window_, kBox, "9");
  EXPECT_EQ(window_->GetText(kBox), "9");
}

TEST_F(EditFields, TheProgramMaySetALongerTextToWhichTypingAddsNothing) {
  MakeBox(ui::EditAccepts::kAnything, 255);
  window_->SetText(kBox, std::string(300, '7'));
  EXPECT_EQ(window_->GetText(kBox), std::string(300, '7'));
  env_->TypeText(*window_, kBox, "8");
  EXPECT_EQ(window_->GetText(kBox), std::string(300, '7'));
}

}  // namespace
}  // namespace contract
