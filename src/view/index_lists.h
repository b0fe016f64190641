// The indexer's rows in the main window's controls: the subroutine and window list
// views, their drop-down mirrors and the include list.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/positions.h"
#include "model/control_index.h"
#include "platform/window.h"

namespace editor {

// A window's drop-down entry: its variable, with " : " and its title when it has one.
std::string WindowComboEntry(std::string_view name, std::string_view title);

int AddSubroutineRow(ui::Window& window, std::string_view name, LineNumber startLine, LineNumber endLine);
int AddWindowRow(ui::Window& window, std::string_view name, LineNumber line);
// A control the file makes, named in the list the colouring reads: the row of its line
// takes the name (a name being typed changes with each key), else a new row unless the
// name is there already.
void AddControlRow(ui::Window& window, const ControlEntry& control);
// The controls of a whole file into the emptied list, a name met again left out. No row is
// looked up: thousands of controls would each search the rows before them.
void FillControlRows(ui::Window& window, const std::vector<ControlEntry>& controls);

// The line in a row's begin column; kNoLine when it holds no number.
LineNumber BeginLineOf(const ui::Window& window, ui::ControlId list, int row);
// The row whose begin column holds this line, or nullopt.
std::optional<int> RowStartingOn(const ui::Window& window, ui::ControlId list, LineNumber line);
// The first row whose name column, trimmed, equals the name exactly, or nullopt.
std::optional<int> RowNamed(const ui::Window& window, ui::ControlId list, std::string_view name);

// Empties the combo and fills it with the list's names, keeping its selection.
void RefillSubroutineCombo(ui::Window& window);
// Window entries take their titles from the windows' lines in the edit control.
void RefillWindowCombo(ui::Window& window, const ui::RichEdit& edit);

// Drops row and the drop-down entry at the same position.
void RemoveRowAndEntry(ui::Window& window, ui::ControlId list, ui::ControlId combo, int row);

}  // namespace editor
