// Long runs of random editing through the headless driver, weighted like a programmer's
// day: typing words and lines, breaking and joining lines, moving and selecting, cutting
// and pasting, undoing, bookmarking, replacing, saving, switching, closing and reopening
// files. As it goes it checks what a user relies on: a save puts the text on disk, undoing
// everything gives back the text the history started from, and the lists the editor keeps
// name the subroutines and windows where the text has them.
//
// A failure names the seed and the action and shows the actions before it. SOAK_SEED
// replays chosen seeds ("7", "3,9" or "1-20"), SOAK_ACTIONS sets how many actions each
// runs, SOAK_CHECK_FROM checks after every action from the one named on, and
// SOAK_SHOW_TEXT=1 adds the text to the report. For example:
//   SOAK_SEED=1-20 SOAK_ACTIONS=50000 editor_tests --gtest_filter='*RandomEditingSoak*'
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "base/number_text.h"
#include "base/word_delimiters.h"
#include "editing/file_indexer.h"
#include "editing/undo_steps.h"
#include "model/line_index.h"
#include "model/line_words.h"
#include "scenarios/file_commands_fixture.h"
#include "search/results_window_layout.h"
#include "soak/changed_lines.h"
#include "soak/expected_save_form.h"
#include "soak/random_code.h"
#include "view/edit_lines.h"
#include "view/notices.h"

namespace editor {
namespace {

// g++ says so with a macro, clang with a feature test.
#if defined(__SANITIZE_ADDRESS__)
#define SOAK_UNDER_SANITIZERS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_UNDER_SANITIZERS 1
#endif
#endif

#if defined(SOAK_UNDER_SANITIZERS)
constexpr int kActionsPerSeed = 3000;  // about 1 ms an action under the sanitizers, where 0.3 ms natively
#else
constexpr int kActionsPerSeed = 10000;
#endif
constexpr unsigned kSeeds[] = {1, 2, 3};
constexpr int kChecksEvery = 5;  // actions between the index and unsaved-state checks
constexpr std::size_t kActionsShown = 20;
constexpr std::size_t kMostOpenFiles = 4;
constexpr const char* kFileNames[] = {"alpha.iwb", "beta.iwb", "gamma.inc", "delta.eba", "epsilon.iwb", "zeta.iwb"};

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

// "7", "3,9" or "1-20".
std::vector<unsigned> SeedsToRun() {
  const std::optional<std::string> chosen = Environment("SOAK_SEED");
  if (!chosen) return {std::begin(kSeeds), std::end(kSeeds)};
  std::vector<unsigned> seeds;
  std::size_t at = 0;
  while (at < chosen->size()) {
    std::size_t end = chosen->find(',', at);
    if (end == std::string::npos) end = chosen->size();
    const std::string item = chosen->substr(at, end - at);
    const std::size_t dash = item.find('-');
    const unsigned first = static_cast<unsigned>(std::stoul(item.substr(0, dash)));
    const unsigned last = dash == std::string::npos ? first : static_cast<unsigned>(std::stoul(item.substr(dash + 1)));
    for (unsigned seed = first; seed <= last; ++seed) seeds.push_back(seed);
    at = end + 1;
  }
  return seeds;
}

// Checks after every action from this one on: a failure found at a check is narrowed down
// to the action that caused it, the run up to there being the same.
int CheckEveryActionFrom() {
  const std::optional<std::string> from = Environment("SOAK_CHECK_FROM");
  return from ? std::stoi(*from) : std::numeric_limits<int>::max();
}

int ActionsToRun() {
  const std::optional<std::string> count = Environment("SOAK_ACTIONS");
  return count ? std::stoi(*count) : kActionsPerSeed;
}

// Colouring puts key words and literals in the preferred letter case as they come into
// view, without an undo entry or a star: texts are compared with that case folded away.
std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

// Whether the line holds the lower-case word in any letter case; an ENDSUB is no SUB, the
// lists' start lines being all that is checked.
bool HoldsWord(std::string_view line, std::string_view word) {
  const std::string folded = Folded(line);
  for (std::size_t at = folded.find(word); at != std::string::npos; at = folded.find(word, at + 1))
    if (word != "sub" || at < 3 || folded.compare(at - 3, 3, "end") != 0) return true;
  return false;
}

bool DeclaresANameTwice(const TextIndex& index) {
  for (const std::vector<IndexedName>* declared : {&index.subroutines, &index.windows}) {
    std::vector<std::string> names;
    for (const IndexedName& name : *declared) names.push_back(Folded(name.name));
    std::sort(names.begin(), names.end());
    if (std::adjacent_find(names.begin(), names.end()) != names.end()) return true;
  }
  return false;
}

// Whether the lists, reading the line by the words the colouring splits, would take it for
// a declaration a full index does not see in it: "x, SUB Main", "SUB Main ' old" or "SUB
// w(a AS INT)", whose first word of two letters is AS. The caret's line counts only with
// exactly two words, lines put in with any number from two.
enum class WordsRead { kExactlyTwo, kTwoOrMore };

bool ListedByItsWordsAlone(std::string_view line, WordsRead wordsRead) {
  const LineWords words = SplitWords(line);
  if (!words.WordIs(1, "SUB") && !words.WordIs(1, "OPENWINDOW")) return false;
  if (wordsRead == WordsRead::kExactlyTwo ? words.Count() != 2 : words.Count() < 2) return false;
  const IndexedLine read = IndexLine(line);
  return read.declares == IndexedLine::Declares::kNothing || Folded(read.name) != Folded(words.Word(2));
}

// The dialect ignores letter case, and the colouring may recase a name that looks like a
// key word or a literal after the index has read it.
struct Row {
  std::string name;  // folded
  int line = 0;
  auto operator<=>(const Row&) const = default;
};

std::string Describe(const std::vector<Row>& rows) {
  std::string text;
  for (const Row& row : rows) text += " " + row.name + "@" + std::to_string(row.line);
  return text.empty() ? " (none)" : text;
}

std::string Describe(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += " " + name;
  return text.empty() ? " (none)" : text;
}

std::string Describe(const LineRanges& ranges) {
  std::string text;
  for (const LineRanges::Range& r : ranges.Entries())
    text += " " + std::to_string(r.first.Value() + 1) + "-" + std::to_string(r.last.Value() + 1);
  return text.empty() ? " (none)" : text;
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '\r')
      quoted += "\\r";
    else if (c == '\n')
      quoted += "\\n";
    else if (c == '\t')
      quoted += "\\t";
    else
      quoted += c;
  }
  return quoted + "\"";
}

