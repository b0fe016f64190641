"""The colours every image is drawn with, so that all of them look like one set."""

# The button code swaps this colour for the button face; nothing drawn may use it.
TRANSPARENT = (16, 16, 16)

OUTLINE = (32, 32, 40)

WHITE = (255, 255, 255)
PAPER_SHADE = (214, 222, 234)
PAPER_EDGE = (84, 96, 120)
TEXT_LINE = (120, 136, 164)

BLUE = (58, 118, 214)
LIGHT_BLUE = (150, 196, 250)
DARK_BLUE = (24, 52, 120)

GREEN = (54, 176, 66)
LIGHT_GREEN = (140, 226, 130)
DARK_GREEN = (20, 100, 30)

RED = (222, 44, 40)
DARK_RED = (128, 18, 18)

YELLOW = (250, 212, 70)
LIGHT_YELLOW = (255, 240, 160)
DARK_YELLOW = (156, 108, 18)

ORANGE = (244, 140, 36)
DARK_ORANGE = (150, 70, 10)

BROWN = (176, 118, 60)
DARK_BROWN = (98, 58, 24)

SILVER = (200, 204, 212)
GREY = (150, 154, 162)
DARK_GREY = (88, 92, 100)

PINK = (246, 160, 190)
DARK_PINK = (150, 60, 96)

PURPLE = (150, 90, 200)
DARK_PURPLE = (72, 30, 110)


GOLD = (232, 170, 48)
BEIGE = (246, 214, 160)
