#include "search/results_window.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/bitmap_ids.h"
#include "base/control_ids.h"
#include "base/letter_case.h"
#include "base/number_text.h"
#include "base/scoped_flag.h"
#include "companion/viewed_line.h"
#include "editing/edit_commands.h"
#include "editing/keyword_suggestions.h"
#include "editing/line_replace.h"
#include "model/search_result_rows.h"
#include "model/search_run.h"
#include "search/results_window_layout.h"
#include "state/editor.h"
#include "view/controls_redraw_off.h"
#include "view/modal_dialog.h"
#include "view/notice_table.h"
#include "view/notices.h"
#include "view/open_window_mark.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

using namespace results_window;

constexpr const char* kShowAll = "* Show all *";
constexpr ui::Colour kProgressFill = ui::Rgb(0, 200, 0);
constexpr ui::Colour kProgressEmpty = ui::Rgb(255, 255, 255);
// Messages are let through at least this often, however long the file: a pause or stop
// click is answered within a few milliseconds.
constexpr int kMostLinesBetweenMessages = 2000;
constexpr int kVirtualKeyTab = 9;
constexpr std::int64_t kShowProgressEveryMs = 250;

struct ShownRow {
  SearchResult result;
  bool ticked = false;
};

}  // namespace

class ResultsWindow {
 public:
  ResultsWindow(Editor& editor, SearchRequest request)
      : editor_(editor), request_(std::move(request)), mode_(request_.options.mode) {}

  void Open() {
    // Closing the open window ends its search; its own call returns once this one has.
    if (editor_.resultsWindow != nullptr) editor_.resultsWindow->Close();
    window_ = CreateDialogWindow(editor_.system,
                                 {"Searching...", kWindowRect, editor_.prefs.windowBackground, kIconApplication});
    if (!window_ || !CreateControls()) return;
    mark_.emplace(editor_.resultsWindow, *window_);
    window_->SetHandler([this](ui::Window&, const ui::Event& event) { return OnEvent(event); });
    window_->Centre();
    window_->Show(true);
    window_->Focus(kSearchBox);
    window_->CaretToEnd(kSearchBox);
    StartSearch();
  }

  void Serve() {
    if (window_ && window_->IsOpen()) window_->RunModal();
    mark_.reset();
  }

  int RowCount() const { return window_ && window_->IsOpen() ? window_->ViewRowCount(kList) : 0; }

 private:
  ui::Window& W() { return *window_; }

  bool CreateControls() {
    for (const ui::ControlSpec& desc : ResultsWindowControls())
      if (!W().CreateControl(desc)) return false;
    W().ViewAddColumn(kList, "Line", 80);
    W().ViewAddColumn(kList, "", 490);
    W().ViewAddColumn(kList, "Subroutine / Window", 200);
    for (ui::ControlId id : {kFilterLabel, kStatus, kModeLabel, kWithLabel, kGoToBox, kIncludeNamesBox, kExactModeBox,
                             kWordsModeBox, kFirstExtentBox, kAllExtentBox, kLastExtentBox, kAndJoinBox, kOrJoinBox})
      W().SetColours(id, editor_.prefs.windowText, editor_.prefs.windowBackground);
    ShowOptions();
    return true;
  }

  // The boxes as the find bar had them.
  void ShowOptions() {
    const SearchOptions& options = request_.options;
    SetSearchBoxText(request_.text);
    W().SetText(kFindText, request_.text);
    W().SetChecked(kGoToBox, editor_.search.goToSelectedLine);
    W().SetChecked(kExactModeBox, mode_ == SearchMode::kExact);
    W().SetChecked(kWordsModeBox, mode_ == SearchMode::kWords);
    W().SetText(kModeLabel, mode_ == SearchMode::kExact ? "Find exact" : "Find words");
    W().SetChecked(kAndJoinBox, options.join == SearchJoin::kAnd);
    W().SetChecked(kOrJoinBox, options.join == SearchJoin::kOr);
    W().ShowControl(kAndJoinBox, mode_ != SearchMode::kExact);
    W().ShowControl(kOrJoinBox, mode_ != SearchMode::kExact);
    W().SetChecked(kFirstExtentBox, options.extent == SearchExtent::kFirst);
    W().SetChecked(kAllExtentBox, options.extent == SearchExtent::kAll);
    W().SetChecked(kLastExtentBox, options.extent == SearchExtent::kLast);
  }

