#include "state/command_table.h"

namespace editor {

bool RunControlCommand(std::span<const ControlCommand> table, Editor& editor, const ui::Event& event) {
  for (const ControlCommand& command : table) {
    if (command.id != event.controlId) continue;
    if (command.notifyCode != kAnyNotify && command.notifyCode != event.notifyCode) continue;
    command.run(editor, event);
    return true;
  }
  return false;
}

bool RunMenuCommand(std::span<const MenuCommand> table, Editor& editor, const ui::Event& event) {
  for (const MenuCommand& command : table) {
    if (command.id != event.menuId) continue;
    command.run(editor, event);
    return true;
  }
  return false;
}

std::optional<int> RunCustomDrawCommand(std::span<const CustomDrawCommand> table, Editor& editor,
                                        const ui::Event& event) {
  if (event.notifyCode != ui::notify::kCustomDraw || event.customDraw == nullptr) return std::nullopt;
  for (const CustomDrawCommand& command : table)
    if (command.id == event.controlId) return command.draw(editor, *event.customDraw);
  return std::nullopt;
}

}  // namespace editor
