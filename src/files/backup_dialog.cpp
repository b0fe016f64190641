#include "files/backup_dialog.h"

#include "base/bitmap_ids.h"
#include "state/editor.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"

namespace editor {

namespace {

using namespace backup_dialog;

constexpr ui::Rect kWindowRect{0, 0, 470, 200};

class BackupNameWindow {
 public:
  BackupNameWindow(Editor& editor, const std::string& proposal) : editor_(editor), proposal_(proposal) {}

  std::optional<std::string> Run() {
    window_ = CreateDialogWindow(editor_.system, {std::string(kBackupDialogCaption), kWindowRect,
                                                  editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return std::nullopt;
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); },
                   {.control = kNameBox, .selectAll = true});
    return chosen_;
  }

 private:
  bool CreateControls() {
    ui::Window& w = *window_;
    const bool made = w.CreateControl(DialogControl(ui::ControlKind::kStatic, kLabel, {30, 20, 400, 24}, "Backup file name")) &&
                      w.CreateControl(DialogControl(ui::ControlKind::kEdit, kNameBox, {30, 52, 400, 26}, proposal_)) &&
                      w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kSaveButton, {130, 105, 90, 28}, "Save")) &&
                      w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kCancelButton, {250, 105, 90, 28}, "Cancel"));
    if (made) w.SetColours(kLabel, editor_.prefs.windowText, editor_.prefs.windowBackground);
    return made;
  }

  int OnEvent(const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) {
      window_->Close();
      return 0;
    }
    if (event.kind != ui::MessageKind::kControlNotify) return 0;
    const bool save = (event.controlId == kSaveButton && event.notifyCode == ui::notify::kClick) ||
                      (event.controlId == kNameBox && event.notifyCode == ui::notify::kEnter);
    if (save) TakeName();
    if (event.controlId == kCancelButton && event.notifyCode == ui::notify::kClick) window_->Close();
    return 0;
  }

  void TakeName() {
    const std::string name = window_->GetText(kNameBox);
    if (name.empty()) {
      window_->Focus(kNameBox);
      return;
    }
    chosen_ = name;
    window_->Close();
  }

  Editor& editor_;
  std::string proposal_;
  std::unique_ptr<ui::Window> window_;
  std::optional<std::string> chosen_;
};

}  // namespace

std::optional<std::string> AskBackupName(Editor& editor, const std::string& proposal) {
  return BackupNameWindow(editor, proposal).Run();
}

}  // namespace editor
