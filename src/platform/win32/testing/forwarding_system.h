// A System that hands every request to another, so that a test can override the few it
// watches or answers and leave the rest to the real system.
#pragma once

#include "platform/system.h"

namespace win32::testing {

class ForwardingSystem : public ui::System {
 public:
  explicit ForwardingSystem(ui::System& real) : real_(real) {}

  std::filesystem::path StartFolder() const override { return real_.StartFolder(); }
  std::filesystem::path DriveRoot() const override { return real_.DriveRoot(); }
  bool IsLinkOrJunction(const std::filesystem::path& path) const override { return real_.IsLinkOrJunction(path); }
  std::int64_t NowMs() const override { return real_.NowMs(); }
  void Sleep(int milliseconds) override { real_.Sleep(milliseconds); }
  void WaitPainted(ui::Window& window, int milliseconds) override { real_.WaitPainted(window, milliseconds); }
  ui::DateTime LocalDateTime() const override { return real_.LocalDateTime(); }
  std::unique_ptr<ui::Window> CreateTopLevel(const ui::WindowSpec& desc) override { return real_.CreateTopLevel(desc); }
  void RunMessageLoop(ui::Window& main) override { real_.RunMessageLoop(main); }
  void PumpMessages() override { real_.PumpMessages(); }
  bool SetClipboardText(std::string_view text) override { return real_.SetClipboardText(text); }
  std::optional<std::string> ClipboardText() const override { return real_.ClipboardText(); }
  bool ClipboardHasText() const override { return real_.ClipboardHasText(); }
  void ClearClipboard() override { real_.ClearClipboard(); }
  std::optional<std::filesystem::path> OpenFileDialog(ui::Window& owner, const ui::FileDialogSpec& desc) override {
    return real_.OpenFileDialog(owner, desc);
  }
  std::optional<std::filesystem::path> SaveFileDialog(ui::Window& owner, const ui::FileDialogSpec& desc) override {
    return real_.SaveFileDialog(owner, desc);
  }
  std::optional<ui::FontSpec> FontDialog(ui::Window& owner, const ui::FontSpec& current) override {
    return real_.FontDialog(owner, current);
  }
  bool OpenWithShell(const std::filesystem::path& program, std::string_view arguments) override {
    return real_.OpenWithShell(program, arguments);
  }
  std::optional<std::string> ResourceBytes(int type, int id) const override { return real_.ResourceBytes(type, id); }
  std::vector<std::string> InstalledFontFamilies() const override { return real_.InstalledFontFamilies(); }
  std::string ShownName(const std::filesystem::path& name) const override { return real_.ShownName(name); }
  ui::Point CursorScreenPosition() const override { return real_.CursorScreenPosition(); }

 protected:
  ui::System& Real() { return real_; }

 private:
  ui::System& real_;
};

}  // namespace win32::testing
