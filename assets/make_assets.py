#!/usr/bin/env python3
"""Build Velmora's picture assets from GNU Unifont glyphs.

Writes, next to this script:
  glyphs.bmp  176x32, 1 bit per pixel: the piece characters, upright and turned
  icon.ico    32x32, 16 colours: the window icon
  icon-N.png  the menu icons made from it (make_icons.py)

Run:  python3 assets/make_assets.py   (needs the Debian package `unifont`)
Plain Python 3 only; the image files are written by hand with struct so the
build machine needs nothing beyond the font package.
"""

import struct
import sys
from pathlib import Path

import make_icons

HERE = Path(__file__).resolve().parent

# The Japanese-style glyphs come first; plain Unifont only fills gaps.
HEX_FILES = [
    Path("/usr/share/unifont/unifont_jp.hex"),
    Path("/usr/share/unifont/unifont.hex"),
]

CELL = 16

# Piece type number -> character. Type t lives in sheet column t-1.
PIECES = {
    1: 0x6B69,   # 歩 pawn
    2: 0x9280,   # 銀 silver
    3: 0x89D2,   # 角 bishop
    4: 0x98DB,   # 飛 rook
    5: 0x91D1,   # 金 gold
    6: 0x7389,   # 玉 king
    7: 0x3068,   # と promoted pawn
    8: 0x5168,   # 全 promoted silver (a readable stand-in for the cursive form)
    9: 0x99AC,   # 馬 promoted bishop
    10: 0x7ADC,  # 竜 promoted rook
}

# Small "2" laid over a piece in hand when two are held. The whole 6x6 patch
# is copied onto the tile, so its blank border also clears the piece glyph
# under it and keeps the digit readable. Drawn upright; '#' = ink.
SMALL_TWO = [
    "......",
    ".###..",
    "....#.",
    "..##..",
    ".#....",
    ".####.",
]
SMALL_TWO_UPRIGHT_AT = (170, 26)   # top-left of the upright patch in the sheet
SMALL_TWO_TURNED_AT = (160, 16)    # top-left of the turned patch

SHEET_W, SHEET_H = 11 * CELL, 2 * CELL


# ---------------------------------------------------------------- glyphs

def load_glyphs(codepoints):
    """Return {codepoint: 16x16 list of rows of 0/1 (1 = ink)}."""
    wanted = set(codepoints)
    found = {}
    for path in HEX_FILES:
        if not path.exists():
            continue
        with path.open(encoding="ascii") as f:
            for line in f:
                cp_text, _, bits = line.strip().partition(":")
                if not bits:
                    continue
                cp = int(cp_text, 16)
                if cp in wanted and cp not in found:
                    found[cp] = parse_hex_glyph(cp, bits)
    missing = wanted - found.keys()
    if missing:
        names = ", ".join(f"U+{cp:04X}" for cp in sorted(missing))
        sys.exit(f"missing glyphs {names}; install the Debian package 'unifont'")
    return found


def parse_hex_glyph(cp, bits):
    if len(bits) != 64:
        sys.exit(f"U+{cp:04X} is not a 16x16 glyph in the hex file")
    rows = []
    for r in range(CELL):
        word = int(bits[4 * r:4 * r + 4], 16)
        rows.append([(word >> (15 - x)) & 1 for x in range(CELL)])
    return rows


def turned(img):
    """Rotate by 180 degrees: the view of an opponent's piece."""
    return [row[::-1] for row in img[::-1]]


def ink_box(img):
    """(x0, y0, x1, y1) of the inked pixels, inclusive, or None if blank."""
    xs = [x for row in img for x, v in enumerate(row) if v]
    ys = [y for y, row in enumerate(img) if any(row)]
    if not xs:
        return None
    return min(xs), min(ys), max(xs), max(ys)


def fit_cell(img):
    """Keep ink off the cell's first row and last column, where the grid lies.

    A tile starts one pixel right of a vertical grid line and on a horizontal
    one, and the grid is drawn last, so ink in row 0 or column 15 would vanish.
    Shifts down and left by one pixel where the opposite edge is free.
    Returns (image, shifted?).
    """
    shifted = False
    if any(img[0]) and not any(img[CELL - 1]):
        img, shifted = [[0] * CELL] + img[:-1], True
    if any(row[CELL - 1] for row in img) and not any(row[0] for row in img):
        img, shifted = [row[1:] + [0] for row in img], True
    return img, shifted


def blit(canvas, img, left, top):
    for y, row in enumerate(img):
        for x, v in enumerate(row):
            canvas[top + y][left + x] = v


