#include "files/first_use_purge.h"

#include <system_error>
#include <vector>

#include "base/replace_file.h"
#include "base/whole_file.h"
#include "model/editor_state_lines.h"
#include "base/letter_case.h"

namespace editor {

namespace {

// A file that is still there after this many rounds is one that cannot be deleted (held
// open, or no rights); more rounds would only spin.
constexpr int kDeleteRounds = 3;
constexpr std::uintmax_t kLargestStateFile = 1u << 20;

// Companion and work files: a name holding ".txt", ".pth", ".src" or ".grp" in any letter
// case, and not beginning with ".".
bool IsPurgedName(const std::string& fileName) {
  if (fileName.empty() || fileName.front() == '.') return false;
  for (const char* mark : {".TXT", ".PTH", ".SRC", ".GRP"})
    if (FindIgnoringCase(fileName, mark) != std::string_view::npos) return true;
  return false;
}

std::vector<std::filesystem::path> PurgedFilesIn(const std::filesystem::path& res) {
  std::vector<std::filesystem::path> found;
  std::error_code error;
  for (std::filesystem::directory_iterator it(res, error), end; !error && it != end; it.increment(error)) {
    std::error_code kindError;
    if (!it->is_directory(kindError) && IsPurgedName(it->path().filename().string())) found.push_back(it->path());
  }
  return found;
}

// Deletes the files, listing again after each round, until none is left; the first one
// still there after the last round is returned.
std::optional<std::filesystem::path> DeleteCompanionFiles(const std::filesystem::path& res) {
  for (int round = 0; round < kDeleteRounds; ++round) {
    const std::vector<std::filesystem::path> files = PurgedFilesIn(res);
    if (files.empty()) return std::nullopt;
    for (const std::filesystem::path& file : files) {
      std::error_code ignored;
      std::filesystem::remove(file, ignored);
    }
  }
  const std::vector<std::filesystem::path> left = PurgedFilesIn(res);
  if (left.empty()) return std::nullopt;
  return left.front();
}

bool RemoveFile(const std::filesystem::path& path) {
  for (int round = 0; round < kDeleteRounds; ++round) {
    std::error_code error;
    std::filesystem::remove(path, error);
    if (!std::filesystem::exists(path, error)) return true;
  }
  return false;
}

bool RememberedResizeTabs(const FolderLayout& folders) {
  const WholeFile state = ReadWholeFile(folders.InRes("vorevav4.ini"), kLargestStateFile);
  if (state.status != WholeFileStatus::kRead) return false;
  return ReadEditorStateLines(state.bytes).resizeTabs.value_or(false);
}

}  // namespace

PurgeResult PurgeForFirstUse(ui::System& system, FileSteps& files, const FolderLayout& folders, bool keepRecentFiles) {
  const bool resizeTabs = RememberedResizeTabs(folders);
  if (std::optional<std::filesystem::path> stuck = DeleteCompanionFiles(folders.Res())) return {stuck};

  const std::filesystem::path recent = folders.InRes("RecentFiles.ini");
  if (!keepRecentFiles && !RemoveFile(recent)) return {recent};
  const std::filesystem::path backup = folders.InRes("RecentFilesBackup.ini");
  std::error_code error;
  if (std::filesystem::is_regular_file(backup, error))
    std::filesystem::copy_file(backup, recent, std::filesystem::copy_options::overwrite_existing, error);

  // Left as it was, the state would reopen the files of before the reset.
  if (!WriteResetEditorState(files, folders, resizeTabs)) return {folders.InRes("vorevav4.ini")};
  system.Sleep(500);
  return {};
}

bool WriteResetEditorState(FileSteps& files, const FolderLayout& folders, bool resizeTabs) {
  return ReplaceFileWhole(files, folders.InRes("vorevav4.ini"), resizeTabs ? "!0\r\n#1\r\n" : "!0\r\n#0\r\n");
}

}  // namespace editor
