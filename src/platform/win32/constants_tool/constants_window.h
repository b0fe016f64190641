// The constants tool's one window: a search box, the match mode, the list of matches (a
// virtual list, so that showing all eighty thousand costs nothing) and the copy buttons.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "constants_tool/constant_list.h"
#include "constants_tool/tool_settings.h"
#include "platform/win32/unique_handle.h"

namespace constants_tool {

namespace control {
constexpr int kSearch = 101;
constexpr int kMode = 102;
constexpr int kList = 103;
constexpr int kCount = 104;
constexpr int kCopyName = 105;
constexpr int kCopyValue = 106;
constexpr int kHelp = 107;
}  // namespace control

// Called as the window closes, while its boxes can still be read.
using KeepSettings = std::function<void(const ToolSettings&, const ListColumns&)>;

class ConstantsWindow {
 public:
  ConstantsWindow(HINSTANCE instance, std::vector<Constant> list, const ToolSettings& settings,
                  const ListColumns& columns, std::filesystem::path helpFile, KeepSettings keepSettings);
  ConstantsWindow(const ConstantsWindow&) = delete;
  ConstantsWindow& operator=(const ConstantsWindow&) = delete;

  HWND Handle() const { return window_.Get(); }

  // What the next run starts from: the search, the mode, the window's place, the widths.
  ToolSettings CurrentSettings() const;
  ListColumns CurrentColumns() const;

  std::size_t ShownCount() const { return shown_.size(); }
  const Constant& Shown(std::size_t row) const { return list_[shown_[row]]; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateControls(const ToolSettings& settings);
  void LayOut(int width, int height);
  void Refilter();
  LRESULT Notified(const NMHDR& header);
  void FillCell(NMLVDISPINFOA& info);
  void CopySelected(bool name);
  void OpenHelp();
  void ShowStatus(const std::string& text);
  int SelectedRow() const;
  HWND Child(int id) const { return ::GetDlgItem(window_.Get(), id); }

  std::vector<Constant> list_;
  std::vector<std::size_t> shown_;
  ListColumns columns_;
  std::filesystem::path helpFile_;
  KeepSettings keepSettings_;
  std::string cell_;  // the text the list last asked for, alive until it asks again
  win32::UniqueFont font_;
  win32::UniqueWindow window_;
};

}  // namespace constants_tool
