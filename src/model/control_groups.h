// The control groups of a source file, one member a line: "group:name,window!type".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace editor {

struct GroupMember {
  std::string group;
  std::string name;
  std::string window;
  std::string type;
  friend bool operator==(const GroupMember&, const GroupMember&) = default;
};

// Empty lines and lines without a group name or a name are left out.
std::vector<GroupMember> ReadGroupLines(std::string_view text);
// One line per member, each ended by CR LF; no members give one empty line.
std::string GroupFileText(const std::vector<GroupMember>& members);

// Every group name once, in order.
std::vector<std::string> GroupNames(const std::vector<GroupMember>& members);
std::vector<GroupMember> MembersOf(const std::vector<GroupMember>& members, std::string_view group);

// Adds the member unless the group holds it already; true when it was added.
bool AddMember(std::vector<GroupMember>& members, const GroupMember& member);
void DeleteGroup(std::vector<GroupMember>& members, std::string_view group);
// The group keeps only these of its members, after the other groups' lines.
void KeepMembers(std::vector<GroupMember>& members, std::string_view group, const std::vector<GroupMember>& kept);

// "Controls in group - " and the group's name, then each member's name, window and type.
std::string GroupListText(std::string_view group, const std::vector<GroupMember>& members);

}  // namespace editor
