#include "platform/win32/rich_edit_stream.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace win32 {

namespace {

struct StreamSource {
  std::string_view text;
  std::size_t offset = 0;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* written) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const std::size_t length =
      StreamChunkLength(source->text, source->offset, static_cast<std::size_t>(std::max<LONG>(capacity, 0)));
  std::memcpy(buffer, source->text.data() + source->offset, length);
  source->offset += length;
  *written = static_cast<LONG>(length);
  return 0;
}

}  // namespace

std::size_t StreamChunkLength(std::string_view text, std::size_t offset, std::size_t maxBytes) {
  if (offset >= text.size()) return 0;
  const std::size_t remaining = text.size() - offset;
  std::size_t length = std::min(remaining, maxBytes);
  if (length < remaining && length > 1 && text[offset + length - 1] == '\r') --length;
  return length;
}

bool StreamInText(HWND control, std::string_view text, bool intoSelection) {
  StreamSource source{text, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = &ReadChunk;
  const WPARAM format = SF_TEXT | (intoSelection ? SFF_SELECTION : 0);
  ::SendMessageA(control, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

}  // namespace win32
