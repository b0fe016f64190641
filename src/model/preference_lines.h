// The 47 lines of the preference file as one table: what each line holds, which control
// of the settings dialog shows it, its factory value, its value when there is no file, and
// the preference it is read into and written from.
#pragma once

#include <climits>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "model/editor_preferences.h"
#include "platform/types.h"

namespace editor {

constexpr int kPreferenceLineCount = 47;

// The two halves of the editor font, which a pointer to member cannot reach.
struct FontNameField {};
struct FontSizeField {};

using PreferenceField = std::variant<bool EditorPreferences::*, int EditorPreferences::*,
                                     ui::Colour EditorPreferences::*, KeywordCase EditorPreferences::*,
                                     FontNameField, FontSizeField>;

struct PreferenceLine {
  int line = 0;
  std::string_view meaning;
  ui::ControlId control = 0;  // the settings dialog's control that shows it; 0 for none
  std::string_view factory;   // as the first-time setup writes it
  std::string_view missing;   // in force when there is no preference file
  PreferenceField field;
  // Numbers outside are brought inside, so that a damaged file cannot ask for a font of a
  // million points or a seventh tab.
  int minimum = INT_MIN;
  int maximum = INT_MAX;
};

// Line 1 first; line 10 comes after line 1 and, holding the same setting, wins over it.
std::span<const PreferenceLine> PreferenceLines();

// The longest face name Windows keeps; a longer one cannot name a font.
constexpr std::size_t kMaxFontNameLength = 31;

// The line as the file holds it, from the current values.
std::string LineText(const EditorPreferences& prefs, const PreferenceLine& line);

// Takes one line of the file into the preferences. False when the text is not a value of
// its line: a number line then reads 0 (brought into its range), the font name keeps its
// current value.
bool TakeLineText(EditorPreferences& prefs, const PreferenceLine& line, std::string_view text);

}  // namespace editor
