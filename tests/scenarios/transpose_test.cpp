// "Copy and swap code around" from the editor's context menu: the selection goes to the
// clipboard, the window swaps it around an operator, and the file itself never changes.
#include <gtest/gtest.h>

#include "base/control_ids.h"
#include "editing/transpose_window.h"
#include "scenarios/file_commands_fixture.h"
#include "view/notices.h"

namespace editor {
namespace {

class Transpose : public FileCommandsTest {
 protected:
  void OpenAndSelect(const std::string& text, int start, int end) {
    Open(Source("prog.iwb", text));
    Main().Focus(kEditor);
    Edit().SetSelection(start, end);
  }
  bool PickSwap() {
    driver_.RightClickAt(Main(), kEditor, 0);
    return driver_.PickContextMenuItem(Main(), kContextTranspose);
  }
  void WhenTransposeOpens(headless::WindowAction action) {
    driver_.WhenWindowOpens(std::string(transpose::kCaption), std::move(action));
  }
};

constexpr char kProgram[] = "SUB main\r\n\tx = a\r\n\ty = b + 1\r\nENDSUB\r\n";

TEST_F(Transpose, TheSelectionComesBackSwappedOnTheClipboardAndTheFileIsUntouched) {
  OpenAndSelect(kProgram, 9, 27);  // the two assignment lines with their breaks
  const std::string before = Edit().Text();
  std::string offered;
  WhenTransposeOpens([&](ui::Window& w) {
    offered = w.GetText(transpose::kOperatorBox);
    driver_.Click(w, transpose::kTransposeButton);
  });
  ASSERT_TRUE(PickSwap());
  EXPECT_EQ(offered, "=");
  EXPECT_EQ(driver_.Clipboard(), "\ta = x \r\n\tb + 1 = y \r\n");
  EXPECT_EQ(Edit().Text(), before);
  EXPECT_TRUE(NoticeShown("Done"));
  EXPECT_TRUE(Main().IsMenuItemEnabled(kMenuPaste));
}

TEST_F(Transpose, TheOperatorTypedIsUsedWithoutItsLeadingBlanksAndOfferedNextTime) {
  OpenAndSelect(kProgram, 16, 27);
  WhenTransposeOpens([&](ui::Window& w) {
    w.SetText(transpose::kOperatorBox, "  +");
    driver_.Click(w, transpose::kTransposeButton);
  });
  ASSERT_TRUE(PickSwap());
  EXPECT_EQ(driver_.Clipboard(), "\t1 + y = b \r\n");

  std::string offered;
  WhenTransposeOpens([&](ui::Window& w) {
    offered = w.GetText(transpose::kOperatorBox);
    driver_.Click(w, transpose::kCloseButton);
  });
  ASSERT_TRUE(PickSwap());
  EXPECT_EQ(offered, "+");
  EXPECT_EQ(driver_.Clipboard(), "\ty = b + 1\r\n") << "Close leaves the copied selection as it is";

  // With nothing selected, the clipboard as it stands is swapped.
  Edit().SetSelection(0, 0);
  system_.SetClipboardText("p + q");
  WhenTransposeOpens([&](ui::Window& w) { driver_.Click(w, transpose::kTransposeButton); });
  ASSERT_TRUE(PickSwap());
  EXPECT_EQ(driver_.Clipboard(), "q + p ");
}

TEST_F(Transpose, ABlankOperatorIsRefusedAndTheWindowWaitsForOne) {
  OpenAndSelect(kProgram, 9, 16);
  bool stayedOpen = false;
  WhenTransposeOpens([&](ui::Window& w) {
    w.SetText(transpose::kOperatorBox, "   ");
    driver_.Click(w, transpose::kTransposeButton);
    stayedOpen = w.IsOpen();
    driver_.ClickCloseBox(w);
  });
  ASSERT_TRUE(PickSwap());
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(NoticeShown("Selection"));
  EXPECT_FALSE(NoticeShown("Done"));
  EXPECT_EQ(driver_.Clipboard(), "\tx = a\r\n") << "the copied selection is left as it was";
}

}  // namespace
}  // namespace editor
