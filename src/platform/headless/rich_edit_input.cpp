// The rich edit's own handling of the key and mouse messages its filter lets through.
// Enter, Backspace and Delete act on the key going down, as the control does; the
// character message inserts printable characters and Tab only.
#include <algorithm>

#include "platform/headless/rich_edit.h"

namespace headless {
namespace {

int LowWord(std::intptr_t v) { return static_cast<short>(v & 0xFFFF); }
int HighWord(std::intptr_t v) { return static_cast<short>((v >> 16) & 0xFFFF); }

}  // namespace

void RichEdit::Input(ui::InputMessage message) {
  message.ctrlHeld = host_.Keyboard().ctrl;
  if (filter_) {
    const ui::MessageFilter filter = filter_;  // the filter may replace itself
    if (filter(*this, message)) return;
  }
  switch (message.message) {
    case ui::message::kKeyDown: HandleKeyDown(static_cast<int>(message.wparam)); break;
    case ui::message::kChar: HandleChar(static_cast<int>(message.wparam)); break;
    case ui::message::kLeftButtonDown:
    case ui::message::kMouseWheel: HandleMouse(message); break;
    default: break;
  }
}

void RichEdit::HandleKeyDown(int virtualKey) {
  const KeyboardState& keys = host_.Keyboard();
  if (virtualKey != ui::key::kUp && virtualKey != ui::key::kDown && virtualKey != ui::key::kPageUp &&
      virtualKey != ui::key::kPageDown && virtualKey != ui::key::kShift && virtualKey != ui::key::kControl)
    desiredX_ = -1;
  const int line = buffer_.LineOf(caret_);
  const int lineEnd = buffer_.LineStart(line) + buffer_.LineLengthOf(line);
  const bool hasSelection = anchor_ != caret_;
  switch (virtualKey) {
    case ui::key::kLeft:
      MoveCaret(hasSelection && !keys.shift ? SelectionStart() : std::max(0, caret_ - 1), keys.shift);
      break;
    case ui::key::kRight:
      MoveCaret(hasSelection && !keys.shift ? SelectionEnd() : std::min(buffer_.Length(), caret_ + 1), keys.shift);
      break;
    case ui::key::kHome: MoveCaret(keys.ctrl ? 0 : buffer_.LineStart(line), keys.shift); break;
    case ui::key::kEnd: MoveCaret(keys.ctrl ? buffer_.Length() : lineEnd, keys.shift); break;
    case ui::key::kUp: MoveCaretByLines(-1, keys.shift); break;
    case ui::key::kDown: MoveCaretByLines(1, keys.shift); break;
    case ui::key::kPageUp:
      if (scrollY_ == 0) {
        MoveCaret(0, keys.shift);
      } else {
        ScrollTo(FirstLine() - VisibleRows());
        MoveCaretByLines(-VisibleRows(), keys.shift);
      }
      break;
    case ui::key::kPageDown:
      if (FirstLine() + VisibleRows() >= buffer_.LineCount()) {
        MoveCaret(buffer_.Length(), keys.shift);
      } else {
        ScrollTo(FirstLine() + VisibleRows());
        MoveCaretByLines(VisibleRows(), keys.shift);
      }
      break;
    case ui::key::kBackspace: DeleteForKey(true); break;
    case ui::key::kDelete: DeleteForKey(false); break;
    case ui::key::kEnter:
      if (textLimit_ > buffer_.Length() - (SelectionEnd() - SelectionStart())) InsertTyped("\r");
      break;
    case 'A':
      if (keys.ctrl) Select(0, buffer_.Length());
      break;
    default: break;
  }
}

void RichEdit::HandleChar(int character) {
  const auto c = static_cast<unsigned>(character);
  if (c < ' ' && c != '\t') return;
  if (c > 0xFF) return;
  if (textLimit_ > buffer_.Length() - (SelectionEnd() - SelectionStart())) {
    InsertTyped(std::string(1, static_cast<char>(c)));
  } else {
    NotifyChanged();  // the control reports a change even when the limit kept the character out
  }
}

void RichEdit::HandleMouse(const ui::InputMessage& message) {
  if (message.message == ui::message::kMouseWheel) {
    const int delta = HighWord(static_cast<std::intptr_t>(message.wparam));
    ScrollTo(FirstLine() - delta * kWheelLines / kWheelDelta);
    return;
  }
  host_.FocusFromControl(id_);
  const ui::Point point{LowWord(message.lparam), HighWord(message.lparam)};
  desiredX_ = -1;
  MoveCaret(PosAtPoint(point), host_.Keyboard().shift);
}

void RichEdit::MoveCaret(int pos, bool extend) {
  Select(extend ? anchor_ : pos, pos);
  ScrollCaretIntoView();
}

// Up and Down keep the caret's place on the screen from where it started, a TAB being as
// wide as it shows; past the first or last line the caret goes to the start or end of
// the text.
void RichEdit::MoveCaretByLines(int lines, bool extend) {
  if (desiredX_ < 0) desiredX_ = XOf(caret_);
  const int target = buffer_.LineOf(caret_) + lines;
  int pos;
  if (target < 0) {
    pos = 0;
  } else if (target >= buffer_.LineCount()) {
    pos = buffer_.Length();
  } else {
    pos = PosAtX(target, desiredX_);
  }
  MoveCaret(pos, extend);
}

void RichEdit::DeleteForKey(bool backwards) {
  if (anchor_ != caret_) {
    ReplaceRange(SelectionStart(), SelectionEnd(), "");
  } else if (backwards) {
    if (caret_ == 0) return;
    ReplaceRange(caret_ - 1, caret_, "");
  } else if (caret_ < buffer_.Length()) {
    ReplaceRange(caret_, caret_ + 1, "");
  }
  ScrollCaretIntoView();
  NotifyChanged();
}

void RichEdit::InsertTyped(std::string_view crText) {
  ReplaceRange(SelectionStart(), SelectionEnd(), crText);
  ScrollCaretIntoView();
  NotifyChanged();
}

}  // namespace headless
