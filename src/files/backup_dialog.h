// The "Backup file name" window: the proposed name, all of it selected, with Save and
// Cancel. It never gives back an empty name.
#pragma once

#include <optional>
#include <string>

#include "platform/types.h"

namespace editor {

struct Editor;

namespace backup_dialog {
constexpr ui::ControlId kLabel = 1;
constexpr ui::ControlId kNameBox = 2;
constexpr ui::ControlId kSaveButton = 3;
constexpr ui::ControlId kCancelButton = 4;
}  // namespace backup_dialog

inline constexpr std::string_view kBackupDialogCaption = "Backup file name";

// The chosen name, or nullopt when the user cancelled.
std::optional<std::string> AskBackupName(Editor& editor, const std::string& proposal);

}  // namespace editor
