#include "commands/main_window_handler.h"

#include <array>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "editing/edit_commands.h"
#include "editing/ready_made_code.h"
#include "files/exit_path.h"
#include "files/file_commands.h"
#include "navigation/navigation_commands.h"
#include "navigation/position_timer.h"
#include "navigation/vertical_scroll.h"
#include "search/keyword_search.h"
#include "state/command_table.h"
#include "view/panel_switches.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

using ui::notify::kClick;
using ui::notify::kEnter;
using ui::notify::kSelectionChanged;
using ui::notify::kTextChanged;

// Context-menu twins of the Edit menu's items.
constexpr int kContextCut = 401;
constexpr int kContextCopy = 402;
constexpr int kContextPaste = 403;
constexpr int kContextSelectAll = 404;
constexpr int kMenuFindFirst = 205;
constexpr int kMenuFindAll = 230;
constexpr int kMenuFindLast = 231;
constexpr int kMenuTranspose = 232;
constexpr int kMenuFindThisControl = 233;

void Run(const Operation& operation, Editor& editor) {
  if (operation) operation(editor);
}

// Hands a notification to the part that owns the control.
void Hand(const ControlOwner& owner, Editor& editor, const ui::Event& event) {
  if (owner) owner(editor, event);
}

template <void (*F)(Editor&)>
void Call(Editor& editor, const ui::Event&) {
  F(editor);
}

// List picks are ignored while a file loads: the loader fills the lists itself.
template <ControlOwner CommandSeams::*Owner>
void ToOwner(Editor& editor, const ui::Event& event) {
  if (event.notifyCode == kSelectionChanged && editor.view.loading) return;
  Hand(editor.commands.*Owner, editor, event);
}

void OnTab(Editor& editor, const ui::Event& event) { OnTabButton(editor, event.controlId - kFirstTabButton + 1); }
void OnGoBox(Editor& editor, const ui::Event& event) { OnGoToBoxChanged(editor, event.controlId); }
void OnGoButton(Editor& editor, const ui::Event& event) { OnGoToButton(editor, event.controlId); }
void OnMatchBox(Editor& editor, const ui::Event& event) { OnKeywordMatchBox(editor, event.controlId); }
void OnExtentBox(Editor& editor, const ui::Event& event) { OnFindExtentBox(editor, event.controlId); }
void OnMode(Editor& editor, const ui::Event& event) { OnFindMode(editor, event.controlId); }
void ToFind(Editor& editor, const ui::Event& event) { Hand(editor.commands.findControls, editor, event); }
void ReadyMadeButton(Editor& editor, const ui::Event&) { InsertReadyMadeCode(editor, true); }
void ReadyMadePicked(Editor& editor, const ui::Event&) {
  if (editor.view.jumpToSelections && !editor.view.loading) InsertReadyMadeCode(editor, false);
}
void Nothing(Editor&, const ui::Event&) {}
void SearchControls(Editor& editor, const ui::Event&) {
  editor.main->SetText(kSearchControlsButton, "Please wait");
  editor.main->FocusWindow();
  if (editor.commands.searchControls) editor.commands.searchControls(editor, "");
  editor.main->SetText(kSearchControlsButton, "Search controls");
}

