// Virtual time: sleeping, letting time pass, and the timer ticks it delivers.
#include "headless_fixture.h"

namespace headless {
namespace {

constexpr int kTimer = 880;

using VirtualClock = HeadlessTest;

std::vector<int> TimerIds(const std::vector<ui::Event>& events) {
  std::vector<int> ids;
  for (const ui::Event& e : events)
    if (e.kind == ui::MessageKind::kTimer) ids.push_back(e.commandCode);
  return ids;
}

TEST_F(VirtualClock, SleepPassesTimeWithoutTicking) {
  window_->StartTimer(kTimer, 10);
  const auto before = system_.NowMs();
  system_.Sleep(1500);
  EXPECT_EQ(system_.NowMs() - before, 1500);
  EXPECT_TRUE(TimerIds(events_).empty());
}

TEST_F(VirtualClock, AdvancingDeliversEveryDueTickInTimeOrderAcrossWindows) {
  std::vector<ui::Event> otherEvents;
  auto other = MakeWindow("Other", &otherEvents);
  std::vector<std::pair<std::string, std::int64_t>> order;
  window_->SetHandler([&](ui::Window&, const ui::Event& e) {
    if (e.kind == ui::MessageKind::kTimer) order.emplace_back("main", system_.NowMs());
    return 0;
  });
  other->SetHandler([&](ui::Window&, const ui::Event& e) {
    if (e.kind == ui::MessageKind::kTimer) order.emplace_back("other", system_.NowMs());
    return 0;
  });
  window_->StartTimer(1, 30);
  other->StartTimer(2, 20);
  driver_.AdvanceClock(65);
  const std::vector<std::pair<std::string, std::int64_t>> expected{
      {"other", 20}, {"main", 30}, {"other", 40}, {"main", 60}, {"other", 60}};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(system_.NowMs(), 65);
}

TEST_F(VirtualClock, AHandlerStoppingItsTimerEndsTheTicksAtOnce) {
  window_->SetHandler([&](ui::Window& w, const ui::Event& e) {
    events_.push_back(e);
    if (e.kind == ui::MessageKind::kTimer) w.StopTimer(e.commandCode);
    return 0;
  });
  window_->StartTimer(5, 10);
  driver_.AdvanceClock(1000);
  EXPECT_EQ(TimerIds(events_), std::vector<int>{5});
}

TEST_F(VirtualClock, ARestartedTimerCountsFromTheRestart) {
  window_->StartTimer(kTimer, 100);
  driver_.AdvanceClock(90);
  window_->StartTimer(kTimer, 100);
  driver_.AdvanceClock(90);
  EXPECT_TRUE(TimerIds(events_).empty());
  driver_.AdvanceClock(10);
  EXPECT_EQ(TimerIds(events_), std::vector<int>{kTimer});
}

TEST_F(VirtualClock, ZeroIntervalTimersTickAtTheMinimumInterval) {
  window_->StartTimer(3, 0);
  driver_.AdvanceClock(100);
  EXPECT_EQ(TimerIds(events_).size(), 100u / Window::kMinimumTimerMs);
}

TEST_F(VirtualClock, TickTimerNeedsAStartedTimer) {
  EXPECT_FALSE(driver_.TickTimer(*window_, kTimer));
  window_->StartTimer(kTimer, 10);
  EXPECT_TRUE(driver_.TickTimer(*window_, kTimer));
  EXPECT_EQ(TimerIds(events_), std::vector<int>{kTimer});
  EXPECT_EQ(system_.NowMs(), 0);
}

TEST_F(VirtualClock, PumpingAfterASleepDeliversOneMergedTick) {
  window_->StartTimer(kTimer, 10);
  system_.Sleep(50);
  system_.PumpMessages();
  EXPECT_EQ(TimerIds(events_), std::vector<int>{kTimer});
}

TEST_F(VirtualClock, AClosedWindowGetsNoMoreTicks) {
  window_->StartTimer(kTimer, 10);
  window_->Close();
  driver_.AdvanceClock(100);
  EXPECT_TRUE(TimerIds(events_).empty());
}

}  // namespace
}  // namespace headless
