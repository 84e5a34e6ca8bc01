#!/usr/bin/env python3
"""Draws the skin "Topaz" and writes it as a skin folder: Options.dat, the
master bitmap MASTER.BMP and the glow and shadow pictures (PNG).

    make_topaz.py FOLDER

Topaz is calm and light: warm neutral surfaces, crisp one-pixel lines,
rounded corners and one warm accent, the colour of a topaz, for everything
that answers the user (focus, hot and pressed looks, the active caption).

Everything is computed here from a few colours and sizes, with the Python
standard library only, and the output is the same bytes on every run: no
time stamps, no dictionary-order effects, fixed compression settings.

How the pictures work with the engine. Every border and glyph lives in the
master bitmap with a mask half below it (mask type 1): a mask byte of 0
shows the picture, 255 keeps what lies beneath, so anti-aliased edges and
soft overlays blend with the control's own background. Pixels outside a
shape are the key colour 0xFF00FF: there the parent shows through, and the
key pixels of the form's corners cut the window's rounded outline. State
images lie side by side: normal, hot, pressed (for frames: inactive,
active). Glow pictures go to layered windows, which take premultiplied
colour, so their PNGs hold premultiplied RGB.
"""
import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------- palette

def rgb(text):
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16))


SURFACE = rgb("F4F2EE")      # forms, panels
SURFACE_LOW = rgb("ECE9E4")  # sunken panels, status bar
CARD = rgb("FFFFFF")         # edits, lists, menus
TEXT = rgb("2B2926")
TEXT_MUTED = rgb("5C5750")
LINE = rgb("D3CDC4")         # quiet one-pixel lines
LINE_STRONG = rgb("A8A095")  # control outlines
TOPAZ = rgb("E3A23B")        # the accent
TOPAZ_DEEP = rgb("B8741A")   # pressed outlines, active frame
TOPAZ_PALE = rgb("FBEBD0")   # hot fills
TOPAZ_SOFT = rgb("F5D7A3")   # pressed fills
TITLE_TOP = rgb("EDB65A")    # active caption, top to bottom
TITLE_BOTTOM = rgb("E29E36")
TITLE_TEXT = rgb("2A1D0C")
TITLE_IDLE = rgb("E7E3DD")   # inactive caption
LINK = rgb("87470B")
LINK_HOT = rgb("5E2E00")
CLOSE_RED = rgb("C4402B")
WHITE = rgb("FFFFFF")
KEY = (255, 0, 255)


def colour_value(c):
    """A colour as the options text writes it: 0x00BBGGRR in decimal."""
    return c[0] + c[1] * 256 + c[2] * 65536


# ------------------------------------------------------ WCAG 2 contrast

def luminance(c):
    def channel(v):
        v /= 255.0
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(v) for v in c)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


# ------------------------------------------------------------- shapes
# Shapes are coverage functions of a point (pixel centres at x + 0.5):
# 1 inside, 0 outside, a linear ramp one pixel wide across the edge.

def clamp01(v):
    return 0.0 if v < 0 else 1.0 if v > 1 else v


def rounded_rect(x0, y0, x1, y1, r_top, r_bottom=None):
    if r_bottom is None:
        r_bottom = r_top
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hw, hh = (x1 - x0) / 2.0, (y1 - y0) / 2.0

    def cover(px, py):
        r = r_top if py < cy else r_bottom
        qx = abs(px - cx) - hw + r
        qy = abs(py - cy) - hh + r
        d = math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
        return clamp01(0.5 - d)
    return cover


def ring(x0, y0, x1, y1, r_top, width=1.0, r_bottom=None):
    if r_bottom is None:
        r_bottom = r_top
    outer = rounded_rect(x0, y0, x1, y1, r_top, r_bottom)
    inner = rounded_rect(x0 + width, y0 + width, x1 - width, y1 - width,
                         max(r_top - width, 0), max(r_bottom - width, 0))
    return lambda px, py: clamp01(outer(px, py) - inner(px, py))


def disc(cx, cy, radius):
    return lambda px, py: clamp01(radius + 0.5 - math.hypot(px - cx, py - cy))


def stroke(points, width):
    """A polyline of round-capped segments."""
    segments = list(zip(points, points[1:]))

    def cover(px, py):
        best = 1e9
        for (ax, ay), (bx, by) in segments:
            dx, dy = bx - ax, by - ay
            length = dx * dx + dy * dy
            t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
            best = min(best, math.hypot(px - ax - t * dx, py - ay - t * dy))
        return clamp01(width / 2.0 + 0.5 - best)
    return cover


def box(x0, y0, x1, y1):
    return lambda px, py: clamp01(min(px - x0, x1 - px, py - y0, y1 - py) + 0.5)


def union(*covers):
    return lambda px, py: max(c(px, py) for c in covers)


def minus(a, b):
    return lambda px, py: clamp01(a(px, py) - b(px, py))


# ------------------------------------------------------------- layers

