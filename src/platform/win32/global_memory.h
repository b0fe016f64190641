// Owner of a movable global memory block, the form the clipboard takes its data in.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

namespace win32 {

class GlobalMemory {
 public:
  explicit GlobalMemory(std::size_t bytes) : memory_(::GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
  GlobalMemory(GlobalMemory&& other) noexcept : memory_(other.Release()) {}
  GlobalMemory& operator=(GlobalMemory&&) = delete;
  GlobalMemory(const GlobalMemory&) = delete;
  GlobalMemory& operator=(const GlobalMemory&) = delete;
  ~GlobalMemory() {
    if (memory_ != nullptr) ::GlobalFree(memory_);
  }

  HGLOBAL Get() const { return memory_; }
  explicit operator bool() const { return memory_ != nullptr; }
  // After SetClipboardData succeeds the clipboard owns the block.
  HGLOBAL Release() { return std::exchange(memory_, nullptr); }

 private:
  HGLOBAL memory_;
};

// Locks a global memory block for the length of a scope; does not own the block.
class GlobalLock {
 public:
  explicit GlobalLock(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
  GlobalLock(const GlobalLock&) = delete;
  GlobalLock& operator=(const GlobalLock&) = delete;
  ~GlobalLock() {
    if (data_ != nullptr) ::GlobalUnlock(memory_);
  }
  void* Data() const { return data_; }
  std::size_t Size() const { return ::GlobalSize(memory_); }

 private:
  HGLOBAL memory_;
  void* data_;
};

}  // namespace win32
