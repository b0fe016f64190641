#include "platform/win32/button_bitmap.h"

#include <cstdint>

namespace win32 {

namespace {

// DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
std::uint32_t PixelOf(COLORREF colour) {
  return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

UniqueBitmap MakeTopDownDib(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return UniqueBitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

}  // namespace

UniqueBitmap ReplaceColour(HBITMAP source, COLORREF key, COLORREF replacement) {
  BITMAP shape{};
  if (::GetObjectA(source, sizeof(shape), &shape) == 0) return {};
  void* bits = nullptr;
  UniqueBitmap copy = MakeTopDownDib(shape.bmWidth, shape.bmHeight, &bits);
  if (!copy || bits == nullptr) return {};
  {
    UniqueMemoryDc from(::CreateCompatibleDC(nullptr));
    UniqueMemoryDc to(::CreateCompatibleDC(nullptr));
    SelectedObject fromBitmap(from.Get(), source);
    SelectedObject toBitmap(to.Get(), copy.Get());
    ::BitBlt(to.Get(), 0, 0, shape.bmWidth, shape.bmHeight, from.Get(), 0, 0, SRCCOPY);
  }
  ::GdiFlush();
  const std::uint32_t keyPixel = PixelOf(key);
  const std::uint32_t newPixel = PixelOf(replacement);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  const std::size_t count = static_cast<std::size_t>(shape.bmWidth) * static_cast<std::size_t>(shape.bmHeight);
  for (std::size_t i = 0; i < count; ++i)
    if ((pixels[i] & 0x00FFFFFF) == keyPixel) pixels[i] = newPixel;
  return copy;
}

UniqueBitmap LoadKeyedBitmap(HINSTANCE module, int bitmapId, COLORREF surface) {
  UniqueBitmap original(static_cast<HBITMAP>(
      ::LoadImageA(module, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!original) return {};
  return ReplaceColour(original.Get(), kTransparentKey, surface);
}

}  // namespace win32