  SearchOptions OptionsFromBoxes() const {
    SearchOptions options;
    options.mode = mode_;
    options.join = window_->IsChecked(kOrJoinBox) ? SearchJoin::kOr : SearchJoin::kAnd;
    options.extent = window_->IsChecked(kFirstExtentBox)  ? SearchExtent::kFirst
                     : window_->IsChecked(kLastExtentBox) ? SearchExtent::kLast
                                                    : SearchExtent::kAll;
    options.goToSelectedLine = editor_.search.goToSelectedLine;
    return options;
  }

  // --- The search -------------------------------------------------------------------

  void StartSearch() {
    W().ListSelect(kFilterCombo, -1);
    for (ui::ControlId id : {kSuggestionList, kFilterLabel, kFilterCombo}) W().ShowControl(id, false);
    ShowSelectionButtons(false);
    if (run_.Status() != SearchRun::State::kFinished) return;
    const std::string text = W().GetText(kSearchBox);
    if (text.find_first_not_of(" \t") == std::string::npos) {
      W().Focus(kSearchBox);
      return;
    }
    ClearRows();
    const ui::RichEdit* edit = editor_.main ? editor_.main->Edit(kEditor) : nullptr;
    const SearchOptions options = OptionsFromBoxes();
    editor_.search = options;
    searchedTab_ = editor_.tabs.ActiveTab();
    const SearchRefusal refusal = run_.Start(text, options, edit ? edit->Text() : std::string());
    if (refusal != SearchRefusal::kNone) {
      W().SetText(kStatus, std::string(RefusalText(refusal)));
      W().Focus(kSearchBox);
      return;
    }
    W().SetImage(kPauseButton, kBitmapPauseSearch);
    W().SetText(kStatus, "Searching...");
    W().ShowControl(kPauseButton, true);
    W().ShowControl(kStopButton, true);
    DrawEmptyProgress();
    W().EnableControl(kSearchButton, false);
    RunSteps();
  }

  // Tests the lines a step at a time and lets the window's messages through between
  // steps, so that pause, stop and close are heard while the search runs.
  void RunSteps() {
    const int generation = ++generation_;
    const int linesPerStep = std::clamp(run_.LineCount() / 100, 1, kMostLinesBetweenMessages);
    std::int64_t shownAt = editor_.system.NowMs();
    while (run_.Status() == SearchRun::State::kRunning) {
      run_.Advance(linesPerStep);
      // The list, caption and bar follow a few times a second: each drawing of them costs
      // the real controls far more than the lines tested in between.
      if (editor_.system.NowMs() - shownAt >= kShowProgressEveryMs) {
        ShowProgress();
        shownAt = editor_.system.NowMs();
      }
      editor_.system.PumpMessages();
      // Closed, cleared or started anew meanwhile: this loop has nothing left to show.
      if (!window_->IsOpen() || generation != generation_) return;
    }
    ShowProgress();
    W().EnableControl(kSearchButton, true);
    ShowEnd();
  }

  void ShowProgress() {
    AddNewRows();
    W().SetCaption(run_.Caption());
    DrawProgress(run_.LineCount() >= 100 ? run_.Percent() : 0);
  }

  void ShowEnd() {
    const bool any = !run_.Results().empty();
    if (any) FillFilter();
    W().ShowControl(kFilterLabel, any);
    W().ShowControl(kFilterCombo, any);
    ShowSelectionButtons(any);
    W().ShowControl(kReplaceToggle, W().ViewRowCount(kList) > 0);
    if (run_.Status() == SearchRun::State::kPaused) {
      W().SetImage(kPauseButton, kBitmapResumeSearch);
    } else {
      W().FillRect(kProgressArea, editor_.prefs.windowBackground);
      W().ShowControl(kPauseButton, false);
      W().ShowControl(kStopButton, false);
      W().SetCaption("Done");
    }
    W().SetText(kStatus, run_.EndMessage());
  }

