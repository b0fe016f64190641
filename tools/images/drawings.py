"""One drawing per image: each composes the shared pictograms for a canvas of its size."""

from arrows import circular_arrow, straight_arrow, undo_arrow
from badges import clock, cross_out, lamp, minus, plus, slash, sparkle, star, tick, warning
from canvas import greyed
from code_marks import bracket, label
from documents import book, clipboard, floppy, open_folder, page, text_lines, written_page
from instruments import brush, eraser, gear, magnifier, pencil, scissors, wrench
from palette import (BLUE, DARK_BLUE, DARK_GREEN, DARK_GREY, DARK_YELLOW, GREEN, LIGHT_YELLOW, ORANGE,
                     DARK_RED, OUTLINE, PURPLE, RED, TEXT_LINE, WHITE, YELLOW)
from places import bug, door, pin, ribbon
from screen_parts import mouse_pointer, push_button, scroll_bar, tick_box, window
from shapes import bar, convex, disc, line, rect, union


def small(c):
    return c.width <= 16


# Files

def new_file(c):
    if small(c):
        page(c, 3, 0, 14, 15, 4)
        sparkle(c, 3, 3, 3)
    else:
        page(c, 5, 1, 20, 22, 6)
        sparkle(c, 5, 5, 4)


def open_file(c):
    open_folder(c, 0, 2, 15, 14) if small(c) else open_folder(c, 1, 3, 22, 20)


def save_file(c):
    floppy(c, 1, 1, 14, 14) if small(c) else floppy(c, 2, 2, 21, 21)


def save_file_as(c):
    if small(c):
        floppy(c, 0, 0, 12, 12)
        pencil(c, 7, 15, 15, 7, 1.1)
    else:
        floppy(c, 1, 1, 18, 18)
        pencil(c, 11, 23, 23, 11, 1.5)


def backup_file(c):
    if small(c):
        floppy(c, 4, 0, 15, 11)
        floppy(c, 0, 4, 11, 15)
    else:
        floppy(c, 7, 1, 22, 16)
        floppy(c, 1, 7, 16, 22)


def close_file(c):
    if small(c):
        written_page(c, 1, 0, 12, 14, 4)
        cross_out(c, 8, 8, 8)
    else:
        written_page(c, 2, 1, 17, 21, 5)
        cross_out(c, 12, 12, 12)


def reindex_file(c):
    size = c.width
    step = 3 if small(c) else 4
    for y in range(2, size - 2, step):
        c.paint_outlined(rect(1, y - 1, 3, y + 1) if not small(c) else rect(0, y - 1, 2, y + 1), BLUE, DARK_BLUE)
        c.paint(rect(5 if not small(c) else 4, y, size - 3, y), TEXT_LINE)
    if small(c):
        circular_arrow(c, 10.5, 10, 4, stroke=1)
    else:
        circular_arrow(c, 16.5, 16.5, 5)


def reload_file(c):
    written_page(c, 3, 0, 17, 18, 5)
    circular_arrow(c, 16.5, 16.5, 5)
    warning(c, 0, 13, 11)


def recent_files(c):
    written_page(c, 1, 0, 12, 14, 4)
    clock(c, 11, 11, 4.2)


# Editor

def editor_settings(c):
    gear(c, 7.5, 7.5, 7.6)


def clear_clipboard(c):
    clipboard(c, 1, 0, 12, 15)
    text_lines(c, 5, 6, 10, 12)
    cross_out(c, 8, 8, 8)


def reset_first_use(c):
    circular_arrow(c, 7.5, 8.5, 5.6, clockwise=False, fill=BLUE, outline=DARK_BLUE, stroke=1)
    star(c, 7.5, 8.5, 3.5, 1.7)


def exit_editor(c):
    door(c, 1, 1, 9, 15)
    straight_arrow(c, "right", 6, 4, 15, 12)


def user_guide(c):
    book(c, 1, 0, 15, 15)
    label(c, "?", 5, 3, WHITE, large=True)


# Clipboard and selection

def cut(c):
    scissors(c, 0, 0, c.width)


def copy(c):
    if small(c):
        written_page(c, 0, 0, 9, 11, 3)
        written_page(c, 5, 4, 15, 15, 3)
    else:
        written_page(c, 1, 1, 14, 16, 4)
        written_page(c, 8, 7, 22, 22, 4)


def paste(c):
    if small(c):
        clipboard(c, 0, 0, 11, 15, paper=False)
        written_page(c, 5, 5, 15, 15, 3)
    else:
        clipboard(c, 1, 1, 16, 22, paper=False)
        written_page(c, 8, 7, 22, 22, 4)


