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
  if (text.empty()) return;
  const char* p = text.data();
  const char* end = p + text.size();
  const auto next = [end](const char* from, char c) {
    const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
  };
  // Each kind of break is searched for again only once the walk has passed the one found:
  // a text without LFs (or without CRs) is then still read once, not once a line.
  const char* lf = next(p, '\n');
  const char* cr = next(p, '\r');
  while (p < end) {
    if (lf < p) lf = next(p, '\n');
    if (cr < p) cr = next(p, '\r');
    const char* stop = cr < lf ? cr : lf;
    visit(std::string_view(p, static_cast<std::size_t>(stop - p)));
    if (stop == end) return;
    p = stop + ((stop[0] == '\r' && stop + 1 < end && stop[1] == '\n') ? 2 : 1);
  }
}

}  // namespace editor
