// The change a replace makes to one line: the first occurrence of the find text, found
// with letter case ignored, gives way to the replacement as typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace editor {

// The line with its first occurrence replaced, or nullopt when it holds none (an empty
// find text occurs nowhere). The line may be of any length: nothing after the occurrence
// is cut.
std::optional<std::string> LineWithFirstReplaced(std::string_view line, std::string_view find,
                                                 std::string_view replacement);

}  // namespace editor
