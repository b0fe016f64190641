#include "companion/file_state_file.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <system_error>

#include "base/control_ids.h"
#include "base/file_names.h"
#include "base/letter_case.h"
#include "base/replace_file.h"
#include "base/scoped_flag.h"
#include "base/stored_path.h"
#include "base/whole_file.h"
#include "view/controls_redraw_off.h"
#include "view/edit_lines.h"
#include "view/index_lists.h"
#include "view/main_window.h"

namespace editor {

namespace {

// A state file beyond this is not one the writer made: tens of thousands of rows take a
// few MiB at most.
constexpr std::uintmax_t kMaxStateFileBytes = 16u << 20;
// A path or a line number takes one short line.
constexpr std::uintmax_t kMaxOneLineFileBytes = 64u << 10;
constexpr std::string_view kScrollPositionFile = "1.txt";

bool IsTab(int tab) { return tab >= 1 && tab <= kTabCount; }

// The file name the companion files are named after.
std::string FileNameFor(const Editor& editor, int tab) {
  return IsTab(tab) ? std::string(editor.tabs.Tab(tab).Name()) : editor.currentName;
}

std::string_view FirstLine(std::string_view bytes) { return bytes.substr(0, bytes.find_first_of("\r\n")); }

std::string_view TrimmedBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct FileBytes {
  CompanionRead status = CompanionRead::kMissing;
  std::string bytes;
};

FileBytes ReadCompanionFile(const std::filesystem::path& path, std::uintmax_t limit) {
  WholeFile file = ReadWholeFile(path, limit);
  switch (file.status) {
    case WholeFileStatus::kRead: return {CompanionRead::kRead, std::move(file.bytes)};
    case WholeFileStatus::kMissing: return {CompanionRead::kMissing, {}};
    case WholeFileStatus::kUnreadable: return {CompanionRead::kUnreadable, {}};
    case WholeFileStatus::kTooLarge: return {CompanionRead::kTooLarge, {}};
  }
  return {};
}

// --- Capture -------------------------------------------------------------------------

std::vector<ListRow> CaptureRows(const ui::Window& window, const FileStateSection& section) {
  std::vector<ListRow> rows(static_cast<std::size_t>(std::max(0, window.ViewRowCount(section.control))));
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < section.columns; ++c)
      rows[r][static_cast<std::size_t>(c)] = window.ViewCell(section.control, static_cast<int>(r), c);
  return rows;
}

std::vector<std::string> CaptureStrings(const ui::Window& window, ui::ControlId combo) {
  std::vector<std::string> entries;
  for (int i = 0, count = window.ListCount(combo); i < count; ++i) entries.push_back(window.ListText(combo, i));
  return entries;
}

std::optional<int> CaptureSelection(const ui::Window& window, ui::ControlId combo) {
  const int index = window.ListSelected(combo);
  return index >= 0 ? std::optional<int>(index) : std::nullopt;
}

// The line to come back to: a tab's remembered first visible line, or for the file on
// screen the first line of the view now.
int CaretLineToRestore(Editor& editor, int tab, const ui::RichEdit* edit) {
  if (IsTab(tab)) return std::max(1, editor.tabs.Tab(tab).firstVisibleLine.Value());
  return edit != nullptr ? ToNumber(FirstVisibleLineOf(*edit)).Value() : 1;
}

void CaptureSection(FileState& state, const ui::Window& window, const FileStateSection& section) {
  switch (section.kind) {
    case SectionKind::kRows:
      state.*section.rows = CaptureRows(window, section);
      break;
    case SectionKind::kStrings:
      state.*section.strings = CaptureStrings(window, section.control);
      break;
    case SectionKind::kLineField:
      state.lineFields[static_cast<std::size_t>(section.slot)] = window.GetText(section.control);
      break;
    case SectionKind::kSelection:
      state.selections[static_cast<std::size_t>(section.slot)] = CaptureSelection(window, section.control);
      break;
    case SectionKind::kLineCount:
    case SectionKind::kCaretLine:
      break;  // from the edit control and the tab, below
  }
}

// --- Restore -------------------------------------------------------------------------

// The ".pth" line is taken only when it names this very file: "prog.iwb" and "prog.inc"
// share one ".pth", and the other file's path would send a save to the wrong file.
void RestorePath(Editor& editor, int tab, const std::string& fileName) {
  const FileBytes file = ReadCompanionFile(editor.folders.Companion(fileName, ".pth"), kMaxOneLineFileBytes);
  if (file.status != CompanionRead::kRead) return;
  const std::string_view line = TrimmedBlanks(FirstLine(file.bytes));
  if (line.empty() || line.find('\0') != std::string_view::npos) return;
  if (!EqualIgnoringCase(FileNameOf(line), fileName)) return;
  editor.currentPath = PathFromStoredText(line);
  editor.currentName = std::string(FileNameOf(line));
  const bool modified = IsTab(tab) && editor.tabs.Tab(tab).IsModified();
  ShowFileCaption(editor, editor.currentName + (modified ? "*" : ""));
}

// Rows whose name is already listed are skipped, so reading twice adds nothing. The names
// are gathered once, so the cost follows the rows, not rows times rows.
// A window's drop-down entry carries its title, which the file's index keeps.
std::string PartnerEntry(const Editor& editor, const FileStateSection& section, const std::string& name) {
  if (section.partner != kWindowCombo) return name;
  const auto title = editor.index.windowTitles.find(name);
  return title == editor.index.windowTitles.end() ? name : WindowComboEntry(name, title->second);
}

void AddRows(Editor& editor, const FileStateSection& section, const std::vector<ListRow>& rows) {
  ui::Window& window = *editor.main;
  std::set<std::string> listed;
  for (int r = 0, count = window.ViewRowCount(section.control); r < count; ++r)
    listed.insert(UpperCase(window.ViewCell(section.control, r, 0)));
  for (const ListRow& row : rows) {
    if (!listed.insert(UpperCase(row[0])).second) continue;
    const int at = window.ViewInsertRow(section.control, window.ViewRowCount(section.control), row[0]);
    for (int c = 1; c < section.columns; ++c)
      window.ViewSetCell(section.control, at, c, row[static_cast<std::size_t>(c)]);
    window.ListAdd(section.partner, PartnerEntry(editor, section, row[0]));
  }
}

void AddBookmark(ui::Window& window, const FileStateSection& section, const std::string& entry) {
  window.ListAdd(section.control, entry);
  const auto [line, description] = SplitBookmark(entry);
  const int at = window.ViewInsertRow(section.partner, window.ViewRowCount(section.partner), line);
  window.ViewSetCell(section.partner, at, 1, description);
}

// Bookmarks and places fill only an empty combo; include names are added once each.
void AddStrings(ui::Window& window, const FileStateSection& section, const std::vector<std::string>& entries,
                FileStateRestore& restored) {
  if (section.onlyIntoEmpty && window.ListCount(section.control) > 0) return;
  int added = 0;
  for (const std::string& entry : entries) {
    if (section.control == kBookmarkCombo) {
      AddBookmark(window, section, entry);
    } else {
      if (!section.onlyIntoEmpty && window.ListFindExact(section.control, entry) >= 0) continue;
      window.ListAdd(section.control, entry);
    }
    ++added;
  }
  if (section.control == kBookmarkCombo) restored.bookmarksRead = true;
  // The places' pointer and buttons are set by the caller from what was read.
  if (section.control == kPlacesCombo) restored.placesRead = added;
}

void ApplyLineField(ui::Window& window, const FileStateSection& section, const std::optional<std::string>& text) {
  if (!text) return;
  window.SetText(section.control, *text);
  if (!text->empty()) window.ShowControl(section.partner, true);
}

// An index the combo does not have is ignored rather than clearing its selection.
void ApplySelection(ui::Window& window, const FileStateSection& section, std::optional<int> index) {
  if (index && *index < window.ListCount(section.control)) window.ListSelect(section.control, *index);
}

void ApplyCaretLine(Editor& editor, int tab, std::optional<int> caretLine) {
  if (!caretLine) {
    editor.main->SetText(kLineNumberBox, "1");
    editor.currentLine = LineNumber(1);
    return;
  }
  editor.currentLine = LineNumber(*caretLine);
  if (IsTab(tab) && editor.tabs.Tab(tab).firstVisibleLine == kNoLine)
    editor.tabs.Tab(tab).firstVisibleLine = editor.currentLine;
}

// The lists the indexer fills from the text, which a state file must not overwrite then.
bool ListsIndexRows(const FileStateSection& section) {
  return section.control == kSubroutineList || section.control == kWindowList || section.control == kControlList ||
         section.control == kIncludeCombo;
}

void ApplySection(Editor& editor, int tab, const FileStateSection& section, const FileState& state,
                  IndexRows rows, FileStateRestore& restored) {
  ui::Window& window = *editor.main;
  switch (section.kind) {
    case SectionKind::kRows:
      if (rows == IndexRows::kFromState || !ListsIndexRows(section)) AddRows(editor, section, state.*section.rows);
      break;
    case SectionKind::kStrings:
      // Bookmarks and places come from the state file once per visit: read again, its older
      // ones would bring back what the user removed since.
      if (editor.marksRestored && section.onlyIntoEmpty) break;
      if (rows == IndexRows::kFromText && ListsIndexRows(section)) break;
      AddStrings(window, section, state.*section.strings, restored);
      break;
    case SectionKind::kLineCount:
      break;  // kept for other readers; the edit control knows its own count
    case SectionKind::kLineField:
      ApplyLineField(window, section, state.lineFields[static_cast<std::size_t>(section.slot)]);
      break;
    case SectionKind::kSelection:
      ApplySelection(window, section, state.selections[static_cast<std::size_t>(section.slot)]);
      break;
    case SectionKind::kCaretLine:
      ApplyCaretLine(editor, tab, state.caretLine);
      break;
  }
}

CompanionRead RestorePanes(Editor& editor, int tab, const std::string& fileName, IndexRows rows,
                           FileStateRestore& restored) {
  const FileBytes file = ReadCompanionFile(editor.folders.Companion(fileName, ".txt"), kMaxStateFileBytes);
  if (file.status != CompanionRead::kRead) return file.status;
  ParseReport report;
  const FileState state = ParseFileState(file.bytes, &report);
  const ControlsRedrawOff drawnOnceFull(*editor.main, {kSubroutineList, kWindowList, kControlList, kBookmarkList,
                                                       kSubroutineCombo, kWindowCombo, kControlCombo, kBookmarkCombo,
                                                       kIncludeCombo, kPlacesCombo});
  for (const FileStateSection& section : FileStateSections())
    ApplySection(editor, tab, section, state, rows, restored);
  return report.Damaged() ? CompanionRead::kDamaged : CompanionRead::kRead;
}

// Only a line number goes into the caret line box; anything else in the ".src" file is
// left out.
void RestoreCaretLineBox(Editor& editor, const std::string& fileName) {
  const FileBytes file = ReadCompanionFile(editor.folders.Companion(fileName, ".src"), kMaxOneLineFileBytes);
  if (file.status != CompanionRead::kRead) return;
  const std::string_view line = TrimmedBlanks(FirstLine(file.bytes));
  const bool isNumber = !line.empty() && line.size() <= 9 && std::ranges::all_of(line, [](char c) {
    return c >= '0' && c <= '9';
  });
  if (isNumber) editor.main->SetText(kLineNumberBox, line);
}

}  // namespace

