// Where a listed subroutine or window stands in the text, read once from its begin line
// to the end of the file and worked out in memory.
#pragma once

#include <optional>
#include <string>

#include "base/positions.h"
#include "model/declaration_lines.h"
#include "platform/rich_edit.h"

namespace editor {

struct DeclarationSpan {
  LineNumber begin{1};
  LineNumber end{1};
  int start = 0;         // character position of the begin line
  std::string text;      // lines begin..end, each with its break (the last line of the file has none)
  std::string deletion;  // the text with the line after the end when that one is blank
};

enum class SpanProblem { kStale, kNoEnd };

struct SpanResult {
  std::optional<DeclarationSpan> span;
  SpanProblem problem = SpanProblem::kStale;
};

// The declaration of `name` whose row says it begins on `begin`: stale when that line does
// not declare it, no end when no end statement follows it.
SpanResult ReadDeclarationSpan(ui::RichEdit& edit, Declaration kind, std::string_view name, LineNumber begin);

// The same in text already read: `text` runs from the start of line `begin`, which stands
// at character `start` of the control, to the end of the file, breaks as CR.
SpanResult SpanInText(std::string_view text, int start, Declaration kind, std::string_view name, LineNumber begin);

}  // namespace editor
