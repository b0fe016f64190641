// A named property set on a window for the life of this object.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

class WindowProperty {
 public:
  WindowProperty(HWND window, std::string name, HANDLE value)
      : window_(window), name_(std::move(name)) {
    if (::SetPropA(window_, name_.c_str(), value) == FALSE) window_ = nullptr;
  }
  WindowProperty(const WindowProperty&) = delete;
  WindowProperty& operator=(const WindowProperty&) = delete;
  ~WindowProperty() { Remove(); }

  bool IsSet() const { return window_ != nullptr; }

  // Early removal, for when the window is about to go.
  void Remove() {
    if (window_ != nullptr && ::IsWindow(window_)) ::RemovePropA(window_, name_.c_str());
    window_ = nullptr;
  }

 private:
  HWND window_;
  std::string name_;
};

}  // namespace win32
