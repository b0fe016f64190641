// The requests of a rich-edit control, with the real control's semantics.
//
// Character positions count a paragraph break as one character (the control's CR);
// line indexes are 0-based. Text() returns the text with CR LF breaks, the way the
// control's whole-text read gives it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace ui {

// Key and mouse messages the message filter sees before the control does.
namespace message {
constexpr int kKeyDown = 256;
constexpr int kKeyUp = 257;
constexpr int kChar = 258;
constexpr int kLeftButtonDown = 513;
constexpr int kLeftButtonUp = 514;
constexpr int kRightButtonDown = 516;
constexpr int kMouseWheel = 522;
}  // namespace message

// Bits of the event mask: which notifications the control sends its parent.
namespace event_mask {
constexpr std::uint32_t kChange = 0x00000001;
constexpr std::uint32_t kScroll = 0x00000004;
constexpr std::uint32_t kKeyEvents = 0x00010000;
constexpr std::uint32_t kMouseEvents = 0x00020000;
}  // namespace event_mask

struct InputMessage {
  int message = 0;            // one of ui::message
  std::uintptr_t wparam = 0;  // virtual-key code, character, or wheel delta in the high word
  std::intptr_t lparam = 0;   // client x in the low word, y in the high word for mouse messages
  // Whether Ctrl is down as the message comes: its own release may have gone to another
  // control, so a flag kept from its key-down message can outlive the key.
  bool ctrlHeld = false;
};

class RichEdit;

// How a run of characters is drawn besides its colour: typeface, size, weight (400
// normal, 700 bold) and underline.
struct TextLook {
  FontSpec font;
  int weight = 400;
  bool underline = false;
  friend bool operator==(const TextLook&, const TextLook&) = default;
};


// Sees each key and mouse message first. Returns true when it consumed the message;
// it may change the message (say, its wparam) before letting it through.
using MessageFilter = std::function<bool(RichEdit&, InputMessage&)>;

class RichEdit {
 public:
  virtual ~RichEdit() = default;

  virtual ControlId Id() const = 0;

  // Lines.
  virtual int LineCount() const = 0;
  // Character position of the start of a line; -1 when the line does not exist.
  virtual int LineIndex(int line) const = 0;
  // Length, without the break, of the line holding this character position.
  virtual int LineLength(int charPos) const = 0;
  virtual int LineFromChar(int charPos) const = 0;
  // The line with its trailing CR when it has one, at most maxChars characters.
  virtual std::string GetLine(int line, int maxChars) const = 0;

  // Selection; an end of -1 means the end of the text.
  virtual void SetSelection(int start, int end) = 0;
  virtual std::pair<int, int> GetSelection() const = 0;
  virtual std::string SelectedText() const = 0;  // breaks as CR
  // The characters between two positions, breaks as CR, without touching the selection;
  // an end of -1 means the end of the text.
  virtual std::string TextRange(int start, int end) const = 0;
  virtual void ReplaceSelection(std::string_view text, bool canUndo) = 0;

  // Colour of the characters of the selection, and of one character.
  virtual void SetSelectionColour(Colour colour) = 0;
  // The selected characters take this look; the text keeps its colours.
  virtual void SetSelectionLook(const TextLook& look) = 0;
  virtual Colour ColourAt(int charPos) const = 0;

  // Whole text.
  virtual std::string Text() const = 0;        // CR LF breaks
  virtual int TextLength() const = 0;          // in character positions (a break counts once)
  virtual void SetText(std::string_view text) = 0;  // streamed in; CR LF, LF or CR breaks
  virtual void SetTextLimit(int limit) = 0;
  virtual int TextLimit() const = 0;

  // View.
  virtual int FirstVisibleLine() const = 0;
  virtual Point ScrollPosition() const = 0;  // in pixels
  virtual void SetScrollPosition(Point position) = 0;
  virtual void LineScroll(int lines) = 0;
  virtual Point PositionFromChar(int charPos) const = 0;  // client pixels of the character's top-left
  // The same for the character at the caret (the selection's active end), answered from
  // the caret itself while the control has the focus: the real control walks the text
  // for a position, and the editor asks this on every key.
  virtual Point CaretPoint() const = 0;
  // The character position nearest to a point, as a click there places the caret: a point
  // on the right half of a character gives the position after it.
  virtual int CharFromPosition(Point position) const = 0;
  virtual void SetRedraw(bool on) = 0;
  // The text shows only in whole rows of this height from the control's top, at most
  // maxRows of them (fewer when fewer fit), the rest of the control blank: whatever the
  // control scrolls into view then lands on a whole row. Kept while the control is resized.
  virtual void ShowWholeRows(int rowHeight, int maxRows) = 0;

  // Notifications and appearance.
  virtual void SetEventMask(std::uint32_t mask) = 0;
  virtual std::uint32_t EventMask() const = 0;
  virtual void SetBackground(Colour colour) = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  virtual void SetDefaultTextColour(Colour colour) = 0;
  // Tab stops every `width` dialog template units, the unit of the control's tab-stop
  // request: a quarter of the average character width of the control's font, so that a
  // width of 4n puts a stop every n characters of a fixed-pitch font. The stops are
  // turned into pixels when set (a later font leaves them where they are) and hold for the
  // whole text and for any text typed, replaced or streamed in later. A TAB reaches the
  // first stop beyond the text before it, counted from the line's left edge; past the
  // 32nd stop, and with a width of 0 or less, stops stand every half inch (48 pixels at
  // 96 dots per inch), the control's own. Setting the stops in force again costs nothing;
  // other stops over a text cost the real control time in proportion to its lines (about
  // 6 s a mebibyte under Wine) and drop its own undo record; set them before the text.
  virtual void SetTabStops(int width) = 0;

  // Installs the filter in front of the control's own message handling; an empty
  // function removes it.
  virtual void SetMessageFilter(MessageFilter filter) = 0;
};

}  // namespace ui
