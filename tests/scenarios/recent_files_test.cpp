// The "Recent files" window: newest first with repeats next to each other shown once, a
// file that has gone refused with a notice, a pick opened and remembered, and clearing.
#include <gtest/gtest.h>

#include "files/recent_files_window.h"
#include "scenarios/file_commands_fixture.h"

namespace editor {
namespace {

class RecentFiles : public FileCommandsTest {
 protected:
  std::filesystem::path List() { return start_ / "Res" / "RecentFiles.ini"; }
  // The window's rows as it opened, after the action run on it.
  std::vector<std::string> RunWindow(const std::function<void(ui::Window&)>& action) {
    std::vector<std::string> rows;
    driver_.WhenWindowOpens("Recent files", [&](ui::Window& w) {
      for (int r = 0; r < w.ViewRowCount(recent_files::kList); ++r) rows.push_back(w.ViewCell(recent_files::kList, r, 0));
      action(w);
    });
    EXPECT_TRUE(driver_.PickMenuItem(Main(), kMenuRecentFiles));
    return rows;
  }
};

TEST_F(RecentFiles, NewestFirstAGoneFileRefusedAPickOpenedAndRemembered) {
  const std::string a = Source("a.iwb", "x = 1\r\n").string();
  const std::string b = Source("b.iwb", "y = 2\r\n").string();
  const std::string gone = (start_ / "gone.iwb").string();
  WriteFile(List(), a + "\r\n" + a + "\r\n  " + gone + "  \r\n\r\n" + a + "\r\n" + b + "\r\n");

  const auto rows = RunWindow([&](ui::Window& w) { ASSERT_TRUE(driver_.ListViewClick(w, recent_files::kList, 2)); });
  EXPECT_EQ(rows, (std::vector<std::string>{b, a, gone, a}));
  EXPECT_TRUE(NoticeShown("Sorry"));
  EXPECT_EQ(editor_.tabs.ActiveTab(), 0) << "no tab takes the name of a file that has gone";

  RunWindow([&](ui::Window& w) { ASSERT_TRUE(driver_.ListViewClick(w, recent_files::kList, 0)); });
  ASSERT_EQ(editor_.tabs.ActiveTab(), 1);
  EXPECT_EQ(Edit().Text(), "y = 2\r\n");
  EXPECT_EQ(Read(List()).substr(Read(List()).size() - b.size() - 2), b + "\r\n") << "opened again: remembered again";
}

TEST_F(RecentFiles, ClearingEmptiesTheListAndAnEmptyListCannotBeCleared) {
  WriteFile(List(), Source("a.iwb", "").string() + "\r\n");
  RunWindow([&](ui::Window& w) { ASSERT_TRUE(driver_.Click(w, recent_files::kClearButton)); });
  EXPECT_FALSE(std::filesystem::exists(List()));
  bool clearable = true;
  const auto rows = RunWindow([&](ui::Window& w) {
    clearable = w.IsControlEnabled(recent_files::kClearButton);
    driver_.Click(w, recent_files::kCloseButton);
  });
  EXPECT_TRUE(rows.empty());
  EXPECT_FALSE(clearable);
}

}  // namespace
}  // namespace editor