  void AddNewRows() {
    const std::vector<SearchResult>& results = run_.Results();
    if (shownFound_ >= results.size()) return;
    const ControlsRedrawOff quiet(W(), {kList});
    for (; shownFound_ < results.size(); ++shownFound_) {
      AppendRow({results[shownFound_], false});
      filterOwners_.insert(results[shownFound_].owner);
    }
  }

  // The filter lists "* Show all *" and every owner found, in order with letter case
  // ignored. It is filled once the search stops: thousands of owners inserted one by one
  // in order would cost seconds in the real control.
  void FillFilter() {
    std::vector<std::string> entries(filterOwners_.begin(), filterOwners_.end());
    entries.emplace_back(kShowAll);
    std::stable_sort(entries.begin(), entries.end(), CellOrdersBefore);
    const ControlsRedrawOff quiet(W(), {kFilterCombo});
    W().ListClear(kFilterCombo);
    for (const std::string& entry : entries) W().ListAdd(kFilterCombo, entry);
  }

  void DrawEmptyProgress() {
    W().FillRect(kProgressArea, editor_.prefs.windowBackground);
    W().FillRect(kProgressBox, kProgressEmpty);
    W().FrameRect(kProgressBox, editor_.prefs.windowBackground);
    percentDrawn_ = 0;
  }

  void DrawProgress(int percent) {
    percent = std::min(percent, 100);
    if (percent <= percentDrawn_) return;
    W().FillRect({kProgressBox.x, kProgressBox.y, 2 * percent, kProgressBox.height}, kProgressFill);
    percentDrawn_ = percent;
  }

  void OnPauseResume() {
    if (run_.Status() == SearchRun::State::kRunning) {
      W().SetImage(kPauseButton, kBitmapResumeSearch);
      run_.Pause();
      return;
    }
    if (run_.Status() != SearchRun::State::kPaused) return;
    // Rows found from here on join the whole list, so the list shows it again.
    if (W().ViewRowCount(kList) != static_cast<int>(shownFound_)) ShowRows(AllRows());
    W().ListSelect(kFilterCombo, -1);
    for (ui::ControlId id : {kFilterLabel, kFilterCombo}) W().ShowControl(id, false);
    ShowSelectionButtons(false);
    W().SetImage(kPauseButton, kBitmapPauseSearch);
    W().SetText(kStatus, "Searching...");
    W().EnableControl(kSearchButton, false);
    run_.Resume();
    RunSteps();
  }

  void OnStop() {
    if (run_.Status() == SearchRun::State::kPaused) {
      run_.Stop();
      W().EnableControl(kSearchButton, true);
      ShowEnd();
      return;
    }
    run_.Stop();  // the running loop ends the search when it hears of it
  }

  void OnClear() {
    ++generation_;
    run_ = SearchRun();
    ClearRows();
    W().FillRect({kProgressArea.x, kProgressArea.y, 700, kProgressArea.height}, editor_.prefs.windowBackground);
    for (ui::ControlId id : {kPauseButton, kStopButton, kSuggestionList, kFilterLabel, kFilterCombo, kReplaceToggle})
      W().ShowControl(id, false);
    ShowSelectionButtons(false);
    ShowReplacePanel(false);
    W().EnableControl(kSearchButton, true);
    W().SetText(kStatus, "");
    SetSearchBoxText("");
    W().Focus(kSearchBox);
  }

  // --- The rows ---------------------------------------------------------------------

  std::vector<ShownRow> AllRows() const {
    std::vector<ShownRow> rows;
    for (const SearchResult& result : run_.Results()) rows.push_back({result, false});
    return rows;
  }

  void ClearRows() {
    W().ViewClear(kList);
    W().ListClear(kFilterCombo);
    filterOwners_.clear();
    shownFound_ = 0;
  }

  // A list cell draws a TAB as a box: the code shows it as the editor's spacing of blanks.
  std::string ShownCode(const std::string& code) const {
    if (code.find('\t') == std::string::npos) return code;
    std::string shown;
    for (const char c : code) {
      if (c == '\t') shown.append(static_cast<std::size_t>(std::max(1, editor_.prefs.tabSpacing)), ' ');
      else shown += c;
    }
    return shown;
  }

