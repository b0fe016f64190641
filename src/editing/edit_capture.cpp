#include "editing/edit_capture.h"

#include <algorithm>

namespace editor {

namespace {

constexpr int kMargin = 64;

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
  capture.lengthBefore = edit.TextLength();
  capture.regionStart = std::max(0, start - kMargin);
  capture.regionEnd = end + kMargin >= capture.lengthBefore ? -1 : end + kMargin;
  capture.regionText = edit.TextRange(capture.regionStart, capture.regionEnd);
  capture.caretBefore = start;
  capture.selectionEnd = end;
  capture.scrollBefore = edit.ScrollPosition().y;
  return capture;
}

EditCapture BeginTypedCapture(const ui::RichEdit& edit, char typed) {
  EditCapture capture;
  capture.kind = EditKind::kTyping;
  capture.lengthBefore = edit.TextLength();
  capture.caretBefore = edit.GetSelection().first;
  capture.scrollBefore = edit.ScrollPosition().y;
  capture.typed = typed;
  return capture;
}

bool TypedAsExpected(const ui::RichEdit& edit, const EditCapture& capture) {
  const int grown = edit.TextLength() - capture.lengthBefore;
  return grown == 0 || (grown == 1 && edit.GetSelection().first == capture.caretBefore + 1);
}

std::optional<TextEdit> FinishEditCapture(const ui::RichEdit& edit, const EditCapture& capture) {
  const int grown = edit.TextLength() - capture.lengthBefore;
  if (capture.typed) {
    if (grown == 0) return std::nullopt;
    TextEdit typed;
    typed.kind = EditKind::kTyping;
    typed.start = capture.caretBefore;
    typed.inserted = std::string(1, *capture.typed);
    typed.caretBefore = capture.caretBefore;
    typed.caretAfter = capture.caretBefore + 1;
    typed.scrollBefore = capture.scrollBefore;
    typed.scrollAfter = edit.ScrollPosition().y;
    return typed;
  }
  const int end = capture.regionEnd < 0 ? -1 : capture.regionEnd + grown;
  const std::string now = edit.TextRange(capture.regionStart, end);
  if (now == capture.regionText) return std::nullopt;
  // Nothing before the caret or the selection changes: text put in that begins as the
  // text after it does ("  x" before "  SUB") would otherwise seem to begin further on,
  // within the line, which then seems to stay where it was.
  const auto caretInRegion = static_cast<std::size_t>(capture.caretBefore - capture.regionStart);
  std::size_t prefix = std::min(CommonPrefix(capture.regionText, now), caretInRegion);
  std::size_t suffix = CommonSuffix(capture.regionText, now, prefix);
  // A selection that gave way whole is the change, where the shortest difference alone
  // may begin elsewhere: whole lines "x10\rx11\r" taken from before "x12" share "x1" with
  // it, and the difference would begin within line 10, which then seems to stay.
  if (capture.selectionEnd > capture.caretBefore) {
    const std::size_t from = static_cast<std::size_t>(capture.caretBefore - capture.regionStart);
    const std::size_t to = static_cast<std::size_t>(capture.selectionEnd - capture.regionStart);
    const std::size_t after = capture.regionText.size() - std::min(to, capture.regionText.size());
    const bool selectionReplaced = to <= capture.regionText.size() && from <= prefix && now.size() >= from + after &&
                                   now.compare(now.size() - after, after, capture.regionText, to, after) == 0;
    if (selectionReplaced) {
      prefix = from;
      suffix = after;
    }
  }
  TextEdit change;
  change.start = capture.regionStart + static_cast<int>(prefix);
  change.removed = capture.regionText.substr(prefix, capture.regionText.size() - prefix - suffix);
  change.inserted = now.substr(prefix, now.size() - prefix - suffix);
  change.kind = KindOfChange(capture.kind, change.removed);
  change.caretBefore = capture.caretBefore;
  change.caretAfter = edit.GetSelection().first;
  change.scrollBefore = capture.scrollBefore;
  change.scrollAfter = edit.ScrollPosition().y;
  return change;
}

}  // namespace editor
