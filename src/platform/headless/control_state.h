// Everything a headless window keeps about one child control.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/rich_edit.h"
#include "platform/window.h"

namespace headless {

struct ViewRow {
  std::vector<std::string> cells;
  bool ticked = false;
  bool selected = false;
};

struct ScrollRange {
  int minimum = 0;
  int maximum = 100;
  int position = 0;
};

struct ControlState {
  ui::ControlSpec desc;  // kind, id, style flags and the values it was created with
  ui::Rect rect;
  std::string text;
  int caret = 0;  // single-line edits: where typing goes
  bool allSelected = false;  // single-line edits: the next key replaces the whole text
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  std::optional<ui::FontSpec> font;
  std::optional<std::pair<ui::Colour, ui::Colour>> colours;  // text, background
  std::string tooltip;
  int imageId = 0;
  bool redraw = true;

  // List boxes and combo boxes.
  std::vector<std::string> entries;
  int selected = -1;
  bool droppedDown = false;

  // Report list views.
  std::vector<std::pair<std::string, int>> columns;  // title, width
  std::vector<ViewRow> rows;
  int ensuredVisibleRow = -1;

  ScrollRange scroll;

  std::unique_ptr<RichEdit> edit;
};

}  // namespace headless
