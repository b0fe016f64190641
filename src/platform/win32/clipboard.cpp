#include "platform/win32/clipboard.h"

#include <cstring>

#include "platform/win32/global_memory.h"

namespace win32 {

bool PutClipboardText(HWND owner, std::string_view text) {
  GlobalMemory memory(text.size() + 1);
  if (!memory) return false;
  {
    GlobalLock lock(memory.Get());
    if (lock.Data() == nullptr) return false;
    char* bytes = static_cast<char*>(lock.Data());
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
  }
  ClipboardSession clipboard(owner);
  if (!clipboard.IsOpen() || !::EmptyClipboard()) return false;
  if (::SetClipboardData(CF_TEXT, memory.Get()) == nullptr) return false;
  memory.Release();
  return true;
}

std::optional<std::string> GetClipboardText(HWND owner) {
  ClipboardSession clipboard(owner);
  if (!clipboard.IsOpen()) return std::nullopt;
  HANDLE data = ::GetClipboardData(CF_TEXT);
  if (data == nullptr) return std::nullopt;
  GlobalLock lock(data);
  if (lock.Data() == nullptr) return std::nullopt;
  // The block may be larger than the text; never read past its end.
  const char* bytes = static_cast<const char*>(lock.Data());
  return std::string(bytes, ::strnlen(bytes, lock.Size()));
}

bool ClipboardHoldsText() { return ::IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

void EmptyTheClipboard(HWND owner) {
  ClipboardSession clipboard(owner);
  if (clipboard.IsOpen()) ::EmptyClipboard();
}

}  // namespace win32
