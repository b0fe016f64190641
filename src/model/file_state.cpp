#include "model/file_state.h"

#include <algorithm>

#include "base/control_ids.h"

namespace editor {

namespace {

using Kind = SectionKind;

constexpr std::array kSections = {
    FileStateSection{.tag = ":lv2", .kind = Kind::kRows, .rows = &FileState::subroutines, .columns = 3,
                     .control = kSubroutineList, .partner = kSubroutineCombo},
    FileStateSection{.tag = ":lv4", .kind = Kind::kRows, .rows = &FileState::windows, .columns = 4,
                     .control = kWindowList, .partner = kWindowCombo},
    FileStateSection{.tag = ":lv8", .kind = Kind::kRows, .rows = &FileState::controls, .columns = 4,
                     .control = kControlList, .partner = kControlCombo},
    FileStateSection{.tag = ":bmk", .kind = Kind::kStrings, .strings = &FileState::bookmarks, .keepsColons = true,
                     .onlyIntoEmpty = true, .control = kBookmarkCombo, .partner = kBookmarkList},
    FileStateSection{.tag = ":inc", .kind = Kind::kStrings, .strings = &FileState::includes,
                     .control = kIncludeCombo},
    FileStateSection{.tag = ":sr", .kind = Kind::kLineCount},
    FileStateSection{.tag = ":u1", .kind = Kind::kLineField, .slot = 0, .control = kGoToLineBox,
                     .partner = kGoToLineButton},
    FileStateSection{.tag = ":u2", .kind = Kind::kLineField, .slot = 1, .control = kGoToLineBox2,
                     .partner = kGoToLineButton2},
    FileStateSection{.tag = ":u3", .kind = Kind::kLineField, .slot = 2, .control = kGoToLineBox3,
                     .partner = kGoToLineButton3},
    FileStateSection{.tag = ":c2", .kind = Kind::kSelection, .slot = 0, .control = kSubroutineCombo},
    FileStateSection{.tag = ":c4", .kind = Kind::kSelection, .slot = 1, .control = kWindowCombo},
    FileStateSection{.tag = ":c6", .kind = Kind::kSelection, .slot = 2, .control = kBookmarkCombo},
    FileStateSection{.tag = ":c8", .kind = Kind::kSelection, .slot = 3, .control = kControlCombo},
    FileStateSection{.tag = ":c10", .kind = Kind::kSelection, .slot = 4, .control = kControlSearchCombo1},
    FileStateSection{.tag = ":c12", .kind = Kind::kSelection, .slot = 5, .control = kKeywordCombo},
    FileStateSection{.tag = ":c14", .kind = Kind::kSelection, .slot = 6, .control = kControlSearchCombo2},
    FileStateSection{.tag = ":c16", .kind = Kind::kSelection, .slot = 7, .control = kControlSearchCombo3},
    FileStateSection{.tag = ":sp", .kind = Kind::kCaretLine},
    FileStateSection{.tag = ":nav", .kind = Kind::kStrings, .strings = &FileState::places, .onlyIntoEmpty = true,
                     .control = kPlacesCombo},
};

// Numbers beyond this are clamped: no count, line or index of a real file comes near it,
// and clamping keeps every later sum inside an int.
constexpr long long kNumberLimit = 999'999'999;

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBlanks = " \t";

bool IsBlank(std::string_view text) { return text.find_first_not_of(kBlanks) == std::string_view::npos; }

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// The lines of the bytes, whatever their ends: CR LF, LF or CR alone.
class LineSplitter {
 public:
  explicit LineSplitter(std::string_view bytes) : rest_(bytes) {}

  std::optional<std::string_view> Next() {
    if (rest_.empty()) return std::nullopt;
    const std::size_t end = rest_.find_first_of("\r\n");
    if (end == std::string_view::npos) return std::exchange(rest_, {});
    const std::string_view line = rest_.substr(0, end);
    const bool crLf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
    rest_.remove_prefix(end + (crLf ? 2 : 1));
    return line;
  }

