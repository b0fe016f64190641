// Tab buttons sized to their captions, so that long file names fit and short ones
// leave room for more tabs.
#pragma once

#include <string_view>

#include "platform/window.h"

namespace editor {

struct Editor;

// The width of a tab button for this caption: 20 plus the caption's character widths.
int TabWidthForCaption(std::string_view caption);

// Lays the six tab buttons out from x = 0, each as wide as its caption; an empty tab is
// hidden. Tabs 4 to 6 are moved only while the edit control is visible.
void SizeTabs(ui::Window& window, bool editorVisible);

// Puts the tab buttons back at their fixed places, 225 pixels apart.
void PlaceTabsFixed(ui::Window& window);

// The tab buttons after a file took, renamed or gave up a tab: sized to their captions
// while the resize-tabs switch is on, at their fixed places while it is off.
void ArrangeTabs(const Editor& editor, ui::Window& window);

}  // namespace editor
