#include "platform/headless/system.h"

#include <system_error>

#include "platform/headless/message_loop.h"
#include "platform/headless/window.h"

namespace headless {

System::System(std::filesystem::path startFolder, std::optional<std::filesystem::path> driveRoot)
    : startFolder_(std::move(startFolder)), driveRoot_(driveRoot.value_or(startFolder_)) {}

bool System::IsLinkOrJunction(const std::filesystem::path& path) const {
  std::error_code error;
  return std::filesystem::is_symlink(std::filesystem::symlink_status(path, error));
}

void System::Sleep(int milliseconds) {
  if (milliseconds > 0) desktop_.nowMs += milliseconds;
}

void System::WaitPainted(ui::Window&, int milliseconds) { Sleep(milliseconds); }

std::unique_ptr<ui::Window> System::CreateTopLevel(const ui::WindowSpec& desc) {
  return std::make_unique<Window>(desktop_, desc);
}

void System::RunMessageLoop(ui::Window& main) { RunLoopUntilClosed(dynamic_cast<Window&>(main), false); }

void System::PumpMessages() {
  DeliverTimersDueBy(desktop_, desktop_.nowMs);
  if (auto action = desktop_.script.TakePumpAction()) (*action)();
}

bool System::SetClipboardText(std::string_view text) {
  desktop_.clipboard = std::string(text);
  return true;
}

std::optional<std::filesystem::path> System::OpenFileDialog(ui::Window&, const ui::FileDialogSpec& desc) {
  return desktop_.script.AnswerPathDialog(DialogKind::kOpen, desc);
}

std::optional<std::filesystem::path> System::SaveFileDialog(ui::Window&, const ui::FileDialogSpec& desc) {
  return desktop_.script.AnswerPathDialog(DialogKind::kSave, desc);
}

std::optional<ui::FontSpec> System::FontDialog(ui::Window&, const ui::FontSpec& current) {
  return desktop_.script.AnswerFontDialog(current);
}

bool System::OpenWithShell(const std::filesystem::path& program, std::string_view arguments) {
  desktop_.script.RecordLaunch({program, std::string(arguments)});
  return true;
}

std::optional<std::string> System::ResourceBytes(int type, int id) const {
  const auto it = resources_.find({type, id});
  if (it == resources_.end()) return std::nullopt;
  return it->second;
}

std::vector<std::string> System::InstalledFontFamilies() const {
  return {"Arial", "Consolas", "Courier New", "Lucida Console", "Segoe UI", "Tahoma", "Times New Roman", "Verdana"};
}

}  // namespace headless
