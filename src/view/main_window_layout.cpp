#include "view/main_window_layout.h"

#include "base/bitmap_ids.h"
#include "base/control_ids.h"
#include "model/tab_table.h"

namespace editor {

namespace {

using ui::ControlKind;
using ui::Rect;

const ui::FontSpec kArial10{"Arial", 10};
const ui::FontSpec kArial11{"Arial", 11};
const ui::FontSpec kArial12{"Arial", 12};
const ui::FontSpec kCourier11{"Courier New", 11};

constexpr int kEditorX = 119;
constexpr int kEditorY = 100;
constexpr int kEditorWidth = 1188;
constexpr int kGutterX = 36;  // clear of the tool column, whose buttons reach x 35
constexpr int kGutterY = 102;
constexpr int kGutterWidth = 80;
constexpr int kScrollBarX = 1307;
constexpr int kEdgeButtonSize = 15;
constexpr int kComboDropHeight = 200;
constexpr int kRowButton = 24;  // the small image buttons under the panes
constexpr int kRowPitch = 25;
constexpr int kLineNumberBoxLength = 255;  // characters the caret line fields take from the keyboard

LayoutEntry Entry(ControlKind kind, ControlId id, Rect rect, std::string text, ui::FontSpec font, Shown shown) {
  LayoutEntry entry;
  entry.desc.kind = kind;
  entry.desc.id = id;
  entry.desc.rect = rect;
  entry.desc.text = std::move(text);
  entry.desc.font = std::move(font);
  entry.desc.visible = false;  // each layout decides what it shows
  entry.shown = shown;
  return entry;
}

LayoutEntry Image(ControlId id, Rect rect, int bitmapId, Shown shown = Shown::kWithFile) {
  LayoutEntry entry = Entry(ControlKind::kImageButton, id, rect, "", kArial10, shown);
  entry.desc.bitmapId = bitmapId;
  return entry;
}

struct RowButton {
  ControlId id;
  int bitmapId;
  bool onDemand = false;  // shown by the operation that needs it, not with the file
};

// The small image buttons in a row under a pane, side by side from x.
void AddButtonRow(std::vector<LayoutEntry>& c, int x, int y, std::initializer_list<RowButton> buttons,
                  Shown shown = Shown::kWithFile) {
  int k = 0;
  for (const RowButton& button : buttons)
    c.push_back(Image(button.id, {x + kRowPitch * k++, y, kRowButton, kRowButton}, button.bitmapId,
                      button.onDemand ? Shown::kOnDemand : shown));
}

LayoutEntry Label(ControlId id, Rect rect, std::string text, Shown shown = Shown::kWithFile) {
  return Entry(ControlKind::kStatic, id, rect, std::move(text), kArial10, shown);
}

LayoutEntry Button(ControlId id, Rect rect, std::string text, Shown shown = Shown::kWithFile) {
  return Entry(ControlKind::kPushButton, id, rect, std::move(text), kArial10, shown);
}

LayoutEntry Check(ControlId id, Rect rect, std::string text, Shown shown = Shown::kWithFile) {
  return Entry(ControlKind::kCheckBox, id, rect, std::move(text), kArial10, shown);
}

LayoutEntry EditBox(ControlId id, Rect rect, ui::FontSpec font, Shown shown = Shown::kWithFile) {
  return Entry(ControlKind::kEdit, id, rect, "", std::move(font), shown);
}

// Key word and word search fields: typing puts only the characters of words in them.
LayoutEntry WordBox(ControlId id, Rect rect, ui::FontSpec font, Shown shown = Shown::kWithFile) {
  LayoutEntry entry = EditBox(id, rect, std::move(font), shown);
  entry.desc.accepts = ui::EditAccepts::kWordCharacters;
  return entry;
}

LayoutEntry Combo(ControlId id, int x, int y, int width, Shown shown = Shown::kWithFile) {
  return Entry(ControlKind::kComboBox, id, {x, y, width, kComboDropHeight}, "", kArial10, shown);
}

LayoutEntry ListView(ControlId id, Rect rect, std::vector<ListColumn> columns) {
  LayoutEntry entry = Entry(ControlKind::kListView, id, rect, "", kArial10, Shown::kOnDemand);
  entry.columns = std::move(columns);
  return entry;
}

void AddToolColumn(std::vector<LayoutEntry>& c) {
  c.push_back(Image(kNewFileButton, {5, 105, 28, 28}, kBitmapNewFile, Shown::kAlways));
  c.push_back(Image(kOpenFileButton, {5, 145, 28, 28}, kBitmapOpenFile, Shown::kAlways));
  c.push_back(Image(kWelcomePointer, {50, 145, 23, 22}, kBitmapWelcomePointer, Shown::kOnDemand));
  c.push_back(Image(kSaveFileButton, {5, 185, 28, 28}, kBitmapSaveFile));
  c.push_back(Image(kSaveAsButton, {5, 225, 28, 28}, kBitmapSaveFileAs));
  c.push_back(Image(kBackupButton, {7, 268, 28, 28}, kBitmapBackupFile));
  c.push_back(Image(kReindexButton, {5, 305, 28, 28}, kBitmapReindexFile));
  c.push_back(Image(kAutoCompleteButton, {7, 348, 28, 28}, kBitmapAutoCompleteOn));
  c.push_back(Image(kRecolourButton, {5, 385, 28, 28}, kBitmapRecolourScreen));
  // The two undo buttons share a place: "Nothing to undo" until there is something.
  c.push_back(Image(kClearUndoButton, {5, 425, 28, 28}, kBitmapClearUndoRedo, Shown::kOnDemand));
  c.push_back(Image(kNothingToUndoButton, {5, 425, 28, 28}, kBitmapNothingToUndo, Shown::kOnDemand));
  c.push_back(Image(kApiSearchButton, {8, 465, 23, 23}, kBitmapSearchApiMessages, Shown::kAlways));
  c.push_back(Image(kReloadButton, {5, 502, 28, 28}, kBitmapReloadFile));
  c.push_back(Image(kHelpButton, {8, 545, 23, 23}, kBitmapOpenHelp, Shown::kAlways));
  c.push_back(Image(kCloseFileButton, {5, 588, 25, 25}, kBitmapCloseFile));
}

void AddGoToLine(std::vector<LayoutEntry>& c) {
  c.push_back(Label(kGoToLineLabel, {35, 0, 100, 18}, " Go to line"));
  // Each go button shows only while its box holds text.
  c.push_back(Image(kGoToLineButton, {5, 17, 24, 24}, kBitmapGoToLine, Shown::kOnDemand));
  c.push_back(Image(kGoToLineButton2, {5, 45, 24, 24}, kBitmapGoToLine, Shown::kOnDemand));
  c.push_back(Image(kGoToLineButton3, {5, 71, 24, 24}, kBitmapGoToLine, Shown::kOnDemand));
  c.push_back(EditBox(kGoToLineBox, {35, 19, 85, 22}, kCourier11));
  c.push_back(EditBox(kGoToLineBox2, {35, 45, 85, 22}, kCourier11));
  c.push_back(EditBox(kGoToLineBox3, {35, 71, 85, 22}, kCourier11));
  // The caret's line kept for the commands; never shown, it sits under the go-to box.
  for (ControlId id : {kLineNumberBox, kLineNumberCompanion}) {
    c.push_back(EditBox(id, {35, 19, 84, 22}, kCourier11, Shown::kOnDemand));
    c.back().desc.maxLength = kLineNumberBoxLength;
  }
  c.push_back(EditBox(kLineField, {35, 19, 84, 22}, kCourier11, Shown::kOnDemand));
}

void AddSubroutinePane(std::vector<LayoutEntry>& c) {
  c.push_back(Label(kSubroutineLabel, {164, 2, 150, 16}, " Subroutines"));
  c.push_back(Combo(kSubroutineCombo, 166, 19, 190));
  AddButtonRow(c, 128, 45,
               {{kGoToSubButton, kBitmapGoToSub},
                {kGoToSubEndButton, kBitmapGoToSubEnd, true},
                {kSearchSubsButton, kBitmapSearchSubs, true},
                {kCopySubButton, kBitmapCopyToClipboard, true},
                {kCopySubToBlockButton, kBitmapCopyToCodeBlock, true},
                {kMoveSubButton, kBitmapMoveToClick, true},
                {kDeleteSubButton, kBitmapDelete, true},
                {kSubMultiSelectButton, kBitmapMultiSelect, true},
                {kClearSubSelectionButton, kBitmapClearSelection, true}});
  c.push_back(ListView(kSubroutineList, {0, 0, 270, 58}, {{"Subroutine", 150}, {"Begins", 50}, {"Ends", 50}}));
}

void AddWindowPane(std::vector<LayoutEntry>& c) {
  c.push_back(Label(kWindowLabel, {425, 0, 200, 16}, " Windows && Dialogs"));
  c.push_back(Combo(kWindowCombo, 425, 19, 207));
  AddButtonRow(c, 400, 45,
               {{kGoToWindowButton, kBitmapGoToWindow},
                {kGoToWindowEndButton, kBitmapGoToWindowEnd, true},
                {kGoToHandlerButton, kBitmapGoToHandler, true},
                {kCopyWindowButton, kBitmapCopyToClipboard, true},
                {kCopyWindowToBlockButton, kBitmapCopyToCodeBlock, true},
                {kMoveWindowButton, kBitmapMoveToClick, true},
                {kDeleteWindowButton, kBitmapDelete, true},
                {kWindowMultiSelectButton, kBitmapMultiSelect, true},
                {kClearWindowSelectionButton, kBitmapClearSelection, true}});
  c.push_back(ListView(kWindowList, {340, 0, 420, 58},
                       {{"Window", 150}, {"Begins", 50}, {"Ends", 50}, {"Handler name", 150}}));
}

void AddReadyMadeCodeAndBookmarks(std::vector<LayoutEntry>& c) {
  c.push_back(Label(kReadyMadeCodeLabel, {679, 0, 190, 16}, "Add ready made code"));
  c.push_back(Combo(kReadyMadeCodeCombo, 675, 18, 200));
  c.push_back(Button(kAddReadyMadeCodeButton, {879, 18, 36, 22}, "Add"));
  c.push_back(ListView(kControlSearchList, {675, 20, 200, 52}, {{"Name", 100}, {"Type", 100}}));

  c.push_back(Label(kBookmarkLabel, {920, 0, 150, 16}, " Bookmarks"));
  c.push_back(Combo(kBookmarkCombo, 920, 19, 160));
  AddButtonRow(c, 920, 45, {{kGoToBookmarkButton, kBitmapGoToBookmark}, {kAddBookmarkButton, kBitmapAddBookmark}});
  // Remove and clear show only while there are bookmarks.
  AddButtonRow(c, 920 + 2 * kRowPitch, 45,
               {{kRemoveBookmarkButton, kBitmapRemoveBookmark}, {kClearBookmarksButton, kBitmapClearBookmarks}},
               Shown::kOnDemand);
  AddButtonRow(c, 920 + 4 * kRowPitch, 45, {{kBookmarkMultiSelectButton, kBitmapMultiSelect}});
  c.push_back(ListView(kBookmarkList, {910, 590, 250, 80}, {{"Line", 150}, {"Description", 100}}));

  c.push_back(Label(kIncludeLabel, {1134, 0, 150, 16}, "Include files"));
  c.push_back(Combo(kIncludeCombo, 1130, 19, 160));
  c.push_back(Image(kCloseFileTopButton, {1299, 18, 25, 25}, kBitmapCloseFile));
  c.push_back(Image(kLineDebugButton, {1299, 46, 25, 25}, kBitmapLineDebugInfo));
}

void AddPlacesAndSwitches(std::vector<LayoutEntry>& c) {
  c.push_back(Check(kJumpToSelectionsBox, {135, 75, 140, 20}, "Jump to selections"));
  c.push_back(Check(kShowEditPositionBox, {285, 75, 150, 20}, "Show the edit position"));
  c.push_back(Image(kSearchControlsImage, {437, 73, 24, 24}, kBitmapSearchControls));
  c.push_back(Button(kSearchControlsButton, {464, 75, 140, 23}, "Search controls"));

  c.push_back(Label(kPlacesLabel, {649, 50, 110, 18}, "Places I've been"));
  // Back and forward share their places with greyed twins; the places count picks.
  AddButtonRow(c, 612, 73, {{kGoBackButton, kBitmapGoBack}, {kGoForwardButton, kBitmapGoForward}}, Shown::kOnDemand);
  AddButtonRow(c, 612, 73,
               {{kGoBackUnavailable, kBitmapGoBackUnavailable}, {kGoForwardUnavailable, kBitmapGoForwardUnavailable}},
               Shown::kOnDemand);
  AddButtonRow(c, 662, 73, {{kAddPlaceButton, kBitmapAddPlace}});
  // The list and its remove and clear buttons show once there is a place.
  AddButtonRow(c, 662 + kRowPitch, 73,
               {{kRemovePlaceButton, kBitmapRemovePlace}, {kClearPlacesButton, kBitmapClearPlaces}}, Shown::kOnDemand);
  c.push_back(Combo(kPlacesCombo, 765, 73, 80, Shown::kOnDemand));
  c.push_back(Check(kRememberPlacesBox, {895, 75, 128, 20}, "Remember places"));
  // Shown while "Remember places" is on.
  c.push_back(Check(kAllowDuplicatePlacesBox, {1047, 75, 150, 20}, "Allow duplicate places", Shown::kOnDemand));
  c.push_back(Button(kFastCodeButton, {1220, 73, 78, 25}, "Fast code"));
}

void AddPositionFields(std::vector<LayoutEntry>& c) {
  // The edit-position panel: caret line and column and the two edit-position numbers,
  // in one row above the places switches while "Show the edit position" is on.
  c.push_back(EditBox(kCurrentLineField, {1048, 50, 50, 22}, kArial11, Shown::kOnDemand));
  c.push_back(EditBox(kColumnField, {1103, 50, 50, 22}, kArial11, Shown::kOnDemand));
  c.push_back(EditBox(kEditPositionField, {1158, 50, 60, 22}, kArial11, Shown::kOnDemand));
  c.push_back(EditBox(kEditOffsetField, {1223, 50, 60, 22}, kArial11, Shown::kOnDemand));
  // The line and debug panel fills the room that the narrowed edit area leaves.
  for (int k = 0; k < 3; ++k)
    c.push_back(EditBox(kDebugLineField + k, {1090, 110 + 30 * k, 230, 22}, kArial10, Shown::kOnDemand));
  for (int k = 0; k < 4; ++k)
    c.push_back(EditBox(kFirstDebugField + k, {1090, 210 + 30 * k, 230, 22}, kArial10, Shown::kOnDemand));
}

void AddCodeBlocks(std::vector<LayoutEntry>& c) {
  c.push_back(Button(kMainProgramButton, {70, 590, 100, 25}, "Main program"));
  for (int k = 0; k < 4; ++k)
    c.push_back(Button(kCodeBlockButtonFirst + k, {180 + 30 * k, 590, 25, 25}, std::to_string(k + 1)));
  c.push_back(Image(kCopyBlockButton, {300, 592, 22, 22}, kBitmapCopyBlockToClipboard, Shown::kOnDemand));
  c.push_back(Image(kDeleteBlockButton, {330, 592, 22, 22}, kBitmapDeleteFromBlock, Shown::kOnDemand));
}

void AddSearchBar(std::vector<LayoutEntry>& c) {
  c.push_back(Label(kKeywordLabel, {374, 592, 100, 18}, "IWB Key word"));
  c.push_back(WordBox(kKeywordBox, {480, 590, 200, 22}, kArial10));
  // The key word list and its buttons show once the box holds a word.
  c.push_back(Combo(kKeywordCombo, 372, 617, 310, Shown::kOnDemand));
  c.push_back(Image(kFindKeywordButton, {686, 616, 24, 24}, kBitmapFindKeyword, Shown::kOnDemand));
  c.push_back(Image(kClearKeywordButton, {711, 616, 24, 24}, kBitmapClearKeywordSearch, Shown::kOnDemand));
  c.push_back(Check(kBeginsWithBox, {185, 617, 100, 20}, "Begins with", Shown::kOnDemand));
  c.push_back(Check(kInWordBox, {295, 617, 72, 20}, "In word", Shown::kOnDemand));

  c.push_back(Image(kSearchWordsButton, {744, 616, 24, 24}, kBitmapSearchWords));
  c.push_back(Image(kClearSearchWordsButton, {769, 616, 24, 24}, kBitmapClearSearchWords));
  c.push_back(Label(kFindLabel, {719, 592, 108, 18}, "Find something"));
  c.push_back(EditBox(kFindBox, {830, 590, 235, 22}, kArial12));
  // Words handed between the key word list and the search; never on screen.
  c.push_back(WordBox(kWordBox, {750, 590, 100, 22}, kArial10, Shown::kOnDemand));
  c.push_back(EditBox(kWordBox2, {750, 590, 100, 22}, kArial10, Shown::kOnDemand));
  c.push_back(Image(kFindButton, {1068, 589, 24, 24}, kBitmapFindAndReplace));
  c.push_back(Image(kClearFindButton, {1093, 589, 24, 24}, kBitmapClearFind));
  c.push_back(Check(kExactBox, {833, 620, 65, 20}, "Exact"));
  c.push_back(Check(kWordsBox, {903, 620, 65, 20}, "Words"));
  c.push_back(Check(kMixedBox, {973, 620, 65, 20}, "Mixed"));
  c.push_back(Check(kFirstBox, {1120, 590, 58, 20}, "First"));
  c.push_back(Check(kAllBox, {1183, 590, 58, 20}, "All"));
  c.push_back(Check(kLastBox, {1247, 590, 55, 20}, "Last"));
  c.push_back(Check(kAndBox, {1120, 618, 58, 20}, "And"));
  c.push_back(Check(kOrBox, {1183, 618, 45, 20}, "Or"));
  c.push_back(Image(kFixScrollingButton, {1232, 617, 25, 25}, kBitmapFixScrolling));
  c.push_back(Button(kExitButton, {1262, 617, 60, 25}, "Exit", Shown::kAlways));
}

void AddHiddenHelpers(std::vector<LayoutEntry>& c) {
  // The control search's lists live with the main window so that a file's state carries them.
  c.push_back(ListView(kControlList, {340, 0, 420, 58},
                       {{"Control", 150}, {"Begins", 50}, {"Type", 100}, {"Handler name", 150}}));
  for (ControlId id : {kControlCombo, kControlSearchCombo1, kControlSearchCombo2, kControlSearchCombo3})
    c.push_back(Combo(id, 340, 19, 200, Shown::kOnDemand));
  c.push_back(ListView(kAutoCompleteList, {1050, 0, 300, 58}, {{"Key word", 280}}));
  c.push_back(EditBox(kMessageLine, {10, 650, 1000, 20}, kArial10, Shown::kOnDemand));
}

void AddTabs(std::vector<LayoutEntry>& c) {
  for (int tab = 1; tab <= kTabCount; ++tab)
    c.push_back(Entry(ControlKind::kPushButton, TabButtonId(tab), {225 * (tab - 1), 642, 225, 25}, "", kArial10,
                      Shown::kUntilFilesOpen));
}

std::vector<LayoutEntry> BuildControls() {
  std::vector<LayoutEntry> controls;
  AddToolColumn(controls);
  AddGoToLine(controls);
  AddSubroutinePane(controls);
  AddWindowPane(controls);
  AddReadyMadeCodeAndBookmarks(controls);
  AddPlacesAndSwitches(controls);
  AddPositionFields(controls);
  AddCodeBlocks(controls);
  AddSearchBar(controls);
  AddHiddenHelpers(controls);
  AddTabs(controls);
  return controls;
}

}  // namespace

ui::Rect EditorRect(const LineMetrics& metrics) {
  return {kEditorX, kEditorY, kEditorWidth, metrics.gutterHeight};
}

const std::vector<LayoutEntry>& MainWindowControls() {
  static const std::vector<LayoutEntry> controls = BuildControls();
  return controls;
}

std::vector<LayoutEntry> GutterLabels(const LineMetrics& metrics, const ui::FontSpec& editorFont) {
  std::vector<LayoutEntry> labels;
  for (int row = 0; row < metrics.gutterLines; ++row) {
    LayoutEntry label = Entry(ControlKind::kStatic, kFirstGutterLabel + row,
                              {kGutterX, kGutterY + row * metrics.lineHeight, kGutterWidth, metrics.lineHeight}, "",
                              editorFont, Shown::kWithFile);
    label.desc.align = ui::TextAlign::kRight;
    label.desc.verticallyCentred = true;
    labels.push_back(std::move(label));
  }
  return labels;
}

std::vector<LayoutEntry> EditAreaFrame(const LineMetrics& metrics) {
  const int height = metrics.gutterHeight;
  std::vector<LayoutEntry> frame;
  frame.push_back(Entry(ControlKind::kVerticalScrollBar, kLineScrollBar, {kScrollBarX, kEditorY, 15, height}, "",
                        kArial10, Shown::kWithFile));
  frame.push_back(Image(kFirstLineButton, {kScrollBarX, 80, kEdgeButtonSize, kEdgeButtonSize}, kBitmapGoToFirstLine));
  frame.push_back(Image(kLastLineButton, {kScrollBarX, height + 105, kEdgeButtonSize, kEdgeButtonSize},
                        kBitmapGoToLastLine));
  return frame;
}

}  // namespace editor
