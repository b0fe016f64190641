// What a search finds in a file, how it names the owner of each line, and that it can
// pause and resume between steps without losing or repeating a line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/search_messages.h"
#include "model/search_run.h"

namespace editor {
namespace {

constexpr int kAllAtOnce = 1'000'000;

SearchOptions Options(SearchMode mode, SearchJoin join = SearchJoin::kAnd, SearchExtent extent = SearchExtent::kAll) {
  SearchOptions options;
  options.mode = mode;
  options.join = join;
  options.extent = extent;
  return options;
}

// The 1-based numbers of the lines found, in the order found.
std::vector<int> FoundLines(const SearchRun& run) {
  std::vector<int> lines;
  for (const SearchResult& result : run.Results()) lines.push_back(result.line.Value());
  return lines;
}

std::vector<int> Search(std::string_view file, std::string_view text, SearchOptions options) {
  SearchRun run;
  EXPECT_EQ(run.Start(text, options, file), SearchRefusal::kNone);
  EXPECT_EQ(run.Advance(kAllAtOnce), SearchRun::State::kFinished);
  return FoundLines(run);
}

struct LineCase {
  const char* name;
  std::string_view line;
  std::string_view text;
  SearchOptions options;
  bool found;
};

TEST(SearchRun, TestsEachLineByItsMode) {
  const SearchOptions exact = Options(SearchMode::kExact);
  const SearchOptions wordsAnd = Options(SearchMode::kWords);
  const SearchOptions wordsOr = Options(SearchMode::kWords, SearchJoin::kOr);
  const SearchOptions mixedAnd = Options(SearchMode::kMixed);
  const LineCase cases[] = {
      {"exact ignores case", "IF A = 1 THEN", "a = 1", exact, true},
      {"exact trims the search text", "IF A = 1 THEN", "  a = 1 ", exact, true},
      {"exact finds inside strings", "PRINT \"hello world\"", "world", exact, true},
      {"exact finds inside comments", "x = 1 ' hello", "hello", exact, true},
      {"too short a line is never tested", "x", "x", exact, false},
      {"and: both words", "\tif x = 1 then", "IF THEN", wordsAnd, true},
      {"and: one word missing", "IF x = 1", "IF THEN", wordsAnd, false},
      {"or: one word is enough", "IF x = 1", "IF THEN", wordsOr, true},
      {"words are whole", "IFTHEN = 1", "IF THEN", wordsOr, false},
      {"a TAB separates words", "IF\tx\tTHEN", "IF THEN", wordsAnd, true},
      {"a word counts once however often", "IF IF IF", "IF THEN", wordsAnd, false},
      {"a repeated search word is matched by one token", "IF x", "IF IF", wordsAnd, true},
      {"one-letter search words never match", "x = y + 1", "x y", wordsOr, false},
      {"no words in strings", "PRINT \"IF THEN\"", "IF THEN", wordsOr, false},
      {"no words in an unclosed string", "PRINT \"IF THEN", "IF THEN", wordsOr, false},
      {"no words in comments", "PRINT 'IF THEN", "IF THEN", wordsOr, false},
      {"the word before a comment counts", "PRINT total'sum", "total", wordsAnd, true},
      {"the last search word counts before a delimiter", "count = count + 1", "count =", wordsAnd, true},
      {"mixed and needs the exact text too", "IF x THEN", "IF THEN", mixedAnd, false},
      {"mixed and with the exact text", "IF THEN x", "IF THEN", mixedAnd, true},
  };
  for (const LineCase& c : cases)
    EXPECT_EQ(Search(c.line, c.text, c.options).size(), c.found ? 1u : 0u) << c.name;
}

TEST(SearchRun, TestsTheWholeOfALongLine) {
  const std::string line = std::string(600, 'a') + " needle = 1";
  EXPECT_EQ(Search(line, "NEEDLE", Options(SearchMode::kExact)), std::vector<int>{1});
  EXPECT_EQ(Search(line, "NEEDLE", Options(SearchMode::kWords)), std::vector<int>{1});
}

TEST(SearchRun, RefusesWhatItCannotSearchForAndSurvivesHugeInput) {
  SearchRun run;
  EXPECT_EQ(run.Start("   ", Options(SearchMode::kExact), "abc\r\n"), SearchRefusal::kEmptyText);
  EXPECT_EQ(run.Start("= ( )", Options(SearchMode::kWords), "abc\r\n"), SearchRefusal::kNoWords);
  std::string words;
  for (int i = 0; i < 101; ++i) words += "w" + std::to_string(i) + " ";
  EXPECT_EQ(run.Start(words, Options(SearchMode::kWords), "abc\r\n"), SearchRefusal::kTooManyWords);
  EXPECT_FALSE(RefusalText(SearchRefusal::kTooManyWords).empty());
  EXPECT_EQ(run.Status(), SearchRun::State::kFinished);
  EXPECT_TRUE(run.Results().empty());

  // An exact "=" is a fine search; only the word modes need words. No line holds a break.
  EXPECT_EQ(Search("a = b\r\n", "=", Options(SearchMode::kExact)), std::vector<int>{1});
  EXPECT_EQ(Search("ab\r\ncd\r\n", "ab\r\ncd", Options(SearchMode::kExact)), std::vector<int>{});

  EXPECT_EQ(run.Start("x", Options(SearchMode::kExact), ""), SearchRefusal::kNone);
  EXPECT_EQ(run.Status(), SearchRun::State::kFinished);
  EXPECT_TRUE(run.Results().empty());

  // A 100,000-character line of 33,334 words, then one of a single word.
  std::string huge;
  while (huge.size() < 100'000) huge += "ab ";
  EXPECT_EQ(Search(huge, "AB", Options(SearchMode::kWords)), std::vector<int>{1});
  EXPECT_EQ(Search(huge, "ba", Options(SearchMode::kWords)), std::vector<int>{});
  EXPECT_EQ(Search(huge + "c", "b c", Options(SearchMode::kExact)), std::vector<int>{1});
  const std::string oneWord(100'000, 'z');
  EXPECT_EQ(Search(oneWord, oneWord, Options(SearchMode::kWords)), std::vector<int>{1});
}

constexpr std::string_view kProgram =
    "OPENWINDOW win,0,0,300,200,@SIZE,0,\"Main\",&MyHandler\r\n"  // 1
    "count = 0\r\n"                                                 // 2
    "WAITUNTIL win = 0\r\n"                                         // 3
    "count = 1\r\n"                                                 // 4
    "SUB MyHandler(), INT\r\n"                                      // 5
    "\tcount = count + 1\r\n"                                       // 6
    "ENDSUB\r\n"                                                    // 7
    "count = 2\r\n";                                                // 8

TEST(SearchRun, NamesTheSubroutineOrWindowOfEachLineWhicheverWayItScans) {
  const std::vector<std::pair<int, std::string>> topDown = {
      {1, "win"}, {2, "win"}, {3, ""}, {4, ""}, {5, "MyHandler"}, {6, "MyHandler"}, {7, ""}, {8, ""}};
  for (const SearchExtent extent : {SearchExtent::kAll, SearchExtent::kLast}) {
    SearchRun run;
    ASSERT_EQ(run.Start("n", Options(SearchMode::kExact, SearchJoin::kAnd, extent), kProgram), SearchRefusal::kNone);
    run.Advance(kAllAtOnce);
    std::vector<std::pair<int, std::string>> owners;
    for (const SearchResult& result : run.Results()) owners.emplace_back(result.line.Value(), result.owner);
    if (extent == SearchExtent::kLast) std::ranges::reverse(owners);
    EXPECT_EQ(owners, topDown) << (extent == SearchExtent::kLast ? "bottom up" : "top down");
  }
}

TEST(SearchRun, FirstGivesOneLineAndLastListsFromTheBottomUp) {
  EXPECT_EQ(Search(kProgram, "count", Options(SearchMode::kWords, SearchJoin::kAnd, SearchExtent::kFirst)),
            std::vector<int>{2});
  EXPECT_EQ(Search(kProgram, "count", Options(SearchMode::kWords, SearchJoin::kAnd, SearchExtent::kLast)),
            (std::vector<int>{8, 6, 4, 2}));
}

TEST(SearchRun, PausingAndResumingAddsNoLineTwice) {
  std::string file;
  for (int i = 1; i <= 1000; ++i) file += "value = " + std::to_string(i) + "\r\n";
  for (const SearchExtent extent : {SearchExtent::kAll, SearchExtent::kLast}) {
    SearchRun run;
    ASSERT_EQ(run.Start("VALUE", Options(SearchMode::kWords, SearchJoin::kAnd, extent), file), SearchRefusal::kNone);
    EXPECT_EQ(run.Advance(500), SearchRun::State::kRunning);
    run.Pause();
    EXPECT_EQ(run.Advance(100), SearchRun::State::kPaused);
    EXPECT_EQ(run.Results().size(), 500u);
    EXPECT_EQ(run.EndMessage(), "Search paused - results so far for VALUE, 500 found.");
    EXPECT_EQ(run.Start("other", Options(SearchMode::kExact), file), SearchRefusal::kSearchActive);
    run.Resume();
    while (run.Advance(7) == SearchRun::State::kRunning) {
    }
    std::vector<int> lines = FoundLines(run);
    ASSERT_EQ(lines.size(), 1000u);
    std::ranges::sort(lines);
    EXPECT_EQ(std::ranges::adjacent_find(lines), lines.end());
    EXPECT_EQ(run.EndMessage(), "Results for VALUE, 1,000 found.");
    EXPECT_EQ(run.Percent(), 100);
  }
}

TEST(SearchRun, CaptionCountsLinesWithThousandsSeparators) {
  EXPECT_EQ(ProgressCaption(1200, 30439), "Line 1,200 of 30,439");
  EXPECT_EQ(WithThousands(0), "0");
  EXPECT_EQ(WithThousands(999), "999");
  EXPECT_EQ(WithThousands(1000000), "1,000,000");
  std::string file;
  for (int i = 0; i < 1500; ++i) file += "ab\r\n";
  SearchRun run;
  ASSERT_EQ(run.Start("ab", Options(SearchMode::kExact), file), SearchRefusal::kNone);
  run.Advance(1200);
  EXPECT_EQ(run.Caption(), "Line 1,200 of 1,500");
  EXPECT_EQ(run.Percent(), 80);
  run.Stop();
  EXPECT_EQ(run.EndMessage(), "Results for ab, 1,200 found.");
}

}  // namespace
}  // namespace editor
