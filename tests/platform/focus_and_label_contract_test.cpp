// Edits that report receiving the focus, and labels that report a click: what the colour
// window's number boxes and the settings swatches rely on.
#include "contract_fixture.h"

namespace contract {
namespace {

using FocusAndLabels = ContractTest;

constexpr ui::ControlId kBox = 30;
constexpr ui::ControlId kOtherBox = 31;
constexpr ui::ControlId kSwatch = 200;

void MakeEdit(ui::Window& window, ui::ControlId id, ui::Rect rect, bool reportsFocus) {
  ui::ControlSpec desc;
  desc.kind = ui::ControlKind::kEdit;
  desc.id = id;
  desc.rect = rect;
  desc.reportsFocus = reportsFocus;
  ASSERT_TRUE(window.CreateControl(desc));
}

TEST_F(FocusAndLabels, AnEditThatAsksReportsTheFocusOnceEachTimeItArrives) {
  MakeEdit(*window_, kBox, {10, 10, 40, 24}, true);
  MakeEdit(*window_, kOtherBox, {60, 10, 40, 24}, false);
  window_->Focus(kBox);
  window_->Focus(kBox);  // already there: no second report
  window_->Focus(kOtherBox);
  window_->Focus(kBox);
  EXPECT_EQ(NotifyCodesOf(kBox), (std::vector<int>{ui::notify::kFocused, ui::notify::kFocused}));
  EXPECT_TRUE(NotifyCodesOf(kOtherBox).empty());
}

TEST_F(FocusAndLabels, AUserClickIntoTheEditReportsTheFocus) {
  MakeEdit(*window_, kBox, {10, 10, 40, 24}, true);
  env_->Click(*window_, kBox);
  EXPECT_EQ(NotifyCodesOf(kBox), std::vector<int>{ui::notify::kFocused});
  EXPECT_EQ(window_->FocusedControl(), kBox);
}

TEST_F(FocusAndLabels, EmptyingTheEditWhenTheFocusArrivesLeavesItEmpty) {
  MakeEdit(*window_, kBox, {10, 10, 40, 24}, true);
  window_->SetText(kBox, "128");
  window_->SetHandler([this](ui::Window& window, const ui::Event& event) {
    events_.push_back(event);
    if (event.controlId == kBox && event.notifyCode == ui::notify::kFocused) window.SetText(kBox, "");
    return 0;
  });
  env_->Click(*window_, kBox);
  EXPECT_EQ(window_->GetText(kBox), "");
  env_->TypeText(*window_, kBox, "64");
  EXPECT_EQ(window_->GetText(kBox), "64");
}

TEST_F(FocusAndLabels, AClickOnALabelNotifies) {
  MakeControl(ui::ControlKind::kStatic, kSwatch, {10, 50, 22, 22});
  window_->SetColours(kSwatch, ui::Rgb(0, 0, 255), ui::Rgb(0, 0, 255));
  env_->Click(*window_, kSwatch);
  EXPECT_EQ(NotifyCodesOf(kSwatch), std::vector<int>{ui::notify::kClick});
}

}  // namespace
}  // namespace contract