def select_all(c):
    last = c.width - 1
    dashes = {(x, y) for x in range(last + 1) for y in (0, last) if x % 3 != 2}
    dashes |= {(x, y) for y in range(last + 1) for x in (0, last) if y % 3 != 2}
    c.paint(dashes, BLUE)
    written_page(c, 3, 2, 12, 13, 3)


def find(c):
    magnifier(c, 6, 6, 5, 6) if small(c) else magnifier(c, 9, 9, 7.5, 8)


# Typing helpers

def auto_complete_on(c):
    label(c, "A", 1, 6, DARK_BLUE, large=True, scale=2)
    straight_arrow(c, "right", 12, 9, 22, 17)
    lamp(c, 19, 4, 3)


def auto_complete_off(c):
    auto_complete_on(c)
    c.recolour(greyed)
    slash(c, 2, 21, 21, 2)


def recolour_screen(c):
    for y, colour, length in ((3, BLUE, 16), (8, RED, 12), (13, GREEN, 18), (18, PURPLE, 10)):
        c.paint(rect(1, y, length, y + 2), colour)
    brush(c, 9, 21, 22, 3)


def clear_undo_redo(c):
    undo_arrow(c, 1, 2, 19, 17)
    cross_out(c, 13, 13, 11)


def nothing_to_undo(c):
    undo_arrow(c, 2, 3, 21, 19)
    c.recolour(greyed)


# Help and information

def search_api_messages(c):
    top = window(c, 0, 0, 19, 17)
    label(c, "API", 2, top + 1, DARK_BLUE)
    magnifier(c, 14, 14, 3.6, 4)


def open_help(c):
    c.paint_outlined(disc(9.5, 9.5, 9.4), BLUE, DARK_BLUE)
    label(c, "?", 5, 3, WHITE, large=True, scale=2)


def line_debug_info(c):
    bug(c, 11.5, 1, 22)


def fix_scrolling(c):
    scroll_bar(c, 2, 0, 10, 23)
    wrench(c, 18, 6, 8, 21, 4)


# Moving about

def go_to_line(c):
    for row, digit in enumerate("123"):
        y = 2 + row * 7
        if digit == "2":
            c.paint(rect(7, y - 1, 23, y + 5), LIGHT_YELLOW)
        label(c, digit, 8, y, OUTLINE)
        c.paint(rect(12, y + 2, 22 - row * 3, y + 2), TEXT_LINE)
    straight_arrow(c, "right", 0, 7, 7, 15)


def go_to_sub(c):
    bracket(c, 6, 1, 11, 22)
    label(c, "SUB", 13, 1, DARK_BLUE)
    text_lines(c, 11, 8, 22, 18, step=3)
    straight_arrow(c, "right", 0, 0, 7, 6)


def go_to_sub_end(c):
    bracket(c, 6, 1, 11, 22)
    text_lines(c, 11, 5, 22, 14, step=3)
    label(c, "END", 12, 18, DARK_BLUE)
    straight_arrow(c, "right", 0, 17, 7, 23)


def search_subs(c):
    bracket(c, 0, 1, 5, 18)
    bracket(c, 13, 1, 18, 18, opening=False)
    label(c, "SUB", 4, 4, DARK_BLUE)
    magnifier(c, 14, 14, 5, 6)


def copy_block_to_clipboard(c):
    clipboard(c, 1, 0, 18, 19)
    bracket(c, 5, 6, 7, 15, stroke=1)
    text_lines(c, 9, 7, 14, 14)


def delete_from_block(c):
    bracket(c, 0, 1, 4, 18)
    text_lines(c, 6, 3, 18, 17, step=3)
    cross_out(c, 9, 9, 11)


def copy_to_clipboard(c):
    written_page(c, 1, 1, 11, 14, 3)
    clipboard(c, 10, 6, 22, 23)
    straight_arrow(c, "right", 7, 8, 15, 16)


def copy_to_code_block(c):
    c.paint_outlined(rect(7, 8, 23, 23), WHITE, DARK_BLUE)
    for row in range(3):
        c.paint(rect(9, 11 + row * 4, 10, 12 + row * 4), DARK_GREY)
        c.paint(rect(12, 12 + row * 4, 21 - row * 2, 12 + row * 4), TEXT_LINE)
    written_page(c, 0, 0, 9, 11, 3)
    straight_arrow(c, "down", 10, 0, 18, 9)


