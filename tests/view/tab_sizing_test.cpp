#include "view/tab_sizing.h"

#include <gtest/gtest.h>

#include "model/tab_table.h"
#include "platform/headless/system.h"

namespace editor {
namespace {

TEST(TabSizing, CaptionWidthSumsTheCharacterTable) {
  EXPECT_EQ(TabWidthForCaption("mm.iwb*"), 89);
  EXPECT_EQ(TabWidthForCaption(""), 20);
  EXPECT_EQ(TabWidthForCaption("W M_"), 20 + 15 + 10 + 12 + 10);
  EXPECT_EQ(TabWidthForCaption("fijlrt-"), 20 + 7 + 6 + 7 + 6 + 7 + 7 + 6);
}

class TabLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = system_.CreateTopLevel({"tabs", {0, 0, 1350, 725}});
    for (int t = 1; t <= kTabCount; ++t) {
      ui::ControlSpec button;
      button.kind = ui::ControlKind::kPushButton;
      button.id = TabButtonId(t);
      button.rect = {225 * (t - 1), 642, 225, 25};
      window_->CreateControl(button);
    }
  }
  headless::System system_{std::filesystem::temp_directory_path()};
  std::unique_ptr<ui::Window> window_;
};

TEST_F(TabLayout, TabsAreLaidSideBySideAndEmptyOnesHidden) {
  window_->SetText(TabButtonId(1), "a.iwb");
  window_->SetText(TabButtonId(2), "mm.iwb*");
  SizeTabs(*window_, true);
  const int first = TabWidthForCaption("a.iwb");
  EXPECT_EQ(window_->ControlRect(TabButtonId(1)), (ui::Rect{0, 642, first, 25}));
  EXPECT_EQ(window_->ControlRect(TabButtonId(2)), (ui::Rect{first, 642, 89, 25}));
  EXPECT_FALSE(window_->IsControlVisible(TabButtonId(3)));
}

TEST_F(TabLayout, TabsFourToSixStayPutWhileTheEditorIsHidden) {
  for (int t = 1; t <= kTabCount; ++t) window_->SetText(TabButtonId(t), "x.iwb");
  SizeTabs(*window_, false);
  EXPECT_EQ(window_->ControlRect(TabButtonId(3)).x, 2 * TabWidthForCaption("x.iwb"));
  EXPECT_EQ(window_->ControlRect(TabButtonId(4)), (ui::Rect{675, 642, 225, 25}));
  PlaceTabsFixed(*window_);
  EXPECT_EQ(window_->ControlRect(TabButtonId(2)), (ui::Rect{225, 642, 225, 25}));
}

}  // namespace
}  // namespace editor
