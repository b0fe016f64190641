#include "navigation/multi_select_window.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/bitmap_ids.h"
#include "base/control_ids.h"
#include "base/number_text.h"
#include "editing/edit_commands.h"
#include "navigation/declaration_span.h"
#include "navigation/put_in_free_block.h"
#include "state/editor.h"
#include "view/controls_redraw_off.h"
#include "view/declaration_buttons.h"
#include "view/dialog_controls.h"
#include "view/index_lists.h"
#include "view/modal_dialog.h"
#include "view/notice_table.h"
#include "view/notices.h"

namespace editor {

namespace {

using namespace multi_select;

constexpr ui::Rect kWindowRect{0, 0, 470, 400};

struct Texts {
  const char* caption;
  const char* column;
  int lineColumnWidth;
  const char* copy;
  const char* block;
  const char* clear;
};

constexpr Texts kSubroutineTexts{"Subroutine details - multi select option", "Subroutine", 100,
                                 "Copy selected subroutines to the clipboard", "Copy selected subroutines to a block",
                                 "Clear selected subroutines"};
constexpr Texts kWindowTexts{"Window details - multi select option", "Window", 110,
                             "Copy selected windows to the clipboard", "Copy selected windows to a block",
                             "Clear selected windows"};

// Where each line starts in the text, read once for every row copied.
std::vector<std::size_t> LineStarts(std::string_view text) {
  std::vector<std::size_t> starts{0};
  for (std::size_t at = text.find('\r'); at != std::string_view::npos; at = text.find('\r', at + 1))
    starts.push_back(at + 1);
  return starts;
}

class MultiSelectWindow {
 public:
  MultiSelectWindow(Editor& editor, Declaration kind)
      : editor_(editor), pane_(PaneOf(kind)), texts_(kind == Declaration::kSubroutine ? kSubroutineTexts : kWindowTexts) {}

  void Run() {
    // The window is modal: the text cannot change while it is open, so it is read once.
    if (const ui::RichEdit* edit = editor_.main->Edit(kEditor)) text_ = edit->TextRange(0, -1);
    starts_ = LineStarts(text_);
    window_ = CreateDialogWindow(editor_.system,
                                 {texts_.caption, kWindowRect, editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return;
    FillRows();
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); });
  }

 private:
  bool CreateControls() {
    ui::Window& w = *window_;
    ui::ControlSpec list = DialogControl(ui::ControlKind::kListView, kList, {10, 10, 440, 250});
    list.multiSelect = true;
    ui::ControlSpec copy = DialogControl(ui::ControlKind::kPushButton, kCopyButton, {10, 270, 300, 28}, texts_.copy);
    ui::ControlSpec block = DialogControl(ui::ControlKind::kPushButton, kBlockButton, {10, 305, 300, 28}, texts_.block);
    ui::ControlSpec clear = DialogControl(ui::ControlKind::kPushButton, kClearButton, {10, 340, 300, 28}, texts_.clear);
    copy.visible = block.visible = clear.visible = false;
    const bool made = w.CreateControl(list) && w.CreateControl(copy) && w.CreateControl(block) &&
                      w.CreateControl(clear) &&
                      w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kCloseButton, {350, 340, 100, 28}, "Close"));
    if (!made) return false;
    w.ViewAddColumn(kList, texts_.column, 226);
    w.ViewAddColumn(kList, "Starts", texts_.lineColumnWidth);
    w.ViewAddColumn(kList, "Ends", texts_.lineColumnWidth);
    return true;
  }

  // The ends are worked out from the text: the lists know an end only once a command
  // has looked for it.
  void FillRows() {
    const ui::Window& main = *editor_.main;
    const ControlsRedrawOff quiet(*window_, {kList});
    for (int r = 0, count = main.ViewRowCount(pane_.list); r < count; ++r) {
      const std::string name = main.ViewCell(pane_.list, r, 0);
      const int row = window_->ViewInsertRow(kList, r, name);
      const std::string begin = main.ViewCell(pane_.list, r, 1);
      const SpanResult span = SpanOf(name, LineNumber(WholeInt(begin)));
      window_->ViewSetCell(kList, row, 1, begin);
      window_->ViewSetCell(kList, row, 2, span.span ? std::to_string(span.span->end.Value()) : std::string());
    }
  }

  SpanResult SpanOf(const std::string& name, LineNumber begin) const {
    if (begin.Value() < 1 || begin.Value() > static_cast<int>(starts_.size())) return {};
    const std::size_t offset = starts_[static_cast<std::size_t>(begin.Value() - 1)];
    return SpanInText(std::string_view(text_).substr(offset), static_cast<int>(offset), pane_.kind, name, begin);
  }

  int OnEvent(const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) {
      window_->Close();
      return 0;
    }
    if (event.kind != ui::MessageKind::kControlNotify) return 0;
    if (event.controlId == kList && event.notifyCode == ui::notify::kListViewClick) ShowRowButtons(true);
    if (event.notifyCode != ui::notify::kClick) return 0;
    if (event.controlId == kCopyButton) CopySelected();
    if (event.controlId == kBlockButton) CopySelectedToBlock();
    if (event.controlId == kClearButton) ClearSelected();
    if (event.controlId == kCloseButton) window_->Close();
    return 0;
  }

  void ShowRowButtons(bool shown) {
    window_->ShowControl(kCopyButton, shown);
    window_->ShowControl(kBlockButton, shown);
    window_->ShowControl(kClearButton, shown);
  }

  // Each picked entry's lines, each with its break. An entry
  // whose row no longer matches the file, or that has no end, stops the copy with its notice.
  std::optional<std::string> PickedCode() {
    const std::vector<int> rows = window_->ViewSelectedRows(kList);
    if (rows.empty()) return std::nullopt;
    std::string copied;
    for (const int row : rows) {
      const SpanResult span =
          SpanOf(window_->ViewCell(kList, row, 0), LineNumber(WholeInt(window_->ViewCell(kList, row, 1))));
      if (!span.span) {
        ShowNotice(editor_, span.problem == SpanProblem::kStale ? notice::kListOutOfDate : notice::kNoEndFound);
        return std::nullopt;
      }
      copied += span.span->text;
      if (copied.back() != '\r') copied += '\r';
    }
    return copied;
  }

  void CopySelected() {
    if (const std::optional<std::string> code = PickedCode()) {
      editor_.system.SetClipboardText(WithCrLfBreaks(*code));
      ShowNotice(editor_, notice::kCopiedToClipboard);
    }
  }

  void CopySelectedToBlock() {
    if (const std::optional<std::string> code = PickedCode()) CopyToBlock(editor_, *code);
  }

  void ClearSelected() {
    for (const int row : window_->ViewSelectedRows(kList)) window_->ViewSelect(kList, row, false);
    ShowRowButtons(false);
  }

  Editor& editor_;
  const DeclarationPane& pane_;
  const Texts& texts_;
  std::unique_ptr<ui::Window> window_;
  std::string text_;                // the file's text, breaks as CR
  std::vector<std::size_t> starts_;  // where each of its lines starts
};

}  // namespace

void RunMultiSelectWindow(Editor& editor, Declaration kind) {
  if (editor.main) MultiSelectWindow(editor, kind).Run();
}

}  // namespace editor
