#!/usr/bin/env python3
"""Draws the program's pictures into resources/pictures/.

    python3 scripts/make_pictures.py

Pure Python (zlib and struct only), so it runs on any machine; the output is
deterministic and committed, the build only copies it:
  DESBIEN.BMP, DESCRIE.BMP  description button, 32x32, 24-bit (Spanish / Basque)
  emblema.png               emblem of the selection panel and of the reports, 75x98
  tipologia1..9.png         16x16 icons of the nine property types
"""
import math
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'pictures')


# ---------------------------------------------------------------- file writers

def write_png(path, w, h, px):
    """px: list of rows of (r, g, b, a) tuples."""
    raw = bytearray()
    for row in px:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))

    def chunk(tag, data):
        c = struct.pack('>I', len(data)) + tag + data
        return c + struct.pack('>I', zlib.crc32(tag + data) & 0xffffffff)

    data = b'\x89PNG\r\n\x1a\n'
    data += chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
    data += chunk(b'IDAT', zlib.compress(bytes(raw), 9))
    data += chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(data)


def write_bmp(path, w, h, px):
    """24-bit bottom-up BMP; px: rows of (r, g, b)."""
    stride = (w * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(px):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b'\0' * (stride - len(line))
        body += line
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(body), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + body)


# ---------------------------------------------------------------- pixel grids

def grid(rows, palette):
    """Character grid -> RGBA rows; '.' is transparent."""
    w = len(rows[0])
    out = []
    for y, row in enumerate(rows):
        assert len(row) == w, f'row {y} has {len(row)} cells, expected {w}: {row!r}'
        out.append([(0, 0, 0, 0) if c == '.' else palette[c] + (255,) for c in row])
    return out


PAL = {
    'k': (45, 45, 55),      # outline
    'r': (200, 55, 45),     # red
    'R': (145, 35, 30),     # dark red
    'w': (255, 255, 255),
    'y': (244, 226, 178),   # wall
    'b': (130, 85, 40),     # brown
    'B': (205, 150, 85),    # cardboard
    'L': (232, 190, 128),   # cardboard, lit face
    'o': (180, 120, 60),    # cardboard, dark side
    't': (236, 214, 150),   # tape
    'c': (120, 180, 235),   # glass
    'C': (40, 95, 175),     # blue
    'g': (170, 170, 178),   # grey
    'G': (105, 105, 115),   # dark grey
    'l': (222, 222, 228),   # light grey
    'n': (70, 150, 80),     # green
    'a': (250, 205, 70),    # amber
}

