#include "files/new_file.h"

#include "files/file_loader.h"
#include "model/source_file.h"
#include "state/editor.h"

namespace editor {

namespace {

// A new file must never take the name of one that exists: saving it would replace that file.
bool NameIsFree(const Editor& editor, const std::filesystem::path& path) {
  std::error_code ignored;
  return !editor.tabs.FindOpenFile(path) && !std::filesystem::exists(path, ignored);
}

void StartNewFile(Editor& editor, const std::filesystem::path& path, const std::string& text) {
  const std::optional<int> tab = editor.tabs.FindFreeTab();
  if (!tab) return;
  ShowInNewTab(editor, *tab, path, text, TabStart::kNewModified);
}

}  // namespace

std::filesystem::path NextUntitledPath(Editor& editor, const std::filesystem::path& folder) {
  std::filesystem::path path;
  do {
    ++editor.untitledCount;
    path = folder / ("Untitled" + std::to_string(editor.untitledCount) + ".iwb");
  } while (!NameIsFree(editor, path));
  return path;
}

void NewFileFromTemplate(Editor& editor) {
  SourceRead read = ReadSourceFile(editor.folders.Res() / "Untitled.iwb");
  // A template that cannot be read whole starts the file empty rather than cut.
  if (read.status != SourceReadStatus::kRead) read.bytes.clear();
  std::filesystem::path path = editor.folders.StartFolder() / "Untitled.iwb";
  if (!NameIsFree(editor, path)) path = NextUntitledPath(editor, editor.folders.StartFolder());
  StartNewFile(editor, path, read.bytes);
}

void NewUntitledFile(Editor& editor) { StartNewFile(editor, NextUntitledPath(editor, editor.folders.Res()), ""); }

}  // namespace editor
