// Putting a tab's text on screen and taking it off again. Only one tab's text is in the
// edit control at a time; the others wait whole in their tab slots.
#pragma once

#include "state/editor.h"

namespace editor {

// Shows tab t (1..6). A tab with no caption is left alone; the tab already on screen only
// has its side lists restored, without touching its text.
void ActivateTab(Editor& editor, int tab);

// The active tab's button in the active colours, the other five in the normal ones.
void ColourTabButtons(const Editor& editor, ui::Window& window, int activeTab);

// Takes tab t's text off the screen into its slot and writes its companion state, when t
// is the active tab and on screen.
void LeaveTab(Editor& editor, int tab);

}  // namespace editor
