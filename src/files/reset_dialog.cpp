#include "files/reset_dialog.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "base/bitmap_ids.h"
#include "base/replace_file.h"
#include "base/whole_file.h"
#include "files/exit_path.h"
#include "files/first_use_purge.h"
#include "files/recent_files_file.h"
#include "state/editor.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"
#include "view/notices.h"

namespace editor {

namespace {

using namespace reset_dialog;
using ui::ControlKind;

constexpr ui::Rect kWindowRect{0, 0, 350, 280};
constexpr int kFirstTextLine = 5;

struct ResetChoice {
  bool resizeTabs = false;
  bool keepRecentFiles = true;
};

class ResetDialog {
 public:
  explicit ResetDialog(Editor& editor) : editor_(editor) {}

  // The choice made with "Reset now", or nullopt for Cancel and the close box.
  std::optional<ResetChoice> Run() {
    window_ = CreateDialogWindow(editor_.system, {"Reset to first time use", kWindowRect,
                                                  editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return std::nullopt;
    window_->SetChecked(editor_.resizeTabs ? kResizeTabs : kFixedTabs, true);
    window_->SetChecked(kKeepRecentFiles, true);
    RunModalDialog(
        *window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); }, {kCancel});
    return choice_;
  }

 private:
  bool CreateControls() {
    ui::Window& w = *window_;
    const char* lines[] = {"  Your editor preferences will not be changed,",
                           "  and any files open will need to be re-loaded.",
                           "You will have the chance to save your work first."};
    bool made = w.CreateControl(DialogControl(ControlKind::kRadioButton, kResizeTabs, {20, 15, 200, 24}, "Resize tabs")) &&
                w.CreateControl(
                    DialogControl(ControlKind::kRadioButton, kFixedTabs, {20, 45, 200, 24}, "Don't resize tabs")) &&
                w.CreateControl(DialogControl(ControlKind::kCheckBox, kKeepRecentFiles, {20, 80, 250, 24},
                                              "Keep my recent files list"));
    for (int i = 0; i < 3 && made; ++i) {
      // A size smaller than the dialog's own, or the longest line would not fit its width.
      ui::ControlSpec line = DialogControl(ControlKind::kStatic, kFirstTextLine + i, {8, 115 + 22 * i, 326, 22}, lines[i]);
      line.font = ui::FontSpec{"Arial", 10};
      made = w.CreateControl(line);
      w.SetColours(kFirstTextLine + i, editor_.prefs.windowText, editor_.prefs.windowBackground);
    }
    return made &&
           w.CreateControl(DialogControl(ControlKind::kPushButton, kResetNow, {40, 200, 120, 28}, "Reset now")) &&
           w.CreateControl(DialogControl(ControlKind::kPushButton, kCancel, {190, 200, 120, 28}, "Cancel"));
  }

  int OnEvent(const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) {
      window_->Close();
      return 0;
    }
    if (event.kind != ui::MessageKind::kControlNotify || event.notifyCode != ui::notify::kClick) return 0;
    switch (event.controlId) {
      case kResizeTabs:
      case kFixedTabs:
        // One of the two, whatever the platform groups radio buttons by.
        window_->SetChecked(kResizeTabs, event.controlId == kResizeTabs);
        window_->SetChecked(kFixedTabs, event.controlId == kFixedTabs);
        break;
      case kResetNow:
        window_->EnableControl(kResetNow, false);
        choice_ = ResetChoice{window_->IsChecked(kResizeTabs), window_->IsChecked(kKeepRecentFiles)};
        window_->Close();
        break;
      case kCancel:
        window_->Close();
        break;
      default:
        break;
    }
    return 0;
  }

  Editor& editor_;
  std::unique_ptr<ui::Window> window_;
  std::optional<ResetChoice> choice_;
};

// The marker the next start acts on; false when it could not be written, and then the
// editor carries on as it was.
bool LeaveResetMarker(Editor& editor, const ResetChoice& choice) {
  const FolderLayout& folders = editor.folders;
  if (choice.keepRecentFiles) {
    // The next start copies the backup over the list: an older backup left in place would
    // take the newer entries with it, or bring back a list that was cleared.
    const std::filesystem::path backup = folders.InRes("RecentFilesBackup.ini");
    const WholeFile recent = ReadWholeFile(RecentFilesPath(editor), kLargestRecentFiles);
    std::error_code error;
    const bool backedUp = recent.status == WholeFileStatus::kRead
                              ? ReplaceFileWhole(*editor.files, backup, recent.bytes)
                              : recent.status == WholeFileStatus::kMissing &&
                                    (!std::filesystem::exists(backup, error) || editor.files->Remove(backup));
    if (!backedUp) return false;
    editor.system.Sleep(1000);
  }
  return ReplaceFileWhole(*editor.files, folders.InRes("First.txt"), choice.keepRecentFiles ? "1\r\n" : "0\r\n");
}

}  // namespace

void RunResetDialog(Editor& editor) {
  if (!editor.main) return;
  const std::optional<ResetChoice> choice = ResetDialog(editor).Run();
  if (!choice) return;
  if (!LeaveResetMarker(editor, *choice)) {
    ShowNotice(editor, notice::kResetNotWritten);
    return;
  }
  editor.resizeTabs = choice->resizeTabs;
  ExitPath(editor);
  // Written after the exit, which records the open files: the new start opens none.
  WriteResetEditorState(*editor.files, editor.folders, choice->resizeTabs);
  StartEditorAgain(editor);
}

}  // namespace editor
