// A pass over every line of a file on the headless rich edit: line requests one by one
// against one whole-text read split in memory (the baseline). Both must stay linear here
// so that scenario tests on large files stay cheap; on Wine's control only the
// whole-text road is, which is why the editor's full passes take it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/headless/system.h"

namespace {

std::string MakeSource(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += "  PRINT \"line " + std::to_string(i) + "\" : x = x + 1\r\n";
  return text;
}

class EditFixture {
 public:
  explicit EditFixture(int lines) : system_(std::filesystem::temp_directory_path()) {
    window_ = system_.CreateTopLevel({"bench", {0, 0, 800, 600}});
    ui::ControlSpec edit;
    edit.kind = ui::ControlKind::kRichEdit;
    edit.id = 904;
    edit.rect = {0, 0, 700, 500};
    window_->CreateControl(edit);
    window_->Edit(904)->SetTextLimit(1 << 26);
    window_->Edit(904)->SetText(MakeSource(lines));
  }
  ui::RichEdit& Edit() { return *window_->Edit(904); }

 private:
  headless::System system_;
  std::unique_ptr<ui::Window> window_;
};

void BM_WholeTextSplit(benchmark::State& state) {
  EditFixture fixture(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const std::string text = fixture.Edit().Text();
    std::size_t lines = 0;
    for (std::size_t start = 0; start < text.size();) {
      std::size_t end = text.find("\r\n", start);
      if (end == std::string::npos) end = text.size();
      benchmark::DoNotOptimize(std::string_view(text).substr(start, end - start));
      ++lines;
      start = end + 2;
    }
    benchmark::DoNotOptimize(lines);
  }
}

void BM_LineByLine(benchmark::State& state) {
  EditFixture fixture(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ui::RichEdit& edit = fixture.Edit();
    const int count = edit.LineCount();
    for (int line = 0; line < count; ++line) {
      benchmark::DoNotOptimize(edit.LineIndex(line));
      benchmark::DoNotOptimize(edit.GetLine(line, 512));
    }
  }
}

BENCHMARK(BM_WholeTextSplit)->Arg(1000)->Arg(10000);
BENCHMARK(BM_LineByLine)->Arg(1000)->Arg(10000);

}  // namespace