 private:
  std::string_view rest_;
};

struct TagHit {
  const FileStateSection* section = nullptr;
  std::size_t position = 0;
};

// The section whose tag starts earliest in the line. Every tag begins with ":" and none
// is the start of another, so each ":" matches at most one.
std::optional<TagHit> FindTag(std::string_view line) {
  for (std::size_t colon = line.find(':'); colon != std::string_view::npos; colon = line.find(':', colon + 1)) {
    const std::string_view from = line.substr(colon);
    for (const FileStateSection& section : kSections)
      if (from.starts_with(section.tag)) return TagHit{&section, colon};
  }
  return std::nullopt;
}

bool HoldsTag(std::string_view text) { return FindTag(text).has_value(); }

// What follows the tag and its "-".
std::string_view ValueAfter(std::string_view line, const TagHit& hit) {
  std::string_view value = line.substr(hit.position + hit.section->tag.size());
  if (value.starts_with('-')) value.remove_prefix(1);
  return value;
}

// The number the text begins with, after blanks and an optional sign, clamped to
// +-kNumberLimit; nullopt when there are no digits.
std::optional<int> LeadingNumber(std::string_view text) {
  text = text.substr(std::min(text.size(), text.find_first_not_of(kBlanks)));
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  long long value = 0;
  bool anyDigit = false;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    anyDigit = true;
    value = std::min(kNumberLimit, value * 10 + (c - '0'));
  }
  if (!anyDigit) return std::nullopt;
  return static_cast<int>(negative ? -value : value);
}

std::pair<std::string_view, std::string_view> SplitAt(std::string_view text, char separator) {
  const std::size_t at = text.find(separator);
  if (at == std::string_view::npos) return {text, {}};
  return {text.substr(0, at), text.substr(at + 1)};
}

// Split at the first "|", then the first "!" of the rest, then (four columns) the first "#".
ListRow SplitRow(std::string_view entry, int columns) {
  ListRow row;
  const auto [name, rest] = SplitAt(entry, '|');
  const auto [second, afterSecond] = SplitAt(rest, '!');
  row[0] = name;
  row[1] = second;
  if (columns == 3) {
    row[2] = afterSecond;
  } else {
    const auto [third, fourth] = SplitAt(afterSecond, '#');
    row[2] = third;
    row[3] = fourth;
  }
  return row;
}

std::string JoinRow(const ListRow& row, int columns) {
  std::string line = row[0] + '|' + row[1] + '!' + row[2];
  if (columns == 4) line += '#' + row[3];
  return line;
}

// A name with ":" is never taken as a row: that is how a header is kept out of a list.
bool UsableRowName(std::string_view name) { return !IsBlank(name) && name.find(':') == std::string_view::npos; }

bool UsableString(const FileStateSection& section, std::string_view entry) {
  return !IsBlank(entry) && (section.keepsColons || entry.find(':') == std::string_view::npos);
}

// The row reads back as it is: each separator is the first of its kind where the reader looks.
bool StorableRow(const ListRow& row, int columns) {
  if (!UsableRowName(row[0]) || row[0].find('|') != std::string::npos || row[1].find('!') != std::string::npos)
    return false;
  if (columns == 4 && row[2].find('#') != std::string::npos) return false;
  const std::string line = JoinRow(row, columns);
  return !HoldsLineBreak(line) && !HoldsTag(line);
}

bool StorableString(const FileStateSection& section, std::string_view entry) {
  return UsableString(section, entry) && !HoldsLineBreak(entry) && !HoldsTag(entry);
}

// A box holds one line; only that line, trimmed, is kept. "0" stands for an empty box.
std::string StoredLineField(std::string_view text) {
  const std::string_view line = Trimmed(text.substr(0, text.find_first_of("\r\n")));
  return line.empty() ? std::string("0") : std::string(line);
}

void AppendLine(std::string& out, std::string_view tag, std::string_view value) {
  out += tag;
  out += '-';
  out += value;
  out += kLineEnd;
}

void FormatRows(std::string& out, const FileStateSection& section, const std::vector<ListRow>& rows) {
  std::vector<std::string> lines;
  for (const ListRow& row : rows)
    if (StorableRow(row, section.columns)) lines.push_back(JoinRow(row, section.columns));
  AppendLine(out, section.tag, std::to_string(lines.size()));
  for (const std::string& line : lines) (out += line) += kLineEnd;
}

void FormatStrings(std::string& out, const FileStateSection& section, const std::vector<std::string>& entries) {
  const auto storable = [&](const std::string& entry) { return StorableString(section, entry); };
  AppendLine(out, section.tag, std::to_string(std::ranges::count_if(entries, storable)));
  for (const std::string& entry : entries)
    if (storable(entry)) (out += entry) += kLineEnd;
}

void FormatSection(std::string& out, const FileStateSection& section, const FileState& state) {
  switch (section.kind) {
    case Kind::kRows:
      FormatRows(out, section, state.*section.rows);
      break;
    case Kind::kStrings:
      FormatStrings(out, section, state.*section.strings);
      break;
    case Kind::kLineCount:
      AppendLine(out, section.tag, "0!" + std::to_string(std::max(0, state.lineCount)));
      break;
    case Kind::kLineField:
      if (const auto& text = state.lineFields[static_cast<std::size_t>(section.slot)])
        AppendLine(out, section.tag, StoredLineField(*text));
      break;
    case Kind::kSelection: {
      const std::optional<int> index = state.selections[static_cast<std::size_t>(section.slot)];
      AppendLine(out, section.tag, index && *index >= 0 ? std::to_string(*index) : "!");
      break;
    }
    case Kind::kCaretLine:
      if (state.caretLine) AppendLine(out, section.tag, std::to_string(std::max(1, *state.caretLine)));
      break;
  }
}

// Reads the lines one by one; a list header opens a list that takes the next entries.
class Parser {
 public:
  explicit Parser(ParseReport& report) : report_(report) {}

