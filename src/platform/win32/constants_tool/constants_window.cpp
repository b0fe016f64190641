#include "platform/win32/constants_tool/constants_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <system_error>
#include <utility>

#include "platform/win32/ansi_path.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/window_text.h"

namespace constants_tool {

namespace {

constexpr char kClassName[] = "ConstantsSearchWindow";
constexpr int kMargin = 8;
constexpr int kRowHeight = 24;
constexpr int kButtonWidth = 96;
constexpr int kModeWidth = 170;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  ::RegisterClassExA(&windowClass);  // fails harmlessly when a second window registers again
}

win32::UniqueFont MessageFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return {};
  return win32::UniqueFont(::CreateFontIndirectA(&metrics.lfMessageFont));
}

HWND MakeChild(HWND parent, const char* className, const char* text, DWORD style, int id, DWORD exStyle = 0) {
  return ::CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void CopyCellText(NMLVDISPINFOA& info, const std::string& text) {
  if (info.item.pszText == nullptr || info.item.cchTextMax <= 0) return;
  const std::size_t room = static_cast<std::size_t>(info.item.cchTextMax) - 1;
  const std::size_t length = std::min(room, text.size());
  std::copy_n(text.data(), length, info.item.pszText);
  info.item.pszText[length] = '\0';
}

}  // namespace

ConstantsWindow::ConstantsWindow(HINSTANCE instance, std::vector<Constant> list, const ToolSettings& settings,
                                 const ListColumns& columns, std::filesystem::path helpFile,
                                 KeepSettings keepSettings)
    : list_(std::move(list)),
      columns_(columns),
      helpFile_(std::move(helpFile)),
      keepSettings_(std::move(keepSettings)),
      font_(MessageFont()) {
  RegisterWindowClass(instance, &ConstantsWindow::Procedure);
  const WindowPlace place = settings.place.value_or(WindowPlace{CW_USEDEFAULT, CW_USEDEFAULT, 640, 560});
  HWND window = ::CreateWindowExA(0, kClassName, "Win32 API constants", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  place.left, place.top, place.width, place.height, nullptr, nullptr, instance, this);
  window_.Reset(window);
  if (window == nullptr) return;
  CreateControls(settings);
  RECT client{};
  ::GetClientRect(window, &client);
  LayOut(client.right, client.bottom);
  Refilter();
}

LRESULT CALLBACK ConstantsWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ConstantsWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr || self->window_.Get() == nullptr) return ::DefWindowProcA(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT ConstantsWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      LayOut(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {420, 240};
      return 0;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case control::kSearch:
          if (HIWORD(wParam) == EN_CHANGE) Refilter();
          return 0;
        case control::kMode:
          if (HIWORD(wParam) == CBN_SELCHANGE) Refilter();
          return 0;
        case control::kCopyName: CopySelected(true); return 0;
        case control::kCopyValue: CopySelected(false); return 0;
        case control::kHelp: OpenHelp(); return 0;
        default: break;
      }
      break;
    case WM_NOTIFY:
      return Notified(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SETFOCUS:
      ::SetFocus(Child(control::kSearch));
      return 0;
    case WM_CLOSE:
      if (keepSettings_) keepSettings_(CurrentSettings(), CurrentColumns());
      break;  // on to DefWindowProc, which destroys the window
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      window_.Release();  // Windows has destroyed it; nothing left to destroy later
      return 0;
    default: break;
  }
  return ::DefWindowProcA(window_.Get(), message, wParam, lParam);
}

