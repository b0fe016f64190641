#include "navigation/declaration_span.h"

#include "view/line_range_text.h"

namespace editor {

namespace {

// Line n of the range (0-based) with its break, or empty past the end.
std::string_view LineWithBreak(std::string_view text, int n, std::size_t& offset) {
  std::size_t at = 0;
  for (int i = 0; i < n; ++i) {
    const std::size_t cr = text.find('\r', at);
    if (cr == std::string_view::npos) {
      offset = text.size();
      return {};
    }
    at = cr + 1;
  }
  offset = at;
  const std::size_t cr = text.find('\r', at);
  return text.substr(at, cr == std::string_view::npos ? text.size() - at : cr + 1 - at);
}

}  // namespace

SpanResult ReadDeclarationSpan(ui::RichEdit& edit, Declaration kind, std::string_view name, LineNumber begin) {
  if (begin.Value() < 1 || begin.Value() > edit.LineCount()) return {};
  const LineRangeText range =
      ReadLineRange(edit, ToIndex(begin), LineIndex(edit.LineCount() - 1), RestoreSelection::kYes);
  if (!range.holdsLines) return {};
  return SpanInText(range.text, range.startPosition.Value(), kind, name, begin);
}

SpanResult SpanInText(std::string_view text, int start, Declaration kind, std::string_view name, LineNumber begin) {
  SpanResult result;
  std::size_t offset = 0;
  const std::string_view first = LineWithBreak(text, 0, offset);
  if (!Declares(kind, first, name)) return result;
  const std::optional<int> endAmong = EndAmong(kind, text.substr(first.size()));
  if (!endAmong || first.empty() || first.back() != '\r') {
    result.problem = SpanProblem::kNoEnd;
    return result;
  }
  const int endLine = 1 + *endAmong;
  const std::string_view last = LineWithBreak(text, endLine, offset);
  DeclarationSpan span;
  span.begin = begin;
  span.end = begin + endLine;
  span.start = start;
  span.text = std::string(text.substr(0, offset + last.size()));
  span.deletion = span.text;
  std::size_t afterOffset = 0;
  const std::string_view after = LineWithBreak(text, endLine + 1, afterOffset);
  // The blank line after the end goes with it; code there was not picked.
  if (!after.empty() && IsBlankLine(after)) span.deletion += after;
  result.span = std::move(span);
  return result;
}

}  // namespace editor
