// Each open file keeps a rich edit of its own. The active tab's is the edit control on
// screen (kEditor); every other tab's waits hidden under TabEditorId(t). A tab switch moves
// no text, and a file's text leaves the editor only with its control: emptying a rich edit
// that holds a large text costs minutes in the real control, destroying it costs little.
#pragma once

#include "base/control_ids.h"
#include "platform/rich_edit.h"
#include "state/editor.h"

namespace editor {

constexpr ui::ControlId TabEditorId(int tab) { return kFirstTabEditor + tab - 1; }

// The control on screen, holding tab t's text, goes to its waiting place, hidden; a fresh
// empty control takes the edit control's place.
void ParkEditor(Editor& editor, int tab);

// Tab t's waiting control comes on screen in the edit control's place, and the control that
// stood there goes (it holds no tab's text). False when tab t has no control of its own.
bool ShowTabEditor(Editor& editor, int tab);

// The tab whose text the control on screen holds: the active one, when it has been loaded
// and waits nowhere else; 0 when that control holds no tab's text.
int TabHoldingEditor(Editor& editor);

// The control on screen goes with its text; a fresh empty one takes its place.
void DiscardEditor(Editor& editor);

// An empty control in the edit control's place for a text about to come in: the one there
// stays when it is empty, waits in its tab's place when it holds that tab's text, and goes
// otherwise.
void FreeEditorPlace(Editor& editor);

// The control that holds tab t's text: the one on screen for the tab on screen, else its
// waiting one; nullptr when it has none.
ui::RichEdit* EditorOfTab(Editor& editor, int tab);

// After tab t closed, the later tabs' waiting controls move down a place with their tabs.
void MoveTabEditorsDown(Editor& editor, int closedTab);

}  // namespace editor
