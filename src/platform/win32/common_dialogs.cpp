#include "platform/win32/common_dialogs.h"

#include <commdlg.h>

#include <string>

#include "platform/win32/ansi_path.h"
#include "platform/win32/font_cache.h"

namespace win32 {

namespace {

// Long enough for any path the dialogs return.
constexpr std::size_t kPathBufferSize = 32768;

// "description\0patterns\0...\0\0", the form the dialogs take their filters in.
std::string FilterString(const ui::FileDialogSpec& desc) {
  std::string filter;
  for (const auto& [description, patterns] : desc.filters) {
    filter += description;
    filter.push_back('\0');
    filter += patterns;
    filter.push_back('\0');
  }
  filter.push_back('\0');
  return filter;
}

using DialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

std::optional<std::filesystem::path> AskPath(HWND owner, const ui::FileDialogSpec& desc, DWORD flags,
                                             DialogFunction show) {
  const std::string filter = FilterString(desc);
  const std::string folder = AnsiFromPath(desc.initialFolder);
  std::string file(kPathBufferSize, '\0');
  desc.initialName.copy(file.data(), kPathBufferSize - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = desc.filters.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(kPathBufferSize);
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = desc.title.empty() ? nullptr : desc.title.c_str();
  dialog.lpstrDefExt = desc.defaultExtension.empty() ? nullptr : desc.defaultExtension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | flags;
  if (!show(&dialog)) return std::nullopt;
  file.resize(file.find('\0'));
  return PathFromAnsi(file);
}

}  // namespace

std::optional<std::filesystem::path> AskOpenPath(HWND owner, const ui::FileDialogSpec& desc) {
  return AskPath(owner, desc, OFN_FILEMUSTEXIST, &::GetOpenFileNameA);
}

std::optional<std::filesystem::path> AskSavePath(HWND owner, const ui::FileDialogSpec& desc) {
  // Replacing another file by a slip of the mouse would lose it: the dialog asks first.
  return AskPath(owner, desc, OFN_OVERWRITEPROMPT, &::GetSaveFileNameA);
}

std::optional<ui::FontSpec> AskFont(HWND owner, const ui::FontSpec& current) {
  LOGFONTA font{};
  font.lfHeight = FontHeightForPoints(current.pointSize);
  font.lfWeight = current.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = current.italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  ::lstrcpynA(font.lfFaceName, current.face.c_str(), LF_FACESIZE);
  CHOOSEFONTA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &font;
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!::ChooseFontA(&dialog)) return std::nullopt;
  ui::FontSpec chosen;
  chosen.face = font.lfFaceName;
  chosen.pointSize = dialog.iPointSize / 10;  // the dialog counts tenths of a point
  chosen.bold = font.lfWeight >= FW_BOLD;
  chosen.italic = font.lfItalic != FALSE;
  return chosen;
}

}  // namespace win32
