// The tool tips of the main window's controls.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/editor_preferences.h"
#include "platform/types.h"

namespace editor {

struct TooltipEntry {
  ui::ControlId id;
  std::string_view text;
};

// Every control's tip as the window starts; some change later with the state they describe.
std::span<const TooltipEntry> MainWindowTooltips();

// The tip as shown: the re-colour button follows the preferred spelling of "colour".
std::string TooltipText(const TooltipEntry& entry, const EditorPreferences& prefs);

}  // namespace editor
