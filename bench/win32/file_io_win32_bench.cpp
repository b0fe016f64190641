// A 1 MiB generated file opened and saved in the real main window. The open through the
// editor's load path is timed against the same bytes streamed into a fresh editor's
// control (EM_STREAMIN) and nothing else; the save through WriteActiveFile against the
// control's whole text (WM_GETTEXT) written as it is with std::ofstream. The steps of
// each are timed apart below the totals, to show where the rest goes.
#include "bench/win32/file_io_win32_bench.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/control_ids.h"
#include "bench/generated_source.h"
#include "bench/scratch_folder.h"
#include "bench/started_editor.h"
#include "bench/win32/timing.h"
#include "companion/companion_state.h"
#include "companion/file_state_file.h"
#include "editing/file_indexer.h"
#include "files/file_loader.h"
#include "files/file_saver.h"
#include "files/tab_switch.h"
#include "model/source_file.h"
#include "model/tab_table.h"
#include "view/main_menu.h"
#include "view/main_window.h"
#include "view/progress_bar.h"
#include "view/tab_sizing.h"
#include "view/view_procedures.h"

namespace bench {
namespace {

constexpr std::size_t kFileBytes = 1024 * kKiB;
constexpr std::string_view kFileName = "generated.iwb";
constexpr std::string_view kCopyName = "copy.iwb";
constexpr double kOpenGoal = 1.2;
constexpr double kSaveGoal = 1.5;

void PrintRow(const char* name, const Timing& t, double baselineMs) {
  std::printf("  %-48s %10.2f ms  (%.2f .. %.2f)  x %.2f\n", name, t.medianMs, t.fastestMs, t.slowestMs,
              baselineMs > 0 ? t.medianMs / baselineMs : 0.0);
}

void PrintGoal(const char* what, double ratio, double goal) {
  std::printf("  goal: %s within %.1fx: %s (%.2fx)\n\n", what, goal, ratio <= goal ? "met" : "MISSED", ratio);
}

// A fresh editor for every run, made (and the last one closed) outside the timing, so
// that every open is the first one of a tab in an editor with no file open.
class FreshEditors {
 public:
  FreshEditors(ui::System& system, const ScratchFolder& folder) : system_(system), folder_(folder) {}

  void Renew() {
    editor_.reset();
    system_.PumpMessages();
    folder_.ForgetCompanions(kFileName);
    editor_.emplace(system_, folder_.Path());
    system_.PumpMessages();
  }
  StartedEditor& Current() { return *editor_; }

 private:
  ui::System& system_;
  const ScratchFolder& folder_;
  std::optional<StartedEditor> editor_;
};

// ---- opening ------------------------------------------------------------------------

void StreamIntoControl(ui::RichEdit& edit, const std::string& bytes) {
  edit.SetTextLimit(editor::TextLimitForFile(bytes.size()));
  edit.SetText(bytes);
}

// Named steps timed once per run, kept in the order they first ran, with their sum.
class StepTimes {
 public:
  void Time(const char* name, const std::function<void()>& work) {
    const double ms = ElapsedMs(work);
    Row(name).push_back(ms);
    runTotal_ += ms;
  }
  // Timed apart, left out of the sum: a part of a step.
  void TimePart(const char* name, const std::function<void()>& work) { Row(name).push_back(ElapsedMs(work)); }
  void EndRun() {
    totals_.push_back(runTotal_);
    runTotal_ = 0;
  }
  void Print(double baselineMs) const {
    for (const auto& [name, ms] : rows_) PrintRow(name, TimingOf(ms), baselineMs);
    PrintRow("  all the steps", TimingOf(totals_), baselineMs);
  }

 private:
  std::vector<double>& Row(const char* name) {
    for (auto& [rowName, ms] : rows_)
      if (std::string_view(rowName) == name) return ms;
    return rows_.emplace_back(name, std::vector<double>{}).second;
  }

