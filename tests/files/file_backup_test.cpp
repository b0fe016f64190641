// The backup file's proposed name and the names a user may give it.
#include <gtest/gtest.h>

#include "base/file_names.h"
#include "files/file_backup.h"

namespace editor {
namespace {

TEST(BackupName, StampsTheBaseNameWithDayMonthYearAndTime) {
  EXPECT_EQ(BackupName("prog.iwb", {2020, 12, 31, 14, 5}), "prog-31-12-2020-at-14-05.iwb");
  EXPECT_EQ(BackupName("lib.inc", {2026, 1, 2, 0, 0}), "lib-02-01-2026-at-00-00.inc");
  // The base name ends at the first dot, the extension starts at the last.
  EXPECT_EQ(BackupName("my.prog.eba", {2021, 7, 9, 9, 30}), "my-09-07-2021-at-09-30.eba");
  EXPECT_EQ(BackupName("README", {2021, 7, 9, 23, 59}), "README-09-07-2021-at-23-59");
}

TEST(BackupName, OnlyPlainNamesStayInTheBackupFolder) {
  EXPECT_TRUE(IsPlainFileName("prog-31-12-2020-at-14-05.iwb"));
  EXPECT_TRUE(IsPlainFileName("copy of prog.iwb"));
  for (const char* bad : {"", ".", "..", "..\\prog.iwb", "sub/prog.iwb", "C:prog.iwb", "a?.iwb", "a|b"})
    EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

}  // namespace
}  // namespace editor
