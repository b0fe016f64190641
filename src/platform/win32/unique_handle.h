// Move-only owners of Windows handles, one alias per kind of handle.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

template <typename Handle, auto Destroy>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Gives up ownership, say after handing the handle to Windows.
  Handle Release() { return std::exchange(handle_, nullptr); }

  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Destroy(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

namespace release {
inline void GdiObject(HGDIOBJ object) { ::DeleteObject(object); }
inline void Menu(HMENU menu) { ::DestroyMenu(menu); }
inline void Accelerators(HACCEL table) { ::DestroyAcceleratorTable(table); }
inline void Module(HMODULE module) { ::FreeLibrary(module); }
inline void Window(HWND window) { ::DestroyWindow(window); }
inline void MemoryDc(HDC dc) { ::DeleteDC(dc); }
inline void Kernel(HANDLE object) { ::CloseHandle(object); }
}  // namespace release

using UniqueFont = UniqueHandle<HFONT, &release::GdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, &release::GdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, &release::GdiObject>;
using UniqueMenu = UniqueHandle<HMENU, &release::Menu>;
using UniqueAccelerators = UniqueHandle<HACCEL, &release::Accelerators>;
using UniqueModule = UniqueHandle<HMODULE, &release::Module>;
using UniqueWindow = UniqueHandle<HWND, &release::Window>;
using UniqueMemoryDc = UniqueHandle<HDC, &release::MemoryDc>;
using UniqueKernelHandle = UniqueHandle<HANDLE, &release::Kernel>;  // a process, thread or event

// A window's device context for the length of a scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back at the end of the scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { ::SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace win32
