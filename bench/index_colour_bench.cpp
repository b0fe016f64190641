// The indexer, the line colouring, the caret-line update and the bracket counter on
// generated source of 100 KiB, 500 KiB and 1 MiB, each size against BM_SplitLines: a
// plain memchr split of the same text into lines, the least any pass over the whole
// file can cost. tools/bench-ratios prints every median as a multiple of the split of
// its size. Per-keystroke work comes in pairs, near the start and near the end of the
// file: a pair that differs grows with the line number.
//
// "requests" counts the rich-edit requests per iteration whose cost grows with the line
// number in the real control.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "bench_editor.h"
#include "editing/bracket_counter.h"
#include "editing/edit_control_handler.h"
#include "editing/file_indexer.h"
#include "editing/index_updates.h"
#include "generated_source.h"
#include "model/control_index.h"
#include "platform/headless/rich_edit.h"
#include "platform/headless/system.h"
#include "view/colour_passes.h"

namespace {

enum class Place { kStart, kEnd };

std::string SourceFor(const benchmark::State& state) {
  return bench::GeneratedSource(static_cast<std::size_t>(state.range(0)) * bench::kKiB);
}

void SplitIntoLines(std::string_view text) {
  const char* p = text.data();
  const char* end = p + text.size();
  std::size_t lines = 0;
  while (p < end) {
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    const char* stop = lf ? lf : end;
    std::string_view line(p, static_cast<std::size_t>(stop - p));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    benchmark::DoNotOptimize(line);
    ++lines;
    p = lf ? lf + 1 : end;
  }
  benchmark::DoNotOptimize(lines);
}

// A file open in an editor on the headless window layer.
class HeadlessFile {
 public:
  explicit HeadlessFile(const std::string& text)
      : system_(std::filesystem::temp_directory_path()), bench_(system_, text) {}

  bench::BenchEditor& Bench() { return bench_; }
  editor::Editor& Editor() { return bench_.Get(); }
  headless::RichEdit& Edit() { return dynamic_cast<headless::RichEdit&>(bench_.Edit()); }

  // Counting starts after the setup.
  void StartCounting() { Edit().ResetCounts(); }
  void ReportRequests(benchmark::State& state) {
    state.counters["requests"] =
        benchmark::Counter(static_cast<double>(Edit().Counts().LineRequests()), benchmark::Counter::kAvgIterations);
  }

