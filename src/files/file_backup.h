// A time-stamped copy of the active file's text in the Backup folder.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

namespace editor {

struct Editor;

// prog.iwb at 14:05 on 31 December 2020 gives prog-31-12-2020-at-14-05.iwb.
std::string BackupName(std::string_view fileName, const ui::DateTime& when);

// The Backup command: asks for the name, then writes the text whole into Backup.
void BackupActiveFile(Editor& editor);

}  // namespace editor
