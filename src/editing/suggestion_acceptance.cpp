#include "editing/suggestion_acceptance.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "base/control_ids.h"
#include "base/scoped_flag.h"
#include "editing/edit_capture.h"
#include "editing/edit_key_release.h"
#include "editing/keyword_suggestions.h"
#include "editing/undo_steps.h"
#include "model/keyword_case.h"

namespace editor {

namespace {

constexpr int kReachBeforeCaret = KeywordTable::kMaxWordLength + 1;

std::optional<std::string> ChosenWord(Editor& editor) {
  if (!editor.main || !editor.keywordTable || !SuggestionsShown(editor)) return std::nullopt;
  const std::vector<int> selected = editor.main->ViewSelectedRows(kAutoCompleteList);
  const int row = selected.empty() ? editor.view.suggestionRow : selected.front();
  if (row < 1 || row > editor.keywordTable->WordCount()) return std::nullopt;
  return ApplyKeywordCase(editor.keywordTable->WordAt(row), editor.prefs.keywordCase);
}

// Captured as typing, so that the word joins the letters typed before it in one undo entry.
bool ReplaceWordBeforeCaret(Editor& editor, ui::RichEdit& edit, const std::string& word) {
  const auto [caret, end] = edit.GetSelection();
  if (caret != end) return false;
  const int from = std::max(0, caret - kReachBeforeCaret);
  const std::string before = edit.TextRange(from, caret);
  const int typed = static_cast<int>(WordEndingText(before, nullptr).size());
  const EditCapture capture = BeginEditCapture(edit, EditKind::kTyping);
  edit.SetSelection(caret - typed, caret);
  edit.ReplaceSelection(word, true);
  if (std::optional<TextEdit> change = FinishEditCapture(edit, capture)) RecordEdit(editor, std::move(*change));
  return true;
}

void ReplaceLastWordOfField(Editor& editor, ui::ControlId field, const std::string& word) {
  ui::Window& window = *editor.main;
  // The field's own change notice would check the finished word and show the list again.
  const ScopedFlag busy(editor.view.busy);
  const std::string text = window.GetText(field);
  const std::size_t typed = WordEndingText(text, nullptr).size();
  window.SetText(field, text.substr(0, text.size() - typed) + word);
  window.Focus(field);
}

void AcceptPickedRow(Editor& editor, const ui::Event&) {
  if (!AcceptSuggestion(editor)) return;
  if (editor.view.suggestionField != kEditor) return;
  editor.main->Focus(kEditor);
  // No key release follows a click: the line is coloured and counted here, all of it.
  PaintedLine unknown;
  AfterEditKeyRelease(editor, KeyRelease{}, unknown);
}

constexpr ControlCommand kControlRows[] = {
    {kAutoCompleteList, ui::notify::kListViewDoubleClick, AcceptPickedRow},
};

}  // namespace

bool AcceptSuggestion(Editor& editor) {
  const std::optional<std::string> word = ChosenWord(editor);
  if (!word) return false;
  bool accepted = true;
  if (editor.view.suggestionField == kEditor) {
    ui::RichEdit* edit = editor.main->Edit(kEditor);
    accepted = edit != nullptr && ReplaceWordBeforeCaret(editor, *edit, *word);
  } else {
    ReplaceLastWordOfField(editor, editor.view.suggestionField, *word);
  }
  HideSuggestions(editor);
  return accepted;
}

CommandRows SuggestionCommands() { return {kControlRows, {}}; }

}  // namespace editor
