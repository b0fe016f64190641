#include "search/fast_code_window.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/bitmap_ids.h"
#include "base/control_ids.h"
#include "model/snippet_list.h"
#include "search/snippet_file.h"
#include "view/controls_redraw_off.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"
#include "view/notices.h"

namespace editor {

namespace {

using namespace fast_code;

constexpr ui::Rect kWindowRect{0, 0, 746, 610};
constexpr int kAddLimit = 255;
constexpr int kCodeColumnWidth = 720;

int SaveNotice(SnippetSave result) {
  switch (result) {
    case SnippetSave::kHasNul: return notice::kSnippetFileHasNul;
    case SnippetSave::kUnreadable: return notice::kSnippetFileUnreadable;
    case SnippetSave::kNotWritten:
    case SnippetSave::kSaved: break;
  }
  return notice::kSnippetNotSaved;
}

class FastCodeWindow {
 public:
  explicit FastCodeWindow(Editor& editor) : editor_(editor) {}

  void Run() {
    window_ = CreateDialogWindow(editor_.system,
                                 {std::string(kCaption), kWindowRect, editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return;
    window_->SetText(kAddBox, editor_.main ? editor_.main->GetText(kFindBox) : std::string());
    EnableSave();
    LoadType(0, true);
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); });
  }

