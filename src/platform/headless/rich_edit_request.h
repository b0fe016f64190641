// The kinds of request a rich edit serves, and a tally of them, so that a test can
// bound how many requests an operation makes (the real control's per-line requests
// cost in proportion to the line number).
#pragma once

#include <array>
#include <cstddef>

namespace headless {

enum class Request {
  kLineCount,
  kLineIndex,
  kLineLength,
  kLineFromChar,
  kGetLine,
  kSetSelection,
  kGetSelection,
  kSelectedText,
  kTextRange,
  kReplaceSelection,
  kSetSelectionColour,
  kColourAt,
  kSetSelectionLook,
  kText,
  kTextLength,
  kSetText,
  kFirstVisibleLine,
  kScrollPosition,
  kSetScrollPosition,
  kLineScroll,
  kPositionFromChar,
  kCharFromPosition,
  kKindCount,  // not a request: the number of kinds
};

class RequestCounts {
 public:
  void Add(Request kind) { ++counts_[Index(kind)]; }
  long Count(Request kind) const { return counts_[Index(kind)]; }
  long Total() const {
    long sum = 0;
    for (long c : counts_) sum += c;
    return sum;
  }
  // The requests whose cost grows with the line number in the real control.
  long LineRequests() const {
    return Count(Request::kLineIndex) + Count(Request::kLineLength) + Count(Request::kLineFromChar) +
           Count(Request::kGetLine) + Count(Request::kSetSelection) + Count(Request::kTextRange);
  }
  void Reset() { counts_.fill(0); }

 private:
  static std::size_t Index(Request kind) { return static_cast<std::size_t>(kind); }
  std::array<long, static_cast<std::size_t>(Request::kKindCount)> counts_{};
};

}  // namespace headless
