#include "platform/win32/font_cache.h"

namespace win32 {

int FontHeightForPoints(int pointSize) {
  WindowDc screen(nullptr);
  return -::MulDiv(pointSize, ::GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
}

HFONT FontCache::Get(const ui::FontSpec& desc) {
  Key key{desc.face, desc.pointSize, desc.bold, desc.italic};
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.Get();
  UniqueFont font(::CreateFontA(FontHeightForPoints(desc.pointSize), 0, 0, 0, desc.bold ? FW_BOLD : FW_NORMAL,
                                desc.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                desc.face.c_str()));
  HFONT handle = font.Get();
  if (handle != nullptr) fonts_.emplace(std::move(key), std::move(font));
  return handle;
}

}  // namespace win32
