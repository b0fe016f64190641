#include "model/line_owner.h"

#include "base/letter_case.h"
#include "base/word_delimiters.h"

namespace editor {

namespace {

bool ChangesOwner(std::string_view word) {
  switch (word.size()) {
    case 3: return EqualIgnoringCase(word, "SUB");
    case 6: return EqualIgnoringCase(word, "ENDSUB");
    case 9: return EqualIgnoringCase(word, "WAITUNTIL");
    case 10: return EqualIgnoringCase(word, "OPENWINDOW");
    default: return false;
  }
}

}  // namespace

bool LineOwner::MayChange(std::string_view line) {
  const std::string_view text = WithoutLeadingBlanks(line);
  std::size_t wordEnd = 0;
  while (wordEnd < text.size() && DelimiterCode(text[wordEnd]) == delimiter::kNone) ++wordEnd;
  // A line that begins with a word of two or more characters has that word for its first
  // token, and a comment line has none; otherwise only the whole split can tell.
  if (wordEnd == 0 && !text.empty() && DelimiterCode(text[0]) == delimiter::kApostrophe) return false;
  return wordEnd < 2 || ChangesOwner(text.substr(0, wordEnd));
}

void LineOwner::Follow(const LineTokens& line) {
  const std::string_view first = line.Token(1);
  if (!ChangesOwner(first)) return;
  if (EqualIgnoringCase(first, "SUB") || EqualIgnoringCase(first, "OPENWINDOW"))
    name_ = line.Token(2);
  else
    name_ = {};
}

}  // namespace editor
