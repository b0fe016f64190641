// Selection, replacement and per-character colour: how the editor edits and colours text.
#include "contract_fixture.h"

namespace contract {
namespace {

using RichEditSelection = ContractTest;

constexpr ui::Colour kBlack = ui::Rgb(0, 0, 0);
constexpr ui::Colour kBlue = ui::Rgb(0, 0, 255);
constexpr ui::Colour kGreen = ui::Rgb(0, 128, 0);

TEST_F(RichEditSelection, SetAndGetSelection) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("PRINT x\r\nEND");
  edit.SetSelection(2, 5);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(2, 5));
  EXPECT_EQ(edit.SelectedText(), "INT");
  edit.SetSelection(0, -1);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(0, 11));
}

TEST_F(RichEditSelection, SelectedTextAcrossLinesUsesCrBreaks) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("ab\r\ncd\r\nef");
  edit.SetSelection(1, 7);
  EXPECT_EQ(edit.SelectedText(), "b\rcd\re");
}

TEST_F(RichEditSelection, ReplaceSelectionInsertsAndLeavesTheCaretAfterIt) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("PRINT x\r\nEND");
  edit.SetSelection(6, 7);
  edit.ReplaceSelection("total", true);
  EXPECT_EQ(edit.Text(), "PRINT total\r\nEND");
  EXPECT_EQ(edit.GetSelection(), std::make_pair(11, 11));
}

TEST_F(RichEditSelection, ReplaceSelectionWithBreaksAddsLines) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("a\r\nd");
  edit.SetSelection(1, 1);
  edit.ReplaceSelection("\r\nb\r\nc", false);
  EXPECT_EQ(edit.LineCount(), 4);
  EXPECT_EQ(edit.Text(), "a\r\nb\r\nc\r\nd");
}

TEST_F(RichEditSelection, ReplacingWithNothingDeletes) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("one\r\ntwo\r\nthree");
  edit.SetSelection(edit.LineIndex(1), edit.LineIndex(2));
  edit.ReplaceSelection("", false);
  EXPECT_EQ(edit.Text(), "one\r\nthree");
}

TEST_F(RichEditSelection, ColouringASelectionColoursExactlyThoseCharacters) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetDefaultTextColour(kBlack);
  edit.SetText("PRINT x 'note\r\nEND");
  edit.SetSelection(0, 5);
  edit.SetSelectionColour(kBlue);
  edit.SetSelection(8, 13);
  edit.SetSelectionColour(kGreen);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(edit.ColourAt(i), kBlue) << "at " << i;
  for (int i = 5; i < 8; ++i) EXPECT_EQ(edit.ColourAt(i), kBlack) << "at " << i;
  for (int i = 8; i < 13; ++i) EXPECT_EQ(edit.ColourAt(i), kGreen) << "at " << i;
  for (int i = 14; i < 17; ++i) EXPECT_EQ(edit.ColourAt(i), kBlack) << "at " << i;
}

TEST_F(RichEditSelection, ColouringChangesNeitherTextNorSelection) {
  ui::RichEdit& edit = MakeRichEdit(ui::event_mask::kChange);
  edit.SetText("SUB Main\r\nENDSUB");
  events_.clear();
  edit.SetSelection(0, 3);
  edit.SetSelectionColour(kBlue);
  edit.SetSelection(4, 6);
  EXPECT_EQ(edit.ColourAt(1), kBlue);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(4, 6));
  EXPECT_EQ(edit.Text(), "SUB Main\r\nENDSUB");
  EXPECT_TRUE(NotifyCodesOf(kEdit).empty());
}

TEST_F(RichEditSelection, NewTextReplacesColours) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetDefaultTextColour(kBlack);
  edit.SetText("PRINT");
  edit.SetSelection(0, -1);
  edit.SetSelectionColour(kBlue);
  edit.SetText("END");
  EXPECT_EQ(edit.ColourAt(0), kBlack);
}

}  // namespace
}  // namespace contract
