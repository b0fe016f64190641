#include "platform/win32/rich_edit.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/rich_edit_stream.h"

namespace win32 {

namespace {

// Lets the subclass procedure find the object from the control's handle.
constexpr const char* kObjectProperty = "edit_object";

bool IsFilteredMessage(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_MOUSEWHEEL:
      return true;
    default:
      return false;
  }
}

CHARFORMAT2A EmptyCharFormat() {
  CHARFORMAT2A format{};
  format.cbSize = sizeof(format);
  return format;
}

// A text buffer for a read of at most this many characters, each up to two bytes in
// a double-byte code page, plus the terminator.
std::string ReadBuffer(int characters) { return std::string(static_cast<std::size_t>(characters) * 2 + 2, '\0'); }

// The longest start of the text that takes at most this many character positions,
// a CR LF pair being one position; a pair is never split.
std::string_view PrefixOfPositions(std::string_view text, int positions) {
  std::size_t i = 0;
  for (int used = 0; i < text.size() && used < positions; ++used)
    i += (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
  return text.substr(0, i);
}

}  // namespace

RichEdit::RichEdit(HWND control, ui::ControlId id) : hwnd_(control), id_(id) {
  previous_ = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd_, GWLP_WNDPROC));
  previousProperty_ = std::make_unique<WindowProperty>(hwnd_, kPreviousProcedureProperty,
                                                       reinterpret_cast<HANDLE>(previous_));
  objectProperty_ = std::make_unique<WindowProperty>(hwnd_, kObjectProperty, static_cast<HANDLE>(this));
  // The procedure finds us through the user data: a property lookup costs a round trip
  // to the Wine server on every message. The properties stay for readers from outside.
  ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (previousProperty_->IsSet() && objectProperty_->IsSet())
    ::SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RichEdit::SubclassProcedure));
  // Lines never wrap: a target line width of 1 with no device means "no wrapping".
  Send(EM_SETTARGETDEVICE, 0, 1);
}

RichEdit::~RichEdit() { Unsubclass(); }

void RichEdit::Unsubclass() {
  if (hwnd_ != nullptr && ::IsWindow(hwnd_) &&
      ::GetWindowLongPtrA(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&RichEdit::SubclassProcedure))
    ::SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  if (hwnd_ != nullptr && ::IsWindow(hwnd_)) ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  previousProperty_.reset();
  objectProperty_.reset();
}

LRESULT CALLBACK RichEdit::SubclassProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<RichEdit*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) {
    auto previous = reinterpret_cast<WNDPROC>(::GetPropA(hwnd, kPreviousProcedureProperty));
    if (previous == nullptr) return ::DefWindowProcA(hwnd, message, wparam, lparam);
    return ::CallWindowProcA(previous, hwnd, message, wparam, lparam);
  }
  const WNDPROC previous = self->previous_;
  if (message == WM_NCDESTROY) {
    self->Unsubclass();
    self->hwnd_ = nullptr;
    return ::CallWindowProcA(previous, hwnd, message, wparam, lparam);
  }
  if (IsFilteredMessage(message)) return self->Filter(previous, message, wparam, lparam);
  const LRESULT result = ::CallWindowProcA(previous, hwnd, message, wparam, lparam);
  // A new size (the horizontal scroll bar coming or going among them) moves the control's
  // own formatting rectangle: the rows are fitted again.
  if (message == WM_SIZE) self->FitTextToWholeRows();
  return result;
}

LRESULT RichEdit::Filter(WNDPROC previous, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND hwnd = hwnd_;
  if (!filter_) return ::CallWindowProcA(previous, hwnd, message, wparam, lparam);
  ui::InputMessage input{static_cast<int>(message), static_cast<std::uintptr_t>(wparam),
                         static_cast<std::intptr_t>(lparam), ::GetKeyState(VK_CONTROL) < 0};
  // A copy, so that a filter that removes itself finishes running.
  ui::MessageFilter filter = filter_;
  bool consumed = false;
  try {
    consumed = filter(*this, input);
  } catch (...) {
    consumed = false;  // no exception may unwind into the control
  }
  if (consumed) return 0;
  return ::CallWindowProcA(previous, hwnd, static_cast<UINT>(input.message), static_cast<WPARAM>(input.wparam),
                           static_cast<LPARAM>(input.lparam));
}

