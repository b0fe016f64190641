#include "view/notice_table.h"

#include <algorithm>
#include <array>

#include "base/bitmap_ids.h"

namespace editor {

namespace {

constexpr std::array kNotices{
    NoticeEntry{notice::kSelectCode, "Selection", "Select code first please", kIconWarning},
    NoticeEntry{notice::kSelectSubroutine, "Selection", "Select a subroutine first please", kIconWarning},
    NoticeEntry{notice::kSelectWindow, "Selection", "Select a window first please", kIconWarning},
    NoticeEntry{notice::kSelectBookmark, "Selection", "Select a bookmark first please", kIconWarning},
    NoticeEntry{notice::kClickWhereToInsert, "Select a line", "Click where you want to insert code first please",
                kIconWarning},
    NoticeEntry{notice::kPickASelect, "Selection", "Pick a Select first please", kIconWarning},
    NoticeEntry{notice::kIncludeFolderRefused, "Not allowed", "Saving to your IWBDev include folder is not allowed",
                kIconWarning},
    NoticeEntry{notice::kClickLineToBookmark, "Select a line", "Click the line you want to bookmark first please",
                kIconWarning},
    NoticeEntry{notice::kReindexed, "Done", "File has been re-indexed", kIconDone},
    NoticeEntry{notice::kUndoCleared, "Done", "Undos and redos have been cleared", kIconDone},
    NoticeEntry{notice::kSavingPleaseWait, "Please wait", "Saving file, please wait", kIconWarning},
    NoticeEntry{notice::kClipboardEmpty, "Done", "The clipboard is now empty.", kIconDone},
    NoticeEntry{notice::kPreferencesDamaged, "Please check",
                "Part of the preference file could not be read: see File, Editor settings", kIconWarning},
    NoticeEntry{notice::kStateDamaged, "Please check", "Part of this file's saved lists could not be read",
                kIconWarning},
    NoticeEntry{notice::kStateUnreadable, "Please check", "This file's saved lists could not be read", kIconWarning},
    NoticeEntry{notice::kStateNotWritten, "Please check", "This file's lists could not be saved in Res", kIconWarning},
    NoticeEntry{notice::kFileHasNul, "Please check", "This file holds NUL bytes and was not opened", kIconWarning},
    NoticeEntry{notice::kFileTooLarge, "Please check", "This file is too large to open", kIconWarning},
    NoticeEntry{notice::kFileUnreadable, "Please check", "This file could not be read", kIconWarning},
    NoticeEntry{notice::kFileNotSaved, "Not saved", "The file could not be written: the old one is unchanged",
                kIconWarning},
    NoticeEntry{notice::kFileReadOnly, "Not saved", "This file is read-only and was not saved", kIconWarning},
    NoticeEntry{notice::kBackupNotWritten, "Not saved", "The backup could not be written", kIconWarning},
    NoticeEntry{notice::kGroupsNotWritten, "Not saved", "The groups could not be written: the file keeps the last ones saved",
                kIconWarning},
    NoticeEntry{notice::kRecentFilesNotWritten, "Please check", "The recent files list in Res could not be changed",
                kIconWarning},
    NoticeEntry{notice::kEditorStateNotWritten, "Please check",
                "The open tabs could not be remembered in Res for the next start", kIconWarning},
    NoticeEntry{notice::kListOutOfDate, "Please check",
                "The list no longer matches the file: re-index it please (nothing was changed)", kIconWarning},
    NoticeEntry{notice::kNoEndFound, "Please check", "No end statement was found for this entry", kIconWarning},
    NoticeEntry{notice::kHandlerNotFound, "Please check", "The handler subroutine was not found in the list",
                kIconWarning},
    NoticeEntry{notice::kHelpMissing, "Please check", "The help file is not installed in Res", kIconWarning},
    NoticeEntry{notice::kToolMissing, "Please check", "The constants tool is not installed in Constants", kIconWarning},
    NoticeEntry{notice::kTypeAnOperator, "Selection", "Type the operator to swap around first please", kIconWarning},
    NoticeEntry{notice::kClipboardNotWritten, "Please check", "The clipboard could not be written", kIconWarning},
    NoticeEntry{notice::kSnippetFileHasNul, "Please check", "This snippet file holds NUL bytes: it is not shown or changed",
                kIconWarning},
    NoticeEntry{notice::kSnippetFileUnreadable, "Please check", "This snippet file could not be read: it is left as it is",
                kIconWarning},
    NoticeEntry{notice::kSnippetNotSaved, "Not saved", "The line could not be saved: the snippet file is unchanged",
                kIconWarning},
    NoticeEntry{notice::kIncludeSearchStopped, "Please check",
                "Include folder search stopped: see Res\\IncludeFilesPath.ini", kIconWarning},
    NoticeEntry{notice::kIncludeNotFound, "Please check",
                "This include file is not in the include or start folder", kIconWarning},
    NoticeEntry{notice::kIncludeNameRefused, "Please check",
                "Only a file name below the include folder can be opened", kIconWarning},
    NoticeEntry{notice::kPurgeIncomplete, "Please check", "A file in Res could not be deleted: the reset is not complete",
                kIconWarning},
    NoticeEntry{notice::kResetNotWritten, "Not reset", "The reset could not be written in Res: nothing was changed",
                kIconWarning},
    NoticeEntry{notice::kFileGone, "Sorry", "The file no longer exists.", kIconWarning, kLongNoticeMs},
    NoticeEntry{notice::kAllTabsTaken, "Sorry", "All tabs are taken, please close one first.", kIconWarning,
                kLongNoticeMs},
    NoticeEntry{notice::kAllBlocksTaken, "Sorry", "All code blocks are taken; the code is on the clipboard.",
                kIconWarning, kLongNoticeMs},
    NoticeEntry{notice::kCopiedToClipboard, "Done", "Copied to clipboard", kIconDone},
    NoticeEntry{notice::kCopiedToBlock, "Done", "Copied to block", kIconDone},
    NoticeEntry{notice::kLineBookmarked, "Done", "Line bookmarked", kIconDone},
    NoticeEntry{notice::kAddedToNavigation, "Done", "Added to navigation", kIconDone},
    NoticeEntry{notice::kAlreadyBookmarked, "Already done", "Line already bookmarked", kIconWarning},
    NoticeEntry{notice::kPleaseWait, "Please wait", "Please wait confirmation message...", kIconWarning},
    NoticeEntry{notice::kFileSaved, "Done", "File has been saved", kIconDone},
};

constexpr std::array kQuestions{
    QuestionEntry{question::kDeleteSubroutine, "Are you sure you want to delete the subroutine", {}, true,
                  QuestionColours::kNormal, kIconQuestion},
    QuestionEntry{question::kDeleteWindow, "Are you sure you want to delete the window", {}, true,
                  QuestionColours::kNormal, kIconQuestion},
    QuestionEntry{question::kClearUndo, {}, "Are you sure you want to clear undos and redos?", false,
                  QuestionColours::kBackground, kIconQuestion},
    QuestionEntry{question::kSaveNow, {}, "Would you like to save the file now?", false, QuestionColours::kNormal},
    QuestionEntry{question::kDeleteGroup, "Are you sure you want to delete the group", {}, true,
                  QuestionColours::kNormal},
    QuestionEntry{question::kReload, "Are you sure you want to reload the file?", "Unsaved work will be lost!", false,
                  QuestionColours::kNormal},
    QuestionEntry{question::kRestoreDefaults, "Are you sure you want to restore", "the default editor settings?", false,
                  QuestionColours::kWhite},
};

template <typename Entry, std::size_t N>
const Entry* FindIn(const std::array<Entry, N>& table, int code) {
  const auto it = std::find_if(table.begin(), table.end(), [code](const Entry& e) { return e.code == code; });
  return it == table.end() ? nullptr : &*it;
}

}  // namespace

std::span<const NoticeEntry> NoticeTable() { return kNotices; }
std::span<const QuestionEntry> QuestionTable() { return kQuestions; }

const NoticeEntry* FindNotice(int code) { return FindIn(kNotices, code); }
const QuestionEntry* FindQuestion(int code) { return FindIn(kQuestions, code); }

}  // namespace editor
