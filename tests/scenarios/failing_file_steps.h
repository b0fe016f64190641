// File steps that pass every call on to the disk but one: the Nth step of the writes of
// one file (the file itself and its temporary), counted from 1, fails as a full disk or a
// locked file would. Steps on other files pass and are not counted.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>

#include "base/file_steps.h"

namespace editor {

class FailingFileSteps final : public FileSteps {
 public:
  FailingFileSteps(std::filesystem::path target, int failingStep)
      : target_(std::move(target)), failingStep_(failingStep) {}

  bool Failed() const { return failed_; }
  int Steps() const { return steps_; }

  std::unique_ptr<WrittenFile> Create(const std::filesystem::path& path) override {
    if (!Counts(path)) return DiskFiles().Create(path);
    if (FailsNow()) return nullptr;
    std::unique_ptr<WrittenFile> file = DiskFiles().Create(path);
    return file ? std::make_unique<File>(*this, std::move(file)) : nullptr;
  }
  bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return (!Counts(to) || !FailsNow()) && DiskFiles().Rename(from, to);
  }
  bool Remove(const std::filesystem::path& path) override {
    return (!Counts(path) || !FailsNow()) && DiskFiles().Remove(path);
  }

 private:
  // A failed write, flush or close has still done its part on the disk, half a file
  // included: only what it reports is false.
  class File final : public WrittenFile {
   public:
    File(FailingFileSteps& steps, std::unique_ptr<WrittenFile> file) : steps_(steps), file_(std::move(file)) {}
    bool Write(std::string_view bytes) override {
      if (!steps_.FailsNow()) return file_->Write(bytes);
      file_->Write(bytes.substr(0, bytes.size() / 2));
      return false;
    }
    bool Flush() override { return file_->Flush() && !steps_.FailsNow(); }
    bool Close() override { return file_->Close() && !steps_.FailsNow(); }

   private:
    FailingFileSteps& steps_;
    std::unique_ptr<WrittenFile> file_;
  };

  bool Counts(const std::filesystem::path& path) const {
    std::filesystem::path temporary = target_;
    temporary += ".tmp";
    return path == target_ || path == temporary;
  }

  bool FailsNow() {
    if (++steps_ != failingStep_) return false;
    failed_ = true;
    return true;
  }

  std::filesystem::path target_;
  int failingStep_;
  int steps_ = 0;
  bool failed_ = false;
};

}  // namespace editor