void ConstantsWindow::CreateControls(const ToolSettings& settings) {
  HWND window = window_.Get();
  HWND search = MakeChild(window, "EDIT", settings.search.c_str(), WS_TABSTOP | ES_AUTOHSCROLL, control::kSearch,
                          WS_EX_CLIENTEDGE);
  ::SendMessageA(search, EM_LIMITTEXT, 200, 0);
  HWND mode = MakeChild(window, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, control::kMode);
  for (int i = 0; i < kMatchModeCount; ++i) {
    const std::string name(MatchModeName(static_cast<MatchMode>(i)));
    ::SendMessageA(mode, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  ::SendMessageA(mode, CB_SETCURSEL, static_cast<WPARAM>(settings.mode), 0);

  HWND list = MakeChild(window, WC_LISTVIEWA, "",
                        WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS, control::kList,
                        WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = columns_[i].title.data();
    column.cx = columns_[i].width;
    column.iSubItem = static_cast<int>(i);
    ::SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  MakeChild(window, "STATIC", "", SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, control::kCount);
  MakeChild(window, "BUTTON", "Copy name", WS_TABSTOP | BS_PUSHBUTTON, control::kCopyName);
  MakeChild(window, "BUTTON", "Copy value", WS_TABSTOP | BS_PUSHBUTTON, control::kCopyValue);
  MakeChild(window, "BUTTON", "Help", WS_TABSTOP | BS_PUSHBUTTON, control::kHelp);

  if (font_) {
    for (int id : {control::kSearch, control::kMode, control::kList, control::kCount, control::kCopyName,
                   control::kCopyValue, control::kHelp})
      ::SendMessageA(Child(id), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
  }
}

void ConstantsWindow::LayOut(int width, int height) {
  const int searchWidth = std::max(60, width - 3 * kMargin - kModeWidth);
  ::MoveWindow(Child(control::kSearch), kMargin, kMargin, searchWidth, kRowHeight, TRUE);
  ::MoveWindow(Child(control::kMode), 2 * kMargin + searchWidth, kMargin, kModeWidth, 200, TRUE);
  const int listTop = 2 * kMargin + kRowHeight;
  const int bottomRow = height - kMargin - kRowHeight - 2;
  ::MoveWindow(Child(control::kList), kMargin, listTop, std::max(0, width - 2 * kMargin),
               std::max(0, bottomRow - kMargin - listTop), TRUE);
  int right = width - kMargin;
  for (int id : {control::kHelp, control::kCopyValue, control::kCopyName}) {
    right -= kButtonWidth;
    ::MoveWindow(Child(id), right, bottomRow, kButtonWidth, kRowHeight + 2, TRUE);
    right -= kMargin;
  }
  ::MoveWindow(Child(control::kCount), kMargin, bottomRow, std::max(0, right - kMargin), kRowHeight + 2, TRUE);
}

void ConstantsWindow::Refilter() {
  const std::string query = win32::TextOf(Child(control::kSearch));
  const auto mode = static_cast<MatchMode>(std::clamp<LRESULT>(
      ::SendMessageA(Child(control::kMode), CB_GETCURSEL, 0, 0), 0, kMatchModeCount - 1));
  shown_ = FindConstants(list_, query, mode);
  HWND list = Child(control::kList);
  ListView_SetItemCountEx(list, static_cast<int>(shown_.size()), 0);
  if (!shown_.empty()) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, 0, FALSE);
  }
  ::InvalidateRect(list, nullptr, TRUE);
  const bool badValue = mode == MatchMode::kValue && !query.empty() && !ParseValueQuery(query);
  ShowStatus(badValue ? "Type a value in decimal, or in hexadecimal after 0x."
                      : CountText(shown_.size(), list_.size()));
}

LRESULT ConstantsWindow::Notified(const NMHDR& header) {
  if (header.idFrom != control::kList) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOA:
      FillCell(*reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header)));
      return 0;
    case NM_DBLCLK:
      CopySelected(true);
      return 0;
    case LVN_KEYDOWN: {
      const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
      if (key.wVKey == 'C' && ::GetKeyState(VK_CONTROL) < 0) CopySelected(true);
      return 0;
    }
    default: return 0;
  }
}

void ConstantsWindow::FillCell(NMLVDISPINFOA& info) {
  if ((info.item.mask & LVIF_TEXT) == 0 || info.item.iItem < 0 ||
      static_cast<std::size_t>(info.item.iItem) >= shown_.size())
    return;
  const Constant& constant = Shown(static_cast<std::size_t>(info.item.iItem));
  switch (info.item.iSubItem) {
    case 0: cell_ = constant.name; break;
    case 1: cell_ = DecimalText(constant.value); break;
    default: cell_ = HexText(constant.value); break;
  }
  CopyCellText(info, cell_);
}

int ConstantsWindow::SelectedRow() const {
  return ListView_GetNextItem(Child(control::kList), -1, LVNI_SELECTED);
}

void ConstantsWindow::CopySelected(bool name) {
  const int row = SelectedRow();
  if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) {
    ShowStatus("Pick a constant in the list first.");
    return;
  }
  const Constant& constant = Shown(static_cast<std::size_t>(row));
  const std::string text = name ? constant.name : DecimalText(constant.value);
  ShowStatus(win32::PutClipboardText(window_.Get(), text) ? "Copied " + text + " to the clipboard."
                                                           : "The clipboard is busy; nothing was copied.");
}

void ConstantsWindow::OpenHelp() {
  std::error_code error;
  if (!std::filesystem::is_regular_file(helpFile_, error)) {
    ::MessageBoxA(window_.Get(), "The help file Constants.chm is not beside this program.", "Win32 API constants",
                  MB_OK | MB_ICONWARNING);
    return;
  }
  const std::string argument = win32::AnsiFromPath(helpFile_);
  ::ShellExecuteA(window_.Get(), "open", "hh.exe", argument.c_str(), nullptr, SW_SHOWNORMAL);
}

void ConstantsWindow::ShowStatus(const std::string& text) { ::SetWindowTextA(Child(control::kCount), text.c_str()); }

ToolSettings ConstantsWindow::CurrentSettings() const {
  ToolSettings settings;
  settings.search = win32::TextOf(Child(control::kSearch));
  settings.mode = static_cast<MatchMode>(std::clamp<LRESULT>(
      ::SendMessageA(Child(control::kMode), CB_GETCURSEL, 0, 0), 0, kMatchModeCount - 1));
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (::GetWindowPlacement(window_.Get(), &placement)) {
    const RECT& r = placement.rcNormalPosition;
    settings.place = WindowPlace{r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  return settings;
}

ListColumns ConstantsWindow::CurrentColumns() const {
  ListColumns columns = columns_;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int width = ListView_GetColumnWidth(Child(control::kList), static_cast<int>(i));
    if (width >= 20) columns[i].width = width;
  }
  return columns;
}

}  // namespace constants_tool
