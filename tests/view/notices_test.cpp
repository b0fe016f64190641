// The editor's notice and question windows as a user meets them: what each shows, for
// how long on the virtual clock, and how a question is answered.
#include <gtest/gtest.h>

#include <set>

#include "base/bitmap_ids.h"
#include "platform/headless/desktop.h"
#include "scenarios/editor_fixture.h"
#include "view/notices.h"

namespace editor {
namespace {

constexpr ui::Colour kWhite = ui::Rgb(255, 255, 255);
const ui::FontSpec kArial12{"Arial", 12};

class Notices : public EditorTest {
 protected:
  // The window that closed last; fails the test when none has.
  const headless::ClosedWindow& LastClosed() {
    const auto& closed = driver_.ClosedWindows();
    if (closed.empty()) {
      ADD_FAILURE() << "no window has closed";
      static const headless::ClosedWindow none;
      return none;
    }
    return closed.back();
  }

  std::size_t ClosedCount() const { return driver_.ClosedWindows().size(); }

  // Runs the action on the next question, then answers it by whatever the action does.
  void WhenAsked(std::function<void(ui::Window&)> action) {
    driver_.WhenWindowOpens(std::string(kQuestionCaption), std::move(action));
  }

  static ui::Rect Centred(int width, int height) {
    return {headless::kScreen.x + (headless::kScreen.width - width) / 2,
            headless::kScreen.y + (headless::kScreen.height - height) / 2, width, height};
  }
};

// The tables.

TEST(NoticeTable, CodesAreUniqueAndTheSorryNoticesStayLonger) {
  std::set<int> codes;
  for (const NoticeEntry& entry : NoticeTable()) {
    EXPECT_TRUE(codes.insert(entry.code).second) << entry.code;
    const bool sorry = entry.code == notice::kFileGone || entry.code == notice::kAllTabsTaken ||
                       entry.code == notice::kAllBlocksTaken;
    EXPECT_EQ(entry.displayMs, sorry ? 2500 : 1500) << entry.code;
    EXPECT_EQ(entry.title == "Sorry", sorry) << entry.code;
    EXPECT_TRUE(entry.iconId == kIconWarning || entry.iconId == kIconDone) << entry.code;
  }
  EXPECT_EQ(codes.size(), 21u + 3u + 3u + 3u + 3u + 1u + 2u + 2u + 3u + 3u + 2u + 1u + 1u + 2u)
      << "the table's codes, three of the state file, three of reading and three of writing source files, "
         "three of the lists' commands, all code blocks taken, two of what is not installed, two of "
         "transposing lines, three of snippet files, three of include files, two of the reset to "
         "first-time use, one of the control groups, one of the preference file and two of the lists "
         "kept in Res";
  EXPECT_EQ(FindNotice(7), nullptr);
}

TEST(NoticeTable, DoneNoticesCarryTheDoneIconAndTheOthersTheWarning) {
  for (const NoticeEntry& entry : NoticeTable()) {
    const bool done = entry.title == "Done";
    EXPECT_EQ(entry.iconId, done ? kIconDone : kIconWarning) << entry.code;
  }
}

TEST(NoticeTable, QuestionsOfTheListsTakeTheirSecondLineFromTheList) {
  std::set<int> fromList;
  for (const QuestionEntry& entry : QuestionTable())
    if (entry.line2FromList) fromList.insert(entry.code);
  EXPECT_EQ(fromList, (std::set<int>{2, 4, 68}));
  EXPECT_EQ(FindQuestion(5), nullptr);
}

// Notices.

TEST_F(Notices, ANoticeShowsItsTitleAndTextCentredForItsTime) {
  const std::int64_t before = system_.NowMs();
  ShowNotice(editor_, notice::kReindexed);
  ASSERT_EQ(ClosedCount(), 1u);
  const headless::ClosedWindow& shown = LastClosed();
  EXPECT_EQ(shown.caption, "Done");
  EXPECT_EQ(shown.TextOf(kNoticeTextLabel), "File has been re-indexed");
  EXPECT_EQ(shown.OpenMs(), 1500);
  EXPECT_EQ(system_.NowMs() - before, 1500);
  EXPECT_EQ(shown.iconId, kIconDone);
  EXPECT_EQ(shown.rect, Centred(470, 200));
  EXPECT_EQ(shown.background, editor_.prefs.windowBackground);
  const headless::ClosedControl& text = shown.controls.at(kNoticeTextLabel);
  EXPECT_EQ(text.kind, ui::ControlKind::kStatic);
  EXPECT_EQ(text.rect, (ui::Rect{0, 65, 470, 25}));
  EXPECT_EQ(text.font, kArial12);
  ASSERT_TRUE(text.colours.has_value());
  EXPECT_EQ(text.colours->first, editor_.prefs.windowText);
  EXPECT_EQ(text.colours->second, editor_.prefs.windowBackground);
}

TEST_F(Notices, EveryNoticeOfTheTableShowsWithItsTitleTextAndIcon) {
  for (const NoticeEntry& entry : NoticeTable()) {
    ShowNotice(editor_, entry.code);
    const headless::ClosedWindow& shown = LastClosed();
    EXPECT_EQ(shown.caption, entry.title) << entry.code;
    EXPECT_EQ(shown.TextOf(kNoticeTextLabel), entry.text) << entry.code;
    EXPECT_EQ(shown.iconId, entry.iconId) << entry.code;
  }
  EXPECT_EQ(ClosedCount(), NoticeTable().size());
}

TEST_F(Notices, TheSorryNoticesStayTwoAndAHalfSecondsAndTheOthersOneAndAHalf) {
  ShowNotice(editor_, notice::kFileGone);
  EXPECT_EQ(LastClosed().caption, "Sorry");
  EXPECT_EQ(LastClosed().TextOf(kNoticeTextLabel), "The file no longer exists.");
  EXPECT_EQ(LastClosed().OpenMs(), 2500);
  ShowNotice(editor_, notice::kAllTabsTaken);
  EXPECT_EQ(LastClosed().TextOf(kNoticeTextLabel), "All tabs are taken, please close one first.");
  EXPECT_EQ(LastClosed().OpenMs(), 2500);
  for (const NoticeEntry& entry : NoticeTable()) {
    if (entry.code == notice::kFileGone || entry.code == notice::kAllTabsTaken || entry.code == notice::kAllBlocksTaken)
      continue;
    ShowNotice(editor_, entry.code);
    EXPECT_EQ(LastClosed().OpenMs(), 1500) << entry.code;
  }
}

TEST_F(Notices, WithConfirmationsOffSuccessNoticesAreNotShownButWarningsAre) {
  editor_.prefs.showConfirmations = false;
  const std::int64_t before = system_.NowMs();
  ShowNotice(editor_, notice::kCopiedToClipboard);
  EXPECT_EQ(ClosedCount(), 0u);
  EXPECT_EQ(system_.NowMs(), before);  // no time spent either
  ShowNotice(editor_, notice::kReindexed);
  ASSERT_EQ(ClosedCount(), 1u);
  EXPECT_EQ(LastClosed().TextOf(kNoticeTextLabel), "File has been re-indexed");
}

TEST_F(Notices, WithConfirmationsOnSuccessNoticesAreShown) {
  ShowNotice(editor_, notice::kCopiedToClipboard);
  ASSERT_EQ(ClosedCount(), 1u);
  EXPECT_EQ(LastClosed().caption, "Done");
  EXPECT_EQ(LastClosed().TextOf(kNoticeTextLabel), "Copied to clipboard");
}

TEST_F(Notices, AnUnknownCodeShowsAnEmptyTitleAndText) {
  ShowNotice(editor_, -7);
  ASSERT_EQ(ClosedCount(), 1u);
  EXPECT_EQ(LastClosed().caption, "");
  EXPECT_EQ(LastClosed().TextOf(kNoticeTextLabel), "");
  EXPECT_EQ(LastClosed().OpenMs(), 1500);
  editor_.prefs.showConfirmations = false;
  ShowNotice(editor_, 7);  // positive, so hidden like any success notice
  EXPECT_EQ(ClosedCount(), 1u);
}

TEST_F(Notices, ANoticeNamesTheMainProgramButton) {
  Start();
  Main().SetText(kMainProgramButton, "1");
  ShowNotice(editor_, notice::kSelectCode);
  EXPECT_EQ(Main().GetText(kMainProgramButton), "Main program");
}

TEST_F(Notices, ANoticeLetsNoTimerTickWhileItIsUp) {
  Start();
  int ticks = 0;
  ui::WindowSpec desc;
  desc.caption = "ticking";
  auto other = system_.CreateTopLevel(desc);
  other->SetHandler([&ticks](ui::Window&, const ui::Event& e) {
    if (e.kind == ui::MessageKind::kTimer) ++ticks;
    return 0;
  });
  other->StartTimer(1, 100);
  ShowNotice(editor_, notice::kSelectCode);
  EXPECT_EQ(ticks, 0);
  system_.PumpMessages();  // what waited is handled afterwards
  EXPECT_GT(ticks, 0);
}

// Questions.

TEST_F(Notices, AQuestionAnsweredYesByAClick) {
  WhenAsked([this](ui::Window& q) { EXPECT_TRUE(driver_.Click(q, kYesButton)); });
  EXPECT_TRUE(AskConfirm(editor_, question::kReload));
  EXPECT_EQ(LastClosed().caption, "Please confirm");
}

TEST_F(Notices, AQuestionAnsweredNoByAClick) {
  WhenAsked([this](ui::Window& q) { EXPECT_TRUE(driver_.Click(q, kNoButton)); });
  EXPECT_FALSE(AskConfirm(editor_, question::kReload));
}

TEST_F(Notices, AQuestionClosedWithItsCloseBoxAnswersNo) {
  WhenAsked([this](ui::Window& q) { driver_.ClickCloseBox(q); });
  EXPECT_FALSE(AskConfirm(editor_, question::kReload));
  EXPECT_TRUE(driver_.UnansweredWindows().empty());
}

TEST_F(Notices, AQuestionLeftAloneAnswersNo) {
  EXPECT_FALSE(AskConfirm(editor_, question::kReload));
}

TEST_F(Notices, TheDefaultButtonIsNoOutsideSaveMode) {
  ui::ControlId focused = 0;
  WhenAsked([&](ui::Window& q) {
    focused = q.FocusedControl();
    driver_.PressKey(q, ui::key::kEnter);
  });
  EXPECT_FALSE(AskConfirm(editor_, question::kReload));
  EXPECT_EQ(focused, kNoButton);
}

TEST_F(Notices, TheDefaultButtonIsYesInSaveMode) {
  ui::ControlId focused = 0;
  WhenAsked([&](ui::Window& q) {
    focused = q.FocusedControl();
    driver_.PressKey(q, ui::key::kEnter);
  });
  EXPECT_TRUE(AskSaveChanges(editor_, "prog.iwb"));
  EXPECT_EQ(focused, kYesButton);
}

TEST_F(Notices, LeftFocusesYesAndEnterAnswersYes) {
  WhenAsked([this](ui::Window& q) {
    driver_.PressKey(q, ui::key::kLeft);
    EXPECT_EQ(q.FocusedControl(), kYesButton);
    driver_.PressKey(q, ui::key::kEnter);
  });
  EXPECT_TRUE(AskConfirm(editor_, question::kReload));
}

TEST_F(Notices, RightFocusesNoAndEnterAnswersNo) {
  WhenAsked([this](ui::Window& q) {
    driver_.PressKey(q, ui::key::kRight);
    EXPECT_EQ(q.FocusedControl(), kNoButton);
    driver_.PressKey(q, ui::key::kEnter);
  });
  EXPECT_FALSE(AskSaveChanges(editor_, "prog.iwb"));
}

TEST_F(Notices, ArrowsThenAClickOnTheFocusedButton) {
  WhenAsked([this](ui::Window& q) {
    driver_.PressKey(q, ui::key::kLeft);
    driver_.PressKey(q, ui::key::kRight);
    driver_.PressKey(q, ui::key::kLeft);
    driver_.Click(q, q.FocusedControl());
  });
  EXPECT_TRUE(AskConfirm(editor_, question::kReload));
}

TEST_F(Notices, OtherKeysLeaveTheQuestionOpen) {
  WhenAsked([this](ui::Window& q) {
    driver_.PressKey(q, ui::key::kUp);
    driver_.PressKey(q, 'Y');
    EXPECT_TRUE(q.IsOpen());
    EXPECT_EQ(q.FocusedControl(), kNoButton);
    driver_.Click(q, kYesButton);
  });
  EXPECT_TRUE(AskConfirm(editor_, question::kReload));
}

TEST_F(Notices, AQuestionsWindowButtonsAndLinesSitWhereThePartPutsThem) {
  AskConfirm(editor_, question::kReload);
  const headless::ClosedWindow& q = LastClosed();
  EXPECT_EQ(q.caption, "Please confirm");
  EXPECT_EQ(q.rect, Centred(470, 200));
  EXPECT_EQ(q.controls.at(kQuestionLine1).rect, (ui::Rect{0, 25, 470, 25}));
  EXPECT_EQ(q.controls.at(kQuestionLine2).rect, (ui::Rect{0, 60, 470, 25}));
  EXPECT_EQ(q.controls.at(kYesButton).rect, (ui::Rect{140, 110, 80, 25}));
  EXPECT_EQ(q.controls.at(kNoButton).rect, (ui::Rect{240, 110, 80, 25}));
  EXPECT_EQ(q.controls.at(kYesButton).kind, ui::ControlKind::kPushButton);
  EXPECT_EQ(q.TextOf(kYesButton), "Yes");
  EXPECT_EQ(q.TextOf(kNoButton), "No");
  for (ui::ControlId id : {kQuestionLine1, kQuestionLine2, kYesButton, kNoButton})
    EXPECT_EQ(q.controls.at(id).font, kArial12) << id;
  EXPECT_EQ(q.TextOf(kQuestionLine1), "Are you sure you want to reload the file?");
  EXPECT_EQ(q.TextOf(kQuestionLine2), "Unsaved work will be lost!");
}

TEST_F(Notices, ListQuestionsEndTheirSecondLineWithTheEntryAndAQuestionMark) {
  AskConfirm(editor_, question::kDeleteSubroutine, {.listEntry = "DrawBoard", .saveCaption = std::nullopt});
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine1), "Are you sure you want to delete the subroutine");
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine2), "DrawBoard?");
  AskConfirm(editor_, question::kDeleteWindow, {.listEntry = "MainWin", .saveCaption = std::nullopt});
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine1), "Are you sure you want to delete the window");
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine2), "MainWin?");
  AskConfirm(editor_, question::kDeleteGroup, {.listEntry = "Buttons", .saveCaption = std::nullopt});
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine1), "Are you sure you want to delete the group");
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine2), "Buttons?");
}