 private:
  bool CreateControls() {
    ui::Window& w = *window_;
    ui::ControlSpec box = DialogControl(ui::ControlKind::kEdit, kAddBox, {125, 88, 500, 25});
    box.maxLength = kAddLimit;
    ui::ControlSpec list = DialogControl(ui::ControlKind::kListView, kList, {3, 125, 724, 380});
    list.checkBoxes = true;
    list.gridLines = true;
    const bool made =
        w.CreateControl(DialogControl(ui::ControlKind::kStatic, kTypeLabel, {20, 20, 100, 25}, "Control type")) &&
        w.CreateControl(DialogControl(ui::ControlKind::kComboBox, kTypeCombo, {125, 18, 200, 300})) &&
        w.CreateControl(DialogControl(ui::ControlKind::kStatic, kHintLabel, {20, 55, 700, 25})) &&
        w.CreateControl(DialogControl(ui::ControlKind::kStatic, kAddLabel, {20, 90, 100, 25}, "Add line")) &&
        w.CreateControl(box) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kSaveButton, {635, 88, 85, 25}, "Save")) &&
        w.CreateControl(list) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kSelectAllButton, {3, 520, 95, 28}, "Select All")) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kClearAllButton, {103, 520, 95, 28}, "Clear All")) &&
        w.CreateControl(
            DialogControl(ui::ControlKind::kPushButton, kCopyButton, {203, 520, 200, 28}, "Copy selected to clipboard")) &&
        w.CreateControl(
            DialogControl(ui::ControlKind::kCheckBox, kCloseAfterCopyBox, {415, 520, 220, 28}, "Close screen after copying")) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kCloseButton, {642, 520, 85, 28}, "Close"));
    if (!made) return false;
    for (ui::ControlId id : {kTypeLabel, kHintLabel, kAddLabel, kCloseAfterCopyBox})
      w.SetColours(id, editor_.prefs.windowText, editor_.prefs.windowBackground);
    w.ViewAddColumn(kList, "Code", kCodeColumnWidth);
    for (std::string_view type : kSnippetTypes) w.ListAdd(kTypeCombo, type);
    w.ListSelect(kTypeCombo, 0);
    w.SetChecked(kCloseAfterCopyBox, true);
    return true;
  }

  int OnEvent(const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) window_->Close();
    if (event.kind != ui::MessageKind::kControlNotify) return 0;
    const ui::ControlId id = event.controlId;
    if (id == kTypeCombo && event.notifyCode == ui::notify::kSelectionChanged) OnTypeChosen();
    if (id == kAddBox && event.notifyCode == ui::notify::kTextChanged) EnableSave();
    if (id == kList && event.notifyCode == ui::notify::kListViewClick) OnRowClicked(event.scrollPosition);
    if (event.notifyCode != ui::notify::kClick) return 0;
    if (id == kSaveButton) Save();
    if (id == kSelectAllButton) TickAll(true);
    if (id == kClearAllButton) TickAll(false);
    if (id == kCopyButton) CopyTicked();
    if (id == kCloseButton) window_->Close();
    return 0;
  }

  int ChosenType() const { return std::max(0, window_->ListSelected(kTypeCombo)); }

  void OnTypeChosen() { LoadType(ChosenType(), false); }

  // Blank lines are shown as the file holds them when the window opens and after a save;
  // choosing a type shows only the lines with code.
  void LoadType(int type, bool keepBlankLines) {
    const std::string_view name = kSnippetTypes[static_cast<std::size_t>(type)];
    window_->SetText(kHintLabel, "To amend this list you can edit " + SnippetFileName(name) +
                                     " (located in the Res folder) using Notepad.");
    const SnippetFile file = ReadSnippetFile(*editor_.files, editor_.folders, name);
    ShowRows(SnippetRows(file.text, keepBlankLines));
    if (file.status == SnippetFileStatus::kHasNul) ShowNotice(editor_, notice::kSnippetFileHasNul);
    if (file.status == SnippetFileStatus::kUnreadable) ShowNotice(editor_, notice::kSnippetFileUnreadable);
  }

  void ShowRows(std::vector<std::string> rows) {
    const ControlsRedrawOff quiet(*window_, {kList});
    window_->ViewClear(kList);
    for (std::size_t r = 0; r < rows.size(); ++r) window_->ViewInsertRow(kList, static_cast<int>(r), rows[r]);
    snippets_ = std::move(rows);
    ticks_.assign(snippets_.size(), false);
  }

  void EnableSave() { window_->EnableControl(kSaveButton, !window_->GetText(kAddBox).empty()); }

  void Save() {
    const std::string snippet = window_->GetText(kAddBox);
    if (snippet.empty()) return;
    const int type = ChosenType();
    const SnippetSave result = SaveSnippet(*editor_.files, editor_.folders, kSnippetTypes[static_cast<std::size_t>(type)], snippet);
    // The typed line stays in the box until it is safely in the file.
    if (result != SnippetSave::kSaved) {
      ShowNotice(editor_, SaveNotice(result));
      return;
    }
    LoadType(type, true);
    window_->SetText(kAddBox, "");
    EnableSave();
  }

  // A click on the row's tick box has already turned the tick over; a click elsewhere on
  // the row turns it over here.
  void OnRowClicked(int row) {
    if (row < 0 || row >= static_cast<int>(ticks_.size())) return;
    const auto r = static_cast<std::size_t>(row);
    if (window_->ViewIsTicked(kList, row) == ticks_[r]) window_->ViewSetTicked(kList, row, !ticks_[r]);
    ticks_[r] = window_->ViewIsTicked(kList, row);
  }

  void TickAll(bool ticked) {
    for (std::size_t r = 0; r < ticks_.size(); ++r) {
      window_->ViewSetTicked(kList, static_cast<int>(r), ticked);
      ticks_[r] = ticked;
    }
  }

  // The snippets are taken from the file's lines, never from the list's cells, which may
  // show a long line cut short.
  void CopyTicked() {
    std::vector<std::string> ticked;
    for (std::size_t r = 0; r < snippets_.size(); ++r)
      if (window_->ViewIsTicked(kList, static_cast<int>(r))) ticked.push_back(snippets_[r]);
    if (!editor_.system.SetClipboardText(SnippetsForClipboard(ticked))) {
      ShowNotice(editor_, notice::kClipboardNotWritten);
      return;
    }
    if (window_->IsChecked(kCloseAfterCopyBox)) window_->Close();
  }

  Editor& editor_;
  std::unique_ptr<ui::Window> window_;
  std::vector<std::string> snippets_;  // the rows' snippets, whole
  std::vector<bool> ticks_;            // the rows' ticks as this window last left them
};

void FastCodeCommand(Editor& editor) {
  if (editor.main) editor.main->Show(false);
  RunFastCodeWindow(editor);
  if (editor.main) {
    editor.main->Show(true);
    editor.main->Focus(kEditor);
  }
}

constexpr ControlCommand kControlRows[] = {
    {kFastCodeButton, ui::notify::kClick, Call<FastCodeCommand>},
};

}  // namespace

void RunFastCodeWindow(Editor& editor) { FastCodeWindow(editor).Run(); }

CommandRows FastCodeCommands() { return {kControlRows, {}}; }

}  // namespace editor
