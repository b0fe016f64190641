// What one source line tells the file index: block-comment and assembly-block markers,
// and a subroutine, window or included file it declares.
#pragma once

#include <string>
#include <string_view>

namespace editor {

struct IndexedLine {
  enum class Declares { kNothing, kSubroutine, kWindow, kInclude };

  bool opensComment = false;
  bool closesComment = false;
  bool opensAssembly = false;
  bool closesAssembly = false;
  Declares declares = Declares::kNothing;
  std::string name;   // the subroutine, the window's variable or the included file
  std::string title;  // a window line's first quoted text, when it has one
};

// The line as the control holds it; its blanks and break are trimmed first.
IndexedLine IndexLine(std::string_view text);

// The text between the line's first pair of double quotes, or empty.
std::string_view FirstQuotedText(std::string_view text);

}  // namespace editor
