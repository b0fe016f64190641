#include "base/stored_path.h"

#include <string>

namespace editor {

namespace {

// The bytes of a well-formed sequence led by this byte, 0 for a byte no sequence begins with.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// The second byte's range, which rules out overlong forms, surrogates and code points
// beyond U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
  if (lead == 0xE0) return second >= 0xA0 && second <= 0xBF;
  if (lead == 0xED) return second >= 0x80 && second <= 0x9F;
  if (lead == 0xF0) return second >= 0x90 && second <= 0xBF;
  if (lead == 0xF4) return second >= 0x80 && second <= 0x8F;
  return second >= 0x80 && second <= 0xBF;
}

}  // namespace

bool IsUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = SequenceLength(lead);
    if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) return false;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(k)]);
      if (k == 1 ? !SecondByteFits(lead, next) : (next < 0x80 || next > 0xBF)) return false;
    }
    at += static_cast<std::size_t>(length);
  }
  return true;
}

std::filesystem::path PathFromStoredText(std::string_view text) {
  if (!IsUtf8(text)) return std::filesystem::path(std::string(text));
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace editor
