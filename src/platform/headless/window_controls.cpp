// The state every child control has: creation, visibility, text, check, looks, focus.
#include <algorithm>

#include "platform/headless/window.h"

namespace headless {

ControlState* Window::Find(ui::ControlId id) {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

const ControlState* Window::Find(ui::ControlId id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

std::optional<ui::ControlKind> Window::KindOf(ui::ControlId id) const {
  const ControlState* control = Find(id);
  if (control == nullptr) return std::nullopt;
  return control->desc.kind;
}

std::vector<ui::ControlId> Window::ControlsOfKind(ui::ControlKind kind) const {
  std::vector<ui::ControlId> ids;
  for (const auto& [id, control] : controls_)
    if (control.desc.kind == kind) ids.push_back(id);
  return ids;
}

bool Window::CreateControl(const ui::ControlSpec& desc) {
  if (!open_ || controls_.contains(desc.id)) return false;
  ControlState control;
  control.desc = desc;
  control.rect = desc.rect;
  control.visible = desc.visible;
  control.font = desc.font;
  control.imageId = desc.bitmapId;
  if (desc.kind == ui::ControlKind::kRichEdit) {
    control.edit = std::make_unique<RichEdit>(desc.id, desc.rect, static_cast<RichEditHost&>(*this), desc.text);
    if (desc.font) control.edit->SetFont(*desc.font);
  } else if (desc.kind != ui::ControlKind::kComboBox) {
    control.text = desc.text;
  }
  controls_.emplace(desc.id, std::move(control));
  return true;
}

bool Window::RenameControl(ui::ControlId from, ui::ControlId to) {
  auto it = controls_.find(from);
  if (it == controls_.end() || (from != to && controls_.contains(to))) return false;
  if (from == to) return true;
  auto node = controls_.extract(it);
  node.key() = to;
  node.mapped().desc.id = to;
  if (node.mapped().edit) node.mapped().edit->Renumber(to);
  controls_.insert(std::move(node));
  if (focused_ == from) focused_ = to;
  return true;
}

void Window::DestroyControl(ui::ControlId id) {
  if (controls_.erase(id) > 0 && focused_ == id) focused_ = 0;
}

// A control that is hidden or disabled loses the focus, as a real one does.
void Window::SetControlRedraw(ui::ControlId id, bool on) {
  if (ControlState* control = Find(id)) control->redraw = on;
}

bool Window::IsControlRedrawOn(ui::ControlId id) const {
  const ControlState* control = Find(id);
  return control != nullptr && control->redraw;
}

void Window::ShowControl(ui::ControlId id, bool visible) {
  ControlState* control = Find(id);
  if (control == nullptr) return;
  control->visible = visible;
  if (!visible && focused_ == id) focused_ = 0;
}

bool Window::IsControlVisible(ui::ControlId id) const {
  const ControlState* control = Find(id);
  return control != nullptr && control->visible;
}

void Window::EnableControl(ui::ControlId id, bool enabled) {
  ControlState* control = Find(id);
  if (control == nullptr) return;
  control->enabled = enabled;
  if (!enabled && focused_ == id) focused_ = 0;
}

bool Window::IsControlEnabled(ui::ControlId id) const {
  const ControlState* control = Find(id);
  return control != nullptr && control->enabled;
}

// Setting an edit box's text notifies a change, as the edit control does; a drop-down
// list has no text of its own to set.
void Window::SetText(ui::ControlId id, std::string_view text) {
  ControlState* control = Find(id);
  if (control == nullptr) return;
  switch (control->desc.kind) {
    case ui::ControlKind::kRichEdit: control->edit->SetText(text); break;
    case ui::ControlKind::kComboBox: break;
    case ui::ControlKind::kEdit:
      SetEditTextSilently(id, std::string(text), 0);
      Notify(id, ui::notify::kTextChanged);
      break;
    default: control->text = text; break;
  }
}

void Window::SelectAllText(ui::ControlId id) {
  ControlState* control = Find(id);
  if (control == nullptr || control->desc.kind != ui::ControlKind::kEdit) return;
  control->allSelected = !control->text.empty();
  control->caret = static_cast<int>(control->text.size());
}

void Window::CaretToEnd(ui::ControlId id) {
  ControlState* control = Find(id);
  if (control == nullptr || control->desc.kind != ui::ControlKind::kEdit) return;
  control->allSelected = false;
  control->caret = static_cast<int>(control->text.size());
}

std::string Window::GetText(ui::ControlId id) const {
  const ControlState* control = Find(id);
  if (control == nullptr) return {};
  switch (control->desc.kind) {
    case ui::ControlKind::kRichEdit: return control->edit->Text();
    case ui::ControlKind::kComboBox: return ListText(id, control->selected);
    default: return control->text;
  }
}

void Window::SetEditTextSilently(ui::ControlId id, std::string text, int caret) {
  ControlState* control = Find(id);
  if (control == nullptr) return;
  control->caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  control->text = std::move(text);
  control->allSelected = false;
}

void Window::SetChecked(ui::ControlId id, bool checked) {
  ControlState* control = Find(id);
  if (control == nullptr) return;
  if (control->desc.kind == ui::ControlKind::kCheckBox || control->desc.kind == ui::ControlKind::kRadioButton)
    control->checked = checked;
}

bool Window::IsChecked(ui::ControlId id) const {
  const ControlState* control = Find(id);
  return control != nullptr && control->checked;
}

void Window::SetFont(ui::ControlId id, const ui::FontSpec& font) {
  ControlState* control = Find(id);
  if (control == nullptr) return;
  control->font = font;
  if (control->edit) control->edit->SetFont(font);
}

void Window::SetColours(ui::ControlId id, ui::Colour text, ui::Colour background) {
  if (ControlState* control = Find(id)) control->colours = std::make_pair(text, background);
}

void Window::SetTooltip(ui::ControlId id, std::string_view text) {
  if (ControlState* control = Find(id)) control->tooltip = text;
}

std::string Window::Tooltip(ui::ControlId id) const {
  const ControlState* control = Find(id);
  return control == nullptr ? std::string{} : control->tooltip;
}

void Window::MoveControl(ui::ControlId id, ui::Rect rect) {
  ControlState* control = Find(id);
  if (control == nullptr) return;
  control->rect = rect;
  if (control->edit) control->edit->SetClientRect(rect);
}

ui::Rect Window::ControlRect(ui::ControlId id) const {
  const ControlState* control = Find(id);
  return control == nullptr ? ui::Rect{} : control->rect;
}

void Window::Focus(ui::ControlId id) {
  const ControlState* control = Find(id);
  if (control == nullptr || focused_ == id) return;
  focused_ = id;
  if (control->desc.reportsFocus && control->desc.kind == ui::ControlKind::kEdit) Notify(id, ui::notify::kFocused);
}

void Window::SetImage(ui::ControlId id, int bitmapId) {
  if (ControlState* control = Find(id)) control->imageId = bitmapId;
}

void Window::SetScrollRange(ui::ControlId id, int minimum, int maximum) {
  ControlState* control = Find(id);
  if (control == nullptr) return;
  control->scroll.minimum = minimum;
  control->scroll.maximum = std::max(minimum, maximum);
  control->scroll.position = std::clamp(control->scroll.position, control->scroll.minimum, control->scroll.maximum);
}

void Window::SetScrollPos(ui::ControlId id, int position) {
  ControlState* control = Find(id);
  if (control == nullptr) return;
  control->scroll.position = std::clamp(position, control->scroll.minimum, control->scroll.maximum);
}

int Window::ScrollPos(ui::ControlId id) const {
  const ControlState* control = Find(id);
  return control == nullptr ? 0 : control->scroll.position;
}

RichEdit* Window::Edit(ui::ControlId id) {
  ControlState* control = Find(id);
  return control == nullptr ? nullptr : control->edit.get();
}

}  // namespace headless
