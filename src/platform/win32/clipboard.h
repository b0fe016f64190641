// The clipboard as plain ANSI text.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace win32 {

// The clipboard, open for the length of a scope.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  ~ClipboardSession() {
    if (open_) ::CloseClipboard();
  }
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

// The owner window must exist: emptying the clipboard makes it the owner, and
// Windows refuses data from a clipboard without one.
bool PutClipboardText(HWND owner, std::string_view text);
std::optional<std::string> GetClipboardText(HWND owner);
bool ClipboardHoldsText();
void EmptyTheClipboard(HWND owner);

}  // namespace win32
