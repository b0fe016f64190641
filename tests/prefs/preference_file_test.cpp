// The preference file: its one table of lines, reading damaged and odd files, writing it
// whole or not at all, and restoring it from the factory backup.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "model/preference_lines.h"
#include "prefs/colour_rows.h"
#include "prefs/preference_file.h"

namespace editor {
namespace {

// The 47 values the first-time setup writes, in order.
constexpr std::string_view kSetupValues[] = {
    "1",   "12",  "Courier New", "1",   "13882323", "13882323", "1",     "1",       "6",        "1",
    "1",   "1",   "1",           "1",   "10",       "120000",   "112",   "113",     "114",      "115",
    "3",   "12",  "1",           "255", "128",      "128",      "128",   "0",       "0",        "1",
    "26112", "25783", "255",     "6908265", "16711680", "6908265", "0", "1",      "0",        "1",
    "0",   "1",   "1",           "128", "255",      "0",        "0"};

std::string Lines(std::initializer_list<std::string_view> values, std::string_view end = "\r\n") {
  std::string text;
  for (std::string_view value : values) {
    text += value;
    text += end;
  }
  return text;
}

std::string FactoryWithLine(int line, std::string_view value) {
  std::string text;
  for (int i = 1; i <= kPreferenceLineCount; ++i) {
    text += i == line ? value : kSetupValues[i - 1];
    text += "\r\n";
  }
  return text;
}

EditorPreferences Factory() {
  EditorPreferences prefs;
  TakePreferenceText(FactoryPreferenceText(), prefs);
  return prefs;
}

class PreferenceFiles : public ::testing::Test {
 protected:
  PreferenceFiles()
      : start_(std::filesystem::temp_directory_path() / ("prefs-" + std::to_string(std::random_device{}()))),
        folders_((std::filesystem::create_directories(start_ / "Res"), start_)) {}
  ~PreferenceFiles() override {
    std::error_code ignored;
    std::filesystem::remove_all(start_, ignored);
  }

