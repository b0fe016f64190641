// What single lines and whole texts tell the index.
#include <gtest/gtest.h>

#include <string>

#include "editing/file_indexer.h"
#include "model/line_index.h"

namespace editor {
namespace {

using Declares = IndexedLine::Declares;

TEST(IndexLine, SubroutineLinesInAnyCaseAndIndentAreDeclarations) {
  EXPECT_EQ(IndexLine("SUB Main\r").name, "Main");
  const IndexedLine indented = IndexLine("\t  sub draw_box(x AS INT)\r");
  EXPECT_EQ(indented.declares, Declares::kSubroutine);
  EXPECT_EQ(indented.name, "draw_box");  // "_" belongs to the name
}

TEST(IndexLine, CommentedOutSubroutinesAreNot) {
  EXPECT_EQ(IndexLine("'SUB Old\r").declares, Declares::kNothing);
  EXPECT_EQ(IndexLine("SUB ' Old\r").declares, Declares::kNothing);
  EXPECT_EQ(IndexLine("x = 1 ' SUB Old\r").declares, Declares::kNothing);
  EXPECT_EQ(IndexLine("SUBROUTINE x\r").declares, Declares::kNothing);
}

TEST(IndexLine, WindowsCarryTheirTitles) {
  const IndexedLine window = IndexLine("OPENWINDOW main,0,0,640,480,@SIZE,0,\"Main window\",&handler\r");
  EXPECT_EQ(window.declares, Declares::kWindow);
  EXPECT_EQ(window.name, "main");
  EXPECT_EQ(window.title, "Main window");
  const IndexedLine dialog = IndexLine("CREATEDIALOG d1,0,0,300,200,0x80C80080,0,\"Options\",&dlgproc\r");
  EXPECT_EQ(dialog.name, "d1");
  EXPECT_EQ(dialog.title, "Options");
  EXPECT_EQ(IndexLine("CONTROL main,@BUTTON,\"OK\",1,1,8,8,0,1\r").declares, Declares::kNothing);
}

TEST(IndexLine, IncludesAreNamedWithoutTheirQuotes) {
  const IndexedLine include = IndexLine("$INCLUDE \"windowssdk.inc\"\r");
  EXPECT_EQ(include.declares, Declares::kInclude);
  EXPECT_EQ(include.name, "windowssdk.inc");
  EXPECT_EQ(IndexLine("$include \"lib\\my file.inc\"").name, "lib\\my file.inc");
  EXPECT_EQ(IndexLine("$INCLUDE plain.inc").name, "plain.inc");
  EXPECT_EQ(IndexLine("$INCLUDE ' \"gone.inc\"").declares, Declares::kNothing);
}

TEST(IndexLine, MarkersOpenAndCloseRangesWhateverTheLineIs) {
  const IndexedLine both = IndexLine("x = 1 /* note */\r");
  EXPECT_TRUE(both.opensComment);
  EXPECT_TRUE(both.closesComment);
  const IndexedLine assembly = IndexLine("  _asm\r");
  EXPECT_TRUE(assembly.opensAssembly);
  EXPECT_FALSE(assembly.closesAssembly);
  EXPECT_TRUE(IndexLine("$endasm").closesAssembly);
}

std::string Lines(int count, const std::string& filler = "x = x + 1") {
  std::string text;
  for (int i = 0; i < count; ++i) text += filler + "\r\n";
  return text;
}

TEST(IndexText, ASubroutineIsListedAtItsSubLine) {
  std::string text = Lines(9) + "SUB Main\r\n" + Lines(9) + "ENDSUB\r\n";
  const TextIndex index = IndexText(text);
  ASSERT_EQ(index.subroutines.size(), 1u);
  EXPECT_EQ(index.subroutines[0], (IndexedName{"Main", LineNumber(10), ""}));
  EXPECT_EQ(index.lineCount, 20);
}

TEST(IndexText, BlockCommentsShadeTheirLinesAndAnUnclosedOneShadesNothing) {
  const TextIndex index = IndexText("a = 1\r\n/* start\r\nSUB Hidden\r\nend */\r\nb = 2\r\n/* never closed\r\nc = 3\r\n");
  ASSERT_EQ(index.blockComments.Count(), 2);
  EXPECT_TRUE(index.blockComments.Contains(LineIndex(1)));
  EXPECT_TRUE(index.blockComments.Contains(LineIndex(3)));
  EXPECT_FALSE(index.blockComments.Contains(LineIndex(4)));
  EXPECT_FALSE(index.blockComments.Contains(LineIndex(5)));
  EXPECT_FALSE(index.blockComments.Contains(LineIndex(6)));
  // A SUB inside a block comment is still a subroutine.
  ASSERT_EQ(index.subroutines.size(), 1u);
  EXPECT_EQ(index.subroutines[0].name, "Hidden");
}

TEST(IndexText, ShortLinesAndEveryKindOfBreakAreHandled) {
  // "SU" is too short to index; LF-only and CR-only breaks count lines as CR LF does.
  EXPECT_TRUE(IndexText("SU\r\n").subroutines.empty());
  const TextIndex lf = IndexText("x = 1\nSUB A1\nx = 2\rSUB B2\r");
  ASSERT_EQ(lf.subroutines.size(), 2u);
  EXPECT_EQ(lf.subroutines[0].line, LineNumber(2));
  EXPECT_EQ(lf.subroutines[1].line, LineNumber(4));
}

TEST(IndexText, TheRangeTableHoldsAtMostItsCapacity) {
  std::string text;
  for (int i = 0; i < LineRanges::kCapacity + 5; ++i) text += "/* */\r\n";
  EXPECT_EQ(IndexText(text).blockComments.Count(), LineRanges::kCapacity);
}

}  // namespace
}  // namespace editor
