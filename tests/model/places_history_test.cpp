// The places history on its own: recording with and without duplicates, stepping at the
// ends, picking, removing around the current place, and following lines that come or go.
#include "model/places_history.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

std::vector<int> Numbers(const PlacesHistory& places) {
  std::vector<int> numbers;
  for (LineNumber line : places.Lines()) numbers.push_back(line.Value());
  return numbers;
}

TEST(PlacesHistory, WithoutDuplicatesALineIsRecordedOnceAnywhere) {
  PlacesHistory places;
  EXPECT_TRUE(places.Record(LineNumber(5), false));
  EXPECT_TRUE(places.Record(LineNumber(9), false));
  EXPECT_FALSE(places.Record(LineNumber(5), false));
  EXPECT_EQ(Numbers(places), (std::vector<int>{5, 9}));
  EXPECT_EQ(places.Position(), 2);
}

TEST(PlacesHistory, WithDuplicatesOnlyARepeatOfTheLastIsRefused) {
  PlacesHistory places;
  places.Record(LineNumber(5), true);
  EXPECT_FALSE(places.Record(LineNumber(5), true));
  places.Record(LineNumber(9), true);
  EXPECT_TRUE(places.Record(LineNumber(5), true));
  EXPECT_EQ(Numbers(places), (std::vector<int>{5, 9, 5}));
  EXPECT_FALSE(places.Record(kNoLine, true)) << "no line, no place";
}

TEST(PlacesHistory, SteppingStopsAtBothEnds) {
  PlacesHistory places;
  EXPECT_FALSE(places.Back());
  EXPECT_FALSE(places.Forward());
  for (int line : {1, 2, 3}) places.Record(LineNumber(line), false);
  EXPECT_FALSE(places.CanGoForward());
  EXPECT_EQ(places.Back(), LineNumber(2));
  EXPECT_EQ(places.Back(), LineNumber(1));
  EXPECT_FALSE(places.CanGoBack());
  EXPECT_EQ(places.Back(), LineNumber(1));
  EXPECT_EQ(places.Forward(), LineNumber(2));
  EXPECT_EQ(places.Forward(), LineNumber(3));
  EXPECT_EQ(places.Forward(), LineNumber(3));
  EXPECT_FALSE(places.CanGoForward());
}

TEST(PlacesHistory, RemovingKeepsTheCurrentPlaceOnItsEntry) {
  PlacesHistory places;
  for (int line : {10, 20, 30, 40}) places.Record(LineNumber(line), false);
  places.Pick(2);  // on 30
  places.Remove(3);  // after it
  EXPECT_EQ(places.Position(), 3);
  places.Remove(0);  // before it
  EXPECT_EQ(places.Position(), 2);
  EXPECT_EQ(places.Lines()[1], LineNumber(30));
  places.Remove(1);  // itself: the one before becomes current
  EXPECT_EQ(Numbers(places), std::vector<int>{20});
  EXPECT_EQ(places.Position(), 1);
  places.Remove(5);  // outside: nothing
  EXPECT_EQ(places.Count(), 1);
  places.Remove(0);
  EXPECT_EQ(places.Position(), 0);
  EXPECT_FALSE(places.CanGoBack());
  EXPECT_FALSE(places.CanGoForward());
}

TEST(PlacesHistory, PlacesFollowInsertedAndRemovedLines) {
  PlacesHistory places;
  places.Load({LineNumber(3), LineNumber(20), LineNumber(22)});
  EXPECT_EQ(places.Position(), 3);
  // Two lines put in at the start of line 10.
  EXPECT_TRUE(places.Shift(ShiftOf(LineIndex(9), true, "", "a\rb\r")));
  EXPECT_EQ(Numbers(places), (std::vector<int>{3, 22, 24}));
  // Lines 21 to 23 taken away whole: the place on 22 stays where they stood.
  EXPECT_TRUE(places.Shift(ShiftOf(LineIndex(20), true, "x\ry\rz\r", "")));
  EXPECT_EQ(Numbers(places), (std::vector<int>{3, 21, 21}));
  EXPECT_FALSE(places.Shift(ShiftOf(LineIndex(40), true, "", "q\r")));
}

}  // namespace
}  // namespace editor
