// The editor's notice and question windows on the real window layer: the notice is a
// centred window with its title and text for its display time, and the question's Yes
// and No answer when clicked and when chosen with the arrow keys and Enter.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "base/bitmap_ids.h"
#include "platform/contract_env.h"
#include "platform/win32/message_loop.h"
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
  bool painted = false;  // nothing of it waits for a paint: the blocked thread will not paint it later
  std::string caption;
  std::string text;
  RECT rect{};
  ULONGLONG sleptMs = 0;
};

// The real system with a look at the screen whenever the editor sleeps, which is when a
// notice is up.
class WatchingSystem final : public ui::System {
 public:
  WatchingSystem(ui::System& real, std::string caption) : real_(real), caption_(std::move(caption)) {}

  std::optional<SeenNotice> seen;

  std::filesystem::path StartFolder() const override { return real_.StartFolder(); }
  std::filesystem::path DriveRoot() const override { return real_.DriveRoot(); }
  std::int64_t NowMs() const override { return real_.NowMs(); }
  ui::DateTime LocalDateTime() const override { return real_.LocalDateTime(); }
  void Sleep(int milliseconds) override {
    if (HWND notice = FindOurWindow(caption_.c_str())) {
      SeenNotice s;
      s.visible = ::IsWindowVisible(notice) != FALSE;
      s.caption = TextOf(notice);
      HWND text = ::GetDlgItem(notice, editor::kNoticeTextLabel);
      s.text = TextOf(text);
      s.painted = ::GetUpdateRect(notice, nullptr, FALSE) == FALSE && ::GetUpdateRect(text, nullptr, FALSE) == FALSE;
      ::GetWindowRect(notice, &s.rect);
      seen = s;
    }
    const ULONGLONG start = ::GetTickCount64();
    real_.Sleep(milliseconds);
    if (seen) seen->sleptMs = ::GetTickCount64() - start;
  }
  std::unique_ptr<ui::Window> CreateTopLevel(const ui::WindowSpec& desc) override { return real_.CreateTopLevel(desc); }
  void RunMessageLoop(ui::Window& main) override { real_.RunMessageLoop(main); }
  void PumpMessages() override { real_.PumpMessages(); }
  bool SetClipboardText(std::string_view text) override { return real_.SetClipboardText(text); }
  std::optional<std::string> ClipboardText() const override { return real_.ClipboardText(); }
  bool ClipboardHasText() const override { return real_.ClipboardHasText(); }
  void ClearClipboard() override { real_.ClearClipboard(); }
  std::optional<std::filesystem::path> OpenFileDialog(ui::Window& owner, const ui::FileDialogSpec& desc) override {
    return real_.OpenFileDialog(owner, desc);
  }
  std::optional<std::filesystem::path> SaveFileDialog(ui::Window& owner, const ui::FileDialogSpec& desc) override {
    return real_.SaveFileDialog(owner, desc);
  }
  std::optional<ui::FontSpec> FontDialog(ui::Window& owner, const ui::FontSpec& current) override {
    return real_.FontDialog(owner, current);
  }
  bool OpenWithShell(const std::filesystem::path& program, std::string_view arguments) override {
    return real_.OpenWithShell(program, arguments);
  }
  std::vector<std::string> InstalledFontFamilies() const override { return real_.InstalledFontFamilies(); }
  ui::Point CursorScreenPosition() const override { return real_.CursorScreenPosition(); }

 private:
  ui::System& real_;
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
  EXPECT_GE(seen.sleptMs + 20, 2500u);  // the tick count moves in steps of up to 16 ms
  EXPECT_GE(took + 20, 2500u);
  EXPECT_EQ(FindOurWindow("Sorry"), nullptr);
}

TEST_F(RealNotices, AShortNoticeTakesOneAndAHalfSeconds) {
  WatchingSystem watching(env_->System(), "Done");
  editor::Editor editor(watching);
  editor::ShowNotice(editor, editor::notice::kReindexed);
  ASSERT_TRUE(watching.seen.has_value());
  EXPECT_EQ(watching.seen->text, "File has been re-indexed");
  EXPECT_GE(watching.seen->sleptMs + 20, 1500u);
  EXPECT_LT(watching.seen->sleptMs, 2400u);
  EXPECT_EQ(FindOurWindow("Done"), nullptr);
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
