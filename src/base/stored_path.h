// Paths read back from the editor's own lists (the open tabs, the recent files, a file's
// path companion). The editor writes them as UTF-8, which is what a path gives as a narrow
// string here; but a path built from a narrow string is read in the ANSI code page on
// Windows, so a name like "café.iwb" would not come back as itself.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace editor {

// A line of one of those lists is read at most this long: far beyond any Windows path, and
// a bound on what a damaged list can make the editor hold.
constexpr std::size_t kLongestStoredPathLine = 512;

bool IsUtf8(std::string_view text);

// UTF-8 as UTF-8; anything else, say a list another program wrote in the ANSI code page,
// as a narrow string, so that reading a path never fails.
std::filesystem::path PathFromStoredText(std::string_view text);

}  // namespace editor
