// Replacing text in found lines of an open file: the first occurrence per line, whole
// lines however long, and one undo step per changed line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/control_ids.h"
#include "editing/line_replace.h"
#include "editing/undo_steps.h"
#include "scenarios/file_commands_fixture.h"

namespace editor {
namespace {

class LineReplace : public FileCommandsTest {
 protected:
  void OpenFile(const std::string& text) {
    Open(Source("prog.iwb", text));
    Main().Focus(kEditor);
  }
  ReplaceOutcome Replace(std::string_view find, std::string_view with, std::vector<int> lines) {
    std::vector<LineNumber> numbers;
    for (const int line : lines) numbers.emplace_back(line);
    return ReplaceInLines(editor_, find, with, numbers);
  }
  void Undo() { driver_.PressCtrlKey(Main(), 'Z'); }
};

TEST_F(LineReplace, ChangesTheFirstOccurrenceOfEachChosenLineAndNothingElse) {
  const std::string longLine = "foo" + std::string(600, 'x') + " tail";
  OpenFile("Foo = foo\r\nfoo stays\r\nx = FOO + foo\r\nno match\r\n" + longLine + "\r\nfoo foo foo\r\n");
  const ReplaceOutcome outcome = Replace("foo", "bar", {1, 3, 4, 5, 6, 6, 99});
  EXPECT_EQ(outcome.refusal, ReplaceRefusal::kNone);
  EXPECT_EQ(outcome.linesChanged, 5);
  EXPECT_EQ(Edit().Text(), "bar = foo\r\nfoo stays\r\nx = bar + foo\r\nno match\r\nbar" + std::string(600, 'x') +
                               " tail\r\nbar bar foo\r\n");
  EXPECT_EQ(editor_.tabs.Tab(1).caption, "prog.iwb*");
  EXPECT_EQ(Edit().GetSelection().first, Edit().LineIndex(5));  // the last changed line

  Replace("bar ", "", {6});  // an empty replacement takes the text out
  EXPECT_TRUE(Edit().Text().ends_with(" tail\r\nbar foo\r\n")) << Edit().Text();
}

TEST_F(LineReplace, EachChangedLineIsOneUndoStep) {
  OpenFile("a = stale\r\nb = stale\r\nc = stale\r\n");
  ASSERT_EQ(Replace("STALE", "fresh", {1, 2, 3}).linesChanged, 3);
  ASSERT_EQ(Edit().Text(), "a = fresh\r\nb = fresh\r\nc = fresh\r\n");
  const UndoHistory* history = ActiveHistory(editor_);
  ASSERT_NE(history, nullptr);
  EXPECT_EQ(history->UndoCount(), 3);
  UndoHistory entries = *history;
  EXPECT_EQ(entries.TakeUndo()->kind, EditKind::kReplacedLine);
  Undo();
  EXPECT_EQ(Edit().Text(), "a = fresh\r\nb = fresh\r\nc = stale\r\n");
  Undo();
  EXPECT_EQ(Edit().Text(), "a = fresh\r\nb = stale\r\nc = stale\r\n");
  Undo();
  EXPECT_EQ(Edit().Text(), "a = stale\r\nb = stale\r\nc = stale\r\n");
}

TEST_F(LineReplace, RefusesWhatWouldBreakLinesApartAndChangesNothing) {
  OpenFile("a = stale\r\n");
  EXPECT_EQ(Replace("", "x", {1}).refusal, ReplaceRefusal::kEmptyFindText);
  EXPECT_EQ(Replace("stale", "x\ry", {1}).refusal, ReplaceRefusal::kLineBreak);
  EXPECT_EQ(Edit().Text(), "a = stale\r\n");
  EXPECT_EQ(ActiveHistory(editor_)->UndoCount(), 0);
}

}  // namespace
}  // namespace editor
