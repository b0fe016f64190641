#include "model/source_file.h"

#include <algorithm>

#include "base/replace_file.h"
#include "base/whole_file.h"
#include "base/word_delimiters.h"
#include "model/keyword_case.h"

namespace editor {

namespace {

constexpr int kDefaultTextLimit = 1'048'576;
constexpr std::uintmax_t kRoomAbove = 500'000;

SourceReadStatus StatusOf(WholeFileStatus status) {
  switch (status) {
    case WholeFileStatus::kRead: return SourceReadStatus::kRead;
    case WholeFileStatus::kMissing: return SourceReadStatus::kMissing;
    case WholeFileStatus::kUnreadable: return SourceReadStatus::kUnreadable;
    case WholeFileStatus::kTooLarge: return SourceReadStatus::kTooLarge;
  }
  return SourceReadStatus::kUnreadable;
}

std::size_t FindHexMarker(std::string_view line) {
  for (std::size_t i = 0; i + 1 < line.size(); ++i)
    if (line[i] == '0' && (line[i + 1] == 'x' || line[i + 1] == 'X')) return i;
  return std::string_view::npos;
}

}  // namespace

SourceRead ReadSourceFile(const std::filesystem::path& path) {
  WholeFile file = ReadWholeFile(path, kMaxSourceBytes);
  SourceRead read{StatusOf(file.status), {}};
  if (read.status != SourceReadStatus::kRead) return read;
  if (file.bytes.find('\0') != std::string::npos) return {SourceReadStatus::kHasNul, {}};
  read.bytes = std::move(file.bytes);
  return read;
}

int TextLimitForFile(std::uintmax_t size) {
  if (size <= kRoomAbove) return kDefaultTextLimit;
  return static_cast<int>(std::min<std::uintmax_t>(size + kRoomAbove, 0x7FFFFFFF));
}

void LowerFirstHexLiteral(std::span<char> line) {
  if (line.size() <= 2) return;
  const std::string_view text(line.data(), line.size());
  const std::size_t h = FindHexMarker(text);
  if (h == std::string::npos) return;
  const std::size_t q1 = text.find('"');
  const std::size_t q2 = q1 == std::string::npos ? std::string::npos : text.find('"', q1 + 1);
  const bool quoted = q2 != std::string::npos && q1 < h && h < q2;
  if (quoted) return;
  for (std::size_t i = h; i < line.size() && (i == h || DelimiterCode(line[i]) == delimiter::kNone); ++i)
    line[i] = AsciiLower(line[i]);
}

std::string SaveFormOf(std::string_view text, HexLiterals literals, const SaveProgress& afterLine) {
  std::string out;
  out.reserve(text.size() + text.size() / 16 + 2);
  std::size_t at = 0;
  int number = 0;
  while (at < text.size()) {
    const std::size_t brk = text.find_first_of("\r\n", at);
    const std::size_t end = brk == std::string_view::npos ? text.size() : brk;
    const std::size_t lineStart = out.size();
    out.append(text.substr(at, end - at));
    if (literals == HexLiterals::kLowerFirstOfEachLine)
      LowerFirstHexLiteral(std::span<char>(out.data() + lineStart, end - at));
    out += "\r\n";
    if (afterLine) afterLine(++number);
    if (brk == std::string_view::npos) break;
    at = brk + ((text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n') ? 2 : 1);
  }
  return out;
}

namespace {

// The rename that replaces a file would pass over a read-only mark on some systems:
// the mark is honoured here on all of them.
bool IsMarkedReadOnly(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (error || !std::filesystem::is_regular_file(status)) return false;
  return (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

}  // namespace

SourceWriteStatus WriteSourceFile(FileSteps& files, const std::filesystem::path& path, std::string_view bytes) {
  if (path.empty() || !path.has_filename()) return SourceWriteStatus::kFailed;
  if (IsMarkedReadOnly(path)) return SourceWriteStatus::kReadOnly;
  return ReplaceFileWhole(files, path, bytes) ? SourceWriteStatus::kWritten : SourceWriteStatus::kFailed;
}

}  // namespace editor