  void AppendRow(const ShownRow& row) {
    const int at = W().ViewInsertRow(kList, W().ViewRowCount(kList), ResultCell(row.result, ResultColumn::kLine));
    W().ViewSetCell(kList, at, 1, ShownCode(row.result.text));
    W().ViewSetCell(kList, at, 2, row.result.owner);
    if (row.ticked) W().ViewSetTicked(kList, at, true);
  }

  void ShowRows(const std::vector<ShownRow>& rows) {
    const ControlsRedrawOff quiet(W(), {kList});
    W().ViewClear(kList);
    for (const ShownRow& row : rows) AppendRow(row);
  }

  // The rows as the list shows them now, each with its tick.
  std::vector<ShownRow> ListedRows() const {
    std::vector<ShownRow> rows;
    for (int r = 0, count = window_->ViewRowCount(kList); r < count; ++r) {
      SearchResult result{LineNumber(WholeInt(window_->ViewCell(kList, r, 0))), window_->ViewCell(kList, r, 1),
                          window_->ViewCell(kList, r, 2)};
      rows.push_back({std::move(result), window_->ViewIsTicked(kList, r)});
    }
    return rows;
  }

  std::vector<SearchResult> TickedRows() const {
    std::vector<SearchResult> ticked;
    for (ShownRow& row : ListedRows())
      if (row.ticked) ticked.push_back(std::move(row.result));
    return ticked;
  }

  void OnFilterPicked() {
    const int picked = W().ListSelected(kFilterCombo);
    if (picked < 0) return;
    const std::string owner = W().ListText(kFilterCombo, picked);
    std::vector<ShownRow> rows;
    for (const SearchResult& result : run_.Results())
      if (owner == kShowAll || result.owner == owner) rows.push_back({result, false});
    ShowRows(rows);
    UpdateTickButtons();
  }

  void OnColumnClick(int column) {
    if (column < 0 || column > 2) return;
    const auto sortedBy = static_cast<ResultColumn>(column);
    std::vector<ShownRow> rows = ListedRows();
    SortRows(rows, sortedBy, sort_.DescendingAfterClickOn(column),
             [](const ShownRow& row) -> const SearchResult& { return row.result; });
    ShowRows(rows);
  }

  // The layer has turned the row's tick over already.
  void OnRowClick(int row) {
    if (row >= 0 && editor_.search.goToSelectedLine && editor_.main) {
      if (const ui::RichEdit* edit = editor_.main->Edit(kEditor)) {
        // Lines may have gone since the search: a row past the end shows the last line.
        const int line = std::clamp(WholeInt(W().ViewCell(kList, row, 0)), 1, std::max(1, edit->LineCount()));
        ShowLineAtTop(editor_, LineNumber(line));
        WriteFirstVisibleLine(editor_, edit->FirstVisibleLine());
      }
      W().FocusWindow();
    }
    UpdateTickButtons();
  }

  void SetAllTicks(bool ticked) {
    const ControlsRedrawOff quiet(W(), {kList});
    for (int r = 0, count = W().ViewRowCount(kList); r < count; ++r) W().ViewSetTicked(kList, r, ticked);
    UpdateTickButtons();
  }

  void UpdateTickButtons() {
    bool any = false;
    for (int r = 0, count = W().ViewRowCount(kList); r < count && !any; ++r) any = W().ViewIsTicked(kList, r);
    W().EnableControl(kCopyButton, any);
    W().EnableControl(kIncludeNamesBox, any);
  }

  void ShowSelectionButtons(bool shown) {
    for (ui::ControlId id : kSelectionButtons) W().ShowControl(id, shown);
    if (shown) UpdateTickButtons();
  }

  void CopyTicked() {
    const std::vector<SearchResult> ticked = TickedRows();
    if (ticked.empty()) return;
    editor_.system.SetClipboardText(WithCrLfBreaks(CopiedResultsText(ticked, W().IsChecked(kIncludeNamesBox))));
    W().FocusWindow();
    ShowNotice(editor_, notice::kCopiedToClipboard);
  }

  // --- Replace ----------------------------------------------------------------------

  void ShowReplacePanel(bool shown) {
    for (ui::ControlId id : kReplacePanel) W().ShowControl(id, shown);
    W().SetText(kReplaceToggle, shown ? "Hide" : "Replace");
    if (shown) {
      UpdateReplaceNow();
      W().Focus(kFindText);
      W().CaretToEnd(kFindText);
    }
  }

