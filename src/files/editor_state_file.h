// Res/vorevav4.ini, the editor state file: the open files' paths in tab order, "!" and the
// active tab, and, as the tab commands write it, "#" and the resize-tabs switch.
#pragma once

#include <string>

namespace editor {

struct Editor;

// Closing a tab and Save as keep the switch; the exit leaves it out, so that the next run
// starts with fixed-width tabs.
enum class ResizeTabsLine { kWritten, kOmitted };

// The file's text for the tabs as they stand now.
std::string EditorStateText(const Editor& editor, ResizeTabsLine resizeLine = ResizeTabsLine::kWritten);

// Replaces the file whole; a failure only loses which files reopen next time, and says so.
void WriteEditorState(Editor& editor, ResizeTabsLine resizeLine = ResizeTabsLine::kWritten);

}  // namespace editor
