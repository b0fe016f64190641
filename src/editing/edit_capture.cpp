#include "editing/edit_capture.h"

#include <algorithm>

namespace editor {

namespace {

std::size_t CommonPrefix(std::string_view a, std::string_view b) {
  return static_cast<std::size_t>(std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(std::min(a.size(), b.size())), b.begin()).first - a.begin());
}

std::size_t CommonSuffix(std::string_view a, std::string_view b, std::size_t prefix) {
  std::size_t n = 0;
  while (n + prefix < a.size() && n + prefix < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n]) ++n;
  return n;
}

// A key that joined two lines made a different kind of edit from one within a line.
EditKind KindOfChange(EditKind kind, std::string_view removed) {
  const bool joined = removed.find('\r') != std::string_view::npos;
  if (kind == EditKind::kBackspace && joined) return EditKind::kBackspaceJoin;
  if (kind == EditKind::kDelete && joined) return EditKind::kDeleteJoin;
  return kind;
}

}  // namespace

EditCapture BeginEditCapture(const ui::RichEdit& edit, EditKind kind) {
  EditCapture capture;
  capture.kind = kind;
  const auto [start, end] = edit.GetSelection();
  const int firstLine = edit.LineFromChar(start);
  const int lastLine = edit.LineFromChar(end);
  capture.regionStart = std::max(0, edit.LineIndex(std::max(0, firstLine - 1)));
  capture.regionEnd = edit.LineIndex(lastLine + 2);  // -1 past the last line: the end of the text
  capture.regionText = edit.TextRange(capture.regionStart, capture.regionEnd);
  capture.lengthBefore = edit.TextLength();
  capture.caretBefore = start;
  capture.firstVisibleBefore = edit.FirstVisibleLine();
  return capture;
}

std::optional<TextEdit> FinishEditCapture(const ui::RichEdit& edit, const EditCapture& capture) {
  const int grown = edit.TextLength() - capture.lengthBefore;
  const int end = capture.regionEnd < 0 ? -1 : capture.regionEnd + grown;
  const std::string now = edit.TextRange(capture.regionStart, end);
  if (now == capture.regionText) return std::nullopt;
  const std::size_t prefix = CommonPrefix(capture.regionText, now);
  const std::size_t suffix = CommonSuffix(capture.regionText, now, prefix);
  TextEdit change;
  change.start = capture.regionStart + static_cast<int>(prefix);
  change.removed = capture.regionText.substr(prefix, capture.regionText.size() - prefix - suffix);
  change.inserted = now.substr(prefix, now.size() - prefix - suffix);
  change.kind = KindOfChange(capture.kind, change.removed);
  change.caretBefore = capture.caretBefore;
  change.caretAfter = edit.GetSelection().first;
  change.firstVisibleBefore = capture.firstVisibleBefore;
  change.firstVisibleAfter = edit.FirstVisibleLine();
  return change;
}

}  // namespace editor
