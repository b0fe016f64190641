// The group file of a source file: its lines read, changed and written back.
#include "model/control_groups.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

TEST(ControlGroups, AGroupsLinesAreItsOwnWhateverTheOtherNamesLookLike) {
  std::vector<GroupMember> members =
      ReadGroupLines("A:IDOK,w1!BUTTON\r\n\r\nB:Apple,w1!BUTTON\r\nA:IDC_NAME,d1!EDIT\r\nno group line\r\n");
  ASSERT_EQ(members.size(), 3u);
  EXPECT_EQ(GroupNames(members), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(MembersOf(members, "A").size(), 2u);
  EXPECT_FALSE(AddMember(members, {"A", "IDOK", "w1", "BUTTON"}));  // already there
  DeleteGroup(members, "A");
  EXPECT_EQ(GroupFileText(members), "B:Apple,w1!BUTTON\r\n");
  DeleteGroup(members, "B");
  EXPECT_EQ(GroupFileText(members), "\r\n");
}

TEST(ControlGroups, RemovingMembersKeepsTheOthersWholeAfterTheOtherGroups) {
  std::vector<GroupMember> members =
      ReadGroupLines("A:IDOK,w1!BUTTON\r\nB:Apple,w1!BUTTON\r\nA:IDC_NAME,d1!EDIT\r\n");
  KeepMembers(members, "A", {{"A", "IDC_NAME", "d1", "EDIT"}});
  EXPECT_EQ(GroupFileText(members), "B:Apple,w1!BUTTON\r\nA:IDC_NAME,d1!EDIT\r\n");
  EXPECT_EQ(GroupListText("A", MembersOf(members, "A")), "Controls in group - A\rIDC_NAME  d1  EDIT\r");
}

}  // namespace
}  // namespace editor
