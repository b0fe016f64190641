#include "editing/bracket_counter.h"

#include "base/control_ids.h"
#include "base/line_buffer.h"
#include "base/word_delimiters.h"
#include "state/editor.h"

namespace editor {

namespace {

std::string CountText(int open, std::string_view openLabel, int close, std::string_view closeLabel) {
  auto label = [](int count, std::string_view plural) {
    return count == 1 ? std::string(plural.substr(0, plural.size() - 1)) : std::string(plural);
  };
  std::string text = " ";
  text += std::to_string(open);
  text += label(open, openLabel);
  // A static control draws no TAB at all, which ran the two counts together.
  text += ", ";
  text += std::to_string(close);
  text += label(close, closeLabel);
  return text;
}

void ShowField(Editor& editor, ui::ControlId field, const std::string& text, bool balanced) {
  ui::Window& window = *editor.main;
  window.SetText(field, text);
  window.SetColours(field, balanced ? editor.prefs.text : editor.prefs.lineHighlight, editor.prefs.windowBackground);
}

}  // namespace

BracketCounts CountBrackets(std::string_view line) {
  BracketCounts counts;
  for (std::size_t i = 0; i < line.size(); ++i) {
    switch (DelimiterCode(line[i])) {
      case delimiter::kQuote: {
        const std::size_t close = line.find('"', i + 1);
        if (close == std::string_view::npos) return counts;
        i = close;
        break;
      }
      case delimiter::kOpenRound: ++counts.openRound; break;
      case delimiter::kCloseRound: ++counts.closeRound; break;
      case delimiter::kOpenSquare: ++counts.openSquare; break;
      case delimiter::kCloseSquare: ++counts.closeSquare; break;
      default: break;
    }
  }
  return counts;
}

std::string RoundBracketText(const BracketCounts& c) {
  return CountText(c.openRound, " ( Brackets", c.closeRound, " ) Brackets");
}

std::string SquareBracketText(const BracketCounts& c) {
  return CountText(c.openSquare, " [ Brackets", c.closeSquare, " ] Brackets");
}

void ShowBracketCounts(Editor& editor) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) return;
  const int line = edit->LineFromChar(edit->GetSelection().first);
  ShowBracketCountsOf(editor, edit->GetLine(line, kLineBufferChars));
}

void ShowBracketCountsOf(Editor& editor, std::string_view caretLine) {
  if (!editor.main) return;
  const BracketCounts counts = CountBrackets(caretLine);
  ShowField(editor, kRoundBracketField, RoundBracketText(counts), counts.openRound == counts.closeRound);
  ShowField(editor, kSquareBracketField, SquareBracketText(counts), counts.openSquare == counts.closeSquare);
}

}  // namespace editor
