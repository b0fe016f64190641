// The user's choices of font, colours, key word case, switches and numbers. The values
// here are the ones in force when there is no preference file; the table of preference
// lines holds the same values and a test keeps the two in step.
#pragma once

#include <string>

#include "platform/types.h"

namespace editor {

enum class KeywordCase { kUppercase = 1, kLowercase = 2, kAsTyped = 3 };

struct EditorPreferences {
  bool colourWordIsColour = true;  // "colour" or "color" in labels and tool tips
  ui::FontSpec editorFont{"Courier New", 12};
  KeywordCase keywordCase = KeywordCase::kUppercase;
  ui::Colour fileBackground = ui::Rgb(211, 211, 211);
  ui::Colour windowBackground = ui::Rgb(231, 222, 231);
  bool autoJumpToSelections = false;
  bool showConfirmations = true;
  int maxOpenFiles = 6;
  bool saveFilesWhenClosingEditor = true;
  bool saveFileWhenClosing = true;
  int wheelLines = 4;
  bool showTooltips = true;
  int timerIntervalMs = 10;
  int reserved = 120000;
  int undoKey = ui::key::kF1;
  int redoKey = ui::key::kF2;
  int undoAllKey = ui::key::kF3;
  int redoAllKey = ui::key::kF4;
  int tabSpacing = 3;
  int tabStopWidth = 12;
  bool autoCompleteKeywords = true;
  ui::Colour roundBracket = ui::Rgb(255, 0, 0);
  ui::Colour squareBracket = ui::Rgb(128, 0, 0);
  ui::Colour localSubroutine = ui::Rgb(128, 0, 0);
  ui::Colour localWindow = ui::Rgb(128, 0, 0);
  bool programDebug = true;
  bool showEditCoordinates = true;
  bool closeSubroutineSearchOnSelection = true;
  ui::Colour number = ui::Rgb(0, 102, 0);
  ui::Colour constants = ui::Rgb(255, 140, 0);
  ui::Colour definition = ui::Rgb(255, 0, 0);
  ui::Colour preprocessor = ui::Rgb(105, 105, 105);
  ui::Colour keyword = ui::Rgb(0, 0, 255);
  ui::Colour assembly = ui::Rgb(105, 105, 105);
  bool findFirst = false;
  bool findAll = false;
  bool findLast = false;
  bool joinAnd = false;
  bool joinOr = false;
  bool rememberPlaces = false;
  bool allowDuplicatePlaces = false;
  ui::Colour control = ui::Rgb(128, 0, 0);
  ui::Colour lineHighlight = ui::Rgb(255, 0, 0);
  ui::Colour windowText = ui::Rgb(128, 0, 0);
  ui::Colour lineDefault = ui::Rgb(0, 0, 0);

  // Chosen in the settings dialog but never stored: each run starts with these.
  ui::Colour text = ui::Rgb(0, 0, 0);
  ui::Colour comment = ui::Rgb(0, 102, 0);
  ui::Colour quotation = ui::Rgb(148, 0, 211);

  std::string ColourWord() const { return colourWordIsColour ? "colour" : "color"; }
  // The tab stop width the spacing gives, in the rich edit's tab units: a quarter of a
  // character each, so a stop every tabSpacing characters.
  int TabStopWidthForSpacing() const { return 4 * tabSpacing; }

  friend bool operator==(const EditorPreferences&, const EditorPreferences&) = default;
};

}  // namespace editor
