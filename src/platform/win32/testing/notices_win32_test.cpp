// The editor's notice and question windows on the real window layer: the notice is a
// centred window with its title and text, drawn while it waits out its display time and
// letting no key through; the question's Yes and No answer when clicked and when chosen
// with the arrow keys and Enter.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "base/bitmap_ids.h"
#include "platform/contract_env.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/testing/forwarding_system.h"
#include "platform/win32/testing/window_search.h"
#include "platform/win32/window.h"
#include "state/editor.h"
#include "view/notices.h"

namespace {

using win32::testing::FindOurWindow;
using win32::testing::TextOf;

// What the screen showed while a notice was waiting out its time.
struct SeenNotice {
  bool visible = false;
  // Nothing of it was left waiting for a paint at the end of its wait, though the
  // screen had asked for all of it again at the start.
  bool painted = false;
  std::string caption;
  std::string text;
  RECT rect{};
  ULONGLONG waitedMs = 0;
};

// The real system with a look at the screen whenever a notice waits out its time. At the
// start of the wait the whole notice is invalidated, as a window manager's late expose
// leaves it, and the test's own step runs; at the end, before the notice closes, another.
class WatchingSystem final : public win32::testing::ForwardingSystem {
 public:
  WatchingSystem(ui::System& real, std::string caption) : ForwardingSystem(real), caption_(std::move(caption)) {}

  std::optional<SeenNotice> seen;
  std::function<void()> atStart;
  std::function<void()> atEnd;

