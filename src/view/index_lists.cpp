#include "view/index_lists.h"

#include <unordered_set>

#include "base/letter_case.h"
#include "base/control_ids.h"
#include "base/line_buffer.h"
#include "base/number_text.h"
#include "base/word_delimiters.h"
#include "model/line_index.h"

namespace editor {

namespace {

// The selection survives a refill when the list still has that many entries.
class ComboSelectionKeeper {
 public:
  ComboSelectionKeeper(ui::Window& window, ui::ControlId combo)
      : window_(window), combo_(combo), selected_(window.ListSelected(combo)) {}
  ~ComboSelectionKeeper() {
    if (selected_ >= 0 && selected_ < window_.ListCount(combo_)) window_.ListSelect(combo_, selected_);
  }
  ComboSelectionKeeper(const ComboSelectionKeeper&) = delete;
  ComboSelectionKeeper& operator=(const ComboSelectionKeeper&) = delete;

 private:
  ui::Window& window_;
  ui::ControlId combo_;
  int selected_;
};

}  // namespace

std::string WindowComboEntry(std::string_view name, std::string_view title) {
  std::string entry(name);
  if (!title.empty()) entry.append(" : ").append(title);
  return entry;
}

int AddSubroutineRow(ui::Window& window, std::string_view name, LineNumber startLine, LineNumber endLine) {
  const int row = window.ViewInsertRow(kSubroutineList, window.ViewRowCount(kSubroutineList), name);
  window.ViewSetCell(kSubroutineList, row, 1, std::to_string(startLine.Value()));
  window.ViewSetCell(kSubroutineList, row, 2, std::to_string(endLine.Value()));
  return row;
}

int AddWindowRow(ui::Window& window, std::string_view name, LineNumber line) {
  const int row = window.ViewInsertRow(kWindowList, window.ViewRowCount(kWindowList), name);
  window.ViewSetCell(kWindowList, row, 1, std::to_string(line.Value()));
  return row;
}

void AddControlRow(ui::Window& window, const ControlEntry& control) {
  if (const std::optional<int> row = RowStartingOn(window, kControlList, control.line)) {
    window.ViewSetCell(kControlList, *row, 0, control.name);
    window.ViewSetCell(kControlList, *row, 2, control.type);
    return;
  }
  if (window.ViewFindExact(kControlList, control.name) >= 0) return;
  const int row = window.ViewInsertRow(kControlList, window.ViewRowCount(kControlList), control.name);
  window.ViewSetCell(kControlList, row, 1, std::to_string(control.line.Value()));
  window.ViewSetCell(kControlList, row, 2, control.type);
}

void FillControlRows(ui::Window& window, const std::vector<ControlEntry>& controls) {
  std::unordered_set<std::string> listed;
  for (const ControlEntry& control : controls) {
    if (!listed.insert(UpperCase(control.name)).second) continue;
    const int row = window.ViewInsertRow(kControlList, window.ViewRowCount(kControlList), control.name);
    window.ViewSetCell(kControlList, row, 1, std::to_string(control.line.Value()));
    window.ViewSetCell(kControlList, row, 2, control.type);
  }
}

LineNumber BeginLineOf(const ui::Window& window, ui::ControlId list, int row) {
  return LineNumber(WholeInt(window.ViewCell(list, row, 1)));
}

std::optional<int> RowStartingOn(const ui::Window& window, ui::ControlId list, LineNumber line) {
  for (int r = 0, count = window.ViewRowCount(list); r < count; ++r)
    if (BeginLineOf(window, list, r) == line) return r;
  return std::nullopt;
}

std::optional<int> RowNamed(const ui::Window& window, ui::ControlId list, std::string_view name) {
  for (int r = 0, count = window.ViewRowCount(list); r < count; ++r)
    if (Trimmed(window.ViewCell(list, r, 0)) == name) return r;
  return std::nullopt;
}

void RefillSubroutineCombo(ui::Window& window) {
  const ComboSelectionKeeper keep(window, kSubroutineCombo);
  window.ListClear(kSubroutineCombo);
  for (int r = 0, count = window.ViewRowCount(kSubroutineList); r < count; ++r)
    window.ListAdd(kSubroutineCombo, window.ViewCell(kSubroutineList, r, 0));
}

void RefillWindowCombo(ui::Window& window, const ui::RichEdit& edit) {
  const ComboSelectionKeeper keep(window, kWindowCombo);
  window.ListClear(kWindowCombo);
  for (int r = 0, count = window.ViewRowCount(kWindowList); r < count; ++r) {
    const LineNumber line = BeginLineOf(window, kWindowList, r);
    const std::string text = line > kNoLine ? edit.GetLine(ToIndex(line).Value(), kLineBufferChars) : std::string();
    window.ListAdd(kWindowCombo, WindowComboEntry(window.ViewCell(kWindowList, r, 0), FirstQuotedText(text)));
  }
}

void RemoveRowAndEntry(ui::Window& window, ui::ControlId list, ui::ControlId combo, int row) {
  window.ViewDeleteRow(list, row);
  if (row < window.ListCount(combo)) window.ListDelete(combo, row);
}

}  // namespace editor
