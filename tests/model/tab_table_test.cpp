#include "model/tab_table.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

TabTable TableWith(std::initializer_list<const char*> paths) {
  TabTable table;
  int t = 1;
  for (const char* path : paths) {
    FileTab& tab = table.Tab(t++);
    tab.path = path;
    tab.caption = std::filesystem::path(path).filename().string();
    tab.inUse = true;
  }
  return table;
}

TEST(TabTable, FileOpenComparesWholePathsIgnoringCase) {
  const TabTable table = TableWith({"C:\\src\\a.iwb", "C:\\src\\Prog.iwb"});
  EXPECT_EQ(table.FindOpenFile("C:\\src\\a.iwb"), 1);
  EXPECT_EQ(table.FindOpenFile("c:\\SRC\\PROG.IWB"), 2);
  EXPECT_EQ(table.FindOpenFile("C:/src/prog.iwb"), 2);
  // A caption that merely occurs in the path is not the same file.
  EXPECT_EQ(table.FindOpenFile("C:\\src\\data.iwb"), std::nullopt);
  EXPECT_EQ(table.FindOpenFile(""), std::nullopt);
}

TEST(TabTable, FreeTabIsTheLowestWithNoFileAndNoneWhenAllSixAreTaken) {
  TabTable table = TableWith({"a.iwb", "b.iwb", "c.iwb"});
  EXPECT_EQ(table.FindFreeTab(), 4);
  table.Tab(2).inUse = false;
  EXPECT_EQ(table.FindFreeTab(), 4) << "named by the last run and not shown yet, it still holds its file";
  table.Tab(2) = FileTab{};
  EXPECT_EQ(table.FindFreeTab(), 2);
  const TabTable full = TableWith({"1.iwb", "2.iwb", "3.iwb", "4.iwb", "5.iwb", "6.iwb"});
  EXPECT_EQ(full.FindFreeTab(), std::nullopt);
  EXPECT_EQ(full.OpenFileCount(), 6);
}

TEST(TabTable, OnScreenTabIsFoundWithOrWithoutItsStar) {
  TabTable table = TableWith({"C:\\one.iwb", "C:\\two.iwb"});
  table.Tab(2).caption = "two.iwb*";
  EXPECT_TRUE(table.Tab(2).IsModified());
  EXPECT_EQ(table.Tab(2).Name(), "two.iwb");
  EXPECT_EQ(table.FindOnScreen("two.iwb - An example editor version - 46 . 4"), 2);
  EXPECT_EQ(table.FindOnScreen("two.iwb* - An example editor version - 46 . 4"), 2);
  EXPECT_EQ(table.FindOnScreen("Please open a file "), std::nullopt);
  // A name inside another file's name is not that file: its tab would take the other's text.
  table.Tab(1).caption = "a.iwb";
  table.Tab(3).caption = "data.iwb";
  EXPECT_EQ(table.FindOnScreen("data.iwb - An example editor version - 46 . 4"), 3);
  EXPECT_EQ(table.FindOnScreen("a.iwb* - An example editor version - 46 . 4"), 1);
}

}  // namespace
}  // namespace editor
