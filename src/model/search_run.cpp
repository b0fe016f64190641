#include "model/search_run.h"

#include "base/text_lines.h"
#include "model/search_messages.h"

namespace editor {

SearchRefusal SearchRun::Start(std::string_view searchText, SearchOptions options, std::string_view fileText) {
  if (state_ != State::kFinished) return SearchRefusal::kSearchActive;
  *this = SearchRun();
  PreparedSearch prepared = PrepareSearch(searchText, options);
  query_ = std::move(prepared.query);
  if (prepared.refusal != SearchRefusal::kNone) return prepared.refusal;
  CollectLines(fileText);
  lineTest_ = StateForFile(query_, *text_);
  if (options.extent == SearchExtent::kLast) FollowOwnersFromTop();
  state_ = lines_.empty() ? State::kFinished : State::kRunning;
  return SearchRefusal::kNone;
}

void SearchRun::CollectLines(std::string_view text) {
  text_ = std::make_unique<const std::string>(text);
  ForEachLine(*text_, [this](std::string_view line) { lines_.push_back(line); });
}

void SearchRun::FollowOwnersFromTop() {
  ownerOfLine_.reserve(lines_.size());
  for (const std::string_view line : lines_) {
    if (IsSearchableLine(line)) FollowOwner(line);
    ownerOfLine_.push_back(owner_.Name());
  }
}

void SearchRun::FollowOwner(std::string_view line) {
  if (!LineOwner::MayChange(line)) return;
  SplitLineTokens(line, tokens_, LineOwner::kTokensNeeded);
  owner_.Follow(tokens_);
}

int SearchRun::NextLine() const {
  return query_.options.extent == SearchExtent::kLast ? LineCount() - 1 - tested_ : tested_;
}

SearchRun::State SearchRun::Advance(int lines) {
  for (int step = 0; step < lines && state_ == State::kRunning; ++step) {
    const int index = NextLine();
    const bool goOn = TestLine(index);
    ++tested_;
    lastTested_ = index;
    if (!goOn || tested_ == LineCount()) state_ = State::kFinished;
  }
  return state_;
}

bool SearchRun::TestLine(int index) {
  const std::string_view line = lines_[static_cast<std::size_t>(index)];
  if (!IsSearchableLine(line)) return true;
  if (query_.options.extent != SearchExtent::kLast) FollowOwner(line);
  if (!LineMatches(query_, line, lineTest_)) return true;
  results_.push_back({ToNumber(LineIndex(index)), std::string(line), std::string(OwnerAt(index))});
  return query_.options.extent != SearchExtent::kFirst;
}

std::string_view SearchRun::OwnerAt(int index) {
  if (query_.options.extent == SearchExtent::kLast) return ownerOfLine_[static_cast<std::size_t>(index)];
  return owner_.Name();
}

void SearchRun::Pause() {
  if (state_ == State::kRunning) state_ = State::kPaused;
}

void SearchRun::Resume() {
  if (state_ == State::kPaused) state_ = State::kRunning;
}

void SearchRun::Stop() { state_ = State::kFinished; }

int SearchRun::Percent() const {
  return LineCount() == 0 ? 100 : static_cast<int>(static_cast<long long>(tested_) * 100 / LineCount());
}

std::string SearchRun::Caption() const {
  return ProgressCaption(lastTested_ < 0 ? 0 : lastTested_ + 1, LineCount());
}

std::string SearchRun::EndMessage() const {
  const int found = static_cast<int>(results_.size());
  return state_ == State::kPaused ? PausedMessage(query_.text, found) : FinishedMessage(query_.text, found);
}

}  // namespace editor