LRESULT RichEdit::Send(UINT message, WPARAM wparam, LPARAM lparam) const {
  if (hwnd_ == nullptr) return 0;
  return ::SendMessageA(hwnd_, message, wparam, lparam);
}

void RichEdit::SetMessageFilter(ui::MessageFilter filter) { filter_ = std::move(filter); }

int RichEdit::LineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }

int RichEdit::LineIndex(int line) const { return static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(line))); }

int RichEdit::LineLength(int charPos) const {
  return static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(charPos)));
}

int RichEdit::LineFromChar(int charPos) const {
  // Wine answers one past the last line for positions beyond the text.
  const int line = static_cast<int>(Send(EM_EXLINEFROMCHAR, 0, charPos));
  return std::min(line, std::max(LineCount() - 1, 0));
}

std::string RichEdit::GetLine(int line, int maxChars) const {
  if (maxChars <= 0) return {};
  // The request takes its buffer size in the first WORD of the buffer itself.
  const WORD size = static_cast<WORD>(std::min(maxChars, 0xFFFF));
  std::string buffer(std::max<std::size_t>(size, sizeof(WORD)) + 1, '\0');
  std::memcpy(buffer.data(), &size, sizeof(size));
  const auto copied = Send(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, size)));
  // Wine hands out the end mark of the last paragraph too; that line ends no break.
  if (!buffer.empty() && buffer.back() == '\r' && line == LineCount() - 1) buffer.pop_back();
  return buffer;
}

