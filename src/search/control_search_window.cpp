#include "search/control_search_window.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/bitmap_ids.h"
#include "base/control_ids.h"
#include "base/letter_case.h"
#include "base/menu_ids.h"
#include "base/word_delimiters.h"
#include "companion/viewed_line.h"
#include "editing/edit_commands.h"
#include "help/help_commands.h"
#include "model/control_list.h"
#include "model/search_result_rows.h"
#include "search/control_groups_window.h"
#include "search/control_rows.h"
#include "search/control_search_layout.h"
#include "search/create_code_window.h"
#include "search/find_commands.h"
#include "state/editor.h"
#include "view/controls_redraw_off.h"
#include "view/dialog_events.h"
#include "view/modal_dialog.h"
#include "view/notice_table.h"
#include "view/notices.h"
#include "view/open_window_mark.h"
#include "view/places_pane.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

using namespace control_search;

constexpr ControlCell kColumns[] = {ControlCell::kName, ControlCell::kWindow, ControlCell::kLine, ControlCell::kType,
                                    ControlCell::kCase};

class ControlSearchWindow {
 public:
  ControlSearchWindow(Editor& editor, std::string name) : editor_(editor), startName_(std::move(name)) {}

  void Run() {
    // The window is modal: the text cannot change while it is open, so it is read once.
    if (const ui::RichEdit* edit = editor_.main->Edit(kEditor)) controls_ = IndexControls(edit->Text());
    if (editor_.main->IsChecked(kRememberPlacesBox)) AddPlace(editor_, CurrentPlace(editor_), true);
    window_ = CreateDialogWindow(editor_.system,
                                 {"Search controls", kWindowRect, editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return;
    FillFilters();
    Rebuild();
    const OpenWindowMark mark(editor_.controlSearchWindow, *window_);
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); }, {kNameBox});
  }

 private:
  ui::Window& W() { return *window_; }

  bool CreateControls() {
    for (const ui::ControlSpec& desc : ControlSearchControls())
      if (!W().CreateControl(desc)) return false;
    W().ViewAddColumn(kList, "Control name", 250);
    W().ViewAddColumn(kList, "Window", 100);
    W().ViewAddColumn(kList, "Control", 100);
    W().ViewAddColumn(kList, "Type", 170);
    W().ViewAddColumn(kList, "Case", 100);
    for (ui::ControlId id : kColouredControls)
      W().SetColours(id, editor_.prefs.windowText, editor_.prefs.windowBackground);
    W().SetText(kNameBox, startName_);
    W().CaretToEnd(kNameBox);
    for (ui::ControlId id : {kNameBeginsBox, kExcludeStaticsBox, kGoToControlBox, kCloseAfterSendBox})
      W().SetChecked(id, true);
    return true;
  }

  // The windows the controls are made on and the types met, each after "ALL"; a file with
  // one window has it chosen.
  void FillFilters() {
    std::vector<std::string> windows;
    for (const ControlEntry& control : controls_)
      if (std::find(windows.begin(), windows.end(), control.window) == windows.end()) windows.push_back(control.window);
    for (ui::ControlId id : {kWindowFilter, kTypeFilter}) W().ListAdd(id, kAllEntries);
    for (const std::string& window : windows) W().ListAdd(kWindowFilter, window);
    for (const std::string& type : ControlTypes(controls_)) W().ListAdd(kTypeFilter, type);
    W().ListSelect(kWindowFilter, windows.size() == 1 ? 1 : 0);
    W().ListSelect(kTypeFilter, 0);
    ShowWindowLabel();
  }

  void ShowWindowLabel() { W().SetText(kWindowFilterLabel, Chosen(kWindowFilter) == kAllEntries ? "Windows" : "Window"); }

  std::string Chosen(ui::ControlId filter) const {
    const int chosen = window_->ListSelected(filter);
    return chosen >= 0 ? window_->ListText(filter, chosen) : std::string(kAllEntries);
  }

  // The code window lists what this one lists; this one waits hidden until it closes.
  void CreateCode() {
    W().Show(false);
    // The code and groups windows may hand over to each other before both are done.
    while (RunCreateCode(editor_, controls_, Filter()) == CodeWindowEnd::kToGroups &&
           RunControlGroups(editor_, rows_) == GroupsWindowEnd::kCodeForSearchList) {
    }
    if (W().IsOpen()) {
      W().Show(true);
      W().FocusWindow();
    }
  }

  GroupsWindowEnd RunControlGroupsHidden() {
    W().Show(false);
    return RunControlGroups(editor_, rows_);
  }

  // The window keeps its list and choices; the "Search controls" button brings it back.
  void HideForLater() {
    W().Show(false);
    editor_.main->FocusWindow();
  }

  void ShowGroups() {
    if (RunControlGroupsHidden() == GroupsWindowEnd::kCodeForSearchList) {
      CreateCode();
      return;
    }
    if (W().IsOpen()) {
      W().Show(true);
      W().FocusWindow();
    }
  }

  ControlFilter Filter() {
    ControlFilter filter;
    filter.text = W().GetText(kNameBox);
    filter.inName = W().IsChecked(kInNameBox);
    filter.window = Chosen(kWindowFilter);
    filter.type = Chosen(kTypeFilter);
    // Asking for the statics shows them.
    if (EqualIgnoringCase(filter.type, "STATIC")) W().SetChecked(kExcludeStaticsBox, false);
    filter.excludeStatics = W().IsChecked(kExcludeStaticsBox);
    return filter;
  }

  void Rebuild() {
    rows_ = FilteredControls(controls_, Filter());
    ShowRows();
  }

  void ShowRows() { ShowControlRows(W(), kList, rows_, kColumns); }

  void OnColumnClick(int column) {
    if (column < 0 || column >= static_cast<int>(std::size(kColumns))) return;
    SortControlRows(rows_, kColumns[column], sort_.DescendingAfterClickOn(column));
    ShowRows();
  }

  // The row's statement, or the CASE that handles it, shown at the top of the view.
  void Choose(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    const ControlEntry& control = rows_[static_cast<std::size_t>(row)];
    LineNumber target = control.line;
    if (W().IsChecked(kGoToCaseBox)) {
      if (control.caseLine == kNoLine) {
        W().SetColours(kStatus, editor_.prefs.lineHighlight, editor_.prefs.windowBackground);
        W().SetText(kStatus, "No case statement exists");
        return;
      }
      target = control.caseLine;
    }
    W().SetText(kStatus, "");
    W().SetText(kExtraWordsBox, control.name);
    ShowLineAtTop(editor_, target);
    if (const ui::RichEdit* edit = editor_.main->Edit(kEditor)) WriteFirstVisibleLine(editor_, edit->FirstVisibleLine());
    if (W().IsChecked(kSavePlaceBox)) AddPlace(editor_, target, true);
    if (!W().IsChecked(kKeepOpenBox)) HideForLater();
  }

  // "Go to control" and "Go to case": ticking one unticks the other, and the other way round.
  void OnGoToBox(ui::ControlId clicked) {
    const ui::ControlId other = clicked == kGoToControlBox ? kGoToCaseBox : kGoToControlBox;
    W().SetChecked(other, !W().IsChecked(clicked));
    const std::vector<int> selected = W().ViewSelectedRows(kList);
    if (rows_.size() == 1) Choose(0);
    else if (W().GetText(kNameBox).empty() && !selected.empty()) Choose(selected.front());
  }

  void OnMatchBox(ui::ControlId clicked) {
    W().SetChecked(clicked, true);
    W().SetChecked(clicked == kNameBeginsBox ? kInNameBox : kNameBeginsBox, false);
    Rebuild();
  }

  void FindWithWords() {
    const std::string words = W().GetText(kExtraWordsBox);
    if (!W().IsChecked(kFindWithWordsBox) || words.find_first_not_of(' ') == std::string::npos) return;
    W().SetChecked(kFindWithWordsBox, false);
    W().Close();
    RunFindOnBar(editor_, words + " ", false);
  }

  void SendDetails() {
    W().EnableControl(kSendButton, false);
    const DetailsHeading heading{editor_.currentName, editor_.currentPath.string(), editor_.system.LocalDateTime()};
    W().EnableControl(kSendButton, true);
    CopyConfirmed(editor_, W(), WithCrLfBreaks(ControlDetailsText(rows_, heading)), kCloseAfterSendBox);
  }

  int OnEvent(const ui::Event& event) {
    if (!IsControlNotice(W(), event)) return 0;
    const int code = event.notifyCode;
    switch (event.controlId) {
      case kNameBox:
        if (code == ui::notify::kTextChanged) Rebuild();
        if (code == ui::notify::kEnter && rows_.size() == 1) Choose(0);
        return 0;
      case kWindowFilter:
      case kTypeFilter:
        if (code == ui::notify::kSelectionChanged) {
          ShowWindowLabel();
          Rebuild();
        }
        return 0;
      case kList:
        if (code == ui::notify::kListViewClick) Choose(event.scrollPosition);
        if (code == ui::notify::kListViewColumnClick) OnColumnClick(event.commandCode);
        return 0;
      case kExtraWordsBox:
        if (code == ui::notify::kEnter) FindWithWords();
        return 0;
      default: break;
    }
    if (code != ui::notify::kClick) return 0;
    switch (event.controlId) {
      case kNameBeginsBox:
      case kInNameBox: OnMatchBox(event.controlId); break;
      case kExcludeStaticsBox: Rebuild(); break;
      case kGoToControlBox:
      case kGoToCaseBox: OnGoToBox(event.controlId); break;
      case kFindWithWordsBox: FindWithWords(); break;
      case kSendButton: SendDetails(); break;
      case kCreateCodeButton: CreateCode(); break;
      case kGroupsButton: ShowGroups(); break;
      case kHideButton: HideForLater(); break;
      case kPageHelpButton: OpenHelpPage(editor_, "searching-controls.html"); break;
      case kCloseButton: W().Close(); break;
      default: break;
    }
    return 0;
  }

  Editor& editor_;
  std::string startName_;
  std::unique_ptr<ui::Window> window_;
  std::vector<ControlEntry> controls_;  // every control of the file
  std::vector<ControlEntry> rows_;      // the listed ones, as the list shows them
  ResultSort sort_;
};

