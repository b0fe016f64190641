#include "view/caret_line_colours.h"

#include <optional>

#include "model/line_colouring.h"
#include "state/editor.h"
#include "view/colour_passes.h"

namespace editor {

namespace {

using Shown = std::vector<std::optional<ui::Colour>>;  // nullopt: not known

bool HasBreak(std::string_view text) { return text.find('\r') != std::string_view::npos; }

// An edit within the remembered line, applied to its text and colours. Typed characters
// take the colour of the character before them, as the control gives them, and at the
// line's start that of its first character (its break, on an empty line). False when the
// edit does not fit the remembered text.
bool Apply(const TextEdit& edit, int lineStart, std::string& text, Shown& shown) {
  const int offset = edit.start - lineStart;
  const auto removed = static_cast<int>(edit.removed.size());
  if (offset < 0 || offset + removed > static_cast<int>(text.size()) || HasBreak(edit.removed) ||
      HasBreak(edit.inserted) || text.compare(static_cast<std::size_t>(offset), edit.removed.size(), edit.removed) != 0)
    return false;
  // Text put in place of a selection takes a colour the controls do not agree on.
  std::optional<ui::Colour> typed;
  if (removed > 0) typed = std::nullopt;
  else if (offset > 0) typed = shown[static_cast<std::size_t>(offset - 1)];
  else if (!shown.empty()) typed = shown.front();
  text.replace(static_cast<std::size_t>(offset), edit.removed.size(), edit.inserted);
  shown.erase(shown.begin() + offset, shown.begin() + offset + removed);
  shown.insert(shown.begin() + offset, edit.inserted.size(), typed);
  return true;
}

// What the control shows on the line now, as far as the last paint and the edits tell.
Shown ShownColours(const Editor& editor, const PaintedLine& painted, LineIndex line, int lineStart,
                   std::string_view text, const std::vector<TextEdit>& edits) {
  const Shown unknown(text.size());
  if (painted.line != line || painted.start != lineStart || painted.passes != editor.view.colourPasses)
    return unknown;
  std::string expected = painted.text;
  Shown shown(painted.colours.begin(), painted.colours.end());
  for (const TextEdit& edit : edits)
    if (!Apply(edit, lineStart, expected, shown)) return unknown;
  return expected == text ? shown : unknown;
}

// Consecutive characters wanted in one colour and not shown in it, one stretch each.
struct Stretch {
  int start = 0;
  int length = 0;
  ui::Colour colour = 0;
};

std::vector<Stretch> StretchesToPaint(const std::vector<ui::Colour>& wanted, const Shown& shown) {
  std::vector<Stretch> stretches;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    if (shown[i] == wanted[i]) continue;
    const int at = static_cast<int>(i);
    if (!stretches.empty() && stretches.back().colour == wanted[i] &&
        stretches.back().start + stretches.back().length == at)
      ++stretches.back().length;
    else
      stretches.push_back({at, 1, wanted[i]});
  }
  return stretches;
}

}  // namespace

void ColourCaretLine(Editor& editor, ui::RichEdit& edit, LineIndex line, int lineStart, std::string_view text,
                     const std::vector<TextEdit>& edits, PaintedLine& painted) {
  if (!editor.main || !editor.keywordTable) return;
  const LineColourScheme scheme = LineColourSchemeFrom(editor.prefs);
  const WindowLocalNames names(*editor.main);
  const LineColourContext context{*editor.keywordTable, editor.prefs.keywordCase, scheme,
                                  editor.index.blockComments, editor.index.assemblyBlocks, names};
  LineColours wanted = ColourLine(text, line, context);
  Shown shown = ShownColours(editor, painted, line, lineStart, text, edits);

  std::string now(text);
  for (const Recasing& r : wanted.recasings) {
    now.replace(static_cast<std::size_t>(r.start), r.text.size(), r.text);
    for (std::size_t i = 0; i < r.text.size(); ++i) shown[static_cast<std::size_t>(r.start) + i].reset();
  }
  const std::vector<Stretch> stretches = StretchesToPaint(wanted.colours, shown);

  if (!wanted.recasings.empty() || !stretches.empty()) {
    const std::pair<int, int> selection = edit.GetSelection();
    const int scroll = edit.ScrollPosition().y;
    for (const Recasing& r : wanted.recasings) {
      edit.SetSelection(lineStart + r.start, lineStart + r.start + static_cast<int>(r.text.size()));
      edit.ReplaceSelection(r.text, true);
    }
    for (const Stretch& s : stretches) {
      edit.SetSelection(lineStart + s.start, lineStart + s.start + s.length);
      edit.SetSelectionColour(s.colour);
    }
    edit.SetSelection(selection.first, selection.second);
    if (edit.ScrollPosition().y != scroll) edit.SetScrollPosition({0, scroll});
  }
  painted = {line, lineStart, std::move(now), std::move(wanted.colours), editor.view.colourPasses};
}

}  // namespace editor
