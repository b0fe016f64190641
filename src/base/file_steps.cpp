#include "base/file_steps.h"

#include <cstdio>
#include <system_error>

namespace editor {

namespace {

class DiskFile final : public WrittenFile {
 public:
  explicit DiskFile(std::FILE* file) : file_(file) {}
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;
  ~DiskFile() override {
    if (file_ != nullptr) std::fclose(file_);
  }

  bool Write(std::string_view bytes) override {
    return file_ != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
  }
  bool Flush() override { return file_ != nullptr && std::fflush(file_) == 0; }
  bool Close() override {
    if (file_ == nullptr) return false;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed;
  }

 private:
  std::FILE* file_;
};

class Disk final : public FileSteps {
 public:
  std::unique_ptr<WrittenFile> Create(const std::filesystem::path& path) override {
#ifdef _WIN32
    std::FILE* file = _wfopen(path.c_str(), L"wb");
#else
    std::FILE* file = std::fopen(path.c_str(), "wb");
#endif
    if (file == nullptr) return nullptr;
    return std::make_unique<DiskFile>(file);
  }
  bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
  }
  bool Remove(const std::filesystem::path& path) override {
    std::error_code error;
    return std::filesystem::remove(path, error) && !error;
  }
};

}  // namespace

FileSteps& DiskFiles() {
  static Disk disk;
  return disk;
}

}  // namespace editor
