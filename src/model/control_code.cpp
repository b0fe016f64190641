#include "model/control_code.h"

#include "base/letter_case.h"

namespace editor {

namespace {

// Every occurrence of the marker, letter case ignored, gives way to the text.
std::string ReplacedIgnoringCase(std::string text, std::string_view upperMarker, std::string_view by) {
  for (std::size_t at = FindIgnoringCase(text, upperMarker); at != std::string::npos;) {
    text.replace(at, upperMarker.size(), by);
    const std::size_t next = FindIgnoringCase(std::string_view(text).substr(at + by.size()), upperMarker);
    at = next == std::string_view::npos ? std::string::npos : at + by.size() + next;
  }
  return text;
}

class CodeWriter {
 public:
  explicit CodeWriter(bool lowerCase) : lowerCase_(lowerCase) {}

  void Line(std::string_view keyword, const std::string& rest) {
    text_ += (lowerCase_ ? LowerCase(keyword) : std::string(keyword)) + rest + "\r";
  }
  void Plain(const std::string& line) { text_ += line + "\r"; }
  void Blank() { text_ += "\r"; }
  std::string Take() { return std::move(text_); }

 private:
  bool lowerCase_;
  std::string text_;
};

void WriteControl(CodeWriter& out, const CodeTarget& target, const CodeOptions& options) {
  const std::string& w = target.window;
  const std::string& c = target.control;
  if (options.font)
    out.Line("SETFONT ", w + ",\"" + options.font->first + "\"," + std::to_string(options.font->second) + ",400,0," + c);
  if (options.colours) out.Line("SETCONTROLCOLOR ", w + "," + c + "," + options.colours->first + "," + options.colours->second);
  if (options.stateOn) out.Line("SETSTATE(", w + "," + c + ",1)");
  if (options.stateOff) out.Line("SETSTATE(", w + "," + c + ",0)");
  if (options.enable) out.Line("ENABLECONTROL ", w + "," + c + ",1");
  if (options.disable) out.Line("ENABLECONTROL ", w + "," + c + ",0");
  const std::string show = options.lowerCase ? "@swshow" : "@SWSHOW";
  const std::string hide = options.lowerCase ? "@swhide" : "@SWHIDE";
  if (options.show) out.Line("SHOWWINDOW ", w + "," + show + "," + c);
  if (options.hide) out.Line("SHOWWINDOW ", w + "," + hide + "," + c);
  if (options.sendMessage) {
    const SendMessageArguments m = WithStandIns(*options.sendMessage);
    out.Line("SENDMESSAGE(GETCONTROLHANDLE(", w + "," + c + ")," + m.message + "," + m.w + "," + m.lParam + ")");
  }
  if (options.controlCommand) out.Line("CONTROLCMD ", w + "," + c + "," + CommandWithStandIn(*options.controlCommand));
  if (options.pattern) out.Plain(ReplacedIgnoringCase(ReplacedIgnoringCase(*options.pattern, "W*", w), "C*", c));
}

}  // namespace

int CodeOptions::Count() const {
  return show + hide + stateOn + stateOff + enable + disable + font.has_value() + colours.has_value() +
         sendMessage.has_value() + controlCommand.has_value() + pattern.has_value();
}

SendMessageArguments WithStandIns(SendMessageArguments arguments) {
  if (arguments.message.empty()) arguments.message = "MESSAGE";
  if (arguments.w.empty()) arguments.w = "0";
  if (arguments.lParam.empty()) arguments.lParam = "0";
  return arguments;
}

std::string CommandWithStandIn(std::string message) { return message.empty() ? "MESSAGE" : message; }

bool PatternUsable(std::string_view pattern) {
  return FindIgnoringCase(pattern, "W*") != std::string_view::npos ||
         FindIgnoringCase(pattern, "C*") != std::string_view::npos;
}

std::string ControlCode(const std::vector<CodeTarget>& targets, const CodeOptions& options) {
  CodeWriter out(options.lowerCase);
  for (const CodeTarget& target : targets) {
    WriteControl(out, target, options);
    if (options.Count() > 1) out.Blank();
  }
  return out.Take();
}

}  // namespace editor
