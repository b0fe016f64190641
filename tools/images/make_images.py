#!/usr/bin/env python3
"""Draws the editor's button and menu bitmaps and its icons, and writes the resource script and
the C++ ids that name them. Run from anywhere: python3 tools/images/make_images.py"""

from collections import namedtuple
from pathlib import Path

import drawings as d
import preference_drawings as pd
from bmp_file import write_bmp
from canvas import Canvas
from ico_file import write_ico
from resource_script import ids_header, resource_script

Image = namedtuple("Image", "id constant file size shows draw")

MENU = 16
BUTTON = 24
SMALL_BUTTON = 20  # for the 22x22 and 23x23 buttons
SETUP = 22  # the setup window's ticks and cross, the welcome text's pointer

IMAGES = (
    Image(50, "kBitmapMenuNewFile", "menu_new_file", MENU, "New file: a blank page", d.new_file),
    Image(51, "kBitmapMenuOpenFile", "menu_open_file", MENU, "Open file: an open folder", d.open_file),
    Image(52, "kBitmapMenuCloseFile", "menu_close_file", MENU, "Close file: a page with a red X", d.close_file),
    Image(53, "kBitmapMenuSaveFile", "menu_save_file", MENU, "Save file: a floppy disk", d.save_file),
    Image(54, "kBitmapMenuSaveFileAs", "menu_save_file_as", MENU, "Save file as: a disk and a pencil", d.save_file_as),
    Image(55, "kBitmapMenuBackupFile", "menu_backup_file", MENU, "Backup file: two disks", d.backup_file),
    Image(56, "kBitmapMenuReindexFile", "menu_reindex_file", MENU, "Reindex file: a list and refresh arrows", d.reindex_file),
    Image(57, "kBitmapMenuEditorSettings", "menu_editor_settings", MENU, "Editor settings: a gear", d.editor_settings),
    Image(58, "kBitmapMenuRecentFiles", "menu_recent_files", MENU, "Recent files: a clock over a page", d.recent_files),
    Image(59, "kBitmapMenuClearClipboard", "menu_clear_clipboard", MENU, "Clear the clipboard: a clipboard with a red X", d.clear_clipboard),
    Image(60, "kBitmapMenuResetFirstUse", "menu_reset_first_use", MENU, "Reset to first time use: a round arrow and a star", d.reset_first_use),
    Image(61, "kBitmapMenuExit", "menu_exit", MENU, "Exit: a door and an arrow out", d.exit_editor),
    Image(62, "kBitmapMenuCut", "menu_cut", MENU, "Cut: scissors", d.cut),
    Image(63, "kBitmapMenuCopy", "menu_copy", MENU, "Copy: two pages", d.copy),
    Image(64, "kBitmapMenuPaste", "menu_paste", MENU, "Paste: a page on a clipboard", d.paste),
    Image(65, "kBitmapMenuSelectAll", "menu_select_all", MENU, "Select all: a page in a dashed frame", d.select_all),
    Image(66, "kBitmapMenuFind", "menu_find", MENU, "Find: a magnifier", d.find),
    Image(67, "kBitmapMenuFindSubmenu", "menu_find_submenu", MENU, "Find, on its sub-menu: a magnifier", d.find),
    Image(68, "kBitmapMenuUserGuide", "menu_user_guide", MENU, "User guide: a book with a question mark", d.user_guide),
    Image(501, "kBitmapNewFile", "new_file", BUTTON, "New file: a blank page", d.new_file),
    Image(502, "kBitmapOpenFile", "open_file", BUTTON, "Open file: an open folder", d.open_file),
    Image(503, "kBitmapSaveFile", "save_file", BUTTON, "Save file: a floppy disk", d.save_file),
    Image(504, "kBitmapSaveFileAs", "save_file_as", BUTTON, "Save file as: a disk and a pencil", d.save_file_as),
    Image(505, "kBitmapBackupFile", "backup_file", BUTTON, "Backup file: two disks", d.backup_file),
    Image(506, "kBitmapReindexFile", "reindex_file", BUTTON, "Re-index file: a list and refresh arrows", d.reindex_file),
    Image(507, "kBitmapAutoCompleteOn", "auto_complete_on", BUTTON, "Key word completion on: A, arrow, green lamp", d.auto_complete_on),
    Image(508, "kBitmapAutoCompleteOff", "auto_complete_off", BUTTON, "Key word completion off: the same, grey and struck out", d.auto_complete_off),
    Image(509, "kBitmapRecolourScreen", "recolour_screen", BUTTON, "Re-colour the screen: a brush over coloured lines", d.recolour_screen),
    Image(510, "kBitmapClearUndoRedo", "clear_undo_redo", BUTTON, "Clear undos and redos: an undo arrow with a red X", d.clear_undo_redo),
    Image(511, "kBitmapNothingToUndo", "nothing_to_undo", BUTTON, "Nothing to undo: a grey undo arrow", d.nothing_to_undo),
    Image(512, "kBitmapSearchApiMessages", "search_api_messages", SMALL_BUTTON, "Search Win API messages: a magnifier over an API window", d.search_api_messages),
    Image(513, "kBitmapReloadFile", "reload_file", BUTTON, "Reload file: a page, refresh arrows and a warning", d.reload_file),
    Image(514, "kBitmapOpenHelp", "open_help", SMALL_BUTTON, "Open the help file: a question mark in a blue circle", d.open_help),
    Image(515, "kBitmapCloseFile", "close_file", BUTTON, "Close this file: a page with a red X", d.close_file),
    Image(516, "kBitmapGoToLine", "go_to_line", BUTTON, "Go to this line: an arrow at a numbered line", d.go_to_line),
    Image(517, "kBitmapCopyBlockToClipboard", "copy_block_to_clipboard", SMALL_BUTTON, "Copy the current block to the clipboard: a block on a clipboard", d.copy_block_to_clipboard),
    Image(518, "kBitmapDeleteFromBlock", "delete_from_block", SMALL_BUTTON, "Delete code from the current block: a block with a red X", d.delete_from_block),
    Image(519, "kBitmapGoToSub", "go_to_sub", BUTTON, "Go to this subroutine: an arrow at the top of a SUB bracket", d.go_to_sub),
    Image(520, "kBitmapGoToSubEnd", "go_to_sub_end", BUTTON, "Go to the subroutine's end: an arrow at the bottom of the bracket", d.go_to_sub_end),
    Image(521, "kBitmapSearchSubs", "search_subs", BUTTON, "Search subroutines by name: a magnifier over brackets", d.search_subs),
    Image(522, "kBitmapCopyToClipboard", "copy_to_clipboard", BUTTON, "Copy to the clipboard: a page going onto a clipboard", d.copy_to_clipboard),
    Image(523, "kBitmapCopyToCodeBlock", "copy_to_code_block", BUTTON, "Copy to a code block: a page going into a numbered box", d.copy_to_code_block),
    Image(524, "kBitmapMoveToClick", "move_to_click", BUTTON, "Move to the clicked position: a pointer at the end of a dotted path", d.move_to_click),
    Image(525, "kBitmapDelete", "delete", BUTTON, "Delete: a red X over lines", d.delete_lines),
    Image(526, "kBitmapMultiSelect", "multi_select", BUTTON, "Multi-select: stacked tick boxes", d.multi_select),
    Image(527, "kBitmapClearSelection", "clear_selection", BUTTON, "Clear the selection: a tick box and an eraser", d.clear_selection),
    Image(528, "kBitmapGoToWindow", "go_to_window", BUTTON, "Go to this window or dialog: an arrow at a window's top", d.go_to_window),
    Image(529, "kBitmapGoToWindowEnd", "go_to_window_end", BUTTON, "Go to the window's end: an arrow at a window's bottom", d.go_to_window_end),
    Image(530, "kBitmapGoToHandler", "go_to_handler", BUTTON, "Go to the handler routine: window, arrow, bracket", d.go_to_handler),
    Image(531, "kBitmapGoToBookmark", "go_to_bookmark", BUTTON, "Go to this bookmark: an arrow at a ribbon", d.go_to_bookmark),
    Image(532, "kBitmapAddBookmark", "add_bookmark", BUTTON, "Add to bookmarks: a ribbon with a green plus", d.add_bookmark),
    Image(533, "kBitmapRemoveBookmark", "remove_bookmark", BUTTON, "Remove the bookmark: a ribbon with a red minus", d.remove_bookmark),
    Image(534, "kBitmapClearBookmarks", "clear_bookmarks", BUTTON, "Clear the bookmarks: ribbons with a red X", d.clear_bookmarks),
    Image(535, "kBitmapGoBack", "go_back", BUTTON, "Go back: a green left arrow", d.go_back),
    Image(536, "kBitmapGoForward", "go_forward", BUTTON, "Go forward: a green right arrow", d.go_forward),
    Image(537, "kBitmapGoBackUnavailable", "go_back_unavailable", BUTTON, "Nowhere to go back to: a grey left arrow", d.go_back_unavailable),
    Image(538, "kBitmapGoForwardUnavailable", "go_forward_unavailable", BUTTON, "Nowhere to go forward to: a grey right arrow", d.go_forward_unavailable),
    Image(539, "kBitmapAddPlace", "add_place", BUTTON, "Add the location to my places: a pin with a green plus", d.add_place),
    Image(540, "kBitmapRemovePlace", "remove_place", BUTTON, "Remove the location: a pin with a red minus", d.remove_place),
    Image(541, "kBitmapClearPlaces", "clear_places", BUTTON, "Clear all places: pins with a red X", d.clear_places),
    Image(542, "kBitmapFindKeyword", "find_keyword", BUTTON, "Find this key word: a magnifier over KW", d.find_keyword),
    Image(543, "kBitmapClearKeywordSearch", "clear_keyword_search", BUTTON, "Clear the key word search: an eraser over KW", d.clear_keyword_search),
    Image(544, "kBitmapSearchWords", "search_words", BUTTON, "Search for specific words: a magnifier over a marked word", d.search_words),
    Image(545, "kBitmapClearSearchWords", "clear_search_words", BUTTON, "Clear the search words: an eraser over a marked word", d.clear_search_words),
    Image(546, "kBitmapFindAndReplace", "find_and_replace", BUTTON, "Find and replace: a magnifier under ab and an arrow", d.find_and_replace),
    Image(547, "kBitmapClearFind", "clear_find", BUTTON, "Clear the find search: an eraser under ab and an arrow", d.clear_find),
    Image(548, "kBitmapGoToFirstLine", "go_to_first_line", BUTTON, "Go to the first line: an arrow up to a bar", d.go_to_first_line),
    Image(549, "kBitmapGoToLastLine", "go_to_last_line", BUTTON, "Go to the last line: an arrow down to a bar", d.go_to_last_line),
    Image(550, "kBitmapSearchControls", "search_controls", BUTTON, "Search and find controls: a magnifier over a button", d.search_controls),
    Image(551, "kBitmapLineDebugInfo", "line_debug_info", BUTTON, "Show line and debug information: a bug", d.line_debug_info),
    Image(552, "kBitmapFixScrolling", "fix_scrolling", BUTTON, "Fix scrolling: a scroll bar and a wrench", d.fix_scrolling),
    Image(555, "kBitmapPauseSearch", "pause_search", BUTTON, "Pause the search: two blue bars", d.pause_search),
    Image(556, "kBitmapResumeSearch", "resume_search", BUTTON, "Resume the search: a green triangle", d.resume_search),
    Image(557, "kBitmapStopSearch", "stop_search", BUTTON, "Stop the search: a red square", d.stop_search),
    Image(553, "kBitmapColourWordColour", "colour_word_colour", BUTTON, "The spelling colour: a British flag", pd.colour_word_colour),
    Image(554, "kBitmapColourWordColor", "colour_word_color", BUTTON, "The spelling color: an American flag", pd.colour_word_color),
    Image(109, "kBitmapSetupTick", "setup_tick", SETUP, "A finished setup step: a green tick", d.setup_tick),
    Image(113, "kBitmapSetupCross", "setup_cross", SETUP, "A failed setup: a red X", d.setup_cross),
    Image(558, "kBitmapWelcomePointer", "welcome_pointer", SETUP, "Open a file here: a red arrow pointing left", d.welcome_pointer),
)

