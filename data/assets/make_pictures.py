#!/usr/bin/python3
"""Draws the program's pictures: the two appendix tables, the reader's four
backgrounds, the two programs' logos and the toolbar pictures of the annotation commands.

Chinese is set in WenQuanYi Micro Hei, Latin letters and IPA in DejaVu Sans.
The backgrounds use a fixed random seed, so a rerun gives the same files.

Usage: make_pictures.py [output folder]
"""

import math
import random
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
LATIN_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
LATIN_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

INK = (34, 40, 34)
TITLE = (27, 94, 32)
HEADER_FILL = (56, 125, 60)
HEADER_INK = (255, 255, 255)
STRIPE = (238, 246, 236)
RULE = (160, 196, 160)
BRITISH = (21, 67, 140)
AMERICAN = (160, 40, 40)
NOTE = (90, 100, 90)

BACKGROUND_SIZE = (800, 540)


def is_cjk(ch):
    code = ord(ch)
    return code >= 0x2E80 or 0x3000 <= code <= 0x303F or 0xFF00 <= code <= 0xFFEF


class Writer:
    """Draws mixed Chinese and Latin text on one baseline, each run in its own font."""

    def __init__(self, draw):
        self.draw = draw
        self.cache = {}

    def font(self, path, size):
        key = (path, size)
        if key not in self.cache:
            self.cache[key] = ImageFont.truetype(path, size)
        return self.cache[key]

    def runs(self, text, size, bold):
        latin = LATIN_BOLD if bold else LATIN_FONT
        run, run_cjk = "", None
        for ch in text:
            cjk = is_cjk(ch)
            if run and cjk != run_cjk:
                yield run, self.font(CJK_FONT if run_cjk else latin, size)
                run = ""
            run, run_cjk = run + ch, cjk
        if run:
            yield run, self.font(CJK_FONT if run_cjk else latin, size)

    def width(self, text, size, bold=False):
        return sum(font.getlength(run) for run, font in self.runs(text, size, bold))

    def text(self, x, baseline, text, size, fill=INK, bold=False):
        for run, font in self.runs(text, size, bold):
            self.draw.text((x, baseline), run, font=font, fill=fill, anchor="ls")
            if bold and font.path == CJK_FONT:
                # The CJK font has no bold face: a second pass one pixel over thickens it.
                self.draw.text((x + 1, baseline), run, font=font, fill=fill, anchor="ls")
            x += font.getlength(run)
        return x

    def centred(self, left, right, baseline, text, size, fill=INK, bold=False):
        x = left + (right - left - self.width(text, size, bold)) / 2
        self.text(x, baseline, text, size, fill, bold)


def save_gif(image, path):
    image.convert("RGB").quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                                  dither=Image.Dither.FLOYDSTEINBERG).save(path, optimize=True)


def draw_table(size, title, columns, rows, note, row_height, line_gap, path, header_height=28):
    """columns: (header, width, colour); rows: lists of cells, each cell a list of lines.
    A row whose first cell is None continues the group of the row above it."""
    image = Image.new("RGB", size, "white")
    draw = ImageDraw.Draw(image)
    write = Writer(draw)
    width, height = size
    margin = (width - sum(c[1] for c in columns)) // 2

    write.centred(0, width, 34, title, 24, TITLE, bold=True)
    top = 46
    draw.rectangle((margin, top, width - margin - 1, top + header_height), fill=HEADER_FILL)
    x = margin
    for header, column_width, _ in columns:
        write.centred(x, x + column_width, top + header_height - 8, header, 14, HEADER_INK, bold=True)
        x += column_width

    y = top + header_height
    group = 0
    for row in rows:
        if row[0] is not None:
            group += 1
        if group % 2 == 0:
            draw.rectangle((margin, y, width - margin - 1, y + row_height - 1), fill=STRIPE)
        starts_group = row[0] is not None
        left = margin if starts_group else margin + columns[0][1]
        draw.line((left, y, width - margin - 1, y), fill=RULE)
        x = margin
        for cell, (_, column_width, colour) in zip(row, columns):
            lines = cell or []
            block = (len(lines) - 1) * line_gap
            baseline = y + (row_height - block) / 2 + 5
            for line in lines:
                write.text(x + 8, baseline, line, 15 if colour in (BRITISH, AMERICAN) else 14, colour)
                baseline += line_gap
            x += column_width
        y += row_height

    draw.rectangle((margin, top, width - margin - 1, y), outline=HEADER_FILL)
    x = margin
    for _, column_width, _ in columns[:-1]:
        x += column_width
        draw.line((x, top + header_height, x, y), fill=RULE)
    write.text(margin, y + 20, note, 12, NOTE)
    assert y + 26 <= height, f"{path.name}: table runs off the picture"
    save_gif(image, path)


