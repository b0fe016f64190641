#include "soak/changed_lines.h"

#include <algorithm>

namespace editor::soak {

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = text.find("\r\n", at)) != std::string_view::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  lines.push_back(text.substr(at));
  return lines;
}

}  // namespace

ChangedLines LinesChanged(std::string_view before, std::string_view after, int around) {
  const std::vector<std::string_view> old = Lines(before);
  const std::vector<std::string_view> now = Lines(after);
  std::size_t head = 0;
  while (head < old.size() && head < now.size() && old[head] == now[head]) ++head;
  std::size_t tail = 0;
  while (tail < old.size() - head && tail < now.size() - head &&
         old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
    ++tail;
  const auto widen = static_cast<std::size_t>(around);
  head -= std::min(head, widen);
  tail -= std::min(tail, widen);
  return {{old.begin() + static_cast<std::ptrdiff_t>(head), old.end() - static_cast<std::ptrdiff_t>(tail)},
          {now.begin() + static_cast<std::ptrdiff_t>(head), now.end() - static_cast<std::ptrdiff_t>(tail)}};
}

}  // namespace editor::soak
