#include "platform/win32/font_families.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/unique_handle.h"

namespace win32 {

namespace {

int CALLBACK AddFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM names) {
  reinterpret_cast<std::vector<std::string>*>(names)->emplace_back(font->lfFaceName);
  return 1;
}

}  // namespace

std::vector<std::string> EnumerateFontFamilies() {
  std::vector<std::string> names;
  WindowDc screen(nullptr);
  LOGFONTA wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;  // every family, in each of its character sets
  ::EnumFontFamiliesExA(screen.Get(), &wanted, &AddFamily, reinterpret_cast<LPARAM>(&names), 0);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace win32
