// The standard controls: lists, combo boxes, report list views, check boxes, edits.
#include "contract_fixture.h"

#include <algorithm>
#include <tuple>

namespace contract {
namespace {

using Controls = ContractTest;

constexpr ui::ControlId kCombo = 2000;
constexpr ui::ControlId kList = 300;
constexpr ui::ControlId kView = 2303;
constexpr ui::ControlId kCheck = 912;
constexpr ui::ControlId kBox = 602;
constexpr ui::ControlId kButton = 2312;
constexpr ui::ControlId kLabel = 509;
constexpr ui::ControlId kScroll = 902;

TEST_F(Controls, ComboAddInsertDeleteAndFindExact) {
  MakeControl(ui::ControlKind::kComboBox, kCombo, {10, 10, 190, 200});
  EXPECT_EQ(window_->ListAdd(kCombo, "Main"), 0);
  EXPECT_EQ(window_->ListAdd(kCombo, "Draw"), 1);
  EXPECT_EQ(window_->ListInsert(kCombo, 0, "Init"), 0);
  EXPECT_EQ(window_->ListCount(kCombo), 3);
  EXPECT_EQ(window_->ListText(kCombo, 1), "Main");
  EXPECT_EQ(window_->ListFindExact(kCombo, "draw"), 2);  // letter case ignored
  EXPECT_EQ(window_->ListFindExact(kCombo, "Dra"), -1);  // whole entries only
  window_->ListDelete(kCombo, 0);
  EXPECT_EQ(window_->ListCount(kCombo), 2);
  EXPECT_EQ(window_->ListText(kCombo, 0), "Main");
  window_->ListClear(kCombo);
  EXPECT_EQ(window_->ListCount(kCombo), 0);
}

TEST_F(Controls, ComboSelectionByCodeIsSilentAndByTheUserNotifies) {
  MakeControl(ui::ControlKind::kComboBox, kCombo, {10, 10, 190, 200});
  window_->ListAdd(kCombo, "Main");
  window_->ListAdd(kCombo, "Draw");
  EXPECT_EQ(window_->ListSelected(kCombo), -1);
  window_->ListSelect(kCombo, 1);
  EXPECT_EQ(window_->ListSelected(kCombo), 1);
  EXPECT_TRUE(NotifyCodesOf(kCombo).empty());
  env_->PickListEntry(*window_, kCombo, 0);
  EXPECT_EQ(window_->ListSelected(kCombo), 0);
  EXPECT_EQ(NotifyCodesOf(kCombo), std::vector<int>{ui::notify::kSelectionChanged});
}

TEST_F(Controls, ListBoxPickNotifiesSelectionChanged) {
  MakeControl(ui::ControlKind::kListBox, kList, {10, 10, 190, 200});
  window_->ListAdd(kList, "PRINT");
  window_->ListAdd(kList, "PRINTWINDOW");
  env_->PickListEntry(*window_, kList, 1);
  EXPECT_EQ(window_->ListSelected(kList), 1);
  EXPECT_EQ(NotifyCodesOf(kList), std::vector<int>{ui::notify::kSelectionChanged});
}

class ListViews : public ContractTest {
 protected:
  void MakeView(bool multiSelect, bool checkBoxes, bool rowClickTicks = false) {
    ui::ControlSpec desc;
    desc.rowClickTicks = rowClickTicks;
    desc.kind = ui::ControlKind::kListView;
    desc.id = kView;
    desc.rect = {10, 10, 400, 200};
    desc.multiSelect = multiSelect;
    desc.checkBoxes = checkBoxes;
    ASSERT_TRUE(window_->CreateControl(desc));
    window_->ViewAddColumn(kView, "Subroutine", 150);
    window_->ViewAddColumn(kView, "Begins", 50);
    window_->ViewAddColumn(kView, "Ends", 50);
    AddRow(0, "Main", "10", "20");
    AddRow(1, "Draw", "22", "30");
    AddRow(2, "Quit", "32", "35");
  }

