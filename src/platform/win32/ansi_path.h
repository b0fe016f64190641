// Paths to and from the ANSI code page that the "A" functions speak.
#pragma once

#include <filesystem>
#include <string>

namespace win32 {

std::string AnsiFromPath(const std::filesystem::path& path);
std::filesystem::path PathFromAnsi(const std::string& ansi);

}  // namespace win32
