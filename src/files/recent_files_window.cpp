#include "files/recent_files_window.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/bitmap_ids.h"
#include "base/stored_path.h"
#include "base/whole_file.h"
#include "files/file_loader.h"
#include "files/recent_files_file.h"
#include "model/recent_files_list.h"
#include "state/editor.h"
#include "view/controls_redraw_off.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"
#include "view/notice_table.h"
#include "view/notices.h"

namespace editor {

namespace {

using namespace recent_files;

constexpr ui::Rect kWindowRect{0, 0, 725, 360};
constexpr int kLabel = 1;

class RecentFilesWindow {
 public:
  explicit RecentFilesWindow(Editor& editor) : editor_(editor) {}

  // The path picked, if any, once the window has closed.
  std::optional<std::filesystem::path> Run() {
    window_ = CreateDialogWindow(editor_.system,
                                 {"Recent files", kWindowRect, editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return std::nullopt;
    Fill();
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); });
    return picked_;
  }

 private:
  bool CreateControls() {
    ui::Window& w = *window_;
    const bool made =
        w.CreateControl(DialogControl(ui::ControlKind::kListView, kList, {10, 10, 700, 240})) &&
        w.CreateControl(DialogControl(ui::ControlKind::kStatic, kLabel, {10, 260, 400, 24},
                                      "Click on a recent file to open it")) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kClearButton, {10, 290, 220, 28},
                                      "Clear all recent files")) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kCloseButton, {610, 290, 100, 28}, "Close"));
    if (!made) return false;
    w.ViewAddColumn(kList, "file name", 700);
    w.SetColours(kLabel, editor_.prefs.windowText, editor_.prefs.windowBackground);
    return true;
  }

  void Fill() {
    const WholeFile file = ReadWholeFile(RecentFilesPath(editor_), kLargestRecentFiles);
    for (const std::string& line : RecentFilesNewestFirst(file.bytes)) paths_.push_back(PathFromStoredText(line));
    const ControlsRedrawOff quiet(*window_, {kList});
    for (std::size_t i = 0; i < paths_.size(); ++i)
      window_->ViewInsertRow(kList, static_cast<int>(i), editor_.system.ShownName(paths_[i]));
    window_->EnableControl(kClearButton, !paths_.empty());
  }

  int OnEvent(const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) {
      window_->Close();
      return 0;
    }
    if (event.kind != ui::MessageKind::kControlNotify) return 0;
    if (event.controlId == kList && event.notifyCode == ui::notify::kListViewClick) Pick();
    if (event.notifyCode != ui::notify::kClick) return 0;
    if (event.controlId == kClearButton) ClearAll();
    if (event.controlId == kCloseButton) window_->Close();
    return 0;
  }

  void Pick() {
    const std::vector<int> rows = window_->ViewSelectedRows(kList);
    if (rows.empty() || rows.front() < 0 || static_cast<std::size_t>(rows.front()) >= paths_.size()) return;
    picked_ = paths_[static_cast<std::size_t>(rows.front())];
    window_->Close();
  }

  void ClearAll() {
    window_->Close();
    ClearRecentFiles(editor_);
  }

  Editor& editor_;
  std::unique_ptr<ui::Window> window_;
  std::vector<std::filesystem::path> paths_;  // the rows' files, as the list cannot hold every name
  std::optional<std::filesystem::path> picked_;
};

// A picked file is opened as the open dialog's choice is; one that has gone is not (an
// empty tab would take its name).
void OpenPicked(Editor& editor, const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    ShowNotice(editor, notice::kFileGone);
    return;
  }
  if (LoadFile(editor, path) == LoadResult::kLoaded) AppendRecentFile(editor, path);
}

}  // namespace

void RunRecentFilesWindow(Editor& editor) {
  if (!editor.main) return;
  if (const std::optional<std::filesystem::path> picked = RecentFilesWindow(editor).Run()) OpenPicked(editor, *picked);
}

}  // namespace editor
