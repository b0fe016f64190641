// The tabs an earlier run left open, named again from Res/vorevav4.ini; each file is read
// when its tab is first shown.
#pragma once

namespace editor {

struct Editor;

// Names the tabs and shows their buttons; returns the tab to show first, 0 when none is
// named. A
// path that names no readable file (gone, a folder, garbage) or a file named already
// takes no tab: a tab that read nothing would save an empty text over it.
int RestoreEditorState(Editor& editor);

}  // namespace editor
