// The small list files a user or another program may leave damaged in Res: the editor
// state, the recent files, the include folder, a control group file and a snippet file.
// Each reader takes any bytes, and what it gives back holds to what the lists on screen
// rely on.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/fuzz_check.h"
#include "model/control_groups.h"
#include "model/editor_state_lines.h"
#include "model/include_folder_line.h"
#include "model/recent_files_list.h"
#include "model/snippet_list.h"

namespace {

bool HasBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

void CheckEditorState(std::string_view bytes) {
  const editor::EditorStateLines state = editor::ReadEditorStateLines(bytes);
  for (const std::string& path : state.paths) {
    fuzz::Check(!path.empty() && path.size() <= 512, "a state path is empty or longer than a line is read");
    fuzz::Check(!HasBreak(path), "a state path holds a line break");
    fuzz::Check(path.front() != '!' && path.front() != '#', "a switch line is taken for a path");
  }
}

void CheckRecentFiles(std::string_view bytes) {
  const std::vector<std::string> recent = editor::RecentFilesNewestFirst(bytes);
  fuzz::Check(recent.size() <= 10000, "more recent files than are kept");
  for (std::size_t i = 0; i < recent.size(); ++i) {
    fuzz::Check(!recent[i].empty() && recent[i].size() <= 512 && !HasBreak(recent[i]), "a recent path is malformed");
    fuzz::Check(i == 0 || recent[i] != recent[i - 1], "a path repeated on the next line shows twice");
  }
}

void CheckGroups(std::string_view bytes) {
  const std::vector<editor::GroupMember> members = editor::ReadGroupLines(bytes);
  const std::string written = editor::GroupFileText(members);
  fuzz::Check(editor::ReadGroupLines(written) == members, "a group file read back differs from what was written");
  fuzz::Check(editor::GroupFileText(editor::ReadGroupLines(written)) == written, "writing a group file twice differs");
  for (const std::string& group : editor::GroupNames(members))
    fuzz::Check(!editor::MembersOf(members, group).empty(), "a group name without members");
}

void CheckSnippets(std::string_view bytes) {
  const std::vector<std::string> rows = editor::SnippetRows(bytes, true);
  const std::vector<std::string> withBlank = editor::SnippetRows(bytes, false);
  fuzz::Check(withBlank.size() <= rows.size(), "leaving blank lines out added rows");
  const std::string added = editor::WithSnippetAdded(bytes, "ADDED SNIPPET");
  const std::vector<std::string> after = editor::SnippetRows(added, true);
  fuzz::Check(!after.empty() && after.back() == "ADDED SNIPPET", "an added snippet is not the last row");
  fuzz::Check(after.size() == rows.size() + 1 || (rows.empty() && after.size() <= 2),
              "adding a snippet changed the rows before it");
  fuzz::Check(std::equal(rows.begin(), rows.end(), after.begin()) || rows.empty(), "adding a snippet changed a row");
}

void CheckIncludeFolder(std::string_view bytes) {
  const std::optional<std::string> folder = editor::IncludeFolderLine(bytes);
  if (!folder) return;
  fuzz::Check(!folder->empty() && folder->size() <= 512, "an include folder is empty or longer than a line");
  fuzz::Check(std::ranges::none_of(*folder, [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
              "an include folder holds a control character");
  fuzz::Check(editor::IncludeFolderLine(*folder + "\r\n") == folder, "an include folder written reads back otherwise");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  CheckEditorState(bytes);
  CheckRecentFiles(bytes);
  CheckGroups(bytes);
  CheckSnippets(bytes);
  CheckIncludeFolder(bytes);
  return 0;
}
