// The system's open, save and font dialogs.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

#include "platform/system.h"

namespace win32 {

std::optional<std::filesystem::path> AskOpenPath(HWND owner, const ui::FileDialogSpec& desc);
std::optional<std::filesystem::path> AskSavePath(HWND owner, const ui::FileDialogSpec& desc);
std::optional<ui::FontSpec> AskFont(HWND owner, const ui::FontSpec& current);

}  // namespace win32
