// The "Description" window of a new bookmark (DescribeBookmark): an optional description,
// taken with OK or Enter; Close or the close box give none.
#pragma once

#include <string>
#include <string_view>

#include "view/text_entry_dialog.h"

namespace editor {

struct Editor;

namespace bookmark_dialog {
constexpr ui::ControlId kDescriptionBox = text_entry::kBox;
constexpr ui::ControlId kOkButton = text_entry::kTakeButton;
constexpr ui::ControlId kCloseButton = text_entry::kDismissButton;
}  // namespace bookmark_dialog

inline constexpr std::string_view kBookmarkDialogCaption = "Description";

// The description typed, blanks around it and line breaks left out; empty when none was
// given or the window was closed.
std::string DescribeBookmark(Editor& editor);

}  // namespace editor
