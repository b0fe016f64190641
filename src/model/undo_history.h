// A tab's own undo and redo: each edit kept as one replacement of text, so that undoing
// it puts back exactly what was there and redoing it what came in its place.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace editor {

// What made an edit; the numbers are the entry types users' tools have always named.
enum class EditKind {
  kEnter = 1,
  kBackspace = 2,
  kDelete = 3,
  kBlock = 4,  // cut, paste, a selection replaced or removed
  kTyping = 5,
  kTab = 6,
  kReplacedLine = 7,
  kBackspaceJoin = 8,
  kDeleteJoin = 9,
};

// At character position `start` (a break counting one, breaks as CR) the text `removed`
// gave way to `inserted`. The caret and the view's scroll position (in pixels: the control
// answers that at once, where the first visible line costs a walk through the text)
// before and after let a step bring the view back with the text.
struct TextEdit {
  EditKind kind = EditKind::kTyping;
  int start = 0;
  std::string removed;
  std::string inserted;
  int caretBefore = 0;
  int caretAfter = 0;
  int scrollBefore = 0;
  int scrollAfter = 0;
  // Made by the same command as the entry before it (a move takes code out and puts it
  // back elsewhere): one step undoes or redoes both.
  bool joinedToPrevious = false;
};

class UndoHistory {
 public:
  static constexpr std::size_t kLimit = 1000;  // per store; the oldest entry goes first

  // A new edit empties the redo store: replaying an entry recorded before it would put
  // text at positions that no longer hold what the entry expects. Characters typed one
  // after another on one line join the entry before them, so an undo takes the word.
  void Record(TextEdit edit);

  // The newest entry, moved to the other store; nullopt when there is none.
  std::optional<TextEdit> TakeUndo();
  std::optional<TextEdit> TakeRedo();

  // Whether the entry a redo would take next belongs to the one taken before it.
  bool RedoJoinsPrevious() const { return !redo_.empty() && redo_.back().joinedToPrevious; }

  int UndoCount() const { return static_cast<int>(undo_.size()); }
  int RedoCount() const { return static_cast<int>(redo_.size()); }
  void Clear();

 private:
  std::deque<TextEdit> undo_;
  std::deque<TextEdit> redo_;
};

}  // namespace editor
