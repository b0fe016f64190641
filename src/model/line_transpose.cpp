#include "model/line_transpose.h"

#include <algorithm>

#include "base/text_lines.h"
#include "base/word_delimiters.h"

namespace editor {

namespace {

bool EndsWithBreak(std::string_view text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

std::string TransposeLine(std::string_view line, std::string_view op) {
  const std::size_t at = line.find(op);
  if (at == std::string_view::npos) return std::string(line);
  const std::string_view left = line.substr(0, at);
  const auto tabs = static_cast<std::size_t>(std::count(left.begin(), left.end(), '\t'));
  std::string out(tabs, '\t');
  out += WithoutLeadingBlanks(line.substr(at + op.size()));
  out += ' ';
  out += op;
  out += ' ';
  out += WithoutLeadingBlanks(left);
  return out;
}

}  // namespace

std::string TransposeLines(std::string_view text, std::string_view op) {
  if (op.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  bool first = true;
  ForEachLine(text, [&](std::string_view line) {
    if (!first) out += "\r\n";
    first = false;
    out += TransposeLine(line, op);
  });
  if (EndsWithBreak(text)) out += "\r\n";
  return out;
}

}  // namespace editor