class Layer:
    """One state picture: straight RGBA and the outline of the shape.
    `inside` marks pixels that belong to the image (not the key colour);
    `hint` is the picture colour written where the image is clear."""

    def __init__(self, w, h, hint=SURFACE):
        self.w, self.h, self.hint = w, h, hint
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        self.inside = [False] * (w * h)

    def paint(self, cover, colour, alpha=1.0, silhouette=True, region=None):
        """Composites a colour through a coverage function ("over")."""
        x0, y0, x1, y1 = region or (0, 0, self.w, self.h)
        for y in range(y0, y1):
            for x in range(x0, x1):
                a = cover(x + 0.5, y + 0.5) * alpha
                if a <= 0:
                    continue
                i = y * self.w + x
                if silhouette:
                    self.inside[i] = True
                p = self.px[i]
                out = a + p[3] * (1 - a)
                for k in range(3):
                    p[k] = (colour[k] * a + p[k] * p[3] * (1 - a)) / out
                p[3] = out

    def put(self, x, y, colour, alpha):
        """Composites a colour over one pixel."""
        self.paint(lambda px, py: 1.0 if (int(px), int(py)) == (x, y) else 0.0, colour, alpha,
                   region=(x, y, x + 1, y + 1))

    def paint_vertical(self, cover, top, bottom, alpha=1.0):
        for y in range(self.h):
            t = y / max(self.h - 1, 1)
            colour = tuple(top[k] + (bottom[k] - top[k]) * t for k in range(3))
            row = lambda px, py, yy=y: cover(px, py) if int(py) == yy else 0.0
            self.paint(row, colour, alpha)

    def claim(self, cover):
        """Marks pixels as part of the image without painting them (clear
        but not key: the control's own background shows there)."""
        for y in range(self.h):
            for x in range(self.w):
                if cover(x + 0.5, y + 0.5) > 0:
                    self.inside[y * self.w + x] = True

    def encoded(self, x, y):
        """(picture, mask) bytes of one pixel for a mask-type-1 image."""
        i = y * self.w + x
        if not self.inside[i]:
            return KEY, 255
        r, g, b, a = self.px[i]
        if a <= 0.002:
            return self.hint, 255
        return (round(r), round(g), round(b)), round(255 * (1 - a))

    def premultiplied(self, x, y):
        r, g, b, a = self.px[y * self.w + x]
        return (round(r * a), round(g * a), round(b * a), round(a * 255))


# ------------------------------------------------------ image elements

def frame_states(size, corner, looks, r_top, r_bottom=None, hint=SURFACE, claim_inside=True):
    """A nine-part frame, one state per look (fill or None, outline,
    outline width, overlay alpha of the fill)."""
    states = []
    for fill, line, width, fill_alpha in looks:
        layer = Layer(size, size, hint)
        shape = rounded_rect(0, 0, size, size, r_top, r_bottom)
        if claim_inside:
            layer.claim(shape)
        if fill is not None:
            layer.paint(shape, fill, fill_alpha)
        if line is not None:
            layer.paint(ring(0, 0, size, size, r_top, width, r_bottom), line)
        states.append(layer)
    return states


def check_glyph(size, looks, mark):
    """A check box: rounded square with the mark ("check", "gray" or None)."""
    states = []
    s = float(size)
    for fill, line, mark_colour in looks:
        layer = Layer(size, size, WHITE)
        layer.paint(rounded_rect(0, 0, s, s, 3), fill)
        layer.paint(ring(0, 0, s, s, 3), line)
        if mark == "check":
            layer.paint(stroke([(s * 0.26, s * 0.52), (s * 0.43, s * 0.68), (s * 0.74, s * 0.33)], s * 0.14),
                        mark_colour)
        elif mark == "gray":
            layer.paint(rounded_rect(s * 0.3, s * 0.3, s * 0.7, s * 0.7, 1), mark_colour)
        states.append(layer)
    return states


def radio_glyph(size, looks, mark):
    states = []
    c = size / 2.0
    for fill, line, mark_colour in looks:
        layer = Layer(size, size, WHITE)
        layer.paint(disc(c, c, c - 0.5), line)
        layer.paint(disc(c, c, c - 1.5), fill)
        if mark == "dot":
            layer.paint(disc(c, c, size * 0.2), mark_colour)
        elif mark == "gray":
            layer.paint(disc(c, c, size * 0.14), mark_colour)
        states.append(layer)
    return states