class RandomEditingSoak : public FileCommandsTest, public ::testing::WithParamInterface<unsigned> {
 protected:
  struct Action {
    double weight;
    void (RandomEditingSoak::*run)();
    bool keepsIndex = false;  // the command puts the rows right itself, whatever lines it changes
    // Its edits are replayed one after another, unseen: a row a step lists on the way may
    // stay when a later step takes its line's words away.
    bool severalEdits = false;
    // Lines it puts in are read for declarations from the line where they begin to the line
    // the caret ends on, which may be lines it left as they were.
    bool readsNeighbours = false;
  };

  void Run(unsigned seed, int actions) {
    seed_ = seed;
    random_.seed(seed);
    for (const char* name : kFileNames) {
      if (code_.OneIn(3)) continue;  // some files are made only by Save as
      WriteFile(start_ / name, soak::ExpectedSaveForm(code_.Program(), true));
    }
    WriteFile(start_ / kFileNames[0], soak::ExpectedSaveForm(code_.Program(), true));
    OpenFile(start_ / kFileNames[0]);
    std::vector<double> weights;
    for (const Action& action : Actions()) weights.push_back(action.weight);
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    const int checkEveryActionFrom = CheckEveryActionFrom();
    for (actionNumber_ = 1; actionNumber_ <= actions && failure_.empty(); ++actionNumber_) {
      const Action& action = Actions()[pick(random_)];
      action_ = &action;
      (this->*action.run)();
      driver_.TickTimer(Main(), kPositionTimer);
      FollowEdits();
      ForgetBaselineOfAFullHistory();
      if (actionNumber_ % kChecksEvery == 0 || actionNumber_ >= checkEveryActionFrom) {
        CheckIndex();
        CheckUnchangedFilesOnDisk();
      }
    }
    ReportWhatWasChecked(actions);
  }

  // How many times each check held: a run that checked nothing would pass too.
  struct Tally {
    int savesOnDisk = 0;
    int undoAllsToStart = 0;
    int listsAsKept = 0;        // compared with a full index as the edits left them
    int listsAfterReindex = 0;  // compared right after a re-index
  };

  void ReportWhatWasChecked(int actions) {
    std::printf(
        "seed %u: %d actions; %d saves or closes checked on disk, %d undo-alls against the history's start, "
        "%d index checks as kept and %d after a re-index\n",
        seed_, actions, tally_.savesOnDisk, tally_.undoAllsToStart, tally_.listsAsKept, tally_.listsAfterReindex);
    if (!failure_.empty() || actions < 1000) return;
    EXPECT_GT(tally_.savesOnDisk, 0);
    EXPECT_GT(tally_.undoAllsToStart, 0);
    EXPECT_GT(tally_.listsAsKept, 0);
  }

