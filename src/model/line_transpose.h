// Swapping the two sides of an operator in each line of a text, so that a block of
// assignments of sources to targets becomes one of the targets to the sources.
#pragma once

#include <string>
#include <string_view>

namespace editor {

// Each line holding op becomes: as many TABs as its left side held, the right side, " ",
// op, " ", the left side (leading blanks of both sides dropped). Only the first op of a
// line counts; a line without it is kept as it is. Lines are joined with CR LF; a final
// break in the text stays, so that a pasted block still ends its last line. An empty op
// changes nothing.
std::string TransposeLines(std::string_view text, std::string_view op);

}  // namespace editor
