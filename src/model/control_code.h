// The statements the "Create code" window writes for chosen controls: one line per ticked
// option and control, in a fixed order of options.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace editor {

struct CodeTarget {
  std::string window;
  std::string control;
};

struct SendMessageArguments {
  std::string message;
  std::string w;
  std::string lParam;
};

struct CodeOptions {
  bool show = false;
  bool hide = false;
  bool stateOn = false;
  bool stateOff = false;
  bool enable = false;
  bool disable = false;
  std::optional<std::pair<std::string, int>> font;  // name and size
  std::optional<std::pair<std::string, std::string>> colours;  // foreground, background
  std::optional<SendMessageArguments> sendMessage;
  std::optional<std::string> controlCommand;
  std::optional<std::string> pattern;  // w* stands for the window, c* for the control
  bool lowerCase = false;              // the key words written in lower case

  int Count() const;
};

// The empty boxes of a message take their stand-ins: "MESSAGE" and "0".
SendMessageArguments WithStandIns(SendMessageArguments arguments);
std::string CommandWithStandIn(std::string message);

// A user pattern is usable when it names the window or the control.
bool PatternUsable(std::string_view pattern);

// Lines end with CR; with more than one option, a blank line follows each control.
std::string ControlCode(const std::vector<CodeTarget>& targets, const CodeOptions& options);

}  // namespace editor
