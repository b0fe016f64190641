#include "model/keyword_case.h"

namespace editor {

std::string ApplyKeywordCase(std::string_view text, KeywordCase wordCase) {
  std::string result(text);
  if (wordCase == KeywordCase::kAsTyped) return result;
  // Every value but upper case and as typed means lower case.
  char (*recase)(char) = wordCase == KeywordCase::kUppercase ? AsciiUpper : AsciiLower;
  for (char& c : result) c = recase(c);
  return result;
}

}  // namespace editor
