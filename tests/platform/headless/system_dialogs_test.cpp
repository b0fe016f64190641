// The system's dialogs, launches, folders and fonts as a test sees and answers them.
#include <algorithm>

#include "headless_fixture.h"

namespace headless {
namespace {

using SystemDialogs = HeadlessTest;

ui::FileDialogSpec LoadFile() {
  ui::FileDialogSpec desc;
  desc.title = "Load File";
  desc.filters = {{"IWBasic files", "*.iwb;*.eba;*.inc"}};
  return desc;
}

TEST_F(SystemDialogs, QueuedAnswersAreUsedInOrderAndACancelIsAnAnswer) {
  driver_.AnswerOpenDialog("C:/src/a.iwb");
  driver_.AnswerOpenDialog(std::nullopt);
  EXPECT_EQ(system_.OpenFileDialog(*window_, LoadFile()), std::filesystem::path("C:/src/a.iwb"));
  EXPECT_EQ(system_.OpenFileDialog(*window_, LoadFile()), std::nullopt);
  EXPECT_TRUE(driver_.UnansweredDialogs().empty());
  ASSERT_EQ(driver_.Dialogs().size(), 2u);
  EXPECT_EQ(driver_.Dialogs()[0].title, "Load File");
}

TEST_F(SystemDialogs, AnUnansweredDialogCancelsAndIsRecorded) {
  driver_.AnswerOpenDialog("only/for/open.iwb");
  ui::FileDialogSpec saveAs;
  saveAs.title = "Save File As";
  EXPECT_EQ(system_.SaveFileDialog(*window_, saveAs), std::nullopt);
  EXPECT_EQ(system_.FontDialog(*window_, {"Courier New", 12}), std::nullopt);
  const auto unanswered = driver_.UnansweredDialogs();
  ASSERT_EQ(unanswered.size(), 2u);
  EXPECT_EQ(unanswered[0].kind, DialogKind::kSave);
  EXPECT_EQ(unanswered[0].title, "Save File As");
  EXPECT_EQ(unanswered[1].kind, DialogKind::kFont);
  EXPECT_EQ(unanswered[1].currentFont, (ui::FontSpec{"Courier New", 12}));
}

TEST_F(SystemDialogs, LaunchesAreRecordedNotRun) {
  EXPECT_TRUE(system_.OpenWithShell("hh.exe", "C:/ed/Res/tallowmere-editor.chm::page.htm"));
  ASSERT_EQ(driver_.Launches().size(), 1u);
  EXPECT_EQ(driver_.Launches()[0].program, "hh.exe");
  EXPECT_EQ(driver_.Launches()[0].arguments, "C:/ed/Res/tallowmere-editor.chm::page.htm");
}

TEST(HeadlessSystem, DriveRootDefaultsToTheStartFolder) {
  const System plain("/tmp/start");
  EXPECT_EQ(plain.DriveRoot(), "/tmp/start");
  const System rooted("/tmp/start", "/tmp/drive");
  EXPECT_EQ(rooted.DriveRoot(), "/tmp/drive");
}

TEST(HeadlessSystem, InstalledFontsIncludeTheEditorsDefaults) {
  const auto fonts = System("/tmp").InstalledFontFamilies();
  EXPECT_NE(std::find(fonts.begin(), fonts.end(), "Courier New"), fonts.end());
  EXPECT_NE(std::find(fonts.begin(), fonts.end(), "Arial"), fonts.end());
}

}  // namespace
}  // namespace headless