Icon = namedtuple("Icon", "id constant file shows draw")

ICONS = (
    Icon(101, "kIconApplication", "editor", "The editor: a page with a blue B and coloured code", d.application_icon),
    Icon(104, "kIconQuestion", "question", "A question: a white question mark in a blue disc", d.question_icon),
    Icon(105, "kIconSaveQuestion", "save_question", "Save the changes?: a floppy disk with a question badge", d.save_question_icon),
    Icon(107, "kIconWarning", "warning", "A warning or refusal: a yellow triangle with an exclamation mark", d.warning_icon),
    Icon(109, "kIconDone", "done", "Done: a bold green tick", d.done_icon),
    Icon(110, "kIconSettings", "settings", "Editor settings: a gear with three colour dots", pd.settings_icon),
)
ICON_SIZES = (16, 32)


def render(size, draw):
    canvas = Canvas(size, size)
    draw(canvas)
    return canvas


def main():
    repo = Path(__file__).resolve().parents[2]
    resources = repo / "resources"
    for image in IMAGES:
        write_bmp(resources / "bitmaps" / f"{image.file}.bmp", render(image.size, image.draw))
    for icon in ICONS:
        write_ico(resources / "icons" / f"{icon.file}.ico", [render(size, icon.draw) for size in ICON_SIZES])
    (resources / "images.rc").write_text(resource_script(IMAGES, ICONS))
    (repo / "src" / "base" / "bitmap_ids.h").write_text(ids_header(IMAGES, ICONS))


if __name__ == "__main__":
    main()
