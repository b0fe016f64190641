// Reading the active tab's file again, over whatever changed since it was saved.
#pragma once

namespace editor {

struct Editor;

// The Reload command: once the user agrees, the file on disk becomes the tab's text,
// indexed and coloured afresh, with the view where it stood. A file that can no longer
// be read leaves the tab's text as it is, and a notice says why.
void ReloadActiveFile(Editor& editor);

}  // namespace editor
