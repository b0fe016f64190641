#include "editing/transpose_window.h"

#include <memory>
#include <string>

#include "base/bitmap_ids.h"
#include "base/menu_ids.h"
#include "base/word_delimiters.h"
#include "editing/edit_commands.h"
#include "model/line_transpose.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"
#include "view/notices.h"

namespace editor {

namespace {

using namespace transpose;

constexpr ui::Rect kWindowRect{0, 0, 370, 195};
constexpr int kOperatorLimit = 255;

class TransposeWindow {
 public:
  explicit TransposeWindow(Editor& editor) : editor_(editor) {}

  void Run() {
    window_ = CreateDialogWindow(editor_.system,
                                 {std::string(kCaption), kWindowRect, editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return;
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); },
                   {.control = kOperatorBox, .selectAll = true});
  }

 private:
  bool CreateControls() {
    ui::Window& w = *window_;
    ui::ControlSpec box = DialogControl(ui::ControlKind::kEdit, kOperatorBox, {125, 50, 100, 25},
                                        editor_.transposeOperator);
    box.maxLength = kOperatorLimit;
    const bool made =
        w.CreateControl(DialogControl(ui::ControlKind::kStatic, kOperatorLabel, {50, 50, 70, 25}, "Operator")) &&
        w.CreateControl(box) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kTransposeButton, {50, 120, 160, 25},
                                      "Transpose Now")) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kCloseButton, {265, 120, 80, 25}, "Close"));
    if (made) w.SetColours(kOperatorLabel, editor_.prefs.windowText, editor_.prefs.windowBackground);
    return made;
  }

  int OnEvent(const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) window_->Close();
    if (event.kind != ui::MessageKind::kControlNotify || event.notifyCode != ui::notify::kClick) return 0;
    if (event.controlId == kCloseButton) window_->Close();
    if (event.controlId == kTransposeButton) TransposeNow();
    return 0;
  }

  void TransposeNow() {
    const std::string op(WithoutLeadingBlanks(window_->GetText(kOperatorBox)));
    // Every line would hold an empty operator at its start: nothing sensible to swap.
    if (op.empty()) {
      ShowNotice(editor_, notice::kTypeAnOperator);
      window_->Focus(kOperatorBox);
      return;
    }
    editor_.transposeOperator = op;
    const std::string text = editor_.system.ClipboardText().value_or("");
    const bool written = editor_.system.SetClipboardText(TransposeLines(text, op));
    window_->Close();
    ShowNotice(editor_, written ? notice::kCopiedToClipboard : notice::kClipboardNotWritten);
  }

  Editor& editor_;
  std::unique_ptr<ui::Window> window_;
};

void CopyAndTranspose(Editor& editor) {
  CopyCommand(editor);
  RunTransposeWindow(editor);
}

constexpr MenuCommand kMenuRows[] = {
    {kContextTranspose, Call<CopyAndTranspose>},
};

}  // namespace

void RunTransposeWindow(Editor& editor) { TransposeWindow(editor).Run(); }

CommandRows TransposeCommands() { return {{}, kMenuRows}; }

}  // namespace editor
