// Bitmaps for image buttons: the resource's key colour shows the button face through.
#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace win32 {

// The colour the editor's button bitmaps are drawn with where the face should show.
constexpr COLORREF kTransparentKey = RGB(16, 16, 16);

// A 32-bit copy of the bitmap with every pixel of the key colour replaced.
UniqueBitmap ReplaceColour(HBITMAP source, COLORREF key, COLORREF replacement);

// The bitmap resource with the key colour shown as the surface colour it sits on;
// empty when the resource is missing.
UniqueBitmap LoadKeyedBitmap(HINSTANCE module, int bitmapId, COLORREF surface);

}  // namespace win32
