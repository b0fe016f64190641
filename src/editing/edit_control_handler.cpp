#include "editing/edit_control_handler.h"

#include <memory>
#include <optional>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "companion/viewed_line.h"
#include "editing/edit_capture.h"
#include "editing/edit_key_release.h"
#include "editing/keyword_suggestions.h"
#include "editing/suggestion_acceptance.h"
#include "editing/undo_steps.h"
#include "state/editor.h"
#include "view/colour_passes.h"
#include "view/edit_menu_items.h"
#include "view/edit_position_panel.h"
#include "view/gutter.h"

namespace editor {

namespace {

constexpr int kCtrlZ = 26;
constexpr int kCtrlY = 25;
constexpr int kFirstLetter = 'A';
constexpr int kWheelNotch = 120;
constexpr int kAlt = 18;

bool IsModifier(int key) {
  return key == ui::key::kShift || key == ui::key::kControl || key == kAlt || key == ui::key::kCapsLock;
}

bool IsCtrlLetterTheControlWouldTake(int key) {
  return key == 'A' || key == 'C' || key == 'V' || key == 'X' || key == 'Y' || key == 'Z' || key == 'F';
}

// The control's own key handling, seen from the editor: one object per file's control, so
// that an edit under way belongs to the control it happens in.
class EditControlHandler {
 public:
  explicit EditControlHandler(Editor& editor) : editor_(editor) {}

  bool Handle(ui::RichEdit& edit, const ui::InputMessage& message) {
    // Whatever the last key changed is done by the time the next message comes.
    RecordPendingEdit(edit);
    if (!message.ctrlHeld) editor_.view.shortcutKeyHeld = false;
    switch (message.message) {
      case ui::message::kKeyDown: return KeyDown(edit, static_cast<int>(message.wparam));
      case ui::message::kChar: return Character(edit, static_cast<int>(message.wparam));
      case ui::message::kKeyUp: return KeyUp(edit, static_cast<int>(message.wparam));
      case ui::message::kLeftButtonDown: return LeftButtonDown(edit);
      case ui::message::kLeftButtonUp: return LeftButtonUp(edit);
      case ui::message::kRightButtonDown: return ContextMenu(edit);
      case ui::message::kMouseWheel: return Wheel(edit, message);
      default: return false;
    }
  }

 private:
  bool KeyDown(ui::RichEdit& edit, int key) {
    const EditorPreferences& prefs = editor_.prefs;
    viewBefore_ = edit.ScrollPosition().y;
    if (key == ui::key::kControl) {
      editor_.view.shortcutKeyHeld = true;
      return false;
    }
    if (editor_.view.shortcutKeyHeld && key == 'R') {
      editor_.view.shortcutKeyHeld = false;
      editor_.main->Focus(kFindBox);
      return true;
    }
    // The control would act on these itself (its own one-level undo among them); the
    // editor's commands arrive as menu accelerators or as the characters below.
    if (editor_.view.shortcutKeyHeld && IsCtrlLetterTheControlWouldTake(key)) return true;
    if (SuggestionsShown(editor_) && SuggestionKey(key)) return true;
    if (key == prefs.undoKey) return UndoStep(editor_), true;
    if (key == prefs.redoKey) return RedoStep(editor_), true;
    if (key == prefs.undoAllKey) return UndoAll(editor_), true;
    if (key == prefs.redoAllKey) return RedoAll(editor_), true;
    // Insert may paste (with Shift) or switch the control to overtyping, which typed
    // characters must then be read for.
    if (key == ui::key::kInsert) {
      insertKeySeen_ = true;
      Begin(edit, EditKind::kBlock);
    }
    if (key == ui::key::kDelete) Begin(edit, EditKind::kDelete);
    if (key == ui::key::kBackspace) Begin(edit, EditKind::kBackspace);
    if (key == ui::key::kEnter) Begin(edit, EditKind::kEnter);
    return false;
  }

  // Tab takes the suggestion shown, Escape puts it away; the control sees neither the key
  // nor its character. Enter keeps its line break: a line ending in a short name of the
  // user's own ("ab", "st") would otherwise be rewritten into a key word unasked.
  bool SuggestionKey(int key) {
    if (key == ui::key::kEscape) {
      HideSuggestions(editor_);
    } else if (key != ui::key::kTab || !AcceptSuggestion(editor_)) {
      return false;
    }
    swallowCharacter_ = true;
    return true;
  }

  bool Character(ui::RichEdit& edit, int character) {
    if (swallowCharacter_) {
      swallowCharacter_ = false;
      if (character == ui::key::kTab || character == ui::key::kEscape) return true;
    }
    if (editor_.view.shortcutKeyHeld && character < kFirstLetter) {
      if (character == kCtrlZ) UndoStep(editor_);
      if (character == kCtrlY) RedoStep(editor_);
      return true;
    }
    if (character == ui::key::kTab) Begin(edit, EditKind::kTab);
    else if (character >= ' ') BeginTyping(edit, static_cast<char>(character));
    wordChanged_ = character >= ' ' || character == ui::key::kBackspace;
    return false;
  }

  bool KeyUp(ui::RichEdit& edit, int key) {
    if (key == ui::key::kControl) editor_.view.shortcutKeyHeld = false;
    KeyRelease release{key, editor_.view.textEdits != textEditsSeen_, std::move(editsSinceRelease_)};
    editsSinceRelease_.clear();
    const CaretLineText line = AfterEditKeyRelease(editor_, release, painted_);
    textEditsSeen_ = editor_.view.textEdits;
    FollowScrolledView(edit);
    FollowTypedWord(edit, key, line);
    return false;
  }

