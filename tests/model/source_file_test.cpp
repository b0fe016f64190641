// A source file's bytes survive reading and the save form; what the editor cannot hold
// whole is refused before anything is loaded.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "model/source_file.h"

#include <sys/resource.h>

#include <csignal>

namespace editor {
namespace {

class SourceFileTest : public ::testing::Test {
 protected:
  SourceFileTest()
      : folder_(std::filesystem::temp_directory_path() / ("source-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(folder_);
  }
  ~SourceFileTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::filesystem::path Write(const std::string& name, const std::string& bytes) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string RoundTrip(const std::string& bytes) {
    const SourceRead read = ReadSourceFile(Write("prog.iwb", bytes));
    EXPECT_EQ(read.status, SourceReadStatus::kRead);
    return SaveFormOf(read.bytes, HexLiterals::kAsTheyAre);
  }
  std::filesystem::path folder_;
};

TEST_F(SourceFileTest, EveryByteButNulSurvivesOpenAndSave) {
  std::string line;
  for (int b = 1; b <= 255; ++b)
    if (b != '\r' && b != '\n') line.push_back(static_cast<char>(b));
  const std::string bytes = line + "\r\n" + line + "\r\n";
  EXPECT_EQ(RoundTrip(bytes), bytes);
  EXPECT_EQ(SaveFormOf(bytes, HexLiterals::kLowerFirstOfEachLine), bytes);  // holds no "0x"
}

TEST_F(SourceFileTest, LongLinesAndLargeFilesAreSavedWhole) {
  const std::string longLine = "PRINT \"" + std::string(600, 'a') + "\"\r\n";
  EXPECT_EQ(RoundTrip(longLine), longLine);
  std::string large;
  for (int i = 0; large.size() < (3u << 20); ++i) large += "  x = x + " + std::to_string(i) + " ' counting\r\n";
  EXPECT_EQ(RoundTrip(large), large);
}

TEST_F(SourceFileTest, EveryLineEndsInCrLfWhateverItsBreakWas) {
  EXPECT_EQ(RoundTrip("a = 1\nb = 2\n"), "a = 1\r\nb = 2\r\n");
  EXPECT_EQ(RoundTrip("a = 1\rb = 2\r"), "a = 1\r\nb = 2\r\n");
  EXPECT_EQ(RoundTrip("a = 1\r\nlast"), "a = 1\r\nlast\r\n");
  EXPECT_EQ(RoundTrip("a\r\n\r\nb\r\n"), "a\r\n\r\nb\r\n");  // blank lines kept, none added
  EXPECT_EQ(RoundTrip(""), "");
}

TEST_F(SourceFileTest, OnlyTheFirstUnquotedHexLiteralOfALineIsLowered) {
  EXPECT_EQ(SaveFormOf("x = 0XFF + 0XAB", HexLiterals::kLowerFirstOfEachLine), "x = 0xff + 0XAB\r\n");
  EXPECT_EQ(SaveFormOf("s = \"0X1\" : y = 0X2", HexLiterals::kLowerFirstOfEachLine), "s = \"0X1\" : y = 0X2\r\n");
  EXPECT_EQ(SaveFormOf("PRINT 0XAB+1", HexLiterals::kLowerFirstOfEachLine), "PRINT 0xab+1\r\n");
  EXPECT_EQ(SaveFormOf("0X", HexLiterals::kLowerFirstOfEachLine), "0X\r\n");  // too short to touch
  EXPECT_EQ(SaveFormOf("x = 0XFF", HexLiterals::kAsTheyAre), "x = 0XFF\r\n");
}

TEST_F(SourceFileTest, FilesTheEditorCannotHoldWholeAreRefused) {
  const auto withNul = Write("nul.iwb", std::string("PRINT 1\r\n\0PRINT 2\r\n", 19));
  const SourceRead nul = ReadSourceFile(withNul);
  EXPECT_EQ(nul.status, SourceReadStatus::kHasNul);
  EXPECT_TRUE(nul.bytes.empty());
  EXPECT_EQ(std::filesystem::file_size(withNul), 19u);

  const auto huge = Write("huge.iwb", "");
  std::filesystem::resize_file(huge, kMaxSourceBytes + 1);  // sparse: costs no disk
  EXPECT_EQ(ReadSourceFile(huge).status, SourceReadStatus::kTooLarge);

  EXPECT_EQ(ReadSourceFile(folder_ / "absent.iwb").status, SourceReadStatus::kMissing);
  EXPECT_EQ(ReadSourceFile(folder_).status, SourceReadStatus::kUnreadable);
}

// A write cut off by a full disk: the file size limit stops it partway, as ENOSPC would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
};

TEST_F(SourceFileTest, AWriteThatFailsMidwayLeavesTheOldFileByteForByte) {
  const std::string old = "SUB Main\r\n" + std::string(4096, 'o') + "\r\nENDSUB\r\n";
  const auto path = Write("prog.iwb", old);
  const std::string bigger(3 << 20, 'n');
  SourceWriteStatus status;
  {
    const FileSizeLimit limit(1 << 20);
    status = WriteSourceFile(DiskFiles(), path, bigger);
  }
  EXPECT_EQ(status, SourceWriteStatus::kFailed);
  EXPECT_EQ(ReadSourceFile(path).bytes, old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1) << "no temporary left behind";
  EXPECT_EQ(WriteSourceFile(DiskFiles(), path, bigger), SourceWriteStatus::kWritten);
  EXPECT_EQ(ReadSourceFile(path).bytes, bigger);
}

TEST_F(SourceFileTest, ReadOnlyFilesAndMissingFoldersAreNotWritten) {
  const auto path = Write("locked.iwb", "a = 1\r\n");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  EXPECT_EQ(WriteSourceFile(DiskFiles(), path, "b = 2\r\n"), SourceWriteStatus::kReadOnly);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadSourceFile(path).bytes, "a = 1\r\n");
  EXPECT_EQ(WriteSourceFile(DiskFiles(), folder_ / "gone" / "x.iwb", "x"), SourceWriteStatus::kFailed);
  EXPECT_EQ(WriteSourceFile(DiskFiles(), {}, "x"), SourceWriteStatus::kFailed);
  EXPECT_EQ(WriteSourceFile(DiskFiles(), folder_ / "new.iwb", ""), SourceWriteStatus::kWritten);
  EXPECT_TRUE(std::filesystem::exists(folder_ / "new.iwb"));
}

TEST(SaveForm, ReportsEachLineOnceForTheProgressBar) {
  std::vector<int> lines;
  SaveFormOf("a\r\nb\nc", HexLiterals::kAsTheyAre, [&lines](int line) { lines.push_back(line); });
  EXPECT_EQ(lines, (std::vector<int>{1, 2, 3}));
}

TEST(TextLimitForFile, RaisedOnlyAboveHalfAMegabyte) {
  EXPECT_EQ(TextLimitForFile(0), 1'048'576);
  EXPECT_EQ(TextLimitForFile(500'000), 1'048'576);
  EXPECT_EQ(TextLimitForFile(500'001), 1'000'001);
  EXPECT_EQ(TextLimitForFile(3u << 20), (3 << 20) + 500'000);
}

}  // namespace
}  // namespace editor
