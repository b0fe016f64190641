#include "platform/headless/keyboard_layout.h"

#include <cctype>
#include <string_view>

#include "platform/types.h"

namespace headless {
namespace {

// Punctuation keys of the US layout: the unshifted and shifted characters of each.
struct PunctuationKey {
  int virtualKey;
  char plain;
  char shifted;
};

constexpr PunctuationKey kPunctuation[] = {
    {186, ';', ':'}, {187, '=', '+'}, {188, ',', '<'}, {189, '-', '_'}, {190, '.', '>'}, {191, '/', '?'},
    {192, '`', '~'}, {219, '[', '{'}, {220, '\\', '|'}, {221, ']', '}'}, {222, '\'', '"'},
};

constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

}  // namespace

KeyPress KeyOfCharacter(char c) {
  const auto u = static_cast<unsigned char>(c);
  switch (c) {
    case '\r':
    case '\n': return {ui::key::kEnter, '\r'};
    case '\t': return {ui::key::kTab, '\t'};
    case '\b': return {ui::key::kBackspace, '\b'};
    case ' ': return {ui::key::kSpace, ' '};
    default: break;
  }
  if (std::isalpha(u)) return {std::toupper(u), u};
  if (std::isdigit(u)) return {u, u};
  if (const auto digit = kShiftedDigits.find(c); digit != std::string_view::npos)
    return {'0' + static_cast<int>(digit), u};
  for (const PunctuationKey& key : kPunctuation)
    if (key.plain == c || key.shifted == c) return {key.virtualKey, u};
  return {0, u};  // a character no key of the layout makes, as from an input method
}

int CharacterOfKey(int virtualKey, bool ctrl, bool shift) {
  switch (virtualKey) {
    case ui::key::kEnter: return '\r';
    case ui::key::kBackspace: return '\b';
    case ui::key::kTab: return '\t';
    case ui::key::kEscape: return 27;
    case ui::key::kSpace: return ' ';
    default: break;
  }
  if (virtualKey >= 'A' && virtualKey <= 'Z') {
    if (ctrl) return virtualKey - 'A' + 1;
    return shift ? virtualKey : virtualKey - 'A' + 'a';
  }
  if (virtualKey >= '0' && virtualKey <= '9' && !ctrl) {
    return shift ? kShiftedDigits[static_cast<std::size_t>(virtualKey - '0')] : virtualKey;
  }
  if (ctrl) return 0;
  for (const PunctuationKey& key : kPunctuation)
    if (key.virtualKey == virtualKey) return shift ? key.shifted : key.plain;
  return 0;
}

int NormaliseAcceleratorKey(int key) { return key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key; }

}  // namespace headless
