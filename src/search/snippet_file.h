// Reading and adding to a control type's snippet file in Res. The file is the user's as
// much as the editor's: what cannot be shown is left exactly as it is.
#pragma once

#include <string>
#include <string_view>

#include "base/file_steps.h"
#include "model/folder_layout.h"

namespace editor {

enum class SnippetFileStatus { kRead, kHasNul, kUnreadable };

struct SnippetFile {
  SnippetFileStatus status = SnippetFileStatus::kRead;
  std::string text;  // empty unless read
};

// A missing file is created empty, so that the user finds it in Res to edit by hand.
SnippetFile ReadSnippetFile(FileSteps& files, const FolderLayout& folders, std::string_view type);

enum class SnippetSave { kSaved, kHasNul, kUnreadable, kNotWritten };

// The file is replaced whole with the snippet as its new last line; on any failure the
// old file stays as it was.
SnippetSave SaveSnippet(FileSteps& files, const FolderLayout& folders, std::string_view type, std::string_view snippet);

}  // namespace editor
