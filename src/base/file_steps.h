// Writing a file, one step at a time: create, write, flush, close, rename and remove. Every
// file the editor writes goes through these steps, so that a test can make any one of them
// fail and see that nothing is lost.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

namespace editor {

// A file open for writing; each step reports whether it worked.
class WrittenFile {
 public:
  virtual ~WrittenFile() = default;
  virtual bool Write(std::string_view bytes) = 0;
  virtual bool Flush() = 0;
  virtual bool Close() = 0;
};

class FileSteps {
 public:
  virtual ~FileSteps() = default;
  // Creates the file empty, or empties it; nullptr when that fails.
  virtual std::unique_ptr<WrittenFile> Create(const std::filesystem::path& path) = 0;
  // Replaces `to` in one step.
  virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual bool Remove(const std::filesystem::path& path) = 0;
};

// The disk itself. It keeps no state, so one serves every caller.
FileSteps& DiskFiles();

}  // namespace editor
