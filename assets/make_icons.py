#!/usr/bin/env python3
"""Make the desktop icons from the window icon.

Reads icon.ico (32x32, 16 colours, written by make_assets.py) and writes, next
to this script, icon-N.png for N = 16, 32, 48, 64, 128 and 256:

  32, 64, 128, 256  the window icon enlarged 1, 2, 4 and 8 times;
  16                the redraw below, since halving would drop the glyph's
                    one-pixel strokes;
  48                the 16 redraw enlarged 3 times: 48 is no whole multiple
                    of 32, and the 32 icon at 1x in a 48 slot would look
                    a third smaller than its neighbours in a menu.

Every enlargement repeats each pixel, so the icons stay as crisp as the
window's own. Run:  python3 assets/make_icons.py   (plain Python 3)
"""

import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent

# The 16x16 icon, drawn by hand after the 32x32 one at half its size: the same
# board (frame and grid lines, two-pixel cells) and the same piece with 玉,
# its strokes one pixel wide. Letters name the window icon's palette entries.
SMALL_ICON = [
    "GGGGGGGGGGGGGGGG",
    "GLLGLLGEEGLLGLLG",
    "GLLGLEEFFEELGLLG",
    "GGGEEFFFFFFEEGGG",
    "GLLEFFFFFFFFELLG",
    "GLLEFFFFFFFFELLG",
    "GGGEF#####FFEGGG",
    "GLLEFFF#FFFFELLG",
    "GLLEFFF#FFFFELLG",
    "GGGEFF###FFFEGGG",
    "GLLEFFF#F#FFELLG",
    "GLLEFFF#FFFFELLG",
    "GGGE#######FEGGG",
    "GLLEFFFFFFFFELLG",
    "GLLEEEEEEEEEELLG",
    "GGGGGGGGGGGGGGGG",
]
SMALL_ICON_INDEX = {"#": 0, "G": 2, "L": 3, "F": 4, "E": 5}

# Size in the menu -> (source image, whole-number enlargement).
ICONS = {
    16: ("small", 1),
    32: ("window", 1),
    48: ("small", 3),
    64: ("window", 2),
    128: ("window", 4),
    256: ("window", 8),
}


def read_window_icon(path):
    """Return (palette as (r, g, b) triples, rows of palette indices) of a
    one-image, 4-bit, bottom-up ICO such as make_assets.py writes."""
    data = path.read_bytes()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    if kind != 1 or count != 1:
        sys.exit(f"{path}: expected an icon file holding one image")
    width, height, _, _, _, bpp, _, offset = struct.unpack_from("<BBBBHHII", data, 6)
    header_size, _, _, _, header_bpp = struct.unpack_from("<IiiHH", data, offset)
    if bpp != 4 or header_bpp != 4 or width != 32 or height != 32:
        sys.exit(f"{path}: expected a 32x32 image with 16 colours")
    palette_at = offset + header_size
    palette = [struct.unpack_from("<BBB", data, palette_at + 4 * i)[::-1] for i in range(16)]
    row_bytes = width // 2
    pixels_at = palette_at + 4 * 16
    rows = []
    for y in range(height):
        line = data[pixels_at + y * row_bytes:pixels_at + (y + 1) * row_bytes]
        rows.append([nibble for byte in line for nibble in (byte >> 4, byte & 15)])
    return palette, rows[::-1]


def enlarged(rows, factor):
    return [[v for v in row for _ in range(factor)] for row in rows for _ in range(factor)]


def png_chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body
            + struct.pack(">I", zlib.crc32(kind + body)))


def write_png(path, rows, palette):
    """An 8-bit indexed PNG, fully opaque like the window icon."""
    size = len(rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0)
    scanlines = b"".join(b"\0" + bytes(row) for row in rows)
    path.write_bytes(b"\x89PNG\r\n\x1a\n"
                     + png_chunk(b"IHDR", header)
                     + png_chunk(b"PLTE", b"".join(bytes(c) for c in palette))
                     + png_chunk(b"IDAT", zlib.compress(scanlines, 9))
                     + png_chunk(b"IEND", b""))


def main():
    palette, window = read_window_icon(HERE / "icon.ico")
    sources = {
        "window": window,
        "small": [[SMALL_ICON_INDEX[c] for c in line] for line in SMALL_ICON],
    }
    for size, (source, factor) in ICONS.items():
        rows = enlarged(sources[source], factor)
        assert len(rows) == size and all(len(row) == size for row in rows)
        write_png(HERE / f"icon-{size}.png", rows, palette)
        print(f"wrote {HERE / f'icon-{size}.png'}")


if __name__ == "__main__":
    main()
