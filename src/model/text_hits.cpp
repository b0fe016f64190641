#include "model/text_hits.h"

#include "base/letter_case.h"

namespace editor {

TextHits::TextHits(std::string_view file, std::string upperNeedle)
    : file_(file), needle_(std::move(upperNeedle)) {}

// A hit counts only when it ends inside the line, so a needle with a line break, which
// could span two lines of the file, is in none.
bool TextHits::InLine(std::string_view line) {
  const auto begin = static_cast<std::size_t>(line.data() - file_.data());
  const std::size_t end = begin + line.size();
  if (searchedFrom_ != std::string_view::npos && begin < searchedFrom_)
    return FindIgnoringCase(line, needle_) != std::string_view::npos;
  if (searchedFrom_ == std::string_view::npos || (next_ != std::string_view::npos && next_ < begin)) {
    const std::size_t found = FindIgnoringCase(file_.substr(begin), needle_);
    next_ = found == std::string_view::npos ? found : begin + found;
    searchedFrom_ = begin;
  }
  return next_ != std::string_view::npos && next_ + needle_.size() <= end;
}

}  // namespace editor
