#include "model/control_groups.h"

#include <algorithm>

#include "base/text_lines.h"
#include "base/word_delimiters.h"

namespace editor {

namespace {

// The text up to the separator and what follows it; all of it when the separator is missing.
std::pair<std::string_view, std::string_view> CutAt(std::string_view text, char separator) {
  const std::size_t at = text.find(separator);
  if (at == std::string_view::npos) return {text, {}};
  return {text.substr(0, at), text.substr(at + 1)};
}

}  // namespace

std::vector<GroupMember> ReadGroupLines(std::string_view text) {
  std::vector<GroupMember> members;
  ForEachLine(text, [&members](std::string_view line) {
    const auto [group, afterGroup] = CutAt(line, ':');
    const auto [name, afterName] = CutAt(afterGroup, ',');
    const auto [window, type] = CutAt(afterName, '!');
    GroupMember member{std::string(Trimmed(group)), std::string(Trimmed(name)), std::string(Trimmed(window)),
                       std::string(Trimmed(type))};
    if (!member.group.empty() && !member.name.empty() && line.find(':') != std::string_view::npos)
      members.push_back(std::move(member));
  });
  return members;
}

std::string GroupFileText(const std::vector<GroupMember>& members) {
  if (members.empty()) return "\r\n";
  std::string text;
  for (const GroupMember& m : members) text += m.group + ":" + m.name + "," + m.window + "!" + m.type + "\r\n";
  return text;
}

std::vector<std::string> GroupNames(const std::vector<GroupMember>& members) {
  std::vector<std::string> names;
  for (const GroupMember& m : members)
    if (std::find(names.begin(), names.end(), m.group) == names.end()) names.push_back(m.group);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<GroupMember> MembersOf(const std::vector<GroupMember>& members, std::string_view group) {
  std::vector<GroupMember> of;
  std::copy_if(members.begin(), members.end(), std::back_inserter(of),
               [group](const GroupMember& m) { return m.group == group; });
  return of;
}

bool AddMember(std::vector<GroupMember>& members, const GroupMember& member) {
  if (std::find(members.begin(), members.end(), member) != members.end()) return false;
  members.push_back(member);
  return true;
}

void DeleteGroup(std::vector<GroupMember>& members, std::string_view group) {
  std::erase_if(members, [group](const GroupMember& m) { return m.group == group; });
}

void KeepMembers(std::vector<GroupMember>& members, std::string_view group, const std::vector<GroupMember>& kept) {
  DeleteGroup(members, group);
  members.insert(members.end(), kept.begin(), kept.end());
}

std::string GroupListText(std::string_view group, const std::vector<GroupMember>& members) {
  std::string text = "Controls in group - " + std::string(group) + "\r";
  for (const GroupMember& m : members) text += m.name + "  " + m.window + "  " + m.type + "\r";
  return text;
}

}  // namespace editor
