// The find engine over generated source of 1 MiB against BM_CaseInsensitiveScan: a plain
// case-insensitive substring scan of the same text, which any search has to beat or come
// near. tools/bench-ratios --baseline BM_CaseInsensitiveScan prints each median as a
// multiple of the scan's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "base/letter_case.h"
#include "generated_source.h"
#include "model/search_run.h"

namespace {

constexpr std::string_view kExactText = "@controlid = idc_ok";
constexpr std::string_view kWords = "IF THEN";

std::string SourceFor(const benchmark::State& state) {
  return bench::GeneratedSource(static_cast<std::size_t>(state.range(0)) * bench::kKiB);
}

void BM_CaseInsensitiveScan(benchmark::State& state) {
  const std::string text = SourceFor(state);
  const auto sameLetter = [](char a, char b) { return editor::AsciiUpper(a) == editor::AsciiUpper(b); };
  for (auto _ : state) {
    int found = 0;
    for (auto at = text.begin();; ++at) {
      at = std::search(at, text.end(), kExactText.begin(), kExactText.end(), sameLetter);
      if (at == text.end()) break;
      ++found;
    }
    benchmark::DoNotOptimize(found);
  }
}

void RunSearch(benchmark::State& state, std::string_view searchText, editor::SearchMode mode) {
  const std::string text = SourceFor(state);
  editor::SearchOptions options;
  options.mode = mode;
  std::size_t found = 0;
  for (auto _ : state) {
    editor::SearchRun run;
    run.Start(searchText, options, text);
    run.Advance(run.LineCount());
    found = run.Results().size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["found"] = static_cast<double>(found);
}

void BM_ExactSearch(benchmark::State& state) { RunSearch(state, kExactText, editor::SearchMode::kExact); }
void BM_WordsSearch(benchmark::State& state) { RunSearch(state, kWords, editor::SearchMode::kWords); }

void Sizes(benchmark::internal::Benchmark* b) { b->ArgName("KiB")->Arg(1024)->Unit(benchmark::kMicrosecond); }

BENCHMARK(BM_CaseInsensitiveScan)->Apply(Sizes);
BENCHMARK(BM_ExactSearch)->Apply(Sizes);
BENCHMARK(BM_WordsSearch)->Apply(Sizes);

}  // namespace
