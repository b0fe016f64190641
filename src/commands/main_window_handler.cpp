#include "commands/main_window_handler.h"

#include "app/control_ids.h"
#include "document/tab_switch.h"

namespace editor {

namespace {

std::optional<int> TabOfButton(ui::ControlId id) {
  if (id < TabButtonId(1) || id > TabButtonId(kTabCount)) return std::nullopt;
  return id - TabButtonId(1) + 1;
}

int OnControlNotify(Editor& editor, ui::Window& window, const ui::Event& event) {
  if (event.notifyCode != ui::notify::kClick) return 0;
  if (std::optional<int> tab = TabOfButton(event.controlId)) {
    // A click on an empty tab only gives the editor the focus back.
    if (editor.tabs.Tab(*tab).IsEmpty()) {
      window.Focus(kEditor);
      return 0;
    }
    ActivateTab(editor, *tab);
  }
  return 0;
}

}  // namespace

int MainWindowHandler(Editor& editor, ui::Window& window, const ui::Event& event) {
  switch (event.kind) {
    case ui::MessageKind::kCloseRequested:
      window.Close();
      return 0;
    case ui::MessageKind::kControlNotify:
      return OnControlNotify(editor, window, event);
    default:
      return 0;
  }
}

}  // namespace editor
