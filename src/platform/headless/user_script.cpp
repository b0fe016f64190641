#include "platform/headless/user_script.h"

#include <algorithm>

namespace headless {

void UserScript::WhenWindowOpens(std::string caption, WindowAction action) {
  windowActions_.push_back({std::move(caption), std::move(action)});
}

std::optional<WindowAction> UserScript::TakeActionFor(const std::string& caption, bool modal) {
  const auto matches = [&](const PendingAction& p) { return p.caption == caption || (modal && p.caption.empty()); };
  const auto it = std::find_if(windowActions_.begin(), windowActions_.end(), matches);
  if (it == windowActions_.end()) return std::nullopt;
  WindowAction action = std::move(it->action);
  windowActions_.erase(it);
  return action;
}

void UserScript::QueuePathAnswer(DialogKind kind, std::optional<std::filesystem::path> answer) {
  (kind == DialogKind::kSave ? saveAnswers_ : openAnswers_).push_back(std::move(answer));
}

void UserScript::QueueFontAnswer(std::optional<ui::FontSpec> answer) { fontAnswers_.push_back(std::move(answer)); }

std::optional<std::filesystem::path> UserScript::AnswerPathDialog(DialogKind kind, const ui::FileDialogSpec& desc) {
  auto& answers = kind == DialogKind::kSave ? saveAnswers_ : openAnswers_;
  DialogShown shown{kind, desc.title, desc.initialFolder, desc.initialName, std::nullopt, !answers.empty(),
                    desc.filters};
  dialogs_.push_back(shown);
  if (answers.empty()) return std::nullopt;
  auto answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

std::optional<ui::FontSpec> UserScript::AnswerFontDialog(const ui::FontSpec& current) {
  dialogs_.push_back({DialogKind::kFont, {}, {}, {}, current, !fontAnswers_.empty(), {}});
  if (fontAnswers_.empty()) return std::nullopt;
  auto answer = std::move(fontAnswers_.front());
  fontAnswers_.pop_front();
  return answer;
}

std::optional<std::function<void()>> UserScript::TakePumpAction() {
  if (pumpActions_.empty()) return std::nullopt;
  auto action = std::move(pumpActions_.front());
  pumpActions_.pop_front();
  return action;
}

std::vector<DialogShown> UserScript::UnansweredDialogs() const {
  std::vector<DialogShown> found;
  std::copy_if(dialogs_.begin(), dialogs_.end(), std::back_inserter(found),
               [](const DialogShown& d) { return !d.answered; });
  return found;
}

}  // namespace headless
