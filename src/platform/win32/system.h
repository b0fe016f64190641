// The Win32 process services behind the layer's System interface. One per process:
// it registers the window class and keeps the rich-edit library loaded.
#pragma once

#include <windows.h>

#include "platform/system.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class System final : public ui::System {
 public:
  System();
  ~System() override;
  System(const System&) = delete;
  System& operator=(const System&) = delete;

  std::filesystem::path StartFolder() const override;
  std::filesystem::path DriveRoot() const override;
  bool IsLinkOrJunction(const std::filesystem::path& path) const override;

  std::int64_t NowMs() const override;
  void Sleep(int milliseconds) override;
  void WaitPainted(ui::Window& window, int milliseconds) override;
  ui::DateTime LocalDateTime() const override;

  std::unique_ptr<ui::Window> CreateTopLevel(const ui::WindowSpec& desc) override;

  void RunMessageLoop(ui::Window& main) override;
  void PumpMessages() override;

  bool SetClipboardText(std::string_view text) override;
  std::optional<std::string> ClipboardText() const override;
  bool ClipboardHasText() const override;
  void ClearClipboard() override;

  std::optional<std::filesystem::path> OpenFileDialog(ui::Window& owner, const ui::FileDialogSpec& desc) override;
  std::optional<std::filesystem::path> SaveFileDialog(ui::Window& owner, const ui::FileDialogSpec& desc) override;
  std::optional<ui::FontSpec> FontDialog(ui::Window& owner, const ui::FontSpec& current) override;

  bool OpenWithShell(const std::filesystem::path& program, std::string_view arguments) override;

  std::optional<std::string> ResourceBytes(int type, int id) const override;

  std::vector<std::string> InstalledFontFamilies() const override;
  std::string ShownName(const std::filesystem::path& name) const override;
  ui::Point CursorScreenPosition() const override;

 private:
  HINSTANCE module_;
  UniqueModule richEditLibrary_;
  ATOM windowClass_ = 0;
  // Owns the clipboard's contents while they are ours.
  UniqueWindow clipboardOwner_;
};

}  // namespace win32
