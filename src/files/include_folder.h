// The IWBDev include folder, remembered in Res/IncludeFilesPath.ini: read from it when it
// names a folder, else searched for once and written, so that later starts need no search.
#pragma once

#include <string_view>

#include "files/include_folder_search.h"

namespace editor {

struct Editor;

constexpr std::string_view kIncludeFolderFile = "IncludeFilesPath.ini";
// Written when the search finds nothing; the folder stays unknown for this run.
constexpr std::string_view kDefaultIncludeFolder = "C:\\IWBDev\\Include\\";

// Sets editor.includeFolder at start-up. A search stopped at its bound says so.
void EstablishIncludeFolder(Editor& editor, const IncludeSearchBounds& bounds = {});

}  // namespace editor