  // ---- what the test keeps beside the editor

  std::string Key(const std::filesystem::path& path) const { return path.lexically_normal().string(); }
  int Active() const { return editor_.tabs.ActiveTab(); }
  FileTab& ActiveTab() { return editor_.tabs.Tab(Active()); }
  std::string Text() { return Edit().Text(); }
  std::vector<int> OpenTabs() const {
    std::vector<int> tabs;
    for (int t = 1; t <= kTabCount; ++t)
      if (!editor_.tabs.Tab(t).IsEmpty()) tabs.push_back(t);
    return tabs;
  }
  bool Usable(ui::ControlId id) { return Main().IsControlVisible(id) && Main().IsControlEnabled(id); }
  void FocusEditor() {
    if (Main().IsControlVisible(kEditor)) Main().Focus(kEditor);
  }
  int RandomPosition() { return code_.Below(Edit().TextLength() + 1); }
  int RandomLineStart() { return Edit().LineIndex(code_.Below(Edit().LineCount())); }

  void Note(const std::string& what) {
    recent_.push_back("#" + std::to_string(actionNumber_) + " " + what);
    if (recent_.size() > kActionsShown) recent_.pop_front();
  }

  void Fail(const std::string& what) {
    if (!failure_.empty()) return;
    failure_ = what;
    std::string report = "seed " + std::to_string(seed_) + ", action " + std::to_string(actionNumber_) + ": " + what +
                         "\nthe actions before it:\n";
    for (const std::string& action : recent_) report += "  " + action + "\n";
    report += "replay: SOAK_SEED=" + std::to_string(seed_) + " SOAK_ACTIONS=" + std::to_string(actionNumber_) +
              " SOAK_CHECK_FROM=" + std::to_string(actionNumber_ - (actionNumber_ - 1) % kChecksEvery) +
              " editor_tests --gtest_filter='*RandomEditingSoak*'";
    if (Environment("SOAK_SHOW_TEXT") && Active() != 0) report += "\nthe text:\n" + NumberedLines(Text());
    ADD_FAILURE() << report;
  }

  static std::string NumberedLines(std::string_view text) {
    std::string numbered;
    int line = 0;
    for (std::size_t at = 0, end = 0; end != std::string_view::npos; at = end + 2) {
      end = text.find("\r\n", at);
      numbered += std::to_string(++line) + ": " + std::string(text.substr(at, end - at)) + "\n";
    }
    return numbered;
  }

  // The history starts afresh when a file comes into a tab, is saved under a new name, is
  // reloaded or has its history cleared; from then on undoing everything gives this text.
  void StartHistory() { baselines_[Key(ActiveTab().path)] = Text(); }
  void ForgetBaselineOfAFullHistory() {
    const UndoHistory* history = ActiveHistory(editor_);
    if (history != nullptr && history->UndoCount() >= static_cast<int>(UndoHistory::kLimit))
      baselines_[Key(ActiveTab().path)].reset();  // its oldest entries have gone
  }

  // A question the action must raise, answered; `asked` tells whether it came.
  void AnswerQuestion(ui::ControlId button, bool& asked) {
    asked = false;
    driver_.WhenWindowOpens(std::string(kQuestionCaption), [this, button, &asked](ui::Window& q) {
      asked = true;
      driver_.Click(q, button);
    });
  }

  void OpenFile(const std::filesystem::path& path) {
    driver_.AnswerOpenDialog(path);
    driver_.PickMenuItem(Main(), kMenuOpenFile);
    if (Active() == 0 || !SamePath(ActiveTab().path, path)) return Fail("the file did not open: " + path.string());
    FocusEditor();
    StartHistory();
    indexDrift_[Key(path)] = {true, true};  // its lists may come from the state kept when it closed
  }

  // ---- typing and keys

  void TypeKeys(std::string_view text) {
    for (const char c : text) {
      driver_.TypeText(Main(), std::string_view(&c, 1));
      FollowEdits();
    }
  }

  void TypeWord() {
    FocusEditor();
    std::string word = code_.Word();
    if (!code_.OneIn(4)) word += " ";
    Note("type " + Quoted(word));
    TypeKeys(word);
  }

  void TypeLine() {
    FocusEditor();
    const std::string line = code_.Line() + "\r";
    Note("type " + Quoted(line));
    TypeKeys(line);
  }

  void PressKeys(const char* name, int key) {
    FocusEditor();
    const int times = 1 + code_.Below(3);
    Note(std::string(name) + " x" + std::to_string(times));
    for (int i = 0; i < times; ++i) {
      driver_.PressKey(Main(), key);
      FollowEdits();
    }
  }
  void Enter() { PressKeys("Enter", ui::key::kEnter); }
  void Backspace() { PressKeys("Backspace", ui::key::kBackspace); }
  void Delete() { PressKeys("Delete", ui::key::kDelete); }

