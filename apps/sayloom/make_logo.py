#!/usr/bin/python3
"""Draws the reader's logo, sayloom.png, for its About window: a speaking mouth of sound waves
over the program's name, in the style of the editor's logo.

Usage: make_logo.py [output file]
"""

import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

LATIN_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def gradient(size, top, bottom):
    width, height = size
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(height):
        for x in range(0, width, 4):
            t = (x + y) / (width + height)
            colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
            draw.line((x, y, x + 3, y), fill=colour)
    return image


def logo(path):
    size = 256
    scale = 4  # drawn large and scaled down for smooth edges
    big = size * scale
    mark = gradient((big, big), (66, 133, 214), (21, 67, 140)).convert("RGBA")
    mask = Image.new("L", (big, big), 0)
    ImageDraw.Draw(mask).rounded_rectangle((8 * scale, 8 * scale, big - 8 * scale, big - 8 * scale),
                                           radius=48 * scale, fill=255)
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    image.paste(mark, (0, 0), mask)
    draw = ImageDraw.Draw(image)
    # A speaker and three waves.
    cx, cy = 92 * scale, 104 * scale
    draw.rectangle((cx - 34 * scale, cy - 18 * scale, cx - 12 * scale, cy + 18 * scale), fill="white")
    draw.polygon([(cx - 14 * scale, cy - 18 * scale), (cx + 18 * scale, cy - 46 * scale),
                  (cx + 18 * scale, cy + 46 * scale), (cx - 14 * scale, cy + 18 * scale)], fill="white")
    for k, radius in enumerate([34, 60, 86]):
        r = radius * scale
        box = (cx + 4 * scale - r, cy - r, cx + 4 * scale + r, cy + r)
        draw.arc(box, start=-42, end=42, fill=(200, 222, 250) if k else "white", width=11 * scale)
    name = ImageFont.truetype(LATIN_BOLD, 38 * scale)
    draw.text((big / 2, 206 * scale), "Sayloom", font=name, fill="white", anchor="ms")
    image.resize((size, size), Image.LANCZOS).save(path, optimize=True)


def main():
    logo(Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent / "sayloom.png")


if __name__ == "__main__":
    main()
