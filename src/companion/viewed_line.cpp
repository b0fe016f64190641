#include "companion/viewed_line.h"

#include <fstream>
#include <string>

#include "base/replace_file.h"

namespace editor {

void WriteFirstVisibleLine(Editor& editor, int firstVisibleLine) {
  if (editor.currentName.empty()) return;
  // A failed write is harmless: the next tick, or the next run, tries again.
  ReplaceFileUnlessSame(*editor.files, editor.folders.Companion(editor.currentName, ".src"),
                        std::to_string(firstVisibleLine + 1));
}

std::string ReadViewedLine(const Editor& editor) {
  std::ifstream in(editor.folders.Companion(editor.currentName, ".src"), std::ios::binary);
  std::string line;
  std::string last;
  while (std::getline(in, line)) {
    if (line.size() > 512) line.resize(512);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    last = line;
  }
  return last;
}

}  // namespace editor
