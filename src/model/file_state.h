// What a source file's companion ".txt" file remembers about its panes, as a plain value,
// and the text form of it: tag lines such as ":lv2-3", each ended by CR LF.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/types.h"

namespace editor {

// One row of a list pane: subroutines use the first three cells (name, begins, ends),
// windows and controls all four (name, second, third, handler name).
using ListRow = std::array<std::string, 4>;

constexpr int kLineFieldCount = 3;  // the go-to-line boxes
constexpr int kSelectionCount = 8;  // the combos whose selection is kept

struct FileState {
  std::vector<ListRow> subroutines;
  std::vector<ListRow> windows;
  std::vector<ListRow> controls;
  std::vector<std::string> bookmarks;  // "line description" or "line"
  std::vector<std::string> includes;
  int lineCount = 0;
  // nullopt: the file did not say, and the box is left alone; "": the box is emptied.
  std::array<std::optional<std::string>, kLineFieldCount> lineFields;
  std::array<std::optional<int>, kSelectionCount> selections;  // 0-based; nullopt: none
  std::optional<int> caretLine;  // 1-based
  std::vector<std::string> places;

  friend bool operator==(const FileState&, const FileState&) = default;
};

enum class SectionKind { kRows, kStrings, kLineCount, kLineField, kSelection, kCaretLine };

// One section of the file: its tag, where its value lives in a FileState, and the
// controls of the main window it mirrors.
struct FileStateSection {
  std::string_view tag;
  SectionKind kind;
  std::vector<ListRow> FileState::*rows = nullptr;        // kRows
  int columns = 0;                                         // kRows: 3 or 4
  std::vector<std::string> FileState::*strings = nullptr;  // kStrings
  bool keepsColons = false;  // kStrings: entries may hold ":" (bookmark descriptions)
  bool onlyIntoEmpty = false;  // kStrings: read only while the combo is empty
  int slot = 0;                // kLineField, kSelection: index into the state's array
  ui::ControlId control = 0;   // the list view, combo or box holding the value
  ui::ControlId partner = 0;   // the combo beside a list view, the list beside the bookmark
                               // combo, the go button beside a box
};

// Every section, in the order the file holds them.
std::span<const FileStateSection> FileStateSections();

// CR LF lines, sections in their fixed order, numbers in decimal without blanks. Entries
// that could not be read back as they are (blank, holding a line break, a section tag, a
// separator in the wrong field, or a ":" where the reader skips it) are left out, so the
// file never says more than the reader will take.
std::string FormatFileState(const FileState& state);

// How well a parse went, for a notice about a damaged file.
struct ParseReport {
  int sectionsFound = 0;  // tag lines seen
  int ignoredLines = 0;   // non-blank lines that were neither a section nor a usable entry
  bool Damaged() const { return sectionsFound == 0 || ignoredLines > 0; }
};

// Takes whatever it can from any bytes: lines may end in CR LF, LF or CR; tags are found
// anywhere in a line; a list ends at its count, at the next tag line or at the end of
// the bytes, whichever comes first. Missing sections keep their defaults.
FileState ParseFileState(std::string_view bytes, ParseReport* report = nullptr);

// A bookmark entry as its detail row shows it: the text before the first space, and the
// rest (empty when there is no space).
std::pair<std::string, std::string> SplitBookmark(std::string_view entry);

}  // namespace editor
