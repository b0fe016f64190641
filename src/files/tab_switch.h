// Putting a tab on screen and taking it off again. Each tab's text stays in its own rich
// edit: a switch shows one control and hides the other, and moves no text.
#pragma once

#include "state/editor.h"

namespace editor {

// Shows tab t (1..6). A tab with no caption is left alone; the tab already on screen only
// has its side lists restored, without touching its text.
void ActivateTab(Editor& editor, int tab);

// The active tab's button in the active colours, the other five in the normal ones.
void ColourTabButtons(const Editor& editor, ui::Window& window, int activeTab);

// Takes tab t off the screen, its control waiting hidden with its text, and writes its
// companion state, when t is the active tab and on screen.
void LeaveTab(Editor& editor, int tab);

}  // namespace editor