  void OnReplaceToggle() {
    const bool show = !W().IsControlVisible(kFindText);
    ShowReplacePanel(show);
    if (!show) SetAllTicks(false);
  }

  void UpdateReplaceNow() {
    W().EnableControl(kReplaceNowButton, !W().GetText(kFindText).empty() && !W().GetText(kWithText).empty());
  }

  void ReplaceNow() {
    const std::string find = W().GetText(kFindText);
    const std::string with = W().GetText(kWithText);
    if (find.empty() || with.empty()) return;
    // The rows name lines of the file that was searched; another file's lines must not change.
    if (editor_.tabs.ActiveTab() != searchedTab_) {
      W().SetText(kStatus, "The file searched is no longer on screen: search again to replace in this one.");
      return;
    }
    std::vector<LineNumber> lines;
    for (const SearchResult& row : TickedRows()) lines.push_back(row.line);
    const ReplaceOutcome outcome = ReplaceInLines(editor_, find, with, lines);
    if (outcome.refusal == ReplaceRefusal::kLineBreak) {
      W().SetText(kStatus, "The texts to find and to put in must each be one line.");
      return;
    }
    if (const ui::RichEdit* edit = editor_.main ? editor_.main->Edit(kEditor) : nullptr)
      WriteFirstVisibleLine(editor_, edit->FirstVisibleLine());
    HideSuggestions(editor_);
    W().Close();
  }

  // --- The option boxes and the search box --------------------------------------------

  void OnMode(bool exact) {
    mode_ = exact ? SearchMode::kExact : SearchMode::kWords;
    W().SetChecked(kExactModeBox, exact);
    W().SetChecked(kWordsModeBox, !exact);
    W().SetText(kModeLabel, exact ? "Find exact" : "Find words");
    W().ShowControl(kAndJoinBox, !exact);
    W().ShowControl(kOrJoinBox, !exact);
    W().ShowControl(kSuggestionList, false);
    W().Focus(kSearchBox);
    W().CaretToEnd(kSearchBox);
    editor_.search.mode = mode_;
  }

  void OnJoin(ui::ControlId clicked) {
    W().SetChecked(clicked, true);
    W().SetChecked(clicked == kAndJoinBox ? kOrJoinBox : kAndJoinBox, false);
    editor_.search.join = clicked == kAndJoinBox ? SearchJoin::kAnd : SearchJoin::kOr;
  }

  void OnExtent(ui::ControlId clicked) {
    if (!W().IsChecked(clicked)) return;
    for (ui::ControlId id : {kFirstExtentBox, kAllExtentBox, kLastExtentBox})
      if (id != clicked) W().SetChecked(id, false);
    editor_.search.extent = OptionsFromBoxes().extent;
  }

  void SetSearchBoxText(const std::string& text) {
    const ScopedFlag quiet(settingSearchBox_);
    W().SetText(kSearchBox, text);
  }

  // The word being typed is the text after the last blank.
  std::string TypedWord() const {
    const std::string text = window_->GetText(kSearchBox);
    const std::size_t blank = text.find_last_of(' ');
    return blank == std::string::npos ? text : text.substr(blank + 1);
  }

  void OnSearchBoxChanged() {
    if (settingSearchBox_) return;
    if (W().GetText(kSearchBox).empty() && editor_.main) editor_.main->SetText(kFindBox, "");
    const std::string wanted = UpperCase(TypedWord());
    W().ListClear(kSuggestionList);
    if (!wanted.empty() && editor_.keywordTable) {
      const ControlsRedrawOff quiet(W(), {kSuggestionList});
      for (std::string_view word : editor_.keywordTable->Words())
        if (word.starts_with(wanted)) W().ListAdd(kSuggestionList, word);
    }
    const bool any = W().ListCount(kSuggestionList) > 0;
    if (any) W().ListSelect(kSuggestionList, 0);
    W().ShowControl(kSuggestionList, any);
  }

