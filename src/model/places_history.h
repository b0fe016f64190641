// "Places I've been": the lines a user jumped from and to, in the order recorded, and the
// place that stepping back and forward stands on.
#pragma once

#include <optional>
#include <vector>

#include "base/positions.h"
#include "model/line_shift.h"

namespace editor {

class PlacesHistory {
 public:
  const std::vector<LineNumber>& Lines() const { return lines_; }
  int Count() const { return static_cast<int>(lines_.size()); }
  // 1-based index of the current place; 0 exactly when there are none.
  int Position() const { return position_; }

  // Appends the line and makes it the current place, unless it is already there: with
  // duplicates off, anywhere in the list; with duplicates on, as the last entry (so that
  // A, B, A records three places). True when it was recorded.
  bool Record(LineNumber line, bool allowDuplicates);

  bool CanGoBack() const { return position_ > 1; }
  bool CanGoForward() const { return position_ >= 1 && position_ < Count(); }
  // The place one step back or forward, which becomes the current one; at either end the
  // step stays on the end. nullopt when there are no places.
  std::optional<LineNumber> Back();
  std::optional<LineNumber> Forward();

  // The entry at this 0-based index becomes the current place.
  void Pick(int index);
  // Removes the entry at this 0-based index; the current place stays the same entry, or
  // for the current entry itself the one before it (the first when it was the first).
  // An index outside the list changes nothing.
  void Remove(int index);
  void Clear();
  // Places read back from a file: the last is the current one.
  void Load(std::vector<LineNumber> lines);

  // Lines come or go: places at or after the edit follow their lines; a place whose line
  // went stays in the history on the line where the removed text stood. True when any
  // place changed.
  bool Shift(const LineShift& shift);

 private:
  std::vector<LineNumber> lines_;
  int position_ = 0;
};

}  // namespace editor
