// Bookmark entries as the list and the state file hold them, and bookmarks following the
// lines an edit moves.
#include "model/bookmarks.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

TEST(BookmarkEntries, AnEntryIsTheLineAndItsDescriptionIfAny) {
  EXPECT_EQ(BookmarkEntry({LineNumber(12), "TODO: tidy"}), "12 TODO: tidy");
  EXPECT_EQ(BookmarkEntry({LineNumber(7), ""}), "7");
  EXPECT_EQ(ParseBookmarkEntry("12 TODO: tidy"), (Bookmark{LineNumber(12), "TODO: tidy"}));
  EXPECT_EQ(ParseBookmarkEntry("7"), (Bookmark{LineNumber(7), ""}));
  EXPECT_FALSE(ParseBookmarkEntry("abc def"));
  EXPECT_FALSE(ParseBookmarkEntry("0 nowhere"));
  EXPECT_FALSE(ParseBookmarkEntry(""));
  EXPECT_FALSE(ParseBookmarkEntry("99999999999 too far"));
}

TEST(BookmarkEntries, ThreeLinesInsertedAboveAndDeletedAgainBringTheBookmarkBack) {
  std::vector<Bookmark> bookmarks{{LineNumber(20), "here"}, {LineNumber(5), ""}};
  EXPECT_TRUE(ShiftBookmarks(bookmarks, ShiftOf(LineIndex(16), true, "", "a\rb\rc\r")));
  EXPECT_EQ(bookmarks[0].line, LineNumber(23));
  EXPECT_EQ(bookmarks[1].line, LineNumber(5));
  EXPECT_TRUE(ShiftBookmarks(bookmarks, ShiftOf(LineIndex(16), true, "a\rb\rc\r", "")));
  EXPECT_EQ(bookmarks[0].line, LineNumber(20));
}

TEST(BookmarkEntries, ABookmarkWhoseLineLostItsStartGoesAndTheChosenIndexFollows) {
  std::vector<Bookmark> bookmarks{{LineNumber(4), "a"}, {LineNumber(10), "b"}, {LineNumber(30), "c"}};
  int chosen = 2;
  // Line 10 deleted whole.
  EXPECT_TRUE(ShiftBookmarks(bookmarks, ShiftOf(LineIndex(9), true, "line\r", ""), &chosen));
  ASSERT_EQ(bookmarks.size(), 2u);
  EXPECT_EQ(bookmarks[1], (Bookmark{LineNumber(29), "c"}));
  EXPECT_EQ(chosen, 1);
  chosen = 0;
  // Line 4 joined to line 3 by a Backspace at its start.
  EXPECT_TRUE(ShiftBookmarks(bookmarks, ShiftOf(LineIndex(2), false, "\r", ""), &chosen));
  EXPECT_EQ(chosen, -1);
  EXPECT_EQ(bookmarks.size(), 1u);
  EXPECT_FALSE(ShiftBookmarks(bookmarks, ShiftOf(LineIndex(40), true, "", "x\r")));
}

}  // namespace
}  // namespace editor
