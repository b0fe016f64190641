// The preference file Res/vorevav4Defaults.ini: read by line number, written whole on
// "Apply", restored from the factory backup on "Defaults", and read at start-up.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_steps.h"
#include "model/editor_preferences.h"
#include "model/folder_layout.h"
#include "state/editor.h"

namespace editor {

constexpr std::string_view kPreferenceFileName = "vorevav4Defaults.ini";
constexpr std::string_view kPreferenceBackupName = "vorevav4DefaultsBackup.ini";

// Far beyond any real preference file (47 short lines); only this much of a file is read,
// so a huge or endless file cannot hold the editor up.
constexpr std::size_t kMaxPreferenceFileBytes = 64 * 1024;

enum class PreferenceReadStatus {
  kRead,
  kDamaged,  // some lines held no value of theirs: what could be read was taken
  kMissing,  // no file, or not one that can be opened: the missing-file values are in force
};

struct PreferenceRead {
  PreferenceReadStatus status = PreferenceReadStatus::kMissing;
  int linesRead = 0;              // lines of the file taken, at most 47
  std::vector<int> damagedLines;  // their line numbers
};

// The values of a start without a preference file. The three unstored colours are left alone.
void SetMissingFileValues(EditorPreferences& prefs);

// Takes the file's text into the preferences by line number. Lines end with CR LF, LF or
// CR; lines beyond 47 are ignored, and settings whose lines are missing keep their values.
PreferenceRead TakePreferenceText(std::string_view text, EditorPreferences& prefs);

// Reads the file into the preferences; a file that cannot be opened gives the missing-file values.
PreferenceRead ReadPreferenceFile(const std::filesystem::path& path, EditorPreferences& prefs);

// The 47 lines of the current values, each ended by CR LF (line 10 repeats line 1).
std::string PreferenceText(const EditorPreferences& prefs);
// The 47 lines the first-time setup writes into both preference files.
std::string FactoryPreferenceText();

// Writes the file whole to a temporary beside it and renames that over the old one, so
// that a failed write leaves the old file as it was. False when the file was not written.
bool WritePreferenceFile(FileSteps& files, const std::filesystem::path& path, const EditorPreferences& prefs);

enum class RestoreResult {
  kRestored,
  kBackupMissing,     // no backup file: the preference file is left as it was
  kBackupUnreadable,  // it cannot be read, or is far too large to be one
  kWriteFailed,       // the preference file could not be replaced and is left as it was
};

// Replaces the preference file with a byte-for-byte copy of the backup. The backup is read
// whole before the old file is touched, and the copy lands in one rename.
RestoreResult RestorePreferencesFromBackup(FileSteps& files, const FolderLayout& folders);

// The start-up step: Res/vorevav4Defaults.ini into editor.prefs; how the file read, so that
// start-up can say so once the window is up.
PreferenceRead ReadPreferencesAtStartUp(Editor& editor);

}  // namespace editor
