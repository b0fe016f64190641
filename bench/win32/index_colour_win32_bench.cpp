// A 1 MiB generated file in the real main window. The full index is timed against the
// least a pass over the file can cost there: the whole-text read and a split in memory.
// The page colouring is timed against the same page coloured item by item, one select and
// one colour request per paint of the line pass, the way per-line code would do it; in
// the real control each select costs more the further down the file it lands.
#include "bench/win32/index_colour_win32_bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/control_ids.h"
#include "base/word_delimiters.h"
#include "bench/bench_editor.h"
#include "bench/counting_rich_edit.h"
#include "bench/generated_source.h"
#include "bench/literal_paints.h"
#include "bench/win32/timing.h"
#include "companion/companion_state.h"
#include "editing/bracket_counter.h"
#include "editing/edit_control_handler.h"
#include "editing/edit_key_release.h"
#include "editing/file_indexer.h"
#include "editing/index_updates.h"
#include "model/control_index.h"
#include "model/line_colouring.h"
#include "platform/win32/window.h"
#include "view/colour_passes.h"
#include "view/controls_redraw_off.h"
#include "view/edit_position_panel.h"
#include "view/index_lists.h"
#include "view/line_range_text.h"
#include "view/view_procedures.h"

namespace bench {
namespace {

constexpr std::size_t kFileBytes = 1024 * kKiB;
constexpr int kLineBuffer = 512;
constexpr int kProbeRequests = 50;
constexpr int kStartPageLine = 7;  // the first module's declarations
constexpr double kFullIndexGoal = 1.5;
constexpr double kColouringGoal = 2.0;

std::size_t SplitIntoLines(std::string_view text) {
  const char* p = text.data();
  const char* end = p + text.size();
  std::size_t lines = 0;
  while (p < end) {
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    ++lines;
    p = lf ? lf + 1 : end;
  }
  return lines;
}

// ---- the item-by-item colouring -----------------------------------------------------

// The rule of the colour passes: a line longer than the threshold, leading blanks aside.
bool LongEnough(std::string_view text, int threshold) {
  if (threshold < 0) return true;
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  return static_cast<int>(editor::WithoutLeadingBlanks(text).size()) > threshold;
}

struct LinePaints {
  int start = 0;  // character position of the line
  std::vector<Paint> paints;
};

// The page's paints, worked out from one read of its lines (untimed, so that the
// item-by-item way is measured at its cheapest: its requests alone).
std::vector<LinePaints> PagePaints(ui::RichEdit& edit, const editor::PassLines& lines,
                                   const editor::LineColourContext& context) {
  const editor::LineRangeText range = editor::ReadLineRange(edit, lines.first, lines.last, editor::RestoreSelection::kYes);
  std::vector<LinePaints> page;
  editor::LineIndex index = range.firstLine;
  int start = range.startPosition.Value();
  for (std::size_t at = 0; at < range.text.size(); index += 1) {
    const std::size_t cr = range.text.find('\r', at);
    const std::size_t end = cr == std::string::npos ? range.text.size() : cr + 1;
    const std::string_view text = std::string_view(range.text).substr(at, end - at);
    if (LongEnough(text, lines.threshold)) page.push_back({start, LiteralPaints(text, index, context)});
    start += static_cast<int>(text.size());
    at = end;
  }
  return page;
}

void SendPaints(ui::RichEdit& edit, const std::vector<LinePaints>& page) {
  const std::pair<int, int> selection = edit.GetSelection();
  for (const LinePaints& line : page) {
    for (const Paint& p : line.paints) {
      edit.SetSelection(line.start + p.start, line.start + p.end);
      edit.SetSelectionColour(p.colour);
    }
  }
  edit.SetSelection(selection.first, selection.second);
}

// The whole item-by-item way: each line read with its own requests, then its paints.
void ColourItemByItem(ui::RichEdit& edit, const editor::PassLines& lines, const editor::LineColourContext& context) {
  const std::pair<int, int> selection = edit.GetSelection();
  const int last = std::min(lines.last.Value(), edit.LineCount() - 1);
  for (int line = std::max(0, lines.first.Value()); line <= last; ++line) {
    const int start = edit.LineIndex(line);
    const std::string text = edit.GetLine(line, kLineBuffer);
    if (!LongEnough(text, lines.threshold)) continue;
    for (const Paint& p : LiteralPaints(text, editor::LineIndex(line), context)) {
      edit.SetSelection(start + p.start, start + p.end);
      edit.SetSelectionColour(p.colour);
    }
  }
  edit.SetSelection(selection.first, selection.second);
}

// Lines whose literal paints would colour differently from ColourLine, and lines that
// would still be recased (both must be 0 for a fair comparison).
struct PageCheck {
  int mismatches = 0;
  int recased = 0;
};

PageCheck CheckPage(ui::RichEdit& edit, const editor::PassLines& lines, const editor::LineColourContext& context) {
  PageCheck check;
  const editor::LineRangeText range = editor::ReadLineRange(edit, lines.first, lines.last, editor::RestoreSelection::kYes);
  editor::LineIndex index = range.firstLine;
  for (std::size_t at = 0; at < range.text.size(); index += 1) {
    const std::size_t cr = range.text.find('\r', at);
    const std::size_t end = cr == std::string::npos ? range.text.size() : cr + 1;
    const std::string_view text = std::string_view(range.text).substr(at, end - at);
    if (!PaintsMatchColourLine(text, index, context)) ++check.mismatches;
    if (!editor::ColourLine(text, index, context).recasings.empty()) ++check.recased;
    at = end;
  }
  return check;
}

// ---- printing -----------------------------------------------------------------------

void PrintRow(const char* name, const Timing& t, double baselineMs) {
  std::printf("  %-44s %10.2f ms  (%.2f .. %.2f)  x %.2f\n", name, t.medianMs, t.fastestMs, t.slowestMs,
              baselineMs > 0 ? t.medianMs / baselineMs : 0.0);
}

void PrintTally(const char* name, const RequestTally& tally, int runs) {
  std::printf("  %-44s %ld requests: %ld line requests (%ld selections), %ld colours, %ld text reads\n", name,
              tally.all / runs, tally.lineRequests / runs, tally.selections / runs, tally.colours / runs,
              tally.textReads / runs);
}

void PrintGoal(const char* what, double ratio, double goal, bool atMost) {
  const bool met = atMost ? ratio <= goal : ratio >= goal;
  std::printf("  goal: %s %s %.1fx: %s (%.2fx)\n\n", what, atMost ? "within" : "at least", goal,
              met ? "met" : "MISSED", ratio);
}

// ---- the cases ----------------------------------------------------------------------

// The list work of FullIndex, step by step with the calls it makes: where its time goes
// besides reading and indexing the text.
void ListFillBreakdown(BenchEditor& bench, const std::string& text, const editor::TextIndex& index, double baselineMs,
                       int runs) {
  ui::Window& window = bench.Main();
  const auto clear = [&window] {
    for (ui::ControlId list : {editor::kSubroutineList, editor::kWindowList, editor::kControlList})
      window.ViewClear(list);
    for (ui::ControlId combo : {editor::kSubroutineCombo, editor::kWindowCombo, editor::kIncludeCombo})
      window.ListClear(combo);
  };
  const auto subroutineRows = [&] {
    for (const editor::IndexedName& sub : index.subroutines)
      editor::AddSubroutineRow(window, sub.name, sub.line, sub.line);
  };
  const auto windowRows = [&] {
    for (const editor::IndexedName& win : index.windows) editor::AddWindowRow(window, win.name, win.line);
  };
  const auto combos = [&] {
    for (const std::string& include : index.includes) window.ListAdd(editor::kIncludeCombo, include);
    for (const editor::IndexedName& sub : index.subroutines) window.ListAdd(editor::kSubroutineCombo, sub.name);
    for (const editor::IndexedName& win : index.windows)
      window.ListAdd(editor::kWindowCombo, editor::WindowComboEntry(win.name, win.title));
  };
  std::vector<editor::ControlEntry> controls;
  const auto controlIndex = [&] { controls = editor::IndexControls(text); };
  const auto controlRows = [&] { editor::FillControlRows(window, controls); };
  // What FullIndex ends with: the tab's state restored, or the view coloured.
  const auto restore = [&] {
    if (const int tab = bench.Get().tabs.ActiveTab(); tab != 0)
      editor::RestoreCompanionState(bench.Get(), tab, editor::ViewAfterRestore::kCaretToTopLine,
                                    editor::IndexRows::kFromText);
    else
      editor::RecolourVisible(bench.Get());
  };
  std::vector<double> clearing, subs, wins, lists, controlIndexing, controlFilling, restoring;
  for (int r = 0; r < runs; ++r) {
    // Drawing off, as FullIndex has it: one repaint each when it comes back on.
    const editor::ControlsRedrawOff redrawOff(window, {editor::kSubroutineList, editor::kWindowList,
                                                       editor::kControlList, editor::kSubroutineCombo,
                                                       editor::kWindowCombo, editor::kIncludeCombo});
    clearing.push_back(ElapsedMs(clear));
    subs.push_back(ElapsedMs(subroutineRows));
    wins.push_back(ElapsedMs(windowRows));
    lists.push_back(ElapsedMs(combos));
    controlIndexing.push_back(ElapsedMs(controlIndex));
    controlFilling.push_back(ElapsedMs(controlRows));
    restoring.push_back(ElapsedMs(restore));
    bench.Get().system.PumpMessages();
  }
  std::printf("  where the rest goes (the same calls as FullIndex, timed one step at a time):\n");
  PrintRow("  clearing the three lists and three combos", TimingOf(clearing), baselineMs);
  PrintRow("  subroutine rows (insert + 2 cells each)", TimingOf(subs), baselineMs);
  PrintRow("  window rows (insert + 1 cell each)", TimingOf(wins), baselineMs);
  PrintRow("  combo entries", TimingOf(lists), baselineMs);
  PrintRow("  the controls index of the text, in memory", TimingOf(controlIndexing), baselineMs);
  PrintRow("  control rows", TimingOf(controlFilling), baselineMs);
  PrintRow("  the tab's state restored (or the view coloured)", TimingOf(restoring), baselineMs);
  editor::FullIndex(bench.Get(), editor::IndexProgress::kHidden);  // the lists as the editor keeps them
}

void FullIndexCase(BenchEditor& bench, const std::string& text, int runs) {
  ui::System& system = bench.Get().system;
  ui::RichEdit& edit = bench.Edit();
  bench.ShowFromLine(0);
  const auto pump = [&system] { system.PumpMessages(); };
  std::printf("(a) full index of the file, view at the top\n");
  const Timing read = TimeRuns(runs, [&] { SplitIntoLines(edit.Text()); }, pump);
  const Timing inMemory = TimeRuns(runs, [&] { editor::IndexText(text); }, pump);
  const Timing full = TimeRuns(runs, [&] { editor::FullIndex(bench.Get(), editor::IndexProgress::kHidden); }, pump);
  PrintRow("baseline: WM_GETTEXT + split in memory", read, read.medianMs);
  PrintRow("IndexText of the same text, in memory", inMemory, read.medianMs);
  PrintRow("FullIndex (hidden progress)", full, read.medianMs);
  const editor::TextIndex index = editor::IndexText(text);
  std::printf("  the lists get %zu subroutines, %zu windows, %zu includes; the rest of FullIndex: %.2f ms\n",
              index.subroutines.size(), index.windows.size(), index.includes.size(),
              full.medianMs - read.medianMs - inMemory.medianMs);
  ListFillBreakdown(bench, text, index, read.medianMs, runs);
  PrintGoal("FullIndex", full.medianMs / read.medianMs, kFullIndexGoal, true);
}

void PageCase(BenchEditor& bench, const char* where, int firstVisible, int runs) {
  ui::System& system = bench.Get().system;
  CountingRichEdit edit(bench.Edit());
  bench.ShowFromLine(firstVisible);
  const editor::LineIndex shown(edit.FirstVisibleLine());
  const editor::PassLines lines =
      editor::LinesOfPass(editor::ColourPass::kVisiblePage, shown, bench.PageLines(), editor::LineIndex(0));
  const ColourSetup setup(bench);
  const editor::LineColourContext context = setup.Context();
  editor::ColourLines(edit, lines.first, lines.last, lines.threshold, context);  // recases the page once
  const PageCheck check = CheckPage(edit, lines, context);
  const std::vector<LinePaints> paints = PagePaints(edit, lines, context);
  std::size_t paintCount = 0;
  for (const LinePaints& line : paints) paintCount += line.paints.size();

  std::printf("(b) colouring the visible page %s: lines %d..%d, %zu paints item by item\n", where, lines.first.Value(),
              lines.last.Value(), paintCount);
  if (check.mismatches != 0 || check.recased != 0)
    std::printf("  WARNING: %d lines paint differently from ColourLine, %d lines still recased\n", check.mismatches,
                check.recased);
  const auto pump = [&system] { system.PumpMessages(); };
  const auto quiet = [&edit](const std::function<void()>& work) {
    edit.SetRedraw(false);
    work();
    edit.SetRedraw(true);
  };
  edit.ResetTally();
  const Timing colourLines = TimeRuns(
      runs, [&] { quiet([&] { editor::ColourLines(edit, lines.first, lines.last, lines.threshold, context); }); }, pump);
  const RequestTally merged = edit.Tally();
  edit.ResetTally();
  const Timing sent = TimeRuns(runs, [&] { quiet([&] { SendPaints(edit, paints); }); }, pump);
  const RequestTally literal = edit.Tally();
  edit.ResetTally();
  const Timing whole = TimeRuns(runs, [&] { quiet([&] { ColourItemByItem(edit, lines, context); }); }, pump);
  const RequestTally itemByItem = edit.Tally();

  PrintRow("ColourLines (one read, merged runs)", colourLines, colourLines.medianMs);
  PrintRow("item by item, paints only (worked out ahead)", sent, colourLines.medianMs);
  PrintRow("item by item, with per-line reads", whole, colourLines.medianMs);
  PrintTally("ColourLines", merged, runs);
  PrintTally("item by item, paints only", literal, runs);
  PrintTally("item by item, with per-line reads", itemByItem, runs);
  PrintGoal("ColourLines against paints only", sent.medianMs / colourLines.medianMs, kColouringGoal, false);
}

// What one select and one colour request cost at a line, together and apart: the unit
// behind the page cases.
void RequestCostCase(BenchEditor& bench, int runs) {
  ui::RichEdit& edit = bench.Edit();
  const ColourSetup setup(bench);
  std::printf("(c) single requests on one character, %d in a row, median per request (pair)\n", kProbeRequests);
  for (const int line : {kStartPageLine, edit.LineCount() / 2, edit.LineCount() - 2}) {
    const int at = edit.LineIndex(line);
    const std::string text = edit.GetLine(line, kLineBuffer);
    const ui::Colour colour = editor::ColourLine(text, editor::LineIndex(line), setup.Context()).colours.front();
    const auto repeated = [&](const std::function<void(int)>& request) {
      return TimeRuns(runs, [&] {
               for (int i = 0; i < kProbeRequests; ++i) request(i);
             }).medianMs / kProbeRequests;
    };
    const auto pair = [&](int) {
      edit.SetSelection(at, at + 1);
      edit.SetSelectionColour(colour);
    };
    const double pairMs = repeated(pair);
    edit.SetRedraw(false);
    const double quietPairMs = repeated(pair);
    const double selectMs = repeated([&](int i) { edit.SetSelection(at + i % 2, at + 1 + i % 2); });
    edit.SetSelection(at, at + 1);
    const double colourMs = repeated([&](int) { edit.SetSelectionColour(colour); });
    const double lineIndexMs = repeated([&](int) { edit.LineIndex(line); });
    edit.SetRedraw(true);
    std::printf("  line %6d: select + colour %7.3f ms, with redraw off %7.3f ms; select alone %7.3f ms, "
                "colour alone %7.3f ms, line index %7.3f ms\n",
                line, pairMs, quietPairMs, selectMs, colourMs, lineIndexMs);
    // What the undo capture asks on each editing key.
    edit.SetSelection(at, at);
    const double rangeMs = repeated([&](int) { edit.TextRange(std::max(0, at - 64), at + 64); });
    const double selectionMs = repeated([&](int) { edit.GetSelection(); });
    const double lengthMs = repeated([&](int) { edit.TextLength(); });
    const double scrollMs = repeated([&](int) { edit.ScrollPosition(); });
    std::printf("  line %6d: text range of 128 %7.3f ms, get selection %7.3f ms, text length %7.3f ms, "
                "scroll position %7.3f ms\n",
                line, rangeMs, selectionMs, lengthMs, scrollMs);
    // What a key release asks about the caret's line.
    const double caretLineStartMs = repeated([&](int) { edit.LineIndex(-1); });
    const double lineFromCharMs = repeated([&](int) { edit.LineFromChar(at); });
    const double getLineMs = repeated([&](int) { edit.GetLine(line, kLineBuffer); });
    const double pointMs = repeated([&](int) { edit.PositionFromChar(at); });
    const double firstVisibleMs = repeated([&](int) { edit.FirstVisibleLine(); });
    const double lineCountMs = repeated([&](int) { edit.LineCount(); });
    std::printf("  line %6d: caret line's start %7.3f ms, line from char %7.3f ms, get line %7.3f ms, "
                "position from char %7.3f ms, first visible line %7.3f ms, line count %7.3f ms\n",
                line, caretLineStartMs, lineFromCharMs, getLineMs, pointMs, firstVisibleMs, lineCountMs);
  }
  // A request the control answers from a field: what the layer adds to every request.
  const double eventMaskMs = TimeRuns(runs, [&] {
                               for (int i = 0; i < kProbeRequests; ++i) edit.EventMask();
                             }).medianMs / kProbeRequests;
  std::printf("  a request that does no work (event mask): %7.3f ms\n", eventMaskMs);
  std::printf("\n");
}

// Work done on every key release, with the caret near the start and at the end.
void PerKeystrokeCase(BenchEditor& bench, const std::string& text, int runs) {
  struct Probe {
    const char* name;
    std::string_view marker;
    void (*work)(editor::Editor&);
  };
  const Probe probes[] = {
      {"UpdateFromCaretLine, statement line", kBodyLineMarker, &editor::UpdateFromCaretLine},
      {"UpdateFromCaretLine, SUB line (row renamed)", kSubLineMarker, &editor::UpdateFromCaretLine},
      {"ShowBracketCounts", kBracketLineMarker, &editor::ShowBracketCounts},
      {"ShowEditPosition", kBodyLineMarker,
       [](editor::Editor& e) {
         e.view.editPositionShown = true;
         editor::ShowEditPosition(e, *e.main->Edit(editor::kEditor));
       }},
      {"colouring the caret line", kBodyLineMarker,
       [](editor::Editor& e) { editor::RunColourPass(e, editor::ColourPass::kCurrentLine); }},
      {"the whole key release (a letter)", kBodyLineMarker,
       [](editor::Editor& e) {
         editor::PaintedLine unknown;
         editor::AfterEditKeyRelease(e, editor::KeyRelease{}, unknown);
       }},
  };
  std::printf("(d) per keystroke, caret near the start / at the end\n");
  for (const Probe& probe : probes) {
    double ms[2] = {};
    int lines[2] = {};
    for (const bool fromEnd : {false, true}) {
      lines[fromEnd] = LineBeginningWith(text, probe.marker, fromEnd);
      bench.PutCaretOnLine(lines[fromEnd]);
      ms[fromEnd] = TimeRuns(runs, [&] { probe.work(bench.Get()); }).medianMs;
    }
    std::printf("  %-44s line %5d: %8.3f ms   line %5d: %8.3f ms   (x %.1f)\n", probe.name, lines[0], ms[0],
                lines[1], ms[1], ms[0] > 0 ? ms[1] / ms[0] : 0.0);
  }
  std::printf("\n");
}

// A letter typed and erased with Backspace through the real control and the editor's
// handler in front of it, at line 10 and at the end, against the control alone.
void TypedKeyCase(BenchEditor& bench, int runs) {
  editor::Editor& editor = bench.Get();
  editor.tabs.Tab(1).caption = "big.iwb";
  editor.tabs.SetActiveTab(1);
  HWND control = dynamic_cast<win32::Window&>(bench.Main()).ControlHandle(editor::kEditor);
  const auto key = [control](WPARAM virtualKey, WPARAM character) {
    ::SendMessageA(control, WM_KEYDOWN, virtualKey, 0);
    ::SendMessageA(control, WM_CHAR, character, 0);
    ::SendMessageA(control, WM_KEYUP, virtualKey, 0);
  };
  const auto typeAndErase = [&] {
    key('A', 'a');
    key(VK_BACK, '\b');
  };
  const int lines[] = {10, bench.Edit().LineCount() - 2};
  std::printf("(e) a letter typed and erased through the edit control\n");
  for (const bool handler : {false, true}) {
    if (handler) editor::InstallEditControlHandler(editor);
    double ms[2] = {};
    for (int i = 0; i < 2; ++i) {
      bench.ShowFromLine(std::max(0, lines[i] - 5));
      bench.PutCaretOnLine(lines[i]);
      ms[i] = TimeRuns(runs, typeAndErase).medianMs;
    }
    std::printf("  %-44s line %5d: %8.3f ms   line %5d: %8.3f ms   (x %.2f)\n",
                handler ? "with the editor's handler" : "the control alone", lines[0] + 1, ms[0], lines[1] + 1, ms[1],
                ms[0] > 0 ? ms[1] / ms[0] : 0.0);
  }
  std::printf("\n");
}

}  // namespace

int RunIndexColourWin32Bench(ui::System& system, int runs) {
  const std::string text = GeneratedSource(kFileBytes);
  BenchEditor bench(system, text);
  const std::size_t lines = SplitIntoLines(text);
  std::printf("Win32 layer: generated file of %zu bytes, %zu lines; the control holds %d lines. %d runs per case, "
              "median (fastest .. slowest)\n\n",
              text.size(), lines, bench.Edit().LineCount(), runs);
  if (static_cast<std::size_t>(bench.Edit().LineCount()) < lines) {
    std::printf("the control did not take the whole file\n");
    return 1;
  }
  FullIndexCase(bench, text, runs);
  PageCase(bench, "near the start", kStartPageLine, runs);
  PageCase(bench, "at the end", bench.Edit().LineCount() - bench.PageLines(), runs);
  RequestCostCase(bench, runs);
  PerKeystrokeCase(bench, text, runs);
  TypedKeyCase(bench, runs);
  return 0;
}

}  // namespace bench
