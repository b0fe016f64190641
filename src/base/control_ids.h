// Ids of the main window's controls and timers, named so that code reads kEditor, not 904.
#pragma once

#include "platform/types.h"

namespace editor {

using ui::ControlId;

// The document and its view.
constexpr ControlId kEditor = 904;
// Tab t's rich edit waits under 950 + t while another tab's is on screen as kEditor.
constexpr ControlId kFirstTabEditor = 951;
constexpr ControlId kLineScrollBar = 902;
constexpr ControlId kFirstGutterLabel = 1001;  // gutter row i is 1000 + i
constexpr ControlId kGutterRowShownInDebugPanel = kFirstGutterLabel + 28;  // row 29, copied to the first debug field
constexpr ControlId kFontList = 783;
constexpr ControlId kFirstLineButton = 706;
constexpr ControlId kLastLineButton = 707;
constexpr ControlId kLineField = 4;  // the line a list click moved to

// Tool buttons down the left.
constexpr ControlId kNewFileButton = 614;
constexpr ControlId kOpenFileButton = 2301;
constexpr ControlId kSaveFileButton = 2300;
constexpr ControlId kSaveAsButton = 529;
constexpr ControlId kBackupButton = 613;
constexpr ControlId kReindexButton = 701;
constexpr ControlId kAutoCompleteButton = 712;
constexpr ControlId kRecolourButton = 716;
constexpr ControlId kClearUndoButton = 942;
constexpr ControlId kNothingToUndoButton = 711;
constexpr ControlId kApiSearchButton = 881;
constexpr ControlId kReloadButton = 905;
constexpr ControlId kHelpButton = 927;
// Beside the open-file button while the welcome text shows: a pointer, not a button.
constexpr ControlId kWelcomePointer = 943;
constexpr ControlId kCloseFileButton = 605;
constexpr ControlId kCloseFileTopButton = 945;
constexpr ControlId kLineDebugButton = 770;
constexpr ControlId kFixScrollingButton = 925;
constexpr ControlId kSearchControlsImage = 891;

// Go to line.
constexpr ControlId kGoToLineButton = 2312;
constexpr ControlId kGoToLineButton2 = 604;
constexpr ControlId kGoToLineButton3 = 910;
constexpr ControlId kLineNumberBox = 10;
constexpr ControlId kLineNumberCompanion = 715;
constexpr ControlId kGoToLineBox = 602;
constexpr ControlId kGoToLineBox2 = 603;
constexpr ControlId kGoToLineBox3 = 909;
constexpr ControlId kGoToLineLabel = 509;

// Panes across the top.
constexpr ControlId kSubroutineLabel = 2004;
constexpr ControlId kSubroutineCombo = 2000;
constexpr ControlId kSubroutineList = 2303;
constexpr ControlId kGoToSubButton = 2001;
constexpr ControlId kGoToSubEndButton = 2003;
constexpr ControlId kSearchSubsButton = 781;
constexpr ControlId kCopySubButton = 510;
constexpr ControlId kCopySubToBlockButton = 512;
constexpr ControlId kMoveSubButton = 525;
constexpr ControlId kDeleteSubButton = 511;
constexpr ControlId kSubMultiSelectButton = 584;
constexpr ControlId kClearSubSelectionButton = 702;
constexpr ControlId kWindowLabel = 2107;
constexpr ControlId kWindowCombo = 2100;
constexpr ControlId kWindowList = 2304;
constexpr ControlId kGoToWindowButton = 2105;
constexpr ControlId kGoToWindowEndButton = 2106;
constexpr ControlId kGoToHandlerButton = 2104;
constexpr ControlId kCopyWindowButton = 520;
constexpr ControlId kCopyWindowToBlockButton = 522;
constexpr ControlId kMoveWindowButton = 526;
constexpr ControlId kDeleteWindowButton = 521;
constexpr ControlId kWindowMultiSelectButton = 585;
constexpr ControlId kClearWindowSelectionButton = 703;
constexpr ControlId kBookmarkLabel = 2207;
constexpr ControlId kBookmarkCombo = 2200;
constexpr ControlId kBookmarkList = 2306;
constexpr ControlId kGoToBookmarkButton = 2204;
constexpr ControlId kAddBookmarkButton = 2205;
constexpr ControlId kRemoveBookmarkButton = 2206;
constexpr ControlId kClearBookmarksButton = 530;
constexpr ControlId kBookmarkMultiSelectButton = 586;
constexpr ControlId kReadyMadeCodeLabel = 2316;
constexpr ControlId kReadyMadeCodeCombo = 2307;
constexpr ControlId kAddReadyMadeCodeButton = 527;
constexpr ControlId kControlSearchList = 541;
constexpr ControlId kIncludeLabel = 708;
constexpr ControlId kIncludeCombo = 2005;
constexpr ControlId kPlacesLabel = 913;
constexpr ControlId kPlacesCombo = 595;
constexpr ControlId kGoBackButton = 590;
constexpr ControlId kGoForwardButton = 589;
constexpr ControlId kGoBackUnavailable = 593;  // shown in place of 590 while there is nowhere to go
constexpr ControlId kGoForwardUnavailable = 594;
constexpr ControlId kAddPlaceButton = 592;
constexpr ControlId kRemovePlaceButton = 591;
constexpr ControlId kClearPlacesButton = 911;
constexpr ControlId kRememberPlacesBox = 912;
constexpr ControlId kAllowDuplicatePlacesBox = 914;
constexpr ControlId kJumpToSelectionsBox = 15;
constexpr ControlId kShowEditPositionBox = 779;
constexpr ControlId kSearchControlsButton = 907;
constexpr ControlId kFastCodeButton = 923;

// Code blocks: four scratch edit areas sharing the edit area's place, numbered 1..4.
constexpr int kCodeBlockCount = 4;
constexpr ControlId kCodeBlockEditorFirst = 500;  // the block editors 500..503
constexpr ControlId kMainProgramButton = 504;
constexpr ControlId kCodeBlockButtonFirst = 505;  // blocks "1".."4" are 505..508
constexpr ControlId kCopyBlockButton = 524;
constexpr ControlId kDeleteBlockButton = 523;
constexpr ControlId CodeBlockEditorId(int block) { return kCodeBlockEditorFirst + block - 1; }
constexpr ControlId CodeBlockButtonId(int block) { return kCodeBlockButtonFirst + block - 1; }

// Key word search and find along the bottom.
constexpr ControlId kKeywordLabel = 566;
constexpr ControlId kKeywordCombo = 549;
constexpr ControlId kBeginsWithBox = 882;
constexpr ControlId kInWordBox = 883;
constexpr ControlId kFindKeywordButton = 568;
constexpr ControlId kClearKeywordButton = 571;
constexpr ControlId kSearchWordsButton = 574;
constexpr ControlId kClearSearchWordsButton = 578;
constexpr ControlId kFindButton = 580;
constexpr ControlId kClearFindButton = 588;
constexpr ControlId kFindLabel = 581;
constexpr ControlId kFindBox = 579;
constexpr ControlId kExactBox = 885;
constexpr ControlId kWordsBox = 583;
constexpr ControlId kMixedBox = 926;
constexpr ControlId kFirstBox = 887;
constexpr ControlId kAllBox = 888;
constexpr ControlId kLastBox = 889;
constexpr ControlId kAndBox = 576;
constexpr ControlId kOrBox = 577;
constexpr ControlId kKeywordBox = 550;
constexpr ControlId kWordBox = 572;
constexpr ControlId kWordBox2 = 573;
constexpr ControlId kAutoCompleteList = 2302;
constexpr ControlId kMessageLine = 903;

// Caret position fields, top right.
constexpr ControlId kCurrentLineField = 778;
constexpr ControlId kColumnField = 772;
constexpr ControlId kEditPositionField = 774;
constexpr ControlId kEditOffsetField = 776;

// The line and debug panel beside a narrowed edit area.
constexpr ControlId kDebugLineField = 717;
constexpr ControlId kRoundBracketField = 718;
constexpr ControlId kSquareBracketField = 719;
constexpr ControlId kFirstDebugField = 557;  // debug fields 557..560

// The control lists found by the control search, kept with the file's state.
constexpr ControlId kControlList = 540;
constexpr ControlId kControlCombo = 542;
constexpr ControlId kControlSearchCombo1 = 545;
constexpr ControlId kControlSearchCombo2 = 552;
constexpr ControlId kControlSearchCombo3 = 554;

constexpr ControlId kExitButton = 780;

// Tab t (1..6) is button 605 + t.
constexpr ControlId kFirstTabButton = 606;

constexpr int kPositionTimer = 880;

}  // namespace editor
