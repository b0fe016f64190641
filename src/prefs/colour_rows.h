// The colour rows of the settings dialog: which swatch shows which colour preference, the
// label before the colour word, and the built-in default that the colour window offers.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/editor_preferences.h"
#include "platform/types.h"

namespace editor {

struct ColourRow {
  ui::ControlId swatch = 0;  // its label is swatch + settings::kColourLabelOffset
  std::string_view label;    // as the dialog opens, before the colour word
  std::string_view relabel;  // after a colour-word box re-labels the rows
  ui::Colour EditorPreferences::*field = nullptr;
  ui::Colour categoryDefault = 0;
};

// In the dialog's order: the first kColourRowsPerColumn rows in its left column.
std::span<const ColourRow> ColourRows();
constexpr int kColourRowsPerColumn = 10;

const ColourRow* FindColourRow(ui::ControlId swatch);

// The label with the colour word: "Key word colour".
std::string ColourLabel(std::string_view label, const EditorPreferences& prefs);

}  // namespace editor
