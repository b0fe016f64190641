// The constants tool's list as the build generates it, its search, and its two settings
// files read back from whatever a user or a crash left in them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "constants_tool/constant_list.h"
#include "constants_tool/tool_settings.h"

namespace constants_tool {
namespace {

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::vector<Constant>& GeneratedList() {
  static const std::vector<Constant> list = ParseConstantList(Read(EDITOR_CONSTANTS_LIST));
  return list;
}

const Constant* Named(std::string_view name) {
  const auto& list = GeneratedList();
  const auto it = std::lower_bound(list.begin(), list.end(), name, [](const Constant& c, std::string_view n) { return c.name < n; });
  return it != list.end() && it->name == name ? &*it : nullptr;
}

std::vector<std::string> NamesFound(std::string_view query, MatchMode mode) {
  std::vector<std::string> names;
  for (std::size_t i : FindConstants(GeneratedList(), query, mode)) names.push_back(GeneratedList()[i].name);
  return names;
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(ConstantsList, TheGeneratedListHoldsTheHeadersConstantsWithTheirValuesOnceEachInNameOrder) {
  const std::string text = Read(EDITOR_CONSTANTS_LIST);
  const auto& list = GeneratedList();
  ASSERT_GT(list.size(), 20000u);
  EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')), list.size()) << "unreadable lines";
  EXPECT_TRUE(std::adjacent_find(list.begin(), list.end(), [](const Constant& a, const Constant& b) {
                return a.name >= b.name;
              }) == list.end());

  struct Expected {
    const char* name;
    std::int64_t value;
    const char* hex;
  };
  for (const Expected& e : {
           Expected{"WM_SETTEXT", 12, "0xC"},
           Expected{"WM_USER", 1024, "0x400"},
           Expected{"LVN_ITEMCHANGED", -101, "0xFFFFFF9B"},          // (LVN_FIRST-1), LVN_FIRST being (0U-100U)
           Expected{"LVN_GETDISPINFO", -150, "0xFFFFFF6A"},          // the ANSI spelling of an A/W pair
           Expected{"E_FAIL", -2147467259, "0x80004005"},            // through _HRESULT_TYPEDEF_
           Expected{"WS_OVERLAPPEDWINDOW", 0xCF0000, "0xCF0000"},    // an OR of other styles
           Expected{"ERROR_FILE_NOT_FOUND", 2, "0x2"},
       }) {
    const Constant* constant = Named(e.name);
    ASSERT_NE(constant, nullptr) << e.name;
    EXPECT_EQ(constant->value, e.value) << e.name;
    EXPECT_EQ(HexText(constant->value), e.hex) << e.name;
  }
}

TEST(ConstantsList, AValueIsFoundHoweverItIsTypedAndNamesIgnoreCase) {
  for (const char* typed : {"-101", "4294967195", "0xffffff9b", " 0xFFFFFF9B "})
    EXPECT_TRUE(Contains(NamesFound(typed, MatchMode::kValue), "LVN_ITEMCHANGED")) << typed;
  for (const char* typed : {"2147500037", "-2147467259", "0x80004005"})
    EXPECT_TRUE(Contains(NamesFound(typed, MatchMode::kValue), "E_FAIL")) << typed;
  EXPECT_TRUE(Contains(NamesFound("12", MatchMode::kValue), "WM_SETTEXT"));
  EXPECT_FALSE(Contains(NamesFound("13", MatchMode::kValue), "WM_SETTEXT"));
  for (const char* typed : {"", "abc", "0x", "12abc", "--1", "0x1FFFFFFFFFFFFFFFF"})
    EXPECT_TRUE(NamesFound(typed, MatchMode::kValue).empty()) << typed;

  EXPECT_TRUE(Contains(NamesFound("settext", MatchMode::kNameContains), "WM_SETTEXT"));
  EXPECT_TRUE(Contains(NamesFound("wm_sett", MatchMode::kNameBeginsWith), "WM_SETTEXT"));
  EXPECT_FALSE(Contains(NamesFound("settext", MatchMode::kNameBeginsWith), "WM_SETTEXT"));
  EXPECT_EQ(NamesFound("  ", MatchMode::kNameContains).size(), GeneratedList().size());
  EXPECT_EQ(CountText(12, 79557), "12 of 79,557 constants");
}

TEST(ConstantsList, DamagedLinesAreSkippedAndTheRestKept) {
  const std::string text = std::string("GOOD_ONE 1\r\n\r\nNO_VALUE\n 2\nBAD NAME 3\nHUGE 99999999999999999999\n") +
                           std::string("\0\xff\x01 7\n", 6) + "NOT_A_NUMBER 12x\nGOOD_TWO -5";
  const std::vector<Constant> list = ParseConstantList(text);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, "GOOD_ONE");
  EXPECT_EQ(list[1].value, -5);
  EXPECT_EQ(HexText(-5), "0xFFFFFFFB");
  EXPECT_EQ(HexText(std::int64_t{1} << 40), "0x10000000000");
}

TEST(ConstantsSettings, GarbageFallsBackToDefaultsOneSettingAtATime) {
  const ToolSettings read = ReadToolSettings(
      "[Settings]\nSearch=WM_SET\nMode=7\nLeft=100\nTop=x\nWidth=640\nHeight=480\n\x01\x02garbage\n");
  EXPECT_EQ(read.search, "WM_SET");
  EXPECT_EQ(read.mode, MatchMode::kNameContains);
  EXPECT_FALSE(read.place.has_value()) << "a place with one part unreadable is no place";

  ToolSettings kept;
  kept.search = "LVN_";
  kept.mode = MatchMode::kValue;
  kept.place = WindowPlace{-8, 20, 700, 500};
  const ToolSettings back = ReadToolSettings(ToolSettingsText(kept));
  EXPECT_EQ(back.search, "LVN_");
  EXPECT_EQ(back.mode, MatchMode::kValue);
  ASSERT_TRUE(back.place.has_value());
  EXPECT_EQ(back.place->left, -8);
  EXPECT_EQ(back.place->height, 500);
  EXPECT_EQ(ReadToolSettings(std::string(300, 'x') + "\nSearch=" + std::string(500, 'a')).search, "");
  EXPECT_FALSE(ReadToolSettings("Left=1\nTop=1\nWidth=5\nHeight=5\n").place.has_value()) << "too small to use";
  EXPECT_FALSE(ReadToolSettings("Top=20\nTop=20\nWidth=640\nHeight=480\n").place.has_value()) << "no Left, Top twice";
}

TEST(ConstantsSettings, TheInstalledFilesReadAsTheToolsDefaultsAndBadColumnLinesAreIgnored) {
  const std::filesystem::path installed = std::filesystem::path(EDITOR_SOURCE_DIR) / "resources" / "installed";
  EXPECT_EQ(Read(installed / "Dozevuzezurodov.txt"), ColumnsText(DefaultColumns()));
  const ToolSettings settings = ReadToolSettings(Read(installed / "Dozevuzezurodov.ini"));
  EXPECT_EQ(settings.search, "");
  EXPECT_FALSE(settings.place.has_value());

  const ListColumns columns = ReadColumns("1=Constant,300\n2=Decimal\n3=,50\n4=Extra,10\n0=Zero,10\n3=Hex,5\n");
  EXPECT_EQ(columns[0].title, "Constant");
  EXPECT_EQ(columns[0].width, 300);
  EXPECT_EQ(columns[1].title, DefaultColumns()[1].title);
  EXPECT_EQ(columns[2].title, DefaultColumns()[2].title);
  EXPECT_EQ(columns[2].width, DefaultColumns()[2].width);
}

}  // namespace
}  // namespace constants_tool
