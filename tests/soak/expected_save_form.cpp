#include "soak/expected_save_form.h"

#include <cctype>

namespace editor::soak {

namespace {

constexpr std::string_view kHexEnds = "\"' ,-+()[]=:<>&|\t\r\n.";

std::string LowerFirstHex(std::string line) {
  if (line.size() <= 2) return line;
  std::size_t hex = std::string::npos;
  for (std::size_t i = 0; i + 1 < line.size(); ++i)
    if (line[i] == '0' && (line[i + 1] == 'x' || line[i + 1] == 'X')) {
      hex = i;
      break;
    }
  if (hex == std::string::npos) return line;
  const std::size_t open = line.find('"');
  const std::size_t close = open == std::string::npos ? std::string::npos : line.find('"', open + 1);
  if (close != std::string::npos && hex > open && hex < close) return line;
  for (std::size_t i = hex + 1; i < line.size() && kHexEnds.find(line[i]) == std::string_view::npos; ++i)
    line[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(line[i])));
  return line;
}

}  // namespace

std::string ExpectedSaveForm(std::string_view text, bool lowerHex) {
  std::string saved;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = text.size();
    const std::string line(text.substr(at, end - at));
    saved += (lowerHex ? LowerFirstHex(line) : line) + "\r\n";
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    at = end + 1;
  }
  return saved;
}

}  // namespace editor::soak
