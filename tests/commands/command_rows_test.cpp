// Every control and menu item of the main window either runs exactly one command or is
// listed as showing something only; the ones whose commands come later are named here, so
// that this list shrinks as they are built and a forgotten control cannot hide.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "commands/main_window_handler.h"
#include "model/line_metrics.h"
#include "model/tab_table.h"
#include "view/main_menu.h"
#include "view/main_window_layout.h"

namespace editor {
namespace {

// Controls whose commands are not built yet: the hidden detail lists, the word search
// boxes, and the edit control's notifications.
const std::set<ui::ControlId> kControlsNotBuiltYet{
    kEditor, kSearchControlsImage,
    kSubroutineList, kWindowList,
    kWordBox, kWordBox2,
    kSearchWordsButton, kClearSearchWordsButton, kControlSearchList, kControlList, kControlCombo,
    kControlSearchCombo1, kControlSearchCombo2, kControlSearchCombo3, kMessageLine, kLineField,
    kLineNumberCompanion, kFontList};

const std::set<int> kMenuItemsNotBuiltYet{};

// Kinds that raise no command of their own.
bool ShowsOnly(ui::ControlKind kind) {
  return kind == ui::ControlKind::kStatic || kind == ui::ControlKind::kGroupBox ||
         kind == ui::ControlKind::kStatusBar;
}

std::map<ui::ControlId, ui::ControlKind> MainWindowControlKinds() {
  std::map<ui::ControlId, ui::ControlKind> kinds;
  const LineMetrics metrics = MetricsFor(16, 8);
  for (const LayoutEntry& entry : MainWindowControls()) kinds[entry.desc.id] = entry.desc.kind;
  for (const LayoutEntry& entry : EditAreaFrame(metrics)) kinds[entry.desc.id] = entry.desc.kind;
  for (const LayoutEntry& entry : GutterLabels(metrics, ui::FontSpec{"Courier New", 10}))
    kinds[entry.desc.id] = entry.desc.kind;
  kinds[kEditor] = ui::ControlKind::kRichEdit;
  return kinds;
}

void CollectMenuIds(const std::vector<ui::MenuItem>& items, std::vector<int>& ids) {
  for (const ui::MenuItem& item : items) {
    if (!item.children.empty()) CollectMenuIds(item.children, ids);
    else if (!item.IsSeparator()) ids.push_back(item.id);
  }
}

std::vector<ControlCommand> AllControlRows() {
  std::vector<ControlCommand> rows;
  for (const CommandRows& feature : MainWindowCommandRows())
    rows.insert(rows.end(), feature.controls.begin(), feature.controls.end());
  return rows;
}

std::vector<MenuCommand> AllMenuRows() {
  std::vector<MenuCommand> rows;
  for (const CommandRows& feature : MainWindowCommandRows())
    rows.insert(rows.end(), feature.menus.begin(), feature.menus.end());
  return rows;
}

bool IsDisplayOnly(ui::ControlId id) {
  const auto listed = DisplayOnlyControls();
  return std::find(listed.begin(), listed.end(), id) != listed.end();
}

TEST(CommandRows, EveryControlRunsOneCommandShowsOnlyOrWaitsForItsFeature) {
  const std::vector<ControlCommand> rows = AllControlRows();
  for (const auto& [id, kind] : MainWindowControlKinds()) {
    const auto handled = std::count_if(rows.begin(), rows.end(), [id = id](const ControlCommand& r) { return r.id == id; });
    // The scroll bar's events are a message kind of their own, not a notification.
    const bool displayOnly = IsDisplayOnly(id) || ShowsOnly(kind) || id == kLineScrollBar;
    const bool waiting = kControlsNotBuiltYet.contains(id);
    if (handled > 0) {
      EXPECT_FALSE(IsDisplayOnly(id) || waiting) << id << " has a row and is also listed as without one";
    } else {
      EXPECT_TRUE(displayOnly || waiting) << "control " << id << " runs nothing and is not listed";
    }
  }
}

TEST(CommandRows, NoControlEventHasTwoRows) {
  std::map<ui::ControlId, std::vector<int>> notifies;
  for (const ControlCommand& row : AllControlRows()) notifies[row.id].push_back(row.notifyCode);
  for (const auto& [id, codes] : notifies) {
    const std::set<int> distinct(codes.begin(), codes.end());
    EXPECT_EQ(distinct.size(), codes.size()) << "control " << id << " has two rows for one notice";
    if (distinct.contains(kAnyNotify)) {
      EXPECT_EQ(codes.size(), 1u) << "control " << id << " is taken whole twice";
    }
  }
}

TEST(CommandRows, EveryMenuItemRunsExactlyOneCommandOrWaitsForItsFeature) {
  std::vector<int> ids;
  CollectMenuIds(MainMenuBar(), ids);
  const std::vector<MenuCommand> rows = AllMenuRows();
  for (int id : ids) {
    const auto handled = std::count_if(rows.begin(), rows.end(), [id](const MenuCommand& r) { return r.id == id; });
    const long expected = kMenuItemsNotBuiltYet.contains(id) ? 0 : 1;
    EXPECT_EQ(handled, expected) << "menu item " << id;
  }
}

TEST(CommandRows, EveryRowBelongsToAControlOrMenuItemThatExists) {
  const auto kinds = MainWindowControlKinds();
  for (const ControlCommand& row : AllControlRows()) EXPECT_TRUE(kinds.contains(row.id)) << "control " << row.id;
  for (const CommandRows& feature : MainWindowCommandRows())
    for (const CustomDrawCommand& row : feature.customDraws)
      EXPECT_EQ(kinds.contains(row.id) ? kinds.at(row.id) : ui::ControlKind::kStatic, ui::ControlKind::kListView)
          << "custom draw " << row.id;
  std::vector<int> ids;
  CollectMenuIds(MainMenuBar(), ids);
  // The edit control's context menu is built by its handler; its items share the rows.
  for (int context : {kContextCut, kContextCopy, kContextPaste, kContextSelectAll, kContextFindFirst, kContextFindAll,
                      kContextFindLast, kContextFindThisControl, kContextTranspose})
    ids.push_back(context);
  for (const MenuCommand& row : AllMenuRows())
    EXPECT_NE(std::find(ids.begin(), ids.end(), row.id), ids.end()) << "menu item " << row.id;
}

}  // namespace
}  // namespace editor