def build_sheet(glyphs):
    ink = [[0] * SHEET_W for _ in range(SHEET_H)]
    print("type char  row      ink box in cell      shifted")
    for t, cp in PIECES.items():
        # Each row is fitted on its own: turning moves the free column to
        # the other side, so the turned copy may need the shift undone.
        for row, img in ((0, glyphs[cp]), (1, turned(glyphs[cp]))):
            img, shifted = fit_cell(img)
            blit(ink, img, (t - 1) * CELL, row * CELL)
            x0, y0, x1, y1 = ink_box(img)
            print(f"{t:>4} {chr(cp):>3}   {'upright' if row == 0 else 'turned '}"
                  f"  ({x0:2},{y0:2})-({x1:2},{y1:2})    "
                  f"{'yes' if shifted else 'no'}")
    two = [[1 if c == "#" else 0 for c in line] for line in SMALL_TWO]
    blit(ink, two, *SMALL_TWO_UPRIGHT_AT)
    blit(ink, turned(two), *SMALL_TWO_TURNED_AT)
    return ink


# ---------------------------------------------------------------- files

def pack_rows(pixels, bpp):
    """BMP pixel data: rows bottom-up, MSB first, each row padded to 4 bytes."""
    per_byte = 8 // bpp
    out = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for i in range(0, len(row), per_byte):
            byte = 0
            for j, v in enumerate(row[i:i + per_byte]):
                byte |= v << (8 - bpp * (j + 1))
            line.append(byte)
        line.extend(b"\0" * (-len(line) % 4))
        out += line
    return bytes(out)


def info_header(width, height, bpp, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0,
                       image_size, 2835, 2835, colours, 0)


def palette_bytes(colours):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)


def write_bmp_1bpp(path, ink):
    # Index 0 = black, 1 = white; ink becomes black.
    pixels = [[0 if v else 1 for v in row] for row in ink]
    data = pack_rows(pixels, 1)
    palette = palette_bytes([(0, 0, 0), (255, 255, 255)])
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    path.write_bytes(header + info_header(len(ink[0]), len(ink), 1, len(data), 2)
                     + palette + data)


def write_ico_4bpp(path, pixels, colours):
    size = len(pixels)
    xor = pack_rows(pixels, 4)
    and_mask = pack_rows([[0] * size for _ in range(size)], 1)  # fully opaque
    # Icon bitmaps state twice the height: colour rows then mask rows.
    image = (info_header(size, 2 * size, 4, len(xor) + len(and_mask), 16)
             + palette_bytes(colours) + xor + and_mask)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    path.write_bytes(icondir + entry + image)


# ---------------------------------------------------------------- icon

ICON_COLOURS = [
    (0, 0, 0),        # 0 ink
    (255, 255, 255),  # 1 white
    (30, 90, 40),     # 2 dark green: frame and grid
    (170, 220, 150),  # 3 light green: board
    (240, 215, 160),  # 4 beige: piece face
    (130, 90, 40),    # 5 brown: piece edge
] + [(0, 0, 0)] * 10  # unused, but a 4-bit palette has 16 slots

DARK, LIGHT, FACE, EDGE = 2, 3, 4, 5


def piece_half_width(y):
    """Half width of the piece outline on icon row y, or None above/below it.

    A pentagon centred between columns 15 and 16: a pointed top on rows 3..7,
    then straight sides down to a flat base on row 29.
    """
    if y < 3 or y > 29:
        return None
    if y <= 7:
        return 1.0 + 2.0 * (y - 3)
    return 10.0


def build_icon(glyph):
    size = 32
    # Board: a dark frame, then five 6-pixel cells with grid lines between.
    grid = {0, 6, 12, 19, 25, 31}
    px = [[DARK if (x in grid or y in grid) else LIGHT for x in range(size)]
          for y in range(size)]
    # Piece face with a one-pixel edge.
    inside = [[False] * size for _ in range(size)]
    for y in range(size):
        hw = piece_half_width(y)
        if hw is None:
            continue
        for x in range(size):
            if abs(x + 0.5 - 16) <= hw:
                inside[y][x] = True
    for y in range(size):
        for x in range(size):
            if not inside[y][x]:
                continue
            rim = any(not (0 <= y + dy < size and 0 <= x + dx < size
                           and inside[y + dy][x + dx])
                      for dy, dx in ((-1, 0), (1, 0), (0, -1), (0, 1)))
            px[y][x] = EDGE if rim else FACE
    # Character centred on the face, sitting a little low like a real piece.
    left, top = 8, 11
    for y, row in enumerate(glyph):
        for x, v in enumerate(row):
            if v:
                px[top + y][left + x] = 0
    return px


def main():
    glyphs = load_glyphs(PIECES.values())
    sheet = build_sheet(glyphs)
    write_bmp_1bpp(HERE / "glyphs.bmp", sheet)
    write_ico_4bpp(HERE / "icon.ico", build_icon(glyphs[PIECES[6]]), ICON_COLOURS)
    print(f"wrote {HERE / 'glyphs.bmp'} and {HERE / 'icon.ico'}")
    # The menu icons are made from the window icon, so they follow it.
    make_icons.main()


if __name__ == "__main__":
    main()
