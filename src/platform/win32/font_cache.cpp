#include "platform/win32/font_cache.h"

namespace win32 {

int FontHeightForPoints(int pointSize) {
  WindowDc screen(nullptr);
  return -::MulDiv(pointSize, ::GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
}

HFONT FontCache::Get(const ui::FontSpec& spec) {
  Key key{spec.face, spec.pointSize, spec.bold, spec.italic};
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.Get();
  UniqueFont font(::CreateFontA(FontHeightForPoints(spec.pointSize), 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL,
                                spec.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                spec.face.c_str()));
  HFONT handle = font.Get();
  if (handle != nullptr) fonts_.emplace(std::move(key), std::move(font));
  return handle;
}

}  // namespace win32
