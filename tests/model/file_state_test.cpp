#include "model/file_state.h"

#include <gtest/gtest.h>

#include <string>

namespace editor {
namespace {

using namespace std::string_literals;

ListRow Row(std::string a, std::string b, std::string c, std::string d = {}) {
  return {std::move(a), std::move(b), std::move(c), std::move(d)};
}

FileState FullState() {
  FileState state;
  state.subroutines = {Row("Main", "1", "20"), Row("Helper", "22", "30")};
  state.windows = {Row("win", "5", "18", "handler")};
  state.controls = {Row("BUTTON_OK", "7", "BUTTON", "handler")};
  state.bookmarks = {"12 TODO: tidy up", "40"};
  state.includes = {"windows.inc"};
  state.lineCount = 31;
  state.lineFields = {"12"s, ""s, std::nullopt};
  state.selections = {0, std::nullopt, 1, std::nullopt, std::nullopt, 3, std::nullopt, std::nullopt};
  state.caretLine = 7;
  state.places = {"3", "12"};
  return state;
}

TEST(FileStateFormat, ASmallStateIsWrittenLineByLineInItsFixedOrder) {
  FileState state;
  state.subroutines = {Row("Main", "1", "20"), Row("Open", "21", "40"), Row("Close", "41", "55")};
  state.windows = {Row("w1", "3", "9", "w1_handler")};
  state.bookmarks = {"5 start here"};
  state.lineCount = 55;
  state.lineFields = {"  12 "s, ""s, "0"s};
  state.selections[0] = 2;
  state.caretLine = 4;
  state.places = {"9"};
  EXPECT_EQ(FormatFileState(state),
            ":lv2-3\r\nMain|1!20\r\nOpen|21!40\r\nClose|41!55\r\n"
            ":lv4-1\r\nw1|3!9#w1_handler\r\n"
            ":lv8-0\r\n"
            ":bmk-1\r\n5 start here\r\n"
            ":inc-0\r\n"
            ":sr-0!55\r\n"
            ":u1-12\r\n:u2-0\r\n:u3-0\r\n"
            ":c2-2\r\n:c4-!\r\n:c6-!\r\n:c8-!\r\n:c10-!\r\n:c12-!\r\n:c14-!\r\n:c16-!\r\n"
            ":sp-4\r\n"
            ":nav-1\r\n9\r\n");
}

TEST(FileStateFormat, EntriesTheReaderWouldMisreadAreLeftOutAndNotCounted) {
  FileState state;
  state.subroutines = {Row("bad:name", "1", "2"), Row("pipe|name", "1", "2"), Row("ok", "1!x", "2"),
                       Row("kept", "3", "4")};
  state.windows = {Row("w", "1", "2#3", "h"), Row("", "1", "2", "h")};
  state.bookmarks = {"7 two\r\nlines", "8 see :sp-3", "   ", "9 note: fine"};
  state.places = {"4:5", "6"};
  const std::string text = FormatFileState(state);
  EXPECT_NE(text.find(":lv2-1\r\nkept|3!4\r\n:lv4-0\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(":bmk-1\r\n9 note: fine\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(":nav-1\r\n6\r\n"), std::string::npos) << text;
  EXPECT_EQ(ParseFileState(text).subroutines.size(), 1u);
}

TEST(FileStateRoundTrip, WhatIsWrittenReadsBackTheSame) {
  const FileState state = FullState();
  ParseReport report;
  EXPECT_EQ(ParseFileState(FormatFileState(state), &report), state);
  EXPECT_FALSE(report.Damaged());
  EXPECT_EQ(report.sectionsFound, 18) << "every section but the unknown third line field";
}

TEST(FileStateParse, LineEndsMayBeCrLfLfOrCrAlone) {
  const std::string crLf = FormatFileState(FullState());
  std::string lf, cr;
  for (char c : crLf) {
    if (c != '\r') lf += c;
    if (c != '\n') cr += c;
  }
  EXPECT_EQ(ParseFileState(lf), FullState());
  EXPECT_EQ(ParseFileState(cr), FullState());
  EXPECT_EQ(ParseFileState(":lv2-2\r\r\nA|1!2\r\r\nB|3!4\r\r\n").subroutines.size(), 2u) << "blank lines are no entries";
}

TEST(FileStateParse, TagsAreFoundAnywhereInTheLine) {
  const FileState state = ParseFileState("\xEF\xBB\xBF:lv2-1\r\nMain|1!9\r\njunk :sp-12\r\n  :u1-  33  \r\n");
  ASSERT_EQ(state.subroutines.size(), 1u);
  EXPECT_EQ(state.subroutines[0], Row("Main", "1", "9"));
  EXPECT_EQ(state.caretLine, 12);
  EXPECT_EQ(state.lineFields[0], "33");
}

TEST(FileStateParse, CountsThatDisagreeWithTheLinesTakeOnlyTheLinesThatAreThere) {
  const FileState state = ParseFileState(":lv2-50\r\nA|1!2\r\nB|3!4\r\n:lv4-99999999999999999999\r\nw|1!2#h\r\n");
  EXPECT_EQ(state.subroutines.size(), 2u) << "the next section ends the list";
  ASSERT_EQ(state.windows.size(), 1u) << "a huge count ends with the bytes";
  EXPECT_EQ(state.windows[0], Row("w", "1", "2", "h"));
  ParseReport report;
  EXPECT_TRUE(ParseFileState(":lv2--3\r\nA|1!2\r\n", &report).subroutines.empty());
  EXPECT_EQ(report.ignoredLines, 1);
  EXPECT_TRUE(ParseFileState(":bmk-many\r\n12 x\r\n").bookmarks.empty());
  EXPECT_EQ(ParseFileState(":c2-99999999999999\r\n").selections[0], 999'999'999) << "clamped, ignored by the reader";
}

TEST(FileStateParse, ATruncatedFileKeepsWhatCameBeforeTheCut) {
  const std::string whole = FormatFileState(FullState());
  const FileState cut = ParseFileState(whole.substr(0, whole.find(":u2")));
  EXPECT_EQ(cut.subroutines, FullState().subroutines);
  EXPECT_EQ(cut.bookmarks, FullState().bookmarks);
  EXPECT_EQ(cut.lineFields[0], "12");
  EXPECT_EQ(cut.lineFields[1], std::nullopt) << "a box the file does not mention is left alone";
  EXPECT_EQ(cut.caretLine, std::nullopt);
  EXPECT_TRUE(cut.places.empty());
  // Cut in the middle of an entry: the part that is there is still a row.
  EXPECT_EQ(ParseFileState(":lv2-2\r\nMain|1!20\r\nHel").subroutines.back(), Row("Hel", "", ""));
}

TEST(FileStateParse, BinaryBytesAndVeryLongLinesAreTakenWhole) {
  const std::string longName(100'000, 'x');
  const std::string bytes = ":lv2-2\r\n"s + longName + "|1!2\r\nn\0ul|3!4\r\n\xFF\xFE\x01\r\n:sp-5"s;
  ParseReport report;
  const FileState state = ParseFileState(bytes, &report);
  ASSERT_EQ(state.subroutines.size(), 2u);
  EXPECT_EQ(state.subroutines[0][0].size(), 100'000u);
  EXPECT_EQ(state.subroutines[1][0], "n\0ul"s);
  EXPECT_EQ(state.caretLine, 5);
  EXPECT_EQ(report.ignoredLines, 1) << "the stray binary line";
  EXPECT_TRUE(report.Damaged());
}

TEST(FileStateParse, EntriesAreSplitAtTheFirstOfEachSeparator) {
  const FileState state = ParseFileState(
      ":lv2-3\r\nMain\r\nA|1|2!3!4\r\nB!1\r\n"
      ":lv4-2\r\nw|1!2#h#x\r\nv|1#2!3\r\n");
  ASSERT_EQ(state.subroutines.size(), 3u);
  EXPECT_EQ(state.subroutines[0], Row("Main", "", ""));
  EXPECT_EQ(state.subroutines[1], Row("A", "1|2", "3!4"));
  EXPECT_EQ(state.subroutines[2], Row("B!1", "", ""));
  ASSERT_EQ(state.windows.size(), 2u);
  EXPECT_EQ(state.windows[0], Row("w", "1", "2", "h#x"));
  EXPECT_EQ(state.windows[1], Row("v", "1#2", "3", ""));
}

TEST(FileStateParse, ColonsAreSkippedInNamesAndPlacesButKeptInBookmarkDescriptions) {
  const FileState state = ParseFileState(
      ":lv2-2\r\nbad:name|1!2\r\ngood|3!4\r\n:bmk-2\r\n12 TODO: fix\r\n   \r\n13\r\n"
      ":inc-2\r\nC:\\x.inc\r\nwin.inc\r\n:nav-2\r\n4:1\r\n5\r\n");
  ASSERT_EQ(state.subroutines.size(), 1u);
  EXPECT_EQ(state.subroutines[0][0], "good");
  EXPECT_EQ(state.bookmarks, (std::vector<std::string>{"12 TODO: fix", "13"}));
  EXPECT_EQ(state.includes, std::vector<std::string>{"win.inc"});
  EXPECT_EQ(state.places, std::vector<std::string>{"5"});
}

TEST(FileStateParse, ScalarValuesHaveTheirDefaultsForNonsense) {
  const FileState state = ParseFileState(":u1-0\r\n:u2-   \r\n:c2-!\r\n:c4-abc\r\n:c6--2\r\n:sp-0\r\n:sr-zzz\r\n");
  EXPECT_EQ(state.lineFields[0], "") << "0 stands for an empty box";
  EXPECT_EQ(state.lineFields[1], "");
  EXPECT_EQ(state.lineFields[2], std::nullopt);
  EXPECT_EQ(state.selections[0], std::nullopt);
  EXPECT_EQ(state.selections[1], std::nullopt);
  EXPECT_EQ(state.selections[2], std::nullopt);
  EXPECT_EQ(state.caretLine, 1);
  EXPECT_EQ(state.lineCount, 0);
  EXPECT_EQ(ParseFileState(":sr-0!1234\r\n").lineCount, 1234);
}

TEST(FileStateParse, ExtraEntriesAndStrayLinesAreReportedNotTaken) {
  ParseReport report;
  const FileState state = ParseFileState(":lv2-1\r\nA|1!2\r\nB|3!4\r\nhello\r\n", &report);
  EXPECT_EQ(state.subroutines.size(), 1u);
  EXPECT_EQ(report.ignoredLines, 2);
  ParseFileState("", &report);
  EXPECT_TRUE(report.Damaged()) << "an empty state file says nothing";
  EXPECT_EQ(report.ignoredLines, 0) << "each parse starts a fresh report";
}

TEST(FileStateBookmark, TheLineIsTheTextBeforeTheFirstSpace) {
  EXPECT_EQ(SplitBookmark("12 open the file"), (std::pair<std::string, std::string>{"12", "open the file"}));
  EXPECT_EQ(SplitBookmark("40"), (std::pair<std::string, std::string>{"40", ""}));
}

}  // namespace
}  // namespace editor