constexpr ControlCommand kCommandButtons[] = {
    {kNewFileButton, kClick, Call<NewUntitledFileCommand>},
    {kOpenFileButton, kClick, Call<OpenFileCommand>},
    {kSaveFileButton, kClick, Call<SaveFileCommand>},
    {kSaveAsButton, kClick, Call<SaveFileAsCommand>},
    {kBackupButton, kClick, Call<BackupFileCommand>},
    {kReindexButton, kClick, Call<ReindexFileCommand>},
    {kCloseFileButton, kClick, Call<CloseFileCommand>},
    {kCloseFileTopButton, kClick, Call<CloseFileCommand>},
    {kReloadButton, kClick, Call<ReloadFileCommand>},
    {kNothingToUndoButton, kClick, Nothing},
    {kClearUndoButton, kClick, Call<ClearUndoCommand>},
    {kAutoCompleteButton, kClick, Call<ToggleAutoComplete>},
    {kRecolourButton, kClick, Call<RecolourVisible>},
    {kApiSearchButton, kClick, Call<StartApiSearchTool>},
    {kHelpButton, kClick, Call<OpenHelpViewer>},
    {kFastCodeButton, kClick, Call<OpenFastCode>},
    {kExitButton, kClick, Call<ExitPath>},
    {kLineDebugButton, kClick, Call<ToggleDebugPanel>},
    {kShowEditPositionBox, kClick, Call<ToggleEditPositionPanel>},
    {kJumpToSelectionsBox, kClick, Call<ToggleJumpToSelections>},
    {kFirstLineButton, kClick, Call<GoToFirstLine>},
    {kLastLineButton, kClick, Call<GoToLastLine>},
    {kSearchControlsButton, kClick, SearchControls},
    {kSearchControlsImage, kClick, SearchControls},
    // Tabs.
    {606, kClick, OnTab}, {607, kClick, OnTab}, {608, kClick, OnTab},
    {609, kClick, OnTab}, {610, kClick, OnTab}, {611, kClick, OnTab},
    // The lists and buttons of the subroutine and window panes.
    {kSubroutineCombo, kSelectionChanged, ToOwner<&CommandSeams::subroutineList>},
    {kGoToSubButton, kClick, ToOwner<&CommandSeams::subroutineList>},
    {kGoToSubEndButton, kClick, ToOwner<&CommandSeams::subroutineList>},
    {kSearchSubsButton, kClick, ToOwner<&CommandSeams::subroutineList>},
    {kCopySubButton, kClick, ToOwner<&CommandSeams::subroutineList>},
    {kCopySubToBlockButton, kClick, ToOwner<&CommandSeams::subroutineList>},
    {kMoveSubButton, kClick, ToOwner<&CommandSeams::subroutineList>},
    {kDeleteSubButton, kClick, ToOwner<&CommandSeams::subroutineList>},
    {kSubMultiSelectButton, kClick, ToOwner<&CommandSeams::subroutineList>},
    {kClearSubSelectionButton, kClick, ToOwner<&CommandSeams::subroutineList>},
    {kWindowCombo, kSelectionChanged, ToOwner<&CommandSeams::windowList>},
    {kGoToWindowButton, kClick, ToOwner<&CommandSeams::windowList>},
    {kGoToWindowEndButton, kClick, ToOwner<&CommandSeams::windowList>},
    {kGoToHandlerButton, kClick, ToOwner<&CommandSeams::windowList>},
    {kCopyWindowButton, kClick, ToOwner<&CommandSeams::windowList>},
    {kCopyWindowToBlockButton, kClick, ToOwner<&CommandSeams::windowList>},
    {kMoveWindowButton, kClick, ToOwner<&CommandSeams::windowList>},
    {kDeleteWindowButton, kClick, ToOwner<&CommandSeams::windowList>},
    {kWindowMultiSelectButton, kClick, ToOwner<&CommandSeams::windowList>},
    {kClearWindowSelectionButton, kClick, ToOwner<&CommandSeams::windowList>},
    // Code blocks.
    {kMainProgramButton, kClick, ToOwner<&CommandSeams::codeBlocks>},
    {505, kClick, ToOwner<&CommandSeams::codeBlocks>}, {506, kClick, ToOwner<&CommandSeams::codeBlocks>},
    {507, kClick, ToOwner<&CommandSeams::codeBlocks>}, {508, kClick, ToOwner<&CommandSeams::codeBlocks>},
    {kCopyBlockButton, kClick, ToOwner<&CommandSeams::codeBlocks>},
    {kDeleteBlockButton, kClick, ToOwner<&CommandSeams::codeBlocks>},
    // Bookmarks and places.
    {kBookmarkCombo, kSelectionChanged, ToOwner<&CommandSeams::bookmarks>},
    {kGoToBookmarkButton, kClick, ToOwner<&CommandSeams::bookmarks>},
    {kAddBookmarkButton, kClick, ToOwner<&CommandSeams::bookmarks>},
    {kRemoveBookmarkButton, kClick, ToOwner<&CommandSeams::bookmarks>},
    {kClearBookmarksButton, kClick, ToOwner<&CommandSeams::bookmarks>},
    {kBookmarkMultiSelectButton, kClick, ToOwner<&CommandSeams::bookmarks>},
    {kPlacesCombo, kSelectionChanged, ToOwner<&CommandSeams::places>},
    {kGoBackButton, kClick, ToOwner<&CommandSeams::places>},
    {kGoForwardButton, kClick, ToOwner<&CommandSeams::places>},
    {kAddPlaceButton, kClick, ToOwner<&CommandSeams::places>},
    {kRemovePlaceButton, kClick, ToOwner<&CommandSeams::places>},
    {kClearPlacesButton, kClick, ToOwner<&CommandSeams::places>},
    // Key word search and find.
    {kKeywordBox, kTextChanged, Call<KeywordFilter>},
    {kKeywordBox, kEnter, Call<OnKeywordBoxEnter>},
    {kKeywordCombo, kSelectionChanged, Call<OnKeywordPicked>},
    {kFindKeywordButton, kClick, Call<OnFindKeywordButton>},
    {kClearKeywordButton, kClick, Call<ClearKeywordSearch>},
    {kBeginsWithBox, kClick, OnMatchBox},
    {kInWordBox, kClick, OnMatchBox},
    {kFirstBox, kClick, OnExtentBox},
    {kAllBox, kClick, OnExtentBox},
    {kLastBox, kClick, OnExtentBox},
    {kFindBox, kAnyNotify, ToFind},
    {kWordBox, kAnyNotify, ToFind},
    {kWordBox2, kAnyNotify, ToFind},
    {kAndBox, kClick, ToFind},
    {kOrBox, kClick, ToFind},
    {kFindButton, kClick, ToFind},
    {kClearFindButton, kClick, ToFind},
    {kSearchWordsButton, kClick, ToFind},
    {kClearSearchWordsButton, kClick, ToFind},
    {kControlSearchList, kAnyNotify, ToOwner<&CommandSeams::controlSearchPane>},
};

