#include "model/places_history.h"

#include <algorithm>

namespace editor {

bool PlacesHistory::Record(LineNumber line, bool allowDuplicates) {
  if (line <= kNoLine) return false;
  if (allowDuplicates ? (!lines_.empty() && lines_.back() == line) : std::ranges::find(lines_, line) != lines_.end())
    return false;
  lines_.push_back(line);
  position_ = Count();
  return true;
}

std::optional<LineNumber> PlacesHistory::Back() {
  if (lines_.empty()) return std::nullopt;
  position_ = std::max(1, position_ - 1);
  return lines_[static_cast<std::size_t>(position_ - 1)];
}

std::optional<LineNumber> PlacesHistory::Forward() {
  if (lines_.empty()) return std::nullopt;
  position_ = std::min(Count(), position_ + 1);
  return lines_[static_cast<std::size_t>(position_ - 1)];
}

void PlacesHistory::Pick(int index) {
  if (index >= 0 && index < Count()) position_ = index + 1;
}

void PlacesHistory::Remove(int index) {
  if (index < 0 || index >= Count()) return;
  lines_.erase(lines_.begin() + index);
  if (index + 1 <= position_) position_ = std::max(position_ - 1, lines_.empty() ? 0 : 1);
  position_ = std::min(position_, Count());
}

void PlacesHistory::Clear() {
  lines_.clear();
  position_ = 0;
}

void PlacesHistory::Load(std::vector<LineNumber> lines) {
  lines_ = std::move(lines);
  position_ = Count();
}

bool PlacesHistory::Shift(const LineShift& shift) {
  bool changed = false;
  for (LineNumber& line : lines_) {
    const LineNumber moved = ToNumber(ShiftedLineKept(shift, ToIndex(line)));
    if (moved == line) continue;
    line = moved;
    changed = true;
  }
  return changed;
}

}  // namespace editor