  void AddRow(int row, const char* name, const char* begins, const char* ends) {
    EXPECT_EQ(window_->ViewInsertRow(kView, row, name), row);
    window_->ViewSetCell(kView, row, 1, begins);
    window_->ViewSetCell(kView, row, 2, ends);
  }
};

TEST_F(ListViews, RowsAndCells) {
  MakeView(false, false);
  EXPECT_EQ(window_->ViewColumnCount(kView), 3);
  EXPECT_EQ(window_->ViewRowCount(kView), 3);
  EXPECT_EQ(window_->ViewCell(kView, 1, 0), "Draw");
  EXPECT_EQ(window_->ViewCell(kView, 1, 2), "30");
  EXPECT_EQ(window_->ViewInsertRow(kView, 0, "Init"), 0);
  EXPECT_EQ(window_->ViewCell(kView, 1, 0), "Main");
  window_->ViewDeleteRow(kView, 0);
  EXPECT_EQ(window_->ViewCell(kView, 0, 0), "Main");
  window_->ViewClear(kView);
  EXPECT_EQ(window_->ViewRowCount(kView), 0);
}

TEST_F(ListViews, RowsAddedWithRedrawOffAreAllThereOnceItIsBackOn) {
  MakeView(false, false);
  window_->SetControlRedraw(kView, false);
  EXPECT_FALSE(window_->IsControlRedrawOn(kView));
  for (int row = 3; row < 300; ++row) AddRow(row, "Sub", "1", "2");
  window_->SetControlRedraw(kView, true);
  EXPECT_TRUE(window_->IsControlRedrawOn(kView));
  EXPECT_EQ(window_->ViewRowCount(kView), 300);
  EXPECT_EQ(window_->ViewCell(kView, 299, 2), "2");
  EXPECT_EQ(window_->ViewFindExact(kView, "quit"), 2);
}

TEST_F(ListViews, FindExactMatchesTheWholeFirstColumnIgnoringCase) {
  MakeView(false, false);
  EXPECT_EQ(window_->ViewFindExact(kView, "draw"), 1);
  EXPECT_EQ(window_->ViewFindExact(kView, "Dra"), -1);
  EXPECT_EQ(window_->ViewFindExact(kView, "22"), -1);  // second column is not searched
}

TEST_F(ListViews, TickBoxes) {
  MakeView(false, true);
  window_->ViewSetTicked(kView, 1, true);
  EXPECT_FALSE(window_->ViewIsTicked(kView, 0));
  EXPECT_TRUE(window_->ViewIsTicked(kView, 1));
  window_->ViewSetTicked(kView, 1, false);
  EXPECT_FALSE(window_->ViewIsTicked(kView, 1));
}

TEST_F(ListViews, AClickOnATickBoxTurnsThatRowsTickOverOnce) {
  MakeView(false, true);
  env_->ClickTickBox(*window_, kView, 1);
  EXPECT_TRUE(window_->ViewIsTicked(kView, 1));
  EXPECT_FALSE(window_->ViewIsTicked(kView, 0));
  env_->ClickTickBox(*window_, kView, 1);
  EXPECT_FALSE(window_->ViewIsTicked(kView, 1));
}

// The search results tick a row wherever it is clicked; a click on its box still turns
// it over once, not twice.
TEST_F(ListViews, RowClickTicksTurnsTheTickOverWhereverTheRowIsClicked) {
  MakeView(false, true, true);
  env_->PickListEntry(*window_, kView, 1);
  EXPECT_TRUE(window_->ViewIsTicked(kView, 1));
  env_->ClickTickBox(*window_, kView, 1);
  EXPECT_FALSE(window_->ViewIsTicked(kView, 1));
  env_->PickListEntry(*window_, kView, 2);
  env_->PickListEntry(*window_, kView, 2);
  EXPECT_FALSE(window_->ViewIsTicked(kView, 2));
  const std::vector<int> codes = NotifyCodesOf(kView);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), ui::notify::kListViewClick), 4);
}

