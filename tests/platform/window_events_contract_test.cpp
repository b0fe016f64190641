// Window-level events: creation, menus, accelerators, timers, closing and modal loops.
#include "contract_fixture.h"

namespace contract {
namespace {

class WindowEvents : public ContractTest {
 protected:
  // A "Please confirm" window holding one push button; nullptr when either fails.
  std::unique_ptr<ui::Window> MakeDialogWithButton(ui::ControlId buttonId, const char* caption) {
    ui::WindowSpec desc;
    desc.caption = "Please confirm";
    desc.rect = {100, 100, 300, 200};
    auto dialog = env_->System().CreateTopLevel(desc);
    ui::ControlSpec button;
    button.kind = ui::ControlKind::kPushButton;
    button.id = buttonId;
    button.rect = {10, 10, 80, 25};
    button.text = caption;
    if (!dialog || !dialog->CreateControl(button)) return nullptr;
    return dialog;
  }
};

constexpr int kNewFile = 209;
constexpr int kOpenFile = 210;
constexpr int kSelectAll = 206;
constexpr int kFindNext = 205;
constexpr ui::ControlId kDialogButton = 7;

std::vector<ui::MenuItem> FileMenu() {
  ui::MenuItem file{0, "&File", 0, false, {}};
  file.children.push_back({kNewFile, "New file", 0, false, {}});
  file.children.push_back(ui::MenuItem::Separator());
  file.children.push_back({kOpenFile, "Open file", 0, true, {}});
  ui::MenuItem edit{0, "&Edit", 0, false, {}};
  edit.children.push_back({kSelectAll, "Select All\tCtrl + A", 0, false, {}});
  return {file, edit};
}

TEST_F(WindowEvents, SettingTheHandlerDeliversCreated) {
  const auto created = EventsOfKind(ui::MessageKind::kCreated);
  EXPECT_EQ(created.size(), 1u);
}

TEST_F(WindowEvents, CaptionAndRect) {
  window_->SetCaption("Please open a file ");
  EXPECT_EQ(window_->Caption(), "Please open a file ");
  EXPECT_EQ(window_->GetRect().width, 900);
  EXPECT_EQ(window_->GetRect().height, 600);
}

TEST_F(WindowEvents, MenuPickCarriesTheIdTwice) {
  window_->SetMenuBar(FileMenu());
  env_->PickMenuItem(*window_, kNewFile);
  const auto picks = EventsOfKind(ui::MessageKind::kMenuPick);
  ASSERT_EQ(picks.size(), 1u);
  EXPECT_EQ(picks[0].menuId, kNewFile);
  EXPECT_EQ(picks[0].commandCode, kNewFile);
}

TEST_F(WindowEvents, GreyedItemsCanBeEnabled) {
  window_->SetMenuBar(FileMenu());
  EXPECT_TRUE(window_->IsMenuItemEnabled(kNewFile));
  EXPECT_FALSE(window_->IsMenuItemEnabled(kOpenFile));
  window_->EnableMenuItem(kOpenFile, true);
  EXPECT_TRUE(window_->IsMenuItemEnabled(kOpenFile));
  window_->EnableMenuItem(kNewFile, false);
  EXPECT_FALSE(window_->IsMenuItemEnabled(kNewFile));
}

TEST_F(WindowEvents, AcceleratorArrivesAsAMenuPick) {
  window_->SetMenuBar(FileMenu());
  window_->SetAccelerators({{'A', true, false, false, kSelectAll}, {'F', true, false, false, kFindNext}});
  env_->PressAccelerator(*window_, 'A', true);
  const auto picks = EventsOfKind(ui::MessageKind::kMenuPick);
  ASSERT_EQ(picks.size(), 1u);
  EXPECT_EQ(picks[0].menuId, kSelectAll);
}

TEST_F(WindowEvents, AcceleratorOfAGreyedItemPicksNothing) {
  window_->SetMenuBar(FileMenu());
  window_->SetAccelerators({{'O', true, false, false, kOpenFile}});
  env_->PressAccelerator(*window_, 'O', true);
  EXPECT_TRUE(EventsOfKind(ui::MessageKind::kMenuPick).empty());
}

TEST_F(WindowEvents, TimerTicksUntilStopped) {
  window_->StartTimer(880, 10);
  env_->Wait(200);
  const auto ticks = EventsOfKind(ui::MessageKind::kTimer);
  ASSERT_FALSE(ticks.empty());
  for (const ui::Event& e : ticks) EXPECT_EQ(e.commandCode, 880);
  window_->StopTimer(880);
  events_.clear();
  env_->Wait(100);
  EXPECT_TRUE(EventsOfKind(ui::MessageKind::kTimer).empty());
}

TEST_F(WindowEvents, AWaitWhileAWindowIsDrawnLetsNoTimerTickUntilItIsOver) {
  window_->StartTimer(880, 10);
  ui::WindowSpec desc;
  desc.caption = "Done";
  desc.rect = {0, 0, 470, 200};
  auto notice = env_->System().CreateTopLevel(desc);
  ASSERT_NE(notice, nullptr);
  const auto before = env_->System().NowMs();
  env_->System().WaitPainted(*notice, 100);
  EXPECT_GE(env_->System().NowMs() - before + 16, 100);  // the real clock moves in steps of up to 16 ms
  EXPECT_TRUE(EventsOfKind(ui::MessageKind::kTimer).empty());
  env_->Wait(50);
  EXPECT_FALSE(EventsOfKind(ui::MessageKind::kTimer).empty());
  window_->StopTimer(880);
}

TEST_F(WindowEvents, CloseBoxAsksTheHandler) {
  bool closeRequested = false;
  window_->SetHandler([&](ui::Window&, const ui::Event& e) {
    if (e.kind == ui::MessageKind::kCloseRequested) closeRequested = true;  // and stays open
    return 0;
  });
  env_->ClickCloseBox(*window_);
  EXPECT_TRUE(closeRequested);
  EXPECT_TRUE(window_->IsOpen());
  window_->Close();
  EXPECT_FALSE(window_->IsOpen());
}

TEST_F(WindowEvents, ModalLoopReturnsWhenItsWindowCloses) {
  auto dialog = MakeDialogWithButton(1, "Yes");
  ASSERT_NE(dialog, nullptr);
  std::vector<ui::MessageKind> seen;
  dialog->SetHandler([&](ui::Window& w, const ui::Event& e) {
    seen.push_back(e.kind);
    if (e.kind == ui::MessageKind::kCloseRequested) w.Close();
    return 0;
  });
  bool ranInsideLoop = false;
  env_->WhenModalRuns([&] {
    ranInsideLoop = true;
    env_->ClickCloseBox(*dialog);
  });
  dialog->RunModal();
  EXPECT_TRUE(ranInsideLoop);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_NE(std::find(seen.begin(), seen.end(), ui::MessageKind::kCloseRequested), seen.end());
}

TEST_F(WindowEvents, ModalWindowButtonsWorkInsideTheLoop) {
  auto dialog = MakeDialogWithButton(7, "No");
  ASSERT_NE(dialog, nullptr);
  int answer = 0;
  dialog->SetHandler([&](ui::Window& w, const ui::Event& e) {
    if (e.kind == ui::MessageKind::kControlNotify && e.notifyCode == ui::notify::kClick) {
      answer = e.controlId;
      w.Close();
    }
    return 0;
  });
  env_->WhenModalRuns([&] { env_->Click(*dialog, kDialogButton); });
  dialog->RunModal();
  EXPECT_EQ(answer, kDialogButton);
}

TEST_F(WindowEvents, ClipboardHoldsPlainText) {
  ui::System& system = env_->System();
  ASSERT_TRUE(system.SetClipboardText("PRINT \"hi\"\r\nEND"));
  EXPECT_TRUE(system.ClipboardHasText());
  EXPECT_EQ(system.ClipboardText().value_or(""), "PRINT \"hi\"\r\nEND");
  system.ClearClipboard();
  EXPECT_FALSE(system.ClipboardHasText());
}

}  // namespace
}  // namespace contract
