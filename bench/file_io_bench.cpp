// Opening and saving a generated 1 MiB file on disk, against BM_FstreamReadWrite: the
// same bytes read with std::ifstream and written with std::ofstream, the least a
// program that opens and saves a file can do. tools/bench-ratios --baseline
// BM_FstreamReadWrite prints every median as a multiple of it.
//
// The editor runs on the headless window layer, so what is timed is the editor's own
// work and the disk, not a real control's. A notice sleeps on the layer's virtual
// clock: the save's "saved" notice costs its window, not its display time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_loader.h"
#include "files/file_saver.h"
#include "generated_source.h"
#include "model/source_file.h"
#include "platform/headless/system.h"
#include "scratch_folder.h"
#include "started_editor.h"

namespace {

constexpr std::string_view kFileName = "generated.iwb";
constexpr std::string_view kCopyName = "copy.iwb";

std::string SourceFor(const benchmark::State& state) {
  return bench::GeneratedSource(static_cast<std::size_t>(state.range(0)) * bench::kKiB);
}

void CountBytes(benchmark::State& state, const std::string& text) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

std::string ReadWithFstream(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void BM_FstreamReadWrite(benchmark::State& state) {
  const std::string text = SourceFor(state);
  const bench::ScratchFolder folder;
  const std::filesystem::path file = folder.WriteFile(kFileName, text);
  for (auto _ : state) folder.WriteFile(kCopyName, ReadWithFstream(file));
  CountBytes(state, text);
}

// Every iteration is the first open of a file never seen: a fresh editor with no file
// open and no companions on disk, made and thrown away outside the timing.
void BM_OpenFile(benchmark::State& state) {
  const std::string text = SourceFor(state);
  const bench::ScratchFolder folder;
  const std::filesystem::path file = folder.WriteFile(kFileName, text);
  headless::System system(folder.Path());
  std::optional<bench::StartedEditor> started;
  for (auto _ : state) {
    state.PauseTiming();
    started.reset();
    folder.ForgetCompanions(kFileName);
    started.emplace(system, folder.Path());
    state.ResumeTiming();
    if (editor::LoadFile(started->Get(), file) != editor::LoadResult::kLoaded) {
      state.SkipWithError("the file was not loaded");
      break;
    }
  }
  CountBytes(state, text);
}

void BM_ReadSourceFile(benchmark::State& state) {
  const std::string text = SourceFor(state);
  const bench::ScratchFolder folder;
  const std::filesystem::path file = folder.WriteFile(kFileName, text);
  for (auto _ : state) {
    editor::SourceRead read = editor::ReadSourceFile(file);
    benchmark::DoNotOptimize(read);
  }
  CountBytes(state, text);
}

// The Save of a file changed since it was opened. The file has been saved under this
// path before, so no re-index follows the write: the write alone is timed.
void BM_SaveActiveFile(benchmark::State& state) {
  const std::string text = SourceFor(state);
  const bench::ScratchFolder folder;
  const std::filesystem::path file = folder.WriteFile(kFileName, text);
  headless::System system(folder.Path());
  bench::StartedEditor started(system, folder.Path());
  editor::Editor& editor = started.Get();
  if (editor::LoadFile(editor, file) != editor::LoadResult::kLoaded) {
    state.SkipWithError("the file was not loaded");
    return;
  }
  editor.lastSavedPath = editor.currentPath;
  editor::FileTab& tab = editor.tabs.Tab(editor.tabs.ActiveTab());
  for (auto _ : state) {
    state.PauseTiming();
    tab.caption += '*';
    state.ResumeTiming();
    if (!editor::WriteActiveFile(editor)) {
      state.SkipWithError("the file was not saved");
      break;
    }
  }
  CountBytes(state, text);
}

void BM_SaveForm(benchmark::State& state) {
  const std::string text = SourceFor(state);
  for (auto _ : state) {
    std::string bytes = editor::SaveFormOf(text, editor::HexLiterals::kLowerFirstOfEachLine);
    benchmark::DoNotOptimize(bytes);
  }
  CountBytes(state, text);
}

void OneMiB(benchmark::internal::Benchmark* b) { b->ArgName("KiB")->Arg(1024)->Unit(benchmark::kMicrosecond); }

BENCHMARK(BM_FstreamReadWrite)->Apply(OneMiB);
BENCHMARK(BM_OpenFile)->Apply(OneMiB);
BENCHMARK(BM_ReadSourceFile)->Apply(OneMiB);
BENCHMARK(BM_SaveActiveFile)->Apply(OneMiB);
BENCHMARK(BM_SaveForm)->Apply(OneMiB);

}  // namespace