  int RandomMovingKey() {
    constexpr int kKeys[] = {ui::key::kLeft, ui::key::kRight, ui::key::kUp,     ui::key::kDown,
                             ui::key::kHome, ui::key::kEnd,   ui::key::kPageUp, ui::key::kPageDown};
    return kKeys[code_.Below(std::size(kKeys))];
  }

  void MoveCaret() {
    FocusEditor();
    if (code_.OneIn(2)) {
      const int at = RandomPosition();
      Note("click at " + std::to_string(at));
      driver_.LeftClickAt(Main(), kEditor, at);
      return;
    }
    const int key = RandomMovingKey();
    const int times = 1 + code_.Below(4);
    Note("key " + std::to_string(key) + " x" + std::to_string(times));
    for (int i = 0; i < times; ++i) {
      driver_.PressKey(Main(), key);
      FollowEdits();
    }
  }

  void Select() {
    FocusEditor();
    const int key = RandomMovingKey();
    const int times = 1 + code_.Below(6);
    Note("shift+key " + std::to_string(key) + " x" + std::to_string(times));
    driver_.KeyDown(Main(), ui::key::kShift);
    for (int i = 0; i < times; ++i) {
      driver_.PressKey(Main(), key);
      FollowEdits();
    }
    driver_.KeyUp(Main(), ui::key::kShift);
  }

  void CopyOrCut() {
    FocusEditor();
    const bool cut = code_.OneIn(2);
    Note(cut ? "Ctrl+X" : "Ctrl+C");
    driver_.PressAccelerator(Main(), cut ? 'X' : 'C', true);
  }

  void Paste() {
    FocusEditor();
    if (code_.OneIn(2)) {
      const std::string lines = code_.Lines();
      Note("clipboard " + Quoted(lines));
      system_.SetClipboardText(lines);
    }
    // Pasted lines are read for declarations by the words the colouring splits, even
    // those that put back what they replace.
    const std::string pasted = system_.ClipboardText().value_or("");
    if (HoldsWord(pasted, "sub") || HoldsWord(pasted, "openwindow")) indexDrift_[Key(ActiveTab().path)].rows = true;
    if (code_.OneIn(4)) {
      Note("context menu Paste");
      driver_.RightClickAt(Main(), kEditor, Edit().GetSelection().first);
      driver_.PickContextMenuItem(Main(), kContextPaste);
    } else {
      Note("Ctrl+V");
      driver_.PressAccelerator(Main(), 'V', true);
    }
  }

  void Undo() {
    FocusEditor();
    const bool key = code_.OneIn(2);
    Note(key ? "F1 (undo)" : "Ctrl+Z");
    if (key)
      driver_.PressKey(Main(), ui::key::kF1);
    else
      driver_.PressCtrlKey(Main(), 'Z');
  }

  void Redo() {
    FocusEditor();
    const bool key = code_.OneIn(2);
    Note(key ? "F2 (redo)" : "Ctrl+Y");
    if (key)
      driver_.PressKey(Main(), ui::key::kF2);
    else
      driver_.PressCtrlKey(Main(), 'Y');
  }

  void UndoAll() {
    FocusEditor();
    Note("F3 (undo all)");
    driver_.PressKey(Main(), ui::key::kF3);
    const std::optional<std::string>& baseline = baselines_[Key(ActiveTab().path)];
    if (baseline) ++tally_.undoAllsToStart;
    if (baseline && Folded(Text()) != Folded(*baseline))
      Fail("undo all gave " + Quoted(Text()) + "\nwhere the history started from " + Quoted(*baseline));
  }

  void RedoAll() {
    FocusEditor();
    Note("F4 (redo all)");
    driver_.PressKey(Main(), ui::key::kF4);
  }

  // ---- commands

  void Bookmark() {
    FocusEditor();
    const int at = RandomLineStart();
    Note("bookmark the line at " + std::to_string(at));
    driver_.LeftClickAt(Main(), kEditor, at);
    driver_.TickTimer(Main(), kPositionTimer);
    driver_.Click(Main(), kAddBookmarkButton);  // the description window closes unanswered
  }

