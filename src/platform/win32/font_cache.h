// GDI fonts made from font specs, one per distinct desc, alive as long as the cache.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/types.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class FontCache {
 public:
  // The font for this desc, made on first use; nullptr when GDI refuses it.
  HFONT Get(const ui::FontSpec& desc);

 private:
  using Key = std::tuple<std::string, int, bool, bool>;
  std::map<Key, UniqueFont> fonts_;
};

// Character height in logical units for a point size on the screen.
int FontHeightForPoints(int pointSize);

}  // namespace win32