TEST_F(ListViews, AColumnTitleClickNamesItsColumn) {
  MakeView(false, false);
  env_->ClickColumnTitle(*window_, kView, 2);
  env_->ClickColumnTitle(*window_, kView, 0);
  std::vector<int> columns;
  for (const ui::Event& e : events_)
    if (e.kind == ui::MessageKind::kControlNotify && e.notifyCode == ui::notify::kListViewColumnClick)
      columns.push_back(e.commandCode);
  EXPECT_EQ(columns, (std::vector<int>{2, 0}));
}

// The subroutine list keeps the caret's row selected while rows come and go above it.
TEST_F(ListViews, ASelectedRowKeepsItsSelectionWhenRowsComeAndGoAboveIt) {
  MakeView(false, false);
  window_->ViewSelect(kView, 1, true);
  window_->ViewInsertRow(kView, 0, "Init");
  EXPECT_EQ(window_->ViewSelectedRows(kView), std::vector<int>{2});
  window_->ViewInsertRow(kView, 3, "Last");
  EXPECT_EQ(window_->ViewSelectedRows(kView), std::vector<int>{2});
  window_->ViewDeleteRow(kView, 0);
  EXPECT_EQ(window_->ViewSelectedRows(kView), std::vector<int>{1});
  window_->ViewDeleteRow(kView, 1);
  EXPECT_TRUE(window_->ViewSelectedRows(kView).empty());
  window_->ViewSelect(kView, 1, true);
  window_->ViewClear(kView);
  EXPECT_TRUE(window_->ViewSelectedRows(kView).empty());
}

TEST_F(ListViews, SingleSelectionKeepsOneRow) {
  MakeView(false, false);
  window_->ViewSelect(kView, 0, true);
  window_->ViewSelect(kView, 2, true);
  EXPECT_EQ(window_->ViewSelectedRows(kView), std::vector<int>{2});
  window_->ViewSelect(kView, 2, false);
  EXPECT_TRUE(window_->ViewSelectedRows(kView).empty());
}

TEST_F(ListViews, MultipleSelectionKeepsEveryRow) {
  MakeView(true, false);
  window_->ViewSelect(kView, 0, true);
  window_->ViewSelect(kView, 2, true);
  EXPECT_EQ(window_->ViewSelectedRows(kView), (std::vector<int>{0, 2}));
}

TEST_F(ListViews, AUserClickNotifiesWithTheRow) {
  MakeView(false, false);
  env_->PickListEntry(*window_, kView, 1);
  const auto notes = EventsOfKind(ui::MessageKind::kControlNotify);
  bool clicked = false;
  for (const ui::Event& e : notes)
    if (e.controlId == kView && e.notifyCode == ui::notify::kListViewClick) {
      clicked = true;
      EXPECT_EQ(e.scrollPosition, 1);
    }
  EXPECT_TRUE(clicked);
  EXPECT_EQ(window_->ViewSelectedRows(kView), std::vector<int>{1});
}

// A handler that asks for each row's stage and colours row 1, as a list drawn per row does.
TEST_F(ListViews, CustomDrawLetsAHandlerColourOneRow) {
  namespace cd = ui::custom_draw;
  MakeView(false, false);
  constexpr ui::Colour kText = ui::Rgb(200, 0, 0);
  constexpr ui::Colour kBackground = ui::Rgb(255, 255, 0);
  window_->SetHandler([&](ui::Window&, const ui::Event& event) {
    if (event.controlId != kView || event.notifyCode != ui::notify::kCustomDraw || event.customDraw == nullptr)
      return 0;
    ui::CustomDraw& draw = *event.customDraw;
    if (draw.stage == cd::kPrePaint) return cd::kNotifyItemDraw;
    if (draw.stage == cd::kItemPrePaint && draw.row == 1) {
      draw.textColour = kText;
      draw.backgroundColour = kBackground;
      return cd::kNewFont;
    }
    return cd::kDoDefault;
  });
  const std::vector<ui::CustomDraw> drawn = env_->PaintListView(*window_, kView);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.front().stage, cd::kPrePaint);
  std::vector<int> rows;
  for (const ui::CustomDraw& draw : drawn) {
    if (draw.stage != cd::kItemPrePaint) continue;
    rows.push_back(draw.row);
    EXPECT_EQ(draw.textColour, draw.row == 1 ? std::optional(kText) : std::nullopt) << draw.row;
    EXPECT_EQ(draw.backgroundColour, draw.row == 1 ? std::optional(kBackground) : std::nullopt) << draw.row;
  }
  EXPECT_EQ(rows, (std::vector<int>{0, 1, 2}));
}

