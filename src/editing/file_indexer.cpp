#include "editing/file_indexer.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "base/control_ids.h"
#include "base/text_lines.h"
#include "base/word_delimiters.h"
#include "companion/companion_state.h"
#include "model/line_index.h"
#include "state/editor.h"
#include "view/controls_redraw_off.h"
#include "view/index_lists.h"
#include "view/progress_bar.h"
#include "view/view_procedures.h"
#include "view/declaration_buttons.h"

namespace editor {

namespace {

bool IsLoneMarker(std::string_view line) {
  const std::string_view t = Trimmed(line);
  return t == "/*" || t == "*/";
}

void AddLine(TextIndex& index, const IndexedLine& line, LineNumber number) {
  const LineIndex at = ToIndex(number);
  if (line.opensComment) index.blockComments.Open(at);
  if (line.closesComment) index.blockComments.CloseNewest(at);
  if (line.opensAssembly) index.assemblyBlocks.Open(at);
  if (line.closesAssembly) index.assemblyBlocks.CloseNewest(at);
  switch (line.declares) {
    case IndexedLine::Declares::kSubroutine: index.subroutines.push_back({line.name, number, {}}); break;
    case IndexedLine::Declares::kWindow: index.windows.push_back({line.name, number, line.title}); break;
    case IndexedLine::Declares::kInclude: index.includes.push_back(line.name); break;
    case IndexedLine::Declares::kNothing: break;
  }
}

void ClearIndexControls(ui::Window& window) {
  for (ui::ControlId list : {kSubroutineList, kWindowList, kControlList}) window.ViewClear(list);
  for (ui::ControlId combo : {kSubroutineCombo, kWindowCombo, kIncludeCombo}) window.ListClear(combo);
}

void KeepWindowTitles(FileIndex& fileIndex, const TextIndex& index) {
  fileIndex.windowTitles.clear();
  for (const IndexedName& win : index.windows)
    if (!win.title.empty()) fileIndex.windowTitles.emplace(win.name, win.title);
}

void FillIndexControls(Editor& editor, const TextIndex& index, int subSelected, int windowSelected) {
  ui::Window& window = *editor.main;
  for (const IndexedName& sub : index.subroutines) {
    AddSubroutineRow(window, sub.name, sub.line, sub.line);
    editor.index.subroutineStarts.insert(ToIndex(sub.line));
  }
  for (const IndexedName& win : index.windows) AddWindowRow(window, win.name, win.line);
  for (const std::string& include : index.includes)
    if (window.ListFindExact(kIncludeCombo, include) < 0) window.ListAdd(kIncludeCombo, include);
  for (const IndexedName& sub : index.subroutines) window.ListAdd(kSubroutineCombo, sub.name);
  for (const IndexedName& win : index.windows) window.ListAdd(kWindowCombo, WindowComboEntry(win.name, win.title));
  if (subSelected >= 0 && subSelected < window.ListCount(kSubroutineCombo))
    window.ListSelect(kSubroutineCombo, subSelected);
  if (windowSelected >= 0 && windowSelected < window.ListCount(kWindowCombo))
    window.ListSelect(kWindowCombo, windowSelected);
}

}  // namespace

TextIndex IndexText(std::string_view text, const LineProgress& progress) {
  TextIndex index;
  int number = 0;
  ForEachLine(text, [&](std::string_view line) {
    ++number;
    // A lone "/*" or "*/" is how block comments are often written: its markers count
    // even though a line this short declares nothing.
    if (WithoutLeadingBlanks(line).size() > 2 || IsLoneMarker(line))
      AddLine(index, IndexLine(line), LineNumber(number));
    if (progress) progress(number);
  });
  index.lineCount = number;
  return index;
}

void RebuildRangeTables(Editor& editor, std::string_view text) {
  TextIndex index = IndexText(text);
  editor.index.blockComments = std::move(index.blockComments);
  editor.index.assemblyBlocks = std::move(index.assemblyBlocks);
  KeepWindowTitles(editor.index, index);
  editor.index.subroutineStarts.clear();
  for (const IndexedName& sub : index.subroutines) editor.index.subroutineStarts.insert(ToIndex(sub.line));
}

void FullIndex(Editor& editor, IndexProgress progress) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) {
    editor.index.ClearRanges();
    return;
  }
  FullIndex(editor, progress, edit->Text());
}

void FullIndex(Editor& editor, IndexProgress progress, std::string_view text) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  editor.index.ClearRanges();
  if (edit == nullptr) return;
  ui::Window& window = *editor.main;
  const int firstVisible = edit->FirstVisibleLine();
  const int subSelected = window.ListSelected(kSubroutineCombo);
  const int windowSelected = window.ListSelected(kWindowCombo);
  std::optional<ControlsRedrawOff> redrawOff(
      std::in_place, window,
      std::initializer_list<ui::ControlId>{kSubroutineList, kWindowList, kControlList, kSubroutineCombo, kWindowCombo,
                                           kIncludeCombo});
  ClearIndexControls(window);
  editor.index.subroutineStarts.clear();
  editor.index.subroutineAwaitingEnd = editor.index.windowAwaitingEnd = kNoLine;

  TextIndex index;
  if (progress == IndexProgress::kShown) {
    ProgressBar bar(window, edit->LineCount(), editor.prefs.windowBackground);
    index = IndexText(text, [&bar](int line) { bar.AfterLine(line); });
  } else {
    index = IndexText(text);
  }
  editor.index.blockComments = index.blockComments;
  editor.index.assemblyBlocks = index.assemblyBlocks;
  KeepWindowTitles(editor.index, index);
  FillIndexControls(editor, index, subSelected, windowSelected);
  FillControlRows(window, IndexControls(text));
  redrawOff.reset();
  ShowDeclarationButtons(editor);

  // The restore colours the lines in view itself; a second pass would cost as much again.
  if (const int tab = editor.tabs.ActiveTab(); tab != 0)
    RestoreCompanionState(editor, tab, ViewAfterRestore::kCaretToTopLine, IndexRows::kFromText);
  else
    RecolourVisible(editor);
  edit->LineScroll(firstVisible - edit->FirstVisibleLine());
  FocusEditor(editor);
}

void ClearAndReindex(Editor& editor) {
  editor.index.ClearRanges();
  FullIndex(editor, IndexProgress::kHidden);
}

void ClearAndReindex(Editor& editor, std::string_view controlText) {
  editor.index.ClearRanges();
  FullIndex(editor, IndexProgress::kHidden, controlText);
}

}  // namespace editor
