// Raises a flag for as long as an operation runs and puts back what it was before, however
// the operation ends: the busy flag that keeps change notices out while text is rebuilt,
// and the loading flag that keeps list notices out while a file's lists are filled.
#pragma once

namespace editor {

class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = was_; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace editor
