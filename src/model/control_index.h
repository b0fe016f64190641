// The controls a file creates, read from its CONTROL statements, with the CASE line that
// handles each in its window's handler subroutine when there is one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/positions.h"

namespace editor {

struct ControlEntry {
  std::string name;    // the id the statement gives it, which its CASE names
  std::string window;  // the window or dialog variable it is made on
  std::string type;    // BUTTON, EDIT..., without the "@"
  LineNumber line = kNoLine;      // of its CONTROL statement
  LineNumber caseLine = kNoLine;  // of the CASE for it in its window's handler
  friend bool operator==(const ControlEntry&, const ControlEntry&) = default;
};

// In the order of their statements. Breaks may be CR LF, LF or CR.
std::vector<ControlEntry> IndexControls(std::string_view fileText);

// The control a CONTROL statement makes, its CASE line unknown; nullopt for any other line
// and for a statement too short to name one.
std::optional<ControlEntry> ControlOfLine(std::string_view line, LineNumber number);

// A statement's arguments: split at the commas outside quotes, blanks around each
// removed, up to an apostrophe that starts a comment.
std::vector<std::string> StatementArguments(std::string_view afterKeyword);

}  // namespace editor
