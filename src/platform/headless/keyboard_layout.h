// Which key makes which character, on a US keyboard layout.
#pragma once

namespace headless {

struct KeyPress {
  int virtualKey = 0;
  int character = 0;
};

// The key that types a character, and the character as the character message carries it.
KeyPress KeyOfCharacter(char c);
// The character a key makes with these modifiers, or 0 when it makes none.
int CharacterOfKey(int virtualKey, bool ctrl, bool shift);
// Letters as upper-case key codes.
int NormaliseAcceleratorKey(int key);

}  // namespace headless
