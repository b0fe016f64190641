// The paints of one line in the order the line pass makes them, one for each thing it
// colours: the whole line in Text, then each comment, quotation, digit, hexadecimal
// literal, bracket and word, later paints over earlier ones, paints equal to Text left
// out for brackets and local names. Sent one by one (select, set colour) they are the
// item-by-item way of colouring that ColourLines' merged runs are measured against.
// Recasing is left out: the benchmarks colour text that is already recased.
//
// The walk follows ColourLine's rules; PaintsMatchColourLine checks that both colour
// every character alike, so the comparison stays honest when the rules change.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/word_delimiters.h"
#include "model/keyword_case.h"
#include "model/line_colouring.h"

namespace bench {

struct Paint {
  int start = 0;
  int end = 0;  // one past the last character
  ui::Colour colour = 0;
};

namespace literal {

class PaintWalk {
 public:
  PaintWalk(std::string_view text, const editor::LineColourContext& context)
      : text_(text), n_(static_cast<int>(text.size())), context_(context), scheme_(context.scheme) {}

  std::vector<Paint> Run(editor::LineIndex lineIndex) {
    Add(0, n_, scheme_.text);
    if (context_.blockComments.Contains(lineIndex)) return Whole(scheme_.comment);
    std::string upper(text_);
    std::transform(upper.begin(), upper.end(), upper.begin(), editor::AsciiUpper);
    if (context_.assemblyBlocks.Contains(lineIndex) ||
        (!context_.assemblyBlocks.Empty() && upper.find("_ASM") != std::string::npos))
      return Whole(scheme_.preprocessor);
    const int literalAt = HexLiteralStart(upper);
    for (int i = 0; i < n_;) {
      const bool beforeLiteral = i == literalAt - 1;
      if (!Step(i)) break;
      if (beforeLiteral && i == literalAt) i = HexLiteral(literalAt);
    }
    return std::move(paints_);
  }

 private:
  std::vector<Paint> Whole(ui::Colour colour) {
    Add(0, n_, colour);
    return std::move(paints_);
  }

  int HexLiteralStart(const std::string& upper) const {
    const std::size_t h = upper.find("0X");
    if (h == std::string::npos || h == 0) return -1;
    const std::size_t q1 = text_.find('"');
    const std::size_t q2 = q1 == std::string_view::npos ? std::string_view::npos : text_.find('"', q1 + 1);
    const std::size_t hPos = h + 1;
    const std::size_t q1Pos = q1 == std::string_view::npos ? 0 : q1 + 1;
    const std::size_t q2Pos = q2 == std::string_view::npos ? 0 : q2 + 1;
    return hPos < q1Pos || q2Pos < hPos ? static_cast<int>(h) : -1;
  }

  bool Step(int& i) {
    namespace d = editor::delimiter;
    const char c = text_[static_cast<std::size_t>(i)];
    switch (editor::DelimiterCode(c)) {
      case d::kNone:
        if (editor::IsDigit(c)) Add(i, i + 1, scheme_.number);
        ++wordLength_;
        ++i;
        return true;
      case d::kQuote: return Quotation(i);
      case d::kApostrophe:
        wordLength_ = 0;
        Add(i, n_, scheme_.comment);
        return false;
      case d::kOpenRound: bracketSeen_ = true; [[fallthrough]];
      case d::kCloseRound: AddUnlessText(i, i + 1, scheme_.roundBracket); break;
      case d::kOpenSquare:
      case d::kCloseSquare:
      case d::kBar: AddUnlessText(i, i + 1, scheme_.squareBracket); break;
      case d::kCarriageReturn: Word(i); return false;
      default: break;
    }
    Word(i);
    ++i;
    return true;
  }

  bool Quotation(int& i) {
    wordLength_ = 0;
    const std::size_t close = text_.find('"', static_cast<std::size_t>(i) + 1);
    if (close == std::string_view::npos) {
      Add(i, n_, scheme_.quotation);
      return false;
    }
    Add(i, static_cast<int>(close) + 1, scheme_.quotation);
    i = static_cast<int>(close) + 1;
    return true;
  }

  int HexLiteral(int start) {
    wordLength_ = 0;
    int end = start;
    while (end < n_ && editor::DelimiterCode(text_[static_cast<std::size_t>(end)]) == editor::delimiter::kNone)
      ++end;
    Add(start, end, editor::LineColourScheme::kHexLiteral);
    return end;
  }

  void Word(int i) {
    const int length = wordLength_;
    wordLength_ = 0;
    if (length < 2) return;
    const int start = i - length;
    const std::string_view word = text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    const editor::KeywordLookup found = context_.keywords.LookUpWord(word, context_.wordCase);
    if (found.match.Found()) {
      Add(start, i, found.match.colour);
      return;
    }
    if (bracketSeen_) {
      if (context_.names.IsSubroutine(word)) AddUnlessText(start, i, scheme_.localSubroutine);
      bracketSeen_ = false;
    }
    if (context_.names.IsWindow(word)) AddUnlessText(start, i, scheme_.localWindow);
    if (context_.names.IsControl(word)) AddUnlessText(start, i, scheme_.control);
  }

  void Add(int start, int end, ui::Colour colour) {
    if (start < end) paints_.push_back({start, end, colour});
  }
  void AddUnlessText(int start, int end, ui::Colour colour) {
    if (colour != scheme_.text) Add(start, end, colour);
  }

  std::string_view text_;
  int n_;
  const editor::LineColourContext& context_;
  const editor::LineColourScheme& scheme_;
  std::vector<Paint> paints_;
  int wordLength_ = 0;
  bool bracketSeen_ = false;
};

}  // namespace literal

// The line's text as the control's get-line gives it, with its CR when it has one.
inline std::vector<Paint> LiteralPaints(std::string_view text, editor::LineIndex lineIndex,
                                       const editor::LineColourContext& context) {
  return literal::PaintWalk(text, context).Run(lineIndex);
}

// True when the paints, applied in order, leave every character as ColourLine colours it.
inline bool PaintsMatchColourLine(std::string_view text, editor::LineIndex lineIndex,
                                  const editor::LineColourContext& context) {
  std::vector<ui::Colour> painted(text.size(), 0);
  for (const Paint& p : LiteralPaints(text, lineIndex, context))
    std::fill(painted.begin() + p.start, painted.begin() + p.end, p.colour);
  return painted == editor::ColourLine(text, lineIndex, context).colours;
}

}  // namespace bench
