// A small window that asks for one line of text: a label, an edit box that has the focus,
// a button that takes the text (Enter in the box does the same) and one that gives none.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace editor {

struct Editor;

namespace text_entry {
constexpr ui::ControlId kLabel = 1;
constexpr ui::ControlId kBox = 2;
constexpr ui::ControlId kTakeButton = 3;
constexpr ui::ControlId kDismissButton = 4;
}  // namespace text_entry

struct TextEntryDialog {
  std::string_view caption;
  std::string_view label;
  std::string_view takeCaption;
  std::string_view dismissCaption;
  std::string initialText;
  ui::Rect labelRect;  // the box sits below it, as wide
  bool textSelected = false;  // the initial text selected, so that typing replaces it
  bool takesEmpty = true;     // false: an empty box keeps the window open
};

// The text taken, or nullopt when the window was dismissed or closed.
std::optional<std::string> AskTextEntry(Editor& editor, const TextEntryDialog& dialog);

}  // namespace editor
