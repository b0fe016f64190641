// A 200-line subroutine at the end of the generated 1 MiB file moved to its start with the
// subroutine pane's move button, against one select-and-replace that puts the same text
// there: the move reads the code once, takes it out and puts it in, as two replacements.
#include "bench/win32/move_win32_bench.h"

#include <cstdio>
#include <string>

#include "base/control_ids.h"
#include "bench/bench_editor.h"
#include "bench/generated_source.h"
#include "bench/win32/timing.h"
#include "commands/main_window_handler.h"
#include "editing/undo_steps.h"
#include "view/gutter.h"

namespace bench {

namespace {

constexpr int kBodyLines = 198;
constexpr double kGoal = 1.5;

std::string TwoHundredLineSubroutine() {
  std::string sub = "SUB Moved200\r\n";
  for (int i = 0; i < kBodyLines; ++i) sub += "\tcount = count + " + std::to_string(i) + "\r\n";
  return sub + "ENDSUB\r\n";
}

void PickMoved(editor::Editor& editor) {
  ui::Window& window = *editor.main;
  for (int i = 0; i < window.ListCount(editor::kSubroutineCombo); ++i)
    if (window.ListText(editor::kSubroutineCombo, i) == "Moved200") window.ListSelect(editor::kSubroutineCombo, i);
}

}  // namespace

int RunMoveWin32Bench(ui::System& system, int runs) {
  const std::string sub = TwoHundredLineSubroutine();
  std::string text = GeneratedSource(1024 * kKiB);
  if (text.size() >= 2 && text.substr(text.size() - 2) != "\r\n") text += "\r\n";
  text += sub;
  BenchEditor bench(system, text);
  editor::Editor& editor = bench.Get();
  editor.tabs.Tab(1).caption = "big.iwb";
  editor.tabs.SetActiveTab(1);
  editor.prefs.showConfirmations = false;
  std::printf("Moving a %d-line subroutine from the end of a %zu-byte file to its start\n", kBodyLines + 2,
              text.size());

  const ui::Event click{.kind = ui::MessageKind::kControlNotify, .controlId = editor::kMoveSubButton,
                        .notifyCode = ui::notify::kClick};
  const auto prepareMove = [&] {
    bench.ShowFromLine(0);
    editor::RefreshGutter(editor);
    editor::MarkGutterLine(editor, editor::LineNumber(1));
    PickMoved(editor);
  };
  const Timing move = TimeRuns(
      runs, [&] { editor::MainWindowHandler(editor, bench.Main(), click); },
      [&] {
        if (editor.main->Edit(editor::kEditor)->TextRange(0, 12) == "SUB Moved200") editor::UndoStep(editor);
        prepareMove();
      });
  const bool moved = bench.Edit().TextRange(0, 12) == "SUB Moved200";
  editor::UndoStep(editor);

  std::string inserted;
  for (char c : sub)
    if (c != '\n') inserted += c;
  const Timing baseline = TimeRuns(
      runs,
      [&] {
        bench.Edit().SetSelection(0, 0);
        bench.Edit().ReplaceSelection(inserted, false);
      },
      [&] {
        if (bench.Edit().TextRange(0, 12) != "SUB Moved200") return;
        bench.Edit().SetSelection(0, static_cast<int>(inserted.size()));
        bench.Edit().ReplaceSelection("", false);
      });

  std::printf("  baseline: one select-and-replace of the text %9.2f ms  (%.2f .. %.2f)\n", baseline.medianMs,
              baseline.fastestMs, baseline.slowestMs);
  std::printf("  the move button                           %9.2f ms  (%.2f .. %.2f)  x %.2f\n", move.medianMs,
              move.fastestMs, move.slowestMs, move.medianMs / baseline.medianMs);
  std::printf("  the subroutine came to the start: %s\n", moved ? "yes" : "NO");
  std::printf("  goal: within %.1fx: %s\n", kGoal, move.medianMs <= kGoal * baseline.medianMs ? "met" : "MISSED");
  return moved ? 0 : 1;
}

}  // namespace bench
