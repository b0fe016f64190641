#include "model/line_shift.h"

#include <algorithm>

namespace editor {

namespace {

int Breaks(std::string_view text) { return static_cast<int>(std::count(text.begin(), text.end(), '\r')); }

}  // namespace

LineShift ShiftOf(LineIndex line, bool atLineStart, std::string_view removed, std::string_view inserted) {
  LineShift shift;
  shift.line = line;
  shift.atLineStart = atLineStart;
  shift.removesText = !removed.empty();
  shift.removedLines = Breaks(removed);
  shift.removedEndsWithBreak = !removed.empty() && removed.back() == '\r';
  shift.insertedLines = Breaks(inserted);
  shift.followsBreak = inserted.empty() ? atLineStart : inserted.back() == '\r';
  return shift;
}

std::optional<LineIndex> ShiftedLine(const LineShift& shift, LineIndex line) {
  if (line < shift.line || (line == shift.line && !shift.atLineStart)) return line;
  if (line == shift.line) {
    // The edit begins at this line's first character: text put in pushes the line down,
    // text taken away takes its start with it.
    if (shift.removesText || !shift.followsBreak) return std::nullopt;
    return line + shift.insertedLines;
  }
  const LineIndex lastRemoved = shift.line + shift.removedLines;
  if (line < lastRemoved) return std::nullopt;
  // The line right after the removed text keeps its start when the break before it went
  // and another break stands in front of it again.
  if (line == lastRemoved && (!shift.removedEndsWithBreak || !shift.followsBreak)) return std::nullopt;
  return line + shift.Delta();
}

LineIndex ShiftedLineKept(const LineShift& shift, LineIndex line) {
  if (const std::optional<LineIndex> moved = ShiftedLine(shift, line)) return *moved;
  return shift.line + shift.insertedLines;
}

}  // namespace editor