def british_american(path):
    columns = [("差异", 216, INK), ("例词", 96, INK), ("英式音标", 172, BRITISH), ("美式音标", 172, AMERICAN)]
    rows = [
        (["元音后的字母 r", "英式不读，美式卷舌"], ["car", "more"], ["/kɑː/", "/mɔː/"], ["/kɑːr/", "/mɔːr/"]),
        (["重读的 er、ir、ur", "英 ɜː，美 ɜːr"], ["bird", "work"], ["/bɜːd/", "/wɜːk/"], ["/bɜːrd/", "/wɜːrk/"]),
        (["非重读的 er、or、ar", "英 ə，美 ər"], ["teacher", "doctor"], ["/ˈtiːtʃə/", "/ˈdɒktə/"],
         ["/ˈtiːtʃər/", "/ˈdɑːktər/"]),
        (["双元音 ɪə、eə、ʊə", "美式读 ɪr、er、ʊr"], ["near", "hair"], ["/nɪə/", "/heə/"], ["/nɪr/", "/her/"]),
        (["字母 o 的短元音", "英 ɒ，美 ɑː"], ["hot", "stop"], ["/hɒt/", "/stɒp/"], ["/hɑːt/", "/stɑːp/"]),
        (["双元音 əʊ", "美式读 oʊ"], ["go", "home"], ["/ɡəʊ/", "/həʊm/"], ["/ɡoʊ/", "/hoʊm/"]),
        (["ask、dance 类词的 a", "英 ɑː，美 æ"], ["ask", "dance"], ["/ɑːsk/", "/dɑːns/"], ["/æsk/", "/dæns/"]),
        (["元音之间的 t", "美式常读闪音 ɾ"], ["city", "better"], ["/ˈsɪti/", "/ˈbetə/"], ["/ˈsɪɾi/", "/ˈbeɾər/"]),
        (["t、d、n 后的 u、ew", "美式常不读 j"], ["new", "student"], ["/njuː/", "/ˈstjuːdnt/"],
         ["/nuː/", "/ˈstuːdnt/"]),
        (["词尾 -ary、-ory", "美式多读一个元音"], ["secretary", "territory"], ["/ˈsekrətri/", "/ˈterətri/"],
         ["/ˈsekrəteri/", "/ˈterətɔːri/"]),
        (["个别单词", "读音不同"], ["tomato", "schedule"], ["/təˈmɑːtəʊ/", "/ˈʃedjuːl/"],
         ["/təˈmeɪtoʊ/", "/ˈskedʒuːl/"]),
    ]
    draw_table((680, 550), "英美发音差异", columns, rows,
               "注：英式音标按第 15 版惯例，美式音标按常用的美音写法；ˈ 为重音。",
               row_height=40, line_gap=17, path=path)


