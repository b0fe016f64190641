// The rows of the search results as the results window shows them: one column's text,
// sorting by a column, keeping one owner's rows, and the text a copy of ticked rows gives.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/search_result.h"

namespace editor {

// The columns: the line number, the line's code and its subroutine or window.
enum class ResultColumn { kLine = 0, kCode = 1, kOwner = 2 };

std::string ResultCell(const SearchResult& row, ResultColumn column);

// A click on a column title sorts by it upwards; a second click on the same title
// reverses the direction. Any list with column titles may keep one.
class ResultSort {
 public:
  // The direction the click on `column` asks for.
  bool DescendingAfterClickOn(int column);

 private:
  int lastColumn_ = -1;
  bool descending_ = false;
};

// By the column's text, letter case ignored, line numbers too ("10" before "9"). Rows
// of equal text keep their order.
template <typename Row, typename ResultOf>
void SortRows(std::vector<Row>& rows, ResultColumn column, bool descending, ResultOf resultOf);

// The rows of one subroutine or window, in the order found; "" names the lines outside any.
std::vector<SearchResult> RowsOwnedBy(const std::vector<SearchResult>& rows, std::string_view owner);

// The copy of ticked rows: a title line, then each row's number and code padded to the
// longest code, TABs between, and with `includeNames` the owner after an apostrophe so
// that it reads as a comment. Lines end with CR.
std::string CopiedResultsText(const std::vector<SearchResult>& ticked, bool includeNames);

// Whether `a` orders before `b` as text, letter case ignored.
bool CellOrdersBefore(std::string_view a, std::string_view b);

template <typename Row, typename ResultOf>
void SortRows(std::vector<Row>& rows, ResultColumn column, bool descending, ResultOf resultOf) {
  std::vector<std::pair<std::string, Row>> keyed;
  keyed.reserve(rows.size());
  for (Row& row : rows) keyed.emplace_back(ResultCell(resultOf(row), column), std::move(row));
  std::stable_sort(keyed.begin(), keyed.end(), [descending](const auto& a, const auto& b) {
    return descending ? CellOrdersBefore(b.first, a.first) : CellOrdersBefore(a.first, b.first);
  });
  rows.clear();
  for (auto& [key, row] : keyed) rows.push_back(std::move(row));
}

}  // namespace editor
