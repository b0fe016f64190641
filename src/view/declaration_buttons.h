// The buttons of the subroutine and window panes follow the drop-down's selection: with
// nothing selected only "go to" stays, the others appear with a selection, and their tool
// tips name the entry selected.
#pragma once

#include <optional>
#include <string>

#include "model/declaration_lines.h"
#include "platform/window.h"

namespace editor {

struct Editor;

// The pane of one kind of declaration: its drop-down, its detail list and its notice for
// "select one first".
struct DeclarationPane {
  Declaration kind;
  ui::ControlId combo;
  ui::ControlId list;
  int selectFirstNotice;
};

const DeclarationPane& PaneOf(Declaration kind);

// The selected entry's name: a window entry's " : title" is not part of it.
std::optional<std::string> SelectedName(const ui::Window& window, const DeclarationPane& pane);
// The detail row of that name, found by its name letter case ignored.
std::optional<int> SelectedRow(const ui::Window& window, const DeclarationPane& pane);

// Both panes' buttons and tool tips as their selections stand.
void ShowDeclarationButtons(Editor& editor);

}  // namespace editor
