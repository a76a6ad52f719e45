#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the "Orvel Accidentals" font, embedded in the program as a C++
byte array: the sharp, flat, double sharp and double flat drawn with the
stems of a text face and as tall as its capitals, so that A♭ never reads as
"A,". The usual text faces draw them thin and short, as music symbols.

    accidentals-font.py OUTPUT.cpp

The outlines are polygons on a 1000-unit em; curves are fine polylines, which
no one sees at text sizes. The vertical metrics are kept below any text
face's, so a line that mixes this font in is no taller.
"""

import math
import sys
from io import BytesIO

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

FAMILY = "Orvel Accidentals"
EM = 1000
STEM = 92  # a regular sans capital's stem
CAP = 730


def polygon(pen, points):
    """A solid shape: every contour runs clockwise, as TrueType fills it."""
    area = sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]))
    if area > 0:
        points = list(reversed(points))
    pen.moveTo(points[0])
    for point in points[1:]:
        pen.lineTo(point)
    pen.closePath()


def rectangle(pen, left, bottom, right, top):
    polygon(pen, [(left, bottom), (left, top), (right, top), (right, bottom)])


def rounded(points):
    return [(round(x), round(y)) for x, y in points]


def bowl(pen, stem_right, x_offset=0):
    """A flat's bowl, one crescent from the stem's top right to its foot."""
    start = stem_right - 40 + x_offset

    def curve(top, bottom, width, steps=24):
        return [(start + width * math.sin(math.pi * (i / steps) ** 0.62),
                 top + (bottom - top) * i / steps) for i in range(steps + 1)]

    outer = curve(470, -10, 330)
    inner = curve(350, 96, 205)
    polygon(pen, rounded(outer + list(reversed(inner))))


def flat(pen, x_offset=0):
    left = 70 + x_offset
    rectangle(pen, left, -10, left + STEM, 790)
    bowl(pen, left + STEM)


def sharp(pen):
    rectangle(pen, 185, -90, 185 + STEM, 690)
    rectangle(pen, 355, -40, 355 + STEM, 740)
    rise, thickness = 110, 104
    for low in (160, 400):
        polygon(pen, [(60, low), (60, low + thickness), (570, low + thickness + rise),
                      (570, low + rise)])


def double_sharp(pen):
    centre_x, centre_y, reach, half = 300, 300, 190, 52
    for sign in (1, -1):
        # One diagonal bar, corner to corner.
        dx, dy = reach, sign * reach
        nx, ny = -sign * half, half
        polygon(pen, rounded([(centre_x - dx - nx, centre_y - dy - ny),
                              (centre_x - dx + nx, centre_y - dy + ny),
                              (centre_x + dx + nx, centre_y + dy + ny),
                              (centre_x + dx - nx, centre_y + dy - ny)]))
    head = 78
    for x in (centre_x - reach, centre_x + reach):
        for y in (centre_y - reach, centre_y + reach):
            rectangle(pen, x - head, y - head, x + head, y + head)


GLYPHS = {
    # name: (code point, advance width, drawing)
    "flat": (0x266D, 520, flat),
    "sharp": (0x266F, 640, sharp),
    "doubleflat": (0x1D12B, 900, lambda pen: (flat(pen), flat(pen, 360))),
    "doublesharp": (0x1D12A, 620, double_sharp),
}


def build():
    names = [".notdef", "space"] + list(GLYPHS)
    builder = FontBuilder(EM, isTTF=True)
    builder.setupGlyphOrder(names)
    builder.setupCharacterMap({0x20: "space", **{code: name for name, (code, _, _) in GLYPHS.items()}})
    outlines = {".notdef": TTGlyphPen(None).glyph(), "space": TTGlyphPen(None).glyph()}
    advances = {".notdef": 500, "space": 300}
    for name, (_, advance, draw) in GLYPHS.items():
        pen = TTGlyphPen(None)
        draw(pen)
        outlines[name] = pen.glyph()
        advances[name] = advance
    builder.setupGlyf(outlines)
    glyf = builder.font["glyf"]
    builder.setupHorizontalMetrics(
        {name: (advances[name], getattr(glyf[name], "xMin", 0)) for name in names})
    ascent, descent = 800, 150
    builder.setupHorizontalHeader(ascent=ascent, descent=-descent)
    builder.setupNameTable({"familyName": FAMILY, "styleName": "Regular"})
    builder.setupOS2(sTypoAscender=ascent, sTypoDescender=-descent, sTypoLineGap=0,
                     usWinAscent=ascent, usWinDescent=descent, sCapHeight=CAP, sxHeight=530)
    builder.setupPost()
    # The same bytes from every build: no time of making in the font.
    builder.font["head"].created = builder.font["head"].modified = 0
    builder.font.recalcTimestamp = False
    return builder.font


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    data = BytesIO()
    build().save(data)
    font = data.getvalue()
    rows = [", ".join(str(byte) for byte in font[i:i + 24]) for i in range(0, len(font), 24)]
    with open(sys.argv[1], "w", encoding="utf-8") as out:
        out.write("// Written by tools/accidentals-font.py: do not edit.\n"
                  "#include <cstddef>\n\n"
                  "namespace orvel {\n\n"
                  "extern const unsigned char kAccidentalsFont[] = {\n    " + ",\n    ".join(rows) +
                  "\n};\n"
                  f"extern const std::size_t kAccidentalsFontSize = {len(font)};\n\n"
                  "}  // namespace orvel\n")


if __name__ == "__main__":
    main()
