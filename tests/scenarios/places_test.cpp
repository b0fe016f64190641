// "Places I've been" as a user meets it: jumps record where they left from and where they
// landed, with or without duplicates; back and forward step through them and grey out at
// the ends; the list, remove, clear and the two switches; lines typed above move places.
#include <gtest/gtest.h>

#include "base/control_ids.h"
#include "scenarios/file_commands_fixture.h"
#include "view/notices.h"

namespace editor {
namespace {

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "x" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
  return text;
}

class Places : public FileCommandsTest {
 protected:
  void OpenNumbered(int lines = 100) {
    Open(Source("prog.iwb", NumberedLines(lines)));
    Main().Focus(kEditor);
  }
  void Remember(bool places, bool duplicates) {
    if (Main().IsChecked(kRememberPlacesBox) != places) {
      ASSERT_TRUE(driver_.Click(Main(), kRememberPlacesBox));
    }
    if (places && Main().IsChecked(kAllowDuplicatePlacesBox) != duplicates) {
      ASSERT_TRUE(driver_.Click(Main(), kAllowDuplicatePlacesBox));
    }
  }
  void CaretToLine(int line) {
    Main().Focus(kEditor);
    driver_.LeftClickAt(Main(), kEditor, Edit().LineIndex(line - 1));
  }
  // The go-to-line box emptied and a line typed into it (each keystroke jumps), then its
  // go button.
  void JumpWithBox(int line) {
    Main().SetText(kGoToLineBox, "");
    driver_.TypeText(Main(), kGoToLineBox, std::to_string(line));
    ASSERT_TRUE(driver_.Click(Main(), kGoToLineButton));
  }
  std::vector<std::string> PlaceEntries() {
    std::vector<std::string> entries;
    for (int i = 0; i < Main().ListCount(kPlacesCombo); ++i) entries.push_back(Main().ListText(kPlacesCombo, i));
    return entries;
  }
  int CaretLine() { return Edit().LineFromChar(Edit().GetSelection().first) + 1; }
  bool Shown(ui::ControlId id) { return Main().IsControlVisible(id); }
};

using Lines = std::vector<std::string>;

TEST_F(Places, TheListStartsHiddenWithTheGreyedArrowsAndJumpsRecordNothingWhileRememberIsOff) {
  OpenNumbered();
  Remember(false, false);
  EXPECT_FALSE(Shown(kPlacesCombo));
  EXPECT_FALSE(Shown(kRemovePlaceButton));
  EXPECT_FALSE(Shown(kClearPlacesButton));
  EXPECT_TRUE(Shown(kGoBackUnavailable));
  EXPECT_TRUE(Shown(kGoForwardUnavailable));
  EXPECT_FALSE(Shown(kGoBackButton));
  EXPECT_FALSE(Shown(kAllowDuplicatePlacesBox)) << "shown only while places are remembered";
  ASSERT_TRUE(driver_.Click(Main(), kLastLineButton));
  ASSERT_TRUE(driver_.Click(Main(), kAddPlaceButton));
  EXPECT_TRUE(PlaceEntries().empty());
  EXPECT_FALSE(Shown(kPlacesCombo));
}

TEST_F(Places, WithDuplicatesOffALineIsRecordedOnce) {
  OpenNumbered();
  Remember(true, false);
  CaretToLine(5);
  JumpWithBox(40);
  EXPECT_EQ(PlaceEntries(), (Lines{"5", "40"}));
  CaretToLine(5);
  JumpWithBox(40);
  EXPECT_EQ(PlaceEntries(), (Lines{"5", "40"})) << "both lines were there already";
  EXPECT_TRUE(Shown(kPlacesCombo));
  EXPECT_TRUE(Shown(kRemovePlaceButton));
  EXPECT_TRUE(Shown(kClearPlacesButton));
}

TEST_F(Places, WithDuplicatesOnTwoJumpsToOneLineRecordItOnceButABARecordsThree) {
  OpenNumbered();
  Remember(true, true);
  ASSERT_TRUE(Main().IsChecked(kAllowDuplicatePlacesBox));
  CaretToLine(10);  // A
  JumpWithBox(50);  // B
  JumpWithBox(50);  // B again: the last entry already
  EXPECT_EQ(PlaceEntries(), (Lines{"10", "50"}));
  JumpWithBox(10);  // A again
  EXPECT_EQ(PlaceEntries(), (Lines{"10", "50", "10"}));
}

TEST_F(Places, BackAndForwardStepThroughThePlacesAndGreyOutAtTheEnds) {
  OpenNumbered();
  Remember(true, false);
  CaretToLine(3);
  JumpWithBox(30);
  CaretToLine(30);
  JumpWithBox(60);
  ASSERT_EQ(PlaceEntries(), (Lines{"3", "30", "60"}));
  EXPECT_TRUE(Shown(kGoBackButton));
  EXPECT_FALSE(Shown(kGoBackUnavailable));
  EXPECT_FALSE(Shown(kGoForwardButton)) << "the last place is the current one";
  EXPECT_TRUE(Shown(kGoForwardUnavailable));

  ASSERT_TRUE(driver_.Click(Main(), kGoBackButton));
  EXPECT_EQ(CaretLine(), 30);
  EXPECT_EQ(Main().GetText(kLineNumberBox), "30");
  EXPECT_EQ(Main().ListSelected(kPlacesCombo), 1);
  EXPECT_TRUE(Shown(kGoForwardButton));
  ASSERT_TRUE(driver_.Click(Main(), kGoBackButton));
  EXPECT_EQ(CaretLine(), 3);
  EXPECT_FALSE(Shown(kGoBackButton)) << "back at the first place";
  EXPECT_TRUE(Shown(kGoBackUnavailable));
  EXPECT_FALSE(driver_.Click(Main(), kGoBackButton));

  ASSERT_TRUE(driver_.Click(Main(), kGoForwardButton));
  EXPECT_EQ(CaretLine(), 30);
  EXPECT_TRUE(Shown(kGoBackButton));
  ASSERT_TRUE(driver_.Click(Main(), kGoForwardButton));
  EXPECT_EQ(CaretLine(), 60);
  EXPECT_FALSE(Shown(kGoForwardButton)) << "forward at the last place";
  EXPECT_TRUE(Shown(kGoForwardUnavailable));
  EXPECT_EQ(PlaceEntries(), (Lines{"3", "30", "60"})) << "stepping records nothing";
}

TEST_F(Places, FirstAndLastLineButtonsRecordWhereTheyLeftFromAndLandedOn) {
  OpenNumbered(100);
  Remember(true, false);
  CaretToLine(42);
  ASSERT_TRUE(driver_.Click(Main(), kLastLineButton));
  ASSERT_TRUE(driver_.Click(Main(), kFirstLineButton));
  EXPECT_EQ(PlaceEntries(), (Lines{"42", std::to_string(Edit().LineCount()), "1"}));
}

TEST_F(Places, PickingAPlaceGoesThereAndSteppingGoesOnFromIt) {
  OpenNumbered();
  Remember(true, false);
  CaretToLine(3);
  JumpWithBox(30);
  CaretToLine(30);
  JumpWithBox(60);
  ASSERT_TRUE(driver_.PickListEntry(Main(), kPlacesCombo, 0));
  EXPECT_EQ(CaretLine(), 3);
  EXPECT_EQ(PlaceEntries(), (Lines{"3", "30", "60"}));
  EXPECT_FALSE(Shown(kGoBackButton));
  ASSERT_TRUE(driver_.Click(Main(), kGoForwardButton));
  EXPECT_EQ(CaretLine(), 30);
}

TEST_F(Places, TheAddButtonRecordsTheCaretLineAndSaysSo) {
  OpenNumbered();
  Remember(true, false);
  CaretToLine(12);
  ASSERT_TRUE(driver_.Click(Main(), kAddPlaceButton));
  EXPECT_EQ(PlaceEntries(), Lines{"12"});
  EXPECT_EQ(driver_.ClosedWindows().back().TextOf(kNoticeTextLabel), "Added to navigation");
  EXPECT_TRUE(Shown(kGoBackUnavailable)) << "one place: nowhere to step to";
}

TEST_F(Places, RemoveTakesTheChosenPlaceAndDoesNothingWithNoneChosenAndClearEmptiesAll) {
  OpenNumbered();
  Remember(true, false);
  CaretToLine(3);
  JumpWithBox(30);
  CaretToLine(30);
  JumpWithBox(60);
  Main().ListSelect(kPlacesCombo, -1);
  ASSERT_TRUE(driver_.Click(Main(), kRemovePlaceButton));
  EXPECT_EQ(PlaceEntries(), (Lines{"3", "30", "60"})) << "nothing chosen: nothing removed";
  EXPECT_EQ(editor_.places.Position(), 3);

  Main().ListSelect(kPlacesCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kRemovePlaceButton));
  EXPECT_EQ(PlaceEntries(), (Lines{"30", "60"}));
  EXPECT_EQ(editor_.places.Position(), 2) << "still on 60";
  ASSERT_TRUE(driver_.Click(Main(), kGoBackButton));
  EXPECT_EQ(CaretLine(), 30);

