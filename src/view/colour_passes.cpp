#include "view/colour_passes.h"

#include <algorithm>

#include "base/control_ids.h"
#include "base/line_buffer.h"
#include "base/word_delimiters.h"
#include "state/editor.h"
#include "view/edit_lines.h"
#include "view/line_range_text.h"

namespace editor {

namespace {

constexpr int kLinesAboveCount = 34;

// One line of the range as the line pass sees it, and where it sits in the control.
struct RangeLine {
  LineIndex index{0};
  CharPosition start{0};
  std::string_view text;  // with its CR when it has one, cut to the line buffer
  int length = 0;         // in the control, its CR included
};

std::vector<RangeLine> SplitRange(std::string_view text, LineIndex firstIndex, CharPosition firstStart) {
  std::vector<RangeLine> lines;
  CharPosition start = firstStart;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t cr = text.find('\r', at);
    const bool hasBreak = cr != std::string_view::npos;
    const std::size_t end = hasBreak ? cr + 1 : text.size();
    if (!hasBreak && at == text.size() && !lines.empty()) break;
    RangeLine line;
    line.index = firstIndex + static_cast<int>(lines.size());
    line.start = start;
    line.length = static_cast<int>(end - at);
    line.text = text.substr(at, std::min(end - at, static_cast<std::size_t>(kLineBufferChars)));
    lines.push_back(line);
    start += line.length;
    if (!hasBreak) break;
    at = end;
  }
  return lines;
}

bool LongEnough(std::string_view lineText, int threshold) {
  if (threshold < 0) return true;
  std::string_view body = lineText;
  if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
  return static_cast<int>(WithoutLeadingBlanks(body).size()) > threshold;
}

// The requests for one stretch of consecutive coloured lines: recasings first (they keep
// the text's length), then the whole stretch in Text, then each run of another colour,
// runs of one colour that meet across line ends merged into one.
class StretchPainter {
 public:
  StretchPainter(ui::RichEdit& edit, ui::Colour text) : edit_(edit), text_(text) {}

  // Recasings and runs are kept at their places in the control, not in the line.
  void Add(const RangeLine& line, const LineColours& colours) {
    const int lineStart = line.start.Value();
    if (start_ < 0) start_ = lineStart;
    end_ = lineStart + line.length;
    for (const Recasing& r : colours.recasings) recasings_.push_back({lineStart + r.start, r.text});
    for (const ColourRun& run : RunsOf(colours.colours)) {
      if (run.colour == text_) continue;
      const int at = lineStart + run.start;
      if (!runs_.empty() && runs_.back().colour == run.colour && runs_.back().start + runs_.back().length == at)
        runs_.back().length += run.length;
      else
        runs_.push_back({at, run.length, run.colour});
    }
  }

  void Flush() {
    if (start_ < 0) return;
    for (const Recasing& r : recasings_) {
      edit_.SetSelection(r.start, r.start + static_cast<int>(r.text.size()));
      edit_.ReplaceSelection(r.text, true);
    }
    edit_.SetSelection(start_, end_);
    edit_.SetSelectionColour(text_);
    for (const ColourRun& run : runs_) {
      edit_.SetSelection(run.start, run.start + run.length);
      edit_.SetSelectionColour(run.colour);
    }
    recasings_.clear();
    runs_.clear();
    start_ = end_ = -1;
  }

 private:
  ui::RichEdit& edit_;
  ui::Colour text_;
  int start_ = -1;
  int end_ = -1;
  std::vector<Recasing> recasings_;
  std::vector<ColourRun> runs_;
};

}  // namespace

PassLines LinesOfPass(ColourPass pass, LineIndex f, int n, LineIndex caretLine) {
  switch (pass) {
    case ColourPass::kVisiblePage: return {f - 2, f + n, 2};
    case ColourPass::kCurrentLine: return {caretLine, caretLine, -1};
    case ColourPass::kNextPage: return {f + n - 1, f + 2 * n, 0};
    case ColourPass::kPreviousPage: return {f - n, f, 0};
    case ColourPass::kLineBelow: return {f + n - 1, f + n + 1, 0};
    case ColourPass::kLineAbove: return {f - 1, f, 0};
    case ColourPass::kLinesAbove: return {f - kLinesAboveCount, f, 2};
    case ColourPass::kPageBelow: return {f, f + n + 2, 2};
  }
  return {};
}

bool WindowLocalNames::IsSubroutine(std::string_view word) const {
  return window_.ViewFindExact(kSubroutineList, word) >= 0;
}
bool WindowLocalNames::IsWindow(std::string_view word) const { return window_.ViewFindExact(kWindowList, word) >= 0; }
bool WindowLocalNames::IsControl(std::string_view word) const {
  return window_.ViewFindExact(kControlList, word) >= 0;
}

void ColourLines(ui::RichEdit& edit, LineIndex first, LineIndex last, int threshold,
                 const LineColourContext& context) {
  const std::pair<int, int> selection = edit.GetSelection();
  const int firstVisible = edit.FirstVisibleLine();
  const LineRangeText range = ReadLineRange(edit, first, last, RestoreSelection::kNo);
  if (!range.holdsLines) return;

  StretchPainter painter(edit, context.scheme.text);
  for (const RangeLine& line : SplitRange(range.text, range.firstLine, range.startPosition)) {
    if (!LongEnough(line.text, threshold)) {
      painter.Flush();  // a skipped line keeps its colours
      continue;
    }
    painter.Add(line, ColourLine(line.text, line.index, context));
  }
  painter.Flush();

  edit.SetSelection(selection.first, selection.second);
  if (const int now = edit.FirstVisibleLine(); now != firstVisible) edit.LineScroll(firstVisible - now);
}

void RunColourPass(Editor& editor, ColourPass pass) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) return;
  const LineIndex caretLine = pass == ColourPass::kCurrentLine ? CaretLineOf(*edit) : LineIndex(0);
  ColourEditorLines(editor, LinesOfPass(pass, FirstVisibleLineOf(*edit), editor.metrics.gutterLines, caretLine));
}

void ColourEditorLines(Editor& editor, const PassLines& lines) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr || !editor.keywordTable) return;
  ui::Window& window = *editor.main;
  ++editor.view.colourPasses;
  window.StopTimer(kPositionTimer);
  const bool manyLines = lines.last > lines.first;
  if (manyLines) edit->SetRedraw(false);

  const LineColourScheme scheme = LineColourSchemeFrom(editor.prefs);
  const WindowLocalNames names(window);
  const LineColourContext context{*editor.keywordTable, editor.prefs.keywordCase, scheme,
                                  editor.index.blockComments, editor.index.assemblyBlocks, names};
  ColourLines(*edit, lines.first, lines.last, lines.threshold, context);

  if (manyLines) edit->SetRedraw(true);
  window.StartTimer(kPositionTimer, editor.prefs.timerIntervalMs);
}

}  // namespace editor
