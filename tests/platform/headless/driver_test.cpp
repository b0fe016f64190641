// The Driver acting as the user on the standard controls, menus and the window frame.
#include "headless_fixture.h"

namespace headless {
namespace {

using DriverActions = HeadlessTest;

constexpr int kCut = 201;
constexpr int kSelectAll = 206;
constexpr int kFindFirst = 205;
constexpr int kFindSubMenu = 204;
constexpr int kAbsentId = 999;
constexpr ui::ControlId kButton = 2312;
constexpr ui::ControlId kRadio = 583;
constexpr ui::ControlId kCombo = 2000;
constexpr ui::ControlId kListView = 2303;
constexpr ui::ControlId kTickList = 541;
constexpr ui::ControlId kEditBox = 602;

std::vector<ui::MenuItem> EditMenu() {
  ui::MenuItem find{kFindSubMenu, "Find something", 0, false, {{kFindFirst, "Find First", 0, false, {}}}};
  ui::MenuItem edit{0, "&Edit", 0, false, {{kCut, "Cut", 0, true, {}}, {kSelectAll, "Select All", 0, false, {}}, find}};
  return {edit};
}

std::vector<int> PickedIds(const std::vector<ui::Event>& events) {
  std::vector<int> ids;
  for (const ui::Event& e : events)
    if (e.kind == ui::MessageKind::kMenuPick) ids.push_back(e.menuId);
  return ids;
}

TEST_F(DriverActions, OnlyEnabledLeafItemsOfTheMenuBarCanBePicked) {
  window_->SetMenuBar(EditMenu());
  EXPECT_FALSE(driver_.PickMenuItem(*window_, kCut));   // greyed
  EXPECT_FALSE(driver_.PickMenuItem(*window_, kFindSubMenu));  // a sub-menu, not an item
  EXPECT_FALSE(driver_.PickMenuItem(*window_, kAbsentId));    // absent
  EXPECT_TRUE(driver_.PickMenuItem(*window_, kFindFirst));
  EXPECT_EQ(PickedIds(events_), std::vector<int>{kFindFirst});
}

TEST_F(DriverActions, AnAcceleratorOfAGreyedItemIsSwallowed) {
  RichEdit& edit = MakeRichEdit();
  window_->SetMenuBar(EditMenu());
  window_->SetAccelerators({{'X', true, false, false, kCut}, {'A', true, false, false, kSelectAll}});
  EXPECT_FALSE(driver_.PressAccelerator(*window_, 'X', true));
  EXPECT_TRUE(PickedIds(events_).empty());
  EXPECT_TRUE(driver_.PressAccelerator(*window_, 'a', true));
  EXPECT_EQ(PickedIds(events_), std::vector<int>{kSelectAll});
  EXPECT_EQ(edit.Text(), "");
}

TEST_F(DriverActions, AKeyWithoutAnAcceleratorReachesTheFocusedControl) {
  RichEdit& edit = MakeRichEdit();
  window_->SetAccelerators({{'A', true, false, false, kSelectAll}});
  EXPECT_FALSE(driver_.PressAccelerator(*window_, 'Q', false));
  EXPECT_EQ(edit.Text(), "q");
}

TEST_F(DriverActions, AContextMenuPickArrivesOnceAndClosesTheMenu) {
  window_->ShowContextMenu(EditMenu()[0].children, {300, 200});
  Window& headless = Headless();
  ASSERT_TRUE(headless.ContextMenu().has_value());
  EXPECT_EQ(headless.ContextMenu()->screen, (ui::Point{300, 200}));
  EXPECT_FALSE(driver_.PickContextMenuItem(*window_, kCut));  // greyed
  EXPECT_TRUE(driver_.PickContextMenuItem(*window_, kFindFirst));
  EXPECT_FALSE(headless.ContextMenu().has_value());
  EXPECT_FALSE(driver_.PickContextMenuItem(*window_, kSelectAll));
  EXPECT_EQ(PickedIds(events_), std::vector<int>{kFindFirst});
}

TEST_F(DriverActions, HiddenOrDisabledControlsCannotBeUsed) {
  MakeControl(ui::ControlKind::kPushButton, kButton);
  window_->EnableControl(kButton, false);
  EXPECT_FALSE(driver_.Click(*window_, kButton));
  window_->EnableControl(kButton, true);
  window_->ShowControl(kButton, false);
  EXPECT_FALSE(driver_.Click(*window_, kButton));
  EXPECT_FALSE(driver_.Click(*window_, kAbsentId));
  EXPECT_TRUE(NotifyCodesOf(kButton).empty());
}

TEST_F(DriverActions, HidingTheFocusedControlTakesTheFocusAway) {
  MakeControl(ui::ControlKind::kEdit, 579);
  window_->Focus(579);
  window_->ShowControl(579, false);
  EXPECT_EQ(window_->FocusedControl(), 0);
  driver_.TypeText(*window_, "lost");  // nobody has the focus: the keys go nowhere
  EXPECT_EQ(window_->GetText(579), "");
}

TEST_F(DriverActions, ARadioClickUnticksTheOtherRadios) {
  MakeControl(ui::ControlKind::kRadioButton, 885, "Exact");
  MakeControl(ui::ControlKind::kRadioButton, kRadio, "Words");
  window_->SetChecked(885, true);
  driver_.Click(*window_, kRadio);
  EXPECT_TRUE(window_->IsChecked(kRadio));
  EXPECT_FALSE(window_->IsChecked(885));
  EXPECT_EQ(NotifyCodesOf(kRadio), std::vector<int>{ui::notify::kClick});
}

TEST_F(DriverActions, PickingAComboEntryClosesTheDropDownAndShowsTheEntry) {
  MakeControl(ui::ControlKind::kComboBox, kCombo);
  window_->ListAdd(kCombo, "Main");
  window_->ListAdd(kCombo, "Draw");
  window_->DropDown(kCombo, true);
  EXPECT_FALSE(driver_.PickListEntry(*window_, kCombo, 2));
  EXPECT_TRUE(driver_.PickListEntry(*window_, kCombo, 1));
  EXPECT_FALSE(Headless().Find(kCombo)->droppedDown);
  EXPECT_EQ(window_->GetText(kCombo), "Draw");
}

TEST_F(DriverActions, ListViewClicksAndDoubleClicksReportTheRow) {
  MakeControl(ui::ControlKind::kListView, kListView);
  window_->ViewInsertRow(kListView, 0, "Main");
  window_->ViewInsertRow(kListView, 1, "Draw");
  driver_.ListViewDoubleClick(*window_, kListView, 1);
  driver_.ListViewClick(*window_, kListView, 7);  // below the rows
  std::vector<std::pair<int, int>> notes;
  for (const ui::Event& e : EventsOfKind(ui::MessageKind::kControlNotify)) notes.emplace_back(e.notifyCode, e.scrollPosition);
  const std::vector<std::pair<int, int>> expected{
      {ui::notify::kListViewClick, 1}, {ui::notify::kListViewDoubleClick, 1}, {ui::notify::kListViewClick, -1}};
  EXPECT_EQ(notes, expected);
  EXPECT_TRUE(window_->ViewSelectedRows(kListView).empty());
}

TEST_F(DriverActions, ATickBoxClickTogglesTheTick) {
  MakeControl(ui::ControlKind::kListView, kTickList);
  window_->ViewInsertRow(kTickList, 0, "Button");
  EXPECT_TRUE(driver_.ClickTickBox(*window_, kTickList, 0));
  EXPECT_TRUE(window_->ViewIsTicked(kTickList, 0));
  driver_.ClickTickBox(*window_, kTickList, 0);
  EXPECT_FALSE(window_->ViewIsTicked(kTickList, 0));
}

TEST_F(DriverActions, TypingIntoAnEditBoxGoesInAtTheCaretWhichASetTextPutsAtTheStart) {
  MakeControl(ui::ControlKind::kEdit, kEditBox);
  window_->SetText(kEditBox, "40");
  driver_.TypeText(*window_, kEditBox, "1");
  EXPECT_EQ(window_->GetText(kEditBox), "140");
  driver_.PressKey(*window_, kEditBox, ui::key::kEnd);
  driver_.PressKey(*window_, kEditBox, ui::key::kBackspace);
  EXPECT_EQ(window_->GetText(kEditBox), "14");
  EXPECT_EQ(NotifyCodesOf(kEditBox), (std::vector<int>{ui::notify::kTextChanged, ui::notify::kTextChanged,
                                                  ui::notify::kTextChanged}));
}

TEST_F(DriverActions, AScrollActionReportsCodeAndPositionAndLeavesTheThumb) {
  MakeControl(ui::ControlKind::kVerticalScrollBar, 902);
  window_->SetScrollRange(902, 0, 200);
  driver_.Scroll(*window_, 902, ui::scroll::kThumbTrack, 120);
  const auto scrolls = EventsOfKind(ui::MessageKind::kVerticalScroll);
  ASSERT_EQ(scrolls.size(), 1u);
  EXPECT_EQ(scrolls[0].commandCode, ui::scroll::kThumbTrack);
  EXPECT_EQ(scrolls[0].scrollPosition, 120);
  EXPECT_EQ(scrolls[0].controlId, 902);
  EXPECT_EQ(window_->ScrollPos(902), 0);
}

TEST_F(DriverActions, TheCloseBoxClosesAWindowWithoutAHandler) {
  ui::WindowSpec desc;
  desc.caption = "Bare";
  auto bare = system_.CreateTopLevel(desc);
  driver_.ClickCloseBox(*bare);
  EXPECT_FALSE(bare->IsOpen());
}

TEST_F(DriverActions, AClosedWindowSendsNothingAndHoldsNoControls) {
  MakeControl(ui::ControlKind::kPushButton, kButton);
  window_->Close();
  events_.clear();
  EXPECT_FALSE(driver_.Click(*window_, kButton));
  EXPECT_FALSE(window_->HasControl(kButton));
  window_->SetHandler([&](ui::Window&, const ui::Event& e) {
    events_.push_back(e);
    return 0;
  });
  EXPECT_TRUE(events_.empty());
}

TEST_F(DriverActions, AHandlerMayCloseItsWindowFromARichEditNotification) {
  RichEdit& edit = MakeRichEdit(ui::event_mask::kChange);
  window_->SetHandler([](ui::Window& w, const ui::Event& e) {
    if (e.kind == ui::MessageKind::kControlNotify) w.Close();
    return 0;
  });
  driver_.TypeText(*window_, "ab");  // the second character finds no control
  EXPECT_FALSE(window_->IsOpen());
  EXPECT_EQ(edit.Text(), "a");
}

}  // namespace
}  // namespace headless