  void Replace() {
    constexpr const char* kFinds[] = {"x", "PRINT", "0XFF", "Draw", "CASE", "SUB", "w", "Handler"};
    constexpr const char* kWiths[] = {"y", "Counter", "SUB Draw", "", "0XAB", "ENDSUB", "w2"};
    const std::string find = kFinds[code_.Below(std::size(kFinds))];
    const std::string with = kWiths[code_.Below(std::size(kWiths))];
    std::vector<int> rows;
    for (int i = 0; i < 3; ++i) rows.push_back(code_.Below(8));
    Note("replace " + Quoted(find) + " with " + Quoted(with));
    bool opened = false;
    driver_.WhenModalRuns([&](ui::Window& w) {
      opened = true;
      const int count = w.ViewRowCount(results_window::kList);
      bool ticked = false;
      for (const int row : rows)
        if (row < count) ticked = driver_.PickListEntry(w, results_window::kList, row) || ticked;
      if (ticked && driver_.Click(w, results_window::kReplaceToggle)) {
        driver_.TypeText(w, results_window::kWithText, with);
        driver_.PressKey(w, results_window::kWithText, ui::key::kEnter);
      }
      if (w.IsOpen()) driver_.Click(w, results_window::kCloseButton);
    });
    Main().SetText(kFindBox, "");
    driver_.TypeText(Main(), kFindBox, find);
    driver_.PressKey(Main(), kFindBox, ui::key::kEnter);
    if (!opened) Fail("the results window did not open");
  }

  void Save() {
    const bool starred = ActiveTab().IsModified();
    const std::filesystem::path path = ActiveTab().path;
    const std::string before = Read(path);
    const std::string textBefore = Text();
    const int how = code_.Below(3);
    Note(std::string("save by ") + (how == 0 ? "Ctrl+S" : how == 1 ? "menu" : "button"));
    if (how == 0) {
      FocusEditor();
      driver_.PressCtrlKey(Main(), 'S');
    } else if (how == 1) {
      driver_.PickMenuItem(Main(), kMenuSaveFile);
    } else {
      driver_.Click(Main(), kSaveFileButton);
    }
    // The key release that follows Ctrl+S may recolour, and so recase, the caret line.
    const std::string saved = Read(path);
    const bool asDue =
        starred ? saved == soak::ExpectedSaveForm(textBefore, true) || saved == soak::ExpectedSaveForm(Text(), true)
                : saved == before;
    ++tally_.savesOnDisk;
    if (!asDue) Fail("the saved file holds " + Quoted(saved) + "\nfor the text " + Quoted(Text()));
    if (ActiveTab().IsModified()) Fail("the tab kept its star after a save");
  }

  std::optional<std::filesystem::path> FileNotOpen(bool mustExist) {
    std::vector<std::filesystem::path> candidates;
    for (const char* name : kFileNames) {
      const std::filesystem::path path = start_ / name;
      if (editor_.tabs.FindOpenFile(path)) continue;
      if (mustExist && !std::filesystem::exists(path)) continue;
      candidates.push_back(path);
    }
    if (candidates.empty()) return std::nullopt;
    return candidates[code_.Below(static_cast<int>(candidates.size()))];
  }

  void SaveAs() {
    const std::optional<std::filesystem::path> path = FileNotOpen(false);
    if (!path) return;
    const std::filesystem::path old = ActiveTab().path;
    const std::string text = Text();
    Note("save as " + path->filename().string());
    driver_.AnswerSaveDialog(*path);
    driver_.PickMenuItem(Main(), kMenuSaveFileAs);
    if (!SamePath(ActiveTab().path, *path)) return Fail("the tab did not take the new name");
    if (Read(*path) != soak::ExpectedSaveForm(text, false))
      return Fail("save as wrote " + Quoted(Read(*path)) + "\nfor the text " + Quoted(text));
    baselines_.erase(Key(old));
    indexDrift_[Key(*path)] = indexDrift_[Key(old)];
    StartHistory();
  }

  void SwitchTab() {
    std::vector<int> others = OpenTabs();
    std::erase(others, Active());
    if (others.empty()) return;
    const int tab = others[code_.Below(static_cast<int>(others.size()))];
    Note("switch to tab " + std::to_string(tab));
    driver_.Click(Main(), TabButtonId(tab));
    if (Active() != tab) Fail("tab " + std::to_string(tab) + " did not come on screen");
  }

  void OpenAnother() {
    if (OpenTabs().size() >= kMostOpenFiles) return;
    const std::optional<std::filesystem::path> path = FileNotOpen(true);
    if (!path) return;
    Note("open " + path->filename().string());
    OpenFile(*path);
  }

