#include "model/keyword_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "model/keyword_table.h"

namespace editor {
namespace {

using keyword_words::Assembly;
using keyword_words::Constants;
using keyword_words::Definitions;
using keyword_words::Keywords;
using keyword_words::Preprocessor;

std::vector<std::string_view> AllWords() {
  std::vector<std::string_view> all;
  for (auto group : {Constants(), Preprocessor(), Keywords(), Assembly()}) all.insert(all.end(), group.begin(), group.end());
  return all;
}

// The table's order: alphabetical, with "_" before every other character.
bool SortsBefore(std::string_view a, std::string_view b) {
  auto rank = [](char c) { return c == '_' ? -1 : static_cast<int>(static_cast<unsigned char>(c)); };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [&](char x, char y) { return rank(x) < rank(y); });
}

TEST(KeywordWords, GroupsHoldTheirCountsAndFitTheTable) {
  EXPECT_EQ(Constants().size(), 805u);
  EXPECT_EQ(Preprocessor().size(), 25u);
  EXPECT_EQ(Keywords().size(), 816u);
  EXPECT_EQ(Assembly().size(), 15u);
  EXPECT_EQ(Definitions().size(), 28u);
  ASSERT_EQ(AllWords().size(), 1661u);
  EXPECT_LE(AllWords().size() + 1, static_cast<std::size_t>(KeywordTable::kSlotCapacity));
  EXPECT_EQ(KeywordTable::kSlotCapacity, 1665);
}

TEST(KeywordWords, GroupMarksAndCharactersAreTheOnlyOnesUsed) {
  for (auto w : Constants()) EXPECT_EQ(w.front(), '@') << w;
  for (auto w : Preprocessor()) EXPECT_EQ(w.front(), '$') << w;
  for (auto w : Assembly()) EXPECT_EQ(w.front(), '_') << w;
  for (auto w : Keywords()) EXPECT_EQ(std::string_view("@$_").find(w.front()), std::string_view::npos) << w;
  std::size_t longest = 0;
  for (auto w : AllWords()) {
    longest = std::max(longest, w.size());
    for (char c : w) {
      const bool allowed = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '@' || c == '$' || c == '_' ||
                           (c == '&' && w == "CASE&");
      EXPECT_TRUE(allowed) << w;
    }
  }
  EXPECT_EQ(longest, 30u);
}

TEST(KeywordWords, EachGroupIsInTableOrderWithoutRepeats) {
  for (auto group : {Constants(), Preprocessor(), Keywords(), Assembly()}) {
    for (std::size_t i = 1; i < group.size(); ++i) EXPECT_TRUE(SortsBefore(group[i - 1], group[i])) << group[i];
  }
  const auto all = AllWords();
  EXPECT_EQ(std::set<std::string_view>(all.begin(), all.end()).size(), all.size());
}

}  // namespace
}  // namespace editor