TEST_F(ListViews, CustomDrawSendsNoRowStagesUnlessAskedTo) {
  MakeView(false, false);
  const std::vector<ui::CustomDraw> drawn = env_->PaintListView(*window_, kView);
  ASSERT_FALSE(drawn.empty());
  for (const ui::CustomDraw& draw : drawn) EXPECT_EQ(draw.row, -1) << draw.stage;
  EXPECT_EQ(NotifyCodesOf(kView).size(), drawn.size()) << "each stage reaches the handler as a notification";
}

TEST_F(Controls, CheckBoxTicksByCodeSilentlyAndByAClickWithANotification) {
  MakeControl(ui::ControlKind::kCheckBox, kCheck, {10, 10, 150, 20}, "Remember places");
  EXPECT_FALSE(window_->IsChecked(kCheck));
  window_->SetChecked(kCheck, true);
  EXPECT_TRUE(window_->IsChecked(kCheck));
  EXPECT_TRUE(NotifyCodesOf(kCheck).empty());
  env_->Click(*window_, kCheck);
  EXPECT_FALSE(window_->IsChecked(kCheck));
  EXPECT_EQ(NotifyCodesOf(kCheck), std::vector<int>{ui::notify::kClick});
}

TEST_F(Controls, ButtonClickNotifies) {
  MakeControl(ui::ControlKind::kPushButton, kButton, {10, 10, 80, 25}, "Go");
  env_->Click(*window_, kButton);
  EXPECT_EQ(NotifyCodesOf(kButton), std::vector<int>{ui::notify::kClick});
}

// A control made with reportsKeys tells its handler of each key going down on it.
TEST_F(Controls, AButtonThatReportsKeysNotifiesEachKeyWithItsCode) {
  ui::ControlSpec desc;
  desc.kind = ui::ControlKind::kPushButton;
  desc.id = kButton;
  desc.rect = {10, 10, 80, 25};
  desc.text = "Yes";
  desc.reportsKeys = true;
  ASSERT_TRUE(window_->CreateControl(desc));
  for (int key : {ui::key::kLeft, ui::key::kRight, ui::key::kEnter}) env_->PressKey(*window_, kButton, key);
  std::vector<int> keys;
  for (const ui::Event& e : events_)
    if (e.kind == ui::MessageKind::kControlNotify && e.controlId == kButton) {
      EXPECT_EQ(e.notifyCode, ui::notify::kKeyDown);  // and no click: Enter on a plain button does nothing
      keys.push_back(e.commandCode);
    }
  EXPECT_EQ(keys, (std::vector<int>{ui::key::kLeft, ui::key::kRight, ui::key::kEnter}));
}

TEST_F(Controls, AButtonReportsNoKeysUnlessAskedTo) {
  MakeControl(ui::ControlKind::kPushButton, kButton, {10, 10, 80, 25}, "Go");
  env_->PressKey(*window_, kButton, ui::key::kLeft);
  env_->PressKey(*window_, kButton, ui::key::kEnter);
  EXPECT_TRUE(NotifyCodesOf(kButton).empty());
}

