// The line walk that every whole-file pass takes: each kind of break, and the mixes the
// control and the files on disk hand it.
#include "base/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace editor {
namespace {

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

TEST(ForEachLine, EveryKindOfBreakAndTheirMixesGiveTheSameLines) {
  using L = std::vector<std::string>;
  EXPECT_EQ(Lines(""), L{});
  EXPECT_EQ(Lines("a"), L{"a"});
  for (const char* text : {"a\r\nb\r\n\r\nc", "a\nb\n\nc", "a\rb\r\rc", "a\rb\n\r\nc", "a\nb\r\rc\r\n"})
    EXPECT_EQ(Lines(text), (L{"a", "b", "", "c"})) << text;
  EXPECT_EQ(Lines("\n\r"), (L{"", ""})) << "LF then CR is two breaks";
  EXPECT_EQ(Lines("a\r\n"), L{"a"}) << "a final break starts no line";
}

}  // namespace
}  // namespace editor