  std::vector<std::pair<const char*, std::vector<double>>> rows_;
  std::vector<double> totals_;
  double runTotal_ = 0;
};

// What the load path does to the tab slot and the window once the text is in.
void PutInFirstTab(editor::Editor& editor, const std::filesystem::path& file) {
  ui::Window& window = *editor.main;
  editor::FileTab& slot = editor.tabs.Tab(1);
  slot.path = file;
  slot.caption = file.filename().string();
  slot.inUse = true;
  editor.tabs.SetActiveTab(1);
  editor.currentPath = file;
  editor.currentName = slot.caption;
  window.SetText(editor::TabButtonId(1), slot.caption);
  window.ShowControl(editor::TabButtonId(1), true);
  editor::ColourTabButtons(editor, window, 1);
  window.SetCaption(editor::CaptionForFile(slot.caption));
  editor::WritePathCompanion(editor, file);
}

// The load path's calls made one step at a time and in its order, in a fresh editor:
// where a first open's time goes.
void TimeFirstOpenSteps(FreshEditors& editors, const std::filesystem::path& file, StepTimes& steps) {
  editors.Renew();
  editor::Editor& editor = editors.Current().Get();
  ui::Window& window = *editor.main;
  ui::RichEdit& edit = editors.Current().Edit();
  std::string bytes;
  steps.Time("  ReadSourceFile", [&] { bytes = editor::ReadSourceFile(file).bytes; });
  steps.Time("  clearing the panes", [&] {
    window.StopTimer(editor::kPositionTimer);
    editor::ClearPanes(editor);
  });
  steps.Time("  the stream (EM_STREAMIN)", [&] { StreamIntoControl(edit, bytes); });
  steps.Time("  the tab: its button and caption", [&] { PutInFirstTab(editor, file); });
  steps.Time("  scroll range, caret to the start", [&] {
    window.SetScrollRange(editor::kLineScrollBar, 0, edit.LineCount());
    window.SetScrollPos(editor::kLineScrollBar, 0);
    edit.SetSelection(0, 0);
  });
  steps.Time("  ClearAndReindex (its own WM_GETTEXT too)", [&] { editor::ClearAndReindex(editor); });
  steps.Time("  companion state write (lists read back)", [&] { editor::WriteCompanionState(editor, 1); });
  steps.Time("  tab sizes", [&] { editor::SizeTabs(window, true); });
  steps.Time("  editing controls shown (again)",
             [&] { editor::ShowEditingControls(editor); });
  steps.Time("  line box, focus, timer", [&] {
    window.SetText(editor::kLineNumberBox, "1");
    editor::FocusEditor(editor);
    window.StartTimer(editor::kPositionTimer, editor.prefs.timerIntervalMs);
  });
  steps.EndRun();
}

void OpenBreakdown(FreshEditors& editors, const std::filesystem::path& file, double baselineMs, int runs) {
  StepTimes steps;
  for (int r = 0; r < runs; ++r) TimeFirstOpenSteps(editors, file, steps);
  std::printf("  the load path's calls one step at a time, in a fresh editor each run:\n");
  steps.Print(baselineMs);
}

// Inside the index of a first open: with a tab active, FullIndex also restores the
// tab's companion state, none yet, whose finishing steps recolour the page and show the
// editing controls; then it recolours the page itself. Timed in an editor holding the
// file, with its companions removed again as before a first open. Showing the editing
// controls enables the editing menu item by item, each one redrawing the menu bar.
void IndexBreakdown(FreshEditors& editors, const ScratchFolder& folder, const std::filesystem::path& file,
                    double baselineMs, int runs) {
  editors.Renew();
  editor::Editor& editor = editors.Current().Get();
  editor::LoadFile(editor, file);
  folder.ForgetCompanions(kFileName);
  ui::System& system = editor.system;
  const auto pump = [&system] { system.PumpMessages(); };
  const int tab = editor.tabs.ActiveTab();
  const Timing withRestore = TimeRuns(runs, [&] { editor::FullIndex(editor, editor::IndexProgress::kHidden); }, pump);
  // With no tab active the index has no state to restore.
  editor.tabs.SetActiveTab(0);
  const Timing without = TimeRuns(runs, [&] { editor::FullIndex(editor, editor::IndexProgress::kHidden); }, pump);
  editor.tabs.SetActiveTab(tab);
  std::printf("  inside the index, in an editor that holds the file (lists full, so clearing them counts too):\n");
  PrintRow("  FullIndex", withRestore, baselineMs);
  PrintRow("  FullIndex without the state restore", without, baselineMs);
  PrintRow("  the state restore alone (no state file)", TimeRuns(runs, [&] { editor::RestoreCompanionState(editor, tab); }, pump),
           baselineMs);
  PrintRow("  RecolourVisible alone", TimeRuns(runs, [&] { editor::RecolourVisible(editor); }, pump), baselineMs);
  ui::Window& window = *editor.main;
  const std::span<const int> menuItems = editor::EditingMenuIds();
  const Timing menu = TimeRuns(runs, [&] {
    for (const int id : menuItems) window.EnableMenuItem(id, true);
  }, pump);
  std::printf("  %-48s %10.2f ms  (%.2f .. %.2f)  x %.2f   (%zu items)\n", "  the editing menu enabled, items already so",
              menu.medianMs, menu.fastestMs, menu.slowestMs, menu.medianMs / baselineMs, menuItems.size());
}

void OpenCase(ui::System& system, const ScratchFolder& folder, const std::filesystem::path& file, int runs) {
  const std::string bytes = editor::ReadSourceFile(file).bytes;
  FreshEditors editors(system, folder);
  const auto renew = [&editors] { editors.Renew(); };
  std::printf("(a) opening the file into the first tab of a freshly started editor\n");
  const Timing stream = TimeRuns(runs, [&] { StreamIntoControl(editors.Current().Edit(), bytes); }, renew);
  const Timing load = TimeRuns(runs, [&] { editor::LoadFile(editors.Current().Get(), file); }, renew);
  const int lines = editors.Current().Edit().LineCount();
  PrintRow("baseline: EM_STREAMIN into a fresh control", stream, stream.medianMs);
  PrintRow("LoadFile (read, stream, index, companions)", load, stream.medianMs);
  std::printf("  the control holds %d lines after LoadFile\n", lines);
  OpenBreakdown(editors, file, stream.medianMs, runs);
  IndexBreakdown(editors, folder, file, stream.medianMs, runs);
  PrintGoal("LoadFile", load.medianMs / stream.medianMs, kOpenGoal);
}

// ---- saving -------------------------------------------------------------------------

// The save path's steps, each timed on its own.
void SaveBreakdown(StartedEditor& started, const std::filesystem::path& file, double baselineMs, int runs) {
  editor::Editor& editor = started.Get();
  ui::RichEdit& edit = started.Edit();
  ui::System& system = editor.system;
  const auto pump = [&system] { system.PumpMessages(); };
  const std::string text = edit.Text();
  const std::string bytes = editor::SaveFormOf(text, editor::HexLiterals::kLowerFirstOfEachLine);
  std::printf("  the steps of the save path, one at a time:\n");
  PrintRow("  whole-text read (WM_GETTEXT)", TimeRuns(runs, [&] { edit.Text(); }, pump), baselineMs);
  PrintRow("  line count", TimeRuns(runs, [&] { edit.LineCount(); }, pump), baselineMs);
  PrintRow("  SaveFormOf, no progress",
           TimeRuns(runs, [&] { editor::SaveFormOf(text, editor::HexLiterals::kLowerFirstOfEachLine); }, pump),
           baselineMs);
  PrintRow("  SaveFormOf with the progress bar", TimeRuns(runs, [&] {
             editor::ProgressBar bar(*editor.main, edit.LineCount(), editor.prefs.windowBackground);
             editor::SaveFormOf(text, editor::HexLiterals::kLowerFirstOfEachLine,
                                [&bar](int line) { bar.AfterLine(line); });
           }, pump),
           baselineMs);
  PrintRow("  WriteSourceFile (temporary and rename)", TimeRuns(runs, [&] { editor::WriteSourceFile(editor::DiskFiles(), file, bytes); }, pump),
           baselineMs);
}

void SaveCase(ui::System& system, const ScratchFolder& folder, const std::filesystem::path& file, int runs) {
  StartedEditor started(system, folder.Path());
  editor::Editor& editor = started.Get();
  editor::LoadFile(editor, file);
  // Saved under this path before, so no re-index follows the write; and the "saved"
  // notice, which holds the thread for its display time, is switched off.
  editor.lastSavedPath = editor.currentPath;
  editor.prefs.showConfirmations = false;
  editor::FileTab& tab = editor.tabs.Tab(editor.tabs.ActiveTab());
  const auto changed = [&] {
    tab.caption += '*';
    system.PumpMessages();
  };
  std::printf("(b) saving the changed file (no re-index, no notice)\n");
  const Timing plain = TimeRuns(runs, [&] { folder.WriteFile(kCopyName, started.Edit().Text()); }, changed);
  const Timing save = TimeRuns(runs, [&] { editor::WriteActiveFile(editor); }, changed);
  PrintRow("baseline: WM_GETTEXT + std::ofstream write", plain, plain.medianMs);
  PrintRow("WriteActiveFile", save, plain.medianMs);
  SaveBreakdown(started, file, plain.medianMs, runs);
  PrintGoal("WriteActiveFile", save.medianMs / plain.medianMs, kSaveGoal);
}

}  // namespace

int RunFileIoWin32Bench(ui::System& system, int runs) {
  const std::string text = GeneratedSource(kFileBytes);
  const ScratchFolder folder;
  const std::filesystem::path file = folder.WriteFile(kFileName, text);
  std::printf("Win32 layer: opening and saving a generated file of %zu bytes. %d runs per case, "
              "median (fastest .. slowest)\n\n",
              text.size(), runs);
  OpenCase(system, folder, file, runs);
  SaveCase(system, folder, file, runs);
  return 0;
}

}  // namespace bench
