// Lines and characters, each in a type of its own so that one cannot be passed for another:
// a line number as users see it (the first line is 1), a line index as the edit control
// takes it (the first line is 0), and a character position in the control's text. Adding
// a plain int moves by that many lines or characters; two of a kind differ by a plain int.
#pragma once

#include <compare>

namespace editor {

template <typename Tag>
class Position {
 public:
  constexpr explicit Position(int value) : value_(value) {}

  constexpr int Value() const { return value_; }

  friend constexpr auto operator<=>(const Position&, const Position&) = default;
  friend constexpr bool operator==(const Position&, const Position&) = default;

  friend constexpr Position operator+(Position at, int count) { return Position(at.value_ + count); }
  friend constexpr Position operator-(Position at, int count) { return Position(at.value_ - count); }
  friend constexpr int operator-(Position to, Position from) { return to.value_ - from.value_; }
  constexpr Position& operator+=(int count) { return *this = *this + count; }
  constexpr Position& operator-=(int count) { return *this = *this - count; }

  // The plain number, for test failure messages.
  template <typename Stream>
  friend Stream& operator<<(Stream& out, Position at) {
    return out << at.value_;
  }

 private:
  int value_;
};

using LineNumber = Position<struct LineNumberTag>;
using LineIndex = Position<struct LineIndexTag>;
using CharPosition = Position<struct CharPositionTag>;

// Stands where a line number is expected but there is none.
inline constexpr LineNumber kNoLine{0};

constexpr LineIndex ToIndex(LineNumber line) { return LineIndex(line.Value() - 1); }
constexpr LineNumber ToNumber(LineIndex line) { return LineNumber(line.Value() + 1); }

}  // namespace editor