ICONS = {
    # 1 dwelling: house with a chimney, window and door
    1: [
        "................",
        ".......kk..kkk..",
        "......krrk.kGk..",
        ".....krrrrkkGk..",
        "....krrrrrrkGk..",
        "...krrrrrrrrkk..",
        "..krrrrrrrrrrk..",
        ".krrrrrrrrrrrrk.",
        "kRRRRRRRRRRRRRRk",
        "..kyyyyyyyyyyk..",
        "..kykkkkykkkkk..",
        "..kykcckykbbkk..",
        "..kykcckykbbkk..",
        "..kykkkkykbakk..",
        "..kyyyyyykbbkk..",
        "..kkkkkkkkkkkk..",
    ],
    # 2 storage room: a closed cardboard box
    2: [
        "................",
        "................",
        "................",
        "....kkkkkkkkkkk.",
        "...kLLLLttLLLkk.",
        "..kLLLLttLLLkok.",
        ".kkkkkkttkkkkok.",
        ".kBBBBBttBBBkok.",
        ".kBBBBBttBBBkok.",
        ".kBBBBBttBBBkok.",
        ".kBBBBBttBBBkok.",
        ".kBBBBBttBBBkok.",
        ".kBBBBBttBBBkok.",
        ".kBBBBBttBBBkk..",
        ".kkkkkkkkkkkk...",
        "................",
    ],
    # 3 garage / parking: a car seen from the side
    3: [
        "................",
        "................",
        "................",
        "................",
        ".....kkkkkk.....",
        "....kcccckck....",
        "...kccccckcck...",
        ".kkkkkkkkkkkkkk.",
        "kCCCCCCCCCCCCCCk",
        "krCCCCCCCCCCCCak",
        "kCCCCCCCCCCCCCCk",
        "kCCkkkkCCCkkkkCk",
        ".kkkggkkkkkggkk.",
        "...kggk...kggk..",
        "....kk.....kk...",
        "................",
    ],
    # 4 street-front shop: striped awning over a shop window and a door
    4: [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kyyyyyyyyyyyyk.",
        "kkkkkkkkkkkkkkkk",
        "krrwwrrwwrrwwrrk",
        "krrwwrrwwrrwwrrk",
        ".rr.ww.rr.ww.rr.",
        ".kyyyyyyyyyyyyk.",
        ".kykkkkkkykkkyk.",
        ".kykcccccykbkyk.",
        ".kykcccccykbkyk.",
        ".kykcccccykbkyk.",
        ".kykcccccykbkyk.",
        ".kykkkkkkykbkyk.",
        ".kyyyyyyyykbkyk.",
        "kkkkkkkkkkkkkkkk",
    ],
    # 5 shop in a building of a residential zone: block of flats with a shop below
    5: [
        "...kkkkkkkkkk...",
        "...kyyyyyyyyk...",
        "...kykkykkykk...",
        "...kykcykcykk...",
        "...kyyyyyyyyk...",
        "...kykkykkykk...",
        "...kykcykcykk...",
        "...kyyyyyyyyk...",
        "..kkkkkkkkkkkk..",
        "..krwwrrwwrrwk..",
        "...r.w.r.w.r....",
        "...kykkkkkkyk...",
        "...kykcccckyk...",
        "...kykcccckyk...",
        "...kykkkkkkyk...",
        "..kkkkkkkkkkkk..",
    ],
    # 6 shop in a building of an industrial zone: saw-tooth roof, awning below
    6: [
        "................",
        "..k....k....k...",
        "..kk...kk...kk..",
        "..klk..klk..klk.",
        "..kllk.kllk.kllk",
        "..klllkklllkkllk",
        "..kkkkkkkkkkkkkk",
        "..kgggggggggggk.",
        ".kkkkkkkkkkkkkkk",
        ".krrwwrrwwrrwwrk",
        "..r.w.r.w.r.w.r.",
        "..kgkkkkkkkkkgk.",
        "..kgkcccccccgk..",
        "..kgkcccccccgk..",
        "..kgkkkkkkkkgk..",
        ".kkkkkkkkkkkkkk.",
    ],
    # 7 office in a residential zone: desk with a screen
    7: [
        "................",
        "...kkkkkkkkkk...",
        "...kCCCCCCCCk...",
        "...kCccccccCk...",
        "...kCcwwwccCk...",
        "...kCccccccCk...",
        "...kCcwwcccCk...",
        "...kCCCCCCCCk...",
        "...kkkkkkkkkk...",
        "......kggk......",
        ".....kkggkk.....",
        "kkkkkkkkkkkkkkkk",
        "kbbbbbbbbbbbbbbk",
        "kkkkkkkkkkkkkkkk",
        ".kbk........kbk.",
        ".kbk........kbk.",
    ],
    # 8 office in an industrial zone: screen on a desk before a saw-tooth roof
    8: [
        "k....k....k.....",
        "kk...kk...kk....",
        "kgk..kgk..kgk...",
        "kggk.kggk.kggk..",
        "kgggkkkkkkkkkkk.",
        "kgggkCCCCCCCCk..",
        "kgggkCccccccCk..",
        "kgggkCcwwwccCk..",
        "kgggkCccccccCk..",
        "kgggkCCCCCCCCk..",
        "kgggkkkkkkkkkk..",
        "kggg....kgk.....",
        "kkkkkkkkkkkkkkkk",
        "kbbbbbbbbbbbbbbk",
        "kkkkkkkkkkkkkkkk",
        ".kbk........kbk.",
    ],
    # 9 industrial building: saw-tooth roof, chimney, big door
    9: [
        "............gg..",
        "...........g..g.",
        "............kk..",
        "k....k....k.kk..",
        "kk...kk...kkkk..",
        "kgk..kgk..kgkk..",
        "kggk.kggk.kggk..",
        "kgggkkgggkkgggk.",
        "kkkkkkkkkkkkkkkk",
        "kgggggggggggggk.",
        "kgkkkgggkkkkkgk.",
        "kgkckgggkGGGkgk.",
        "kgkkkgggkGGGkgk.",
        "kgggggggkGGGkgk.",
        "kgggggggkGGGkgk.",
        "kkkkkkkkkkkkkkkk",
    ],
}


# ---------------------------------------------------------------- vector canvas

