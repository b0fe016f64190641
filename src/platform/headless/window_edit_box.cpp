// Where the user's keys go: reported to the handler first by controls that ask for it;
// then what single-line edit boxes do with them: insert at the caret (when the box's filter
// and length limit let the character in), Backspace on its character, Delete and the
// arrows on the key going down, and Enter reported to the parent (the editor's edit boxes
// are subclassed to do so).
#include <algorithm>

#include "platform/headless/window.h"

namespace headless {

void Window::SendInput(ui::ControlId id, ui::InputMessage message) {
  ControlState* control = Find(id);
  if (control == nullptr || !control->enabled) return;
  if (control->desc.reportsKeys && message.message == ui::message::kKeyDown) {
    Deliver({.kind = ui::MessageKind::kControlNotify,
             .commandCode = static_cast<int>(message.wparam),
             .controlId = id,
             .notifyCode = ui::notify::kKeyDown});
    control = Find(id);  // the handler may have closed the window
    if (control == nullptr || !control->enabled) return;
  }
  if (control->edit) {
    control->edit->Input(message);
  } else if (control->desc.kind == ui::ControlKind::kEdit) {
    EditBoxInput(*control, message);
  }
}

namespace {

// A typed character, Backspace or Delete takes the place of a selected text.
bool ReplacesSelection(const ui::InputMessage& message) {
  if (message.message == ui::message::kKeyDown) return static_cast<int>(message.wparam) == ui::key::kDelete;
  if (message.message != ui::message::kChar) return false;
  const auto c = static_cast<unsigned>(message.wparam);
  return c == ui::key::kBackspace || (c >= ' ' && c <= 0xFF);
}

// A typed character the box's filter leaves out: it never reaches the control.
bool Filtered(const ControlState& box, const ui::InputMessage& message) {
  if (message.message != ui::message::kChar) return false;
  const auto c = static_cast<unsigned>(message.wparam);
  return c > 0xFF || !ui::AcceptsTypedCharacter(box.desc.accepts, static_cast<unsigned char>(c));
}

// A typed character one more than the box's limit allows; a selected text would make
// room, as the real control's replacement does.
bool OverLimit(const ControlState& box, const ui::InputMessage& message) {
  if (message.message != ui::message::kChar || static_cast<unsigned>(message.wparam) < ' ') return false;
  const int kept = box.allSelected ? 0 : static_cast<int>(box.text.size());
  return box.desc.maxLength > 0 && kept >= box.desc.maxLength;
}

bool MovesCaret(int virtualKey) {
  return virtualKey == ui::key::kLeft || virtualKey == ui::key::kRight || virtualKey == ui::key::kHome ||
         virtualKey == ui::key::kEnd;
}

}  // namespace

void Window::EditBoxInput(ControlState& box, const ui::InputMessage& message) {
  const ui::ControlId id = box.desc.id;
  if (Filtered(box, message)) return;
  if (OverLimit(box, message)) {
    // The real control reports a change even though nothing went in.
    Notify(id, ui::notify::kTextChanged);
    return;
  }
  if (box.allSelected && !box.desc.readOnly && ReplacesSelection(message)) {
    box.text.clear();
    box.caret = 0;
    box.allSelected = false;
    const bool erasing = message.message == ui::message::kKeyDown || message.wparam == ui::key::kBackspace;
    if (erasing) {
      Notify(id, ui::notify::kTextChanged);
      return;
    }
  }
  if (message.message == ui::message::kKeyDown && MovesCaret(static_cast<int>(message.wparam))) box.allSelected = false;
  const int length = static_cast<int>(box.text.size());
  box.caret = std::clamp(box.caret, 0, length);
  const auto at = static_cast<std::size_t>(box.caret);
  if (message.message == ui::message::kKeyDown) {
    switch (static_cast<int>(message.wparam)) {
      case ui::key::kEnter: Notify(id, ui::notify::kEnter); break;
      case ui::key::kLeft: box.caret = std::max(0, box.caret - 1); break;
      case ui::key::kRight: box.caret = std::min(length, box.caret + 1); break;
      case ui::key::kHome: box.caret = 0; break;
      case ui::key::kEnd: box.caret = length; break;
      case ui::key::kDelete:
        if (box.desc.readOnly || box.caret == length) break;
        box.text.erase(at, 1);
        Notify(id, ui::notify::kTextChanged);
        break;
      default: break;
    }
    return;
  }
  if (message.message != ui::message::kChar || box.desc.readOnly) return;
  const auto c = static_cast<unsigned>(message.wparam);
  if (c == ui::key::kBackspace) {
    if (box.caret == 0) return;
    box.text.erase(at - 1, 1);
    --box.caret;
  } else if (c >= ' ' && c <= 0xFF) {
    box.text.insert(at, 1, static_cast<char>(c));
    ++box.caret;
  } else {
    return;
  }
  Notify(id, ui::notify::kTextChanged);
}

}  // namespace headless
