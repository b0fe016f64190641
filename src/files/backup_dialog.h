// The "Backup file name" window: the proposed name, all of it selected, with Save and
// Cancel. It never gives back an empty name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "view/text_entry_dialog.h"

namespace editor {

struct Editor;

namespace backup_dialog {
constexpr ui::ControlId kNameBox = text_entry::kBox;
constexpr ui::ControlId kSaveButton = text_entry::kTakeButton;
constexpr ui::ControlId kCancelButton = text_entry::kDismissButton;
}  // namespace backup_dialog

inline constexpr std::string_view kBackupDialogCaption = "Backup file name";

// The chosen name, or nullopt when the user cancelled.
std::optional<std::string> AskBackupName(Editor& editor, const std::string& proposal);

}  // namespace editor
