// Scripted modal windows and the safety net that keeps an unscripted one from hanging a test.
#include "headless_fixture.h"

namespace headless {
namespace {

using ModalScripts = HeadlessTest;

constexpr ui::ControlId kYes = 1;
constexpr ui::ControlId kOpenButton = 2301;
constexpr int kNoticeTimer = 7;
constexpr int kMainTimer = 880;
constexpr int kResetItem = 77;

// A question window that answers with the id of the button clicked; it ignores the
// close box when stubborn.
std::unique_ptr<ui::Window> MakeQuestion(ui::System& system, int& answer, bool stubborn = false) {
  ui::WindowSpec desc;
  desc.caption = "Please confirm";
  auto question = system.CreateTopLevel(desc);
  ui::ControlSpec yes;
  yes.kind = ui::ControlKind::kPushButton;
  yes.id = kYes;
  yes.text = "Yes";
  question->CreateControl(yes);
  question->SetHandler([&answer, stubborn](ui::Window& w, const ui::Event& e) {
    if (e.kind == ui::MessageKind::kControlNotify) {
      answer = e.controlId;
      w.Close();
    }
    if (e.kind == ui::MessageKind::kCloseRequested && !stubborn) w.Close();
    return 0;
  });
  return question;
}

TEST_F(ModalScripts, EachScriptAnswersOneLoopOfItsCaption) {
  driver_.WhenWindowOpens("Somewhere else", [](ui::Window&) { FAIL() << "ran for the wrong caption"; });
  driver_.WhenWindowOpens("Please confirm", [&](ui::Window& w) { driver_.Click(w, kYes); });
  int first = 0;
  MakeQuestion(system_, first)->RunModal();
  EXPECT_EQ(first, kYes);

  int second = 0;
  MakeQuestion(system_, second)->RunModal();  // nobody scripted this one: the close box answers
  EXPECT_EQ(second, 0);
  EXPECT_TRUE(driver_.UnansweredWindows().empty());
  EXPECT_EQ(driver_.LoopsRun(), (std::vector<std::string>{"Please confirm", "Please confirm"}));
}

TEST_F(ModalScripts, AWindowThatIgnoresTheCloseBoxIsClosedAndReported) {
  int answer = 0;
  auto question = MakeQuestion(system_, answer, true);
  question->RunModal();
  EXPECT_FALSE(question->IsOpen());
  EXPECT_EQ(driver_.UnansweredWindows(), std::vector<std::string>{"Please confirm"});
}

TEST_F(ModalScripts, ANoticeThatClosesOnItsOwnTimerTakesOnlyItsVirtualTime) {
  ui::WindowSpec desc;
  desc.caption = "Saved";
  auto notice = system_.CreateTopLevel(desc);
  notice->SetHandler([](ui::Window& w, const ui::Event& e) {
    if (e.kind == ui::MessageKind::kCreated) w.StartTimer(kNoticeTimer, 1500);
    if (e.kind == ui::MessageKind::kTimer) w.Close();
    return 0;  // ignores the close box: only its timer closes it
  });
  window_->StartTimer(kMainTimer, 100);
  notice->RunModal();
  EXPECT_FALSE(notice->IsOpen());
  EXPECT_EQ(system_.NowMs(), 1500);
  EXPECT_EQ(EventsOfKind(ui::MessageKind::kTimer).size(), 15u);  // the main window kept ticking
  EXPECT_TRUE(driver_.UnansweredWindows().empty());
}

TEST_F(ModalScripts, NestedModalLoopsRunTheirOwnScripts) {
  int inner = 0;
  ui::WindowSpec desc;
  desc.caption = "Settings";
  auto settings = system_.CreateTopLevel(desc);
  settings->SetHandler([&](ui::Window& w, const ui::Event& e) {
    if (e.kind == ui::MessageKind::kMenuPick) MakeQuestion(system_, inner)->RunModal();
    if (e.kind == ui::MessageKind::kCloseRequested) w.Close();
    return 0;
  });
  settings->SetMenuBar({{0, "&File", 0, false, {{kResetItem, "Reset", 0, false, {}}}}});
  driver_.WhenWindowOpens("Settings", [&](ui::Window& w) {
    driver_.PickMenuItem(w, kResetItem);
    driver_.ClickCloseBox(w);
  });
  driver_.WhenWindowOpens("Please confirm", [&](ui::Window& w) { driver_.Click(w, kYes); });
  settings->RunModal();
  EXPECT_EQ(inner, kYes);
  EXPECT_FALSE(settings->IsOpen());
}

TEST_F(ModalScripts, TheMainLoopRunsItsScriptThenAsksTheWindowToClose) {
  MakeControl(ui::ControlKind::kPushButton, kOpenButton);
  driver_.WhenModalRuns([](ui::Window&) { FAIL() << "a modal-only script ran for the main loop"; });
  driver_.WhenWindowOpens("Main", [&](ui::Window& w) { driver_.Click(w, kOpenButton); });
  system_.RunMessageLoop(*window_);
  EXPECT_EQ(NotifyCodesOf(kOpenButton), std::vector<int>{ui::notify::kClick});
  EXPECT_FALSE(EventsOfKind(ui::MessageKind::kCloseRequested).empty());
  EXPECT_FALSE(window_->IsOpen());
}

TEST_F(ModalScripts, PumpingRunsOneQueuedActionPerPump) {
  std::vector<int> ran;
  driver_.WhenMessagesPumped([&] { ran.push_back(1); });
  driver_.WhenMessagesPumped([&] { ran.push_back(2); });
  system_.PumpMessages();
  EXPECT_EQ(ran, std::vector<int>{1});
  system_.PumpMessages();
  system_.PumpMessages();
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace headless
