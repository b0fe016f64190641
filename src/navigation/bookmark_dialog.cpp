#include "navigation/bookmark_dialog.h"

#include <optional>

namespace editor {

namespace {

// A description is one line of the bookmark list and of the state file.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string DescribeBookmark(Editor& editor) {
  const std::optional<std::string> typed = AskTextEntry(editor, {.caption = kBookmarkDialogCaption,
                                                                 .label = "Add a description - optional",
                                                                 .takeCaption = "OK",
                                                                 .dismissCaption = "Close",
                                                                 .initialText = {},
                                                                 .labelRect = {15, 20, 440, 24}});
  return typed ? OneLine(*typed) : std::string();
}

}  // namespace editor
