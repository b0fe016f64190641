// A snippet file's lines as rows, and what adding one makes of the file.
#include "model/snippet_list.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

using Rows = std::vector<std::string>;

TEST(SnippetList, BlankLinesAreRowsOnlyWhenAskedFor) {
  const std::string file = "SETFOCUS w, 1\r\n\r\n  \t\r\nSETCONTROLTEXT w, 1, \"\"\r\n";
  EXPECT_EQ(SnippetRows(file, true), (Rows{"SETFOCUS w, 1", "", "  \t", "SETCONTROLTEXT w, 1, \"\""}));
  EXPECT_EQ(SnippetRows(file, false), (Rows{"SETFOCUS w, 1", "SETCONTROLTEXT w, 1, \"\""}));
  EXPECT_EQ(SnippetRows("", true), Rows{});
}

TEST(SnippetList, AnAddedSnippetIsALineOfItsOwnEndedWithCrLf) {
  EXPECT_EQ(WithSnippetAdded("", "a"), "a\r\n");
  EXPECT_EQ(WithSnippetAdded("a\r\n", "b"), "a\r\nb\r\n");
  EXPECT_EQ(WithSnippetAdded("typed by hand", "b"), "typed by hand\r\nb\r\n");
  EXPECT_EQ(SnippetsForClipboard(Rows{"a", "", "b"}), "a\r\n\r\nb\r\n");
}

}  // namespace
}  // namespace editor
