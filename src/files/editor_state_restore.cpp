#include "files/editor_state_restore.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "base/control_ids.h"
#include "base/stored_path.h"
#include "base/whole_file.h"
#include "model/editor_state_lines.h"
#include "state/editor.h"
#include "view/main_window.h"

namespace editor {

namespace {

constexpr std::uintmax_t kLargestStateFile = 1u << 20;

bool NamesAFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

int RestoreEditorState(Editor& editor) {
  const WholeFile file = ReadWholeFile(editor.folders.Res() / "vorevav4.ini", kLargestStateFile);
  if (file.status != WholeFileStatus::kRead || !editor.main) return 0;
  const EditorStateLines state = ReadEditorStateLines(file.bytes);
  editor.resizeTabs = state.resizeTabs.value_or(false);

  // The k-th path of the file names tab k; the "!" line counts the same way.
  std::map<int, int> tabOfLine;
  int named = 0;
  for (int k = 1; k <= static_cast<int>(state.paths.size()) && named < kTabCount; ++k) {
    const std::filesystem::path path = PathFromStoredText(state.paths[static_cast<std::size_t>(k - 1)]);
    if (!NamesAFile(path) || editor.tabs.FindOpenFile(path)) continue;
    FileTab& slot = editor.tabs.Tab(++named);
    slot.path = path;
    slot.caption = path.filename().string();
    ShowTabCaption(editor, named);
    editor.main->ShowControl(TabButtonId(named), true);
    tabOfLine[k] = named;
  }
  editor.tabs.SetLoadTarget(named);
  if (named == 0) return 0;
  // A tab that is not there ("!0" beside named files among them) shows the first: an edit
  // area with no tab behind it would take typing that no save could keep.
  const auto active = state.activeTab ? tabOfLine.find(*state.activeTab) : tabOfLine.end();
  return active != tabOfLine.end() ? active->second : 1;
}

}  // namespace editor
