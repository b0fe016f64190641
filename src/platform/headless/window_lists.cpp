// List boxes and drop-down combo boxes.
#include <algorithm>

#include "platform/case_insensitive.h"
#include "platform/headless/window.h"

namespace headless {
namespace {

bool IsList(const ControlState* control) {
  return control != nullptr &&
         (control->desc.kind == ui::ControlKind::kListBox || control->desc.kind == ui::ControlKind::kComboBox);
}

}  // namespace

int Window::ListAdd(ui::ControlId id, std::string_view text) { return ListInsert(id, -1, text); }

// An index of -1 appends; one past the end fails, as the controls' insert does.
int Window::ListInsert(ui::ControlId id, int index, std::string_view text) {
  ControlState* control = Find(id);
  if (!IsList(control)) return -1;
  const int count = static_cast<int>(control->entries.size());
  if (index < -1 || index > count) return -1;
  if (index == -1) index = count;
  control->entries.insert(control->entries.begin() + index, std::string(text));
  if (control->selected >= index) ++control->selected;
  return index;
}

void Window::ListDelete(ui::ControlId id, int index) {
  ControlState* control = Find(id);
  if (!IsList(control) || index < 0 || index >= static_cast<int>(control->entries.size())) return;
  control->entries.erase(control->entries.begin() + index);
  if (control->selected == index) {
    control->selected = -1;
  } else if (control->selected > index) {
    --control->selected;
  }
}

void Window::ListClear(ui::ControlId id) {
  ControlState* control = Find(id);
  if (!IsList(control)) return;
  control->entries.clear();
  control->selected = -1;
}

int Window::ListCount(ui::ControlId id) const {
  const ControlState* control = Find(id);
  return IsList(control) ? static_cast<int>(control->entries.size()) : 0;
}

std::string Window::ListText(ui::ControlId id, int index) const {
  const ControlState* control = Find(id);
  if (!IsList(control) || index < 0 || index >= static_cast<int>(control->entries.size())) return {};
  return control->entries[static_cast<std::size_t>(index)];
}

int Window::ListFindExact(ui::ControlId id, std::string_view text) const {
  const ControlState* control = Find(id);
  if (!IsList(control)) return -1;
  const auto& entries = control->entries;
  const auto it = std::find_if(entries.begin(), entries.end(), [&](const std::string& e) { return ui::EqualsIgnoringCase(e, text); });
  return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

// An index out of range clears the selection.
void Window::ListSelect(ui::ControlId id, int index) {
  ControlState* control = Find(id);
  if (!IsList(control)) return;
  control->selected = index >= 0 && index < static_cast<int>(control->entries.size()) ? index : -1;
}

int Window::ListSelected(ui::ControlId id) const {
  const ControlState* control = Find(id);
  return IsList(control) ? control->selected : -1;
}

void Window::DropDown(ui::ControlId id, bool open) {
  ControlState* control = Find(id);
  if (control != nullptr && control->desc.kind == ui::ControlKind::kComboBox) control->droppedDown = open;
}

}  // namespace headless
