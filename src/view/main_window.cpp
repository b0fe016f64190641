#include "view/main_window.h"

#include <algorithm>
#include <vector>

#include "base/bitmap_ids.h"
#include "base/control_ids.h"
#include "base/program_identity.h"
#include "base/stored_path.h"
#include "view/bookmark_pane.h"
#include "view/code_block_view.h"
#include "view/main_menu.h"
#include "view/main_window_layout.h"
#include "view/main_window_tooltips.h"
#include "view/places_pane.h"
#include "view/welcome_text.h"

namespace editor {

namespace {

constexpr ui::Rect kMainWindowRect{0, 0, 1350, 725};
constexpr int kEditorTextLimit = 1'048'576;
constexpr std::uint32_t kEditorEvents = ui::event_mask::kChange | ui::event_mask::kScroll |
                                        ui::event_mask::kKeyEvents | ui::event_mask::kMouseEvents;

bool CreateEntry(ui::Window& window, const LayoutEntry& entry) {
  if (!window.CreateControl(entry.desc)) return false;
  for (const ListColumn& column : entry.columns) window.ViewAddColumn(entry.desc.id, column.title, column.width);
  return true;
}

// The document editor and the four code-block editors share place, font, events, colour
// and tab stops.
bool CreateRichEdit(ui::Window& window, ui::ControlId id, Editor& editor, int textLimit, bool visible) {
  ui::ControlSpec desc;
  desc.kind = ui::ControlKind::kRichEdit;
  desc.id = id;
  desc.rect = EditorRect(editor.metrics);
  desc.font = editor.prefs.editorFont;
  desc.visible = visible;
  if (!window.CreateControl(desc)) return false;
  ui::RichEdit* edit = window.Edit(id);
  if (edit == nullptr) return false;
  edit->SetEventMask(kEditorEvents);
  ShowGutterRowsOnly(editor, *edit);
  edit->SetBackground(editor.prefs.fileBackground);
  edit->SetDefaultTextColour(editor.prefs.text);
  edit->SetTextLimit(textLimit);
  // Before any text: a text streamed in later keeps the stops at no cost.
  ApplyTabStops(editor, *edit);
  return true;
}

}  // namespace

void ApplyTabStops(Editor& editor, ui::RichEdit& edit) {
  editor.prefs.tabStopWidth = editor.prefs.TabStopWidthForSpacing();
  edit.SetTabStops(editor.prefs.tabStopWidth);
}

void ShowGutterRowsOnly(const Editor& editor, ui::RichEdit& edit) {
  edit.ShowWholeRows(editor.metrics.lineHeight, editor.metrics.gutterLines);
}

bool CreateCodeBlockEditor(Editor& editor, int block) {
  return editor.main && CreateRichEdit(*editor.main, CodeBlockEditorId(block), editor, kCodeBlockTextLimit, false);
}

bool CreateDocumentEditor(Editor& editor, ui::ControlId id, ui::Rect place, bool visible) {
  ui::Window& window = *editor.main;
  if (!CreateRichEdit(window, id, editor, kEditorTextLimit, visible)) return false;
  window.MoveControl(id, place);
  return true;
}

namespace {

bool CreateGutterLabel(ui::Window& window, const LayoutEntry& label, const EditorPreferences& prefs) {
  if (!CreateEntry(window, label)) return false;
  window.SetColours(label.desc.id, prefs.lineDefault, prefs.windowBackground);
  return true;
}

bool CreateGutter(ui::Window& window, const Editor& editor) {
  for (const LayoutEntry& label : GutterLabels(editor.metrics, editor.prefs.editorFont))
    if (!CreateGutterLabel(window, label, editor.prefs)) return false;
  return true;
}

// Rows beyond the ones in use stay hidden: a larger font left them over.
void ShowGutterRows(ui::Window& window, int rowsShown) {
  for (ui::ControlId id = kFirstGutterLabel; window.HasControl(id); ++id)
    window.ShowControl(id, id < kFirstGutterLabel + rowsShown);
}

// The rows follow the layout in force: shown beside a visible edit area, hidden without.
void PlaceGutterRows(ui::Window& window, const LineMetrics& metrics, const EditorPreferences& prefs) {
  const bool shown = window.IsControlVisible(kEditor);
  for (const LayoutEntry& label : GutterLabels(metrics, prefs.editorFont)) {
    const ui::ControlId id = label.desc.id;
    if (window.HasControl(id)) {
      window.MoveControl(id, label.desc.rect);
      window.SetFont(id, prefs.editorFont);
    } else if (!CreateGutterLabel(window, label, prefs)) {
      continue;  // a row the window cannot make stays blank; the lines beside it are unharmed
    }
    window.ShowControl(id, shown);
  }
  for (ui::ControlId id = kFirstGutterLabel + metrics.gutterLines; window.HasControl(id); ++id) {
    window.SetText(id, "");
    window.ShowControl(id, false);
  }
}

// The edit areas, the line scroll bar and the last-line button under it follow the new
// height wherever the debug panel has put them.
void StretchEditArea(ui::Window& window, int oldHeight, int newHeight) {
  std::vector<ui::ControlId> stretched{kEditor, kLineScrollBar};
  for (int block = 1; block <= kCodeBlockCount; ++block) stretched.push_back(CodeBlockEditorId(block));
  for (ui::ControlId id : stretched) {
    if (!window.HasControl(id)) continue;
    ui::Rect rect = window.ControlRect(id);
    rect.height = newHeight;
    window.MoveControl(id, rect);
  }
  ui::Rect button = window.ControlRect(kLastLineButton);
  button.y += newHeight - oldHeight;
  window.MoveControl(kLastLineButton, button);
}

// Lists the installed font families; the editor font's row carries its size.
bool CreateFontList(ui::Window& window, const Editor& editor) {
  ui::ControlSpec desc;
  desc.kind = ui::ControlKind::kListView;
  desc.id = kFontList;
  desc.rect = {0, 0, 455, 200};
  desc.visible = false;
  if (!window.CreateControl(desc)) return false;
  window.ViewAddColumn(kFontList, "Font", 255);
  window.ViewAddColumn(kFontList, "Size", 100);
  window.ViewAddColumn(kFontList, "Height", 100);
  const ui::FontSpec& font = editor.prefs.editorFont;
  int row = 0;
  for (const std::string& family : editor.system.InstalledFontFamilies()) {
    window.ViewInsertRow(kFontList, row, family);
    if (family == font.face) {
      window.ViewSetCell(kFontList, row, 1, std::to_string(font.pointSize));
      window.ViewSetCell(kFontList, row, 2, std::to_string(editor.metrics.lineHeight));
    }
    ++row;
  }
  return true;
}

void AttachTooltips(ui::Window& window, const EditorPreferences& prefs) {
  for (const TooltipEntry& entry : MainWindowTooltips())
    if (window.HasControl(entry.id)) window.SetTooltip(entry.id, TooltipText(entry, prefs));
}

// Applies a layout to the table's controls: each is shown when its rule says so.
void ShowLayout(ui::Window& window, bool fileOpen, int gutterRows) {
  for (const LayoutEntry& entry : MainWindowControls()) {
    if (entry.shown == Shown::kOnDemand || (entry.shown == Shown::kUntilFilesOpen && fileOpen)) continue;
    window.ShowControl(entry.desc.id, entry.shown != Shown::kWithFile || fileOpen);
  }
  ShowGutterRows(window, fileOpen ? gutterRows : 0);
  for (ui::ControlId id : {kEditor, kLineScrollBar, kFirstLineButton, kLastLineButton})
    window.ShowControl(id, fileOpen);
}

void EnableEditingMenu(ui::Window& window, bool enabled) {
  for (int id : EditingMenuIds()) window.EnableMenuItem(id, enabled);
}

}  // namespace

void FitEditAreaToLineMetrics(Editor& editor, const LineMetrics& metrics) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  PlaceGutterRows(window, metrics, editor.prefs);
  StretchEditArea(window, editor.metrics.gutterHeight, metrics.gutterHeight);
  editor.metrics = metrics;
}

