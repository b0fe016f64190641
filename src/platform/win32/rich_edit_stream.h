// Putting text into a rich edit by streaming, which is far faster than WM_SETTEXT.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace win32 {

// The length of the next chunk from offset, at most maxBytes. A chunk never ends on a
// CR while text follows: a CR LF pair split across chunks would become two breaks.
std::size_t StreamChunkLength(std::string_view text, std::size_t offset, std::size_t maxBytes);

// Replaces the control's whole text, or with intoSelection only its selection (the text
// then takes the selection's paragraph and character formats); returns false when the
// control reported an error.
bool StreamInText(HWND control, std::string_view text, bool intoSelection = false);

}  // namespace win32