// What a Yes/No question does with it: the arrows move the focus between its buttons
// and Enter closes the window from inside its modal loop.
TEST_F(Controls, KeyNotificationsCanMoveTheFocusAndCloseAModalWindow) {
  constexpr ui::ControlId kYes = 4;
  constexpr ui::ControlId kNo = 8;
  ui::WindowSpec desc;
  desc.caption = "Please confirm";
  desc.rect = {100, 100, 470, 200};
  auto dialog = env_->System().CreateTopLevel(desc);
  ASSERT_NE(dialog, nullptr);
  for (auto [id, x, text] : {std::tuple{kYes, 140, "Yes"}, std::tuple{kNo, 240, "No"}}) {
    ui::ControlSpec button;
    button.kind = ui::ControlKind::kPushButton;
    button.id = id;
    button.rect = {x, 110, 80, 25};
    button.text = text;
    button.reportsKeys = true;
    ASSERT_TRUE(dialog->CreateControl(button));
  }
  ui::ControlId answer = 0;
  dialog->SetHandler([&](ui::Window& w, const ui::Event& e) {
    if (e.kind != ui::MessageKind::kControlNotify || e.notifyCode != ui::notify::kKeyDown) return 0;
    if (e.commandCode == ui::key::kLeft) w.Focus(kYes);
    if (e.commandCode == ui::key::kRight) w.Focus(kNo);
    if (e.commandCode == ui::key::kEnter) {
      answer = e.controlId;
      w.Close();
    }
    return 0;
  });
  dialog->Focus(kNo);
  std::vector<ui::ControlId> focus;
  env_->WhenModalRuns([&] {
    focus.push_back(dialog->FocusedControl());
    env_->PressKey(*dialog, kNo, ui::key::kLeft);
    focus.push_back(dialog->FocusedControl());
    env_->PressKey(*dialog, kYes, ui::key::kRight);
    focus.push_back(dialog->FocusedControl());
    env_->PressKey(*dialog, kNo, ui::key::kLeft);
    env_->PressKey(*dialog, dialog->FocusedControl(), ui::key::kEnter);
    if (dialog->IsOpen()) {  // a real modal loop has no safety net: fail rather than hang
      ADD_FAILURE() << "Enter did not close the window";
      dialog->Close();
    }
  });
  dialog->RunModal();
  EXPECT_EQ(focus, (std::vector<ui::ControlId>{kNo, kYes, kNo}));
  EXPECT_EQ(answer, kYes);
  EXPECT_FALSE(dialog->IsOpen());
}

TEST_F(Controls, EditBoxNotifiesEachChangeAndEnter) {
  MakeControl(ui::ControlKind::kEdit, kBox, {10, 10, 85, 22});
  window_->Focus(kBox);
  env_->TypeText(*window_, kBox, "12");
  EXPECT_EQ(window_->GetText(kBox), "12");
  EXPECT_EQ(NotifyCodesOf(kBox), (std::vector<int>{ui::notify::kTextChanged, ui::notify::kTextChanged}));
  events_.clear();
  env_->PressKey(*window_, kBox, ui::key::kEnter);
  EXPECT_EQ(NotifyCodesOf(kBox), std::vector<int>{ui::notify::kEnter});
  EXPECT_EQ(window_->GetText(kBox), "12");
}

TEST_F(Controls, AnEditBoxWithAllItsTextSelectedIsReplacedByTheFirstKey) {
  MakeControl(ui::ControlKind::kEdit, kBox, {10, 10, 200, 22}, "prog-31-12-2020-at-14-05.iwb");
  window_->Focus(kBox);
  window_->SelectAllText(kBox);
  env_->TypeText(*window_, kBox, "mine");
  EXPECT_EQ(window_->GetText(kBox), "mine");
  window_->SelectAllText(kBox);
  env_->PressKey(*window_, kBox, ui::key::kBackspace);
  EXPECT_EQ(window_->GetText(kBox), "");
  window_->SetText(kBox, "ab");
  window_->SelectAllText(kBox);
  env_->PressKey(*window_, kBox, ui::key::kEnd);
  env_->TypeText(*window_, kBox, "c");
  EXPECT_EQ(window_->GetText(kBox), "abc") << "a caret move ends the selection";
}

