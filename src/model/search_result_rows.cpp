#include "model/search_result_rows.h"

#include <algorithm>

#include "base/letter_case.h"
#include "base/word_delimiters.h"

namespace editor {

namespace {

bool Printable(char c) { return c >= 32 && c <= 126; }

// The code as it is copied: one line, blanks around it gone, printable characters only.
std::string CopiedCode(std::string_view code) {
  code = Trimmed(code.substr(0, code.find_first_of("\r\n")));
  std::string kept;
  std::copy_if(code.begin(), code.end(), std::back_inserter(kept), Printable);
  return kept;
}

}  // namespace

std::string ResultCell(const SearchResult& row, ResultColumn column) {
  switch (column) {
    case ResultColumn::kLine: return std::to_string(row.line.Value());
    case ResultColumn::kCode: return row.text;
    case ResultColumn::kOwner: return row.owner;
  }
  return {};
}

bool ResultSort::DescendingAfterClickOn(int column) {
  descending_ = column == lastColumn_ ? !descending_ : false;
  lastColumn_ = column;
  return descending_;
}

bool CellOrdersBefore(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return AsciiUpper(x) < AsciiUpper(y); });
}

std::vector<SearchResult> RowsOwnedBy(const std::vector<SearchResult>& rows, std::string_view owner) {
  std::vector<SearchResult> kept;
  std::copy_if(rows.begin(), rows.end(), std::back_inserter(kept),
               [owner](const SearchResult& row) { return row.owner == owner; });
  return kept;
}

std::string CopiedResultsText(const std::vector<SearchResult>& ticked, bool includeNames) {
  std::vector<std::string> codes;
  std::size_t width = 0;
  for (const SearchResult& row : ticked) {
    codes.push_back(CopiedCode(row.text));
    width = std::max(width, codes.back().size());
  }
  std::string text = "\rLne#\t\tSearch results\r\r";
  for (std::size_t i = 0; i < ticked.size(); ++i) {
    const std::string number = std::to_string(ticked[i].line.Value());
    text += number + "\t\t";
    // Short numbers take a third TAB so that the codes line up.
    if (number.size() < 3) text += '\t';
    text += codes[i] + std::string(width - codes[i].size(), ' ');
    if (includeNames && !ticked[i].owner.empty()) text += "\t '  " + CopiedCode(ticked[i].owner);
    text += '\r';
  }
  return text;
}

}  // namespace editor
