#include "model/undo_history.h"

#include <gtest/gtest.h>

#include <string>

namespace editor {
namespace {

TextEdit Typed(int start, std::string text) {
  TextEdit edit;
  edit.kind = EditKind::kTyping;
  edit.start = start;
  edit.inserted = std::move(text);
  return edit;
}

TEST(UndoHistory, AThousandAndOneEditsKeepTheNewestThousand) {
  UndoHistory history;
  for (int i = 0; i <= 1000; ++i) {
    TextEdit edit = Typed(0, "x");
    edit.kind = EditKind::kDelete;  // never joined to the one before
    edit.start = i;
    history.Record(edit);
  }
  EXPECT_EQ(history.UndoCount(), 1000);
  std::optional<TextEdit> last;
  while (std::optional<TextEdit> edit = history.TakeUndo()) last = edit;
  EXPECT_EQ(last->start, 1) << "the oldest went first";
  EXPECT_EQ(history.RedoCount(), 1000);
}

TEST(UndoHistory, TypingJoinsOnlyCharactersThatFollowEachOtherOnOneLine) {
  UndoHistory history;
  history.Record(Typed(10, "a"));
  history.Record(Typed(11, "b"));
  history.Record(Typed(5, "c"));    // elsewhere
  history.Record(Typed(6, "\r"));   // a break is an edit of its own
  history.Record(Typed(7, "d"));
  ASSERT_EQ(history.UndoCount(), 4);
  EXPECT_EQ(history.TakeUndo()->inserted, "d");
  EXPECT_EQ(history.TakeUndo()->inserted, "\r");
  EXPECT_EQ(history.TakeUndo()->inserted, "c");
  EXPECT_EQ(history.TakeUndo()->inserted, "ab");
}

TEST(UndoHistory, RecordingAfterAnUndoEmptiesTheRedoStore) {
  UndoHistory history;
  history.Record(Typed(0, "a"));
  history.TakeUndo();
  ASSERT_EQ(history.RedoCount(), 1);
  history.Record(Typed(3, "b"));
  EXPECT_EQ(history.RedoCount(), 0);
  EXPECT_FALSE(history.TakeRedo());
}

}  // namespace
}  // namespace editor
