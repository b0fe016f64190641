// Walking a whole text line by line in memory, as the passes over a file do once they have
// read the control's text.
#pragma once

#include <cstring>
#include <string_view>

namespace editor {

// Calls visit(line) for each line of the text, breaks removed (CR LF, LF or CR); a final
// break does not start another line, as the control counts them.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>((lf ? lf : end) - p)));
    const char* stop = cr ? cr : (lf ? lf : end);
    visit(std::string_view(p, static_cast<std::size_t>(stop - p)));
    if (stop == end) return;
    p = stop + ((stop[0] == '\r' && stop + 1 < end && stop[1] == '\n') ? 2 : 1);
  }
}

}  // namespace editor
