#include "search/control_groups_window.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "base/bitmap_ids.h"
#include "base/replace_file.h"
#include "base/whole_file.h"
#include "base/word_delimiters.h"
#include "editing/edit_commands.h"
#include "help/help_commands.h"
#include "model/control_groups.h"
#include "model/control_list.h"
#include "search/control_rows.h"
#include "search/create_code_window.h"
#include "state/editor.h"
#include "view/controls_redraw_off.h"
#include "view/dialog_events.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"
#include "view/notice_table.h"
#include "view/notices.h"

namespace editor {

namespace {

using namespace control_groups;
using ui::ControlKind;

constexpr ui::Rect kWindowRect{0, 0, 1250, 650};
constexpr std::uintmax_t kLargestGroupFile = 8 * 1024 * 1024;

ui::ControlSpec Button(ui::ControlId id, ui::Rect rect, const char* text, bool visible = true) {
  ui::ControlSpec desc = DialogControl(ControlKind::kPushButton, id, rect, text);
  desc.visible = visible;
  return desc;
}

ui::ControlSpec TickedList(ui::ControlId id, ui::Rect rect) {
  ui::ControlSpec desc = DialogControl(ControlKind::kListView, id, rect);
  desc.checkBoxes = true;
  desc.rowClickTicks = true;
  desc.gridLines = true;
  return desc;
}

std::vector<ui::ControlSpec> GroupWindowControls() {
  std::vector<ui::ControlSpec> c;
  c.push_back(DialogControl(ControlKind::kStatic, kControlsLabel, {10, 14, 300, 20}, "Controls"));
  c.push_back(TickedList(kFileControlList, {10, 40, 580, 420}));
  c.push_back(Button(kSelectAllControls, {10, 470, 100, 28}, "Select All"));
  c.push_back(Button(kClearAllControls, {115, 470, 100, 28}, "Clear All"));
  c.push_back(Button(kAddToGroupButton, {220, 470, 220, 28}, "Add selected to the group", false));
  c.push_back(DialogControl(ControlKind::kStatic, kGroupLabel, {620, 14, 60, 20}, "Group"));
  c.push_back(DialogControl(ControlKind::kComboBox, kGroupList, {685, 10, 250, 300}));
  c.push_back(Button(kNewGroupButton, {945, 9, 110, 26}, "New group"));
  c.push_back(Button(kDeleteGroupButton, {1060, 9, 120, 26}, "Delete group"));
  ui::ControlSpec help = DialogControl(ControlKind::kImageButton, kPageHelpButton, {1192, 8, 28, 28});
  help.bitmapId = kBitmapOpenHelp;
  c.push_back(help);
  ui::ControlSpec name = DialogControl(ControlKind::kEdit, kGroupNameBox, {685, 40, 250, 24});
  name.maxLength = 255;
  name.visible = false;
  c.push_back(name);
  c.push_back(Button(kAddGroupNameButton, {945, 39, 170, 26}, "Add new group name", false));
  c.push_back(TickedList(kMemberList, {620, 72, 600, 388}));
  c.push_back(Button(kSelectAllMembers, {620, 470, 100, 28}, "Select All", false));
  c.push_back(Button(kClearAllMembers, {725, 470, 100, 28}, "Clear All", false));
  c.push_back(Button(kRemoveMembersButton, {830, 470, 150, 28}, "Remove selected", false));
  c.push_back(Button(kCreateCodeButton, {620, 506, 140, 28}, "Create code", false));
  ui::ControlSpec closeAfterCode =
      DialogControl(ControlKind::kCheckBox, kCloseAfterCodeBox, {770, 509, 250, 22}, "Close after creating code");
  closeAfterCode.visible = false;
  c.push_back(closeAfterCode);
  c.push_back(Button(kCopyButton, {620, 542, 140, 28}, "Copy to clipboard", false));
  ui::ControlSpec closeAfterCopy = DialogControl(ControlKind::kCheckBox, kCloseAfterCopyBox, {770, 545, 260, 22},
                                                 "Close after copying to clipboard");
  closeAfterCopy.visible = false;
  c.push_back(closeAfterCopy);
  c.push_back(Button(kCloseButton, {1120, 542, 100, 28}, "Close"));
  return c;
}

// The buttons that act on the group's members, shown only while it has some.
constexpr ui::ControlId kMemberButtons[] = {kSelectAllMembers, kClearAllMembers,  kRemoveMembersButton, kCreateCodeButton,
                                            kCloseAfterCodeBox, kCopyButton,      kCloseAfterCopyBox};

class ControlGroupsWindow {
 public:
  ControlGroupsWindow(Editor& editor, const std::vector<ControlEntry>& listed)
      : editor_(editor), listed_(listed), path_(editor.folders.Companion(editor.currentName, ".grp")) {}

  void Run() {
    ReadFile();
    window_ = CreateDialogWindow(editor_.system, {"My controls groups - here you can group controls together.",
                                                  kWindowRect, editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return;
    FillControls();
    FillGroups(0);
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); });
  }

