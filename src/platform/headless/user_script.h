// What the user is going to do and what the user has seen: scripted actions for
// windows whose loops start later, queued answers for the system dialogs, and the
// record of launches, dialogs and windows nobody answered.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
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
  std::vector<std::pair<std::string, std::string>> filters;  // file dialogs: description, patterns
};

struct Launch {
  std::filesystem::path program;
  std::string arguments;
};

// One child control of a closed window, as it stood when the window closed.
struct ClosedControl {
  ui::ControlKind kind = ui::ControlKind::kStatic;
  ui::Rect rect;
  std::string text;
  std::optional<ui::FontSpec> font;
  std::optional<std::pair<ui::Colour, ui::Colour>> colours;  // text, background
  bool visible = true;
};

// A top-level window that has closed, as the user last saw it, and when it was open on
// the virtual clock; a notice that shut itself leaves no other trace.
struct ClosedWindow {
  std::string caption;
  ui::Rect rect;
  ui::Colour background = 0;
  int iconId = 0;
  std::int64_t openedMs = 0;
  std::int64_t closedMs = 0;
  std::map<ui::ControlId, ClosedControl> controls;

  std::int64_t OpenMs() const { return closedMs - openedMs; }
  // The text of one control; empty when there is no such control.
  std::string TextOf(ui::ControlId id) const {
    const auto it = controls.find(id);
    return it == controls.end() ? std::string{} : it->second.text;
  }
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
  void RecordClosedWindow(ClosedWindow window) { closedWindows_.push_back(std::move(window)); }

  const std::vector<DialogShown>& Dialogs() const { return dialogs_; }
  std::vector<DialogShown> UnansweredDialogs() const;
  const std::vector<Launch>& Launches() const { return launches_; }
  const std::vector<std::string>& UnansweredWindows() const { return unansweredWindows_; }
  // The caption of every window whose loop ran, in order.
  const std::vector<std::string>& Loops() const { return loops_; }
  // Every top-level window that has closed, in the order they closed.
  const std::vector<ClosedWindow>& ClosedWindows() const { return closedWindows_; }
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
  std::vector<ClosedWindow> closedWindows_;
};

}  // namespace headless
