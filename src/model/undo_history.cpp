#include "model/undo_history.h"

#include <string_view>

namespace editor {

namespace {

// Typing goes on where the last typing ended, or rewrites the end of what it typed (a
// completed word replacing its first letters): either way one entry takes it back.
bool ContinuesTyping(const TextEdit& last, const TextEdit& next) {
  const auto oneLine = [](const std::string& text) { return text.find('\r') == std::string::npos; };
  if (last.kind != EditKind::kTyping || next.kind != EditKind::kTyping) return false;
  if (!oneLine(last.inserted) || !oneLine(next.inserted)) return false;
  const int into = next.start - last.start;
  if (into < 0 || into > static_cast<int>(last.inserted.size())) return false;
  return std::string_view(last.inserted).substr(static_cast<std::size_t>(into)) == next.removed;
}

void PushBounded(std::deque<TextEdit>& store, TextEdit edit) {
  store.push_back(std::move(edit));
  if (store.size() > UndoHistory::kLimit) store.pop_front();
}

// The newest entry of one store goes onto the other, and a copy comes back.
std::optional<TextEdit> MoveNewest(std::deque<TextEdit>& from, std::deque<TextEdit>& to) {
  if (from.empty()) return std::nullopt;
  TextEdit edit = std::move(from.back());
  from.pop_back();
  PushBounded(to, edit);
  return edit;
}

}  // namespace

void UndoHistory::Record(TextEdit edit) {
  redo_.clear();
  if (!undo_.empty() && ContinuesTyping(undo_.back(), edit)) {
    TextEdit& last = undo_.back();
    last.inserted.resize(static_cast<std::size_t>(edit.start - last.start));
    last.inserted += edit.inserted;
    last.caretAfter = edit.caretAfter;
    last.scrollAfter = edit.scrollAfter;
    return;
  }
  PushBounded(undo_, std::move(edit));
}

std::optional<TextEdit> UndoHistory::TakeUndo() { return MoveNewest(undo_, redo_); }
std::optional<TextEdit> UndoHistory::TakeRedo() { return MoveNewest(redo_, undo_); }

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace editor