  GroupsWindowEnd End() const { return end_; }

 private:
  ui::Window& W() { return *window_; }

  // A file that cannot be read counts as empty; a missing one is made, as the group
  // store of this source file from now on.
  void ReadFile() {
    const WholeFile file = ReadWholeFile(path_, kLargestGroupFile);
    if (file.status == WholeFileStatus::kMissing) ReplaceFileWhole(*editor_.files, path_, GroupFileText({}));
    members_ = file.status == WholeFileStatus::kRead ? ReadGroupLines(file.bytes) : std::vector<GroupMember>();
  }

  // What the window shows stays as the user left it; the next change writes it all again.
  void WriteFile() {
    if (!ReplaceFileWhole(*editor_.files, path_, GroupFileText(members_))) ShowNotice(editor_, notice::kGroupsNotWritten);
  }

  bool CreateControls() {
    for (const ui::ControlSpec& desc : GroupWindowControls())
      if (!W().CreateControl(desc)) return false;
    W().ViewAddColumn(kFileControlList, "Control name", 180);
    W().ViewAddColumn(kFileControlList, "Window", 140);
    W().ViewAddColumn(kFileControlList, "Type", 120);
    for (const char* title : {"Control name", "Window", "Type", "Group name"}) W().ViewAddColumn(kMemberList, title, 140);
    for (ui::ControlId id : {kControlsLabel, kGroupLabel, kCloseAfterCodeBox, kCloseAfterCopyBox})
      W().SetColours(id, editor_.prefs.windowText, editor_.prefs.windowBackground);
    return true;
  }

  void FillControls() {
    constexpr ControlCell kColumns[] = {ControlCell::kName, ControlCell::kWindow, ControlCell::kType};
    ShowControlRows(W(), kFileControlList, listed_, kColumns);
  }

  // The group names of the file and the one just added, which has no members yet.
  void FillGroups(int chosen) {
    std::vector<std::string> names = GroupNames(members_);
    if (newGroup_ && std::find(names.begin(), names.end(), *newGroup_) == names.end()) {
      names.push_back(*newGroup_);
      std::sort(names.begin(), names.end());
    }
    W().ListClear(kGroupList);
    for (const std::string& name : names) W().ListAdd(kGroupList, name);
    W().ListSelect(kGroupList, names.empty() ? -1 : std::clamp(chosen, 0, static_cast<int>(names.size()) - 1));
    ShowMembers();
  }

  std::optional<std::string> ChosenGroup() const {
    const int chosen = window_->ListSelected(kGroupList);
    if (chosen < 0) return std::nullopt;
    return window_->ListText(kGroupList, chosen);
  }

  void ShowMembers() {
    const std::optional<std::string> group = ChosenGroup();
    shown_ = group ? MembersOf(members_, *group) : std::vector<GroupMember>();
    {
      const ControlsRedrawOff quiet(W(), {kMemberList});
      W().ViewClear(kMemberList);
      for (const GroupMember& m : shown_) {
        const int row = W().ViewInsertRow(kMemberList, W().ViewRowCount(kMemberList), m.name);
        W().ViewSetCell(kMemberList, row, 1, m.window);
        W().ViewSetCell(kMemberList, row, 2, m.type);
        W().ViewSetCell(kMemberList, row, 3, m.group);
      }
    }
    for (ui::ControlId id : kMemberButtons) W().ShowControl(id, !shown_.empty());
  }

  void TickAll(ui::ControlId list, bool ticked) {
    for (int r = 0, count = W().ViewRowCount(list); r < count; ++r) W().ViewSetTicked(list, r, ticked);
    ShowAddButton();
  }

  std::vector<int> TickedRows(ui::ControlId list) const {
    std::vector<int> rows;
    for (int r = 0, count = window_->ViewRowCount(list); r < count; ++r)
      if (window_->ViewIsTicked(list, r)) rows.push_back(r);
    return rows;
  }

  void ShowAddButton() { W().ShowControl(kAddToGroupButton, !TickedRows(kFileControlList).empty()); }

  void AddTicked() {
    const std::optional<std::string> group = ChosenGroup();
    if (!group) {
      // A group is named first; the ticked controls join it once it is.
      addAfterNaming_ = true;
      ShowNamePanel(true);
      return;
    }
    for (const int row : TickedRows(kFileControlList)) {
      const ControlEntry& control = listed_[static_cast<std::size_t>(row)];
      AddMember(members_, {*group, control.name, control.window, control.type});
    }
    WriteFile();
    newGroup_.reset();
    FillGroups(W().ListSelected(kGroupList));
    W().ListSelect(kGroupList, W().ListFindExact(kGroupList, *group));
    ShowMembers();
    TickAll(kFileControlList, false);
  }

