#include "view/text_entry_dialog.h"

#include <memory>

#include "base/bitmap_ids.h"
#include "state/editor.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"

namespace editor {

namespace {

using namespace text_entry;

constexpr ui::Rect kWindowRect{0, 0, 470, 200};

class TextEntryWindow {
 public:
  TextEntryWindow(Editor& editor, const TextEntryDialog& dialog) : editor_(editor), dialog_(dialog) {}

  std::optional<std::string> Run() {
    window_ = CreateDialogWindow(editor_.system, {std::string(dialog_.caption), kWindowRect,
                                                  editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return std::nullopt;
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); },
                   {.control = kBox, .selectAll = dialog_.textSelected});
    return taken_;
  }

 private:
  bool CreateControls() {
    ui::Window& w = *window_;
    const ui::Rect label = dialog_.labelRect;
    const bool made =
        w.CreateControl(DialogControl(ui::ControlKind::kStatic, kLabel, label, dialog_.label)) &&
        w.CreateControl(DialogControl(ui::ControlKind::kEdit, kBox, {label.x, 52, label.width, 26}, dialog_.initialText)) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kTakeButton, {130, 105, 90, 28}, dialog_.takeCaption)) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kDismissButton, {250, 105, 90, 28}, dialog_.dismissCaption));
    if (made) w.SetColours(kLabel, editor_.prefs.windowText, editor_.prefs.windowBackground);
    return made;
  }

  int OnEvent(const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) {
      window_->Close();
      return 0;
    }
    if (event.kind != ui::MessageKind::kControlNotify) return 0;
    const bool take = (event.controlId == kTakeButton && event.notifyCode == ui::notify::kClick) ||
                      (event.controlId == kBox && event.notifyCode == ui::notify::kEnter);
    if (take) Take();
    if (event.controlId == kDismissButton && event.notifyCode == ui::notify::kClick) window_->Close();
    return 0;
  }

  void Take() {
    std::string text = window_->GetText(kBox);
    if (text.empty() && !dialog_.takesEmpty) {
      window_->Focus(kBox);
      return;
    }
    taken_ = std::move(text);
    window_->Close();
  }

  Editor& editor_;
  const TextEntryDialog& dialog_;
  std::unique_ptr<ui::Window> window_;
  std::optional<std::string> taken_;
};

}  // namespace

std::optional<std::string> AskTextEntry(Editor& editor, const TextEntryDialog& dialog) {
  return TextEntryWindow(editor, dialog).Run();
}

}  // namespace editor
