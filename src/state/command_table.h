// Commands as tables: which control or menu id runs which operation, on which notice.
#pragma once

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

// Runs the first entry for the event's control and notify code; false when none matches.
bool RunControlCommand(std::span<const ControlCommand> table, Editor& editor, const ui::Event& event);
bool RunMenuCommand(std::span<const MenuCommand> table, Editor& editor, const ui::Event& event);

}  // namespace editor
