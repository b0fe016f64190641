// The notices and questions of the editor's own message windows, as data: a code fixes
// the title, text, icon and display time of a notice, and the two lines and colours of a
// question.
#pragma once

#include <span>
#include <string_view>

namespace editor {

// Notice codes: negative ones warn or refuse and are always shown; positive ones report
// success and are shown only while confirmations are on.
namespace notice {
constexpr int kSelectCode = -1;
constexpr int kSelectSubroutine = -2;
constexpr int kSelectWindow = -4;
constexpr int kSelectBookmark = -6;
constexpr int kClickWhereToInsert = -11;
constexpr int kPickASelect = -16;
constexpr int kIncludeFolderRefused = -40;
constexpr int kClickLineToBookmark = -66;
constexpr int kReindexed = -100;
constexpr int kUndoCleared = -110;
constexpr int kSavingPleaseWait = -120;
constexpr int kClipboardEmpty = -130;
constexpr int kStateDamaged = -140;
constexpr int kStateUnreadable = -150;
constexpr int kStateNotWritten = -160;
constexpr int kFileHasNul = -170;
constexpr int kFileTooLarge = -180;
constexpr int kFileUnreadable = -190;
constexpr int kFileNotSaved = -200;
constexpr int kFileReadOnly = -210;
constexpr int kBackupNotWritten = -220;
constexpr int kListOutOfDate = -230;
constexpr int kNoEndFound = -240;
constexpr int kHandlerNotFound = -250;
constexpr int kHelpMissing = -260;
constexpr int kToolMissing = -270;
constexpr int kTypeAnOperator = -280;
constexpr int kClipboardNotWritten = -290;
constexpr int kSnippetFileHasNul = -300;
constexpr int kSnippetFileUnreadable = -310;
constexpr int kSnippetNotSaved = -320;
constexpr int kIncludeSearchStopped = -330;
constexpr int kIncludeNotFound = -340;
constexpr int kIncludeNameRefused = -350;
constexpr int kPurgeIncomplete = -400;
constexpr int kResetNotWritten = -410;
constexpr int kGroupsNotWritten = -420;
constexpr int kPreferencesDamaged = -430;
constexpr int kRecentFilesNotWritten = -440;
constexpr int kEditorStateNotWritten = -450;
constexpr int kFileGone = -500;
constexpr int kAllTabsTaken = -1000;
constexpr int kAllBlocksTaken = -1010;
constexpr int kCopiedToClipboard = 1;
constexpr int kCopiedToBlock = 2;
constexpr int kLineBookmarked = 6;
constexpr int kAddedToNavigation = 18;
constexpr int kAlreadyBookmarked = 66;
constexpr int kPleaseWait = 99;
constexpr int kFileSaved = 100;
}  // namespace notice

// Question codes.
namespace question {
constexpr int kDeleteSubroutine = 2;
constexpr int kDeleteWindow = 4;
constexpr int kClearUndo = 6;
constexpr int kSaveNow = 66;
constexpr int kDeleteGroup = 68;
constexpr int kReload = 70;
constexpr int kRestoreDefaults = 2000;
}  // namespace question

constexpr int kNoticeMs = 1500;
constexpr int kLongNoticeMs = 2500;

struct NoticeEntry {
  int code = 0;
  std::string_view title;
  std::string_view text;
  int iconId = 0;
  int displayMs = kNoticeMs;
};

// Where a question's window and controls take their colours from.
enum class QuestionColours {
  kNormal,      // the background colour in save mode, the alternate background otherwise
  kBackground,  // the background colour always
  kWhite,       // a white window, white behind the texts and buttons
};

struct QuestionEntry {
  int code = 0;
  std::string_view line1;
  std::string_view line2;    // unused when line2FromList
  bool line2FromList = false;  // line 2 is the selected entry of the named list + "?"
  QuestionColours colours = QuestionColours::kNormal;
  int iconId = 0;  // 0: the program's own icon
};

std::span<const NoticeEntry> NoticeTable();
std::span<const QuestionEntry> QuestionTable();

// The entry of a code; nullptr for a code the table does not have.
const NoticeEntry* FindNotice(int code);
const QuestionEntry* FindQuestion(int code);

}  // namespace editor