TEST_F(Notices, TheOtherQuestionsShowTheirTwoLines) {
  AskConfirm(editor_, question::kClearUndo);
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine1), "");
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine2), "Are you sure you want to clear undos and redos?");
  AskConfirm(editor_, question::kSaveNow);
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine1), "");
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine2), "Would you like to save the file now?");
  AskConfirm(editor_, question::kRestoreDefaults);
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine1), "Are you sure you want to restore");
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine2), "the default editor settings?");
  AskConfirm(editor_, 12345);
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine1), "");
  EXPECT_EQ(LastClosed().TextOf(kQuestionLine2), "");
}

TEST_F(Notices, SaveModeAsksAboutTheTabWithoutItsStar) {
  AskSaveChanges(editor_, "prog.iwb*");
  const headless::ClosedWindow& q = LastClosed();
  EXPECT_EQ(q.TextOf(kQuestionLine1), "Do you want to save the changes for");
  EXPECT_EQ(q.TextOf(kQuestionLine2), "prog.iwb");
  EXPECT_EQ(q.iconId, kIconSaveQuestion);
  EXPECT_EQ(q.background, editor_.prefs.windowBackground);
}

TEST_F(Notices, InSaveModeAMatchingCodeOverwritesTheLinesButKeepsTheSaveLook) {
  ui::ControlId focused = 0;
  WhenAsked([&](ui::Window& q) { focused = q.FocusedControl(); });
  AskConfirm(editor_, question::kSaveNow, {.listEntry = {}, .saveCaption = "prog.iwb"});
  const headless::ClosedWindow& q = LastClosed();
  EXPECT_EQ(q.TextOf(kQuestionLine1), "");
  EXPECT_EQ(q.TextOf(kQuestionLine2), "Would you like to save the file now?");
  EXPECT_EQ(q.iconId, kIconSaveQuestion);
  EXPECT_EQ(q.background, editor_.prefs.windowBackground);
  EXPECT_EQ(focused, kYesButton);
}

