#include "prefs/preference_file.h"

#include <fstream>
#include <system_error>

#include "base/replace_file.h"
#include "model/preference_lines.h"

namespace editor {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

// The next line of text from at, without its end; at moves past the end. A CR LF pair is
// one end, as are a lone LF and a lone CR.
std::string_view NextLine(std::string_view text, std::size_t& at) {
  const std::size_t end = text.find_first_of("\r\n", at);
  const std::string_view line = text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
  if (end == std::string_view::npos) {
    at = text.size();
  } else {
    at = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return line;
}

std::optional<std::string> ReadBounded(const std::filesystem::path& path, std::size_t limit) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(limit, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(limit));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

}  // namespace

void SetMissingFileValues(EditorPreferences& prefs) {
  for (const PreferenceLine& line : PreferenceLines()) TakeLineText(prefs, line, line.missing);
}

PreferenceRead TakePreferenceText(std::string_view text, EditorPreferences& prefs) {
  if (text.starts_with(kUtf8Mark)) text.remove_prefix(kUtf8Mark.size());
  PreferenceRead read;
  read.status = PreferenceReadStatus::kRead;
  std::size_t at = 0;
  for (const PreferenceLine& line : PreferenceLines()) {
    if (at >= text.size()) break;
    const std::string_view lineText = NextLine(text, at);
    ++read.linesRead;
    if (!TakeLineText(prefs, line, lineText)) read.damagedLines.push_back(line.line);
  }
  if (!read.damagedLines.empty()) read.status = PreferenceReadStatus::kDamaged;
  return read;
}

PreferenceRead ReadPreferenceFile(const std::filesystem::path& path, EditorPreferences& prefs) {
  const std::optional<std::string> bytes = ReadBounded(path, kMaxPreferenceFileBytes);
  if (!bytes) {
    SetMissingFileValues(prefs);
    return {};
  }
  return TakePreferenceText(*bytes, prefs);
}

std::string PreferenceText(const EditorPreferences& prefs) {
  std::string text;
  for (const PreferenceLine& line : PreferenceLines()) {
    text += LineText(prefs, line);
    text += kLineEnd;
  }
  return text;
}

std::string FactoryPreferenceText() {
  std::string text;
  for (const PreferenceLine& line : PreferenceLines()) {
    text += line.factory;
    text += kLineEnd;
  }
  return text;
}

bool WritePreferenceFile(FileSteps& files, const std::filesystem::path& path, const EditorPreferences& prefs) {
  return ReplaceFileWhole(files, path, PreferenceText(prefs));
}

RestoreResult RestorePreferencesFromBackup(FileSteps& files, const FolderLayout& folders) {
  const std::filesystem::path backup = folders.InRes(kPreferenceBackupName);
  std::error_code error;
  if (!std::filesystem::exists(backup, error)) return RestoreResult::kBackupMissing;
  // One byte more than the limit tells a file at the limit from a larger one.
  const std::optional<std::string> bytes = ReadBounded(backup, kMaxPreferenceFileBytes + 1);
  if (!bytes || bytes->size() > kMaxPreferenceFileBytes) return RestoreResult::kBackupUnreadable;
  if (!ReplaceFileWhole(files, folders.InRes(kPreferenceFileName), *bytes)) return RestoreResult::kWriteFailed;
  return RestoreResult::kRestored;
}

PreferenceRead ReadPreferencesAtStartUp(Editor& editor) {
  return ReadPreferenceFile(editor.folders.InRes(kPreferenceFileName), editor.prefs);
}

}  // namespace editor