void RichEdit::SetSelection(int start, int end) {
  CHARRANGE range{start, end};
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

std::pair<int, int> RichEdit::GetSelection() const {
  CHARRANGE range{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  // Selecting to the end takes in the final paragraph mark, one past the text.
  const int length = TextLength();
  return {std::min<int>(range.cpMin, length), std::min<int>(range.cpMax, length)};
}

std::string RichEdit::SelectedText() const {
  const auto [start, end] = GetSelection();
  std::string buffer = ReadBuffer(end - start);
  const auto copied = Send(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
  return buffer;
}

std::string RichEdit::TextRange(int start, int end) const {
  const int length = TextLength();
  if (end < 0 || end > length) end = length;
  start = std::clamp(start, 0, end);
  std::string buffer = ReadBuffer(end - start);
  TEXTRANGEA range{};
  range.chrg = {start, end};
  range.lpstrText = buffer.data();
  const auto copied = Send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  buffer.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
  return buffer;
}

void RichEdit::ReplaceSelection(std::string_view text, bool canUndo) {
  // Wine inserts past the text limit; the limit cuts the insertion as on Windows.
  const auto [start, end] = GetSelection();
  const int room = std::max(0, TextLimit() - (TextLength() - (end - start)));
  const std::string terminated(PrefixOfPositions(text, room));
  Send(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void RichEdit::SetSelectionColour(ui::Colour colour) {
  CHARFORMAT2A format = EmptyCharFormat();
  format.dwMask = CFM_COLOR;
  format.crTextColor = colour;
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void RichEdit::SetSelectionLook(const ui::TextLook& look) {
  CHARFORMAT2A format = EmptyCharFormat();
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_WEIGHT | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
  lstrcpynA(format.szFaceName, look.font.face.c_str(), LF_FACESIZE);
  format.yHeight = look.font.pointSize * 20;  // twips
  format.wWeight = static_cast<WORD>(look.weight);
  format.dwEffects = (look.weight >= 700 ? CFE_BOLD : 0) | (look.font.italic ? CFE_ITALIC : 0) |
                     (look.underline ? CFE_UNDERLINE : 0);
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

ui::Colour RichEdit::ColourAt(int charPos) const {
  // The control reads formats only through the selection: select the character, read,
  // and put selection, scroll position and notifications back as they were.
  auto& self = const_cast<RichEdit&>(*this);
  const std::uint32_t mask = EventMask();
  self.SetEventMask(0);
  const auto [start, end] = GetSelection();
  const ui::Point scroll = ScrollPosition();
  self.SetSelection(charPos, charPos + 1);
  CHARFORMAT2A format = EmptyCharFormat();
  format.dwMask = CFM_COLOR;
  Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  self.SetSelection(start, end);
  if (ScrollPosition() != scroll) self.SetScrollPosition(scroll);
  self.SetEventMask(mask);
  if ((format.dwEffects & CFE_AUTOCOLOR) != 0) return ::GetSysColor(COLOR_WINDOWTEXT);
  return format.crTextColor;
}

std::string RichEdit::Text() const {
  const auto length = Send(WM_GETTEXTLENGTH);
  if (length <= 0) return {};
  std::string buffer = ReadBuffer(static_cast<int>(length));
  const auto copied = Send(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
  return buffer;
}

int RichEdit::TextLength() const {
  GETTEXTLENGTHEX how{};
  how.flags = GTL_NUMCHARS | GTL_PRECISE;
  how.codepage = CP_ACP;
  return static_cast<int>(Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how)));
}

void RichEdit::SetText(std::string_view text) {
  if (tabStopTwips_ != 0) {
    StreamKeepingTabStops(text);
  } else {
    StreamInText(hwnd_, text);
  }
}

void RichEdit::SetTextLimit(int limit) { Send(EM_EXLIMITTEXT, 0, limit); }

int RichEdit::TextLimit() const { return static_cast<int>(Send(EM_GETLIMITTEXT)); }

int RichEdit::FirstVisibleLine() const { return static_cast<int>(Send(EM_GETFIRSTVISIBLELINE)); }

ui::Point RichEdit::ScrollPosition() const {
  POINT p{};
  Send(EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&p));
  return {p.x, p.y};
}

void RichEdit::SetScrollPosition(ui::Point position) {
  POINT p{position.x, position.y};
  Send(EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&p));
}

void RichEdit::LineScroll(int lines) { Send(EM_LINESCROLL, 0, lines); }

ui::Point RichEdit::PositionFromChar(int charPos) const {
  POINTL p{};
  Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&p), charPos);
  return {p.x, p.y};
}

ui::Point RichEdit::CaretPoint() const {
  POINT p{};
  if (::GetFocus() == hwnd_ && ::GetCaretPos(&p)) return {p.x, p.y};
  CHARRANGE range{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return PositionFromChar(range.cpMax);
}

int RichEdit::CharFromPosition(ui::Point position) const {
  POINTL p{position.x, position.y};
  return static_cast<int>(Send(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&p)));
}

void RichEdit::SetRedraw(bool on) {
  Send(WM_SETREDRAW, on ? TRUE : FALSE);
  if (on && hwnd_ != nullptr) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void RichEdit::ShowWholeRows(int rowHeight, int maxRows) {
  wholeRowHeight_ = std::max(0, rowHeight);
  maxWholeRows_ = std::max(1, maxRows);
  FitTextToWholeRows();
}

void RichEdit::FitTextToWholeRows() {
  if (hwnd_ == nullptr || wholeRowHeight_ == 0) return;
  RECT inside{};
  ::GetClientRect(hwnd_, &inside);
  RECT format{};
  Send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const int rows = std::clamp(static_cast<int>(inside.bottom) / wholeRowHeight_, 1, maxWholeRows_);
  // A new rectangle lays the whole text out again: only when the rows would change.
  if (format.top == 0 && format.bottom == rows * wholeRowHeight_) return;
  // From the very top: an inset there would leave every row a pixel short of whole.
  format.top = 0;
  format.bottom = rows * wholeRowHeight_;
  Send(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
}

void RichEdit::SetEventMask(std::uint32_t mask) { Send(EM_SETEVENTMASK, 0, static_cast<LPARAM>(mask)); }

std::uint32_t RichEdit::EventMask() const { return static_cast<std::uint32_t>(Send(EM_GETEVENTMASK)); }

void RichEdit::SetBackground(ui::Colour colour) { Send(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(colour)); }

void RichEdit::SetFont(const ui::FontSpec& font) {
  CHARFORMAT2A format = EmptyCharFormat();
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC;
  format.yHeight = font.pointSize * 20;  // twips
  format.dwEffects = (font.bold ? CFE_BOLD : 0) | (font.italic ? CFE_ITALIC : 0);
  ::lstrcpynA(format.szFaceName, font.face.c_str(), LF_FACESIZE);
  Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void RichEdit::SetDefaultTextColour(ui::Colour colour) {
  CHARFORMAT2A format = EmptyCharFormat();
  format.dwMask = CFM_COLOR;
  format.crTextColor = colour;
  Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

}  // namespace win32
