#include "editing/line_replace.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/control_ids.h"
#include "base/text_lines.h"
#include "editing/index_updates.h"
#include "editing/recorded_replacement.h"
#include "editing/undo_steps.h"
#include "model/line_replacement.h"
#include "state/editor.h"
#include "view/main_window.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// The control neither draws nor reports while many lines change: each drawing of a line of
// a large file costs the real control more than the change itself.
class QuietEdit {
 public:
  explicit QuietEdit(ui::RichEdit& edit) : edit_(edit), mask_(edit.EventMask()) {
    edit_.SetEventMask(0);
    edit_.SetRedraw(false);
  }
  ~QuietEdit() {
    edit_.SetRedraw(true);
    edit_.SetEventMask(mask_);
  }
  QuietEdit(const QuietEdit&) = delete;
  QuietEdit& operator=(const QuietEdit&) = delete;

 private:
  ui::RichEdit& edit_;
  std::uint32_t mask_;
};

// The file's lines read once, and where each starts as the lines before it change: asking
// the control for a line far down a large file costs milliseconds each time.
class LineSnapshot {
 public:
  explicit LineSnapshot(const ui::RichEdit& edit) : text_(edit.Text()) {
    int position = 0;
    ForEachLine(text_, [&](std::string_view line) {
      lines_.push_back(line);
      starts_.push_back(position);
      position += static_cast<int>(line.size()) + 1;  // a break is one position
    });
  }

  bool Has(LineIndex line) const { return line.Value() >= 0 && line.Value() < static_cast<int>(lines_.size()); }

  std::string_view Text(LineIndex line) const {
    const auto changed = changed_.find(line.Value());
    return changed != changed_.end() ? std::string_view(changed->second.text) : lines_[Slot(line)];
  }

  int Start(LineIndex line) const {
    int start = starts_[Slot(line)];
    for (const auto& [changedLine, change] : changed_) {
      if (changedLine >= line.Value()) break;
      start += change.growth;
    }
    return start;
  }

  void Change(LineIndex line, std::string text) {
    const int growth = static_cast<int>(text.size()) - static_cast<int>(Text(line).size());
    Changed& change = changed_[line.Value()];
    change.growth += growth;
    change.text = std::move(text);
  }

 private:
  struct Changed {
    std::string text;
    int growth = 0;  // characters gained since the snapshot
  };
  static std::size_t Slot(LineIndex line) { return static_cast<std::size_t>(line.Value()); }

  std::string text_;
  std::vector<std::string_view> lines_;
  std::vector<int> starts_;
  std::map<int, Changed> changed_;
};

// Replaces in one line; false when it was left alone.
bool ReplaceInLine(Editor& editor, ui::RichEdit& edit, LineSnapshot& lines, LineIndex line, std::string_view find,
                   std::string_view replacement) {
  if (!lines.Has(line)) return false;
  const std::string old(lines.Text(line));
  std::optional<std::string> changed = LineWithFirstReplaced(old, find, replacement);
  if (!changed) return false;
  ReplaceRecorded(editor, edit, lines.Start(line), old, *changed, UndoGroup::kOwn, EditKind::kReplacedLine);
  UpdateFromLine(editor, line, *changed);
  lines.Change(line, std::move(*changed));
  return true;
}

}  // namespace

ReplaceOutcome ReplaceInLines(Editor& editor, std::string_view find, std::string_view replacement,
                              const std::vector<LineNumber>& lines) {
  ReplaceOutcome outcome;
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr || ActiveHistory(editor) == nullptr) outcome.refusal = ReplaceRefusal::kNoFile;
  else if (find.empty()) outcome.refusal = ReplaceRefusal::kEmptyFindText;
  else if (HoldsLineBreak(find) || HoldsLineBreak(replacement)) outcome.refusal = ReplaceRefusal::kLineBreak;
  if (outcome.refusal != ReplaceRefusal::kNone) return outcome;
  std::optional<LineNumber> lastChanged;
  {
    LineSnapshot snapshot(*edit);
    const QuietEdit quiet(*edit);
    for (const LineNumber line : lines) {
      if (!ReplaceInLine(editor, *edit, snapshot, ToIndex(line), find, replacement)) continue;
      ++outcome.linesChanged;
      lastChanged = line;
    }
  }
  if (lastChanged) {
    RecolourVisible(editor);
    CaretToLine(editor, *lastChanged);
  }
  FocusEditor(editor);
  return outcome;
}

}  // namespace editor
