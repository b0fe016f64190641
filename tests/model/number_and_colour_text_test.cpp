// Numbers as text boxes and the preference file hold them, and the colour window's
// "000,000,255" form.
#include <gtest/gtest.h>

#include <climits>

#include "base/number_text.h"
#include "model/colour_text.h"

namespace editor {
namespace {

// Line numbers in boxes, list cells and companion files: a cell holding more than a number
// must not pass for a line, and a number past an int must not wrap into one.
TEST(WholeNumbers, LeadingAndWholeReadingsDifferOnWhatFollows) {
  EXPECT_EQ(LeadingInt(" \t12 pt"), 12);
  EXPECT_EQ(WholeInt(" 12 \r\n"), 12);
  EXPECT_EQ(WholeInt("12 pt"), 0);
  for (std::string_view text : {"", "pt", "99999999999", "\x01"}) {
    EXPECT_EQ(LeadingInt(text), 0) << text;
    EXPECT_EQ(WholeInt(text), 0) << text;
  }
}

TEST(PreferenceNumbers, ALeadingNumberIsReadAndTheRestIgnored) {
  EXPECT_DOUBLE_EQ(ReadNumberText("12.6 pt").value, 12.6);
  EXPECT_DOUBLE_EQ(ReadNumberText("  -3").value, -3);
  EXPECT_DOUBLE_EQ(ReadNumberText("1e3").value, 1000);
  EXPECT_DOUBLE_EQ(ReadNumberText("7e").value, 7);
  EXPECT_DOUBLE_EQ(ReadNumberText("0x1A").value, 0);
  EXPECT_TRUE(ReadNumberText("0x1A").found);
}

TEST(PreferenceNumbers, TextWithoutANumberReadsZeroNotFound) {
  for (std::string_view text : {"", "   ", "abc", "+", "-.", "inf", "nan", "\x01\x02"}) {
    const NumberText read = ReadNumberText(text);
    EXPECT_FALSE(read.found) << text;
    EXPECT_EQ(read.value, 0) << text;
  }
}

TEST(PreferenceNumbers, RoundingIsHalfAwayFromZeroAndClamped) {
  EXPECT_EQ(RoundedNumber("2.5", INT_MIN, INT_MAX), 3);
  EXPECT_EQ(RoundedNumber("-2.5", INT_MIN, INT_MAX), -3);
  EXPECT_EQ(RoundedNumber("2.49", INT_MIN, INT_MAX), 2);
  EXPECT_EQ(RoundedNumber("1e999", 0, 255), 255);
  EXPECT_EQ(RoundedNumber("-1e999", 0, 255), 0);
  EXPECT_EQ(RoundedNumber("99999999999999999999", INT_MIN, INT_MAX), INT_MAX);
}

TEST(ColourTextForm, PureBlueReadsWithThreeDigitPartsAndReadsBack) {
  EXPECT_EQ(ColourText(ui::Rgb(0, 0, 255)), "000,000,255");
  EXPECT_EQ(ColourText(ui::Rgb(7, 65, 200)), "007,065,200");
  for (ui::Colour colour : {ui::Rgb(0, 0, 0), ui::Rgb(255, 255, 255), ui::Rgb(148, 0, 211), ui::Rgb(1, 2, 3)})
    EXPECT_EQ(ColourFromText(ColourText(colour)), colour);
}

TEST(ColourTextForm, PartsAreTakenFromTheirPositionsAndBroughtIntoRange) {
  EXPECT_EQ(ColourFromText("999,abc,300"), ui::Rgb(255, 0, 255));
  EXPECT_EQ(ColourFromText("12"), ui::Rgb(12, 0, 0));
  EXPECT_EQ(ColourFromText(""), ui::Rgb(0, 0, 0));
  EXPECT_EQ(ColourFromText("001;002;0030"), ui::Rgb(1, 2, 3));  // only positions 1, 5 and 9 count
}

}  // namespace
}  // namespace editor
