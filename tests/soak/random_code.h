// Source text the way a programmer of the dialect types it, drawn from a seeded generator:
// words, whole lines (subroutines, windows, controls, CASE rows, comments, quotations,
// hexadecimal literals) and pieces of several lines to paste.
#pragma once

#include <random>
#include <string>

namespace editor::soak {

class RandomCode {
 public:
  explicit RandomCode(std::mt19937& random) : random_(random) {}

  // A word or a bit of punctuation, as typed between spaces.
  std::string Word();
  // One line without its break.
  std::string Line();
  // One to six lines joined by CR LF, sometimes without a break at the end.
  std::string Lines();
  // A name a subroutine or window is given.
  std::string Name();
  // A whole small file.
  std::string Program();

  int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  bool OneIn(int count) { return Below(count) == 0; }

 private:
  template <std::size_t N>
  const char* Pick(const char* const (&choices)[N]) {
    return choices[Below(static_cast<int>(N))];
  }

  std::mt19937& random_;
};

}  // namespace editor::soak
