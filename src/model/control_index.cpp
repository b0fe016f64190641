#include "model/control_index.h"

#include <map>
#include <optional>

#include "base/letter_case.h"
#include "base/text_lines.h"
#include "base/word_delimiters.h"
#include "model/declaration_lines.h"
#include "model/line_words.h"

namespace editor {

namespace {

// The statement's keyword as written, and what follows it. Every line of a full index is
// read this way, so nothing is copied or upper-cased to tell which statement it is.
struct Statement {
  std::string_view keyword;
  std::string_view rest;
  bool Is(std::string_view upperKeyword) const { return EqualIgnoringCase(keyword, upperKeyword); }
};

Statement ReadStatement(std::string_view line) {
  line = Trimmed(line);
  std::size_t end = 0;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  return {line.substr(0, end), line.substr(end)};
}

// Names by their upper-cased text.
template <typename Value>
using ByName = std::map<std::string, Value>;

}  // namespace

std::vector<std::string> StatementArguments(std::string_view afterKeyword) {
  std::vector<std::string> arguments;
  std::string current;
  bool quoted = false;
  for (const char c : afterKeyword) {
    if (c == '"') quoted = !quoted;
    if (!quoted && c == '\'') break;
    if (!quoted && c == ',') {
      arguments.emplace_back(Trimmed(current));
      current.clear();
      continue;
    }
    current += c;
  }
  if (!Trimmed(current).empty() || !arguments.empty()) arguments.emplace_back(Trimmed(current));
  return arguments;
}

std::optional<ControlEntry> ControlOfLine(std::string_view line, LineNumber number) {
  line = line.substr(0, line.find_first_of("\r\n"));
  const Statement statement = ReadStatement(line);
  if (!statement.Is("CONTROL")) return std::nullopt;
  const std::vector<std::string> arguments = StatementArguments(statement.rest);
  if (arguments.size() < 3 || arguments.back().empty()) return std::nullopt;
  std::string type = arguments[1];
  if (type.starts_with('@')) type.erase(0, 1);
  return ControlEntry{arguments.back(), arguments[0], type, number, kNoLine};
}

std::vector<ControlEntry> IndexControls(std::string_view fileText) {
  std::vector<ControlEntry> controls;
  ByName<std::string> handlerOfWindow;
  ByName<ByName<LineNumber>> casesOfSubroutine;  // the first CASE line for each name
  std::optional<std::string> subroutine;         // the one the lines are in, upper-cased
  LineNumber line(0);
  ForEachLine(fileText, [&](std::string_view text) {
    line += 1;
    const Statement statement = ReadStatement(text);
    if (statement.Is("CONTROL")) {
      if (std::optional<ControlEntry> control = ControlOfLine(text, line)) controls.push_back(std::move(*control));
    } else if (statement.Is("OPENWINDOW") || statement.Is("CREATEDIALOG")) {
      const std::vector<std::string> arguments = StatementArguments(statement.rest);
      const std::optional<std::string> handler = HandlerNameIn(text);
      if (!arguments.empty() && handler) handlerOfWindow.emplace(UpperCase(arguments[0]), UpperCase(*handler));
    } else if (statement.Is("SUB")) {
      const LineWords words = SplitWords(text);
      if (words.Count() >= 2) subroutine = UpperCase(words.Word(2));
    } else if (statement.Is("ENDSUB")) {
      subroutine.reset();
    } else if (statement.Is("CASE") && subroutine) {
      // CASE BTN_OK, BTN_CANCEL handles both.
      for (const std::string& name : StatementArguments(statement.rest))
        if (!name.empty()) casesOfSubroutine[*subroutine].emplace(UpperCase(name), line);
    }
  });
  for (ControlEntry& control : controls) {
    const auto handler = handlerOfWindow.find(UpperCase(control.window));
    if (handler == handlerOfWindow.end()) continue;
    const auto cases = casesOfSubroutine.find(handler->second);
    if (cases == casesOfSubroutine.end()) continue;
    const auto found = cases->second.find(UpperCase(control.name));
    if (found != cases->second.end()) control.caseLine = found->second;
  }
  return controls;
}

}  // namespace editor