  void TakeLine(std::string_view line) {
    if (IsBlank(line)) return;
    const std::optional<TagHit> hit = FindTag(line);
    if (hit) {
      TakeHeader(line, *hit);
    } else if (list_ != nullptr && remaining_ > 0) {
      TakeEntry(line);
    } else {
      ++report_.ignoredLines;
    }
  }

  FileState Result() && { return std::move(state_); }

 private:
  void TakeHeader(std::string_view line, const TagHit& hit) {
    ++report_.sectionsFound;
    list_ = nullptr;
    remaining_ = 0;
    const FileStateSection& section = *hit.section;
    const std::string_view value = ValueAfter(line, hit);
    const std::optional<int> number = LeadingNumber(value);
    switch (section.kind) {
      case Kind::kRows:
      case Kind::kStrings:
        list_ = &section;
        remaining_ = std::max(0, number.value_or(0));
        break;
      case Kind::kLineCount:
        state_.lineCount = std::max(0, LeadingNumber(SplitAt(value, '!').second).value_or(0));
        break;
      case Kind::kLineField: {
        const std::string_view text = Trimmed(value);
        state_.lineFields[static_cast<std::size_t>(section.slot)] = text == "0" ? std::string() : std::string(text);
        break;
      }
      case Kind::kSelection:
        state_.selections[static_cast<std::size_t>(section.slot)] =
            number && *number >= 0 ? number : std::nullopt;
        break;
      case Kind::kCaretLine:
        state_.caretLine = number && *number >= 1 ? *number : 1;
        break;
    }
  }

  void TakeEntry(std::string_view line) {
    --remaining_;
    if (list_->kind == Kind::kRows) {
      ListRow row = SplitRow(line, list_->columns);
      if (UsableRowName(row[0])) {
        (state_.*list_->rows).push_back(std::move(row));
        return;
      }
    } else if (UsableString(*list_, line)) {
      (state_.*list_->strings).emplace_back(line);
      return;
    }
    ++report_.ignoredLines;
  }

  ParseReport& report_;
  FileState state_;
  const FileStateSection* list_ = nullptr;  // the list taking entries, if any
  int remaining_ = 0;                      // entries it still takes
};

}  // namespace

std::span<const FileStateSection> FileStateSections() { return kSections; }

std::string FormatFileState(const FileState& state) {
  std::string out;
  for (const FileStateSection& section : kSections) FormatSection(out, section, state);
  return out;
}

FileState ParseFileState(std::string_view bytes, ParseReport* report) {
  ParseReport local;
  if (report != nullptr) *report = {};
  Parser parser(report != nullptr ? *report : local);
  LineSplitter lines(bytes);
  while (const std::optional<std::string_view> line = lines.Next()) parser.TakeLine(*line);
  return std::move(parser).Result();
}

std::pair<std::string, std::string> SplitBookmark(std::string_view entry) {
  const auto [line, description] = SplitAt(entry, ' ');
  return {std::string(line), std::string(description)};
}

}  // namespace editor
