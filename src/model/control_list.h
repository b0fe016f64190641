// Which of a file's controls the control search lists, and the details it copies.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/control_index.h"
#include "platform/types.h"

namespace editor {

inline constexpr std::string_view kAllEntries = "ALL";

struct ControlFilter {
  std::string text;        // looked for in the names, letter case ignored
  bool inName = false;     // anywhere in the name, rather than at its start
  std::string window{kAllEntries};
  std::string type{kAllEntries};
  bool excludeStatics = true;
};

// A typed text against a name, letter case ignored: its start, or anywhere in it; an
// empty text matches every name.
bool NameMatchesTyped(std::string_view name, std::string_view typed, bool anywhere);

// The controls that pass, ordered by name with letter case ignored.
std::vector<ControlEntry> FilteredControls(const std::vector<ControlEntry>& controls, const ControlFilter& filter);

// The types met, each once (letter case ignored), in the order first met.
std::vector<std::string> ControlTypes(const std::vector<ControlEntry>& controls);

struct DetailsHeading {
  std::string fileName;
  std::string path;
  ui::DateTime made;
};

// The listed controls window by window, in list order, each with its statement's and
// its CASE's lines; lines end with CR.
std::string ControlDetailsText(const std::vector<ControlEntry>& listed, const DetailsHeading& heading);

}  // namespace editor