std::string CaptionForFile(std::string_view fileName) {
  std::string caption(fileName);
  caption += kTitleText;
  return caption;
}

// The tabs' captions are names as paths give them, so they convert as stored paths do.
void ShowFileCaption(const Editor& editor, std::string_view fileName) {
  if (editor.main) editor.main->SetCaption(CaptionForFile(editor.system.ShownName(PathFromStoredText(fileName))));
}

void ShowTabCaption(const Editor& editor, int tab) {
  if (!editor.main) return;
  editor.main->SetText(TabButtonId(tab), editor.system.ShownName(PathFromStoredText(editor.tabs.Tab(tab).caption)));
}

std::unique_ptr<ui::Window> CreateMainWindow(Editor& editor) {
  ui::WindowSpec desc;
  desc.caption = std::string(kStartingCaption) + std::string(kTitleText);
  desc.rect = kMainWindowRect;
  desc.background = editor.prefs.windowBackground;
  desc.iconId = kIconApplication;
  auto window = editor.system.CreateTopLevel(desc);
  if (!window) return nullptr;

  window->SetMenuBar(MainMenuBar());
  window->SetAccelerators(MainAccelerators());
  if (!CreateRichEdit(*window, kEditor, editor, kEditorTextLimit, true)) return nullptr;
  if (!CreateGutter(*window, editor)) return nullptr;
  for (const LayoutEntry& entry : EditAreaFrame(editor.metrics))
    if (!CreateEntry(*window, entry)) return nullptr;
  for (const LayoutEntry& entry : MainWindowControls())
    if (!CreateEntry(*window, entry)) return nullptr;
  for (int block = 1; block <= kCodeBlockCount; ++block) {
    if (!CreateRichEdit(*window, CodeBlockEditorId(block), editor, kCodeBlockTextLimit, false)) return nullptr;
    window->EnableControl(CodeBlockButtonId(block), false);  // free until code is put in
  }
  if (!CreateFontList(*window, editor)) return nullptr;
  if (editor.prefs.showTooltips) AttachTooltips(*window, editor.prefs);
  return window;
}

