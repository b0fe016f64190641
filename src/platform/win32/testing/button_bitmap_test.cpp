// Image buttons: the key colour of a bitmap shows the surface colour.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "base/bitmap_ids.h"
#include "platform/win32/button_bitmap.h"

namespace {

// A 3 x 1 bitmap: key colour, a near miss, and the key colour again.
win32::UniqueBitmap MakeStrip() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 3;
  info.bmiHeader.biHeight = -1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win32::UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const std::uint8_t pixels[12] = {16, 16, 16, 16, 16, 17, 16, 16, 16, 0, 0, 0};  // BGR rows, padded to 4
  std::copy(std::begin(pixels), std::end(pixels), static_cast<std::uint8_t*>(bits));
  return bitmap;
}

COLORREF PixelAt(HBITMAP bitmap, int x) {
  DIBSECTION section{};
  ::GetObjectA(bitmap, sizeof(section), &section);
  const auto* row = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
  const std::uint32_t p = row[x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

TEST(ButtonBitmap, OnlyTheExactKeyColourTakesTheSurfaceColour) {
  win32::UniqueBitmap strip = MakeStrip();
  ASSERT_TRUE(strip);
  const COLORREF face = RGB(200, 210, 220);
  win32::UniqueBitmap keyed = win32::ReplaceColour(strip.Get(), win32::kTransparentKey, face);
  ASSERT_TRUE(keyed);
  EXPECT_EQ(PixelAt(keyed.Get(), 0), face);
  EXPECT_EQ(PixelAt(keyed.Get(), 1), RGB(17, 16, 16));
  EXPECT_EQ(PixelAt(keyed.Get(), 2), face);
}

TEST(ButtonBitmap, AMissingResourceGivesNoBitmap) {
  EXPECT_FALSE(win32::LoadKeyedBitmap(::GetModuleHandleA(nullptr), 4242, RGB(0, 0, 0)));
}

// The editor's own "new file" image, compiled into this executable as resource 501.
TEST(ButtonBitmap, AResourceImageLoadsWithItsBackgroundShowingTheSurface) {
  const COLORREF face = RGB(200, 210, 220);
  win32::UniqueBitmap image = win32::LoadKeyedBitmap(::GetModuleHandleA(nullptr), editor::kBitmapNewFile, face);
  ASSERT_TRUE(image);
  DIBSECTION section{};
  ASSERT_NE(::GetObjectA(image.Get(), sizeof(section), &section), 0);
  EXPECT_EQ(section.dsBm.bmWidth, 24);
  EXPECT_EQ(std::abs(section.dsBm.bmHeight), 24);
  EXPECT_EQ(PixelAt(image.Get(), 0), face);  // a corner is background
}

}  // namespace