  ASSERT_TRUE(driver_.Click(Main(), kClearPlacesButton));
  EXPECT_TRUE(PlaceEntries().empty());
  EXPECT_FALSE(Shown(kPlacesCombo));
  EXPECT_FALSE(Shown(kRemovePlaceButton));
  EXPECT_FALSE(Shown(kClearPlacesButton));
  EXPECT_TRUE(Shown(kGoBackUnavailable));
  EXPECT_TRUE(Shown(kGoForwardUnavailable));
  EXPECT_FALSE(Shown(kGoBackButton));
  EXPECT_FALSE(Shown(kGoForwardButton));
}

TEST_F(Places, TheRememberBoxTurnsBothSwitchesOnOrOffAndTheDuplicatesBoxTurnsRememberOn) {
  OpenNumbered();
  Remember(false, false);
  ASSERT_TRUE(driver_.Click(Main(), kRememberPlacesBox));
  EXPECT_TRUE(editor_.view.rememberPlaces);
  EXPECT_TRUE(editor_.view.allowDuplicatePlaces);
  EXPECT_TRUE(Main().IsChecked(kAllowDuplicatePlacesBox));
  EXPECT_TRUE(Shown(kAllowDuplicatePlacesBox));

  ASSERT_TRUE(driver_.Click(Main(), kAllowDuplicatePlacesBox));
  EXPECT_FALSE(editor_.view.allowDuplicatePlaces);
  EXPECT_TRUE(editor_.view.rememberPlaces);
  ASSERT_TRUE(driver_.Click(Main(), kAllowDuplicatePlacesBox));
  EXPECT_TRUE(editor_.view.allowDuplicatePlaces);

  ASSERT_TRUE(driver_.Click(Main(), kRememberPlacesBox));
  EXPECT_FALSE(editor_.view.rememberPlaces);
  EXPECT_FALSE(editor_.view.allowDuplicatePlaces);
  EXPECT_FALSE(Main().IsChecked(kAllowDuplicatePlacesBox));
  EXPECT_FALSE(Shown(kAllowDuplicatePlacesBox));
}

