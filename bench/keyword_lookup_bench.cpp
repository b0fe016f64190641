// Looking up the words of a typical source page in the key word table, against a plain
// hash set of the same words in the same run (the baseline). The colouring looks up
// every word of every visible line on each redraw, so this is its inner cost.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/keyword_case.h"
#include "model/keyword_table.h"

namespace {

// Dialect words in several cases, user identifiers, numbers and labels, as a page of a
// windowed program holds them.
constexpr std::string_view kPage =
    "$INCLUDE \"windowssdk.inc\"\n"
    "DEF main : WINDOW\n"
    "DEF counter, total2 : INT\n"
    "DEF userName : STRING\n"
    "OPENWINDOW main, 0, 0, 640, 480, @SIZE | @MINBOX | @MAXBOX, 0, \"Demo\", &MainHandler\n"
    "CONTROL main, @BUTTON, \"OK\", 10, 10, 80, 24, @TABSTOP, BUTTON_OK\n"
    "CONTROL main, @EDIT, \"\", 10, 40, 200, 24, @CTEDITLEFT, EDIT_NAME\n"
    "WAITUNTIL IsWindowClosed(main)\n"
    "END\n"
    "SUB MainHandler(), INT\n"
    "  SELECT @MESSAGE\n"
    "    CASE @IDCONTROL\n"
    "      IF @CONTROLID = BUTTON_OK THEN\n"
    "        userName = GETCONTROLTEXT(main, EDIT_NAME)\n"
    "        counter = counter + 1 : total2 = total2 + LEN(userName)\n"
    "        SETCONTROLTEXT main, EDIT_NAME, STR$(counter)\n"
    "      ENDIF\n"
    "    case @idclosewindow\n"
    "      closewindow main\n"
    "    Case @IDTIMER\n"
    "      Print \"tick \", Millisecs()\n"
    "  ENDSELECT\n"
    "  RETURN 0\n"
    "ENDSUB\n"
    "for i = 1 to 100 : x1 = x1 + i : next i\n"
    "_asm\n"
    "  mov eax, 1\n"
    "_endasm\n"
    "label1:\n"
    "  GOTO label1\n";

std::vector<std::string> WordsOf(std::string_view text) {
  constexpr std::string_view kDelimiters = "\"' ,-+()[]=:<>&|\t\r\n.";
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (kDelimiters.find(c) == std::string_view::npos) {
      word += c;
      continue;
    }
    if (word.size() >= 2) words.push_back(word);  // the colouring never looks up one letter
    word.clear();
  }
  return words;
}

const std::vector<std::string>& PageWords() {
  static const std::vector<std::string> words = WordsOf(kPage);
  return words;
}

void BM_KeywordLookupTable(benchmark::State& state) {
  const editor::KeywordTable table(editor::KeywordColours{});
  const auto& words = PageWords();
  for (auto _ : state) {
    for (const std::string& word : words) benchmark::DoNotOptimize(table.Find(word));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(words.size()));
}

// The baseline: every dialect word in a hash set, looked up by the word's upper case.
void BM_KeywordLookupUnorderedSet(benchmark::State& state) {
  const editor::KeywordTable table(editor::KeywordColours{});
  std::unordered_set<std::string> set;
  for (std::string_view word : table.Words()) set.emplace(word);
  const auto& words = PageWords();
  for (auto _ : state) {
    for (const std::string& word : words) {
      benchmark::DoNotOptimize(set.contains(editor::ApplyKeywordCase(word, editor::KeywordCase::kUppercase)));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(words.size()));
}

BENCHMARK(BM_KeywordLookupTable);
BENCHMARK(BM_KeywordLookupUnorderedSet);

}  // namespace
