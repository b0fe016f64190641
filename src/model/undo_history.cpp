#include "model/undo_history.h"

namespace editor {

namespace {

bool ContinuesTyping(const TextEdit& last, const TextEdit& next) {
  const auto oneLine = [](const std::string& text) { return text.find('\r') == std::string::npos; };
  return last.kind == EditKind::kTyping && next.kind == EditKind::kTyping && next.removed.empty() &&
         oneLine(last.inserted) && oneLine(next.inserted) &&
         next.start == last.start + static_cast<int>(last.inserted.size());
}

void PushBounded(std::deque<TextEdit>& store, TextEdit edit) {
  store.push_back(std::move(edit));
  if (store.size() > UndoHistory::kLimit) store.pop_front();
}

}  // namespace

void UndoHistory::Record(TextEdit edit) {
  redo_.clear();
  if (!undo_.empty() && ContinuesTyping(undo_.back(), edit)) {
    TextEdit& last = undo_.back();
    last.inserted += edit.inserted;
    last.caretAfter = edit.caretAfter;
    last.scrollAfter = edit.scrollAfter;
    return;
  }
  PushBounded(undo_, std::move(edit));
}

std::optional<TextEdit> UndoHistory::TakeUndo() {
  if (undo_.empty()) return std::nullopt;
  TextEdit edit = std::move(undo_.back());
  undo_.pop_back();
  PushBounded(redo_, edit);
  return edit;
}

std::optional<TextEdit> UndoHistory::TakeRedo() {
  if (redo_.empty()) return std::nullopt;
  TextEdit edit = std::move(redo_.back());
  redo_.pop_back();
  PushBounded(undo_, edit);
  return edit;
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace editor