FileState CaptureFileState(Editor& editor, int tab) {
  FileState state;
  if (!editor.main) return state;
  const ui::Window& window = *editor.main;
  for (const FileStateSection& section : FileStateSections()) CaptureSection(state, window, section);
  const ui::RichEdit* edit = editor.main->Edit(kEditor);
  state.lineCount = edit != nullptr ? edit->LineCount() : 0;
  state.caretLine = CaretLineToRestore(editor, tab, edit);
  return state;
}

CompanionWrite WriteFileState(Editor& editor, int tab) {
  const std::string fileName = FileNameFor(editor, tab);
  if (fileName.empty() || !editor.main) return CompanionWrite::kNoFile;
  const bool stateWritten =
      ReplaceFileUnlessSame(*editor.files, editor.folders.Companion(fileName, ".txt"), FormatFileState(CaptureFileState(editor, tab)));
  const std::string scrollLine = ":sp-" + std::to_string(editor.main->ScrollPos(kLineScrollBar)) + "\r\n";
  const bool scrollWritten = ReplaceFileUnlessSame(*editor.files, editor.folders.StartFolder() / kScrollPositionFile, scrollLine);
  return stateWritten && scrollWritten ? CompanionWrite::kWritten : CompanionWrite::kFailed;
}

CompanionWrite WritePathCompanion(Editor& editor, const std::filesystem::path& path) {
  const std::string text = path.string();
  const std::string_view fileName = FileNameOf(text);
  if (fileName.empty()) return CompanionWrite::kNoFile;
  return ReplaceFileUnlessSame(*editor.files, editor.folders.Companion(fileName, ".pth"), text + "\r\n") ? CompanionWrite::kWritten
                                                                                    : CompanionWrite::kFailed;
}

