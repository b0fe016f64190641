// A words search and an exact search of the generated 1 MiB file in the results window,
// from the click to the last row listed, against one WM_GETTEXT of the same text: the
// search reads the text once and works in memory, so the rest is the scan and the list.
#include "bench/win32/search_win32_bench.h"

#include <cstdio>
#include <string>

#include "bench/bench_editor.h"
#include "bench/generated_source.h"
#include "bench/win32/timing.h"
#include "model/search_run.h"
#include "search/results_window.h"

namespace bench {

namespace {

constexpr double kGoal = 1.5;

struct SearchCase {
  const char* name;
  editor::SearchRequest request;
};

}  // namespace

int RunSearchWin32Bench(ui::System& system, int runs) {
  const std::string text = GeneratedSource(1024 * kKiB);
  BenchEditor bench(system, text);
  editor::Editor& editor = bench.Get();
  editor.tabs.Tab(1).caption = "big.iwb";
  editor.tabs.SetActiveTab(1);
  std::printf("Searching a %zu-byte file of %d lines in the results window\n", text.size(), bench.Edit().LineCount());

  std::size_t read = 0;
  const Timing baseline = TimeRuns(runs, [&] { read = bench.Edit().Text().size(); });
  const Timing range = TimeRuns(runs, [&] { read = bench.Edit().TextRange(0, -1).size(); });
  std::printf("  baseline: WM_GETTEXT of the whole text      %9.2f ms  (%zu bytes)\n", baseline.medianMs, read);
  std::printf("  for comparison: EM_GETTEXTRANGE of it all   %9.2f ms  x %.2f\n", range.medianMs,
              range.medianMs / baseline.medianMs);

  editor::SearchOptions words;
  words.mode = editor::SearchMode::kWords;
  const SearchCase cases[] = {{"words \"IF THEN\"", {"IF THEN", words}}, {"exact \"count\"", {"count", {}}}, {"exact, nothing found", {"qqzzq", {}}}};
  bool allListed = true;
  for (const SearchCase& c : cases) {
    // The scan alone, over the text read once, shows what the window adds.
    const Timing scan = TimeRuns(runs, [&] {
      editor::SearchRun run;
      run.Start(c.request.text, c.request.options, bench.Edit().Text());
      run.Advance(run.LineCount());
    });
    std::printf("  %-24s the scan alone        %9.2f ms  x %.2f\n", c.name, scan.medianMs,
                scan.medianMs / baseline.medianMs);
    int rows = 0;
    const Timing search = TimeRuns(runs, [&] {
      editor::SearchResultsWindow window(editor, c.request);
      window.Open();
      rows = window.RowCount();
    });
    allListed = allListed && (rows > 0) == (c.request.text != std::string("qqzzq"));
    std::printf("  %-24s %6d rows         %9.2f ms  (%.2f .. %.2f)  x %.2f: %s\n", c.name, rows, search.medianMs,
                search.fastestMs, search.slowestMs, search.medianMs / baseline.medianMs,
                search.medianMs <= kGoal * baseline.medianMs ? "met" : "MISSED");
  }
  std::printf("  goal: within %.1fx of the baseline\n", kGoal);
  return allListed ? 0 : 1;
}

}  // namespace bench