def caption_symbol(kind, w, h, scale):
    """The symbol of a caption button, centred, as a coverage function."""
    if kind == "none":
        return lambda px, py: 0.0
    cx, cy = w / 2.0, h / 2.0
    s = 4.0 * scale
    t = 1.2 * scale
    if kind == "close":
        return union(stroke([(cx - s, cy - s), (cx + s, cy + s)], t), stroke([(cx - s, cy + s), (cx + s, cy - s)], t))
    if kind == "min":
        return stroke([(cx - s, cy + s * 0.75), (cx + s, cy + s * 0.75)], t)
    if kind == "max":
        return ring(cx - s, cy - s, cx + s, cy + s, 1.0, t)
    if kind == "norm":
        back = ring(cx - s + 2 * scale, cy - s, cx + s, cy + s - 2 * scale, 1.0, t)
        front = ring(cx - s, cy - s + 2 * scale, cx + s - 2 * scale, cy + s, 1.0, t)
        hole = box(cx - s + t, cy - s + 2 * scale + t, cx + s - 2 * scale - t, cy + s - t)
        return union(minus(back, hole), front)
    # help: a question mark drawn as a hook and a dot
    arc = []
    for i in range(9):
        a = math.pi * (1.05 + 1.25 * i / 8)
        arc.append((cx + s * 0.75 * math.cos(a), cy - s * 0.35 + s * 0.75 * math.sin(a)))
    arc += [(cx, cy + s * 0.25), (cx, cy + s * 0.45)]
    return union(stroke(arc, t), disc(cx, cy + s * 0.95, t * 0.6))


def caption_face(kind, w, h, scale, state):
    """One state of a caption button over a clear background."""
    layer = Layer(w, h, TITLE_BOTTOM)
    face = rounded_rect(1, 1, w - 1, h - 1, 3)
    layer.claim(box(0, 0, w, h))
    symbol_colour = TITLE_TEXT
    if state == 1:
        if kind == "close":
            layer.paint(face, CLOSE_RED)
            symbol_colour = WHITE
        else:
            layer.paint(face, WHITE, 0.45)
    elif state == 2:
        if kind == "close":
            layer.paint(face, rgb("9E2F1E"))
            symbol_colour = WHITE
        else:
            layer.paint(face, TOPAZ_DEEP, 0.45)
    layer.paint(caption_symbol(kind, w, h, scale), symbol_colour)
    return layer


def caption_button(kind, w, h, scale):
    return [caption_face(kind, w, h, scale, s) for s in range(3)]


def caption_glow(kind, w, h, scale, margin):
    """The hot caption button with a soft warm halo, for a layered window."""
    gw, gh = w + 2 * margin, h + 2 * margin
    layer = Layer(gw, gh)
    halo_colour = CLOSE_RED if kind == "close" else TOPAZ
    for y in range(gh):
        for x in range(gw):
            dx = max(margin - (x + 0.5), 0, (x + 0.5) - (gw - margin))
            dy = max(margin - (y + 0.5), 0, (y + 0.5) - (gh - margin))
            d = math.hypot(dx, dy)
            a = 0.55 * math.exp(-(d * d) / (2 * (margin / 2.2) ** 2))
            layer.put(x, y, halo_colour, a)
    face = caption_face(kind, w, h, scale, 1)
    for y in range(h):
        for x in range(w):
            src = face.px[y * w + x]
            if src[3] <= 0:
                continue
            dst = layer.px[(y + margin) * gw + x + margin]
            a = src[3]
            out = a + dst[3] * (1 - a)
            for k in range(3):
                dst[k] = (src[k] * a + dst[k] * dst[3] * (1 - a)) / out
            dst[3] = out
    # The face itself is opaque in the glow so the title never shows
    # through the middle of a fading button.
    title = Layer(w, h)
    title.paint_vertical(box(0, 0, w, h), TITLE_TOP, TITLE_BOTTOM)
    for y in range(h):
        for x in range(w):
            dst = layer.px[(y + margin) * gw + x + margin]
            under = title.px[y * w + x]
            a = dst[3]
            for k in range(3):
                dst[k] = dst[k] * a + under[k] * (1 - a)
            dst[3] = 1.0
    return layer


def grip_glyph():
    layer = Layer(12, 12, SURFACE_LOW)
    for i in range(3):
        for j in range(3):
            if i + j >= 2:
                cx, cy = 2.5 + 4 * i, 2.5 + 4 * j
                layer.paint(disc(cx + 0.5, cy + 0.5, 0.9), WHITE)
                layer.paint(disc(cx, cy, 0.9), LINE_STRONG)
    return [layer]


def menu_check():
    states = []
    for colour in (TEXT, TEXT, TEXT):
        layer = Layer(12, 12, CARD)
        layer.paint(stroke([(2.5, 6.2), (5.0, 8.7), (9.6, 3.4)], 1.7), colour)
        states.append(layer)
    return states


def arrow_glyph(direction, colours):
    states = []
    for colour in colours:
        layer = Layer(9, 9, SURFACE_LOW)
        pts = {"up": [(1.5, 6.0), (4.5, 3.0), (7.5, 6.0)],
               "down": [(1.5, 3.0), (4.5, 6.0), (7.5, 3.0)],
               "left": [(6.0, 1.5), (3.0, 4.5), (6.0, 7.5)],
               "right": [(3.0, 1.5), (6.0, 4.5), (3.0, 7.5)]}[direction]
        layer.paint(stroke(pts, 1.5), colour)
        states.append(layer)
    return states


