#include "model/line_replacement.h"

#include "base/letter_case.h"

namespace editor {

std::optional<std::string> LineWithFirstReplaced(std::string_view line, std::string_view find,
                                                 std::string_view replacement) {
  if (find.empty()) return std::nullopt;
  const std::size_t at = FindIgnoringCase(line, UpperCase(find));
  if (at == std::string_view::npos) return std::nullopt;
  std::string changed;
  changed.reserve(line.size() - find.size() + replacement.size());
  changed.append(line.substr(0, at)).append(replacement).append(line.substr(at + find.size()));
  return changed;
}

}  // namespace editor
