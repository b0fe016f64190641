#include "search/subroutine_search_window.h"

#include <memory>
#include <string>

#include "base/bitmap_ids.h"
#include "base/control_ids.h"
#include "model/control_list.h"
#include "state/editor.h"
#include "view/controls_redraw_off.h"
#include "view/dialog_events.h"
#include "view/declaration_buttons.h"
#include "view/dialog_controls.h"
#include "view/index_lists.h"
#include "view/modal_dialog.h"
#include "view/places_pane.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

using namespace subroutine_search;

constexpr ui::Rect kWindowRect{0, 0, 430, 470};

class SubroutineSearchWindow {
 public:
  explicit SubroutineSearchWindow(Editor& editor) : editor_(editor) {}

  void Run() {
    if (editor_.main->IsChecked(kRememberPlacesBox)) AddPlace(editor_, CurrentPlace(editor_), true);
    window_ = CreateDialogWindow(editor_.system, {"Search local subroutines", kWindowRect,
                                                  editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return;
    Rebuild();
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); }, {kNameBox});
  }

 private:
  ui::Window& W() { return *window_; }

  bool CreateControls() {
    ui::ControlSpec name = DialogControl(ui::ControlKind::kEdit, kNameBox, {10, 10, 400, 24});
    name.maxLength = 255;
    const bool made =
        W().CreateControl(name) &&
        W().CreateControl(DialogControl(ui::ControlKind::kCheckBox, kBeginsBox, {10, 40, 120, 22}, "Begins with")) &&
        W().CreateControl(
            DialogControl(ui::ControlKind::kCheckBox, kInNameBox, {140, 40, 180, 22}, "In subroutine name")) &&
        W().CreateControl(DialogControl(ui::ControlKind::kListView, kList, {10, 68, 400, 300})) &&
        W().CreateControl(DialogControl(ui::ControlKind::kCheckBox, kCloseOnPickBox, {10, 376, 250, 22},
                                        "Close window on selection")) &&
        W().CreateControl(DialogControl(ui::ControlKind::kPushButton, kCloseButton, {310, 396, 100, 28}, "Close"));
    if (!made) return false;
    W().ViewAddColumn(kList, "Subroutine name", 380);
    for (ui::ControlId id : {kBeginsBox, kInNameBox, kCloseOnPickBox})
      W().SetColours(id, editor_.prefs.windowText, editor_.prefs.windowBackground);
    W().SetChecked(kBeginsBox, true);
    W().SetChecked(kCloseOnPickBox, editor_.prefs.closeSubroutineSearchOnSelection);
    return true;
  }

  // From the subroutine drop-down of the main window, in its order.
  void Rebuild() {
    const ui::Window& main = *editor_.main;
    const std::string wanted = W().GetText(kNameBox);
    const bool inName = W().IsChecked(kInNameBox);
    const ControlsRedrawOff quiet(W(), {kList});
    W().ViewClear(kList);
    for (int i = 0, count = main.ListCount(kSubroutineCombo); i < count; ++i) {
      const std::string name = main.ListText(kSubroutineCombo, i);
      if (NameMatchesTyped(name, wanted, inName)) W().ViewInsertRow(kList, W().ViewRowCount(kList), name);
    }
  }

  void GoToRow(int row) {
    if (row < 0 || row >= W().ViewRowCount(kList)) return;
    ui::Window& main = *editor_.main;
    const int entry = main.ListFindExact(kSubroutineCombo, W().ViewCell(kList, row, 0));
    if (entry < 0) return;
    main.ListSelect(kSubroutineCombo, entry);
    ShowDeclarationButtons(editor_);
    const DeclarationPane& pane = PaneOf(Declaration::kSubroutine);
    const std::optional<int> detail = SelectedRow(main, pane);
    const LineNumber begin = detail ? BeginLineOf(main, pane.list, *detail) : kNoLine;
    if (begin == kNoLine) return;
    ShowLineAtTop(editor_, begin);
    if (W().IsChecked(kCloseOnPickBox)) W().Close();
  }

  void OnMatchBox(ui::ControlId clicked) {
    const ui::ControlId other = clicked == kBeginsBox ? kInNameBox : kBeginsBox;
    W().SetChecked(other, !W().IsChecked(clicked));
    Rebuild();
  }

  int OnEvent(const ui::Event& event) {
    if (!IsControlNotice(W(), event)) return 0;
    const ui::ControlId id = event.controlId;
    const int code = event.notifyCode;
    if (id == kNameBox && code == ui::notify::kTextChanged) Rebuild();
    if (id == kList && code == ui::notify::kListViewClick) GoToRow(event.scrollPosition);
    if (code != ui::notify::kClick) return 0;
    if (id == kBeginsBox || id == kInNameBox) OnMatchBox(id);
    if (id == kCloseOnPickBox) editor_.prefs.closeSubroutineSearchOnSelection = W().IsChecked(kCloseOnPickBox);
    if (id == kCloseButton) W().Close();
    return 0;
  }

  Editor& editor_;
  std::unique_ptr<ui::Window> window_;
};

constexpr ControlCommand kControlRows[] = {
    {kSearchSubsButton, ui::notify::kClick, Call<RunSubroutineSearch>},
};

}  // namespace

void RunSubroutineSearch(Editor& editor) {
  if (!editor.main || editor.tabs.ActiveTab() == 0) return;
  SubroutineSearchWindow(editor).Run();
}

CommandRows SubroutineSearchCommands() { return {kControlRows, {}}; }

}  // namespace editor