  void Close() {
    if (OpenTabs().size() <= 1) return;  // closing the last file restarts the editor
    const std::filesystem::path path = ActiveTab().path;
    const bool starred = ActiveTab().IsModified();
    const bool save = code_.OneIn(2);
    const std::string expected = starred && save ? soak::ExpectedSaveForm(Text(), true) : Read(path);
    Note("close " + path.filename().string() + (starred ? (save ? ", saving" : ", not saving") : ""));
    bool asked = false;
    if (starred) AnswerQuestion(save ? kYesButton : kNoButton, asked);
    driver_.Click(Main(), kCloseFileButton);
    if (starred && !asked) return Fail("closing a changed file asked nothing");
    ++tally_.savesOnDisk;
    if (Read(path) != expected) Fail("closing left " + Quoted(Read(path)) + "\nwhere " + Quoted(expected) + " was due");
    baselines_.erase(Key(path));
  }

  void Reload() {
    if (!Usable(kReloadButton)) return;
    Note("reload");
    bool asked = false;
    AnswerQuestion(kYesButton, asked);
    driver_.Click(Main(), kReloadButton);
    if (!asked) return Fail("reload asked nothing");
    const std::string disk = Read(ActiveTab().path);
    if (Folded(soak::ExpectedSaveForm(Text(), false)) != Folded(disk))
      return Fail("reloaded text " + Quoted(Text()) + "\nis not the file's " + Quoted(disk));
    StartHistory();
    CheckIndexNow("after a reload");
  }

  void ClearUndo() {
    if (!Usable(kClearUndoButton)) return;
    Note("clear undos and redos");
    bool asked = false;
    AnswerQuestion(kYesButton, asked);
    driver_.Click(Main(), kClearUndoButton);
    if (!asked) return Fail("clearing the history asked nothing");
    StartHistory();
  }

  // Confirmations are off for these so that no question is left waiting when the
  // command refuses a stale row with a notice instead.
  bool PickSubroutine() {
    const int count = Main().ListCount(kSubroutineCombo);
    if (count == 0) return false;
    const int entry = code_.Below(count);
    Note("pick subroutine " + Main().ListText(kSubroutineCombo, entry));
    return driver_.PickListEntry(Main(), kSubroutineCombo, entry);
  }

  void DeleteSubroutine() {
    if (!PickSubroutine()) return;
    Note("delete it");
    editor_.prefs.showConfirmations = false;
    driver_.Click(Main(), kDeleteSubButton);
    editor_.prefs.showConfirmations = true;
  }

  void MoveSubroutine() {
    if (!PickSubroutine()) return;
    FocusEditor();
    const int at = RandomLineStart();
    Note("move it to the line at " + std::to_string(at));
    driver_.LeftClickAt(Main(), kEditor, at);
    driver_.TickTimer(Main(), kPositionTimer);
    driver_.Click(Main(), kMoveSubButton);
  }

  void Reindex() {
    Note("reindex");
    driver_.PickMenuItem(Main(), kMenuReindexFile);
    CheckIndexNow("after a re-index");
  }

  // ---- following the edits

  // Typing, pasting and undoing keep the lists by rules that follow declarations only as
  // far as the caret line shows them: a line renamed in place, a duplicate name, a SUB
  // with more words than its name, a commented-out SUB typed, an include or a comment
  // marker typed are left for the next full index. So the lists are held to a full index
  // only while the edits since the last one changed no line that names any of those: what
  // the edits must then get right is every row and range following its line as lines come
  // and go around it. Commands that take out or move whole subroutines keep the rows right
  // themselves; the ranges and includes of the lines they move are still the index's to
  // find again.
  //
  // Called after each key, so that text typed into a declaration's line and then broken
  // off it is seen as the change of that line it was.
  void FollowEdits() {
    if (Active() == 0) return;
    std::string text = Text();
    if (!SamePath(ActiveTab().path, followedPath_)) {
      followedPath_ = ActiveTab().path;
      followedText_ = std::move(text);
      return FollowTabOnScreen();
    }
    FollowCaretLine();
    if (text == followedText_) return;
    if (action_->severalEdits) {
      indexDrift_[Key(followedPath_)] = {true, true};
      followedText_ = std::move(text);
      return;
    }
    const soak::ChangedLines changed = soak::LinesChanged(followedText_, text);
    const auto any = [&changed](std::initializer_list<std::string_view> words) {
      for (const auto* lines : {&changed.before, &changed.after})
        for (const std::string_view line : *lines)
          for (const std::string_view word : words)
            if (HoldsWord(line, word)) return true;
      return false;
    };
    IndexDrift& drift = indexDrift_[Key(followedPath_)];
    // A subroutine moved or deleted where another has its name takes that one's row.
    const bool rowsKept = action_->keepsIndex && !DeclaresANameTwice(IndexText(followedText_));
    if (!rowsKept && any({"sub", "openwindow", "createdialog"})) drift.rows = true;
    if (any({"$include", "/*", "*/", "asm"})) drift.rest = true;
    if (action_->readsNeighbours) {
      const soak::ChangedLines read = soak::LinesChanged(followedText_, text, 1);
      for (const auto* lines : {&read.before, &read.after})
        if (std::ranges::any_of(
                *lines, [](std::string_view line) { return ListedByItsWordsAlone(line, WordsRead::kTwoOrMore); }))
          drift.rows = true;
    }
    followedText_ = std::move(text);
  }

