// Commands as tables: which control or menu id runs which operation, on which notice.
// Each feature exports the rows of the controls and menu items it owns; the main window's
// handler looks an event up in all of them.
#pragma once

#include <optional>
#include <span>

#include "state/editor.h"

namespace editor {

constexpr int kAnyNotify = -1'000'000;

using CommandFn = void (*)(Editor&, const ui::Event&);

struct ControlCommand {
  ui::ControlId id;
  int notifyCode;  // kAnyNotify: every notice of the control
  CommandFn run;
};

struct MenuCommand {
  int id;
  CommandFn run;
};

// A list drawn row by row: sees each custom-draw stage of its control, may set the colours
// of the row or cell drawn, and answers with custom_draw values.
using CustomDrawFn = int (*)(Editor&, ui::CustomDraw&);

struct CustomDrawCommand {
  ui::ControlId id;
  CustomDrawFn draw;
};

// A feature's rows.
struct CommandRows {
  std::span<const ControlCommand> controls;
  std::span<const MenuCommand> menus;
  std::span<const CustomDrawCommand> customDraws = {};
};

// Runs the first entry for the event's control and notify code; false when none matches.
bool RunControlCommand(std::span<const ControlCommand> table, Editor& editor, const ui::Event& event);
bool RunMenuCommand(std::span<const MenuCommand> table, Editor& editor, const ui::Event& event);
// The answer of the entry for a custom-draw event's control; nullopt when none has one.
std::optional<int> RunCustomDrawCommand(std::span<const CustomDrawCommand> table, Editor& editor,
                                        const ui::Event& event);

// A row's operation that needs only the editor.
template <void (*F)(Editor&)>
void Call(Editor& editor, const ui::Event&) {
  F(editor);
}

}  // namespace editor
