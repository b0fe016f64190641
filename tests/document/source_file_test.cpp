// A source file's bytes survive reading and the save form; what the editor cannot hold
// whole is refused before anything is loaded.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "document/source_file.h"

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

TEST(TextLimitForFile, RaisedOnlyAboveHalfAMegabyte) {
  EXPECT_EQ(TextLimitForFile(0), 1'048'576);
  EXPECT_EQ(TextLimitForFile(500'000), 1'048'576);
  EXPECT_EQ(TextLimitForFile(500'001), 1'000'001);
  EXPECT_EQ(TextLimitForFile(3u << 20), (3 << 20) + 500'000);
}

}  // namespace
}  // namespace editor
