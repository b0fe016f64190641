// The control groups window: the file's controls on the left, a named group's members on
// the right, kept in the file's ".grp" companion; a group's code or list goes to the clipboard.
#pragma once

#include <vector>

#include "model/control_index.h"
#include "platform/types.h"

namespace editor {

struct Editor;

namespace control_groups {
constexpr ui::ControlId kFileControlList = 500;
constexpr ui::ControlId kSelectAllControls = 501;
constexpr ui::ControlId kClearAllControls = 502;
constexpr ui::ControlId kAddToGroupButton = 503;
constexpr ui::ControlId kGroupLabel = 504;
constexpr ui::ControlId kGroupList = 505;
constexpr ui::ControlId kNewGroupButton = 506;
constexpr ui::ControlId kDeleteGroupButton = 507;
constexpr ui::ControlId kGroupNameBox = 508;
constexpr ui::ControlId kAddGroupNameButton = 509;
constexpr ui::ControlId kMemberList = 510;
constexpr ui::ControlId kSelectAllMembers = 511;
constexpr ui::ControlId kClearAllMembers = 512;
constexpr ui::ControlId kRemoveMembersButton = 513;
constexpr ui::ControlId kCreateCodeButton = 514;
constexpr ui::ControlId kCloseAfterCodeBox = 515;
constexpr ui::ControlId kCopyButton = 516;
constexpr ui::ControlId kCloseAfterCopyBox = 517;
constexpr ui::ControlId kControlsLabel = 518;
constexpr ui::ControlId kPageHelpButton = 519;
constexpr ui::ControlId kCloseButton = 2;
}  // namespace control_groups

// How the window ended: closed, or asking for code for the control search's list.
enum class GroupsWindowEnd { kClosed, kCodeForSearchList };

// `listed`: the controls the control search lists. Returns when the window has closed.
GroupsWindowEnd RunControlGroups(Editor& editor, const std::vector<ControlEntry>& listed);

}  // namespace editor
