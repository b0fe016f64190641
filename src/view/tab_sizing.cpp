#include "view/tab_sizing.h"

#include <string>

#include "model/tab_table.h"
#include "state/editor.h"

namespace editor {

namespace {

constexpr int kTabY = 642;
constexpr int kTabHeight = 25;
constexpr int kFixedTabWidth = 225;
constexpr int kCaptionPadding = 20;

// Pixel widths of the tab font's characters; any other character is 11. A lower-case
// "w" measures as an ordinary letter: "mm.iwb*" is 89 pixels wide.
int CharacterWidth(char c) {
  switch (c) {
    case 'f': case 'j': case 'r': case 't': return 7;
    case 'i': case 'l': case 'I': case '-': return 6;
    case 'm': return 13;
    case 'M': case 'O': case 'Q': return 12;
    case 'W': return 15;
    case ' ': case '_': return 10;
    case '.': return 4;
    default: return 11;
  }
}

}  // namespace

int TabWidthForCaption(std::string_view caption) {
  int width = kCaptionPadding;
  for (char c : caption) width += CharacterWidth(c);
  return width;
}

void SizeTabs(ui::Window& window, bool editorVisible) {
  int x = 0;
  for (int tab = 1; tab <= kTabCount; ++tab) {
    const ui::ControlId id = TabButtonId(tab);
    const std::string caption = window.GetText(id);
    if (caption.empty()) {
      window.ShowControl(id, false);
      continue;
    }
    const int width = TabWidthForCaption(caption);
    if (tab <= 3 || editorVisible) {
      window.MoveControl(id, {x, kTabY, width, kTabHeight});
      window.ShowControl(id, true);
    }
    x += width;
  }
}

void PlaceTabsFixed(ui::Window& window) {
  for (int tab = 1; tab <= kTabCount; ++tab)
    window.MoveControl(TabButtonId(tab), {kFixedTabWidth * (tab - 1), kTabY, kFixedTabWidth, kTabHeight});
}

void ArrangeTabs(const Editor& editor, ui::Window& window) {
  if (editor.resizeTabs)
    SizeTabs(window, true);
  else
    PlaceTabsFixed(window);
}

}  // namespace editor