def move_to_click(c):
    c.paint(rect(1, 16, 1, 22) | rect(0, 16, 2, 16) | rect(0, 22, 2, 22), DARK_BLUE)
    c.paint({p for index, p in enumerate(sorted(line(4, 19, 12, 9))) if index % 2 == 0}, OUTLINE)
    mouse_pointer(c, 12, 5)


def delete_lines(c):
    for y in range(3, 21, 4):
        c.paint(rect(2, y, 21, y + 1), TEXT_LINE)
    cross_out(c, 4, 4, 16)


def multi_select(c):
    for row in range(3):
        y = 1 + row * 8
        tick_box(c, 1, y, 7)
        tick(c, 2, y + 1, 5)
        c.paint(rect(11, y + 3, 22, y + 3), TEXT_LINE)


def clear_selection(c):
    tick_box(c, 1, 1, 14)
    tick(c, 3, 3, 10)
    eraser(c, 11, 22, 22, 11, 2.3)


def go_to_window(c):
    window(c, 6, 3, 23, 21)
    straight_arrow(c, "right", 0, 1, 10, 9)


def go_to_window_end(c):
    top = window(c, 6, 1, 23, 20)
    label(c, "END", 10, top + 3, DARK_BLUE)
    straight_arrow(c, "right", 0, 15, 10, 23)


def go_to_handler(c):
    window(c, 0, 2, 9, 12)
    straight_arrow(c, "right", 5, 8, 15, 16)
    bracket(c, 16, 4, 22, 21)


# Bookmarks and places

def go_to_bookmark(c):
    ribbon(c, 10, 1, 21, 22)
    straight_arrow(c, "right", 0, 5, 10, 13)


def add_bookmark(c):
    ribbon(c, 3, 1, 14, 22)
    plus(c, 13, 13, 11)


def remove_bookmark(c):
    ribbon(c, 3, 1, 14, 22)
    minus(c, 12, 13, 11)


def clear_bookmarks(c):
    ribbon(c, 1, 1, 10, 18)
    ribbon(c, 7, 4, 16, 21)
    cross_out(c, 12, 12, 12)


def go_back(c):
    straight_arrow(c, "left", 1, 3, 22, 20)


def go_forward(c):
    straight_arrow(c, "right", 1, 3, 22, 20)


def go_back_unavailable(c):
    go_back(c)
    c.recolour(greyed)


def go_forward_unavailable(c):
    go_forward(c)
    c.recolour(greyed)


def add_place(c):
    pin(c, 9, 1, 6.5)
    plus(c, 13, 13, 11)


def remove_place(c):
    pin(c, 9, 1, 6.5)
    minus(c, 12, 13, 11)


def clear_places(c):
    pin(c, 6, 1, 5)
    pin(c, 13, 4, 5)
    cross_out(c, 12, 12, 12)


# Searching

def _keyword(c):
    label(c, "KW", 1, 2, DARK_BLUE, large=True, bold=True)


def find_keyword(c):
    _keyword(c)
    magnifier(c, 13, 13, 5.5, 7)


def clear_keyword_search(c):
    _keyword(c)
    eraser(c, 10, 22, 21, 11, 2.3)


def _marked_words(c):
    c.paint(rect(1, 3, 20, 4), TEXT_LINE)
    c.paint(rect(1, 8, 5, 9), TEXT_LINE)
    c.paint_outlined(rect(7, 6, 15, 11), YELLOW, ORANGE)
    c.paint(rect(17, 8, 21, 9), TEXT_LINE)
    c.paint(rect(1, 14, 9, 15), TEXT_LINE)


def search_words(c):
    _marked_words(c)
    magnifier(c, 14, 14, 5, 6)


def clear_search_words(c):
    _marked_words(c)
    eraser(c, 11, 22, 22, 11, 2.3)


def _replacement(c):
    label(c, "ab", 1, 2, DARK_BLUE, bold=True)
    straight_arrow(c, "right", 12, 1, 22, 9)


def find_and_replace(c):
    _replacement(c)
    magnifier(c, 8, 15, 5, 6)


def clear_find(c):
    _replacement(c)
    eraser(c, 6, 22, 17, 11, 2.3)


def go_to_first_line(c):
    c.paint_outlined(rect(2, 1, 21, 4), BLUE, DARK_BLUE)
    straight_arrow(c, "up", 4, 6, 19, 22)