  // A character typed or rubbed out checks the word it leaves before the caret; any other
  // key but a modifier has moved on from it.
  void FollowTypedWord(const ui::RichEdit& edit, int key, const CaretLineText& line) {
    if (wordChanged_) {
      wordChanged_ = false;
      if (line.start < 0) CheckWordBeforeCaret(editor_, edit);
      else CheckWordBeforeCaret(editor_, edit, line.text, edit.GetSelection().first - line.start);
    } else if (!IsModifier(key) && SuggestionsShown(editor_)) {
      HideSuggestions(editor_);
    }
  }

  // The wheel moves the view by the lines the preferences ask for, not the control's own.
  bool Wheel(ui::RichEdit& edit, const ui::InputMessage& message) {
    const int delta = static_cast<short>((message.wparam >> 16) & 0xFFFF);
    const int notches = delta / kWheelNotch;
    if (notches == 0) return true;
    viewBefore_ = edit.ScrollPosition().y;
    edit.LineScroll(-notches * editor_.prefs.wheelLines);
    FollowScrolledView(edit);
    return true;
  }

  void Begin(ui::RichEdit& edit, EditKind kind) { pending_ = BeginEditCapture(edit, kind); }

  void BeginTyping(ui::RichEdit& edit, char character) {
    const auto [start, end] = edit.GetSelection();
    if (start == end && !insertKeySeen_) pending_ = BeginTypedCapture(edit, character);
    else Begin(edit, EditKind::kTyping);
  }

  void RecordPendingEdit(const ui::RichEdit& edit) {
    if (!pending_) return;
    // Never reached by a control that inserts what it is typed; should it happen, an
    // entry that does not match the text would undo into the wrong place.
    if (pending_->typed && !TypedAsExpected(edit, *pending_)) {
      pending_.reset();
      ClearActiveTabUndoAndRedo(editor_);
      return;
    }
    std::optional<TextEdit> change = FinishEditCapture(edit, *pending_);
    pending_.reset();
    if (!change) return;
    editsSinceRelease_.push_back(*change);
    RecordEdit(editor_, std::move(*change));
  }

  // Keys and the wheel may have moved the view: what came into it is coloured and the
  // gutter numbers it.
  void FollowScrolledView(ui::RichEdit& edit) {
    if (!viewBefore_ || edit.ScrollPosition().y == *viewBefore_) return;
    viewBefore_.reset();
    RunColourPass(editor_, ColourPass::kVisiblePage);
    RefreshGutter(editor_);
    MarkCurrentGutterRow(editor_);
    WriteFirstVisibleLine(editor_, edit.FirstVisibleLine());
  }

  // A click is where a user may leave the file for a while: the view is remembered. It
  // also moves away from the word a suggestion was for.
  bool LeftButtonDown(const ui::RichEdit& edit) {
    WriteFirstVisibleLine(editor_, edit.FirstVisibleLine());
    if (SuggestionsShown(editor_)) HideSuggestions(editor_);
    return false;
  }

  bool LeftButtonUp(const ui::RichEdit& edit) {
    ShowEditPosition(editor_, edit);
    ShowEditItemsFor(editor_, edit);
    return false;
  }

  bool ContextMenu(const ui::RichEdit& edit) {
    if (editor_.tabs.ActiveTab() == 0 || editor_.main->FocusedControl() != kEditor) return false;
    const auto [start, end] = edit.GetSelection();
    const bool selected = start != end;
    std::vector<ui::MenuItem> items{
        {kContextCut, "Cut", 0, !selected, {}},
        {kContextCopy, "Copy", 0, !selected, {}},
        {kContextPaste, "Paste", 0, !editor_.system.ClipboardHasText(), {}},
        {kContextSelectAll, "Select All", 0, false, {}},
        {kMenuFind,
         "Find something",
         0,
         false,
         {{kContextFindFirst, "Find First", 0, false, {}},
          {kContextFindAll, "Find All", 0, false, {}},
          {kContextFindLast, "Find Last", 0, false, {}},
          {kContextFindThisControl, "Find this control", 0, false, {}}}},
        {kContextTranspose, "Copy and swap code around", 0, false, {}},
        {kMenuClearClipboard, "Clear the clipboard", 0, false, {}},
    };
    editor_.main->ShowContextMenu(items, editor_.system.CursorScreenPosition());
    return true;
  }

  Editor& editor_;
  std::optional<EditCapture> pending_;
  std::vector<TextEdit> editsSinceRelease_;
  bool insertKeySeen_ = false;  // the control may be overtyping
  int textEditsSeen_ = -1;  // the editor's count of edits at the last release
  PaintedLine painted_;     // the caret line as last painted in this control
  std::optional<int> viewBefore_;
  bool swallowCharacter_ = false;  // the key was a suggestion's: its character goes nowhere
  bool wordChanged_ = false;       // a character since the last release changed the word at the caret
};

}  // namespace

void InstallEditControlHandler(Editor& editor) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) return;
  auto handler = std::make_shared<EditControlHandler>(editor);
  edit->SetMessageFilter(
      [handler](ui::RichEdit& control, ui::InputMessage& message) { return handler->Handle(control, message); });
}

}  // namespace editor