  void WaitPainted(ui::Window& window, int milliseconds) override {
    HWND notice = FindOurWindow(caption_.c_str());
    if (notice == nullptr) return Real().WaitPainted(window, milliseconds);
    SeenNotice s;
    s.visible = ::IsWindowVisible(notice) != FALSE;
    s.caption = TextOf(notice);
    HWND text = ::GetDlgItem(notice, editor::kNoticeTextLabel);
    s.text = TextOf(text);
    ::GetWindowRect(notice, &s.rect);
    ::RedrawWindow(notice, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (atStart) atStart();
    const ULONGLONG start = ::GetTickCount64();
    Real().WaitPainted(window, milliseconds);
    s.waitedMs = ::GetTickCount64() - start;
    s.painted = ::GetUpdateRect(notice, nullptr, FALSE) == FALSE && ::GetUpdateRect(text, nullptr, FALSE) == FALSE;
    if (atEnd) atEnd();
    seen = s;
  }

 private:
  std::string caption_;
};

RECT WorkArea() {
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

class RealNotices : public ::testing::Test {
 protected:
  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  editor::Editor editor_{env_->System()};

  // Runs the action inside the question's modal loop, on the question window. A
  // question the action left open fails the test and is closed, so that the real loop,
  // which has no safety net, cannot hang the run.
  void WhenAsked(std::function<void(win32::Window&)> action) {
    env_->WhenModalRuns([action = std::move(action)] {
      HWND question = FindOurWindow("Please confirm");
      ASSERT_NE(question, nullptr);
      action(*win32::Window::FromHandle(question));
      if (win32::Window* left = win32::Window::FromHandle(question)) {
        ADD_FAILURE() << "the question is still open after the user's answer";
        left->Close();
      }
    });
  }

  // A key as the keyboard gives it: posted to the control with the focus and taken from
  // the queue by the question's own loop.
  static void PressKeyOnFocus(int virtualKey) {
    HWND focus = ::GetFocus();
    ASSERT_NE(focus, nullptr);
    ::PostMessageA(focus, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    ::PostMessageA(focus, WM_KEYUP, static_cast<WPARAM>(virtualKey), static_cast<LPARAM>(0xC0000001u));
    win32::PumpWaitingMessages();
  }
};

TEST_F(RealNotices, ANoticeIsCentredWithItsTitleAndTextAndGoneAfterItsTime) {
  WatchingSystem watching(env_->System(), "Sorry");
  editor::Editor editor(watching);
  const ULONGLONG start = ::GetTickCount64();
  editor::ShowNotice(editor, editor::notice::kAllTabsTaken);
  const ULONGLONG took = ::GetTickCount64() - start;

  ASSERT_TRUE(watching.seen.has_value()) << "no notice was on the screen while the editor waited";
  const SeenNotice& seen = *watching.seen;
  EXPECT_TRUE(seen.visible);
  EXPECT_TRUE(seen.painted);
  EXPECT_EQ(seen.caption, "Sorry");
  EXPECT_EQ(seen.text, "All tabs are taken, please close one first.");
  EXPECT_EQ(seen.rect.right - seen.rect.left, 470);
  EXPECT_EQ(seen.rect.bottom - seen.rect.top, 200);
  const RECT work = WorkArea();
  EXPECT_NEAR(seen.rect.left, work.left + (work.right - work.left - 470) / 2, 1);
  EXPECT_NEAR(seen.rect.top, work.top + (work.bottom - work.top - 200) / 2, 1);
  EXPECT_GE(seen.waitedMs + 20, 2500u);  // the tick count moves in steps of up to 16 ms
  EXPECT_GE(took + 20, 2500u);
  EXPECT_EQ(FindOurWindow("Sorry"), nullptr);
}

TEST_F(RealNotices, AShortNoticeTakesOneAndAHalfSeconds) {
  WatchingSystem watching(env_->System(), "Done");
  editor::Editor editor(watching);
  editor::ShowNotice(editor, editor::notice::kReindexed);
  ASSERT_TRUE(watching.seen.has_value());
  EXPECT_EQ(watching.seen->text, "File has been re-indexed");
  EXPECT_GE(watching.seen->waitedMs + 20, 1500u);
  EXPECT_LT(watching.seen->waitedMs, 2400u);
  EXPECT_EQ(FindOurWindow("Done"), nullptr);
}

TEST_F(RealNotices, AKeyPressedWhileANoticeWaitsReachesTheMainWindowOnlyAfterItCloses) {
  constexpr ui::ControlId kTyped = 10;
  std::unique_ptr<ui::Window> main = env_->System().CreateTopLevel({"Main", {0, 0, 400, 300}});
  ASSERT_TRUE(main);
  ui::ControlSpec box;
  box.kind = ui::ControlKind::kEdit;
  box.id = kTyped;
  box.rect = {10, 10, 200, 24};
  box.reportsKeys = true;
  ASSERT_TRUE(main->CreateControl(box));
  std::vector<int> keys;
  main->SetHandler([&keys](ui::Window&, const ui::Event& event) {
    if (event.kind == ui::MessageKind::kControlNotify && event.notifyCode == ui::notify::kKeyDown)
      keys.push_back(event.commandCode);
    return 0;
  });
  main->Focus(kTyped);
  HWND typed = dynamic_cast<win32::Window&>(*main).ControlHandle(kTyped);

  WatchingSystem watching(env_->System(), "Done");
  watching.atStart = [typed] {
    // As the keyboard queues it; the loop's translation makes its character.
    ::PostMessageA(typed, WM_KEYDOWN, 'X', 1);
    ::PostMessageA(typed, WM_KEYUP, 'X', static_cast<LPARAM>(0xC0000001u));
  };
  std::size_t keysDuringWait = 0;
  std::string textDuringWait;
  watching.atEnd = [&] {
    keysDuringWait = keys.size();
    textDuringWait = main->GetText(kTyped);
  };
  editor::Editor editor(watching);
  editor::ShowNotice(editor, editor::notice::kReindexed);

  ASSERT_TRUE(watching.seen.has_value());
  EXPECT_TRUE(watching.seen->painted);
  EXPECT_EQ(keysDuringWait, 0u);
  EXPECT_EQ(textDuringWait, "");
  win32::PumpWaitingMessages();
  EXPECT_EQ(keys, std::vector<int>{'X'});
  EXPECT_EQ(main->GetText(kTyped), "x");
}

TEST_F(RealNotices, AQuestionShowsItsLinesAndAnswersYesWhenYesIsClicked) {
  std::string line1, line2;
  ui::ControlId focused = 0;
  WhenAsked([&](win32::Window& question) {
    line1 = question.GetText(editor::kQuestionLine1);
    line2 = question.GetText(editor::kQuestionLine2);
    focused = question.FocusedControl();
    env_->Click(question, editor::kYesButton);
  });
  EXPECT_TRUE(editor::AskConfirm(editor_, editor::question::kDeleteSubroutine,
                                 {.listEntry = "DrawBoard", .saveCaption = std::nullopt}));
  EXPECT_EQ(line1, "Are you sure you want to delete the subroutine");
  EXPECT_EQ(line2, "DrawBoard?");
  EXPECT_EQ(focused, editor::kNoButton);
  EXPECT_EQ(FindOurWindow("Please confirm"), nullptr);
}

TEST_F(RealNotices, AQuestionAnswersNoWhenNoIsClicked) {
  WhenAsked([&](win32::Window& question) { env_->Click(question, editor::kNoButton); });
  EXPECT_FALSE(editor::AskConfirm(editor_, editor::question::kReload));
}

TEST_F(RealNotices, AQuestionClosedWithItsCloseBoxAnswersNo) {
  WhenAsked([&](win32::Window& question) { env_->ClickCloseBox(question); });
  EXPECT_FALSE(editor::AskSaveChanges(editor_, "prog.iwb*"));
}

TEST_F(RealNotices, LeftThenEnterAnswersYes) {
  std::vector<ui::ControlId> focus;
  WhenAsked([&](win32::Window& question) {
    focus.push_back(question.FocusedControl());
    PressKeyOnFocus(VK_LEFT);
    focus.push_back(question.FocusedControl());
    PressKeyOnFocus(VK_RETURN);
  });
  EXPECT_TRUE(editor::AskConfirm(editor_, editor::question::kReload));
  EXPECT_EQ(focus, (std::vector<ui::ControlId>{editor::kNoButton, editor::kYesButton}));
}

TEST_F(RealNotices, InSaveModeRightThenEnterAnswersNo) {
  std::vector<ui::ControlId> focus;
  std::string line2;
  WhenAsked([&](win32::Window& question) {
    line2 = question.GetText(editor::kQuestionLine2);
    focus.push_back(question.FocusedControl());
    PressKeyOnFocus(VK_RIGHT);
    focus.push_back(question.FocusedControl());
    PressKeyOnFocus(VK_RETURN);
  });
  EXPECT_FALSE(editor::AskSaveChanges(editor_, "prog.iwb*"));
  EXPECT_EQ(line2, "prog.iwb");
  EXPECT_EQ(focus, (std::vector<ui::ControlId>{editor::kYesButton, editor::kNoButton}));
}

TEST_F(RealNotices, TheArrowsThenAClickOnTheFocusedButton) {
  WhenAsked([&](win32::Window& question) {
    PressKeyOnFocus(VK_LEFT);
    PressKeyOnFocus(VK_RIGHT);
    PressKeyOnFocus(VK_LEFT);
    env_->Click(question, question.FocusedControl());
  });
  EXPECT_TRUE(editor::AskConfirm(editor_, editor::question::kReload));
}

}  // namespace
