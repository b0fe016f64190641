// The control search's list rebuilt for a generated file of 2,000 controls, as typing in
// its name box does (filtered, sorted, shown), against inserting the same rows into a bare
// list view in the same run.
#include "bench/win32/control_list_win32_bench.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/win32/timing.h"
#include "model/control_index.h"
#include "model/control_list.h"
#include "search/control_rows.h"

namespace bench {

namespace {

constexpr int kWindows = 20;
constexpr int kControlsPerWindow = 100;
constexpr double kGoal = 1.5;
constexpr ui::ControlId kRebuilt = 1;
constexpr ui::ControlId kBare = 2;
constexpr editor::ControlCell kColumns[] = {editor::ControlCell::kName, editor::ControlCell::kWindow,
                                            editor::ControlCell::kLine, editor::ControlCell::kType,
                                            editor::ControlCell::kCase};

std::string ProgramWithControls() {
  std::string text;
  for (int w = 1; w <= kWindows; ++w) {
    const std::string window = "w" + std::to_string(w);
    text += "OPENWINDOW " + window + ", 0, 0, 640, 480, 0, 0, \"Window\", &Handler" + std::to_string(w) + "\r\n";
    for (int c = 1; c <= kControlsPerWindow; ++c)
      text += "CONTROL " + window + ", @BUTTON, \"B\", 10, 10, 80, 24, 0, IDC_" + std::to_string(w) + "_" +
              std::to_string(c) + "\r\n";
    text += "WAITUNTIL " + window + " = 0\r\nSUB Handler" + std::to_string(w) + "()\r\n  SELECT @CONTROLID\r\n";
    for (int c = 1; c <= kControlsPerWindow; c += 2)
      text += "    CASE IDC_" + std::to_string(w) + "_" + std::to_string(c) + "\r\n";
    text += "  ENDSELECT\r\nENDSUB\r\n";
  }
  return text;
}

bool MakeList(ui::Window& window, ui::ControlId id) {
  ui::ControlSpec list;
  list.kind = ui::ControlKind::kListView;
  list.id = id;
  list.rect = {10, 10 + (id - 1) * 300, 720, 280};
  if (!window.CreateControl(list)) return false;
  for (const char* title : {"Control name", "Window", "Control", "Type", "Case"}) window.ViewAddColumn(id, title, 120);
  return true;
}

}  // namespace

int RunControlListWin32Bench(ui::System& system, int runs) {
  const std::vector<editor::ControlEntry> controls = editor::IndexControls(ProgramWithControls());
  std::unique_ptr<ui::Window> window = system.CreateTopLevel({"Control list", {0, 0, 760, 640}});
  if (!window || !MakeList(*window, kRebuilt) || !MakeList(*window, kBare)) return 1;
  std::printf("Rebuilding the control search's list of %zu controls\n", controls.size());

  const Timing baseline = TimeRuns(runs, [&] {
    window->SetControlRedraw(kBare, false);
    window->ViewClear(kBare);
    for (const editor::ControlEntry& control : controls) {
      const int row = window->ViewInsertRow(kBare, window->ViewRowCount(kBare), control.name);
      for (int column = 1; column < 5; ++column) window->ViewSetCell(kBare, row, column, "cell");
    }
    window->SetControlRedraw(kBare, true);
  });
  const editor::ControlFilter everything;
  std::size_t listed = 0;
  const Timing rebuild = TimeRuns(runs, [&] {
    const std::vector<editor::ControlEntry> rows = editor::FilteredControls(controls, everything);
    editor::ShowControlRows(*window, kRebuilt, rows, kColumns);
    listed = rows.size();
  });
  std::printf("  baseline: the rows into a bare list view   %9.2f ms\n", baseline.medianMs);
  std::printf("  the control search's rebuild (%zu rows)   %9.2f ms  (%.2f .. %.2f)  x %.2f\n", listed,
              rebuild.medianMs, rebuild.fastestMs, rebuild.slowestMs, rebuild.medianMs / baseline.medianMs);
  std::printf("  goal: within %.1fx: %s\n", kGoal, rebuild.medianMs <= kGoal * baseline.medianMs ? "met" : "MISSED");
  return listed == controls.size() ? 0 : 1;
}

}  // namespace bench
