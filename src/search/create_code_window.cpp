#include "search/create_code_window.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "base/bitmap_ids.h"
#include "base/letter_case.h"
#include "help/help_commands.h"
#include "model/control_code.h"
#include "model/search_result_rows.h"
#include "search/control_rows.h"
#include "search/create_code_layout.h"
#include "state/editor.h"
#include "view/controls_redraw_off.h"
#include "view/dialog_events.h"
#include "view/modal_dialog.h"
#include "view/notice_table.h"
#include "view/notices.h"

namespace editor {

namespace {

using namespace create_code;

constexpr std::array<const char*, 15> kControlTypes{"BUTTON",   "CHECKBOX",  "RADIOBUTTON", "EDIT",    "LISTBOX",
                                                    "COMBOBOX", "STATIC",    "SCROLLBAR",   "GROUPBOX", "RICHEDIT",
                                                    "LISTVIEW", "STATUS",    "SYSBUTTON",   "RGNBUTTON", "TREEVIEW"};

constexpr std::array<ui::ControlId, 11> kOptionBoxes{kShowBox,    kHideBox,        kStateOnBox, kStateOffBox,
                                                    kEnableBox,  kDisableBox,     kFontBox,    kColoursBox,
                                                    kSendMessageBox, kCommandBox, kPatternOptionBox};

constexpr ControlCell kColumns[] = {ControlCell::kName, ControlCell::kWindow, ControlCell::kLine, ControlCell::kType};

bool IsCheckable(const ControlEntry& control) {
  return EqualIgnoringCase(control.type, "CHECKBOX") || EqualIgnoringCase(control.type, "RADIOBUTTON");
}

class CreateCodeWindow {
 public:
  CreateCodeWindow(Editor& editor, const std::vector<ControlEntry>& controls, ControlFilter filter,
                   std::optional<std::string> group)
      : editor_(editor),
        controls_(controls),
        filter_(std::move(filter)),
        group_(std::move(group)),
        font_(editor.prefs.editorFont) {}

  void Run() {
    window_ = CreateDialogWindow(editor_.system,
                                 {"Create code", kWindowRect, editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return;
    FillFilters();
    Refill();
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); });
  }

  CodeWindowEnd End() const { return end_; }

 private:
  ui::Window& W() { return *window_; }

  bool LowerCase() const { return editor_.prefs.keywordCase == KeywordCase::kLowercase; }

  bool CreateControls() {
    const std::string colourWord = editor_.prefs.ColourWord();
    for (const ui::ControlSpec& desc : CreateCodeControls(colourWord.c_str()))
      if (!W().CreateControl(desc)) return false;
    W().ViewAddColumn(kList, "Control name", 250);
    W().ViewAddColumn(kList, "Window", 200);
    W().ViewAddColumn(kList, "Line", 100);
    W().ViewAddColumn(kList, "Type", 170);
    for (ui::ControlId id : ColouredControls())
      W().SetColours(id, editor_.prefs.windowText, editor_.prefs.windowBackground);
    W().SetText(kForegroundBox, LowerCase() ? "rgb(0,0,0)" : "RGB(0,0,0)");
    W().SetText(kBackgroundBox, LowerCase() ? "rgb(255,255,255)" : "RGB(255,255,255)");
    W().SetText(kNameBox, filter_.text);
    W().SetChecked(kNameBeginsBox, !filter_.inName);
    W().SetChecked(kInNameBox, filter_.inName);
    W().SetChecked(kExcludeStaticsBox, filter_.excludeStatics);
    W().SetChecked(kCloseAfterSendBox, true);
    W().ShowControl(kChangeGroupButton, group_.has_value());
    return true;
  }

  void FillFilters() {
    W().ListAdd(kWindowFilter, kAllEntries);
    std::vector<std::string> windows;
    for (const ControlEntry& control : controls_)
      if (std::find(windows.begin(), windows.end(), control.window) == windows.end()) windows.push_back(control.window);
    for (const std::string& window : windows) W().ListAdd(kWindowFilter, window);
    const int chosenWindow = W().ListFindExact(kWindowFilter, filter_.window);
    W().ListSelect(kWindowFilter, std::max(0, chosenWindow));
    W().ListAdd(kTypeFilter, kAllEntries);
    if (group_) {
      for (const std::string& type : ControlTypes(controls_)) W().ListAdd(kTypeFilter, type);
    } else {
      for (const char* type : kControlTypes) W().ListAdd(kTypeFilter, type);
    }
    W().ListSelect(kTypeFilter, std::max(0, W().ListFindExact(kTypeFilter, filter_.type)));
  }