class Canvas:
    """RGBA drawing surface, supersampled for smooth edges."""

    def __init__(self, w, h, ss=4, bg=(0, 0, 0, 0)):
        self.w, self.h, self.ss = w, h, ss
        self.W, self.H = w * ss, h * ss
        self.px = [[bg for _ in range(self.W)] for _ in range(self.H)]

    def _span(self, y, x0, x1, col):
        row = self.px[y]
        for x in range(max(0, x0), min(self.W, x1)):
            row[x] = col

    def polygon(self, pts, col):
        """Fills a polygon given in picture pixels (even-odd rule)."""
        col = tuple(col) + ((255,) if len(col) == 3 else ())
        s = self.ss
        P = [(x * s, y * s) for x, y in pts]
        ys = [p[1] for p in P]
        for Y in range(max(0, int(min(ys))), min(self.H, int(max(ys)) + 1)):
            yc = Y + 0.5
            xs = []
            for i in range(len(P)):
                (x0, y0), (x1, y1) = P[i], P[(i + 1) % len(P)]
                if (y0 <= yc < y1) or (y1 <= yc < y0):
                    xs.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                self._span(Y, int(round(a)), int(round(b)), col)

    def rect(self, x0, y0, x1, y1, col):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], col)

    def frame(self, x0, y0, x1, y1, t, col):
        self.rect(x0, y0, x1, y0 + t, col)
        self.rect(x0, y1 - t, x1, y1, col)
        self.rect(x0, y0, x0 + t, y1, col)
        self.rect(x1 - t, y0, x1, y1, col)

    def line(self, x0, y0, x1, y1, width, col):
        dx, dy = x1 - x0, y1 - y0
        n = (dx * dx + dy * dy) ** 0.5 or 1.0
        ox, oy = -dy / n * width / 2, dx / n * width / 2
        self.polygon([(x0 + ox, y0 + oy), (x1 + ox, y1 + oy), (x1 - ox, y1 - oy), (x0 - ox, y0 - oy)], col)

    def result(self):
        """Averages each ss x ss block (alpha-weighted) into the picture's pixels."""
        s, n = self.ss, self.ss * self.ss
        out = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r = g = b = a = 0
                for yy in range(y * s, y * s + s):
                    for pr, pg, pb, pa in self.px[yy][x * s:x * s + s]:
                        r += pr * pa
                        g += pg * pa
                        b += pb * pa
                        a += pa
                if a == 0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append((round(r / a), round(g / a), round(b / a), round(a / n)))
            out.append(row)
        return out


def flatten(px, bg):
    """RGBA rows over an opaque background colour -> RGB rows."""
    return [[tuple(round((c * a + k * (255 - a)) / 255) for c, k in zip((r, g, b), bg))
             for r, g, b, a in row] for row in px]


# ---------------------------------------------------------------- description buttons

FONT = {  # 5x7 letters
    'D': ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
}


def description_button(letters):
    """A sheet of paper with ruled lines and a pencil; the letters head the sheet."""
    c = Canvas(32, 32)
    ink = (30, 70, 150)
    # sheet with a folded corner
    c.polygon([(4, 2), (20, 2), (25, 7), (25, 29), (4, 29)], (80, 80, 90))
    c.polygon([(5, 3), (19.5, 3), (24, 7.5), (24, 28), (5, 28)], (255, 255, 255))
    c.polygon([(19.5, 3), (19.5, 7.5), (24, 7.5)], (205, 205, 212))
    c.line(19.5, 3, 19.5, 7.5, 1, (80, 80, 90))
    c.line(19.5, 7.5, 24, 7.5, 1, (80, 80, 90))
    # heading letters, pixel-aligned
    x = 7
    for ch in letters:
        for j, row in enumerate(FONT[ch]):
            for i, cell in enumerate(row):
                if cell == '#':
                    c.rect(x + i, 5 + j, x + i + 1, 5 + j + 1, ink)
        x += 6
    # ruled lines
    for y in (14, 17, 20, 23, 26):
        c.rect(7, y, 22 if y < 20 else 15, y + 1, (150, 160, 185))
    # pencil lying across the lower right corner, tip down-left
    ax, ay, bx, by = 29.5, 12.0, 15.5, 28.5     # from the eraser end to the tip
    dx, dy = bx - ax, by - ay
    n = (dx * dx + dy * dy) ** 0.5
    ux, uy = dx / n, dy / n
    px_, py_ = -uy, ux
    half = 2.2

    def at(t, o=0.0):
        return (ax + ux * t + px_ * o, ay + uy * t + py_ * o)

    def band(t0, t1, col):
        c.polygon([at(t0, -half), at(t1, -half), at(t1, half), at(t0, half)], col)

    band(0, 3.0, (235, 130, 150))      # eraser
    band(3.0, 4.8, (170, 170, 180))    # ferrule
    band(4.8, n - 5.0, (245, 190, 40))  # body
    c.polygon([at(4.8, -half), at(n - 5.0, -half), at(n - 5.0, -0.6), at(4.8, -0.6)], (225, 160, 25))
    c.polygon([at(n - 5.0, -half), at(n - 5.0, half), at(n, 0)], (235, 205, 160))   # wood
    c.polygon([at(n - 1.8, -0.8), at(n - 1.8, 0.8), at(n, 0)], (40, 40, 45))         # lead
    # outline of the pencil
    for (p0, p1) in ((at(0, -half), at(n - 5.0, -half)), (at(0, half), at(n - 5.0, half)),
                     (at(0, -half), at(0, half)), (at(n - 5.0, -half), at(n, 0)),
                     (at(n - 5.0, half), at(n, 0))):
        c.line(p0[0], p0[1], p1[0], p1[1], 0.7, (60, 50, 40))
    return flatten(c.result(), (239, 239, 239))


