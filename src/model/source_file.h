// A source file's bytes on their way into the editor and back to disk. Every byte but
// NUL survives the round trip; a file the editor cannot hold whole is refused rather
// than cut, and a save replaces the old file only once the new one is complete.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "base/file_steps.h"

namespace editor {

enum class SourceReadStatus {
  kRead,
  kMissing,     // an empty text: a new file starts this way
  kUnreadable,  // not a file, or it cannot be opened
  kTooLarge,    // beyond kMaxSourceBytes: refused, nothing loaded
  kHasNul,      // the control would end the text at the NUL: refused, nothing loaded
};

// Far beyond any real source file, and well short of what the control can take.
inline constexpr std::uintmax_t kMaxSourceBytes = 64u << 20;

struct SourceRead {
  SourceReadStatus status = SourceReadStatus::kMissing;
  std::string bytes;
};

SourceRead ReadSourceFile(const std::filesystem::path& path);

// The edit control's text limit for a file of this size: room for half a megabyte of
// typing above what the file brings.
int TextLimitForFile(std::uintmax_t size);

// Lower-cases the line's first "0X" literal unless it lies within the line's first
// pair of double quotes. Lines of two characters or fewer are left alone.
void LowerFirstHexLiteral(std::span<char> line);

enum class HexLiterals { kLowerFirstOfEachLine, kAsTheyAre };

// The bytes a save writes for the control's whole text (CR LF, LF or CR breaks): every
// line whole, each ended by CR LF, the last one included. A break that ends the text
// does not make another, empty line.
using SaveProgress = std::function<void(int line)>;  // after each line, counted from 1
std::string SaveFormOf(std::string_view text, HexLiterals literals, const SaveProgress& afterLine = {});

enum class SourceWriteStatus {
  kWritten,
  kReadOnly,  // the file is marked read-only: left as it was
  kFailed,    // no path, or the write or the rename failed: any old file is untouched
};

// Replaces the file with these bytes in one step, never leaving half of them.
SourceWriteStatus WriteSourceFile(FileSteps& files, const std::filesystem::path& path, std::string_view bytes);

}  // namespace editor
