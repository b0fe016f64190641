// The controls of the editor's own dialogs: every one in Arial 12.
#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"

namespace editor {

inline ui::ControlSpec DialogControl(ui::ControlKind kind, ui::ControlId id, ui::Rect rect,
                                     std::string_view text = {}) {
  ui::ControlSpec desc;
  desc.kind = kind;
  desc.id = id;
  desc.rect = rect;
  desc.text = std::string(text);
  desc.font = ui::FontSpec{"Arial", 12};
  return desc;
}

}  // namespace editor