constexpr ControlCommand kFieldsAndLists[] = {
    {kFixScrollingButton, kClick, Call<RestartEditor>},
    {kCurrentLineField, kTextChanged, Call<OnCurrentLineFieldChanged>},
    {kReadyMadeCodeCombo, kSelectionChanged, ReadyMadePicked},
    {kAddReadyMadeCodeButton, kClick, ReadyMadeButton},
    {kIncludeCombo, kSelectionChanged, ToOwner<&CommandSeams::includeFiles>},
    {kRememberPlacesBox, kClick, Call<ToggleRememberPlaces>},
    {kAllowDuplicatePlacesBox, kClick, Call<ToggleAllowDuplicatePlaces>},
    {kLineNumberBox, kTextChanged, Nothing},
    {kGoToLineButton, kClick, OnGoButton},
    {kGoToLineButton2, kClick, OnGoButton},
    {kGoToLineButton3, kClick, OnGoButton},
    {kGoToLineBox, kTextChanged, OnGoBox},
    {kGoToLineBox2, kTextChanged, OnGoBox},
    {kGoToLineBox3, kTextChanged, OnGoBox},
    {kAutoCompleteList, kAnyNotify, ToOwner<&CommandSeams::editorNotifications>},
    {kSubroutineList, kAnyNotify, ToOwner<&CommandSeams::subroutineList>},
    {kWindowList, kAnyNotify, ToOwner<&CommandSeams::windowList>},
    {kEditor, kAnyNotify, ToOwner<&CommandSeams::editorNotifications>},
    {kMessageLine, kAnyNotify, ToOwner<&CommandSeams::editorNotifications>},
    {kLineField, kAnyNotify, ToOwner<&CommandSeams::editorNotifications>},
};