  void ShowNamePanel(bool shown) {
    W().ShowControl(kGroupNameBox, shown);
    W().ShowControl(kAddGroupNameButton, shown);
    W().SetText(kNewGroupButton, shown ? "Cancel" : "New group");
    if (shown) W().Focus(kGroupNameBox);
    else addAfterNaming_ = false;
  }

  void AddGroupName() {
    const std::string name(Trimmed(W().GetText(kGroupNameBox)));
    if (name.empty()) return;
    newGroup_ = name;
    FillGroups(0);
    W().ListSelect(kGroupList, W().ListFindExact(kGroupList, name));
    W().SetText(kGroupNameBox, "");
    ShowMembers();
    const bool carryOn = addAfterNaming_;
    ShowNamePanel(false);
    if (carryOn) AddTicked();
  }

  void DeleteChosenGroup() {
    const std::optional<std::string> group = ChosenGroup();
    if (!group || !AskConfirm(editor_, question::kDeleteGroup, {*group, std::nullopt})) return;
    DeleteGroup(members_, *group);
    if (newGroup_ == group) newGroup_.reset();
    WriteFile();
    FillGroups(0);
  }

  void RemoveTicked() {
    const std::optional<std::string> group = ChosenGroup();
    if (!group) return;
    const std::vector<int> ticked = TickedRows(kMemberList);
    std::vector<GroupMember> kept;
    for (std::size_t r = 0; r < shown_.size(); ++r)
      if (std::find(ticked.begin(), ticked.end(), static_cast<int>(r)) == ticked.end()) kept.push_back(shown_[r]);
    KeepMembers(members_, *group, kept);
    WriteFile();
    ShowMembers();
  }

  void CreateCode() {
    const std::optional<std::string> group = ChosenGroup();
    if (!group) return;
    std::vector<ControlEntry> controls;
    for (const GroupMember& m : shown_) controls.push_back({m.name, m.window, m.type, kNoLine, kNoLine});
    ControlFilter everything;
    everything.excludeStatics = false;
    W().Show(false);
    const CodeWindowEnd ended = RunCreateCode(editor_, controls, everything, *group);
    if (ended == CodeWindowEnd::kToSearchList) end_ = GroupsWindowEnd::kCodeForSearchList;
    if (ended == CodeWindowEnd::kToSearchList || (ended == CodeWindowEnd::kClosed && W().IsChecked(kCloseAfterCodeBox))) {
      W().Close();
      return;
    }
    W().Show(true);
    W().FocusWindow();
  }

  void CopyList() {
    const std::optional<std::string> group = ChosenGroup();
    if (!group) return;
    CopyConfirmed(editor_, W(), WithCrLfBreaks(GroupListText(*group, shown_)), kCloseAfterCopyBox);
  }

  int OnEvent(const ui::Event& event) {
    if (!IsControlNotice(W(), event)) return 0;
    const ui::ControlId id = event.controlId;
    const int code = event.notifyCode;
    if (id == kFileControlList && code == ui::notify::kListViewClick) ShowAddButton();
    if (id == kGroupList && code == ui::notify::kSelectionChanged) ShowMembers();
    if (id == kGroupNameBox && code == ui::notify::kEnter) AddGroupName();
    if (code != ui::notify::kClick) return 0;
    switch (id) {
      case kSelectAllControls: TickAll(kFileControlList, true); break;
      case kClearAllControls: TickAll(kFileControlList, false); break;
      case kAddToGroupButton: AddTicked(); break;
      case kNewGroupButton: ShowNamePanel(!W().IsControlVisible(kGroupNameBox)); break;
      case kAddGroupNameButton: AddGroupName(); break;
      case kDeleteGroupButton: DeleteChosenGroup(); break;
      case kSelectAllMembers: TickAll(kMemberList, true); break;
      case kClearAllMembers: TickAll(kMemberList, false); break;
      case kRemoveMembersButton: RemoveTicked(); break;
      case kCreateCodeButton: CreateCode(); break;
      case kCopyButton: CopyList(); break;
      case kPageHelpButton: OpenHelpPage(editor_, "grouping-cotrols-together.html"); break;
      case kCloseButton: W().Close(); break;
      default: break;
    }
    return 0;
  }

  Editor& editor_;
  const std::vector<ControlEntry>& listed_;
  std::filesystem::path path_;
  std::vector<GroupMember> members_;  // every line of the file
  std::vector<GroupMember> shown_;    // the chosen group's, as the member list shows them
  std::optional<std::string> newGroup_;  // named here, with no member yet
  bool addAfterNaming_ = false;
  GroupsWindowEnd end_ = GroupsWindowEnd::kClosed;
  std::unique_ptr<ui::Window> window_;
};

}  // namespace

GroupsWindowEnd RunControlGroups(Editor& editor, const std::vector<ControlEntry>& listed) {
  if (editor.currentName.empty()) return GroupsWindowEnd::kClosed;
  ControlGroupsWindow window(editor, listed);
  window.Run();
  return window.End();
}

}  // namespace editor
