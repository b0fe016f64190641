// What the user is going to do and what the user has seen: scripted actions for
// windows whose loops start later, queued answers for the system dialogs, and the
// record of launches, dialogs and windows nobody answered.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/system.h"
#include "platform/window.h"

namespace headless {

using WindowAction = std::function<void(ui::Window&)>;

enum class DialogKind { kOpen, kSave, kFont };

struct DialogShown {
  DialogKind kind = DialogKind::kOpen;
  std::string title;
  std::filesystem::path initialFolder;
  std::string initialName;
  std::optional<ui::FontSpec> currentFont;  // font dialogs
  bool answered = false;
};

struct Launch {
  std::filesystem::path program;
  std::string arguments;
};

class UserScript {
 public:
  // An empty caption matches the next modal loop of any window.
  void WhenWindowOpens(std::string caption, WindowAction action);
  // The first action waiting for this caption, taken off the queue; actions for any
  // caption apply to modal loops only.
  std::optional<WindowAction> TakeActionFor(const std::string& caption, bool modal);

  void QueuePathAnswer(DialogKind kind, std::optional<std::filesystem::path> answer);
  void QueueFontAnswer(std::optional<ui::FontSpec> answer);
  std::optional<std::filesystem::path> AnswerPathDialog(DialogKind kind, const ui::FileDialogSpec& desc);
  std::optional<ui::FontSpec> AnswerFontDialog(const ui::FontSpec& current);

  void QueuePumpAction(std::function<void()> action) { pumpActions_.push_back(std::move(action)); }
  std::optional<std::function<void()>> TakePumpAction();

  void RecordLaunch(Launch launch) { launches_.push_back(std::move(launch)); }
  void RecordUnansweredWindow(std::string caption) { unansweredWindows_.push_back(std::move(caption)); }
  void RecordLoop(std::string caption) { loops_.push_back(std::move(caption)); }

  const std::vector<DialogShown>& Dialogs() const { return dialogs_; }
  std::vector<DialogShown> UnansweredDialogs() const;
  const std::vector<Launch>& Launches() const { return launches_; }
  const std::vector<std::string>& UnansweredWindows() const { return unansweredWindows_; }
  // The caption of every window whose loop ran, in order.
  const std::vector<std::string>& Loops() const { return loops_; }
  std::size_t PendingWindowActions() const { return windowActions_.size(); }

 private:
  struct PendingAction {
    std::string caption;
    WindowAction action;
  };

  std::deque<PendingAction> windowActions_;
  std::deque<std::optional<std::filesystem::path>> openAnswers_;
  std::deque<std::optional<std::filesystem::path>> saveAnswers_;
  std::deque<std::optional<ui::FontSpec>> fontAnswers_;
  std::deque<std::function<void()>> pumpActions_;
  std::vector<DialogShown> dialogs_;
  std::vector<Launch> launches_;
  std::vector<std::string> unansweredWindows_;
  std::vector<std::string> loops_;
};

}  // namespace headless