def suffixes(path):
    columns = [("后缀", 72, INK), ("读音", 82, BRITISH), ("例词", 104, INK), ("例词音标", 132, BRITISH),
               ("说明", 205, NOTE)]
    table = [
        ("-s, -es", "/s/", "cats", "/kæts/", "清辅音后"),
        (None, "/z/", "dogs", "/dɒɡz/", "浊辅音和元音后"),
        (None, "/ɪz/", "boxes", "/ˈbɒksɪz/", "s、z、ʃ、ʒ、tʃ、dʒ 后"),
        ("-ed", "/t/", "looked", "/lʊkt/", "t 以外的清辅音后"),
        (None, "/d/", "played", "/pleɪd/", "d 以外的浊辅音和元音后"),
        (None, "/ɪd/", "wanted", "/ˈwɒntɪd/", "t、d 后"),
        ("-ing", "/ɪŋ/", "reading", "/ˈriːdɪŋ/", "不改变词的重音"),
        ("-tion", "/ʃn/", "nation", "/ˈneɪʃn/", "重音在后缀前一音节"),
        ("-sion", "/ʒn/", "vision", "/ˈvɪʒn/", "辅音后读 /ʃn/：mansion"),
        ("-ture", "/tʃə/", "picture", "/ˈpɪktʃə/", "美式读 /tʃər/"),
        ("-ous", "/əs/", "famous", "/ˈfeɪməs/", "不重读"),
        ("-able", "/əbl/", "comfortable", "/ˈkʌmftəbl/", "不重读"),
        ("-ful", "/fl/", "useful", "/ˈjuːsfl/", "也读 /fʊl/"),
        ("-less", "/ləs/", "careless", "/ˈkeələs/", "不重读"),
        ("-ness", "/nəs/", "kindness", "/ˈkaɪndnəs/", "不改变词的重音"),
        ("-ment", "/mənt/", "movement", "/ˈmuːvmənt/", "不改变词的重音"),
        ("-ly", "/li/", "quickly", "/ˈkwɪkli/", "不改变词的重音"),
        ("-ity", "/əti/", "ability", "/əˈbɪləti/", "重音在后缀前一音节"),
        ("-ic", "/ɪk/", "music", "/ˈmjuːzɪk/", "重音在后缀前一音节"),
        ("-ive", "/ɪv/", "active", "/ˈæktɪv/", "不重读"),
        ("-age", "/ɪdʒ/", "village", "/ˈvɪlɪdʒ/", "不重读"),
        ("-ate", "/eɪt/", "educate", "/ˈedʒukeɪt/", "动词读 /eɪt/，形容词读 /ət/"),
        ("-ize", "/aɪz/", "realize", "/ˈriːəlaɪz/", "英式也拼作 -ise"),
        ("-ee", "/iː/", "employee", "/ˌemplɔɪˈiː/", "后缀重读"),
    ]
    rows = [[None if cell is None else [cell] for cell in row] for row in table]
    draw_table((615, 610), "英语常见后缀的发音", columns, rows,
               "注：英式音标，第 15 版惯例；ˈ 为重音，ˌ 为次重音。",
               row_height=21, line_gap=0, path=path, header_height=26)


def gradient(size, top, bottom, diagonal=False):
    width, height = size
    image = Image.new("RGB", size)
    pixels = image.load()
    span = width + height if diagonal else height
    for y in range(height):
        for x in range(width):
            t = (x + y) / span if diagonal else y / span
            pixels[x, y] = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
    return image


def overlay(base, paint, blur=0, clear=(255, 255, 255)):
    # The transparent colour is that of the strokes, so blurred edges fade without a dark rim.
    layer = Image.new("RGBA", base.size, clear + (0,))
    paint(ImageDraw.Draw(layer))
    if blur:
        layer = layer.filter(ImageFilter.GaussianBlur(blur))
    return Image.alpha_composite(base.convert("RGBA"), layer).convert("RGB")


def grass(path, rng):
    width, height = BACKGROUND_SIZE
    image = gradient(BACKGROUND_SIZE, (246, 252, 240), (208, 235, 196))

    def blades(draw):
        for _ in range(900):
            x = rng.uniform(-10, width + 10)
            length = rng.uniform(40, 150)
            lean = rng.uniform(-25, 25)
            shade = rng.choice([(120, 180, 90), (95, 160, 80), (150, 200, 110), (80, 145, 70)])
            alpha = rng.randint(50, 110)
            points = []
            for step in range(9):
                t = step / 8
                points.append((x + lean * t * t, height - length * t))
            draw.line(points, fill=shade + (alpha,), width=2 if length > 90 else 1)

    save_gif(overlay(image, blades, blur=0.6, clear=(120, 180, 90)), path)


def bokeh(path, rng, top, bottom, tint):
    width, height = BACKGROUND_SIZE
    image = gradient(BACKGROUND_SIZE, top, bottom)

    def circles(draw):
        for _ in range(30):
            r = rng.uniform(18, 70)
            x, y = rng.uniform(0, width), rng.uniform(0, height)
            colour = rng.choice([(255, 255, 255), tint])
            draw.ellipse((x - r, y - r, x + r, y + r), fill=colour + (rng.randint(30, 70),))

    save_gif(overlay(image, circles, blur=6, clear=tint), path)


def waves(path, rng):
    width, height = BACKGROUND_SIZE
    image = gradient(BACKGROUND_SIZE, (243, 249, 255), (204, 225, 245))

    def lines(draw):
        for k in range(14):
            base = height * (0.35 + k * 0.05)
            amplitude = rng.uniform(8, 22)
            period = rng.uniform(260, 480)
            phase = rng.uniform(0, 2 * math.pi)
            points = [(x, base + amplitude * math.sin(2 * math.pi * x / period + phase))
                      for x in range(0, width + 1, 4)]
            draw.line(points, fill=(255, 255, 255, rng.randint(70, 130)), width=rng.choice([2, 3, 4]))

    save_gif(overlay(image, lines, blur=1.2), path)