TEST_F(Places, TypingInTheBoxRecordsWhereTheTypingStartedOnce) {
  OpenNumbered();
  Remember(true, true);
  CaretToLine(7);
  driver_.TypeText(Main(), kGoToLineBox, "45");  // jumps to 4, then 45
  EXPECT_EQ(PlaceEntries(), Lines{"7"});
  ASSERT_TRUE(driver_.Click(Main(), kGoToLineButton));
  EXPECT_EQ(PlaceEntries(), (Lines{"7", "45"}));
}

TEST_F(Places, LinesTypedAboveMovePlacesAndAPlaceOnADeletedLineStaysWhereTheLinesWere) {
  OpenNumbered();
  Remember(true, false);
  CaretToLine(20);
  JumpWithBox(50);
  ASSERT_EQ(PlaceEntries(), (Lines{"20", "50"}));
  CaretToLine(10);
  Edit().SetSelection(Edit().LineIndex(9), Edit().LineIndex(9));
  driver_.TypeText(Main(), kEditor, "x\ry\r");
  EXPECT_EQ(PlaceEntries(), (Lines{"22", "52"}));
  // Lines 21 to 23 (line 22 among them) deleted whole.
  Edit().SetSelection(Edit().LineIndex(20), Edit().LineIndex(23));
  driver_.PressKey(Main(), kEditor, ui::key::kDelete);
  EXPECT_EQ(PlaceEntries(), (Lines{"21", "49"}));
  EXPECT_EQ(editor_.places.Count(), 2);
}

TEST_F(Places, TheStateFileKeepsThemWithTheFile) {
  const auto first = Source("first.iwb", NumberedLines(80));
  const auto second = Source("second.iwb", NumberedLines(80));
  Open(first);
  Remember(true, false);
  CaretToLine(4);
  JumpWithBox(44);
  Open(second);
  EXPECT_TRUE(PlaceEntries().empty());
  EXPECT_TRUE(Shown(kGoBackUnavailable));
  const std::string state = Read(start_ / "Res" / "first.txt");
  EXPECT_NE(state.find(":nav-2\r\n4\r\n44\r\n"), std::string::npos) << state;
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_EQ(PlaceEntries(), (Lines{"4", "44"}));
  EXPECT_EQ(editor_.places.Position(), 2);
  EXPECT_TRUE(Shown(kGoBackButton));
  ASSERT_TRUE(driver_.Click(Main(), kGoBackButton));
  EXPECT_EQ(CaretLine(), 4);
}

}  // namespace
}  // namespace editor
