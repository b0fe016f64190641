// A top-level window and the child controls it holds, addressed by their numeric ids.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event.h"
#include "platform/rich_edit.h"
#include "platform/types.h"

namespace ui {

enum class ControlKind {
  kPushButton,
  kImageButton,  // a push button showing a bitmap resource; RGB 16,16,16 is transparent
  kCheckBox,
  kRadioButton,
  kEdit,  // single line
  kListBox,
  kComboBox,  // drop-down list
  kStatic,
  kVerticalScrollBar,
  kGroupBox,
  kRichEdit,
  kListView,  // report style
  kStatusBar,
  kTreeView,
};

enum class TextAlign { kLeft, kCentre, kRight };

// The characters typing may put into a single-line edit. Only typing is filtered: text
// the program sets goes in whole.
enum class EditAccepts {
  kAnything,
  // Letters A to Z and a to z, "@", "$" and "_": the characters of key words and names.
  kWordCharacters,
};

// Whether a typed character reaches an edit that accepts `accepts`. Backspace and Enter
// always do; any other character the filter leaves out is refused: nothing is inserted
// and no change is reported.
constexpr bool AcceptsTypedCharacter(EditAccepts accepts, unsigned char c) {
  if (accepts == EditAccepts::kAnything || c == '\b' || c == '\r') return true;
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '@' || c == '$' || c == '_';
}

struct ControlSpec {
  ControlKind kind = ControlKind::kStatic;
  ControlId id = 0;
  Rect rect;
  std::string text;
  std::optional<FontSpec> font;
  bool visible = true;
  TextAlign align = TextAlign::kLeft;
  bool verticallyCentred = false;  // statics
  int bitmapId = 0;                // image buttons
  bool multiSelect = false;        // list views and list boxes
  bool checkBoxes = false;         // list views: a tick box in each row
  bool rowClickTicks = false;      // with checkBoxes: a click anywhere on a row flips its tick
  bool gridLines = false;          // list views: lines between the rows and the columns
  bool readOnly = false;           // edits
  // Edits: what typing may insert, and at most how many characters typing leaves in the
  // edit (0: the control's own limit). Text set by the program is neither filtered nor cut.
  EditAccepts accepts = EditAccepts::kAnything;
  int maxLength = 0;
  // Each key going down on the control also reaches the handler as a notify::kKeyDown
  // notification, the key in the command code; the control still acts on the key itself.
  bool reportsKeys = false;
  // Edits: receiving the focus, by the user or by Focus(), arrives as notify::kFocused.
  bool reportsFocus = false;
};

struct MenuItem {
  int id = 0;  // 0 with no children: a separator
  std::string text;
  int bitmapId = 0;
  bool greyed = false;
  std::vector<MenuItem> children;  // non-empty: a sub-menu

  static MenuItem Separator() { return {}; }
  bool IsSeparator() const { return id == 0 && children.empty(); }
};

struct Accelerator {
  int key = 0;  // virtual-key code, upper-case letter for letters
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  int commandId = 0;  // arrives as a menu pick
};

struct WindowSpec {
  std::string caption;
  Rect rect;
  Colour background = Rgb(240, 240, 240);
  int iconId = 0;
  bool visible = true;
  bool closeBox = true;
};

class Window {
 public:
  virtual ~Window() = default;

  // The handler sees every event of this window. Setting it delivers one kCreated event
  // to it at once, so that the created step runs with the handler in place.
  virtual void SetHandler(EventHandler handler) = 0;

  // The window itself.
  virtual void SetCaption(std::string_view caption) = 0;
  virtual std::string Caption() const = 0;
  virtual void SetRect(Rect rect) = 0;
  virtual Rect GetRect() const = 0;
  virtual void Centre() = 0;
  virtual void SetBackground(Colour colour) = 0;
  virtual void SetIcon(int iconId) = 0;
  virtual void Show(bool visible) = 0;
  virtual bool IsVisible() const = 0;
  virtual void Minimise() = 0;
  virtual void Restore() = 0;
  virtual bool IsMinimised() const = 0;
  virtual void FocusWindow() = 0;

  // Menus. The menu bar's top-level items hold their items as children.
  virtual void SetMenuBar(const std::vector<MenuItem>& menus) = 0;
  virtual void EnableMenuItem(int id, bool enabled) = 0;
  virtual bool IsMenuItemEnabled(int id) const = 0;
  virtual void SetAccelerators(const std::vector<Accelerator>& accelerators) = 0;
  // Shows a pop-up menu at a screen point; the pick arrives as a kMenuPick event.
  virtual void ShowContextMenu(const std::vector<MenuItem>& items, Point screen) = 0;

  // Timers deliver kTimer events with the timer id in the command code.
  virtual void StartTimer(int timerId, int intervalMs) = 0;
  virtual void StopTimer(int timerId) = 0;

