// A bucket index over key word slots: each (length, letter) key lists the slots of its
// words in table order, so that a lookup compares only a handful of words.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace editor {

// The characters that give bucket numbers. "N" stands before "M" in the table's history;
// only the numbering matters, and the build and the lookup share this one string.
inline constexpr std::string_view kBucketAlphabet = "ABCDEFGHIJKLNMOPQRSTUVWXYZ$_@";

// The 1-based position of c in the bucket alphabet, 0 when it is not in it.
int BucketOf(char c);

class KeywordBucketIndex {
 public:
  static constexpr int kLengths = 100;  // length keys 0-99
  static constexpr int kBuckets = static_cast<int>(kBucketAlphabet.size()) + 1;
  static constexpr int kPerKey = 34;

  KeywordBucketIndex();

  // Appends a slot under its key. False, and nothing stored, when the key is outside the
  // grid or already holds kPerKey slots.
  bool Add(int length, int bucket, std::int32_t slot);

  // The slots under a key in the order they were added; empty outside the grid.
  std::span<const std::int32_t> Slots(int length, int bucket) const;

  // The number of slots under the fullest key.
  int FullestCount() const;

  friend bool operator==(const KeywordBucketIndex&, const KeywordBucketIndex&) = default;

 private:
  struct Key {
    std::int32_t count = 0;
    std::array<std::int32_t, kPerKey> slots{};
    friend bool operator==(const Key&, const Key&) = default;
  };

  static bool InGrid(int length, int bucket);
  static std::size_t PlaceOf(int length, int bucket);

  std::vector<Key> keys_;  // kLengths rows of kBuckets keys
};

}  // namespace editor