  std::filesystem::path File() const { return folders_.InRes(kPreferenceFileName); }
  std::filesystem::path Backup() const { return folders_.InRes(kPreferenceBackupName); }
  static void Write(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  bool TemporaryLeft() const {
    std::filesystem::path temporary = File();
    temporary += ".tmp";
    return std::filesystem::exists(temporary);
  }

  std::filesystem::path start_;
  FolderLayout folders_;
};

// The table.

TEST(PreferenceLines, AreTheFileOrderOneToFortySevenWithTheSetupsFactoryValues) {
  const auto lines = PreferenceLines();
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kPreferenceLineCount));
  std::string expected;
  for (int i = 0; i < kPreferenceLineCount; ++i) {
    EXPECT_EQ(lines[static_cast<std::size_t>(i)].line, i + 1);
    expected += std::string(kSetupValues[i]) + "\r\n";
  }
  EXPECT_EQ(FactoryPreferenceText(), expected);
}

TEST(PreferenceLines, TheMissingFileValuesAreTheStartUpValues) {
  EditorPreferences prefs = Factory();
  prefs.comment = ui::Rgb(1, 2, 3);  // not stored: left alone
  SetMissingFileValues(prefs);
  EditorPreferences expected;
  expected.comment = ui::Rgb(1, 2, 3);
  EXPECT_EQ(prefs, expected);
  EXPECT_EQ(expected.windowBackground, ui::Rgb(231, 222, 231));
  EXPECT_EQ(expected.constants, 36095u);
  EXPECT_EQ(expected.windowText, 128u);
}

TEST(PreferenceLines, EachDialogControlShowsOneLineAndEachSwatchItsOwnColour) {
  std::set<ui::ControlId> controls;
  for (const PreferenceLine& line : PreferenceLines()) {
    if (line.control == 0) continue;
    EXPECT_TRUE(controls.insert(line.control).second) << "line " << line.line;
    if (const auto* colour = std::get_if<ui::Colour EditorPreferences::*>(&line.field)) {
      const ColourRow* row = FindColourRow(line.control);
      ASSERT_NE(row, nullptr) << "line " << line.line;
      EXPECT_EQ(row->field, *colour) << "line " << line.line;
    }
  }
  EXPECT_EQ(ColourRows().size(), 19u);  // the 16 stored colours and text, comment, quotation
}

// Every line written from its own setting and read back into it: a value that went to
// the wrong line or the wrong setting shows here.
TEST(PreferenceLines, EveryLineRoundTripsThroughItsOwnPlace) {
  EditorPreferences prefs = Factory();
  std::vector<std::string> chosen;
  for (const PreferenceLine& line : PreferenceLines()) {
    std::string value;
    if (std::holds_alternative<FontNameField>(line.field)) value = "Lucida Console";
    else if (std::holds_alternative<FontSizeField>(line.field)) value = "20";
    else if (std::holds_alternative<KeywordCase EditorPreferences::*>(line.field)) value = "3";
    else if (std::holds_alternative<bool EditorPreferences::*>(line.field)) value = LineText(prefs, line) == "1" ? "0" : "1";
    else if (std::holds_alternative<ui::Colour EditorPreferences::*>(line.field)) value = std::to_string(70000 + line.line);
    else value = std::to_string(std::clamp(line.line + 1, line.minimum, line.maximum));
    if (line.line == 10) value = chosen[0];  // the colour word's second line repeats the first
    chosen.push_back(value);
    TakeLineText(prefs, line, value);
  }
  const std::string text = PreferenceText(prefs);
  std::string expected;
  for (const std::string& value : chosen) expected += value + "\r\n";
  EXPECT_EQ(text, expected);
  EditorPreferences readBack;
  EXPECT_EQ(TakePreferenceText(text, readBack).status, PreferenceReadStatus::kRead);
  EXPECT_EQ(readBack, prefs);
}

// Reading.

TEST(PreferenceText, IntegersAreRoundedAndANonNumberReadsZero) {
  EditorPreferences prefs = Factory();
  TakePreferenceText(FactoryWithLine(2, "12.6"), prefs);
  EXPECT_EQ(prefs.editorFont.pointSize, 13);
  TakePreferenceText(FactoryWithLine(21, "2.4 chars"), prefs);
  EXPECT_EQ(prefs.tabSpacing, 2);
  const PreferenceRead read = TakePreferenceText(FactoryWithLine(35, "blue"), prefs);
  EXPECT_EQ(prefs.keyword, 0u);
  EXPECT_EQ(read.status, PreferenceReadStatus::kDamaged);
  EXPECT_EQ(read.damagedLines, std::vector<int>{35});
}

TEST(PreferenceText, LineTenWinsOverLineOneForTheColourWord) {
  std::string text = FactoryWithLine(1, "0");
  EditorPreferences prefs;
  TakePreferenceText(text, prefs);
  EXPECT_TRUE(prefs.colourWordIsColour);
  EXPECT_EQ(prefs.ColourWord(), "colour");
  text = FactoryWithLine(10, "0");
  TakePreferenceText(text, prefs);
  EXPECT_FALSE(prefs.colourWordIsColour);
}

TEST(PreferenceText, AShortFileLeavesTheRestAndLinesBeyondFortySevenAreIgnored) {
  EditorPreferences prefs = Factory();
  prefs.lineDefault = ui::Rgb(9, 9, 9);
  const PreferenceRead read = TakePreferenceText(Lines({"0", "16", "Consolas"}), prefs);
  EXPECT_EQ(read.linesRead, 3);
  EXPECT_FALSE(prefs.colourWordIsColour);
  EXPECT_EQ(prefs.editorFont, (ui::FontSpec{"Consolas", 16}));
  EXPECT_EQ(prefs.lineDefault, ui::Rgb(9, 9, 9));

  EditorPreferences longer;
  const PreferenceRead all = TakePreferenceText(FactoryPreferenceText() + Lines({"garbage", "99"}), longer);
  EXPECT_EQ(all.linesRead, 47);
  EXPECT_EQ(all.status, PreferenceReadStatus::kRead);
  EXPECT_EQ(longer, Factory());
}

TEST(PreferenceText, LfOnlyCrOnlyAndAByteOrderMarkReadLikeCrLf) {
  std::string lf, cr;
  for (std::string_view value : kSetupValues) {
    lf += std::string(value) + "\n";
    cr += std::string(value) + "\r";
  }
  for (const std::string& text : {lf, cr, std::string("\xEF\xBB\xBF") + FactoryPreferenceText()}) {
    EditorPreferences prefs;
    EXPECT_EQ(TakePreferenceText(text, prefs).status, PreferenceReadStatus::kRead);
    EXPECT_EQ(prefs, Factory());
  }
}

TEST(PreferenceText, ValuesOutsideWhatTheEditorCanUseAreBroughtIn) {
  EditorPreferences prefs;
  std::string text = FactoryWithLine(2, "1000000");
  TakePreferenceText(text, prefs);
  EXPECT_EQ(prefs.editorFont.pointSize, 72);
  TakePreferenceText(FactoryWithLine(9, "60"), prefs);
  EXPECT_EQ(prefs.maxOpenFiles, 6);
  TakePreferenceText(FactoryWithLine(45, "99999999999999"), prefs);
  EXPECT_EQ(prefs.lineHighlight, 0xFFFFFFu);
  TakePreferenceText(FactoryWithLine(45, "-5"), prefs);
  EXPECT_EQ(prefs.lineHighlight, 0u);
  TakePreferenceText(FactoryWithLine(4, "7"), prefs);
  EXPECT_EQ(prefs.keywordCase, KeywordCase::kLowercase);  // any case but 1 and 3 writes lower
  TakePreferenceText(FactoryWithLine(7, "2"), prefs);
  EXPECT_TRUE(prefs.autoJumpToSelections);
}

TEST(PreferenceText, AFontNameThatCannotNameAFontKeepsTheCurrentOne) {
  for (std::string_view bad : {std::string_view(""), std::string_view("Courier\x01New"),
                               std::string_view("A font name far longer than any face name")}) {
    EditorPreferences prefs;
    const PreferenceRead read = TakePreferenceText(FactoryWithLine(3, bad), prefs);
    EXPECT_EQ(prefs.editorFont.face, "Courier New");
    EXPECT_EQ(read.damagedLines, std::vector<int>{3});
  }
}

TEST(PreferenceText, BinaryGarbageFillsWhatItCanWithUsableValues) {
  std::mt19937 random(7);
  std::string bytes(5000, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  EditorPreferences prefs;
  TakePreferenceText(bytes, prefs);
  EXPECT_GE(prefs.editorFont.pointSize, 6);
  EXPECT_LE(prefs.editorFont.pointSize, 72);
  EXPECT_GE(prefs.maxOpenFiles, 1);
  EXPECT_LE(prefs.maxOpenFiles, 6);
  EXPECT_LE(prefs.windowBackground, 0xFFFFFFu);
  EXPECT_FALSE(prefs.editorFont.face.empty());
}

TEST_F(PreferenceFiles, AMissingFileOrADirectoryInItsPlaceGivesTheMissingFileValues) {
  EditorPreferences prefs = Factory();
  EXPECT_EQ(ReadPreferenceFile(File(), prefs).status, PreferenceReadStatus::kMissing);
  EXPECT_EQ(prefs, EditorPreferences{});
  EXPECT_EQ(prefs.editorFont, (ui::FontSpec{"Courier New", 12}));
  EXPECT_FALSE(prefs.autoJumpToSelections);

  std::filesystem::create_directory(File());
  prefs = Factory();
  EXPECT_EQ(ReadPreferenceFile(File(), prefs).status, PreferenceReadStatus::kMissing);
  EXPECT_EQ(prefs.windowBackground, ui::Rgb(231, 222, 231));
}

TEST_F(PreferenceFiles, AHugeFileWithoutLineEndsReadsOneLineAndStops) {
  Write(File(), "0" + std::string(8 * 1024 * 1024, '7'));
  EditorPreferences prefs;
  const PreferenceRead read = ReadPreferenceFile(File(), prefs);
  EXPECT_EQ(read.linesRead, 1);
  EXPECT_TRUE(prefs.colourWordIsColour);  // "0777..." is not 0
  EXPECT_EQ(prefs.editorFont.pointSize, 12);
}

// Writing.

TEST_F(PreferenceFiles, WritingThenReadingGivesTheSameValuesAndLeavesNoTemporary) {
  EditorPreferences prefs = Factory();
  prefs.keyword = ui::Rgb(10, 20, 30);
  prefs.editorFont = {"Consolas", 15};
  prefs.colourWordIsColour = false;
  Write(File(), "old contents");
  ASSERT_TRUE(WritePreferenceFile(DiskFiles(), File(), prefs));
  EXPECT_EQ(Read(File()), PreferenceText(prefs));
  EXPECT_FALSE(TemporaryLeft());
  EditorPreferences readBack;
  ReadPreferenceFile(File(), readBack);
  EXPECT_EQ(readBack, prefs);
}

TEST_F(PreferenceFiles, AFailedWriteReportsFailureAndLeavesTheOldFileWhole) {
  Write(File(), FactoryPreferenceText());
  std::filesystem::path temporary = File();
  temporary += ".tmp";
  std::filesystem::create_directory(temporary);  // the new text has nowhere to go
  EXPECT_FALSE(WritePreferenceFile(DiskFiles(), File(), EditorPreferences{}));
  EXPECT_EQ(Read(File()), FactoryPreferenceText());
}

TEST_F(PreferenceFiles, AFileThatIsADirectoryOrAMissingResIsNotWrittenAndSaysSo) {
  std::filesystem::create_directory(File());
  std::ofstream(File() / "keep.txt") << "x";
  EXPECT_FALSE(WritePreferenceFile(DiskFiles(), File(), EditorPreferences{}));
  EXPECT_TRUE(std::filesystem::exists(File() / "keep.txt"));
  EXPECT_FALSE(TemporaryLeft());

  std::filesystem::remove_all(start_ / "Res");
  EXPECT_FALSE(WritePreferenceFile(DiskFiles(), File(), EditorPreferences{}));
}

// Restoring.

TEST_F(PreferenceFiles, RestoringCopiesTheBackupByteForByte) {
  const std::string backup = FactoryPreferenceText() + "an extra line\n";
  Write(Backup(), backup);
  Write(File(), "0\r\n20\r\n");
  EXPECT_EQ(RestorePreferencesFromBackup(DiskFiles(), folders_), RestoreResult::kRestored);
  EXPECT_EQ(Read(File()), backup);
  EXPECT_EQ(Read(Backup()), backup);
}

TEST_F(PreferenceFiles, WithoutABackupTheFileIsLeftAlone) {
  Write(File(), "0\r\n20\r\n");
  EXPECT_EQ(RestorePreferencesFromBackup(DiskFiles(), folders_), RestoreResult::kBackupMissing);
  EXPECT_EQ(Read(File()), "0\r\n20\r\n");

  Write(Backup(), std::string(kMaxPreferenceFileBytes + 1, '1'));
  EXPECT_EQ(RestorePreferencesFromBackup(DiskFiles(), folders_), RestoreResult::kBackupUnreadable);
  EXPECT_EQ(Read(File()), "0\r\n20\r\n");
}

TEST_F(PreferenceFiles, ABackupThatCannotReplaceTheFileSaysSo) {
  Write(Backup(), FactoryPreferenceText());
  std::filesystem::create_directory(File());
  std::ofstream(File() / "keep.txt") << "x";
  EXPECT_EQ(RestorePreferencesFromBackup(DiskFiles(), folders_), RestoreResult::kWriteFailed);
  EXPECT_TRUE(std::filesystem::exists(File() / "keep.txt"));
}

}  // namespace
}  // namespace editor
