// The constants tool's window on the real controls: its virtual list answers from the
// matches, the mode changes what a typed text means, and closing hands back the settings.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "platform/win32/clipboard.h"
#include "platform/win32/constants_tool/constants_window.h"

namespace {

using namespace constants_tool;

std::string Cell(HWND list, int row, int column) {
  char text[128] = {};
  ListView_GetItemText(list, row, column, text, sizeof(text));
  return text;
}

std::string StatusText(HWND window) {
  char text[128] = {};
  ::GetDlgItemTextA(window, control::kCount, text, sizeof(text));
  return text;
}

TEST(ConstantsToolWindow, TypingFiltersTheListAValueFindsItsConstantAndClosingKeepsTheSearch) {
  const std::vector<Constant> constants = {
      {"LVN_ITEMCHANGED", -101}, {"WM_GETTEXT", 13}, {"WM_SETTEXT", 12}, {"WS_POPUP", INT_MIN}};
  ToolSettings start;
  start.search = "settext";
  std::optional<ToolSettings> kept;
  ConstantsWindow window(::GetModuleHandleA(nullptr), constants, start, DefaultColumns(), "Z:\\nowhere\\Constants.chm",
                         [&](const ToolSettings& settings, const ListColumns&) { kept = settings; });
  ASSERT_NE(window.Handle(), nullptr);
  HWND list = ::GetDlgItem(window.Handle(), control::kList);
  HWND search = ::GetDlgItem(window.Handle(), control::kSearch);

  ASSERT_EQ(ListView_GetItemCount(list), 1);
  EXPECT_EQ(Cell(list, 0, 0), "WM_SETTEXT");
  EXPECT_EQ(Cell(list, 0, 1), "12");
  EXPECT_EQ(Cell(list, 0, 2), "0xC");
  EXPECT_EQ(StatusText(window.Handle()), "1 of 4 constants");

  ::SetWindowTextA(search, "wm_");  // the edit's change notice refilters
  EXPECT_EQ(ListView_GetItemCount(list), 2);

  HWND mode = ::GetDlgItem(window.Handle(), control::kMode);
  ::SendMessageA(mode, CB_SETCURSEL, static_cast<WPARAM>(MatchMode::kValue), 0);
  ::SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(control::kMode, CBN_SELCHANGE), reinterpret_cast<LPARAM>(mode));
  EXPECT_EQ(ListView_GetItemCount(list), 0);
  EXPECT_EQ(StatusText(window.Handle()), "Type a value in decimal, or in hexadecimal after 0x.");

  ::SetWindowTextA(search, "0xFFFFFF9B");
  ASSERT_EQ(ListView_GetItemCount(list), 1);
  EXPECT_EQ(Cell(list, 0, 0), "LVN_ITEMCHANGED");
  EXPECT_EQ(Cell(list, 0, 1), "-101");
  ::SendMessageA(::GetDlgItem(window.Handle(), control::kCopyValue), BM_CLICK, 0, 0);
  EXPECT_EQ(win32::GetClipboardText(window.Handle()).value_or(""), "-101");
  EXPECT_EQ(StatusText(window.Handle()), "Copied -101 to the clipboard.");

  ::SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(window.Handle(), nullptr);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->search, "0xFFFFFF9B");
  EXPECT_EQ(kept->mode, MatchMode::kValue);
  EXPECT_TRUE(kept->place.has_value());
  MSG quit;
  ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the window asked the loop to end
}

}  // namespace
