// Opening a file from the include list: from the include folder, else from the start
// folder through the open dialog; names that would reach elsewhere, and files that are
// nowhere, are refused with a notice and open nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scenarios/file_commands_fixture.h"
#include "view/notices.h"

namespace editor {
namespace {

class IncludeFiles : public FileCommandsTest {
 protected:
  void SetUp() override {
    // The drive root of the headless layer is the start folder: the start-up finds this.
    Source("IWBDev/Include/windows.inc", "CONST WM_USER = 1024\r\n");
    Source("IWBDev/secret.inc", "secret\r\n");
    FileCommandsTest::SetUp();
  }
  void OpenProgramIncluding(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += "$INCLUDE \"" + name + "\"\r\n";
    Open(Source("prog.iwb", text + "x = 1\r\n"));
  }
  void PickInclude(const std::string& name) {
    const int row = Main().ListFindExact(kIncludeCombo, name);
    ASSERT_GE(row, 0) << name;
    ASSERT_TRUE(driver_.PickListEntry(Main(), kIncludeCombo, row));
  }
  int OpenTabs() { return editor_.tabs.OpenFileCount(); }
  std::vector<std::string> NoticeTexts() {
    std::vector<std::string> texts;
    for (const auto& closed : driver_.ClosedWindows())
      if (closed.caption == "Please check") texts.push_back(closed.TextOf(kNoticeTextLabel));
    return texts;
  }
  static std::string NoticeText(int code) { return std::string(FindNotice(code)->text); }
};

TEST_F(IncludeFiles, AnIncludeOpensFromTheIncludeFolderAndIsNeverSavedThere) {
  ASSERT_EQ(editor_.includeFolder, start_ / "IWBDev" / "Include" / "");
  OpenProgramIncluding({"windows.inc"});
  PickInclude("windows.inc");
  const auto inFolder = start_ / "IWBDev" / "Include" / "windows.inc";
  EXPECT_EQ(editor_.currentPath, inFolder);
  EXPECT_EQ(OpenTabs(), 2);
  EXPECT_EQ(Edit().Text(), "CONST WM_USER = 1024\r\n");
  EXPECT_EQ(driver_.Dialogs().size(), 1u) << "only the program's own open dialog";

  driver_.TypeText(Main(), kEditor, "' note");
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFile));
  EXPECT_EQ(Read(inFolder), "CONST WM_USER = 1024\r\n");
  EXPECT_EQ(WindowsTitled("Not allowed"), 1);
}

TEST_F(IncludeFiles, AnIncludeOnlyInTheStartFolderIsOfferedThroughTheOpenDialog) {
  const auto mine = Source("mine.inc", "a = 1\r\n");
  OpenProgramIncluding({"mine.inc"});
  driver_.AnswerOpenDialog(std::nullopt);
  PickInclude("mine.inc");
  EXPECT_EQ(OpenTabs(), 1) << "cancelled";

  driver_.AnswerOpenDialog(mine);
  PickInclude("mine.inc");
  const headless::DialogShown& shown = driver_.Dialogs().back();
  EXPECT_EQ(shown.title, "Load File");
  ASSERT_FALSE(shown.filters.empty());
  EXPECT_EQ(shown.filters.front(), (std::pair<std::string, std::string>{"Include files", "mine.inc"}));
  EXPECT_EQ(shown.initialFolder, start_);
  EXPECT_EQ(editor_.currentPath, mine);
  EXPECT_EQ(OpenTabs(), 2);
}

TEST_F(IncludeFiles, NamesThatReachElsewhereOrFindNothingOpenNothingAndSaySo) {
  const std::string longName = std::string(300, 'n') + ".inc";
  OpenProgramIncluding({"missing.inc", "../secret.inc", "..\\secret.inc", "C:\\IWBDev\\Include\\windows.inc",
                        "/etc/hostname", longName});
  for (const std::string name : {"missing.inc", "../secret.inc", "..\\secret.inc",
                                 "C:\\IWBDev\\Include\\windows.inc", "/etc/hostname", longName.c_str()})
    PickInclude(name);
  EXPECT_EQ(OpenTabs(), 1);
  EXPECT_EQ(editor_.currentPath, start_ / "prog.iwb");
  const std::string notFound = NoticeText(notice::kIncludeNotFound);
  const std::string refused = NoticeText(notice::kIncludeNameRefused);
  EXPECT_EQ(NoticeTexts(), (std::vector<std::string>{notFound, refused, refused, refused, refused, notFound}));
  EXPECT_EQ(driver_.Dialogs().size(), 1u) << "only the program's own open dialog";
}

}  // namespace
}  // namespace editor
