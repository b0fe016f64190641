// Tab stops on the rich edit. The control's own tab-stop request is not served by every
// rich edit (Wine's ignores it), so the stops go onto the paragraphs themselves. Streaming
// a whole text in gives every paragraph the default format again, and putting stops on
// every paragraph of a large text costs seconds, so a text streamed into an empty control
// goes into its selection instead, where the new paragraphs take the stops of the one
// they are inserted into. Neither is recorded for undo: the control's record of a large
// insertion made every later change of colour several times slower.
#include <richedit.h>

#include <algorithm>

#include "platform/win32/rich_edit.h"
#include "platform/win32/rich_edit_stream.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultUndoLimit = 100;  // the control's own, which nothing else changes

int ScreenDotsPerInch() {
  WindowDc screen(nullptr);
  return ::GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

// Nothing done in a scope is recorded for undo, and what was recorded before goes.
class UndoHeld {
 public:
  explicit UndoHeld(HWND control) : control_(control) { ::SendMessageA(control, EM_SETUNDOLIMIT, 0, 0); }
  UndoHeld(const UndoHeld&) = delete;
  UndoHeld& operator=(const UndoHeld&) = delete;
  ~UndoHeld() { ::SendMessageA(control_, EM_SETUNDOLIMIT, kDefaultUndoLimit, 0); }

 private:
  HWND control_;
};

// The control's notifications are held for a scope: a change of format is not a change
// of text.
class NotificationsHeld {
 public:
  explicit NotificationsHeld(HWND control)
      : control_(control), mask_(::SendMessageA(control, EM_GETEVENTMASK, 0, 0)) {
    ::SendMessageA(control, EM_SETEVENTMASK, 0, 0);
  }
  NotificationsHeld(const NotificationsHeld&) = delete;
  NotificationsHeld& operator=(const NotificationsHeld&) = delete;
  ~NotificationsHeld() { ::SendMessageA(control_, EM_SETEVENTMASK, 0, mask_); }

 private:
  HWND control_;
  LRESULT mask_;
};

}  // namespace

// Of the control's default font, which is the font of its text.
int RichEdit::AverageCharWidth() const {
  CHARFORMAT2A format{};
  format.cbSize = sizeof(format);
  Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  WindowDc dc(hwnd_);
  const int height = -::MulDiv(format.yHeight, ::GetDeviceCaps(dc.Get(), LOGPIXELSY), kTwipsPerInch);
  UniqueFont font(::CreateFontA(height, 0, 0, 0, (format.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL,
                                (format.dwEffects & CFE_ITALIC) ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                format.szFaceName));
  if (!font) return 0;
  SelectedObject selected(dc.Get(), font.Get());
  TEXTMETRICA metrics{};
  if (!::GetTextMetricsA(dc.Get(), &metrics)) return 0;
  return metrics.tmAveCharWidth;
}

void RichEdit::SetTabStops(int width) {
  long twips = 0;
  if (width > 0) {
    // Whole pixels, as the headless model places them.
    const int pixels = std::max(1, (width * AverageCharWidth() + 2) / 4);
    twips = ::MulDiv(pixels, kTwipsPerInch, ScreenDotsPerInch());
  }
  if (twips == tabStopTwips_) return;
  tabStopTwips_ = twips;
  PutTabStopsOnEveryParagraph();
}

// The selection and the view stay as they were; the control's undo record goes.
void RichEdit::PutTabStopsOnEveryParagraph() {
  PARAFORMAT2 format{};
  format.cbSize = sizeof(format);
  format.dwMask = PFM_TABSTOPS;
  format.cTabCount = tabStopTwips_ != 0 ? MAX_TAB_STOPS : 0;
  for (int k = 0; k < format.cTabCount; ++k) format.rgxTabs[k] = tabStopTwips_ * (k + 1);
  const NotificationsHeld held(hwnd_);
  const UndoHeld unrecorded(hwnd_);
  CHARRANGE selection{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  POINT scroll{};
  Send(EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
  Send(EM_SETSEL, 0, -1);
  Send(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  Send(EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
}

// Ends as a plain stream does: caret and view at the start, nothing to undo.
void RichEdit::StreamKeepingTabStops(std::string_view text) {
  if (Send(WM_GETTEXTLENGTH) != 0) {
    StreamInText(hwnd_, text);
    PutTabStopsOnEveryParagraph();
    return;
  }
  {
    // The text takes the format at the caret: the default one, as a plain stream gives it.
    const NotificationsHeld held(hwnd_);
    CHARFORMAT2A format{};
    format.cbSize = sizeof(format);
    Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    Send(EM_SETSEL, 0, -1);
    Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  }
  {
    const UndoHeld unrecorded(hwnd_);
    StreamInText(hwnd_, text, true);
  }
  Send(EM_SETSEL, 0, 0);
  POINT top{};
  Send(EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&top));
}

}  // namespace win32