  std::string Chosen(ui::ControlId filter) const {
    const int chosen = window_->ListSelected(filter);
    return chosen >= 0 ? window_->ListText(filter, chosen) : std::string(kAllEntries);
  }

  void Refill() {
    filter_.text = W().GetText(kNameBox);
    filter_.inName = W().IsChecked(kInNameBox);
    filter_.window = Chosen(kWindowFilter);
    filter_.type = Chosen(kTypeFilter);
    filter_.excludeStatics = W().IsChecked(kExcludeStaticsBox);
    rows_ = FilteredControls(controls_, filter_);
    W().SetText(kTitle, group_ ? "Create code for the controls in group : " + *group_
                               : "Create code for the controls in window " + filter_.window);
    ShowRows();
    // Tick states only mean something for the controls that have one; a group may gain some.
    const bool checkable = group_ || std::any_of(rows_.begin(), rows_.end(), IsCheckable);
    for (ui::ControlId id : {kStateOnBox, kStateOffBox}) {
      W().ShowControl(id, checkable);
      if (!checkable) W().SetChecked(id, false);
    }
    UpdateSend();
  }

  void ShowRows() { ShowControlRows(W(), kList, rows_, kColumns); }

  // The ticks go with their rows.
  void OnColumnClick(int column) {
    if (column < 0 || column >= static_cast<int>(std::size(kColumns))) return;
    std::vector<ControlEntry> ticked;
    for (std::size_t r = 0; r < rows_.size(); ++r)
      if (W().ViewIsTicked(kList, static_cast<int>(r))) ticked.push_back(rows_[r]);
    SortControlRows(rows_, kColumns[column], sort_.DescendingAfterClickOn(column));
    ShowRows();
    for (std::size_t r = 0; r < rows_.size(); ++r)
      if (std::find(ticked.begin(), ticked.end(), rows_[r]) != ticked.end()) W().ViewSetTicked(kList, static_cast<int>(r), true);
  }

  void TickAll(bool ticked) {
    for (int r = 0, count = W().ViewRowCount(kList); r < count; ++r) W().ViewSetTicked(kList, r, ticked);
    UpdateSend();
  }

  bool AnyRowTicked() const {
    for (int r = 0, count = window_->ViewRowCount(kList); r < count; ++r)
      if (window_->ViewIsTicked(kList, r)) return true;
    return false;
  }

  CodeOptions Options() const {
    const ui::Window& w = *window_;
    CodeOptions options;
    options.show = w.IsChecked(kShowBox);
    options.hide = w.IsChecked(kHideBox);
    options.stateOn = w.IsChecked(kStateOnBox);
    options.stateOff = w.IsChecked(kStateOffBox);
    options.enable = w.IsChecked(kEnableBox);
    options.disable = w.IsChecked(kDisableBox);
    if (w.IsChecked(kFontBox)) options.font = std::make_pair(font_.face, font_.pointSize);
    if (w.IsChecked(kColoursBox)) options.colours = std::make_pair(w.GetText(kForegroundBox), w.GetText(kBackgroundBox));
    if (w.IsChecked(kSendMessageBox))
      options.sendMessage = SendMessageArguments{w.GetText(kMessageBox), w.GetText(kWBox), w.GetText(kLParamBox)};
    if (w.IsChecked(kCommandBox)) options.controlCommand = w.GetText(kCommandMessageBox);
    if (w.IsChecked(kPatternOptionBox)) options.pattern = w.GetText(kPatternBox);
    options.lowerCase = LowerCase();
    return options;
  }

  void UpdateSend() { W().EnableControl(kSendButton, AnyRowTicked() && Options().Count() > 0); }

