// What the editor asks of the operating system: folders, time, windows, the message
// loop, the clipboard, the common dialogs and starting other programs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"
#include "platform/window.h"

namespace ui {

struct FileDialogSpec {
  std::string title;
  // Pairs of description and pattern list, as "IWBasic files" / "*.iwb;*.eba;*.inc".
  std::vector<std::pair<std::string, std::string>> filters;
  std::filesystem::path initialFolder;
  std::string initialName;
  std::string defaultExtension;  // save dialogs: added to a name typed without one, as "iwb"
};

class System {
 public:
  virtual ~System() = default;

  // The folder of the running executable; everything the editor keeps lives below it.
  virtual std::filesystem::path StartFolder() const = 0;
  // The root the include-folder search walks ("C:\" on Windows).
  virtual std::filesystem::path DriveRoot() const = 0;
  // A symbolic link, junction or other reparse point: a walk down a folder tree must not
  // enter one, since it may lead back up the tree.
  virtual bool IsLinkOrJunction(const std::filesystem::path& path) const = 0;

  // Milliseconds since an arbitrary start; virtual in the headless layer.
  virtual std::int64_t NowMs() const = 0;
  virtual void Sleep(int milliseconds) = 0;
  // Waits this long with the window on the screen, drawn whenever the screen asks for it:
  // its own paint messages are let through and nothing else, so no key or mouse message
  // reaches any window and no timer ticks until the wait is over.
  virtual void WaitPainted(Window& window, int milliseconds) = 0;
  // The local date and time; fixed until a test sets it in the headless layer.
  virtual DateTime LocalDateTime() const = 0;

  // Creates a top-level window (kCreated reaches its handler when one is set).
  // Destroying the object closes the window.
  virtual std::unique_ptr<Window> CreateTopLevel(const WindowSpec& desc) = 0;

  // Runs the message loop until this window has closed.
  virtual void RunMessageLoop(Window& main) = 0;
  // Lets waiting messages through during a long operation.
  virtual void PumpMessages() = 0;

  // Plain-text clipboard.
  virtual bool SetClipboardText(std::string_view text) = 0;
  virtual std::optional<std::string> ClipboardText() const = 0;
  virtual bool ClipboardHasText() const = 0;
  virtual void ClearClipboard() = 0;

  // Common dialogs; nullopt when the user cancels.
  virtual std::optional<std::filesystem::path> OpenFileDialog(Window& owner, const FileDialogSpec& desc) = 0;
  virtual std::optional<std::filesystem::path> SaveFileDialog(Window& owner, const FileDialogSpec& desc) = 0;
  virtual std::optional<FontSpec> FontDialog(Window& owner, const FontSpec& current) = 0;

  // Starts a program or opens a document with the shell's "open"; does not wait.
  virtual bool OpenWithShell(const std::filesystem::path& program, std::string_view arguments) = 0;

  // The bytes of one of the running program's own resources (a custom type and an id),
  // whole; nullopt when the program holds no such resource.
  virtual std::optional<std::string> ResourceBytes(int type, int id) const = 0;

  virtual std::vector<std::string> InstalledFontFamilies() const = 0;
  // A file's name or path as window texts take it. The program's own narrow path strings
  // are not that encoding on Windows, so every name shown goes through here.
  virtual std::string ShownName(const std::filesystem::path& name) const = 0;
  virtual Point CursorScreenPosition() const = 0;
};

}  // namespace ui