def thumb_grip(vertical):
    """Three short lines across the middle of a scroll-bar thumb."""
    states = []
    for colour in (rgb("A39B90"), WHITE, WHITE):
        layer = Layer(9, 9, TOPAZ)
        for i in (2.5, 4.5, 6.5):
            points = [(i, 2.0), (i, 7.0)] if not vertical else [(2.0, i), (7.0, i)]
            layer.paint(stroke(points, 1.0), colour)
        states.append(layer)
    return states


def line_states(w, h, lines, hint):
    """Straight lines only (dividers, separators): (x0, y0, x1, y1, colour)."""
    layer = Layer(w, h, hint)
    layer.claim(box(0, 0, w, h))
    for x0, y0, x1, y1, colour in lines:
        layer.paint(box(x0, y0, x1, y1), colour)
    return [layer]


def shadow_border():
    """The extended border: a soft shadow around a one-pixel frame."""
    size, edge = 40, 14
    layer = Layer(size, size)
    for y in range(size):
        for x in range(size):
            dx = max(edge - (x + 0.5), 0, (x + 0.5) - (size - edge))
            dy = max(edge - 2 - (y + 0.5), 0, (y + 0.5) - (size - edge))
            d = math.hypot(dx, dy)
            if dx == 0 and dy == 0:
                continue
            a = 0.28 * math.exp(-(d * d) / (2 * (edge / 2.8) ** 2))
            layer.put(x, y, rgb("3A2E20"), a)
    # Square: the image is laid in nine parts, and a rounded outline would
    # reach from the corners into the stretched edges.
    layer.paint(ring(edge - 1, edge - 1, size - edge + 1, size - edge + 1, 0), LINE_STRONG)
    return layer, edge


# ----------------------------------------------------------- master

class Master:
    """Packs mask-type-1 images into one bitmap, row by row."""
    WIDTH = 512

    def __init__(self):
        self.items = []  # (x, y, states)
        self.x = self.y = self.row_h = 0

    def add(self, states):
        w = states[0].w * len(states)
        h = states[0].h * 2
        if self.x + w > self.WIDTH:
            self.x, self.y, self.row_h = 0, self.y + self.row_h + 1, 0
        pos = (self.x, self.y)
        self.items.append((pos, states))
        self.x += w + 1
        self.row_h = max(self.row_h, h)
        return pos[0], pos[1], pos[0] + w, pos[1] + h

    def bmp(self):
        width, height = self.WIDTH, self.y + self.row_h
        pixels = [[KEY] * width for _ in range(height)]
        for (ox, oy), states in self.items:
            sw, sh = states[0].w, states[0].h
            for s, layer in enumerate(states):
                for y in range(sh):
                    for x in range(sw):
                        picture, mask = layer.encoded(x, y)
                        pixels[oy + y][ox + s * sw + x] = picture
                        pixels[oy + sh + y][ox + s * sw + x] = (mask, mask, mask)
        return write_bmp(width, height, pixels)


def write_bmp(width, height, pixels):
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += bytes(stride - width * 3)
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def write_png(layer):
    raw = bytearray()
    for y in range(layer.h):
        raw.append(0)
        for x in range(layer.w):
            raw += bytes(layer.premultiplied(x, y))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", layer.w, layer.h, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            chunk(b"IEND", b""))


# ------------------------------------------------------ declarations

def field(v, n=4):
    return str(v).rjust(n, "0")


def glyph_decl(rect, count):
    """"@" form: a glyph of the master bitmap with its mask half."""
    l, t, r, b = rect
    return "@%s,%s,%s,%s,%d,1" % (field(l), field(t), field(r), field(b), count)


def border_decl(rect, count, widths, stretch=0, border=0):
    """"^" form: a nine-part border of the master bitmap."""
    l, t, r, b = rect
    wl, wt, wr, wb = widths
    return "^%s,%s,%s,%s,%s,%s,%s,%s,%d,1,%d,%d" % (
        field(l), field(t), field(r), field(b), field(wl), field(wt), field(wr), field(wb), count, stretch, border)


# ----------------------------------------------------------- the skin

