// The preference file line by line: any text taken for a line either leaves the setting
// or gives one that writes out and reads back to itself, inside the line's limits.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "model/editor_preferences.h"
#include "model/preference_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  // The same bytes offered to every line, each line's text cut at its first break.
  const std::string_view text = bytes.substr(0, bytes.find_first_of("\r\n"));
  editor::EditorPreferences prefs;
  for (const editor::PreferenceLine& line : editor::PreferenceLines()) {
    editor::TakeLineText(prefs, line, text);
    const std::string written = editor::LineText(prefs, line);
    fuzz::Check(written.find_first_of("\r\n") == std::string::npos, "a preference line writes a line break");
    editor::EditorPreferences again = prefs;
    editor::TakeLineText(again, line, written);
    fuzz::Check(editor::LineText(again, line) == written, "a written preference line does not read back to itself");
  }
  return 0;
}