  // Child controls.
  virtual bool CreateControl(const ControlSpec& desc) = 0;
  // The control answers to another id from now on, its text, looks and state untouched:
  // one rich edit per open file, the one on screen under the edit control's id and the
  // others hidden under ids of their own. False when `from` is missing or `to` is taken.
  virtual bool RenameControl(ControlId from, ControlId to) = 0;
  // The control and everything it holds go; its id is free again. Destroying a control
  // costs little whatever it holds, where emptying a large rich edit does not.
  virtual void DestroyControl(ControlId id) = 0;
  virtual bool HasControl(ControlId id) const = 0;
  virtual void ShowControl(ControlId id, bool visible) = 0;
  virtual bool IsControlVisible(ControlId id) const = 0;
  virtual void EnableControl(ControlId id, bool enabled) = 0;
  virtual bool IsControlEnabled(ControlId id) const = 0;
  virtual void SetText(ControlId id, std::string_view text) = 0;
  virtual std::string GetText(ControlId id) const = 0;
  // Single-line edits: selects all their text, so that what is typed next replaces it.
  virtual void SelectAllText(ControlId id) = 0;
  // Single-line edits: nothing selected, the caret after the last character.
  virtual void CaretToEnd(ControlId id) = 0;
  virtual void SetChecked(ControlId id, bool checked) = 0;
  virtual bool IsChecked(ControlId id) const = 0;
  virtual void SetFont(ControlId id, const FontSpec& font) = 0;
  virtual void SetColours(ControlId id, Colour text, Colour background) = 0;
  virtual void SetTooltip(ControlId id, std::string_view text) = 0;
  virtual std::string Tooltip(ControlId id) const = 0;
  virtual void MoveControl(ControlId id, Rect rect) = 0;
  virtual Rect ControlRect(ControlId id) const = 0;
  virtual void Focus(ControlId id) = 0;
  virtual ControlId FocusedControl() const = 0;  // 0 when no child has the focus
  virtual void SetImage(ControlId id, int bitmapId) = 0;
  // Off while many rows or entries go in, which is far cheaper than drawing each one;
  // back on, the control is drawn once.
  virtual void SetControlRedraw(ControlId id, bool on) = 0;
  virtual bool IsControlRedrawOn(ControlId id) const = 0;

  // List boxes and combo boxes. Indexes are 0-based; -1 means none.
  virtual int ListAdd(ControlId id, std::string_view text) = 0;
  virtual int ListInsert(ControlId id, int index, std::string_view text) = 0;
  virtual void ListDelete(ControlId id, int index) = 0;
  virtual void ListClear(ControlId id) = 0;
  virtual int ListCount(ControlId id) const = 0;
  virtual std::string ListText(ControlId id, int index) const = 0;
  // Whole-entry match, letter case ignored, as the controls' exact find does.
  virtual int ListFindExact(ControlId id, std::string_view text) const = 0;
  virtual void ListSelect(ControlId id, int index) = 0;
  virtual int ListSelected(ControlId id) const = 0;
  virtual void DropDown(ControlId id, bool open) = 0;

  // Report list views. Rows and columns are 0-based.
  virtual void ViewAddColumn(ControlId id, std::string_view title, int width) = 0;
  virtual int ViewColumnCount(ControlId id) const = 0;
  virtual int ViewInsertRow(ControlId id, int row, std::string_view firstCell) = 0;
  virtual void ViewDeleteRow(ControlId id, int row) = 0;
  virtual void ViewClear(ControlId id) = 0;
  virtual int ViewRowCount(ControlId id) const = 0;
  virtual void ViewSetCell(ControlId id, int row, int column, std::string_view text) = 0;
  virtual std::string ViewCell(ControlId id, int row, int column) const = 0;
  virtual void ViewSetTicked(ControlId id, int row, bool ticked) = 0;
  virtual bool ViewIsTicked(ControlId id, int row) const = 0;
  virtual void ViewSelect(ControlId id, int row, bool selected) = 0;
  virtual std::vector<int> ViewSelectedRows(ControlId id) const = 0;
  // Whole match of the first column, letter case ignored; -1 when none.
  virtual int ViewFindExact(ControlId id, std::string_view text) const = 0;
  virtual void ViewEnsureVisible(ControlId id, int row) = 0;

  // Vertical scroll bars.
  virtual void SetScrollRange(ControlId id, int minimum, int maximum) = 0;
  virtual void SetScrollPos(ControlId id, int position) = 0;
  virtual int ScrollPos(ControlId id) const = 0;

  // The rich edit with this id, or nullptr.
  virtual RichEdit* Edit(ControlId id) = 0;

  // Painting straight onto the window's client area (swatches, progress bars).
  virtual void FillRect(Rect rect, Colour colour) = 0;
  virtual void FrameRect(Rect rect, Colour colour) = 0;

  // Runs a nested message loop until this window has closed.
  virtual void RunModal() = 0;
  // Destroys the window and its controls; events stop.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
};

}  // namespace ui
