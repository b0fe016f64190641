#include "view/notices.h"

#include "base/bitmap_ids.h"
#include "base/control_ids.h"
#include "view/modal_dialog.h"

namespace editor {

namespace {

constexpr ui::Colour kWhite = ui::Rgb(255, 255, 255);
constexpr std::string_view kSaveLine1 = "Do you want to save the changes for";
constexpr std::string_view kMainProgramCaption = "Main program";

// Arial 12 at weight 500: the layer's fonts know normal and bold only, and 500 draws
// as normal.
ui::FontSpec MessageFont() { return {"Arial", 12}; }

ui::ControlSpec Label(ui::ControlId id, int y, std::string_view text) {
  ui::ControlSpec desc;
  desc.kind = ui::ControlKind::kStatic;
  desc.id = id;
  desc.rect = {0, y, kMessageWindowRect.width, 25};
  desc.text = std::string(text);
  desc.font = MessageFont();
  desc.align = ui::TextAlign::kCentre;
  return desc;
}

ui::ControlSpec Button(ui::ControlId id, int x, std::string_view text) {
  ui::ControlSpec desc;
  desc.kind = ui::ControlKind::kPushButton;
  desc.id = id;
  desc.rect = {x, 110, 80, 25};
  desc.text = std::string(text);
  desc.font = MessageFont();
  desc.reportsKeys = true;  // Left, Right and Enter choose between the two
  return desc;
}

std::unique_ptr<ui::Window> OpenMessageWindow(Editor& editor, std::string_view caption, ui::Colour background,
                                              int iconId) {
  return CreateDialogWindow(editor.system, {std::string(caption), kMessageWindowRect, background, iconId});
}

void SetMainProgramCaption(Editor& editor) {
  if (editor.main && editor.main->IsOpen() && editor.main->HasControl(kMainProgramButton))
    editor.main->SetText(kMainProgramButton, kMainProgramCaption);
}

// The window's colour for a question: the table's scheme, where "normal" depends on save mode.
ui::Colour QuestionBackground(const Editor& editor, QuestionColours colours, bool saveMode) {
  switch (colours) {
    case QuestionColours::kBackground: return editor.prefs.windowBackground;
    case QuestionColours::kWhite: return kWhite;
    case QuestionColours::kNormal: break;
  }
  return saveMode ? editor.prefs.windowBackground : editor.prefs.fileBackground;
}

struct Question {
  std::string line1;
  std::string line2;
  QuestionColours colours = QuestionColours::kNormal;
  int iconId = kIconApplication;
};

Question QuestionFor(int code, const ConfirmContext& context) {
  Question q;
  const bool saveMode = context.saveCaption.has_value();
  if (saveMode) {
    q.line1 = kSaveLine1;
    q.line2 = *context.saveCaption;
  }
  if (const QuestionEntry* entry = FindQuestion(code)) {
    q.line1 = entry->line1;
    q.line2 = entry->line2FromList ? context.listEntry + "?" : std::string(entry->line2);
    q.colours = entry->colours;
    if (entry->iconId != 0) q.iconId = entry->iconId;
  }
  if (saveMode) q.iconId = kIconSaveQuestion;
  return q;
}

// The question window's handler: the buttons and the close box answer, the arrows move
// between the buttons, Enter answers with the button that has the focus.
int OnQuestionEvent(ui::Window& window, const ui::Event& event, bool& answer) {
  if (event.kind == ui::MessageKind::kCloseRequested) {
    answer = false;
    window.Close();
    return 0;
  }
  if (event.kind != ui::MessageKind::kControlNotify) return 0;
  if (event.controlId != kYesButton && event.controlId != kNoButton) return 0;
  if (event.notifyCode == ui::notify::kClick) {
    answer = event.controlId == kYesButton;
    window.Close();
  } else if (event.notifyCode == ui::notify::kKeyDown) {
    switch (event.commandCode) {
      case ui::key::kLeft: window.Focus(kYesButton); break;
      case ui::key::kRight: window.Focus(kNoButton); break;
      case ui::key::kEnter:
        answer = event.controlId == kYesButton;
        window.Close();
        break;
      default: break;
    }
  }
  return 0;
}

}  // namespace

void ShowNotice(Editor& editor, int code) {
  if (!editor.prefs.showConfirmations && code > 0) return;
  const NoticeEntry* entry = FindNotice(code);
  const NoticeEntry shown = entry != nullptr ? *entry : NoticeEntry{code, {}, {}, kIconApplication, kNoticeMs};

  std::unique_ptr<ui::Window> window =
      OpenMessageWindow(editor, shown.title, editor.prefs.windowBackground, shown.iconId);
  if (!window) return;
  window->CreateControl(Label(kNoticeTextLabel, 65, shown.text));
  window->SetColours(kNoticeTextLabel, editor.prefs.windowText, editor.prefs.windowBackground);
  window->Centre();
  window->Show(true);
  SetMainProgramCaption(editor);
  // The notice blocks the editor's thread except for its own painting: events that arrive
  // meanwhile wait for it.
  editor.system.WaitPainted(*window, shown.displayMs);
  window->Close();
}

bool AskConfirm(Editor& editor, int code, const ConfirmContext& context) {
  if (editor.main && editor.main->IsOpen()) editor.main->ShowControl(kAutoCompleteList, false);
  const bool saveMode = context.saveCaption.has_value();
  const Question question = QuestionFor(code, context);
  const ui::Colour background = QuestionBackground(editor, question.colours, saveMode);

  std::unique_ptr<ui::Window> window = OpenMessageWindow(editor, kQuestionCaption, background, question.iconId);
  if (!window) return false;
  window->CreateControl(Label(kQuestionLine1, 25, question.line1));
  window->CreateControl(Label(kQuestionLine2, 60, question.line2));
  window->CreateControl(Button(kYesButton, 140, "Yes"));
  window->CreateControl(Button(kNoButton, 240, "No"));
  for (ui::ControlId line : {kQuestionLine1, kQuestionLine2})
    window->SetColours(line, editor.prefs.windowText, background);
  if (question.colours == QuestionColours::kWhite)
    for (ui::ControlId button : {kYesButton, kNoButton}) window->SetColours(button, editor.prefs.windowText, kWhite);

  bool answer = false;
  RunModalDialog(*window, [&answer](ui::Window& w, const ui::Event& event) { return OnQuestionEvent(w, event, answer); },
                 {.control = saveMode ? kYesButton : kNoButton});
  return answer;
}

bool AskSaveChanges(Editor& editor, std::string_view tabCaption) {
  if (tabCaption.ends_with('*')) tabCaption.remove_suffix(1);
  ConfirmContext context;
  context.saveCaption = std::string(tabCaption);
  return AskConfirm(editor, 0, context);
}

}  // namespace editor
