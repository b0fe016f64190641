#include "model/tab_table.h"

#include <algorithm>
#include <string>

#include "base/letter_case.h"

namespace editor {

namespace {

std::string FoldedPath(const std::filesystem::path& path) {
  std::string text = LowerCase(path.generic_string());
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

}  // namespace

bool SamePath(const std::filesystem::path& a, const std::filesystem::path& b) {
  return !a.empty() && FoldedPath(a) == FoldedPath(b);
}

std::optional<int> TabTable::FindFreeTab() const {
  // A tab named by the last run but not shown yet holds its file as much as a shown one.
  for (int t = 1; t <= kTabCount; ++t)
    if (!Tab(t).inUse && Tab(t).IsEmpty()) return t;
  return std::nullopt;
}

std::optional<int> TabTable::FindOpenFile(const std::filesystem::path& path) const {
  for (int t = 1; t <= kTabCount; ++t)
    if (!Tab(t).IsEmpty() && SamePath(Tab(t).path, path)) return t;
  return std::nullopt;
}

namespace {

// The caption starts with the file's whole name: "a.iwb" must not be found in "data.iwb".
bool CaptionNames(std::string_view windowCaption, std::string_view name) {
  if (name.empty() || !windowCaption.starts_with(name)) return false;
  const std::string_view rest = windowCaption.substr(name.size());
  return rest.empty() || rest.front() == '*' || rest.front() == ' ';
}

}  // namespace

std::optional<int> TabTable::FindOnScreen(std::string_view windowCaption) const {
  // Two files of one name in two folders: the caption names both, and the active one is shown.
  if (activeTab_ != 0 && CaptionNames(windowCaption, Tab(activeTab_).Name())) return activeTab_;
  for (int t = 1; t <= kTabCount; ++t)
    if (CaptionNames(windowCaption, Tab(t).Name())) return t;
  return std::nullopt;
}

int TabTable::OpenFileCount() const {
  int count = 0;
  for (int t = 1; t <= kTabCount; ++t)
    if (!Tab(t).IsEmpty()) ++count;
  return count;
}

}  // namespace editor