// An open window, hidden for later or not, is shown or hidden again rather than opened anew.
void SearchControls(Editor& editor) {
  ui::Window* open = editor.controlSearchWindow;
  if (open == nullptr) {
    RunControlSearch(editor, "");
  } else if (open->IsVisible()) {
    open->Show(false);
    editor.main->FocusWindow();
  } else {
    open->Show(true);
    open->FocusWindow();
  }
}

// The selection, blanks around it aside, as the name to look for.
void FindThisControl(Editor& editor) {
  const ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) return;
  const auto [start, end] = edit->GetSelection();
  const std::string name(Trimmed(edit->TextRange(start, end)));
  RunControlSearch(editor, name.find('\r') == std::string::npos ? name : std::string());
}

constexpr ControlCommand kControlRows[] = {
    {kSearchControlsButton, ui::notify::kClick, Call<SearchControls>},
};

constexpr MenuCommand kMenuRows[] = {
    {kContextFindThisControl, Call<FindThisControl>},
};

}  // namespace

void RunControlSearch(Editor& editor, const std::string& name) {
  if (!editor.main || editor.tabs.ActiveTab() == 0) return;
  // A window kept for later lists what the file held then: a new search starts afresh.
  if (editor.controlSearchWindow != nullptr) editor.controlSearchWindow->Close();
  ControlSearchWindow(editor, name).Run();
}

CommandRows ControlSearchCommands() { return {kControlRows, kMenuRows}; }

}  // namespace editor