TEST_F(Notices, NormalQuestionsTakeTheAlternateBackgroundOutsideSaveMode) {
  editor_.prefs.fileBackground = ui::Rgb(1, 2, 3);
  editor_.prefs.windowBackground = ui::Rgb(4, 5, 6);
  editor_.prefs.windowText = ui::Rgb(7, 8, 9);
  AskConfirm(editor_, question::kReload);
  const headless::ClosedWindow& q = LastClosed();
  EXPECT_EQ(q.background, ui::Rgb(1, 2, 3));
  for (ui::ControlId line : {kQuestionLine1, kQuestionLine2}) {
    ASSERT_TRUE(q.controls.at(line).colours.has_value());
    EXPECT_EQ(*q.controls.at(line).colours, std::make_pair(ui::Rgb(7, 8, 9), ui::Rgb(1, 2, 3)));
  }
  AskConfirm(editor_, question::kClearUndo);  // "background colour" even outside save mode
  EXPECT_EQ(LastClosed().background, ui::Rgb(4, 5, 6));
}

TEST_F(Notices, RestoringTheDefaultsAsksInWhite) {
  AskConfirm(editor_, question::kRestoreDefaults);
  const headless::ClosedWindow& q = LastClosed();
  EXPECT_EQ(q.background, kWhite);
  for (ui::ControlId id : {kQuestionLine1, kQuestionLine2, kYesButton, kNoButton}) {
    ASSERT_TRUE(q.controls.at(id).colours.has_value()) << id;
    EXPECT_EQ(q.controls.at(id).colours->second, kWhite) << id;
  }
}

TEST_F(Notices, DeleteAndClearQuestionsCarryTheQuestionIconAndTheOthersTheProgramsIcon) {
  for (int code : {question::kDeleteSubroutine, question::kDeleteWindow, question::kClearUndo}) {
    AskConfirm(editor_, code);
    EXPECT_EQ(LastClosed().iconId, kIconQuestion) << code;
  }
  for (int code : {question::kSaveNow, question::kDeleteGroup, question::kReload, question::kRestoreDefaults}) {
    AskConfirm(editor_, code);
    EXPECT_EQ(LastClosed().iconId, kIconApplication) << code;
  }
}

TEST_F(Notices, AQuestionHidesTheAutoCompleteList) {
  Start();
  Main().ShowControl(kAutoCompleteList, true);
  bool hiddenWhileAsking = false;
  WhenAsked([&](ui::Window&) { hiddenWhileAsking = !Main().IsControlVisible(kAutoCompleteList); });
  AskConfirm(editor_, question::kReload);
  EXPECT_TRUE(hiddenWhileAsking);
}

}  // namespace
}  // namespace editor