def go_to_last_line(c):
    c.paint_outlined(rect(2, 19, 21, 22), BLUE, DARK_BLUE)
    straight_arrow(c, "down", 4, 1, 19, 17)


def search_controls(c):
    push_button(c, 1, 3, 21, 14)
    c.paint(rect(5, 8, 15, 9), TEXT_LINE)
    magnifier(c, 15, 15, 5, 6)


def pause_search(c):
    c.paint_outlined(rect(5, 3, 9, 20), BLUE, DARK_BLUE)
    c.paint_outlined(rect(14, 3, 18, 20), BLUE, DARK_BLUE)


def resume_search(c):
    c.paint_outlined(convex([(6, 2), (20, 11.5), (6, 21)]), GREEN, DARK_GREEN)


def stop_search(c):
    c.paint_outlined(rect(4, 4, 19, 19), RED, DARK_RED)


# The application icon

def application_icon(c):
    if small(c):
        page(c, 2, 0, 13, 15, 4)
        label(c, "B", 4, 4, BLUE, large=True)
        for y, colour in ((5, GREEN), (8, RED), (11, PURPLE)):
            c.paint(rect(10, y, 11, y), colour)
        c.paint(rect(4, 13, 10, 13), ORANGE)
    else:
        page(c, 3, 1, 28, 30, 7)
        label(c, "B", 6, 8, BLUE, large=True, scale=2)
        for y, colour, length in ((10, GREEN, 7), (14, RED, 5), (18, PURPLE, 7)):
            c.paint(rect(18, y, 18 + length - 1, y + 1), colour)
        for y, colour, length in ((24, ORANGE, 14), (27, TEXT_LINE, 18)):
            c.paint(rect(6, y, 6 + length - 1, y + 1), colour)


# The notice and question icons: each says at a glance what the window is about.

def question_mark_disc(c, cx, cy, radius):
    """A white question mark in a blue disc, the mark sized to the disc."""
    c.paint_outlined(disc(cx, cy, radius), BLUE, DARK_BLUE)
    if radius >= 11:
        label(c, "?", round(cx - 7), round(cy - 10), WHITE, large=True, scale=3)
    elif radius >= 8:
        label(c, "?", round(cx - 5), round(cy - 7), WHITE, large=True, scale=2)
    elif radius >= 6:
        label(c, "?", round(cx - 2), round(cy - 3), WHITE, large=True)
    else:
        label(c, "?", round(cx - 1), round(cy - 2), WHITE)


def question_icon(c):
    """A question for the user: a question mark in a blue disc."""
    if small(c):
        question_mark_disc(c, 7.5, 7.5, 7.4)
    else:
        question_mark_disc(c, 15.5, 15.5, 15.4)


def save_question_icon(c):
    """Save the changes?: a floppy disk with a question badge."""
    if small(c):
        floppy(c, 0, 0, 12, 12)
        question_mark_disc(c, 11.5, 11.5, 4.2)
    else:
        floppy(c, 1, 1, 23, 23)
        question_mark_disc(c, 22.5, 22.5, 9.2)


def warning_icon(c):
    """A warning or a refusal: a yellow triangle with an exclamation mark."""
    size = c.width
    far = size - 1
    c.paint_outlined(convex([(far / 2, 0), (far, far - 1), (0, far - 1)]), YELLOW, DARK_YELLOW)
    if small(c):
        c.paint(rect(7, 5, 8, 10), OUTLINE)
        c.paint(rect(7, 12, 8, 13), OUTLINE)
    else:
        c.paint(convex([(13.5, 10), (17.5, 10), (16.5, 22), (14.5, 22)]), OUTLINE)
        c.paint(rect(14, 25, 17, 28), OUTLINE)


def done_icon(c):
    """Done: a bold green tick."""
    if small(c):
        width, points = 1.5, ((1.5, 8.5), (6, 13), (14.5, 2.5))
    else:
        width, points = 3.0, ((3, 17), (12, 26), (29, 5))
    (ax, ay), (bx, by), (cx, cy) = points
    c.paint_outlined(union(bar(ax, ay, bx, by, width), bar(bx, by, cx, cy, width), disc(bx, by - 0.5, width)),
                     GREEN, DARK_GREEN)


# First-time setup and the welcome text

def setup_tick(c):
    tick(c, 2, 3, 18)


def setup_cross(c):
    cross_out(c, 1, 1, 20)


def welcome_pointer(c):
    """Points left, at the open-file button beside it."""
    straight_arrow(c, "left", 1, 4, 21, 18, fill=RED, outline=DARK_RED)