  // A released key has the caret's line read for a declaration with the words the
  // colouring splits, which a full index reads otherwise: after ", SUB Main" or "SUB Main
  // ' x" the caret lists Main and a full index does not.
  void FollowCaretLine() {
    const ui::RichEdit& edit = Edit();
    if (ListedByItsWordsAlone(edit.GetLine(CaretLineOf(edit).Value(), 1 << 16), WordsRead::kExactlyTwo))
      indexDrift_[Key(ActiveTab().path)].rows = true;
  }

  // The state a tab's lists come back from keeps one row per name, so a name declared
  // twice loses its second row, and no include name with a ":" (a drive's path).
  void FollowTabOnScreen() {
    const TextIndex fresh = IndexText(Text());
    IndexDrift& drift = indexDrift_[Key(ActiveTab().path)];
    if (DeclaresANameTwice(fresh)) drift.rows = true;
    if (std::ranges::any_of(fresh.includes,
                            [](const std::string& name) { return name.find(':') != std::string::npos; }))
      drift.rest = true;
  }

  // ---- checks

  std::vector<Row> KeptRows(ui::ControlId list) {
    std::vector<Row> rows;
    for (int r = 0; r < Main().ViewRowCount(list); ++r)
      rows.push_back({Folded(Trimmed(Main().ViewCell(list, r, 0))), WholeInt(Main().ViewCell(list, r, 1))});
    std::sort(rows.begin(), rows.end());
    return rows;
  }
  static std::vector<Row> FreshRows(const std::vector<IndexedName>& names) {
    std::vector<Row> rows;
    for (const IndexedName& name : names) rows.push_back({Folded(name.name), name.line.Value()});
    std::sort(rows.begin(), rows.end());
    return rows;
  }

  // Where the lists may have drifted by their rules, a re-index, as a user would ask for,
  // starts them afresh.
  void CheckIndex() {
    if (Active() == 0) return;
    CheckDropDownsMirrorLists();
    if (!indexDrift_[Key(ActiveTab().path)].Any()) {
      ++tally_.listsAsKept;
      return CompareIndexWithFullIndex("");
    }
    Note("reindex (lists may have drifted)");
    driver_.PickMenuItem(Main(), kMenuReindexFile);
    CheckIndexNow("after a re-index");
  }

  void CheckIndexNow(const std::string& when) {
    ++tally_.listsAfterReindex;
    indexDrift_[Key(ActiveTab().path)] = {};
    CompareIndexWithFullIndex(when);
  }

  // The drop-downs name the rows of their lists in the same order, whatever has drifted.
  void CheckDropDownsMirrorLists() {
    for (const auto& [list, combo] :
         {std::pair{kSubroutineList, kSubroutineCombo}, std::pair{kWindowList, kWindowCombo}}) {
      std::string rows;
      std::string entries;
      for (int r = 0; r < Main().ViewRowCount(list); ++r)
        rows += "|" + std::string(Trimmed(Main().ViewCell(list, r, 0)));
      for (int e = 0; e < Main().ListCount(combo); ++e) {
        const std::string entry = Main().ListText(combo, e);
        entries += "|" + entry.substr(0, entry.find(" : "));
      }
      if (rows != entries) return Fail("the list rows " + rows + " and the drop-down entries " + entries + " differ");
    }
  }

