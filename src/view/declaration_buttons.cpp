#include "view/declaration_buttons.h"

#include "base/control_ids.h"
#include "base/letter_case.h"
#include "base/word_delimiters.h"
#include "state/editor.h"
#include "view/notice_table.h"

namespace editor {

namespace {

constexpr DeclarationPane kSubroutinePane{Declaration::kSubroutine, kSubroutineCombo, kSubroutineList,
                                          notice::kSelectSubroutine};
constexpr DeclarationPane kWindowPane{Declaration::kWindow, kWindowCombo, kWindowList, notice::kSelectWindow};

// A button's tool tip with nothing selected, and the text around the name with one.
struct ButtonTip {
  ui::ControlId id;
  const char* unselected;
  const char* before;
  const char* after = "";
  bool shownUnselected = false;
};

constexpr ButtonTip kSubroutineTips[] = {
    {kGoToSubButton, "Please select a subroutine", "Go to ", "", true},
    {kGoToSubEndButton, "Please select a subroutine", "Go to the end of "},
    {kSearchSubsButton, "Search subroutines by name", nullptr, "", true},
    {kCopySubButton, "Please select a subroutine to copy to the clipboard", "Copy ", " to the clipboard"},
    {kCopySubToBlockButton, "Please select a subroutine to move to a block", "Copy ", " to a block"},
    {kMoveSubButton, "Please select a subroutine first", "Move ", " to clicked position"},
    {kDeleteSubButton, "Please select a subroutine to delete first", "Delete the subroutine "},
    {kSubMultiSelectButton, "Subroutine multi-select option", nullptr},
    {kClearSubSelectionButton, "Clear subroutine selection", nullptr},
};

constexpr ButtonTip kWindowTips[] = {
    {kGoToWindowButton, "Please select a window", "Go to ", "", true},
    {kGoToWindowEndButton, "Please select a window", "Go to the end of "},
    {kGoToHandlerButton, "Please select a window", "Go to the handler for "},
    {kCopyWindowButton, "Please select a window to copy to the clipboard", "Copy ", " to the clipboard"},
    {kCopyWindowToBlockButton, "Please select a window to copy to a block", "Copy ", " to a block"},
    {kMoveWindowButton, "Please select a window", "Move ", " to clicked position"},
    {kDeleteWindowButton, "Please select a window to delete", "Delete the window / dialog "},
    {kWindowMultiSelectButton, "Window multi-select option", nullptr},
    {kClearWindowSelectionButton, "Clear window selection", nullptr},
};

template <std::size_t N>
void ShowButtons(Editor& editor, const DeclarationPane& pane, const ButtonTip (&tips)[N]) {
  ui::Window& window = *editor.main;
  const std::optional<std::string> name = SelectedName(window, pane);
  for (const ButtonTip& tip : tips) {
    window.ShowControl(tip.id, name.has_value() || tip.shownUnselected);
    if (!editor.prefs.showTooltips) continue;
    const bool named = name.has_value() && tip.before != nullptr;
    window.SetTooltip(tip.id, named ? std::string(tip.before) + *name + tip.after : std::string(tip.unselected));
  }
}

}  // namespace

const DeclarationPane& PaneOf(Declaration kind) {
  return kind == Declaration::kSubroutine ? kSubroutinePane : kWindowPane;
}

std::optional<std::string> SelectedName(const ui::Window& window, const DeclarationPane& pane) {
  const int selected = window.ListSelected(pane.combo);
  if (selected < 0) return std::nullopt;
  const std::string entry = window.ListText(pane.combo, selected);
  const std::size_t suffix = entry.find(" :");
  return std::string(Trimmed(std::string_view(entry).substr(0, suffix)));
}

std::optional<int> SelectedRow(const ui::Window& window, const DeclarationPane& pane) {
  const std::optional<std::string> name = SelectedName(window, pane);
  if (!name) return std::nullopt;
  for (int r = 0, count = window.ViewRowCount(pane.list); r < count; ++r)
    if (EqualIgnoringCase(Trimmed(window.ViewCell(pane.list, r, 0)), *name)) return r;
  return std::nullopt;
}

void ShowDeclarationButtons(Editor& editor) {
  if (!editor.main) return;
  ShowButtons(editor, kSubroutinePane, kSubroutineTips);
  ShowButtons(editor, kWindowPane, kWindowTips);
}

}  // namespace editor