void ShowEditingControls(Editor& editor) {
  ui::Window& window = *editor.main;
  EnableEditingMenu(window, true);
  ShowLayout(window, true, editor.metrics.gutterLines);
  HideWelcomePointer(editor);
  // The file just shown is what the user wants to see, not a block left on screen.
  ShowMainCodeInLayout(editor);
  window.EnableControl(kCloseFileButton, true);
  ShowPlaceButtons(editor);
  ShowBookmarkButtons(editor);
  ShowUndoButtons(editor);
}

void ShowUndoButtons(Editor& editor) {
  if (!editor.main) return;
  const int tab = editor.tabs.ActiveTab();
  const bool any = tab != 0 && editor.tabs.Tab(tab).history.UndoCount() > 0;
  editor.main->ShowControl(kClearUndoButton, any);
  editor.main->ShowControl(kNothingToUndoButton, !any);
}

void HideEditingControls(ui::Window& window) {
  EnableEditingMenu(window, false);
  ShowLayout(window, false, 0);
  for (ui::ControlId id : {kGoBackButton, kGoBackUnavailable, kGoForwardButton, kGoForwardUnavailable,
                           kClearUndoButton, kNothingToUndoButton, kCopyBlockButton, kDeleteBlockButton, kPlacesCombo,
                           kRemovePlaceButton, kClearPlacesButton, kAllowDuplicatePlacesBox, kRemoveBookmarkButton,
                           kClearBookmarksButton})
    window.ShowControl(id, false);
  for (int block = 1; block <= kCodeBlockCount; ++block) window.ShowControl(CodeBlockEditorId(block), false);
  window.SetCaption(std::string(kNoFileCaption) + std::string(kTitleText));
  window.FocusWindow();
}

}  // namespace editor
