// A list of controls shown in a list view, one row each, with the cells a window asks for.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/control_index.h"
#include "platform/window.h"

namespace editor {

enum class ControlCell { kName, kWindow, kLine, kType, kCase };

// A line that is not known is an empty cell.
std::string CellOf(const ControlEntry& control, ControlCell cell);

// Empties the list and shows the rows, drawn once when they are all in.
void ShowControlRows(ui::Window& window, ui::ControlId list, const std::vector<ControlEntry>& rows,
                     std::span<const ControlCell> columns);

// Sorts by one column's text, letter case ignored, up or down.
void SortControlRows(std::vector<ControlEntry>& rows, ControlCell by, bool descending);

}  // namespace editor
