#include "model/snippet_list.h"

#include "base/text_lines.h"

namespace editor {

namespace {

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::string SnippetFileName(std::string_view type) { return std::string(type) + ".ini"; }

std::vector<std::string> SnippetRows(std::string_view fileText, bool keepBlankLines) {
  std::vector<std::string> rows;
  ForEachLine(fileText, [&](std::string_view line) {
    if (keepBlankLines || !IsBlank(line)) rows.emplace_back(line);
  });
  return rows;
}

std::string WithSnippetAdded(std::string_view fileText, std::string_view snippet) {
  std::string out(fileText);
  if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
  out += snippet;
  out += "\r\n";
  return out;
}

std::string SnippetsForClipboard(std::span<const std::string> snippets) {
  std::string out;
  for (const std::string& snippet : snippets) {
    out += snippet;
    out += "\r\n";
  }
  return out;
}

}  // namespace editor
