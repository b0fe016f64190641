#include "app/setup_error_window.h"

#include <array>
#include <memory>

#include "base/bitmap_ids.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"

namespace editor {

namespace {

constexpr ui::Colour kWhite = ui::Rgb(255, 255, 255);
constexpr std::array kLines{"There was an  error setting up the editor.", "Please delete any folders that were created",
                            "Please make sure you have full admin rights to this location",
                            "Then try running the program again as Admin."};

bool CreateControls(ui::Window& window) {
  for (std::size_t i = 0; i < kLines.size(); ++i) {
    const ui::ControlId id = static_cast<ui::ControlId>(i + 1);
    if (!window.CreateControl(DialogControl(ui::ControlKind::kStatic, id, {60, 30 + 30 * static_cast<int>(i), 560, 25},
                                            kLines[i])))
      return false;
    window.SetColours(id, ui::Rgb(0, 0, 0), kWhite);
  }
  ui::ControlSpec close = DialogControl(ui::ControlKind::kPushButton, setup_error::kCloseButton, {560, 155, 60, 25}, "Close");
  close.font = ui::FontSpec{"Arial", 11};
  return window.CreateControl(close);
}

}  // namespace

void RunSetupErrorWindow(ui::System& system) {
  std::unique_ptr<ui::Window> window =
      CreateDialogWindow(system, {"Setup Error", {0, 0, 650, 220}, kWhite, kIconApplication});
  if (!window || !CreateControls(*window)) return;
  RunModalDialog(*window, [](ui::Window& w, const ui::Event& event) {
    const bool closePressed = event.kind == ui::MessageKind::kControlNotify &&
                              event.controlId == setup_error::kCloseButton && event.notifyCode == ui::notify::kClick;
    if (event.kind == ui::MessageKind::kCloseRequested || closePressed) w.Close();
    return 0;
  });
}

}  // namespace editor