 private:
  headless::System system_;
  bench::BenchEditor bench_;
};

int LineAt(const std::string& text, std::string_view marker, Place place) {
  return bench::LineBeginningWith(text, marker, place == Place::kEnd);
}

// ---- whole-file passes -------------------------------------------------------------

void BM_SplitLines(benchmark::State& state) {
  const std::string text = SourceFor(state);
  for (auto _ : state) SplitIntoLines(text);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_IndexText(benchmark::State& state) {
  const std::string text = SourceFor(state);
  for (auto _ : state) {
    editor::TextIndex index = editor::IndexText(text);
    benchmark::DoNotOptimize(index);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// The controls and the CASE lines that handle them, found in the whole text: the other
// scan a full index makes.
void BM_IndexControls(benchmark::State& state) {
  const std::string text = SourceFor(state);
  for (auto _ : state) {
    std::vector<editor::ControlEntry> controls = editor::IndexControls(text);
    benchmark::DoNotOptimize(controls);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Line breaks as the control's ranges give them, CR alone: the walk must not search the
// rest of the text for an LF at every line.
void BM_IndexTextCrOnly(benchmark::State& state) {
  std::string text;
  for (const char c : SourceFor(state))
    if (c != '\n') text += c;
  for (auto _ : state) {
    editor::TextIndex index = editor::IndexText(text);
    benchmark::DoNotOptimize(index);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// The headless control's whole-text read and the split: what FullIndex cannot avoid.
void BM_HeadlessTextAndSplit(benchmark::State& state) {
  HeadlessFile file(SourceFor(state));
  for (auto _ : state) SplitIntoLines(file.Edit().Text());
}

void BM_FullIndex(benchmark::State& state) {
  HeadlessFile file(SourceFor(state));
  file.StartCounting();
  for (auto _ : state) editor::FullIndex(file.Editor(), editor::IndexProgress::kHidden);
  file.ReportRequests(state);
}

// ---- the visible page ---------------------------------------------------------------

void ColourPage(benchmark::State& state, Place place) {
  HeadlessFile file(SourceFor(state));
  if (place == Place::kEnd) file.Bench().ShowLastPage();
  // The first pass recases the page's words; every later one finds them recased.
  editor::RunColourPass(file.Editor(), editor::ColourPass::kVisiblePage);
  file.StartCounting();
  for (auto _ : state) editor::RunColourPass(file.Editor(), editor::ColourPass::kVisiblePage);
  file.ReportRequests(state);
}

void BM_ColourPageNearStart(benchmark::State& state) { ColourPage(state, Place::kStart); }
void BM_ColourPageNearEnd(benchmark::State& state) { ColourPage(state, Place::kEnd); }

// ---- per keystroke ------------------------------------------------------------------

void UpdateCaretLine(benchmark::State& state, std::string_view marker, Place place) {
  const std::string text = SourceFor(state);
  HeadlessFile file(text);
  file.Bench().PutCaretOnLine(LineAt(text, marker, place));
  file.StartCounting();
  for (auto _ : state) editor::UpdateFromCaretLine(file.Editor());
  file.ReportRequests(state);
}

// A letter typed and taken back with Backspace, each key going down, its character and
// its release through the edit control's handler: the undo capture, the bracket count,
// the caret line's index update and its colouring, as a user's key costs them.
void TypeAndErase(benchmark::State& state, Place place, bool withHandler = true) {
  const std::string text = SourceFor(state);
  HeadlessFile file(text);
  editor::Editor& editor = file.Editor();
  editor.tabs.Tab(1).caption = "big.iwb";
  editor.tabs.SetActiveTab(1);
  if (withHandler) editor::InstallEditControlHandler(editor);
  const int line = place == Place::kStart ? 10 : file.Edit().LineCount() - 2;
  file.Bench().PutCaretOnLine(line);
  const auto key = [&file](int virtualKey, int character) {
    file.Edit().Input({ui::message::kKeyDown, static_cast<std::uintptr_t>(virtualKey), 0});
    file.Edit().Input({ui::message::kChar, static_cast<std::uintptr_t>(character), 0});
    file.Edit().Input({ui::message::kKeyUp, static_cast<std::uintptr_t>(virtualKey), 0});
  };
  file.StartCounting();
  for (auto _ : state) {
    key('A', 'a');
    key(ui::key::kBackspace, '\b');
  }
  state.counters["line"] = line;
  file.ReportRequests(state);
}

void BM_TypeAndEraseAtLine10(benchmark::State& state) { TypeAndErase(state, Place::kStart); }
void BM_TypeAndEraseAtTheEnd(benchmark::State& state) { TypeAndErase(state, Place::kEnd); }
// The baseline: the same keys to the control with no handler in front of it.
void BM_TypeAndEraseControlAlone(benchmark::State& state) { TypeAndErase(state, Place::kEnd, false); }

void BM_CaretLineUpdateBodyNearStart(benchmark::State& state) {
  UpdateCaretLine(state, bench::kBodyLineMarker, Place::kStart);
}
void BM_CaretLineUpdateBodyNearEnd(benchmark::State& state) {
  UpdateCaretLine(state, bench::kBodyLineMarker, Place::kEnd);
}
// A SUB line of two words is the one the update follows: its row is looked up and renamed.
void BM_CaretLineUpdateSubNearStart(benchmark::State& state) {
  UpdateCaretLine(state, bench::kSubLineMarker, Place::kStart);
}
void BM_CaretLineUpdateSubNearEnd(benchmark::State& state) {
  UpdateCaretLine(state, bench::kSubLineMarker, Place::kEnd);
}

void BM_CountBrackets(benchmark::State& state) {
  const std::string text = SourceFor(state);
  const int line = LineAt(text, bench::kBracketLineMarker, Place::kEnd);
  HeadlessFile file(text);
  const std::string lineText = file.Edit().GetLine(line, 512);
  for (auto _ : state) {
    editor::BracketCounts counts = editor::CountBrackets(lineText);
    benchmark::DoNotOptimize(counts);
  }
}

void ShowBrackets(benchmark::State& state, Place place) {
  const std::string text = SourceFor(state);
  HeadlessFile file(text);
  file.Bench().PutCaretOnLine(LineAt(text, bench::kBracketLineMarker, place));
  file.StartCounting();
  for (auto _ : state) editor::ShowBracketCounts(file.Editor());
  file.ReportRequests(state);
}

void BM_ShowBracketCountsNearStart(benchmark::State& state) { ShowBrackets(state, Place::kStart); }
void BM_ShowBracketCountsNearEnd(benchmark::State& state) { ShowBrackets(state, Place::kEnd); }

void Sizes(benchmark::internal::Benchmark* b) {
  b->ArgName("KiB")->Arg(100)->Arg(500)->Arg(1024)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_SplitLines)->Apply(Sizes);
BENCHMARK(BM_IndexText)->Apply(Sizes);
BENCHMARK(BM_IndexTextCrOnly)->Apply(Sizes);
BENCHMARK(BM_IndexControls)->Apply(Sizes);
BENCHMARK(BM_HeadlessTextAndSplit)->Apply(Sizes);
BENCHMARK(BM_FullIndex)->Apply(Sizes);
BENCHMARK(BM_ColourPageNearStart)->Apply(Sizes);
BENCHMARK(BM_ColourPageNearEnd)->Apply(Sizes);
BENCHMARK(BM_TypeAndEraseAtLine10)->Apply(Sizes);
BENCHMARK(BM_TypeAndEraseAtTheEnd)->Apply(Sizes);
BENCHMARK(BM_TypeAndEraseControlAlone)->Apply(Sizes);
BENCHMARK(BM_CaretLineUpdateBodyNearStart)->Apply(Sizes);
BENCHMARK(BM_CaretLineUpdateBodyNearEnd)->Apply(Sizes);
BENCHMARK(BM_CaretLineUpdateSubNearStart)->Apply(Sizes);
BENCHMARK(BM_CaretLineUpdateSubNearEnd)->Apply(Sizes);
BENCHMARK(BM_CountBrackets)->Apply(Sizes);
BENCHMARK(BM_ShowBracketCountsNearStart)->Apply(Sizes);
BENCHMARK(BM_ShowBracketCountsNearEnd)->Apply(Sizes);

}  // namespace
