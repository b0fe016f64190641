#include "view/welcome_text.h"

#include <array>
#include <string_view>

#include "base/control_ids.h"

namespace editor {

namespace {

constexpr std::string_view kParagraphs[]{
    "   Welcome to the editor program  (version 46.4 Beta 2 edition, Amendment 1 - December 2020).",
    "   To get started please choose your defaults...\r\n   File, Editor settings.",
    "   Select & save your preferences, then finally click the apply button.",
    "   Some of this message will then be coloured.",
    "   WARNING:-\r\n   \r\n   ",
    "   Before loading any of your files, make a copy!",
    "   When you are ready, click the open file button (The button with a yellow folder on the left) to open your "
    "files.",
    "   IF YOU CANNOT SCROLL A FILE, please restart the editor & click on the file tab name.",
    "   Thank you to all of you that have helped me, given me feedback,\r\n"
    "   provided me with suggestions, & given me encouragement.",
};

enum class Mark { kTitle, kWarning, kAdvice };

// The marked phrases, found by their text so that they stay marked whatever the breaks.
struct MarkedPhrase {
  std::string_view text;
  Mark mark;
};
constexpr std::array kMarked{
    MarkedPhrase{"Welcome to the editor program ", Mark::kTitle},
    MarkedPhrase{"WARNING", Mark::kWarning},
    MarkedPhrase{"IF YOU CANNOT SCROLL A FILE", Mark::kWarning},
    MarkedPhrase{"restart", Mark::kAdvice},
    MarkedPhrase{"click on the file tab name", Mark::kAdvice},
};

ui::FontSpec BodyFont() { return {"Arial", 12}; }
ui::FontSpec TitleFont() { return {"Arial", 16}; }
constexpr int kTitleWeight = 500;
constexpr ui::Rect kOpenButtonFrame{4, 146, 30, 30};

ui::Colour MarkColour(const EditorPreferences& prefs, Mark mark) {
  switch (mark) {
    case Mark::kTitle:
      return prefs.keyword;
    case Mark::kWarning:
      return prefs.definition;
    case Mark::kAdvice:
      return prefs.number;
  }
  return prefs.text;
}

// Character positions count a break as one, as the control does.
int ControlPosition(std::string_view crlfText, std::size_t offset) {
  int breaks = 0;
  for (std::size_t i = 0; i + 1 < offset; ++i)
    if (crlfText[i] == '\r' && crlfText[i + 1] == '\n') ++breaks;
  return static_cast<int>(offset) - breaks;
}

void MarkPhrases(ui::RichEdit& edit, const EditorPreferences& prefs, std::string_view text) {
  for (const MarkedPhrase& phrase : kMarked) {
    const std::size_t at = text.find(phrase.text);
    if (at == std::string_view::npos) continue;
    const int start = ControlPosition(text, at);
    edit.SetSelection(start, start + static_cast<int>(phrase.text.size()));
    edit.SetSelectionColour(MarkColour(prefs, phrase.mark));
    const bool title = phrase.mark == Mark::kTitle;
    edit.SetSelectionLook({title ? TitleFont() : BodyFont(), title ? kTitleWeight : 400, true});
  }
}

}  // namespace

std::string WelcomeText() {
  std::string text = "\r\n";
  for (std::string_view paragraph : kParagraphs) {
    text += paragraph;
    text += "\r\n\r\n";
  }
  return text;
}

void ShowWelcomeText(Editor& editor) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  ui::RichEdit* edit = window.Edit(kEditor);
  if (edit == nullptr) return;
  const std::string text = WelcomeText();
  edit->SetText(text);
  edit->SetSelection(0, -1);
  edit->SetSelectionLook({BodyFont()});
  MarkPhrases(*edit, editor.prefs, text);
  edit->SetSelection(0, 0);
  window.ShowControl(kEditor, true);

  window.FrameRect(kOpenButtonFrame, editor.prefs.lineHighlight);
  // Left enabled: a disabled image button is drawn grey, without its arrow. A click on
  // it does nothing.
  window.ShowControl(kWelcomePointer, true);
  window.FocusWindow();
}

void HideWelcomePointer(Editor& editor) {
  if (!editor.main) return;
  editor.main->ShowControl(kWelcomePointer, false);
  // The frame is painted, not a control: it is painted over in the window's colour.
  editor.main->FrameRect(kOpenButtonFrame, editor.prefs.windowBackground);
}

}  // namespace editor
