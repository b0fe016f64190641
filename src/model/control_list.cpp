#include "model/control_list.h"

#include <algorithm>
#include <cstdio>

#include "base/letter_case.h"
#include "model/search_result_rows.h"

namespace editor {

namespace {

bool IsAll(std::string_view entry) { return entry.empty() || EqualIgnoringCase(entry, kAllEntries); }

bool Passes(const ControlEntry& control, const ControlFilter& filter) {
  if (filter.excludeStatics && EqualIgnoringCase(control.type, "STATIC")) return false;
  if (!IsAll(filter.window) && !EqualIgnoringCase(filter.window, control.window)) return false;
  if (!IsAll(filter.type) && !EqualIgnoringCase(filter.type, control.type)) return false;
  return NameMatchesTyped(control.name, filter.text, filter.inName);
}

std::string Padded(const std::string& text, std::size_t width) {
  return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

std::string TwoDigits(int value) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%02d", value);
  return digits;
}

std::string SectionHeading(std::size_t longest, const ui::DateTime& made, const std::string& window) {
  std::string line = "Ctrl name ";
  if (longest >= 10) line += std::string(longest - 9, ' ');
  line += "  List created " + TwoDigits(made.day) + "-" + TwoDigits(made.month) + "-" + std::to_string(made.year);
  return line + " @ " + TwoDigits(made.hour) + ":" + TwoDigits(made.minute) + "  Wnd " + window + "\r";
}

std::string DetailLine(const ControlEntry& control, std::size_t longest) {
  const std::string caseLine = control.caseLine == kNoLine ? "N/A" : std::to_string(control.caseLine.Value());
  return Padded(control.name, longest) + "   Created at " + std::to_string(control.line.Value()) +
         "\t\t\tStatement " + caseLine + "\t\t" + control.type + "\r";
}

}  // namespace

bool NameMatchesTyped(std::string_view name, std::string_view typed, bool anywhere) {
  if (typed.empty()) return true;
  if (anywhere) return FindIgnoringCase(name, UpperCase(typed)) != std::string_view::npos;
  return name.size() >= typed.size() && EqualIgnoringCase(name.substr(0, typed.size()), typed);
}

std::vector<ControlEntry> FilteredControls(const std::vector<ControlEntry>& controls, const ControlFilter& filter) {
  std::vector<ControlEntry> listed;
  std::copy_if(controls.begin(), controls.end(), std::back_inserter(listed),
               [&filter](const ControlEntry& control) { return Passes(control, filter); });
  std::stable_sort(listed.begin(), listed.end(),
                   [](const ControlEntry& a, const ControlEntry& b) { return CellOrdersBefore(a.name, b.name); });
  return listed;
}

std::vector<std::string> ControlTypes(const std::vector<ControlEntry>& controls) {
  std::vector<std::string> types;
  for (const ControlEntry& control : controls)
    if (std::none_of(types.begin(), types.end(),
                     [&control](const std::string& type) { return EqualIgnoringCase(type, control.type); }))
      types.push_back(control.type);
  return types;
}

std::string ControlDetailsText(const std::vector<ControlEntry>& listed, const DetailsHeading& heading) {
  std::size_t longest = 0;
  std::vector<std::string> windows;
  for (const ControlEntry& control : listed) {
    longest = std::max(longest, control.name.size());
    if (std::find(windows.begin(), windows.end(), control.window) == windows.end()) windows.push_back(control.window);
  }
  std::string text = "\rName " + heading.fileName + "\rPath " + heading.path + "\r";
  for (const std::string& window : windows) {
    text += "\r" + SectionHeading(longest, heading.made, window) + "\r";
    for (const ControlEntry& control : listed)
      if (control.window == window) text += DetailLine(control, longest);
  }
  return text;
}

}  // namespace editor
