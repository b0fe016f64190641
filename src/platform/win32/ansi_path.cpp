#include "platform/win32/ansi_path.h"

#include <windows.h>

namespace win32 {

// std::filesystem keeps Windows paths as UTF-16, so convert explicitly rather than
// trust the library's idea of the narrow encoding.
std::string AnsiFromPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr,
                        nullptr);
  return ansi;
}

std::filesystem::path PathFromAnsi(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int size = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), size);
  return std::filesystem::path(wide);
}

}  // namespace win32
