#include "files/editor_state_file.h"

#include "base/replace_file.h"
#include "base/word_delimiters.h"
#include "state/editor.h"
#include "view/notices.h"

namespace editor {

std::string EditorStateText(const Editor& editor, ResizeTabsLine resizeLine) {
  std::string text;
  for (int tab = 1; tab <= kTabCount; ++tab) {
    const std::string path = editor.tabs.Tab(tab).path.string();
    if (Trimmed(path).empty()) continue;
    text += path;
    text += "\r\n";
  }
  text += '!';
  text += std::to_string(editor.tabs.ActiveTab());
  text += "\r\n";
  if (resizeLine == ResizeTabsLine::kWritten) text += editor.resizeTabs ? "#1\r\n" : "#0\r\n";
  return text;
}

void WriteEditorState(Editor& editor, ResizeTabsLine resizeLine) {
  if (!ReplaceFileWhole(*editor.files, editor.folders.Res() / "vorevav4.ini", EditorStateText(editor, resizeLine)))
    ShowNotice(editor, notice::kEditorStateNotWritten);
}

}  // namespace editor
