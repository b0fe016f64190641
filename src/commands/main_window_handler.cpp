#include "commands/main_window_handler.h"

#include <array>

#include "base/control_ids.h"
#include "editing/edit_commands.h"
#include "editing/keyword_suggestions.h"
#include "editing/suggestion_acceptance.h"
#include "editing/transpose_window.h"
#include "files/exit_path.h"
#include "files/file_commands.h"
#include "help/help_commands.h"
#include "navigation/bookmark_commands.h"
#include "navigation/code_block_commands.h"
#include "navigation/declaration_commands.h"
#include "navigation/navigation_commands.h"
#include "navigation/places_commands.h"
#include "navigation/position_timer.h"
#include "navigation/vertical_scroll.h"
#include "prefs/settings_command.h"
#include "search/control_search_window.h"
#include "search/fast_code_window.h"
#include "search/find_commands.h"
#include "search/keyword_search.h"
#include "search/subroutine_search_window.h"
#include "view/panel_switches.h"

namespace editor {

namespace {

// "Nothing to undo" and the greyed twins of the places arrows are signs; the line box, the
// caret fields and the debug panel's fields are written by the commands and never read
// back when they change; the bookmark details list is never shown, and the bookmark
// multi-select button has no action; the welcome text's pointer only points.
constexpr std::array kDisplayOnly{kNothingToUndoButton, kLineNumberBox,       kColumnField,       kEditPositionField,
                                  kEditOffsetField,     kDebugLineField,      kRoundBracketField, kSquareBracketField,
                                  kFirstDebugField,     kFirstDebugField + 1, kFirstDebugField + 2, kFirstDebugField + 3,
                                  kGoBackUnavailable,   kGoForwardUnavailable, kBookmarkList,
                                  kBookmarkMultiSelectButton, kWelcomePointer};

bool RunControlNotify(Editor& editor, const ui::Event& event) {
  for (const CommandRows& rows : MainWindowCommandRows())
    if (RunControlCommand(rows.controls, editor, event)) return true;
  return false;
}

// The list's own answer, or the control's default drawing.
int RunCustomDraw(Editor& editor, const ui::Event& event) {
  for (const CommandRows& rows : MainWindowCommandRows())
    if (const std::optional<int> answer = RunCustomDrawCommand(rows.customDraws, editor, event)) return *answer;
  return ui::custom_draw::kDoDefault;
}

bool RunMenuPick(Editor& editor, const ui::Event& event) {
  for (const CommandRows& rows : MainWindowCommandRows())
    if (RunMenuCommand(rows.menus, editor, event)) return true;
  return false;
}

}  // namespace

std::span<const CommandRows> MainWindowCommandRows() {
  static const std::array rows{FileCommands(),          EditingCommands(),     SuggestionCommands(),
                               FieldSuggestionCommands(), NavigationCommands(),  DeclarationCommands(),
                               CodeBlockCommands(),       BookmarkCommands(),    PlacesCommands(),
                               SearchBarCommands(),       FindCommands(),        PanelSwitchCommands(),
                               PreferenceCommands(),      HelpCommands(),        TransposeCommands(),
                               FastCodeCommands(),        ControlSearchCommands(), SubroutineSearchCommands()};
  return rows;
}

std::span<const ui::ControlId> DisplayOnlyControls() { return kDisplayOnly; }

int MainWindowHandler(Editor& editor, ui::Window& window, const ui::Event& event) {
  switch (event.kind) {
    case ui::MessageKind::kCreated:
      window.Centre();
      return 0;
    case ui::MessageKind::kVerticalScroll:
      if (event.controlId == kLineScrollBar) OnVerticalScroll(editor, event.commandCode, event.scrollPosition);
      return 0;
    case ui::MessageKind::kCloseRequested:
      ExitPath(editor);
      return 0;
    case ui::MessageKind::kMenuPick:
      RunMenuPick(editor, event);
      return 0;
    case ui::MessageKind::kTimer:
      if (event.commandCode == kPositionTimer) OnPositionTimer(editor);
      return 0;
    case ui::MessageKind::kControlNotify:
      if (event.notifyCode == ui::notify::kCustomDraw) return RunCustomDraw(editor, event);
      RunControlNotify(editor, event);
      return 0;
  }
  return 0;
}

}  // namespace editor
