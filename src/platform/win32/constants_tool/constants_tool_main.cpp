// The entry point of the constants tool: the list from the program's own resource, the
// settings from the files beside it, one window, and the settings written back at the end.
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "base/replace_file.h"
#include "base/whole_file.h"
#include "constants_tool/constant_list.h"
#include "constants_tool/tool_settings.h"
#include "platform/win32/constants_tool/constants_window.h"

namespace {

constexpr int kConstantListResource = 1;
constexpr std::uintmax_t kLargestSettingsFile = 64 * 1024;

std::string_view ListResourceText(HINSTANCE instance) {
  HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(kConstantListResource), MAKEINTRESOURCEA(10));  // RCDATA
  if (found == nullptr) return {};
  HGLOBAL loaded = ::LoadResource(instance, found);
  const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const char*>(bytes), ::SizeofResource(instance, found)};
}

std::filesystem::path ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(path).parent_path();
}

// A settings file that is missing, too large or unreadable reads as empty: the defaults.
std::string SettingsFileText(const std::filesystem::path& path) {
  editor::WholeFile file = editor::ReadWholeFile(path, kLargestSettingsFile);
  return file.status == editor::WholeFileStatus::kRead ? std::move(file.bytes) : std::string();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
  ::InitCommonControlsEx(&controls);

  std::vector<constants_tool::Constant> list = constants_tool::ParseConstantList(ListResourceText(instance));
  if (list.empty()) {
    ::MessageBoxA(nullptr, "This program's list of constants is missing or damaged.", "Win32 API constants",
                  MB_OK | MB_ICONERROR);
    return 1;
  }
  const std::filesystem::path folder = ProgramFolder();
  const std::filesystem::path settingsFile = folder / "Dozevuzezurodov.ini";
  const std::filesystem::path columnsFile = folder / "Dozevuzezurodov.txt";
  // Settings that cannot be written (a read-only folder) are only a convenience lost.
  const auto keepSettings = [&](const constants_tool::ToolSettings& settings,
                                const constants_tool::ListColumns& columns) {
    editor::ReplaceFileUnlessSame(editor::DiskFiles(), settingsFile, constants_tool::ToolSettingsText(settings));
    editor::ReplaceFileUnlessSame(editor::DiskFiles(), columnsFile, constants_tool::ColumnsText(columns));
  };
  constants_tool::ConstantsWindow window(instance, std::move(list),
                                         constants_tool::ReadToolSettings(SettingsFileText(settingsFile)),
                                         constants_tool::ReadColumns(SettingsFileText(columnsFile)),
                                         folder / "Constants.chm", keepSettings);
  if (window.Handle() == nullptr) return 1;
  ::ShowWindow(window.Handle(), show);

  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    // A single-line edit has no Ctrl+A of its own.
    if (message.message == WM_KEYDOWN && message.wParam == 'A' && ::GetKeyState(VK_CONTROL) < 0 &&
        message.hwnd == ::GetDlgItem(window.Handle(), constants_tool::control::kSearch)) {
      ::SendMessageA(message.hwnd, EM_SETSEL, 0, -1);
      continue;
    }
    if (::IsDialogMessageA(window.Handle(), &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}