def silver(path, rng):
    width, height = BACKGROUND_SIZE
    image = gradient(BACKGROUND_SIZE, (250, 250, 251), (196, 200, 206), diagonal=True)

    def brushed(draw):
        for y in range(0, height, 2):
            shade = rng.randint(0, 255)
            draw.line((0, y, width, y), fill=(shade, shade, shade, rng.randint(4, 14)))

    def sheen(draw):
        draw.ellipse((-200, -260, width * 0.8, height * 0.45), fill=(255, 255, 255, 90))

    image = overlay(image, brushed, blur=0.8, clear=(128, 128, 128))
    save_gif(overlay(image, sheen, blur=70), path)


LOGO_SIZE = 256
LOGO_SCALE = 4  # drawn large and scaled down for smooth edges


def logo_tile(top, bottom, diagonal):
    """A program logo's rounded gradient tile, drawn at LOGO_SCALE times its size."""
    big = LOGO_SIZE * LOGO_SCALE
    scale = LOGO_SCALE
    mark = gradient((big, big), top, bottom, diagonal=diagonal).convert("RGBA")
    mask = Image.new("L", (big, big), 0)
    ImageDraw.Draw(mask).rounded_rectangle((8 * scale, 8 * scale, big - 8 * scale, big - 8 * scale),
                                           radius=48 * scale, fill=255)
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    image.paste(mark, (0, 0), mask)
    return image


def save_logo(image, path):
    image.resize((LOGO_SIZE, LOGO_SIZE), Image.LANCZOS).save(path, optimize=True)


def logo(path):
    """The editor's logo: a phonetic symbol over the program's name and a sound bar."""
    scale = LOGO_SCALE
    big = LOGO_SIZE * scale
    image = logo_tile((67, 160, 71), (27, 94, 32), diagonal=True)
    draw = ImageDraw.Draw(image)
    symbol = ImageFont.truetype(LATIN_BOLD, 118 * scale)
    draw.text((big / 2, 128 * scale), "/ə/", font=symbol, fill="white", anchor="ms")
    name = ImageFont.truetype(LATIN_BOLD, 36 * scale)
    draw.text((big / 2, 200 * scale), "Phonexa", font=name, fill="white", anchor="ms")
    for k, height in enumerate([14, 26, 40, 26, 14]):
        x = (96 + k * 16) * scale
        draw.rounded_rectangle((x, (222 - height / 2) * scale, x + 8 * scale, (222 + height / 2) * scale),
                               radius=4 * scale, fill=(200, 235, 200))
    save_logo(image, path)


def reader_logo(path):
    """The reader's logo: a speaker and three sound waves over the program's name."""
    scale = LOGO_SCALE
    big = LOGO_SIZE * scale
    image = logo_tile((66, 133, 214), (21, 67, 140), diagonal=True)
    draw = ImageDraw.Draw(image)
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
    save_logo(image, path)


def toolbar_icon(path, lines, selected):
    """32 x 32 toolbar picture: text lines with a green transcription mark above the words."""
    size, scale = 32, 8
    big = size * scale
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    mark = ImageFont.truetype(LATIN_BOLD, 12 * scale)
    for row in ([21] if lines == 1 else [13, 28]):
        y = row * scale
        left, right = (9 * scale, 25 * scale) if selected else (3 * scale, 29 * scale)
        if selected:
            draw.rectangle((left - 2 * scale, y - 2 * scale, right + 2 * scale, y + 4 * scale), fill=(51, 120, 214))
        draw.rectangle((left, y, right, y + 2 * scale), fill="white" if selected else (70, 70, 70))
        draw.text(((left + right) / 2, y - 3 * scale), "ə", font=mark, fill=(46, 139, 58), anchor="ms")
    image.resize((size, size), Image.LANCZOS).save(path, optimize=True)


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
    british_american(folder / "chayi.gif")
    suffixes(folder / "houzhui.gif")
    rng = random.Random(20261210)
    grass(folder / "backgrass.gif", rng)
    bokeh(folder / "backpink.gif", rng, (255, 246, 249), (250, 214, 228), (255, 190, 214))
    waves(folder / "backblue.gif", rng)
    silver(folder / "backyin.gif", rng)
    logo(folder / "phonexa.png")
    reader_logo(folder / "sayloom.png")
    toolbar_icon(folder / "annotate-word.png", lines=1, selected=True)
    toolbar_icon(folder / "annotate-all.png", lines=2, selected=False)


if __name__ == "__main__":
    main()