bool CompanionStateIsFor(const Editor& editor, const std::filesystem::path& path) {
  const std::string text = path.string();
  const FileBytes file =
      ReadCompanionFile(editor.folders.Companion(FileNameOf(text), ".pth"), kMaxOneLineFileBytes);
  if (file.status != CompanionRead::kRead) return true;  // a state without a path names no other file
  const std::string_view line = TrimmedBlanks(FirstLine(file.bytes));
  return line.empty() || SamePath(std::filesystem::path(std::string(line)), path);
}

FileStateRestore RestoreFileState(Editor& editor, int tab, IndexRows rows) {
  FileStateRestore restored;
  if (!editor.main) return restored;
  // Filling the boxes and combos raises their change notices; while the flag is up the
  // handler takes them for a load and does not jump to the lines they name.
  const ScopedFlag loading(editor.view.loading);
  const std::string fileName = FileNameFor(editor, tab);
  if (fileName.empty()) return restored;
  if (IsTab(tab) && !editor.tabs.Tab(tab).path.empty() && !CompanionStateIsFor(editor, editor.tabs.Tab(tab).path)) {
    restored.stateFile = CompanionRead::kOtherFile;
    return restored;
  }
  RestorePath(editor, tab, fileName);
  restored.stateFile = RestorePanes(editor, tab, fileName, rows, restored);
  editor.marksRestored = true;
  RestoreCaretLineBox(editor, fileName);
  // Steps left to the caller: gutter marker, caption, recolouring, caret, scroll range
  // and the editing controls (FinishStateRestore).
  return restored;
}

}  // namespace editor