constexpr ControlCommand kFindModes[] = {
    {kExactBox, kClick, OnMode},
    {kWordsBox, kClick, OnMode},
    {kMixedBox, kClick, OnMode},
};

void Cut(Editor& editor, const ui::Event&) { CutCommand(editor); }
void Copy(Editor& editor, const ui::Event&) { CopyCommand(editor); }
void MenuBarPaste(Editor& editor, const ui::Event&) { PasteCommand(editor, true); }
void ContextPaste(Editor& editor, const ui::Event&) { PasteCommand(editor, false); }
void FindFirst(Editor& editor, const ui::Event&) { FindWithExtent(editor, kFirstBox); }
void FindAll(Editor& editor, const ui::Event&) { FindWithExtent(editor, kAllBox); }
void FindLast(Editor& editor, const ui::Event&) { FindWithExtent(editor, kLastBox); }
void RecentFiles(Editor& editor, const ui::Event&) { Run(editor.commands.recentFiles, editor); }
void ResetToFirstUse(Editor& editor, const ui::Event&) { Run(editor.commands.resetToFirstUse, editor); }

constexpr MenuCommand kMenuCommands[] = {
    {kMenuNewFile, Call<NewFileCommand>},
    {kMenuOpenFile, Call<OpenFileCommand>},
    {kMenuCloseFile, Call<CloseFileCommand>},
    {kMenuSaveFile, Call<SaveFileCommand>},
    {kMenuSaveFileAs, Call<SaveFileAsCommand>},
    {kMenuBackupFile, Call<BackupFileCommand>},
    {kMenuReindexFile, Call<ReindexFileCommand>},
    {kMenuEditorSettings, Call<EditorSettingsCommand>},
    {kMenuRecentFiles, RecentFiles},
    {kMenuClearClipboard, Call<ClearClipboardCommand>},
    {kMenuResetFirstUse, ResetToFirstUse},
    {kMenuExit, Call<ExitPath>},
    {kMenuCut, Cut},
    {kContextCut, Cut},
    {kMenuCopy, Copy},
    {kContextCopy, Copy},
    {kMenuPaste, MenuBarPaste},
    {kContextPaste, ContextPaste},
    {kMenuSelectAll, Call<SelectAllCommand>},
    {kContextSelectAll, Call<SelectAllCommand>},
    {kMenuFind, Call<FocusFindBox>},
    {kMenuFindFirst, FindFirst},
    {kMenuFindAll, FindAll},
    {kMenuFindLast, FindLast},
    {kMenuTranspose, Call<TransposeCommand>},
    {kMenuFindThisControl, Call<FindThisControlCommand>},
    {kMenuUserGuide, Call<OpenUserGuide>},
};

int OnControlNotify(Editor& editor, const ui::Event& event) {
  if (RunControlCommand(kCommandButtons, editor, event)) return 0;
  if (RunControlCommand(kFieldsAndLists, editor, event)) return 0;
  RunControlCommand(kFindModes, editor, event);
  return 0;
}

}  // namespace

int MainWindowHandler(Editor& editor, ui::Window& window, const ui::Event& event) {
  switch (event.kind) {
    case ui::MessageKind::kCreated:
      window.Centre();
      return 0;
    case ui::MessageKind::kVerticalScroll:
      if (event.controlId == kLineScrollBar) OnVerticalScroll(editor, event.commandCode, event.scrollPosition);
      return 0;
    case ui::MessageKind::kCloseRequested:
      ExitPath(editor);
      return 0;
    case ui::MessageKind::kMenuPick:
      RunMenuCommand(kMenuCommands, editor, event);
      return 0;
    case ui::MessageKind::kTimer:
      if (event.commandCode == kPositionTimer) OnPositionTimer(editor);
      return 0;
    case ui::MessageKind::kControlNotify:
      return OnControlNotify(editor, event);
  }
  return 0;
}

}  // namespace editor
