// The fixed texts that name this program in captions, dialogs and restarts.
#pragma once

#include <string_view>

namespace editor {

// Appended to the file name in the main window's caption.
constexpr std::string_view kTitleText = " - An example editor version - 46 . 4 Beta 2";
// Started again after a reset and when the last open file is closed.
constexpr std::string_view kExecutableName = "Tallowmere v46_4.exe";
constexpr std::string_view kSourceFileFilter = "IWBasic files|*.iwb|EBasic files|*.eba|Include files|*.inc||";

constexpr std::string_view kStartingCaption = "Opening, please wait while files load...";
constexpr std::string_view kNoFileCaption = "Please open a file ";

}  // namespace editor
