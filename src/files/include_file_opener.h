// Opening a file named in the include list: from the include folder, else from the start
// folder through the open dialog, which offers the name as its first file type.
#pragma once

#include <string>

namespace editor {

struct Editor;

void OpenIncludeFile(Editor& editor, const std::string& name);

// The command of the include list: the picked name is opened, unless a load is running.
void OpenSelectedIncludeFile(Editor& editor);

}  // namespace editor
