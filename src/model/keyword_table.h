// The dialect's built-in words with the colour of each, and the lookup that tells a
// dialect word from a user's identifier, recases it and colours it in the control.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/editor_preferences.h"
#include "model/keyword_bucket_index.h"
#include "platform/rich_edit.h"
#include "platform/types.h"

namespace editor {

enum class KeywordCategory { kConstant, kPreprocessor, kKeyword, kAssembly, kDefinition };

// The category colours the table needs; the rest of the preferences do not concern it.
struct KeywordColours {
  ui::Colour constants = 0;
  ui::Colour preprocessor = 0;
  ui::Colour keyword = 0;
  ui::Colour assembly = 0;
  ui::Colour definition = 0;
};

KeywordColours KeywordColoursFrom(const EditorPreferences& prefs);

// What a lookup found: slot 0 means the word is not a dialect word.
struct KeywordMatch {
  int slot = 0;
  KeywordCategory category = KeywordCategory::kKeyword;
  ui::Colour colour = 0;

  bool Found() const { return slot != 0; }
};

// A lookup's match and the word as it is to stand in the text afterwards.
struct KeywordLookup {
  KeywordMatch match;
  std::string text;
};

class KeywordTable {
 public:
  // Slot 0 is never used, so the table holds at most kSlotCapacity - 1 words.
  static constexpr int kSlotCapacity = 1665;
  // No key has a longer word; longer text is rejected before any bucket is touched.
  static constexpr int kMaxWordLength = KeywordBucketIndex::kLengths - 1;

  // Fills the slots from the built-in word lists, builds both indexes and colours the words.
  explicit KeywordTable(const KeywordColours& colours);

  // Recolours every word from its category; the words and indexes stay as they are.
  void AssignColours(const KeywordColours& colours);

  // Text form: which dialect word this is, letter case ignored.
  KeywordMatch Find(std::string_view word) const;

  // Text form with the case rewrite: a dialect word comes back in the preferred case,
  // any other word unchanged.
  KeywordLookup LookUpWord(std::string_view word, KeywordCase wordCase) const;

  // Edit-control form: a dialect word's range [start, end) in the control is recased
  // (unless "As typed") as an undoable replacement and painted in the word's colour.
  // Any other word leaves the control untouched.
  KeywordLookup LookUpWord(ui::RichEdit& edit, std::string_view word, int start, int end,
                           KeywordCase wordCase) const;

  // The words in slot order: element 0 is slot 1.
  std::span<const std::string_view> Words() const;
  int WordCount() const { return static_cast<int>(words_.size()) - 1; }
  std::string_view WordAt(int slot) const;
  KeywordCategory CategoryAt(int slot) const;
  ui::Colour ColourAt(int slot) const;

  // Constants are keyed by (length - 1, second character), all other words by
  // (length, first character).
  const KeywordBucketIndex& ConstantIndex() const { return constantIndex_; }
  const KeywordBucketIndex& WordIndex() const { return wordIndex_; }

 private:
  void FillGroup(std::span<const std::string_view> group, KeywordCategory category);
  void BuildIndexes();
  void MarkDefinitions();
  int FindSlot(std::string_view word) const;
  bool InTable(int slot) const;

  // Parallel per-slot arrays; slot 0 is an empty placeholder.
  std::vector<std::string_view> words_;
  std::vector<KeywordCategory> categories_;
  std::vector<ui::Colour> colours_;
  KeywordBucketIndex constantIndex_;
  KeywordBucketIndex wordIndex_;
};

}  // namespace editor