TEST_F(Controls, SettingAnEditBoxTextNotifiesTextChanged) {
  MakeControl(ui::ControlKind::kEdit, kBox, {10, 10, 85, 22});
  window_->SetText(kBox, "40");
  EXPECT_EQ(NotifyCodesOf(kBox), std::vector<int>{ui::notify::kTextChanged});
}

TEST_F(Controls, ShowEnableMoveTextAndTooltip) {
  MakeControl(ui::ControlKind::kStatic, kLabel, {35, 0, 100, 20}, " Go to line");
  EXPECT_EQ(window_->GetText(kLabel), " Go to line");
  EXPECT_TRUE(window_->IsControlVisible(kLabel));
  window_->ShowControl(kLabel, false);
  EXPECT_FALSE(window_->IsControlVisible(kLabel));
  window_->EnableControl(kLabel, false);
  EXPECT_FALSE(window_->IsControlEnabled(kLabel));
  window_->MoveControl(kLabel, {40, 5, 120, 22});
  EXPECT_EQ(window_->ControlRect(kLabel), (ui::Rect{40, 5, 120, 22}));
  window_->SetTooltip(kLabel, "Go to this line");
  EXPECT_EQ(window_->Tooltip(kLabel), "Go to this line");
  window_->SetTooltip(kLabel, "Changed");
  EXPECT_EQ(window_->Tooltip(kLabel), "Changed");
}

TEST_F(Controls, ControlsCreatedHiddenStayHidden) {
  ui::ControlSpec desc;
  desc.kind = ui::ControlKind::kListView;
  desc.id = kView;
  desc.rect = {0, 0, 270, 58};
  desc.visible = false;
  ASSERT_TRUE(window_->CreateControl(desc));
  EXPECT_FALSE(window_->IsControlVisible(kView));
  EXPECT_TRUE(window_->HasControl(kView));
  EXPECT_FALSE(window_->HasControl(4242));
}

TEST_F(Controls, ScrollBarPositionStaysInItsRange) {
  MakeControl(ui::ControlKind::kVerticalScrollBar, kScroll, {700, 10, 15, 400});
  window_->SetScrollRange(kScroll, 0, 100);
  window_->SetScrollPos(kScroll, 40);
  EXPECT_EQ(window_->ScrollPos(kScroll), 40);
  window_->SetScrollPos(kScroll, 500);
  EXPECT_EQ(window_->ScrollPos(kScroll), 100);
  window_->SetScrollPos(kScroll, -3);
  EXPECT_EQ(window_->ScrollPos(kScroll), 0);
}

TEST_F(Controls, EveryKindCanBeCreated) {
  const ui::ControlKind kinds[] = {
      ui::ControlKind::kPushButton, ui::ControlKind::kImageButton, ui::ControlKind::kCheckBox,
      ui::ControlKind::kRadioButton, ui::ControlKind::kEdit, ui::ControlKind::kListBox,
      ui::ControlKind::kComboBox, ui::ControlKind::kStatic, ui::ControlKind::kVerticalScrollBar,
      ui::ControlKind::kGroupBox, ui::ControlKind::kRichEdit, ui::ControlKind::kListView,
      ui::ControlKind::kStatusBar, ui::ControlKind::kTreeView};
  ui::ControlId id = 100;
  for (ui::ControlKind kind : kinds) {
    MakeControl(kind, id, {10, 10 + (id - 100) * 5, 100, 30}, "x");
    EXPECT_TRUE(window_->HasControl(id));
    ++id;
  }
  EXPECT_NE(window_->Edit(100 + 10), nullptr);
  EXPECT_EQ(window_->Edit(100), nullptr);
}

}  // namespace
}  // namespace contract
