#include "model/keyword_table.h"

#include "model/keyword_case.h"
#include "model/keyword_words.h"

namespace editor {
namespace {

// A stored word is upper case, so comparing the text's upper case is enough.
bool EqualsStoredWord(std::string_view text, std::string_view stored) {
  if (text.size() != stored.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (AsciiUpper(text[i]) != stored[i]) return false;
  }
  return true;
}

// No dialect word begins with one of these; digits and ":" start numbers and labels.
constexpr std::string_view kNeverFirst = "QXYZ0123456789:";

// Words no lookup needs to compare: no dialect word is this short, this long, or begins so.
bool IsRejectedOutright(std::string_view word) {
  if (word.size() < 2 || word.size() > static_cast<std::size_t>(KeywordTable::kMaxWordLength)) return true;
  return kNeverFirst.find(AsciiUpper(word[0])) != std::string_view::npos;
}

ui::Colour ColourOf(KeywordCategory category, const KeywordColours& colours) {
  switch (category) {
    case KeywordCategory::kConstant: return colours.constants;
    case KeywordCategory::kPreprocessor: return colours.preprocessor;
    case KeywordCategory::kKeyword: return colours.keyword;
    case KeywordCategory::kAssembly: return colours.assembly;
    case KeywordCategory::kDefinition: return colours.definition;
  }
  return colours.keyword;
}

}  // namespace

KeywordColours KeywordColoursFrom(const EditorPreferences& prefs) {
  return {prefs.constants, prefs.preprocessor, prefs.keyword, prefs.assembly, prefs.definition};
}

KeywordTable::KeywordTable(const KeywordColours& colours) {
  words_.emplace_back();
  categories_.push_back(KeywordCategory::kKeyword);
  FillGroup(keyword_words::Constants(), KeywordCategory::kConstant);
  FillGroup(keyword_words::Preprocessor(), KeywordCategory::kPreprocessor);
  FillGroup(keyword_words::Keywords(), KeywordCategory::kKeyword);
  FillGroup(keyword_words::Assembly(), KeywordCategory::kAssembly);
  BuildIndexes();
  MarkDefinitions();
  AssignColours(colours);
}

void KeywordTable::AssignColours(const KeywordColours& colours) {
  colours_.resize(words_.size());
  for (std::size_t slot = 1; slot < words_.size(); ++slot) colours_[slot] = ColourOf(categories_[slot], colours);
}

KeywordMatch KeywordTable::Find(std::string_view word) const {
  const int slot = FindSlot(word);
  if (slot == 0) return {};
  return {slot, CategoryAt(slot), ColourAt(slot)};
}

KeywordLookup KeywordTable::LookUpWord(std::string_view word, KeywordCase wordCase) const {
  KeywordLookup result{Find(word), std::string(word)};
  if (result.match.Found()) result.text = ApplyKeywordCase(word, wordCase);
  return result;
}

KeywordLookup KeywordTable::LookUpWord(ui::RichEdit& edit, std::string_view word, int start, int end,
                                       KeywordCase wordCase) const {
  KeywordLookup result{Find(word), std::string(word)};
  if (!result.match.Found()) return result;
  edit.SetSelection(start, end);
  if (wordCase != KeywordCase::kAsTyped) {
    // Recase what the control holds, so the replacement is exactly as long as the range.
    const std::string shown = edit.SelectedText();
    result.text = ApplyKeywordCase(shown, wordCase);
    // Replacing text by itself would only cost time and fill the control's undo.
    if (result.text != shown) {
      edit.ReplaceSelection(result.text, true);
      edit.SetSelection(start, end);
    }
  }
  edit.SetSelectionColour(result.match.colour);
  return result;
}

std::span<const std::string_view> KeywordTable::Words() const { return std::span(words_).subspan(1); }

std::string_view KeywordTable::WordAt(int slot) const { return InTable(slot) ? words_[slot] : std::string_view(); }

KeywordCategory KeywordTable::CategoryAt(int slot) const {
  return InTable(slot) ? categories_[slot] : KeywordCategory::kKeyword;
}

ui::Colour KeywordTable::ColourAt(int slot) const { return InTable(slot) ? colours_[slot] : 0; }

void KeywordTable::FillGroup(std::span<const std::string_view> group, KeywordCategory category) {
  for (std::string_view word : group) {
    if (static_cast<int>(words_.size()) == kSlotCapacity) return;
    words_.push_back(word);
    categories_.push_back(category);
  }
}

// Each key's list takes its slots in table order. A word that does not fit its key could
// not be found; the table's tests look every word up to keep that from happening.
void KeywordTable::BuildIndexes() {
  for (std::size_t slot = 1; slot < words_.size(); ++slot) {
    const std::string_view word = words_[slot];
    if (word.empty()) continue;
    const int length = static_cast<int>(word.size());
    const auto at = static_cast<std::int32_t>(slot);
    if (categories_[slot] == KeywordCategory::kConstant) {
      constantIndex_.Add(length - 1, BucketOf(length > 1 ? word[1] : '\0'), at);
    } else {
      wordIndex_.Add(length, BucketOf(word[0]), at);
    }
  }
}

void KeywordTable::MarkDefinitions() {
  for (std::string_view word : keyword_words::Definitions()) {
    const int slot = FindSlot(word);
    if (slot != 0 && categories_[slot] == KeywordCategory::kKeyword) categories_[slot] = KeywordCategory::kDefinition;
  }
}

int KeywordTable::FindSlot(std::string_view word) const {
  if (IsRejectedOutright(word)) return 0;
  const char first = AsciiUpper(word[0]);
  const int length = static_cast<int>(word.size());
  const auto candidates = first == '@' ? constantIndex_.Slots(length - 1, BucketOf(AsciiUpper(word[1])))
                                       : wordIndex_.Slots(length, BucketOf(first));
  for (const std::int32_t slot : candidates) {
    if (EqualsStoredWord(word, words_[static_cast<std::size_t>(slot)])) return slot;
  }
  return 0;
}

bool KeywordTable::InTable(int slot) const { return slot > 0 && slot < static_cast<int>(words_.size()); }

}  // namespace editor
