#include "navigation/bookmark_dialog.h"

#include <memory>

#include "base/bitmap_ids.h"
#include "state/editor.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"

namespace editor {

namespace {

using namespace bookmark_dialog;

constexpr ui::Rect kWindowRect{0, 0, 470, 200};

// A description is one line of the bookmark list and of the state file.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class DescriptionWindow {
 public:
  explicit DescriptionWindow(Editor& editor) : editor_(editor) {}

  std::string Run() {
    window_ = CreateDialogWindow(editor_.system, {std::string(kBookmarkDialogCaption), kWindowRect,
                                                  editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return {};
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); },
                   {.control = kDescriptionBox});
    return description_;
  }

 private:
  bool CreateControls() {
    ui::Window& w = *window_;
    const bool made =
        w.CreateControl(DialogControl(ui::ControlKind::kStatic, kLabel, {15, 20, 440, 24}, "Add a description - optional")) &&
        w.CreateControl(DialogControl(ui::ControlKind::kEdit, kDescriptionBox, {15, 52, 440, 26})) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kOkButton, {130, 105, 90, 28}, "OK")) &&
        w.CreateControl(DialogControl(ui::ControlKind::kPushButton, kCloseButton, {250, 105, 90, 28}, "Close"));
    if (made) w.SetColours(kLabel, editor_.prefs.windowText, editor_.prefs.windowBackground);
    return made;
  }

  int OnEvent(const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) {
      window_->Close();
      return 0;
    }
    if (event.kind != ui::MessageKind::kControlNotify) return 0;
    const bool take = (event.controlId == kOkButton && event.notifyCode == ui::notify::kClick) ||
                      (event.controlId == kDescriptionBox && event.notifyCode == ui::notify::kEnter);
    if (take) {
      description_ = OneLine(window_->GetText(kDescriptionBox));
      window_->Close();
    } else if (event.controlId == kCloseButton && event.notifyCode == ui::notify::kClick) {
      window_->Close();
    }
    return 0;
  }

  Editor& editor_;
  std::unique_ptr<ui::Window> window_;
  std::string description_;
};

}  // namespace

std::string DescribeBookmark(Editor& editor) { return DescriptionWindow(editor).Run(); }

}  // namespace editor