# ---------------------------------------------------------------- emblem

def emblem():
    """Abstract emblem: a shield with a gold chief, a house and green fields."""
    w, h = 75, 98
    c = Canvas(w, h)
    gold, dgold = (212, 170, 50), (150, 112, 25)
    red, green, white = (170, 30, 40), (40, 120, 70), (255, 255, 255)
    cx = w / 2

    def shield(inset):
        top, left, right = 3 + inset, 5 + inset, w - 5 - inset
        mid, tip = 62, 95 - inset * 1.4
        pts = [(left, top), (right, top), (right, mid)]
        steps = 20   # lower edge: two quadratic curves meeting at the tip
        for i in range(1, steps + 1):
            t = i / steps
            cxr, cyr = right, tip - 12
            pts.append(((1 - t) ** 2 * right + 2 * (1 - t) * t * cxr + t * t * cx,
                        (1 - t) ** 2 * mid + 2 * (1 - t) * t * cyr + t * t * tip))
        for i in range(steps - 1, -1, -1):
            t = i / steps
            cxl, cyl = left, tip - 12
            pts.append(((1 - t) ** 2 * left + 2 * (1 - t) * t * cxl + t * t * cx,
                        (1 - t) ** 2 * mid + 2 * (1 - t) * t * cyl + t * t * tip))
        return pts

    c.polygon(shield(0), dgold)
    c.polygon(shield(2.2), gold)
    c.polygon(shield(4.2), red)
    inner = shield(4.2)
    # chief: a gold band with three red studs
    c.rect(inner[0][0], inner[0][1], inner[1][0], 19, gold)
    c.rect(inner[0][0], 19, inner[1][0], 20.5, dgold)
    for x in (cx - 18, cx, cx + 18):
        c.polygon([(x - 3.5, 12.5), (x, 9), (x + 3.5, 12.5), (x, 16)], red)
    # lower half: green fields with white furrows, clipped to the shield by drawing in its outline
    c.polygon([(inner[0][0], 58), (inner[1][0], 58)] + [p for p in inner[2:] if p[1] >= 58], green)
    for k, y in enumerate((66, 74, 82)):
        half = 24 - k * 5.5
        c.line(cx - half, y, cx + half, y - 2.5, 2.2, white)
    # upper half: a house
    c.polygon([(cx, 25), (cx + 20, 41), (cx - 20, 41)], white)       # roof
    c.polygon([(cx, 29.5), (cx + 14.5, 41), (cx - 14.5, 41)], red)
    c.rect(cx - 14, 41, cx + 14, 55, white)                          # walls
    c.rect(cx - 3.5, 45.5, cx + 3.5, 55, red)                        # door
    c.rect(cx - 11, 44.5, cx - 6, 49.5, red)                         # windows
    c.rect(cx + 6, 44.5, cx + 11, 49.5, red)
    c.rect(cx + 9, 27, cx + 13, 35.5, white)                         # chimney
    return c.result()


def main():
    os.makedirs(OUT, exist_ok=True)
    for n, rows in ICONS.items():
        write_png(os.path.join(OUT, f'tipologia{n}.png'), 16, 16, grid(rows, PAL))
    write_bmp(os.path.join(OUT, 'DESBIEN.BMP'), 32, 32, description_button('D'))
    write_bmp(os.path.join(OUT, 'DESCRIE.BMP'), 32, 32, description_button('DT'))
    write_png(os.path.join(OUT, 'emblema.png'), 75, 98, emblem())


if __name__ == '__main__':
    main()
