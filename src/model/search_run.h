// The one search that runs at a time, over a text read once from the control. It moves a
// given number of lines per step, so that the window running it can handle its messages,
// pause, resume or stop between steps.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/line_owner.h"
#include "model/line_tokens.h"
#include "model/search_query.h"
#include "model/search_result.h"

namespace editor {

class SearchRun {
 public:
  // kFinished also stands for "no search yet": a new one may start.
  enum class State { kFinished, kRunning, kPaused };

  // Starts a search of `fileText` (CR LF, LF or CR breaks), which the run copies; the
  // results of an earlier search go. A refused text leaves the run finished and empty.
  // Refused while another search runs or is paused.
  SearchRefusal Start(std::string_view searchText, SearchOptions options, std::string_view fileText);

  // Tests up to `lines` more lines; a paused or finished run does nothing.
  State Advance(int lines);

  void Pause();
  void Resume();
  // Ends the search as finished, keeping what it found.
  void Stop();

  State Status() const { return state_; }
  const SearchQuery& Query() const { return query_; }
  const std::vector<SearchResult>& Results() const { return results_; }

  int LineCount() const { return static_cast<int>(lines_.size()); }
  int LinesTested() const { return tested_; }
  // 0 to 100: the share of the lines tested.
  int Percent() const;
  // The caption after the last step, naming the line tested last.
  std::string Caption() const;
  // What the status line shows once the run has paused or finished.
  std::string EndMessage() const;

 private:
  void CollectLines(std::string_view text);
  void FollowOwnersFromTop();
  void FollowOwner(std::string_view line);
  // The 0-based line the scan tests next.
  int NextLine() const;
  // Tests a line; false when the search has ended with it.
  bool TestLine(int index);
  std::string_view OwnerAt(int index);

  SearchQuery query_;
  // Owned on the heap so that the line views into it survive a move of the run.
  std::unique_ptr<const std::string> text_;
  std::vector<std::string_view> lines_;
  // A bottom-up scan cannot follow owners as it goes: they are followed from the top first.
  std::vector<std::string_view> ownerOfLine_;
  LineOwner owner_;
  LineTokens tokens_;  // for following owners
  LineTestState lineTest_;
  std::vector<SearchResult> results_;
  State state_ = State::kFinished;
  int tested_ = 0;
  int lastTested_ = -1;
};

}  // namespace editor
