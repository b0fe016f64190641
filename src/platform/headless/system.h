// The in-memory operating system: a virtual clock, windows made in memory, an
// in-memory clipboard, and dialogs and launches answered and recorded by the script.
// It must outlive the windows it makes.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <optional>

#include "platform/headless/desktop.h"
#include "platform/system.h"

namespace headless {

class System final : public ui::System {
 public:
  explicit System(std::filesystem::path startFolder, std::optional<std::filesystem::path> driveRoot = std::nullopt);

  std::filesystem::path StartFolder() const override { return startFolder_; }
  std::filesystem::path DriveRoot() const override { return driveRoot_; }
  bool IsLinkOrJunction(const std::filesystem::path& path) const override;

  std::int64_t NowMs() const override { return desktop_.nowMs; }
  // Time passes at once and no timer ticks, as a real Sleep blocks the thread.
  void Sleep(int milliseconds) override;
  // A window in memory is always drawn: the wait is a Sleep.
  void WaitPainted(ui::Window& window, int milliseconds) override;
  ui::DateTime LocalDateTime() const override { return desktop_.localTime; }

  std::unique_ptr<ui::Window> CreateTopLevel(const ui::WindowSpec& desc) override;
  void RunMessageLoop(ui::Window& main) override;
  // Delivers the timer ticks already due and the next action the Driver queued for a pump.
  void PumpMessages() override;

  bool SetClipboardText(std::string_view text) override;
  std::optional<std::string> ClipboardText() const override { return desktop_.clipboard; }
  bool ClipboardHasText() const override { return desktop_.clipboard.has_value(); }
  void ClearClipboard() override { desktop_.clipboard.reset(); }

  std::optional<std::filesystem::path> OpenFileDialog(ui::Window& owner, const ui::FileDialogSpec& desc) override;
  std::optional<std::filesystem::path> SaveFileDialog(ui::Window& owner, const ui::FileDialogSpec& desc) override;
  std::optional<ui::FontSpec> FontDialog(ui::Window& owner, const ui::FontSpec& current) override;

  bool OpenWithShell(const std::filesystem::path& program, std::string_view arguments) override;

  // The program's resources are what the test puts in.
  std::optional<std::string> ResourceBytes(int type, int id) const override;
  void SetResource(int type, int id, std::string bytes) { resources_[{type, id}] = std::move(bytes); }

  std::vector<std::string> InstalledFontFamilies() const override;
  std::string ShownName(const std::filesystem::path& name) const override { return name.string(); }
  ui::Point CursorScreenPosition() const override { return desktop_.cursor; }

  Desktop& GetDesktop() { return desktop_; }
  const Desktop& GetDesktop() const { return desktop_; }

 private:
  std::filesystem::path startFolder_;
  std::filesystem::path driveRoot_;
  Desktop desktop_;
  std::map<std::pair<int, int>, std::string> resources_;
};

}  // namespace headless
