#include "model/keyword_bucket_index.h"

#include <algorithm>

namespace editor {
namespace {

// Every byte's bucket number at once, so that a lookup does not search the alphabet.
constexpr std::array<std::uint8_t, 256> MakeBucketNumbers() {
  std::array<std::uint8_t, 256> numbers{};
  for (std::size_t i = 0; i < kBucketAlphabet.size(); ++i) {
    numbers[static_cast<unsigned char>(kBucketAlphabet[i])] = static_cast<std::uint8_t>(i + 1);
  }
  return numbers;
}

constexpr std::array<std::uint8_t, 256> kBucketNumbers = MakeBucketNumbers();

}  // namespace

int BucketOf(char c) { return kBucketNumbers[static_cast<unsigned char>(c)]; }

KeywordBucketIndex::KeywordBucketIndex() : keys_(static_cast<std::size_t>(kLengths) * kBuckets) {}

bool KeywordBucketIndex::Add(int length, int bucket, std::int32_t slot) {
  if (!InGrid(length, bucket)) return false;
  Key& key = keys_[PlaceOf(length, bucket)];
  if (key.count == kPerKey) return false;
  key.slots[static_cast<std::size_t>(key.count++)] = slot;
  return true;
}

std::span<const std::int32_t> KeywordBucketIndex::Slots(int length, int bucket) const {
  if (!InGrid(length, bucket)) return {};
  const Key& key = keys_[PlaceOf(length, bucket)];
  return std::span<const std::int32_t>(key.slots).first(static_cast<std::size_t>(key.count));
}

int KeywordBucketIndex::FullestCount() const {
  int fullest = 0;
  for (const Key& key : keys_) fullest = std::max(fullest, key.count);
  return fullest;
}

bool KeywordBucketIndex::InGrid(int length, int bucket) {
  return length >= 0 && length < kLengths && bucket >= 0 && bucket < kBuckets;
}

std::size_t KeywordBucketIndex::PlaceOf(int length, int bucket) {
  return static_cast<std::size_t>(length) * kBuckets + static_cast<std::size_t>(bucket);
}

}  // namespace editor
