// New files: the New command, which starts from the template Res/Untitled.iwb, and the
// New button, which starts an empty Untitled1.iwb, Untitled2.iwb, ... Both come up
// starred, since nothing of them is on disk yet.
#pragma once

#include <filesystem>

namespace editor {

struct Editor;

// The New command: the template's text under Untitled.iwb in the start folder.
void NewFileFromTemplate(Editor& editor);

// The New button: an empty file under the next free UntitledN.iwb in Res.
void NewUntitledFile(Editor& editor);

// The next name of the counted form that is neither open nor on disk; the counter
// moves on to it.
std::filesystem::path NextUntitledPath(Editor& editor, const std::filesystem::path& folder);

}  // namespace editor