  // The chosen key word takes the place of the word being typed.
  void AcceptSuggestion() {
    const int chosen = W().ListSelected(kSuggestionList);
    if (chosen < 0) return;
    std::string text = W().GetText(kSearchBox);
    text.resize(text.size() - TypedWord().size());
    SetSearchBoxText(text + W().ListText(kSuggestionList, chosen) + " ");
    W().ShowControl(kSuggestionList, false);
    W().Focus(kSearchBox);
    W().CaretToEnd(kSearchBox);
  }

  void OnSearchBoxEnter() {
    if (W().IsControlVisible(kSuggestionList)) AcceptSuggestion();
    else StartSearch();
  }

  // --- Events -----------------------------------------------------------------------

  int OnEvent(const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) {
      CloseWindow();
      return 0;
    }
    if (event.kind != ui::MessageKind::kControlNotify) return 0;
    const int code = event.notifyCode;
    switch (event.controlId) {
      case kList:
        if (code == ui::notify::kListViewClick) OnRowClick(event.scrollPosition);
        if (code == ui::notify::kListViewColumnClick) OnColumnClick(event.commandCode);
        return 0;
      case kFilterCombo:
        if (code == ui::notify::kSelectionChanged) OnFilterPicked();
        return 0;
      case kSuggestionList:
        if (code == ui::notify::kSelectionChanged) AcceptSuggestion();
        return 0;
      case kSearchBox:
        if (code == ui::notify::kTextChanged) OnSearchBoxChanged();
        if (code == ui::notify::kEnter) OnSearchBoxEnter();
        return 0;
      case kFindText:
        if (code == ui::notify::kTextChanged) UpdateReplaceNow();
        if (code == ui::notify::kEnter || (code == ui::notify::kKeyDown && event.commandCode == kVirtualKeyTab))
          W().Focus(kWithText);
        return 0;
      case kWithText:
        if (code == ui::notify::kTextChanged) UpdateReplaceNow();
        if (code == ui::notify::kEnter) ReplaceNow();
        return 0;
      default: break;
    }
    if (code == ui::notify::kClick) OnClick(event.controlId);
    return 0;
  }

  void OnClick(ui::ControlId id) {
    switch (id) {
      case kGoToBox: editor_.search.goToSelectedLine = W().IsChecked(kGoToBox); break;
      case kReplaceToggle: OnReplaceToggle(); break;
      case kPauseButton: OnPauseResume(); break;
      case kStopButton: OnStop(); break;
      case kSelectAllButton: SetAllTicks(true); break;
      case kClearAllButton: SetAllTicks(false); break;
      case kCopyButton: CopyTicked(); break;
      case kReplaceNowButton: ReplaceNow(); break;
      case kSearchButton: StartSearch(); break;
      case kClearButton: OnClear(); break;
      case kExactModeBox: OnMode(true); break;
      case kWordsModeBox: OnMode(false); break;
      case kAndJoinBox:
      case kOrJoinBox: OnJoin(id); break;
      case kFirstExtentBox:
      case kAllExtentBox:
      case kLastExtentBox: OnExtent(id); break;
      case kCloseButton: CloseWindow(); break;
      default: break;
    }
  }

  void CloseWindow() {
    run_.Stop();
    W().Close();
  }

  Editor& editor_;
  SearchRequest request_;
  SearchMode mode_;
  std::unique_ptr<ui::Window> window_;
  std::optional<OpenWindowMark> mark_;
  SearchRun run_;
  std::size_t shownFound_ = 0;  // results of the run already in the list
  std::set<std::string> filterOwners_;
  ResultSort sort_;
  int searchedTab_ = 0;
  int percentDrawn_ = 0;
  int generation_ = 0;  // a new search or a clear ends the step loop of the one before
  bool settingSearchBox_ = false;
};

SearchResultsWindow::SearchResultsWindow(Editor& editor, SearchRequest request)
    : window_(std::make_unique<ResultsWindow>(editor, std::move(request))) {}

SearchResultsWindow::~SearchResultsWindow() = default;

void SearchResultsWindow::Open() { window_->Open(); }
void SearchResultsWindow::Serve() { window_->Serve(); }
int SearchResultsWindow::RowCount() const { return window_->RowCount(); }

void RunResultsWindow(Editor& editor, const SearchRequest& request) {
  SearchResultsWindow window(editor, request);
  window.Open();
  window.Serve();
}

}  // namespace editor
