// The editor's own message windows, in place of the system's message boxes: a timed
// notice that shows a title and one line and closes itself, and a modal Yes/No question
// of two lines. Both are chosen by a code of the notice table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "state/editor.h"
#include "view/notice_table.h"

namespace editor {

// The windows' own controls.
constexpr ui::ControlId kNoticeTextLabel = 1;
constexpr ui::ControlId kQuestionLine1 = 1;
constexpr ui::ControlId kQuestionLine2 = 2;
constexpr ui::ControlId kYesButton = 4;
constexpr ui::ControlId kNoButton = 8;
constexpr std::string_view kQuestionCaption = "Please confirm";
constexpr ui::Rect kMessageWindowRect{0, 0, 470, 200};  // centred on the screen when shown

// What a question needs besides its code.
struct ConfirmContext {
  // Codes 2, 4 and 68: the selected entry of the list the question is about (the
  // subroutine combo 2000, the window combo 2100, the control-group list); line 2 is
  // this entry followed by "?". The caller reads it, since only the caller knows which
  // window holds the list.
  std::string listEntry;
  // Save mode (closing or leaving a modified file): the tab's caption without its "*".
  // Its lines come first, a code of the table then overwrites them.
  std::optional<std::string> saveCaption;
};

// Shows the notice of this code for its display time (1500 ms, 2500 ms for -500 and
// -1000) without processing input, then closes it. Success notices (code > 0) are not
// shown while confirmations are off. An unknown code shows an empty title and text.
void ShowNotice(Editor& editor, int code);

// Asks the question of this code and returns the answer: true for Yes, false for No or
// the close box. The default button is Yes in save mode and No otherwise; Left focuses
// Yes, Right focuses No, Enter answers with the focused button.
bool AskConfirm(Editor& editor, int code, const ConfirmContext& context = {});

// Save mode with no code of its own: "Do you want to save the changes for" / the tab's
// caption (a trailing "*" is dropped).
bool AskSaveChanges(Editor& editor, std::string_view tabCaption);

}  // namespace editor
