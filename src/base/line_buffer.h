// How much of one line the per-line steps read from the control: a longer line is
// handled only as far as this holds it.
#pragma once

namespace editor {

inline constexpr int kLineBufferChars = 512;

}  // namespace editor
