// The "Fast code" window: a snippet file per control type in Res, saving to it, copying
// the ticked snippets, and files the window cannot show.
#include <gtest/gtest.h>

#include <functional>

#include "base/control_ids.h"
#include "scenarios/file_commands_fixture.h"
#include "search/fast_code_window.h"
#include "view/notices.h"

namespace editor {
namespace {

using namespace fast_code;

class FastCode : public FileCommandsTest {
 protected:
  // The button is on screen while a file is open.
  void SetUp() override {
    FileCommandsTest::SetUp();
    Open(Source("prog.iwb", "a = 1\r\n"));
  }
  // Runs the window through the main window's button with the user's steps in it.
  void UseWindow(std::function<void(ui::Window&)> user) {
    bool mainHidden = false;
    driver_.WhenWindowOpens(std::string(kCaption), [&](ui::Window& w) {
      mainHidden = !Main().IsVisible();
      user(w);
      if (w.IsOpen()) driver_.Click(w, kCloseButton);
    });
    ASSERT_TRUE(driver_.Click(Main(), kFastCodeButton));
    EXPECT_TRUE(mainHidden);
    EXPECT_TRUE(Main().IsVisible());
  }
  static std::vector<std::string> Rows(ui::Window& w) {
    std::vector<std::string> rows;
    for (int r = 0; r < w.ViewRowCount(kList); ++r) rows.push_back(w.ViewCell(kList, r, 0));
    return rows;
  }
  std::filesystem::path InRes(const std::string& name) { return start_ / "Res" / name; }
};

using RowTexts = std::vector<std::string>;

TEST_F(FastCode, OnAFreshInstallTheButtonFileIsMadeAndTheFindBoxTextIsOfferedToAdd) {
  Main().SetText(kFindBox, "SETFOCUS win, 3");
  UseWindow([&](ui::Window& w) {
    EXPECT_EQ(w.ListText(kTypeCombo, w.ListSelected(kTypeCombo)), "Button");
    EXPECT_EQ(w.ListCount(kTypeCombo), 15);
    EXPECT_NE(w.GetText(kHintLabel).find("edit Button.ini (located in the Res folder)"), std::string::npos);
    EXPECT_EQ(w.GetText(kAddBox), "SETFOCUS win, 3");
    EXPECT_TRUE(w.IsControlEnabled(kSaveButton));
    EXPECT_TRUE(Rows(w).empty());
  });
  EXPECT_TRUE(std::filesystem::exists(InRes("Button.ini")));
  EXPECT_EQ(Read(InRes("Button.ini")), "");
}

TEST_F(FastCode, TwoSavedLinesAreCopiedEachWithCrLfAndTheWindowCloses) {
  UseWindow([&](ui::Window& w) {
    driver_.PickListEntry(w, kTypeCombo, 3);  // Edit
    w.SetText(kAddBox, "");
    EXPECT_FALSE(w.IsControlEnabled(kSaveButton)) << "nothing to save";
    for (const char* line : {"SETCONTROLTEXT w, 1, \"\"", "text = GETCONTROLTEXT(w, 1)"}) {
      driver_.TypeText(w, kAddBox, line);
      ASSERT_TRUE(driver_.Click(w, kSaveButton));
      EXPECT_EQ(w.GetText(kAddBox), "");
      EXPECT_FALSE(w.IsControlEnabled(kSaveButton));
    }
    ASSERT_EQ(Rows(w), (RowTexts{"SETCONTROLTEXT w, 1, \"\"", "text = GETCONTROLTEXT(w, 1)"}));
    driver_.ListViewClick(w, kList, 0);    // on the text: the tick turns over
    driver_.ClickTickBox(w, kList, 1);     // on the box: the control turns it itself
    EXPECT_TRUE(w.ViewIsTicked(kList, 0));
    EXPECT_TRUE(w.ViewIsTicked(kList, 1));
    driver_.Click(w, kCopyButton);
    EXPECT_FALSE(w.IsOpen());
  });
  EXPECT_EQ(driver_.Clipboard(), "SETCONTROLTEXT w, 1, \"\"\r\ntext = GETCONTROLTEXT(w, 1)\r\n");
  EXPECT_EQ(Read(InRes("Edit.ini")), "SETCONTROLTEXT w, 1, \"\"\r\ntext = GETCONTROLTEXT(w, 1)\r\n");
}

TEST_F(FastCode, SelectAllClearAllAndStayingOpenAfterACopy) {
  WriteFile(InRes("Button.ini"), "a\r\nb\r\nc");
  UseWindow([&](ui::Window& w) {
    driver_.Click(w, kSelectAllButton);
    driver_.Click(w, kCloseAfterCopyBox);
    driver_.ListViewClick(w, kList, 1);  // b untick
    driver_.Click(w, kCopyButton);
    EXPECT_TRUE(w.IsOpen());
    EXPECT_EQ(driver_.Clipboard(), "a\r\nc\r\n");
    driver_.Click(w, kClearAllButton);
    driver_.Click(w, kCopyButton);
    EXPECT_EQ(driver_.Clipboard(), "");
  });
}

TEST_F(FastCode, AHandTypedBlankLineShowsUntilAnotherTypeIsChosenAndAgainAfterASave) {
  WriteFile(InRes("Button.ini"), "one\r\n\r\ntwo");
  UseWindow([&](ui::Window& w) {
    EXPECT_EQ(Rows(w), (RowTexts{"one", "", "two"}));
    driver_.PickListEntry(w, kTypeCombo, 1);
    EXPECT_NE(w.GetText(kHintLabel).find("Checkbox.ini"), std::string::npos);
    driver_.PickListEntry(w, kTypeCombo, 0);
    EXPECT_EQ(Rows(w), (RowTexts{"one", "two"}));
    w.SetText(kAddBox, "three");
    driver_.Click(w, kSaveButton);
    EXPECT_EQ(Rows(w), (RowTexts{"one", "", "two", "three"}));
  });
  EXPECT_EQ(Read(InRes("Button.ini")), "one\r\n\r\ntwo\r\nthree\r\n") << "the unended last line is ended first";
}

TEST_F(FastCode, AFileWithNulBytesIsNeitherShownNorChangedAndALongLineIsCopiedWhole) {
  const std::string binary("ok\r\n\x00\x01\xff\r\n", 9);
  WriteFile(InRes("Button.ini"), binary);
  const std::string longLine(100'000, 'x');
  WriteFile(InRes("Static.ini"), longLine + "\r\n");
  UseWindow([&](ui::Window& w) {
    EXPECT_TRUE(Rows(w).empty());
    w.SetText(kAddBox, "more");
    driver_.Click(w, kSaveButton);
    EXPECT_EQ(w.GetText(kAddBox), "more") << "the line waits in the box";
    driver_.PickListEntry(w, kTypeCombo, 6);
    ASSERT_EQ(w.ViewRowCount(kList), 1);
    driver_.ListViewClick(w, kList, 0);
    driver_.Click(w, kCopyButton);
  });
  EXPECT_EQ(Read(InRes("Button.ini")), binary);
  EXPECT_EQ(WindowsTitled("Please check"), 2) << "on opening and on the refused save";
  EXPECT_TRUE(driver_.Clipboard() == longLine + "\r\n");
}

}  // namespace
}  // namespace editor
