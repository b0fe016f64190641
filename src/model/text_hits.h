// Where a text occurs in a whole file, letter case ignored, asked line by line. Going down
// the file, each part of it is searched once however many lines it holds: one search per
// line would pay the start of a search on every line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace editor {

class TextHits {
 public:
  TextHits() = default;
  // The file must outlive this; the needle is upper-case.
  TextHits(std::string_view file, std::string upperNeedle);

  // Whether the needle occurs within the line, a view into the file. Lines asked in
  // order down the file are answered from the one search; a line above the last one
  // asked is searched on its own.
  bool InLine(std::string_view line);

 private:
  std::string_view file_;
  std::string needle_;
  std::size_t searchedFrom_ = std::string_view::npos;
  std::size_t next_ = std::string_view::npos;  // the first hit at or after searchedFrom_
};

}  // namespace editor
