// A table of line ranges opened and closed by marker lines (block comments, assembly
// blocks). An entry whose closing line was never seen shades nothing.
#pragma once

#include <vector>

#include "base/positions.h"

namespace editor {

class LineRanges {
 public:
  static constexpr int kCapacity = 9999;
  static constexpr LineIndex kOpen{-1};  // the last line of an entry not closed yet

  struct Range {
    LineIndex first = kOpen;
    LineIndex last = kOpen;
    friend bool operator==(const Range&, const Range&) = default;
  };

  // A new entry beginning on this line; ignored once the table is full.
  void Open(LineIndex line) {
    if (static_cast<int>(ranges_.size()) < kCapacity) ranges_.push_back({line, kOpen});
  }
  // Closes the newest entry on this line; without any entry nothing happens.
  void CloseNewest(LineIndex line) {
    if (!ranges_.empty()) ranges_.back().last = line;
  }
  void Clear() { ranges_.clear(); }
  // Every marker line moved to where `move` puts it; an open end stays open.
  template <typename Move>
  void MoveLines(Move move) {
    for (Range& r : ranges_) {
      r.first = move(r.first);
      if (r.last != kOpen) r.last = move(r.last);
    }
  }

  bool Contains(LineIndex line) const {
    for (const Range& r : ranges_)
      if (r.first <= line && line <= r.last) return true;
    return false;
  }
  int Count() const { return static_cast<int>(ranges_.size()); }
  bool Empty() const { return ranges_.empty(); }
  const std::vector<Range>& Entries() const { return ranges_; }
  friend bool operator==(const LineRanges&, const LineRanges&) = default;

 private:
  std::vector<Range> ranges_;
};

}  // namespace editor
