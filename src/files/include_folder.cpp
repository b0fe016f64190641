#include "files/include_folder.h"

#include <string>

#include "base/replace_file.h"
#include "base/whole_file.h"
#include "model/include_folder_line.h"
#include "state/editor.h"
#include "view/notices.h"

namespace editor {

namespace {

constexpr std::uintmax_t kLargestFile = 64u << 10;  // far beyond one path

}  // namespace

void EstablishIncludeFolder(Editor& editor, const IncludeSearchBounds& bounds) {
  const std::filesystem::path file =
      FindFileAnyCase(editor.folders.Res(), kIncludeFolderFile).value_or(editor.folders.InRes(kIncludeFolderFile));
  const WholeFile remembered = ReadWholeFile(file, kLargestFile);
  const std::optional<std::string> rememberedFolder =
      remembered.status == WholeFileStatus::kRead ? IncludeFolderLine(remembered.bytes) : std::nullopt;
  if (rememberedFolder) {
    editor.includeFolder = *rememberedFolder;
    return;
  }
  const IncludeSearchResult found = SearchIncludeFolder(editor.system, bounds);
  if (found.stoppedAtBound) ShowNotice(editor, notice::kIncludeSearchStopped);
  // A file without a usable line is searched past and written over like a missing one.
  // Not written, the search would run again at every start; a failed write costs only that.
  if (found.folder) {
    editor.includeFolder = *found.folder;
    ReplaceFileWhole(*editor.files, file, found.folder->string() + "\r\n");
  } else {
    ReplaceFileWhole(*editor.files, file, std::string(kDefaultIncludeFolder) + "\r\n");
  }
}

}  // namespace editor
