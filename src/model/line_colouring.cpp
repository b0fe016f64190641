#include "model/line_colouring.h"

#include <algorithm>

#include "base/word_delimiters.h"
#include "model/keyword_case.h"

namespace editor {

LineColourScheme LineColourSchemeFrom(const EditorPreferences& prefs) {
  LineColourScheme s;
  s.text = prefs.text;
  s.comment = prefs.comment;
  s.quotation = prefs.quotation;
  s.number = prefs.number;
  s.roundBracket = prefs.roundBracket;
  s.squareBracket = prefs.squareBracket;
  s.localSubroutine = prefs.localSubroutine;
  s.localWindow = prefs.localWindow;
  s.control = prefs.control;
  s.preprocessor = prefs.preprocessor;
  return s;
}

namespace {

constexpr std::size_t kNoPosition = std::string_view::npos;

std::string UpperCased(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  return upper;
}

// The walk over one line's characters; each step paints into the colour table.
class LinePass {
 public:
  LinePass(std::string_view text, const LineColourContext& context)
      : text_(text), n_(static_cast<int>(text.size())), context_(context), scheme_(context.scheme) {
    result_.colours.assign(text.size(), scheme_.text);
  }

  LineColours Run(LineIndex lineIndex) {
    if (context_.blockComments.Contains(lineIndex)) {
      Paint(0, n_, scheme_.comment);
      return std::move(result_);
    }
    const std::string upper = UpperCased(text_);
    if (context_.assemblyBlocks.Contains(lineIndex) ||
        (!context_.assemblyBlocks.Empty() && upper.find("_ASM") != kNoPosition)) {
      Paint(0, n_, scheme_.preprocessor);
      return std::move(result_);
    }
    const int literalAt = HexLiteralStart(upper);
    for (int i = 0; i < n_;) {
      const bool beforeLiteral = i == literalAt - 1;
      if (!Step(i)) break;
      // A step that jumped (over a quotation) has carried the literal along with it.
      if (beforeLiteral && i == literalAt) i = TakeHexLiteral(literalAt);
    }
    return std::move(result_);
  }

 private:
  // The first "0X" of the line, when the literal rule applies to it: not at the very
  // start, and not inside the line's first quotation. -1 otherwise.
  int HexLiteralStart(const std::string& upper) const {
    const std::size_t h = upper.find("0X");
    if (h == kNoPosition || h == 0) return -1;
    const std::size_t q1 = text_.find('"');
    const std::size_t q2 = q1 == kNoPosition ? kNoPosition : text_.find('"', q1 + 1);
    // In the line's 1-based positions: H < Q1 or Q2 < H, a missing quote counting 0.
    const std::size_t hPos = h + 1;
    const std::size_t q1Pos = q1 == kNoPosition ? 0 : q1 + 1;
    const std::size_t q2Pos = q2 == kNoPosition ? 0 : q2 + 1;
    return hPos < q1Pos || q2Pos < hPos ? static_cast<int>(h) : -1;
  }

  // Handles the character at i and moves i on; false when the rest of the line is done.
  bool Step(int& i) {
    const char c = text_[static_cast<std::size_t>(i)];
    switch (DelimiterCode(c)) {
      case delimiter::kNone:
        if (IsDigit(c)) Paint(i, i + 1, scheme_.number);
        ++wordLength_;
        ++i;
        return true;
      case delimiter::kQuote: return Quotation(i);
      case delimiter::kApostrophe:
        wordLength_ = 0;
        Paint(i, n_, scheme_.comment);
        return false;
      case delimiter::kOpenRound: bracketSeen_ = true; [[fallthrough]];
      case delimiter::kCloseRound: PaintUnlessText(i, i + 1, scheme_.roundBracket); break;
      case delimiter::kOpenSquare:
      case delimiter::kCloseSquare:
      case delimiter::kBar: PaintUnlessText(i, i + 1, scheme_.squareBracket); break;
      case delimiter::kCarriageReturn: FinishWord(i); return false;
      default: break;
    }
    FinishWord(i);
    ++i;
    return true;
  }

  bool Quotation(int& i) {
    wordLength_ = 0;
    const std::size_t close = text_.find('"', static_cast<std::size_t>(i) + 1);
    if (close == kNoPosition) {
      Paint(i, n_, scheme_.quotation);
      return false;
    }
    Paint(i, static_cast<int>(close) + 1, scheme_.quotation);
    i = static_cast<int>(close) + 1;
    return true;
  }

  // The literal from its "0" up to the next delimiter: recased and painted; the walk
  // goes on at the delimiter. A word the literal interrupts is not a word.
  int TakeHexLiteral(int start) {
    wordLength_ = 0;
    int end = start;
    while (end < n_ && DelimiterCode(text_[static_cast<std::size_t>(end)]) == delimiter::kNone) ++end;
    Recase(start, ApplyKeywordCase(text_.substr(static_cast<std::size_t>(start),
                                                static_cast<std::size_t>(end - start)),
                                   context_.wordCase));
    Paint(start, end, LineColourScheme::kHexLiteral);
    return end;
  }

  // The word that the delimiter at i ends.
  void FinishWord(int i) {
    const int length = wordLength_;
    wordLength_ = 0;
    if (length < 2) return;
    const int start = i - length;
    const std::string_view word = text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    const KeywordLookup found = context_.keywords.LookUpWord(word, context_.wordCase);
    result_.lastKeywordSlot = found.match.slot;
    if (found.match.Found()) {
      Recase(start, found.text);
      Paint(start, i, found.match.colour);
      return;
    }
    if (bracketSeen_) {
      if (context_.names.IsSubroutine(word)) PaintUnlessText(start, i, scheme_.localSubroutine);
      bracketSeen_ = false;
    }
    if (context_.names.IsWindow(word)) PaintUnlessText(start, i, scheme_.localWindow);
    if (context_.names.IsControl(word)) PaintUnlessText(start, i, scheme_.control);
  }

  void Recase(int start, std::string replacement) {
    if (text_.substr(static_cast<std::size_t>(start), replacement.size()) == replacement) return;
    result_.recasings.push_back({start, std::move(replacement)});
  }

  void Paint(int start, int end, ui::Colour colour) {
    std::fill(result_.colours.begin() + start, result_.colours.begin() + end, colour);
  }
  void PaintUnlessText(int start, int end, ui::Colour colour) {
    if (colour != scheme_.text) Paint(start, end, colour);
  }

  std::string_view text_;
  int n_;
  const LineColourContext& context_;
  const LineColourScheme& scheme_;
  LineColours result_;
  int wordLength_ = 0;
  bool bracketSeen_ = false;
};

}  // namespace

LineColours ColourLine(std::string_view text, LineIndex lineIndex, const LineColourContext& context) {
  return LinePass(text, context).Run(lineIndex);
}

std::vector<ColourRun> RunsOf(const std::vector<ui::Colour>& colours) {
  std::vector<ColourRun> runs;
  for (int i = 0; i < static_cast<int>(colours.size()); ++i) {
    const ui::Colour c = colours[static_cast<std::size_t>(i)];
    if (!runs.empty() && runs.back().colour == c)
      ++runs.back().length;
    else
      runs.push_back({i, 1, c});
  }
  return runs;
}

}  // namespace editor
