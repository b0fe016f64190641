// Golden colour maps: small source samples beside files that show, for each line, the
// text after the colouring pass and one letter per character naming its colour
// category. The same samples run against the headless control and against the real
// one under Wine, so both must colour alike.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/control_ids.h"
#include "editing/file_indexer.h"
#include "state/editor.h"
#include "view/colour_passes.h"

namespace golden {

// One colour per category, all different, so that a colour names its category.
struct Category {
  char letter;
  ui::Colour colour;
};

inline const std::vector<Category>& Palette() {
  static const std::vector<Category> palette = {
      {'T', ui::Rgb(0, 0, 0)},     {'C', ui::Rgb(0, 102, 0)},   {'Q', ui::Rgb(148, 0, 211)},
      {'N', ui::Rgb(0, 0, 99)},    {'H', ui::Rgb(105, 105, 105)}, {'R', ui::Rgb(255, 0, 0)},
      {'S', ui::Rgb(128, 0, 0)},   {'O', ui::Rgb(255, 140, 0)}, {'P', ui::Rgb(70, 70, 70)},
      {'K', ui::Rgb(0, 0, 255)},   {'A', ui::Rgb(30, 30, 30)},  {'D', ui::Rgb(200, 0, 100)},
      {'L', ui::Rgb(0, 128, 128)}, {'W', ui::Rgb(128, 128, 0)}, {'X', ui::Rgb(0, 200, 50)},
  };
  return palette;
}

inline char LetterOf(ui::Colour colour) {
  for (const Category& c : Palette())
    if (c.colour == colour) return c.letter;
  return '?';
}

inline ui::Colour ColourOf(char letter) {
  for (const Category& c : Palette())
    if (c.letter == letter) return c.colour;
  return 0;
}

struct Sample {
  std::string name;
  std::string source;
  std::string expected;  // the golden file as it stands
  std::map<std::string, std::string> options;
};

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// "# key=value" lines at the top of the golden file.
inline std::map<std::string, std::string> OptionsOf(const std::string& golden) {
  std::map<std::string, std::string> options;
  std::istringstream lines(golden);
  for (std::string line; std::getline(lines, line) && line.starts_with("# ");) {
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos) options[line.substr(2, eq - 2)] = line.substr(eq + 1);
  }
  return options;
}

inline std::filesystem::path SampleFolder() {
  return std::filesystem::path(EDITOR_SOURCE_DIR) / "tests" / "golden" / "colour";
}

inline std::vector<Sample> LoadSamples() {
  std::vector<Sample> samples;
  for (const auto& entry : std::filesystem::directory_iterator(SampleFolder())) {
    if (entry.path().extension() != ".iwb") continue;
    Sample s;
    s.name = entry.path().stem().string();
    s.source = ReadAll(entry.path());
    std::filesystem::path golden = entry.path();
    s.expected = ReadAll(golden.replace_extension(".colours"));
    s.options = OptionsOf(s.expected);
    samples.push_back(std::move(s));
  }
  return samples;
}

// The palette in the preferences, with a sample's choices: "case" (upper, lower,
// as-typed), "round" and "square" (own or text).
inline void ApplyOptions(editor::Editor& editor, const Sample& sample) {
  editor::EditorPreferences& p = editor.prefs;
  p.text = ColourOf('T');
  p.comment = ColourOf('C');
  p.quotation = ColourOf('Q');
  p.number = ColourOf('N');
  p.roundBracket = ColourOf('R');
  p.squareBracket = ColourOf('S');
  p.constants = ColourOf('O');
  p.preprocessor = ColourOf('P');
  p.keyword = ColourOf('K');
  p.assembly = ColourOf('A');
  p.definition = ColourOf('D');
  p.localSubroutine = ColourOf('L');
  p.localWindow = ColourOf('W');
  p.control = ColourOf('X');
  const auto option = [&sample](const std::string& key) {
    const auto found = sample.options.find(key);
    return found == sample.options.end() ? std::string() : found->second;
  };
  if (option("round") == "text") p.roundBracket = p.text;
  if (option("square") == "text") p.squareBracket = p.text;
  const std::string wordCase = option("case");
  p.keywordCase = wordCase == "lower"      ? editor::KeywordCase::kLowercase
                  : wordCase == "as-typed" ? editor::KeywordCase::kAsTyped
                                           : editor::KeywordCase::kUppercase;
  editor.keywordTable->AssignColours(editor::KeywordColoursFrom(p));
}

// The golden file's header followed by each line's text and its letters.
inline std::string RenderMap(ui::RichEdit& edit, const Sample& sample) {
  std::string out;
  std::istringstream header(sample.expected);
  for (std::string line; std::getline(header, line) && line.starts_with("# ");) out += line + "\n";
  for (int i = 0, count = edit.LineCount(); i < count; ++i) {
    std::string text = edit.GetLine(i, 4096);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (i == count - 1 && text.empty()) break;  // after the final break
    std::string letters;
    const int start = edit.LineIndex(i);
    for (int k = 0; k < static_cast<int>(text.size()); ++k) letters += LetterOf(edit.ColourAt(start + k));
    out += text + "\n" + letters + "\n";
  }
  return out;
}

// Indexes the sample the way opening it does, adds the sample's controls to the control
// list, colours every line and renders the result.
inline std::string ColourSample(editor::Editor& editor, const Sample& sample) {
  ApplyOptions(editor, sample);
  ui::Window& window = *editor.main;
  ui::RichEdit& edit = *window.Edit(editor::kEditor);
  edit.SetText(sample.source);
  editor::FullIndex(editor, editor::IndexProgress::kHidden);
  if (const auto controls = sample.options.find("controls"); controls != sample.options.end())
    window.ViewInsertRow(editor::kControlList, window.ViewRowCount(editor::kControlList), controls->second);
  const editor::LineColourScheme scheme = editor::LineColourSchemeFrom(editor.prefs);
  const editor::WindowLocalNames names(window);
  const editor::LineColourContext context{*editor.keywordTable, editor.prefs.keywordCase, scheme,
                                          editor.index.blockComments, editor.index.assemblyBlocks, names};
  editor::ColourLines(edit, editor::LineIndex(0), editor::LineIndex(edit.LineCount() - 1), -1, context);
  return RenderMap(edit, sample);
}

}  // namespace golden