def build(folder):
    master = Master()
    files = {}
    sections = []  # (name, [(key, value)])

    def section(name, *pairs):
        entry = (name, [])
        for key, value in pairs:
            entry[1].append((key, value))
        sections.append(entry)
        return entry[1]

    def frame(states, widths, stretch=0, border=0):
        return border_decl(master.add(states), len(states), widths, stretch, border)

    def glyph(states):
        return glyph_decl(master.add(states), len(states))

    C = colour_value
    textual = []  # (section, text colour, surface) pairs checked below

    def colours(name, color, font, hot_color=None, hot_font=None):
        hot_color = color if hot_color is None else hot_color
        hot_font = font if hot_font is None else hot_font
        textual.append((name, font, color))
        textual.append((name + " (hot)", hot_font, hot_color))
        return [("COLOR", C(color)), ("FONTCOLOR", C(font)), ("HOTCOLOR", C(hot_color)), ("HOTFONTCOLOR", C(hot_font))]

    # ---- skin-wide values and pictures
    # FORMOFFSET: the extended border image reaches one pixel into the form,
    # so that its outline (the last pixel of its border) is the form's edge.
    g = section("GLOBALINFO",
                ("VERSION", "1.0"), ("AUTHOR", "Taramel"),
                ("DESCRIPTION", "Topaz: light neutral surfaces with a warm topaz accent"),
                ("MASTERBITMAP", "MASTER.BMP"),
                ("BORDERWIDTH", "4"), ("TITLEHEIGHT", "30"), ("FORMOFFSET", "1"), ("CENTEROFFSET", "0"),
                ("BORDERMODE", "0"), ("BORDERCOLOR", str(C(LINE_STRONG))),
                ("SHADOW1COLOR", str(C(rgb("3A2E20")))), ("SHADOW1OFFSET", "2"), ("SHADOW1BLUR", "6"),
                ("SHADOW1TRANSPARENCY", "70"),
                ("BISPACE", "1"), ("BIVALIGN", "0"), ("BIRIGHT", "2"), ("BILEFT", "4"))
    g += colours("GLOBALINFO", SURFACE, TEXT, TOPAZ_PALE, TEXT)

    box_looks = [(WHITE, LINE_STRONG), (TOPAZ_PALE, TOPAZ_DEEP), (TOPAZ_SOFT, TOPAZ_DEEP)]
    on_looks = [(TOPAZ, TOPAZ_DEEP), (rgb("EAB257"), TOPAZ_DEEP), (TOPAZ_DEEP, rgb("8F5710"))]
    for prefix, size in (("BOX", 15), ("SMALL", 11)):
        g.append((prefix + "UNCHECKED", glyph(check_glyph(size, [l + (None,) for l in box_looks], None))))
        g.append((prefix + "CHECKED", glyph(check_glyph(size, [l + (WHITE,) for l in on_looks], "check"))))
        g.append((prefix + "GRAYED", glyph(check_glyph(size, [l + (TOPAZ_DEEP,) for l in box_looks], "gray"))))
    g.append(("RADIOUNCHECKED", glyph(radio_glyph(15, [l + (None,) for l in box_looks], None))))
    g.append(("RADIOCHECKED", glyph(radio_glyph(15, [(WHITE, TOPAZ_DEEP, TOPAZ), (TOPAZ_PALE, TOPAZ_DEEP, TOPAZ_DEEP),
                                                     (TOPAZ_SOFT, TOPAZ_DEEP, TOPAZ_DEEP)], "dot"))))
    g.append(("RADIOGRAYED", glyph(radio_glyph(15, [l + (LINE_STRONG,) for l in box_looks], "gray"))))
    g.append(("CHECK", glyph(menu_check())))
    g.append(("GRIPIMAGE", glyph(grip_glyph())))

    big, small = (28, 18, 1.0), (22, 16, 0.8)
    glow_margin = 6
    for prefix, (w, h, scale) in (("BICON", big), ("SICON", small)):
        for kind, name in (("close", "CLOSE"), ("max", "MAX"), ("min", "MIN"), ("norm", "NORM"), ("help", "HELP")):
            g.append((prefix + name, glyph(caption_button(kind, w, h, scale))))
    # Glows of the hot caption buttons; dialogs have small ones.
    for prefix, (w, h, scale) in (("BICON", big), ("SICON", small)):
        for kind, name in (("close", "CLOSE"), ("max", "MAX"), ("min", "MIN")):
            file_name = "GLOW_%s%s.PNG" % (prefix[0], name)
            files[file_name] = write_png(caption_glow(kind, w, h, scale, glow_margin))
            g.append(("%s%sGLOW0" % (prefix, name), "!%s!1!0!3!%d!%d!%d!%d" % (file_name, glow_margin, glow_margin,
                                                                               glow_margin, glow_margin)))
    for name in ("CLOSE", "MAX", "MIN"):
        g.append(("BICON%sGLOW" % name, str(glow_margin)))
        g.append(("BICON%sGLOWMARGIN" % name, str(glow_margin)))
    g.append(("TITLEBUTTON", glyph([caption_face("none", 22, 16, 0.8, s) for s in range(3)])))
    shadow, edge = shadow_border()
    files["EXBORDER.PNG"] = write_png(shadow)
    g.append(("EXBORDER", "!EXBORDER.PNG!1!0!0!%d!%d!%d!%d" % (edge, edge, edge, edge)))

    # ---- forms and dialogs: a thin outline, rounded at the top
    form_frame = frame(frame_states(13, 6, [(None, LINE_STRONG, 1, 1), (None, TOPAZ_DEEP, 1, 1)], 6, 2),
                       (6, 6, 6, 6))
    f = section("FORM", *colours("FORM", SURFACE, TEXT))
    f.append(("BORDERSMASK", form_frame))
    titlebar = Layer(24, 8, TITLE_BOTTOM)
    titlebar.claim(box(0, 0, 24, 8))
    titlebar_active = Layer(24, 8, TITLE_BOTTOM)
    titlebar_active.claim(box(0, 0, 24, 8))
    titlebar_active.paint(box(0, 7, 24, 8), TOPAZ_DEEP, 0.5)
    f.append(("TITLEBAR", frame([titlebar, titlebar_active], (1, 1, 1, 1), 2)))
    section("DIALOG", ("PARENTCLASS", "FORM"), *colours("DIALOG", SURFACE, TEXT))
    t = section("FORMTITLE", *colours("FORMTITLE", TITLE_IDLE, TEXT_MUTED, TITLE_TOP, TITLE_TEXT))
    textual.append(("FORMTITLE (hot, lower band)", TITLE_TEXT, TITLE_BOTTOM))
    t.append(("HOTGRADIENTPERCENT", "100"))
    t.append(("HOTGRADIENTDATA", "%d;%d;100;0;0" % (C(TITLE_TOP), C(TITLE_BOTTOM))))
    idle_line = Layer(8, 8, TITLE_IDLE)
    idle_line.claim(box(0, 0, 8, 8))
    idle_line.paint(box(0, 7, 8, 8), LINE)
    active_line = Layer(8, 8, TITLE_BOTTOM)
    active_line.claim(box(0, 0, 8, 8))
    active_line.paint(box(0, 7, 8, 8), TOPAZ_DEEP, 0.6)
    t.append(("BORDERSMASK", frame([idle_line, active_line], (2, 2, 2, 2))))
    section("MDIAREA", *colours("MDIAREA", SURFACE_LOW, TEXT))

    # ---- menus
    m = section("MAINMENU", *colours("MAINMENU", CARD, TEXT))
    m.append(("BORDERSMASK", frame(frame_states(8, 3, [(None, LINE_STRONG, 1, 1)], 0, hint=CARD), (3, 3, 3, 3), 0, 2)))
    mi = section("MENUITEM", *colours("MENUITEM", CARD, TEXT, TOPAZ_PALE, TEXT))
    mi += [("TRANSPARENCY", "100")]
    mi.append(("BORDERSMASK", frame(frame_states(12, 4, [(None, None, 1, 1), (None, rgb("EDC58A"), 1, 1),
                                                          (None, TOPAZ_DEEP, 1, 1)], 3, hint=TOPAZ_PALE),
                                    (4, 4, 4, 4), 2)))
    section("MENULINE", *colours("MENULINE", SURFACE, TEXT, TOPAZ_PALE, TEXT))
    section("ICOLINE", *colours("ICOLINE", rgb("F6F3EE"), TEXT))
    section("EXTRALINE", *colours("EXTRALINE", TOPAZ, TITLE_TEXT))
    dv = section("DIVIDERV", *colours("DIVIDERV", CARD, TEXT))
    # A menu divider is two pixels high: the line is its upper one.
    dv.append(("BORDERSMASK", frame(line_states(9, 3, [(0, 0, 9, 1, LINE)], CARD), (3, 1, 3, 1))))

    # ---- containers
    p = section("PANEL", *colours("PANEL", SURFACE, TEXT))
    pl = section("PANEL_LOW", *colours("PANEL_LOW", SURFACE_LOW, TEXT))
    pl.append(("BORDERSMASK", frame(frame_states(10, 4, [(None, LINE, 1, 1)], 3, hint=SURFACE_LOW), (4, 4, 4, 4))))
    gb = section("GROUPBOX", *colours("GROUPBOX", SURFACE, TEXT))
    gb += [("TRANSPARENCY", "100"), ("HOTTRANSPARENCY", "100")]
    gb.append(("BORDERSMASK", frame(frame_states(12, 5, [(None, LINE, 1, 1)], 4), (5, 5, 5, 5))))
    section("TOOLBAR", *colours("TOOLBAR", SURFACE, TEXT))
    section("BAR", *colours("BAR", SURFACE, TEXT))
    section("BARTITLE", ("PARENTCLASS", "FORMTITLE"), *colours("BARTITLE", TITLE_IDLE, TEXT_MUTED, TITLE_TOP, TITLE_TEXT))
    section("DRAGBAR", *colours("DRAGBAR", SURFACE_LOW, TEXT))
    section("SPLITTER", *colours("SPLITTER", SURFACE_LOW, TEXT, TOPAZ_PALE, TEXT))
    section("TABSHEET", *colours("TABSHEET", CARD, TEXT))
    pc = section("PAGECONTROL", *colours("PAGECONTROL", CARD, TEXT))
    pc.append(("BORDERSMASK", frame(frame_states(10, 4, [(None, LINE, 1, 1)], 2, hint=CARD), (4, 4, 4, 4))))
    tab_looks = [(SURFACE_LOW, LINE, 1, 1), (TOPAZ_PALE, rgb("EDC58A"), 1, 1), (CARD, TOPAZ_DEEP, 1, 1)]
    # Each side has its own picture: the engine looks the four up by name.
    for side, r_top, r_bottom in (("TABTOP", 4, 0), ("TABBOTTOM", 0, 4), ("TABLEFT", 4, 4), ("TABRIGHT", 4, 4)):
        tab = section(side, *colours(side, SURFACE_LOW, TEXT, TOPAZ_PALE, TEXT))
        tab.append(("BORDERSMASK", frame(frame_states(12, 5, tab_looks, r_top, r_bottom), (5, 5, 5, 5), 4)))

    # ---- buttons: white with a quiet outline; topaz when hot and pressed
    button_looks = [(None, LINE_STRONG, 1, 1), (None, TOPAZ, 1, 1), (TOPAZ_DEEP, TOPAZ_DEEP, 1, 0.12)]
    b = section("BUTTON", *colours("BUTTON", rgb("FBFAF8"), TEXT, TOPAZ_PALE, TEXT))
    b += [("GRADIENTPERCENT", "100"), ("GRADIENTDATA", "%d;%d;100;0;0" % (C(WHITE), C(rgb("F1EEE9")))),
          ("HOTGRADIENTPERCENT", "100"), ("HOTGRADIENTDATA", "%d;%d;100;0;0" % (C(rgb("FFF6E6")), C(TOPAZ_PALE))),
          ("FADINGENABLED", "TRUE"), ("FADINGITERATIONS", "5"), ("SHOWFOCUS", "TRUE"),
          ("GLOW", "1"), ("GLOWMARGIN", "3")]
    textual.append(("BUTTON (lower band)", TEXT, rgb("F1EEE9")))
    textual.append(("BUTTON (pressed)", TEXT, TOPAZ_SOFT))
    b.append(("BORDERSMASK", frame(frame_states(14, 6, button_looks, 4, hint=rgb("F6F3EF")), (6, 6, 6, 6), 4)))
    # A warm halo around a hot button, shown in a layered window under it:
    # with the margin of 3 the ring outside the button is 5 pixels wide.
    halo = Layer(24, 24)
    for y in range(24):
        for x in range(24):
            dx = max(8 - (x + 0.5), 0, (x + 0.5) - 16)
            dy = max(8 - (y + 0.5), 0, (y + 0.5) - 16)
            d = math.hypot(dx, dy)
            if d > 0:
                a = 0.45 * math.exp(-(d * d) / (2 * 2.6 ** 2))
                halo.put(x, y, TOPAZ, a)
    files["GLOW_BUTTON.PNG"] = write_png(halo)
    b.append(("GLOW0", "!GLOW_BUTTON.PNG!1!0!3!8!8!8!8"))
    section("COLHEADER", ("PARENTCLASS", "BUTTON"), *colours("COLHEADER", rgb("FBFAF8"), TEXT, TOPAZ_PALE, TEXT))
    flat_looks = [(None, None, 1, 1), (None, rgb("EDC58A"), 1, 1), (None, TOPAZ_DEEP, 1, 1)]
    sb = section("SPEEDBUTTON", *colours("SPEEDBUTTON", SURFACE_LOW, LINK, TOPAZ_PALE, LINK_HOT))
    sb += [("TRANSPARENCY", "100"), ("FADINGENABLED", "TRUE"), ("FADINGITERATIONS", "4")]
    textual.append(("SPEEDBUTTON (on the form)", LINK, SURFACE))
    sb.append(("BORDERSMASK", frame(frame_states(12, 4, flat_looks, 3, hint=TOPAZ_PALE), (4, 4, 4, 4), 2)))
    section("SPEEDBUTTON_SMALL", ("PARENTCLASS", "SPEEDBUTTON"),
            *colours("SPEEDBUTTON_SMALL", SURFACE_LOW, LINK, TOPAZ_PALE, LINK_HOT))
    section("TOOLBUTTON", ("PARENTCLASS", "SPEEDBUTTON"), *colours("TOOLBUTTON", SURFACE, TEXT, TOPAZ_PALE, TEXT))
    section("TITLEBUTTON", *colours("TITLEBUTTON", TITLE_IDLE, TEXT_MUTED, TITLE_TOP, TITLE_TEXT))
    wb = section("WEBBUTTON", *colours("WEBBUTTON", SURFACE, LINK, SURFACE, LINK_HOT))
    wb += [("TRANSPARENCY", "100"), ("HOTTRANSPARENCY", "100")]
    textual.append(("WEBBUTTON (on the status bar)", LINK, SURFACE_LOW))
    for name in ("CHECKBOX", "RADIOBUTTON"):
        cb = section(name, *colours(name, SURFACE, TEXT))
        cb += [("TRANSPARENCY", "100"), ("HOTTRANSPARENCY", "100"), ("SHOWFOCUS", "TRUE")]

    # ---- edits and lists: white fields, topaz outline when hot
    edit_looks = [(None, LINE_STRONG, 1, 1), (None, TOPAZ, 1, 1), (None, TOPAZ_DEEP, 1, 1)]
    e = section("EDIT", *colours("EDIT", CARD, TEXT, CARD, TEXT))
    e.append(("BORDERSMASK", frame(frame_states(10, 4, edit_looks, 3, hint=CARD), (4, 4, 4, 4))))
    section("LISTBOX", ("PARENTCLASS", "EDIT"), *colours("LISTBOX", CARD, TEXT, CARD, TEXT))
    cbx = section("COMBOBOX", ("PARENTCLASS", "EDIT"), *colours("COMBOBOX", CARD, TEXT, CARD, TEXT))
    cbx.append(("GLYPHMASK", glyph(arrow_glyph("down", [TEXT_MUTED, TOPAZ_DEEP, TEXT]))))
    cbn = section("COMBOBTN", *colours("COMBOBTN", CARD, TEXT, TOPAZ_PALE, TEXT))
    cbn.append(("BORDERSMASK", frame(frame_states(10, 4, flat_looks, 3, hint=TOPAZ_PALE), (4, 4, 4, 4), 2)))

    # ---- status bar
    st = section("STATUSBAR", *colours("STATUSBAR", SURFACE_LOW, TEXT_MUTED))
    st.append(("BORDERSMASK", frame(line_states(8, 8, [(0, 0, 8, 1, LINE)], SURFACE_LOW), (2, 2, 2, 2))))
    st.append(("STATUSPANELMASK", frame(line_states(8, 8, [(7, 2, 8, 6, LINE)], SURFACE_LOW), (2, 2, 2, 2))))
    dd = section("DIVIDER", *colours("DIVIDER", SURFACE_LOW, TEXT))
    dd.append(("BORDERSMASK", frame(line_states(2, 9, [(0, 0, 1, 9, LINE), (1, 0, 2, 9, WHITE)], SURFACE_LOW),
                                    (1, 3, 1, 3))))

    # ---- gauges and track bars
    ga = section("GAUGE", *colours("GAUGE", SURFACE_LOW, TEXT))
    ga.append(("BORDERSMASK", frame(frame_states(10, 4, [(None, LINE, 1, 1)], 3, hint=SURFACE_LOW), (4, 4, 4, 4))))
    section("TRACKBAR", *colours("TRACKBAR", SURFACE, TEXT, SURFACE, TEXT))

    # ---- scroll bars: a quiet track, a rounded thumb that turns topaz
    track = rgb("EEEBE6")
    for name in ("SCROLLBAR1H", "SCROLLBAR2H", "SCROLLBAR1V", "SCROLLBAR2V"):
        section(name, *colours(name, track, TEXT, rgb("E6E2DB"), TEXT))
    thumb_looks = [(rgb("C9C2B8"), rgb("B3ABA0"), 1, 1), (TOPAZ, TOPAZ_DEEP, 1, 1), (TOPAZ_DEEP, rgb("8F5710"), 1, 1)]
    for name in ("SCROLLSLIDERH", "SCROLLSLIDERV"):
        sl = section(name, *colours(name, rgb("C9C2B8"), TEXT, TOPAZ, TITLE_TEXT))
        sl.append(("BORDERSMASK", frame(frame_states(12, 5, thumb_looks, 4, hint=track), (5, 5, 5, 5), 4)))
        sl.append(("GLYPHMASK", glyph(thumb_grip(name.endswith("V")))))
    for name, direction in (("SCROLLBTNTOP", "up"), ("SCROLLBTNBOTTOM", "down"), ("SCROLLBTNLEFT", "left"),
                            ("SCROLLBTNRIGHT", "right")):
        sn = section(name, *colours(name, track, TEXT, rgb("E6E2DB"), TEXT))
        sn.append(("BORDERSMASK", frame(frame_states(10, 4, flat_looks, 3, hint=track), (4, 4, 4, 4), 2)))
        sn.append(("GLYPHMASK", glyph(arrow_glyph(direction, [TEXT_MUTED, TOPAZ_DEEP, TEXT]))))

    # Every text colour is readable on its surface (WCAG 2: at least 4.5:1).
    for name, font, surface in textual:
        ratio = contrast(font, surface)
        if ratio < 4.5:
            raise SystemExit("make_topaz: %s text contrast %.2f:1 is below 4.5:1" % (name, ratio))

    files["MASTER.BMP"] = master.bmp()
    lines = ["; Topaz, made by tools/topaz/make_topaz.py: change the script, not this file.", ""]
    for name, pairs in sections:
        lines.append("[%s]" % name)
        lines += ["%s=%s" % (k, v) for k, v in pairs]
        lines.append("")
    files["Options.dat"] = "\r\n".join(lines).encode("ascii")

    os.makedirs(folder, exist_ok=True)
    for name in os.listdir(folder):
        if name not in files:
            os.remove(os.path.join(folder, name))
    for name in sorted(files):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(files[name])


def main():
    if len(sys.argv) != 2:
        raise SystemExit("usage: make_topaz.py FOLDER")
    build(sys.argv[1])


if __name__ == "__main__":
    main()