  void CompareIndexWithFullIndex(const std::string& when) {
    const std::string after = when.empty() ? "" : " " + when;
    const TextIndex fresh = IndexText(Text());
    const std::vector<Row> subs = KeptRows(kSubroutineList);
    const std::vector<Row> freshSubs = FreshRows(fresh.subroutines);
    if (subs != freshSubs)
      return Fail("subroutine rows" + Describe(subs) + after + "\nwhere a full index gives" + Describe(freshSubs));
    const std::vector<Row> windows = KeptRows(kWindowList);
    const std::vector<Row> freshWindows = FreshRows(fresh.windows);
    if (windows != freshWindows)
      return Fail("window rows" + Describe(windows) + after + "\nwhere a full index gives" + Describe(freshWindows));
    std::vector<std::string> includes;
    for (int e = 0; e < Main().ListCount(kIncludeCombo); ++e)
      includes.push_back(Folded(Main().ListText(kIncludeCombo, e)));
    std::vector<std::string> freshIncludes;
    for (const std::string& name : fresh.includes) freshIncludes.push_back(Folded(name));
    std::sort(includes.begin(), includes.end());
    std::sort(freshIncludes.begin(), freshIncludes.end());
    freshIncludes.erase(std::unique(freshIncludes.begin(), freshIncludes.end()), freshIncludes.end());
    if (includes != freshIncludes)
      return Fail("the include list" + Describe(includes) + after + "\nwhere a full index gives" +
                  Describe(freshIncludes));
    if (editor_.index.blockComments != fresh.blockComments)
      return Fail("block comments" + Describe(editor_.index.blockComments) + after + "\nwhere a full index gives" +
                  Describe(fresh.blockComments));
    if (editor_.index.assemblyBlocks != fresh.assemblyBlocks)
      return Fail("assembly blocks" + Describe(editor_.index.assemblyBlocks) + after + "\nwhere a full index gives" +
                  Describe(fresh.assemblyBlocks));
  }

  // A tab without its star holds what its file holds.
  void CheckUnchangedFilesOnDisk() {
    for (const int tab : OpenTabs()) {
      const FileTab& slot = editor_.tabs.Tab(tab);
      if (slot.IsModified()) continue;
      const std::string text = TabText(tab);
      if (Folded(soak::ExpectedSaveForm(text, false)) != Folded(Read(slot.path)))
        return Fail("tab " + std::to_string(tab) + " has no star but holds " + Quoted(text) +
                    "\nwhere its file holds " + Quoted(Read(slot.path)));
    }
  }

  static const std::vector<Action>& Actions();

  std::mt19937 random_;
  soak::RandomCode code_{random_};
  std::map<std::string, std::optional<std::string>> baselines_;
  // Whether a file's lists may differ from a full index's by the rules they are kept by.
  struct IndexDrift {
    bool rows = false;  // subroutines and windows
    bool rest = false;  // includes, block comments, assembly blocks
    bool Any() const { return rows || rest; }
  };
  std::map<std::string, IndexDrift> indexDrift_;
  std::filesystem::path followedPath_;  // the file and text the last edit was followed in
  std::string followedText_;
  const Action* action_ = nullptr;
  Tally tally_;
  std::deque<std::string> recent_;
  unsigned seed_ = 0;
  int actionNumber_ = 0;
  std::string failure_;
};

// Weighted like a day of editing: mostly typing and moving about, now and then a command.
const std::vector<RandomEditingSoak::Action>& RandomEditingSoak::Actions() {
  static const std::vector<Action> actions = {
      {18, &RandomEditingSoak::TypeWord},
      {10, &RandomEditingSoak::TypeLine},
      {7, &RandomEditingSoak::Enter},
      {7, &RandomEditingSoak::Backspace},
      {5, &RandomEditingSoak::Delete},
      {10, &RandomEditingSoak::MoveCaret},
      {5, &RandomEditingSoak::Select},
      {3, &RandomEditingSoak::CopyOrCut},
      {.weight = 5, .run = &RandomEditingSoak::Paste, .readsNeighbours = true},
      {.weight = 6, .run = &RandomEditingSoak::Undo, .readsNeighbours = true},
      {.weight = 3, .run = &RandomEditingSoak::Redo, .readsNeighbours = true},
      {.weight = 1, .run = &RandomEditingSoak::UndoAll, .severalEdits = true},
      {.weight = 0.5, .run = &RandomEditingSoak::RedoAll, .severalEdits = true},
      {1, &RandomEditingSoak::Bookmark},
      {1, &RandomEditingSoak::Replace},
      {2, &RandomEditingSoak::Save},
      {0.3, &RandomEditingSoak::SaveAs},
      {2, &RandomEditingSoak::SwitchTab},
      {1, &RandomEditingSoak::OpenAnother},
      {0.6, &RandomEditingSoak::Close},
      {0.3, &RandomEditingSoak::Reload},
      {0.2, &RandomEditingSoak::ClearUndo},
      {0.3, &RandomEditingSoak::Reindex},
      {.weight = 0.4, .run = &RandomEditingSoak::DeleteSubroutine, .keepsIndex = true},
      {.weight = 0.3, .run = &RandomEditingSoak::MoveSubroutine, .keepsIndex = true, .readsNeighbours = true},
  };
  return actions;
}

TEST_P(RandomEditingSoak, KeepsFilesHistoryAndIndexTrue) { Run(GetParam(), ActionsToRun()); }

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEditingSoak, ::testing::ValuesIn(SeedsToRun()),
                         [](const ::testing::TestParamInfo<unsigned>& info) {
                           return "seed" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace editor
