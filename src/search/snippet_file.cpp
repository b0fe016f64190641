#include "search/snippet_file.h"

#include <cstdint>

#include "base/replace_file.h"
#include "base/whole_file.h"
#include "model/snippet_list.h"

namespace editor {

namespace {

// Far beyond any list of one-line snippets; a larger file is not one the window can show.
constexpr std::uintmax_t kSnippetFileLimit = 8u << 20;

std::filesystem::path SnippetPath(const FolderLayout& folders, std::string_view type) {
  const std::string name = SnippetFileName(type);
  return FindFileAnyCase(folders.Res(), name).value_or(folders.InRes(name));
}

SnippetFile Read(const std::filesystem::path& path) {
  WholeFile file = ReadWholeFile(path, kSnippetFileLimit);
  switch (file.status) {
    case WholeFileStatus::kRead:
      // A NUL would end the row's text in the list and in every other Windows program.
      if (file.bytes.find('\0') != std::string::npos) return {SnippetFileStatus::kHasNul, {}};
      return {SnippetFileStatus::kRead, std::move(file.bytes)};
    case WholeFileStatus::kMissing: return {SnippetFileStatus::kRead, {}};
    case WholeFileStatus::kTooLarge:
    case WholeFileStatus::kUnreadable: break;
  }
  return {SnippetFileStatus::kUnreadable, {}};
}

}  // namespace

SnippetFile ReadSnippetFile(FileSteps& files, const FolderLayout& folders, std::string_view type) {
  const std::filesystem::path path = SnippetPath(folders, type);
  std::error_code error;
  const bool missing = !std::filesystem::exists(path, error) && !error;
  // Made empty only when it is truly absent: a file that merely failed to open keeps its lines.
  if (missing) ReplaceFileWhole(files, path, "");
  return Read(path);
}

SnippetSave SaveSnippet(FileSteps& files, const FolderLayout& folders, std::string_view type, std::string_view snippet) {
  const std::filesystem::path path = SnippetPath(folders, type);
  const SnippetFile file = Read(path);
  if (file.status == SnippetFileStatus::kHasNul) return SnippetSave::kHasNul;
  if (file.status == SnippetFileStatus::kUnreadable) return SnippetSave::kUnreadable;
  return ReplaceFileWhole(files, path, WithSnippetAdded(file.text, snippet)) ? SnippetSave::kSaved : SnippetSave::kNotWritten;
}

}  // namespace editor