  void OnOption(ui::ControlId clicked) {
    const bool ticked = W().IsChecked(clicked);
    const auto untick = [&](ui::ControlId a, ui::ControlId b) {
      if (clicked == a && ticked) W().SetChecked(b, false);
      if (clicked == b && ticked) W().SetChecked(a, false);
    };
    untick(kShowBox, kHideBox);
    untick(kEnableBox, kDisableBox);
    if ((clicked == kStateOnBox || clicked == kStateOffBox) && ticked) TickCheckableRows();
    if (clicked == kFontBox && ticked) ChooseFont();
    for (const OptionInputs& option : InputsOfOptions())
      for (ui::ControlId input : option.inputs) W().ShowControl(input, W().IsChecked(option.option));
    UpdateSend();
  }

  void TickCheckableRows() {
    for (std::size_t r = 0; r < rows_.size(); ++r)
      if (IsCheckable(rows_[r])) W().ViewSetTicked(kList, static_cast<int>(r), true);
  }

  // No choice keeps the editor's own font.
  void ChooseFont() {
    font_ = editor_.system.FontDialog(W(), font_).value_or(editor_.prefs.editorFont);
    W().SetText(kFontLabel, font_.face + ", " + std::to_string(font_.pointSize));
  }

  void Send() {
    CodeOptions options = Options();
    if (options.pattern && !PatternUsable(*options.pattern)) {
      W().Focus(kPatternBox);
      return;
    }
    // The boxes show what the statements were written with.
    if (options.sendMessage) {
      const SendMessageArguments shown = WithStandIns(*options.sendMessage);
      W().SetText(kMessageBox, shown.message);
      W().SetText(kWBox, shown.w);
      W().SetText(kLParamBox, shown.lParam);
    }
    if (options.controlCommand) W().SetText(kCommandMessageBox, CommandWithStandIn(*options.controlCommand));
    std::vector<CodeTarget> targets;
    for (std::size_t r = 0; r < rows_.size(); ++r)
      if (W().ViewIsTicked(kList, static_cast<int>(r))) targets.push_back({rows_[r].window, rows_[r].name});
    // CR alone ends each line: the text is meant for the editor, which takes it as written.
    CopyConfirmed(editor_, W(), ControlCode(targets, options), kCloseAfterSendBox);
  }

  int OnEvent(const ui::Event& event) {
    if (!IsControlNotice(W(), event)) return 0;
    const int code = event.notifyCode;
    const ui::ControlId id = event.controlId;
    if (id == kList) {
      if (code == ui::notify::kListViewClick) UpdateSend();
      if (code == ui::notify::kListViewColumnClick) OnColumnClick(event.commandCode);
      return 0;
    }
    if ((id == kWindowFilter || id == kTypeFilter) && code == ui::notify::kSelectionChanged) Refill();
    if (id == kNameBox && code == ui::notify::kTextChanged) Refill();
    if (code != ui::notify::kClick) return 0;
    if (id == kNameBeginsBox || id == kInNameBox) {
      W().SetChecked(id, true);
      W().SetChecked(id == kNameBeginsBox ? kInNameBox : kNameBeginsBox, false);
      Refill();
    } else if (id == kExcludeStaticsBox) {
      Refill();
    } else if (std::find(kOptionBoxes.begin(), kOptionBoxes.end(), id) != kOptionBoxes.end()) {
      OnOption(id);
    } else if (id == kSelectAllButton || id == kClearAllButton) {
      TickAll(id == kSelectAllButton);
    } else if (id == kSendButton) {
      Send();
    } else if (id == kByGroupButton || id == kChangeGroupButton || (id == kByWindowButton && group_)) {
      end_ = id == kByWindowButton ? CodeWindowEnd::kToSearchList : CodeWindowEnd::kToGroups;
      W().Close();
    } else if (id == kPageHelpButton) {
      OpenHelpPage(editor_, "creating-code.html");
    } else if (id == kCloseButton) {
      W().Close();
    }
    return 0;
  }

  Editor& editor_;
  const std::vector<ControlEntry>& controls_;
  ControlFilter filter_;
  std::optional<std::string> group_;
  CodeWindowEnd end_ = CodeWindowEnd::kClosed;
  std::vector<ControlEntry> rows_;
  ui::FontSpec font_;
  ResultSort sort_;
  std::unique_ptr<ui::Window> window_;
};

}  // namespace

CodeWindowEnd RunCreateCode(Editor& editor, const std::vector<ControlEntry>& controls, const ControlFilter& filter,
                            const std::optional<std::string>& group) {
  CreateCodeWindow window(editor, controls, filter, group);
  window.Run();
  return window.End();
}

}  // namespace editor
