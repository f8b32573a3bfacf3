#!/usr/bin/python3
"""Draws every skin picture of the Orvane configuration tool.

Run with Debian's python3 and python3-pil:

    /usr/bin/python3 images/make_artwork.py

The script writes the runtime pictures below images/0409/ (background,
buttons and controls folders) and the application icon res/app.ico.
Every picture is drawn three times from the same shapes: at its own size
for 96 DPI, and at one and a half and twice that size for 144 and 192 DPI
("ok-1.png", "ok-1@1.5x.png", "ok-1@2x.png"). All coordinates below are
96 DPI pixels; the helpers turn them into pixels of the set being drawn.
Its output is byte-for-byte the same on every run: nothing depends on the
time, on random numbers or on the order of a directory listing.

Look: dark surfaces (0x1F1F1F window body, 0x252525 panels, 0x3C3C3C
raised parts), white text drawn by the program, one cyan accent.
"""

import math
import os
import struct
import sys
from io import BytesIO

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
SKIN = os.path.join(HERE, "0409")
BACKGROUND = os.path.join(SKIN, "background")
BUTTONS = os.path.join(SKIN, "buttons")
CONTROLS = os.path.join(SKIN, "controls")
ICON_PATH = os.path.join(REPO, "res", "app.ico")

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
FONT_BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")

# ---------------------------------------------------------------- palette

BASE = (0x1F, 0x1F, 0x1F)        # window body, title and bottom rows
PANEL = (0x25, 0x25, 0x25)       # page panel and dialog body
RAISED = (0x3C, 0x3C, 0x3C)      # raised parts, outlines
DEEP = (0x16, 0x16, 0x16)        # recesses
WHITE = (0xFF, 0xFF, 0xFF)
ACCENT = (0x00, 0xB4, 0xF0)      # the one accent colour
ACCENT_HI = (0x5C, 0xD2, 0xFF)
ACCENT_LO = (0x00, 0x7A, 0xA8)
ACCENT_DEEP = (0x00, 0x3E, 0x58)
RECORD_RED = (0xE5, 0x3E, 0x3E)  # the record dot only

SS = 4  # supersampling factor of anti-aliased shapes

# The sets: scale and the suffix of the file name before its extension.
SETS = ((1, ""), (1.5, "@1.5x"), (2, "@2x"))

# Scale of the set being drawn; main() sets it before drawing each set.
K = 1


# ---------------------------------------------------------------- scale

def px(v):
    """A 96 DPI coordinate in pixels of the set being drawn."""
    return v if K == 1 else v * K


def pxi(v):
    """The same, rounded to the nearest pixel, halves up (as the program rounds)."""
    return v if K == 1 else int(math.floor(v * K + 0.5))


def unpx(v):
    """Pixels of the set being drawn in 96 DPI units."""
    return v if K == 1 else v / K


def dims(size):
    """Pixel size of a picture of 96 DPI size."""
    return size if K == 1 else tuple(pxi(v) for v in size)


def blank(size, value=0):
    """Grey-scale mask of 96 DPI size, filled with value."""
    return Image.new("L", dims(size), value)


def blur(radius):
    return ImageFilter.GaussianBlur(px(radius))


def erode(pixels):
    """Filter that takes pixels (96 DPI) off the edges of a mask."""
    return ImageFilter.MinFilter(2 * pxi(pixels) + 1)


def scaled_points(points):
    """A box [x0, y0, x1, y1] or a list of (x, y) in pixels of the set."""
    if K == 1:
        return points
    return [(px(p[0]), px(p[1])) if isinstance(p, tuple) else px(p) for p in points]


class ScaledDraw:
    """ImageDraw.Draw taking 96 DPI coordinates; lines widen with the scale."""

    def __init__(self, img):
        self.draw = ImageDraw.Draw(img)

    def rectangle(self, box, **style):
        self.draw.rectangle(scaled_points(box), **style)

    def ellipse(self, box, **style):
        self.draw.ellipse(scaled_points(box), **style)

    def line(self, points, **style):
        if K != 1:
            style["width"] = pxi(style.get("width", 1))
        self.draw.line(scaled_points(points), **style)


def pixel_centre(i):
    """The 96 DPI coordinate of the centre of pixel i of the set being drawn."""
    return i if K == 1 else (i + 0.5) / K - 0.5


def fill_box(img, box, colour):
    """Crisp box (x0, y0, x1, y1), right and bottom exclusive, edge by edge."""
    x0, y0, x1, y1 = box
    img.paste(colour, (pxi(x0), pxi(y0), pxi(x1), pxi(y1)))


# ---------------------------------------------------------------- helpers

def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def canvas(size, colour=None):
    if colour is None:
        return Image.new("RGBA", dims(size), (0, 0, 0, 0))
    return Image.new("RGBA", dims(size), tuple(colour) + (255,))


def ss_mask(size, draw_fn, s=SS):
    """Anti-aliased coverage mask: draw_fn(draw, f) paints 96 DPI coordinates times f."""
    w, h = dims(size)
    m = Image.new("L", (w * s, h * s), 0)
    draw_fn(ImageDraw.Draw(m), s if K == 1 else s * K)
    return m.reduce(s)


def rrect_mask(size, box, r, s=SS):
    x0, y0, x1, y1 = box

    def fn(d, s):
        rr = max(0, r * s)
        d.rounded_rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1],
                            radius=rr, fill=255)
    return ss_mask(size, fn, s)


def ellipse_mask(size, box, s=SS):
    x0, y0, x1, y1 = box
    return ss_mask(size, lambda d, s: d.ellipse(
        [x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], fill=255), s)


def polygon_mask(size, pts, s=SS):
    return ss_mask(size, lambda d, s: d.polygon(
        [(x * s, y * s) for x, y in pts], fill=255), s)


def stroke_mask(size, pts, width, s=SS, closed=False):
    """Polyline with round joins and caps."""
    def fn(d, s):
        p = [(x * s, y * s) for x, y in pts]
        if closed:
            p = p + [p[0]]
        d.line(p, fill=255, width=max(1, int(round(width * s))), joint="curve")
        r = width * s / 2.0
        for x, y in (p if not closed else p[:-1]):
            d.ellipse([x - r, y - r, x + r, y + r], fill=255)
    return ss_mask(size, fn, s)


def ring(outer, inner):
    return ImageChops.subtract(outer, inner)


def scale_mask(mask, factor):
    if factor >= 1.0:
        return mask
    return mask.point(lambda v: int(round(v * factor)))


def paint(img, mask, colour, opacity=1.0):
    """Composite colour (a tuple or an RGB/RGBA image) through mask."""
    if isinstance(colour, tuple):
        layer = Image.new("RGBA", img.size, tuple(colour[:3]) + (255,))
    else:
        layer = colour.convert("RGBA")
    a = scale_mask(mask, opacity)
    layer.putalpha(ImageChops.multiply(layer.getchannel("A"), a))
    img.alpha_composite(layer)


def vgrad(size, stops):
    """Vertical gradient; stops = [(position 0..1, colour), ...]."""
    return vgrad_px(dims(size), stops)


def vgrad_px(size, stops):
    w, h = size
    img = Image.new("RGB", size)
    d = ImageDraw.Draw(img)
    for y in range(h):
        t = y / (h - 1) if h > 1 else 0.0
        d.line([(0, y), (w - 1, y)], fill=stop_colour(stops, t))
    return img


def hgrad(size, stops):
    return hgrad_px(dims(size), stops)


def hgrad_px(size, stops):
    w, h = size
    img = Image.new("RGB", size)
    d = ImageDraw.Draw(img)
    for x in range(w):
        t = x / (w - 1) if w > 1 else 0.0
        d.line([(x, 0), (x, h - 1)], fill=stop_colour(stops, t))
    return img


def stop_colour(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 1.0)
    return stops[-1][1]


def hline(img, x0, x1, y, colour, alpha=255):
    """Crisp one-pixel (96 DPI) horizontal line, x1 inclusive."""
    layer = Image.new("RGBA", (pxi(x1 + 1) - pxi(x0), pxi(y + 1) - pxi(y)), tuple(colour) + (alpha,))
    img.alpha_composite(layer, (pxi(x0), pxi(y)))


def vline(img, x, y0, y1, colour, alpha=255):
    layer = Image.new("RGBA", (pxi(x + 1) - pxi(x), pxi(y1 + 1) - pxi(y0)), tuple(colour) + (alpha,))
    img.alpha_composite(layer, (pxi(x), pxi(y0)))


def binary(mask):
    return mask.point(lambda v: 255 if v >= 128 else 0)


def edge_of(mask_bin):
    """Pixels of a binary mask within one 96 DPI pixel of the outside."""
    w, h = mask_bin.size
    n = pxi(1)
    padded = Image.new("L", (w + 2 * n, h + 2 * n), 0)
    padded.paste(mask_bin, (n, n))
    eroded = padded.filter(erode(1)).crop((n, n, w + n, h + n))
    return ImageChops.subtract(mask_bin, eroded)


def font(size, path=FONT_BOLD):
    """The face at a 96 DPI pixel size, in pixels of the set being drawn."""
    return ImageFont.truetype(path, pxi(size))


def text_mask(size, text, fnt, centre, spacing=0):
    """Text coverage mask centred on centre (x, y); spacing between letters."""
    m = blank(size)
    d = ImageDraw.Draw(m)
    centre = tuple(scaled_points(list(centre)))
    spacing = px(spacing)
    if spacing == 0:
        d.text(centre, text, font=fnt, fill=255, anchor="mm")
        return m
    widths = [fnt.getlength(c) for c in text]
    total = sum(widths) + spacing * (len(text) - 1)
    x = centre[0] - total / 2.0
    for c, cw in zip(text, widths):
        d.text((x, centre[1]), c, font=fnt, fill=255, anchor="lm")
        x += cw + spacing
    return m


def opaque_on(img, colour):
    """Flatten an RGBA picture onto a solid colour (fully opaque result)."""
    out = Image.new("RGBA", img.size, tuple(colour) + (255,))
    out.alpha_composite(img)
    return out


def save_png(img, folder, name, compress_level=9):
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, name)
    img.save(path, "PNG", optimize=False, compress_level=compress_level)
    return path


def save_bmp(img, folder, name):
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, name)
    img.convert("RGB").save(path, "BMP")
    return path


def save_region_bmp(img, folder, name, one_bit):
    """A region bitmap: 24-bit, or with `one_bit` two colours only, white outside and black
    inside, a sixteenth of the file to read at the start."""
    if not one_bit:
        return save_bmp(img, folder, name)
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, name)
    channels = [c.point(lambda v: 255 if v == 255 else 0).convert("1", dither=Image.Dither.NONE)
                for c in img.convert("RGB").split()]
    white = ImageChops.logical_and(ImageChops.logical_and(channels[0], channels[1]), channels[2])
    white.save(path, "BMP")
    return path


def no_pure_white_inside(img, mask_bin):
    """Region bitmaps: inside the outline no pixel may be exactly white."""
    rgb = img.convert("RGB")
    w, h = rgb.size
    px = rgb.load()
    mk = mask_bin.load()
    for y in range(h):
        for x in range(w):
            white = px[x, y] == (255, 255, 255)
            if mk[x, y] and white:
                raise SystemExit("region bitmap has white inside at %d,%d" % (x, y))
            if not mk[x, y] and not white:
                raise SystemExit("region bitmap is not white outside at %d,%d" % (x, y))


# ------------------------------------------------------- shared geometry

def window_shape(size, radius_x, radius_y=None):
    """Binary outline of a window: rounded rectangle filling the picture.

    The corners may be elliptic (radius_x != radius_y) so that a picture
    stretched to another aspect ratio keeps the outline it was drawn with.
    """
    w, h = dims(size)
    rx = float(px(radius_x))
    ry = rx if radius_y is None else float(px(radius_y))
    s = SS
    W, H = w * s, h * s
    big = Image.new("L", (W, H), 255)
    d = ImageDraw.Draw(big)
    for right in (False, True):
        for bottom in (False, True):
            ex0 = W - 2 * rx * s if right else 0
            ey0 = H - 2 * ry * s if bottom else 0
            cx0 = W - rx * s if right else 0
            cy0 = H - ry * s if bottom else 0
            d.rectangle([cx0, cy0, cx0 + rx * s - 1, cy0 + ry * s - 1], fill=0)
            d.ellipse([ex0, ey0, ex0 + 2 * rx * s - 1, ey0 + 2 * ry * s - 1], fill=255)
    return binary(big.reduce(s))


def region_bitmap(size, shape):
    """White outside the outline, a dark grey silhouette inside."""
    img = Image.new("RGB", dims(size), WHITE)
    img.paste(Image.new("RGB", dims(size), BASE), (0, 0), shape)
    no_pure_white_inside(img, shape)
    return img


# ------------------------------------------------------------ brand marks

def brand_mark_mask(size, cx, cy, r):
    """The Orvane mark: an open ring with a slanted cut and a centre dot."""
    def fn(d, s):
        R = r * s
        t = max(1.0, r * 0.30) * s
        X, Y = cx * s, cy * s
        d.ellipse([X - R, Y - R, X + R, Y + R], fill=255)
        d.ellipse([X - R + t, Y - R + t, X + R - t, Y + R - t], fill=0)
        # slanted cut through the upper right of the ring
        a = math.radians(-40)
        ux, uy = math.cos(a), math.sin(a)
        nx, ny = -uy, ux
        g = 0.16 * R
        p0 = (X + ux * R * 0.35, Y + uy * R * 0.35)
        p1 = (X + ux * R * 1.6, Y + uy * R * 1.6)
        d.polygon([(p0[0] + nx * g, p0[1] + ny * g), (p1[0] + nx * g, p1[1] + ny * g),
                   (p1[0] - nx * g, p1[1] - ny * g), (p0[0] - nx * g, p0[1] - ny * g)], fill=0)
        dr = 0.22 * R
        d.ellipse([X - dr, Y - dr, X + dr, Y + dr], fill=255)
    return ss_mask(size, fn, 8)


def mouse_glyph(n):
    """Mouse seen from above, for the icon, snapped to whole pixels.

    Returns three masks: shell outline, seams and wheel.
    """
    size = (n, n)
    lw = max(1, n // 16)
    w = int(round(0.40 * n))
    if w % 2 != lw % 2:
        w += 1
    h = int(round(0.64 * n))
    x0 = (n - w) // 2
    y0 = (n - h) // 2
    x1, y1 = x0 + w, y0 + h
    r = w / 2.0
    outer = rrect_mask(size, (x0, y0, x1, y1), r, 8)
    inner = rrect_mask(size, (x0 + lw, y0 + lw, x1 - lw, y1 - lw), r - lw, 8)
    shell = ring(outer, inner)
    cx = x0 + w / 2.0
    seam_top = y0 + int(round(h * 0.42)) - lw // 2
    seam = Image.new("L", size, 0)
    sd = ImageDraw.Draw(seam)
    sd.rectangle([int(cx - lw / 2.0), y0, int(cx + lw / 2.0) - 1, seam_top + lw - 1], fill=255)
    sd.rectangle([x0, seam_top, x1 - 1, seam_top + lw - 1], fill=255)
    seam = ImageChops.multiply(seam, inner)
    ww = max(lw, int(round(0.16 * w)))
    if ww % 2 != w % 2:
        ww += 1
    wy0 = y0 + max(lw + 1, int(round(h * 0.12)))
    wy1 = y0 + int(round(h * 0.30))
    if n <= 32:
        wheel = Image.new("L", size, 0)
        ImageDraw.Draw(wheel).rectangle([int(cx - ww / 2.0), wy0, int(cx + ww / 2.0) - 1, wy1 - 1], fill=255)
    else:
        wheel = rrect_mask(size, (cx - ww / 2.0, wy0, cx + ww / 2.0, wy1), ww / 2.0, 8)
    return shell, seam, wheel


def in_pixels(draw_fn, *args):
    """draw_fn run with coordinates in plain pixels, whatever set is being drawn."""
    global K
    scale, K = K, 1
    try:
        return draw_fn(*args)
    finally:
        K = scale


def app_icon_image(n):
    """The application icon at n x n pixels (drawn in plain pixels: see in_pixels)."""
    img = canvas((n, n))
    pad = 0 if n <= 24 else n / 32.0
    r = n * 0.22
    body = rrect_mask((n, n), (pad, pad, n - pad, n - pad), r, 8)
    paint(img, body, vgrad((n, n), [(0, (0x33, 0x33, 0x33)), (1, (0x15, 0x15, 0x15))]))
    if n >= 24:
        lw = max(1.0, n / 40.0)
        inner = rrect_mask((n, n), (pad + lw, pad + lw, n - pad - lw, n - pad - lw), r - lw, 8)
        paint(img, ring(body, inner), (0x4A, 0x4A, 0x4A))
    shell, seam, wheel = mouse_glyph(n)
    if n >= 32:
        glow = shell.filter(ImageFilter.GaussianBlur(n / 28.0))
        paint(img, glow, ACCENT, 0.55)
    paint(img, shell, vgrad((n, n), [(0, ACCENT_HI), (1, ACCENT)]))
    paint(img, seam, (0xD8, 0xD8, 0xD8))
    paint(img, wheel, WHITE)
    return img


def write_ico(path, images):
    """ICO file: 32-bit DIB entries up to 128 pixels, a PNG entry at 256."""
    entries = []
    for img in images:
        n = img.size[0]
        if n >= 256:
            buf = BytesIO()
            img.save(buf, "PNG", optimize=False, compress_level=9)
            data = buf.getvalue()
        else:
            rgba = img.convert("RGBA")
            header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
            rows = []
            px = rgba.load()
            for y in range(n - 1, -1, -1):
                row = bytearray()
                for x in range(n):
                    r, g, b, a = px[x, y]
                    row += bytes((b, g, r, a))
                rows.append(bytes(row))
            mask_stride = ((n + 31) // 32) * 4
            mask_rows = []
            for y in range(n - 1, -1, -1):
                bits = bytearray(mask_stride)
                for x in range(n):
                    if px[x, y][3] == 0:
                        bits[x // 8] |= 0x80 >> (x % 8)
                mask_rows.append(bytes(bits))
            data = header + b"".join(rows) + b"".join(mask_rows)
        entries.append((n, data))
    out = BytesIO()
    out.write(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for n, data in entries:
        dim = 0 if n >= 256 else n
        out.write(struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset))
        offset += len(data)
    for n, data in entries:
        out.write(data)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(out.getvalue())


# ------------------------------------------------------- main background

MAIN_SIZE = (1024, 700)
MAIN_RADIUS = 12
PAGE_PANEL = (12, 78, 1012, 640)   # left, top, right, bottom (exclusive)
LINK_AREA = (651, 9, 934, 40)


def framed_shape(img, shape, border, top_accent=True):
    """Paints a one-pixel border along the inside of a binary outline.

    The outer edge follows the window region pixel for pixel; the inner edge
    of the border is anti-aliased in the rounded corners.
    """
    w, h = img.size
    edge = edge_of(shape)
    paint(img, edge, border)
    if top_accent:
        # accent along the top edge, fading out towards both ends
        row = hgrad_px((w, pxi(1)), [(0.0, border), (0.22, border), (0.5, ACCENT), (0.78, border), (1.0, border)])
        top = Image.new("L", (w, h), 0)
        top.paste(edge.crop((0, 0, w, pxi(1))), (0, 0))
        strip = Image.new("RGB", (w, h), border)
        strip.paste(row, (0, 0))
        paint(img, top, strip)


def make_main_background():
    w, h = MAIN_SIZE
    shape = window_shape(MAIN_SIZE, MAIN_RADIUS)
    img = canvas(MAIN_SIZE, BASE)
    # outside the outline (never visible with the window region applied)
    outside = ImageChops.invert(shape)
    paint(img, outside, (0x12, 0x12, 0x12))

    # faint light from the top edge of the title row
    glow = blank(MAIN_SIZE)
    gd = ScaledDraw(glow)
    gd.ellipse([w * 0.18, -60, w * 0.82, 34], fill=255)
    glow = glow.filter(blur(26))
    glow = ImageChops.multiply(glow, shape)
    # keep the title row flat where buttons with a 0x1F1F1F fill sit
    keep = blank(MAIN_SIZE, 255)
    ScaledDraw(keep).rectangle([0, 10, w, h], fill=0)
    paint(img, ImageChops.multiply(glow, keep), ACCENT, 0.10)

    framed_shape(img, shape, (0x3A, 0x3A, 0x3A))

    # app mark in the upper left corner
    icon = in_pixels(app_icon_image, pxi(24))
    img.alpha_composite(icon, (pxi(18), pxi(12)))

    # brand in the web link area: mark and word, clickable as a whole
    lx0, ly0, lx1, ly1 = LINK_AREA
    cy = (ly0 + ly1) / 2.0
    word = "ORVANE"
    fnt = font(15)
    spacing = 5
    tw = unpx(sum(fnt.getlength(c) for c in word)) + spacing * (len(word) - 1)
    right = lx1 - 8
    wx = right - tw / 2.0
    paint(img, text_mask(MAIN_SIZE, word, fnt, (wx, cy + 1), spacing), (0xE8, 0xE8, 0xE8))
    mark_r = 8.5
    mcx = right - tw - 10 - mark_r
    paint(img, brand_mark_mask(MAIN_SIZE, mcx, cy, mark_r), ACCENT)
    # a thin divider between the brand and the window buttons
    vline(img, 943, 16, 32, (0x33, 0x33, 0x33))

    # page panel
    px0, py0, px1, py1 = PAGE_PANEL
    outer = rrect_mask(MAIN_SIZE, (px0, py0, px1, py1), 7)
    inner = rrect_mask(MAIN_SIZE, (px0 + 1, py0 + 1, px1 - 1, py1 - 1), 6)
    paint(img, outer, (0x31, 0x31, 0x31))
    paint(img, inner, PANEL)
    # highlight on the top edge of the panel
    hl = hgrad_px((pxi(px1 - 12) - pxi(px0 + 12), pxi(py0 + 1) - pxi(py0)),
                  [(0, (0x31, 0x31, 0x31)), (0.5, (0x45, 0x45, 0x45)), (1, (0x31, 0x31, 0x31))])
    img.alpha_composite(hl.convert("RGBA"), (pxi(px0 + 12), pxi(py0)))
    # separator under the page tabs
    sep = hgrad_px((pxi(px1 - 20) - pxi(px0 + 20), pxi(120) - pxi(119)),
                   [(0, PANEL), (0.12, (0x33, 0x33, 0x33)), (0.88, (0x33, 0x33, 0x33)), (1, PANEL)])
    img.alpha_composite(sep.convert("RGBA"), (pxi(px0 + 20), pxi(119)))
    return img, shape


# --------------------------------------------------------- dialog frame

DLG_SIZE = (478, 292)
DLG_RADIUS = 8
EDITOR_SIZE = (757, 582)


def make_dialog_background():
    w, h = DLG_SIZE
    shape = window_shape(DLG_SIZE, DLG_RADIUS)
    img = canvas(DLG_SIZE, BASE)
    paint(img, shape, PANEL)
    glow = blank(DLG_SIZE)
    ScaledDraw(glow).ellipse([w * 0.15, -44, w * 0.85, 22], fill=255)
    glow = glow.filter(blur(16))
    cut = blank(DLG_SIZE, 255)
    ScaledDraw(cut).rectangle([0, 56, w, h], fill=0)
    glow = ImageChops.multiply(ImageChops.multiply(glow, cut), shape)
    paint(img, glow, ACCENT, 0.12)
    framed_shape(img, shape, RAISED)
    return img, shape


def scaled_shape(src_size, dst_size, radius):
    """Outline of a picture of src_size stretched to dst_size."""
    rx = radius * dst_size[0] / float(src_size[0])
    ry = radius * dst_size[1] / float(src_size[1])
    return window_shape(dst_size, rx, ry)


# ------------------------------------------------------------ mouse view

MOUSE_SIZE = (265, 470)
MOUSE_CX = 132.5

# outline of the shell, clockwise from the nose (picture coordinates)
MOUSE_OUTLINE = [
    (132.5, 24), (163, 27), (191, 40), (208, 66), (215, 110), (216, 160),
    (213, 210), (214, 260), (218, 312), (219, 356), (214, 392), (199, 418),
    (171, 433), (132.5, 437), (94, 433), (66, 418), (51, 392), (46, 356),
    (47, 312), (52, 274), (50, 238), (51, 200), (50, 160), (51, 110),
    (57, 66), (74, 40), (102, 27),
]


def catmull_rom(points, steps=16):
    out = []
    n = len(points)
    for i in range(n):
        p0, p1, p2, p3 = points[i - 1], points[i], points[(i + 1) % n], points[(i + 2) % n]
        for k in range(steps):
            t = k / float(steps)
            t2, t3 = t * t, t * t * t
            x = 0.5 * ((2 * p1[0]) + (-p0[0] + p2[0]) * t + (2 * p0[0] - 5 * p1[0] + 4 * p2[0] - p3[0]) * t2
                       + (-p0[0] + 3 * p1[0] - 3 * p2[0] + p3[0]) * t3)
            y = 0.5 * ((2 * p1[1]) + (-p0[1] + p2[1]) * t + (2 * p0[1] - 5 * p1[1] + 4 * p2[1] - p3[1]) * t2
                       + (-p0[1] + 3 * p1[1] - 3 * p2[1] + p3[1]) * t3)
            out.append((x, y))
    return out


def button_rear(x):
    """Rear edge of the two main buttons."""
    return 194 + 0.0042 * (x - MOUSE_CX) ** 2


def badge(img, cx, cy, number, r=8.5):
    size = MOUSE_SIZE
    outer = ellipse_mask(size, (cx - r, cy - r, cx + r, cy + r))
    inner = ellipse_mask(size, (cx - r + 1.6, cy - r + 1.6, cx + r - 1.6, cy + r - 1.6))
    paint(img, outer, ACCENT)
    paint(img, inner, (0x1A, 0x1A, 0x1A))
    paint(img, text_mask(size, str(number), font(10), (cx, cy + 0.5)), WHITE)


def make_mouse_picture():
    size = MOUSE_SIZE
    w, h = size
    img = canvas(size)
    outline = catmull_rom(MOUSE_OUTLINE)
    body = polygon_mask(size, outline)

    # soft shadow under the shell
    shadow = body.filter(blur(7))
    sh = blank(size)
    sh.paste(shadow, (0, pxi(7)))
    paint(img, sh, (0, 0, 0), 0.65)

    # shell with light from the upper left
    shell = vgrad(size, [(0.0, (0x3A, 0x3A, 0x3A)), (0.45, (0x26, 0x26, 0x26)), (1.0, (0x15, 0x15, 0x15))])
    side = hgrad(size, [(0.0, (0x00, 0x00, 0x00)), (0.45, (0x80, 0x80, 0x80)), (1.0, (0x00, 0x00, 0x00))])
    shell = ImageChops.add(shell, ImageChops.multiply(side, Image.new("RGB", dims(size), (0x14, 0x14, 0x14))))
    paint(img, body, shell)

    # light strip along both flanks of the rear half
    strip = ring(body.filter(erode(1)), body.filter(erode(3)))
    rear = blank(size)
    ScaledDraw(rear).rectangle([0, 250, w, 430], fill=255)
    rear = rear.filter(blur(22))
    strip = ImageChops.multiply(strip, rear)
    paint(img, strip.filter(blur(3)), ACCENT, 0.7)
    paint(img, strip, ACCENT, 0.9)

    # soft reflections: on the main buttons and on the palm rest
    gloss = blank(size)
    sd = ScaledDraw(gloss)
    sd.ellipse([74, 36, 116, 150], fill=255)
    sd.ellipse([150, 36, 192, 150], fill=255)
    paint(img, ImageChops.multiply(gloss.filter(blur(14)), body), WHITE, 0.07)
    palm = blank(size)
    ScaledDraw(palm).ellipse([80, 250, 185, 380], fill=255)
    paint(img, ImageChops.multiply(palm.filter(blur(26)), body), WHITE, 0.05)

    # rim light along the outline
    rim = ring(body, body.filter(erode(1)))
    paint(img, rim, (0x5A, 0x5A, 0x5A), 0.7)

    # main buttons: left and right of the centre channel
    ch_l, ch_r = 118.0, 147.0
    xs = [x / 2.0 for x in range(60, 2 * 215)]
    left_pts = [(0, -10), (ch_l, -10)] + [(ch_l, button_rear(ch_l))] + \
        [(x, button_rear(x)) for x in reversed(xs) if x < ch_l] + [(0, button_rear(0))]
    right_pts = [(ch_r, -10), (w, -10), (w, button_rear(w))] + \
        [(x, button_rear(x)) for x in sorted((x for x in xs if x > ch_r), reverse=True)] + \
        [(ch_r, button_rear(ch_r))]
    lb = ImageChops.multiply(polygon_mask(size, left_pts), body)
    rb = ImageChops.multiply(polygon_mask(size, right_pts), body)
    top_face = vgrad(size, [(0.0, (0x44, 0x44, 0x44)), (0.25, (0x30, 0x30, 0x30)), (0.45, (0x29, 0x29, 0x29)), (1, (0x29, 0x29, 0x29))])
    for m in (lb, rb):
        paint(img, m, top_face)
    # seams around the main buttons
    seam_pts_l = [(ch_l, 20), (ch_l, button_rear(ch_l))] + [(x, button_rear(x)) for x in reversed(xs) if x < ch_l and x > 40]
    seam_pts_r = [(ch_r, 20), (ch_r, button_rear(ch_r))] + [(x, button_rear(x)) for x in xs if x > ch_r and x < 225]
    for pts in (seam_pts_l, seam_pts_r):
        paint(img, ImageChops.multiply(stroke_mask(size, pts, 1.6), body), (0x0C, 0x0C, 0x0C))
        hl = [(x + 1.2, y + 1.2) for x, y in pts]
        paint(img, ImageChops.multiply(stroke_mask(size, hl, 0.8), body), (0x4C, 0x4C, 0x4C), 0.6)

    # channel between the buttons
    channel = rrect_mask(size, (ch_l + 1, 30, ch_r - 1, button_rear(MOUSE_CX) - 4), 6)
    channel = ImageChops.multiply(channel, body)
    paint(img, channel, vgrad(size, [(0, (0x12, 0x12, 0x12)), (1, (0x18, 0x18, 0x18))]))

    # wheel with an accent light
    wx0, wx1, wy0, wy1 = MOUSE_CX - 8, MOUSE_CX + 8, 58, 118
    wheel = rrect_mask(size, (wx0, wy0, wx1, wy1), 7)
    ribs = Image.new("RGB", dims(size), (0x2E, 0x2E, 0x2E))
    rd = ScaledDraw(ribs)
    for y in range(wy0, wy1, 3):
        rd.line([(0, y), (w, y)], fill=(0x44, 0x44, 0x44))
    paint(img, wheel, ribs)
    shade = hgrad(size, [(0, (0, 0, 0)), (0.5, (0, 0, 0)), (1, (0, 0, 0))])
    edge_dark = ring(wheel, rrect_mask(size, (wx0 + 3, wy0 + 1, wx1 - 3, wy1 - 1), 5))
    paint(img, edge_dark, shade, 0.45)
    light = rrect_mask(size, (MOUSE_CX - 1.2, wy0 + 6, MOUSE_CX + 1.2, wy1 - 6), 1.2)
    paint(img, light.filter(blur(2.2)), ACCENT, 0.9)
    paint(img, light, ACCENT_HI)

    # two stage buttons behind the wheel
    dpi_boxes = [(MOUSE_CX - 7, 130, MOUSE_CX + 7, 148), (MOUSE_CX - 7, 154, MOUSE_CX + 7, 172)]
    for box in dpi_boxes:
        m = rrect_mask(size, box, 4)
        paint(img, m, vgrad(size, [(0, (0x4A, 0x4A, 0x4A)), (0.5, (0x34, 0x34, 0x34)), (1, (0x2A, 0x2A, 0x2A))]))
        paint(img, ring(m, rrect_mask(size, (box[0] + 1, box[1] + 1, box[2] - 1, box[3] - 1), 3)), (0x0E, 0x0E, 0x0E), 0.8)

    # fire button on the outer edge of the left button
    fire_box = (57, 78, 69, 136)
    fm = rrect_mask(size, fire_box, 6)
    paint(img, fm, vgrad(size, [(0, (0x4A, 0x4A, 0x4A)), (0.3, (0x38, 0x38, 0x38)), (1, (0x2C, 0x2C, 0x2C))]))
    paint(img, ring(fm, rrect_mask(size, (fire_box[0] + 1.2, fire_box[1] + 1.2, fire_box[2] - 1.2, fire_box[3] - 1.2), 5)), (0x0C, 0x0C, 0x0C), 0.9)

    # two thumb buttons on the left flank
    side_boxes = [(43, 216, 57, 256), (43, 262, 57, 302)]
    for box in side_boxes:
        m = rrect_mask(size, box, 6)
        paint(img, m, hgrad(size, [(0, (0x48, 0x48, 0x48)), (0.25, (0x3A, 0x3A, 0x3A)), (1, (0x2A, 0x2A, 0x2A))]))
        paint(img, ring(m, rrect_mask(size, (box[0] + 1.2, box[1] + 1.2, box[2] - 1.2, box[3] - 1.2), 5)), (0x0C, 0x0C, 0x0C), 0.9)

    # brand mark on the palm rest
    mark = brand_mark_mask(size, MOUSE_CX, 330, 15)
    paint(img, mark.filter(blur(3)), ACCENT, 0.6)
    paint(img, mark, ACCENT_HI)

    # call-outs: anchor dot on the button, line, numbered badge.
    # Numbers follow the rows of the button page from top to bottom:
    # 1 left, 2 right, 3 wheel, 4 fire, 5 front thumb, 6 rear thumb,
    # 7 front stage button, 8 rear stage button.
    left_x, right_x = 17.5, 247.5
    callouts = [
        (1, (98, 50), left_x),
        (4, (63, 107), left_x),
        (5, (50, 236), left_x),
        (6, (50, 282), left_x),
        (2, (167, 50), right_x),
        (3, (MOUSE_CX, 88), right_x),
        (7, (MOUSE_CX, 139), right_x),
        (8, (MOUSE_CX, 163), right_x),
    ]
    line_colour = (0x9A, 0x9A, 0x9A)
    for number, (ax, ay), bx in callouts:
        end = bx + 8.5 if bx < ax else bx - 8.5
        paint(img, stroke_mask(size, [(ax, ay), (end, ay)], 1.0), (0x10, 0x10, 0x10), 0.55)
        paint(img, stroke_mask(size, [(ax, ay - 0.1), (end, ay - 0.1)], 0.9), line_colour, 0.85)
        dot = ellipse_mask(size, (ax - 3, ay - 3, ax + 3, ay + 3))
        paint(img, dot, (0x10, 0x10, 0x10))
        paint(img, ellipse_mask(size, (ax - 2, ay - 2, ax + 2, ay + 2)), ACCENT_HI)
        badge(img, bx, ay, number)
    return img


def make_marker():
    """Row marker beside the function buttons (19 x 20, numbers drawn on top)."""
    size = (19, 20)
    img = canvas(size, PANEL)
    cx, cy, r = 9.5, 10.0, 9.0
    paint(img, ellipse_mask(size, (cx - r, cy - r, cx + r, cy + r)), ACCENT)
    paint(img, ellipse_mask(size, (cx - r + 1.6, cy - r + 1.6, cx + r - 1.6, cy + r - 1.6)), (0x1A, 0x1A, 0x1A))
    return img


# ---------------------------------------------------------- colour picker

def hue_colour(hh):
    hh = (hh % 1.0) * 6.0
    i = int(hh)
    f = hh - i
    q, t = 1.0 - f, f
    return [(1, t, 0), (q, 1, 0), (0, 1, t), (0, q, 1), (t, 0, 1), (1, 0, q)][i % 6]


def make_colour_picker():
    """Hue across; white at the top, full colour in the middle, black below.

    The window picks colours in columns 0 to 205 and rows 0 to 146 of this
    picture: the white band, the full-colour band and the black band are all
    inside that part.
    """
    w, h = dims((208, 149))
    img = Image.new("RGB", (w, h))
    pixels = img.load()
    hue_cols = 205
    white_end, full0, full1, black0 = 5, 70, 78, 141
    for column in range(w):
        x = pixel_centre(column)
        hc = hue_colour(min(x, hue_cols) / float(hue_cols))
        for row in range(h):
            y = pixel_centre(row)
            if y <= white_end:
                c = (1.0, 1.0, 1.0)
            elif y < full0:
                t = (y - white_end) / float(full0 - white_end)
                c = tuple(1.0 + (v - 1.0) * t for v in hc)
            elif y <= full1:
                c = hc
            elif y < black0:
                t = (y - full1) / float(black0 - full1)
                c = tuple(v * (1.0 - t) for v in hc)
            else:
                c = (0.0, 0.0, 0.0)
            pixels[column, row] = tuple(int(round(v * 255)) for v in c)
    return img.convert("RGBA")


# --------------------------------------------------------- small pictures

def make_warning():
    size = (96, 90)
    img = canvas(size)
    tri = [(48, 9), (87, 79), (9, 79)]
    shape = ss_mask(size, lambda d, s: (
        d.polygon([(x * s, y * s) for x, y in tri], fill=255),
        d.line([(x * s, y * s) for x, y in tri + [tri[0]]], fill=255, width=int(10 * s), joint="curve"),
        [d.ellipse([(x - 5) * s, (y - 5) * s, (x + 5) * s, (y + 5) * s], fill=255) for x, y in tri]), 8)
    paint(img, shape.filter(blur(4)), ACCENT, 0.45)
    paint(img, shape, vgrad(size, [(0.0, ACCENT_HI), (0.55, ACCENT), (1.0, ACCENT_LO)]))
    # light edge on top
    inner = shape.filter(erode(1))
    top = blank(size)
    ScaledDraw(top).rectangle([0, 0, 96, 40], fill=255)
    paint(img, ImageChops.multiply(ring(shape, inner), top.filter(blur(8))), WHITE, 0.35)
    ink = (0x1A, 0x1A, 0x1A)
    paint(img, rrect_mask(size, (44, 30, 52, 61), 4), ink)
    paint(img, ellipse_mask(size, (43.5, 65, 52.5, 74)), ink)
    return img


def arrow(down):
    """7 x 9 arrow for press (down) and release (up) rows of the event list."""
    rows = [
        "..###..",
        "..###..",
        "..###..",
        "..###..",
        "..###..",
        "#######",
        ".#####.",
        "..###..",
        "...#...",
    ]
    if not down:
        rows = rows[::-1]
    colour = ACCENT_HI if down else (0xE6, 0xE6, 0xE6)
    img = canvas((7, 9))
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "#":
                fill_box(img, (x, y, x + 1, y + 1), colour + (255,))
    return img


def make_list_stripes():
    """Pattern of the macro list: 13 rows of 23 pixels, 175 wide."""
    w, h = 175, 299
    img = Image.new("RGB", dims((w, h)))
    for band in range(13):
        y = band * 23
        fill_box(img, (0, y, w, y + 1), (21, 21, 21))
        fill_box(img, (0, y + 1, w, y + 22), (85, 84, 84))
        fill_box(img, (0, y + 22, w, y + 23), (7, 7, 7))
    fill_box(img, (0, 0, 1, h), (10, 10, 10))
    fill_box(img, (w - 1, 0, w, h), (10, 10, 10))
    return img


# ----------------------------------------------------------------- menus

MENU_ITEM = (150, 24)


def make_menu_item(hover, submenu):
    w, h = MENU_ITEM
    if hover:
        fill = mix((0x2B, 0x2B, 0x2B), ACCENT, 0.22)
        img = canvas(MENU_ITEM, fill)
        hline(img, 0, w - 1, 0, ACCENT)
        hline(img, 0, w - 1, h - 1, ACCENT)
        vline(img, 0, 0, h - 1, ACCENT)
        vline(img, w - 1, 0, h - 1, ACCENT)
    else:
        img = canvas(MENU_ITEM, (0x2B, 0x2B, 0x2B))
        hline(img, 0, w - 1, 0, (0x34, 0x34, 0x34))
        hline(img, 0, w - 1, h - 1, (0x1C, 0x1C, 0x1C))
    if submenu:
        cx, cy = w - 11.5, h / 2.0
        chev = stroke_mask(MENU_ITEM, [(cx - 2, cy - 4), (cx + 2, cy), (cx - 2, cy + 4)], 1.5)
        paint(img, chev, WHITE if hover else (0x9A, 0x9A, 0x9A))
    return img


# --------------------------------------------------------------- buttons

OK_SIZE = (93, 26)


def make_ok(state):
    w, h = OK_SIZE
    if state == "normal":
        img = canvas(OK_SIZE)
        paint(img, blank(OK_SIZE, 255), vgrad(OK_SIZE, [(0, (0x3A, 0x3A, 0x3A)), (1, (0x30, 0x30, 0x30))]))
        hline(img, 0, w - 1, 0, (0x48, 0x48, 0x48))
        hline(img, 0, w - 1, h - 1, (0x27, 0x27, 0x27))
    elif state == "hover":
        img = canvas(OK_SIZE)
        paint(img, blank(OK_SIZE, 255), vgrad(OK_SIZE, [(0, mix((0x44, 0x44, 0x44), ACCENT, 0.18)),
                                                               (1, mix((0x36, 0x36, 0x36), ACCENT, 0.18))]))
        hline(img, 0, w - 1, 0, mix((0x50, 0x50, 0x50), ACCENT, 0.35))
        hline(img, 0, w - 1, h - 2, ACCENT)
        hline(img, 0, w - 1, h - 1, ACCENT)
    else:  # pressed
        img = canvas(OK_SIZE)
        paint(img, blank(OK_SIZE, 255), vgrad(OK_SIZE, [(0, (0x00, 0x8C, 0xC0)), (1, (0x00, 0x6C, 0x98))]))
        hline(img, 0, w - 1, 0, (0x22, 0xA8, 0xDC))
        hline(img, 0, w - 1, h - 1, (0x00, 0x4C, 0x6C))
    return img


TAB_SIZE = (100, 25)


def make_tab(selected):
    w, h = TAB_SIZE
    if selected:
        img = canvas(TAB_SIZE)
        paint(img, blank(TAB_SIZE, 255), vgrad(TAB_SIZE, [(0, (0x30, 0x30, 0x30)),
                                                                 (1, mix((0x30, 0x30, 0x30), ACCENT, 0.20))]))
        hline(img, 0, w - 1, 0, (0x3E, 0x3E, 0x3E))
        hline(img, 0, w - 1, h - 2, ACCENT)
        hline(img, 0, w - 1, h - 1, ACCENT)
    else:
        img = canvas(TAB_SIZE, (0x2B, 0x2B, 0x2B))
        hline(img, 0, w - 1, 0, (0x33, 0x33, 0x33))
        hline(img, 0, w - 1, h - 1, RAISED)
    return img


def make_title_button(kind, state):
    size = (20, 20)
    img = canvas(size)
    if state != "normal":
        bg = RAISED if state == "hover" else ACCENT_LO
        paint(img, rrect_mask(size, (0, 0, 20, 20), 3), bg)
    ink = (0xB8, 0xB8, 0xB8) if state == "normal" else WHITE
    if kind == "min":
        hline(img, 5, 14, 10, ink)
    else:
        paint(img, stroke_mask(size, [(6, 6), (14, 14)], 1.3), ink)
        paint(img, stroke_mask(size, [(14, 6), (6, 14)], 1.3), ink)
    return img


def make_record_button(kind, active):
    """Record and stop buttons of the macro editor (30 x 23)."""
    size = (30, 23)
    img = canvas(size, PANEL)
    plate = rrect_mask(size, (0, 0, 30, 23), 4)
    inner = rrect_mask(size, (1, 1, 29, 22), 3)
    paint(img, plate, ACCENT if active else (0x46, 0x46, 0x46))
    paint(img, inner, vgrad(size, [(0, (0x38, 0x38, 0x38) if active else (0x33, 0x33, 0x33)),
                                   (1, (0x2C, 0x2C, 0x2C) if active else (0x29, 0x29, 0x29))]))
    if kind == "record":
        dot = ellipse_mask(size, (9.5, 6, 20.5, 17))
        if active:
            paint(img, dot.filter(blur(1.8)), RECORD_RED, 0.8)
            paint(img, dot, (0xFF, 0x55, 0x55))
        else:
            paint(img, dot, RECORD_RED)
    else:
        sq = rrect_mask(size, (10, 6.5, 20, 16.5), 1.5)
        paint(img, sq, WHITE if active else (0xB4, 0xB4, 0xB4))
    return img


# --------------------------------------------------------------- controls

def make_checkbox(checked):
    size = (16, 16)
    img = canvas(size, PANEL)
    box = rrect_mask(size, (1, 1, 15, 15), 3)
    if checked:
        paint(img, box, vgrad(size, [(0, ACCENT_HI), (0.4, ACCENT), (1, ACCENT_LO)]))
        paint(img, stroke_mask(size, [(4.3, 8.2), (6.9, 10.8), (11.8, 5.4)], 1.9), WHITE)
    else:
        paint(img, box, (0x70, 0x70, 0x70))
        paint(img, rrect_mask(size, (2, 2, 14, 14), 2), vgrad(size, [(0, (0x16, 0x16, 0x16)), (1, (0x1E, 0x1E, 0x1E))]))
    return img


def make_link(linked):
    size = (20, 20)
    img = canvas(size, PANEL)
    colour = ACCENT if linked else (0x8A, 0x8A, 0x8A)
    if linked:
        a = [(3.5, 10), (9.5, 10)]
        b = [(10.5, 10), (16.5, 10)]
        paint(img, ring(rrect_mask(size, (2, 6.5, 12, 13.5), 3.5), rrect_mask(size, (3.5, 8, 10.5, 12), 2)), colour)
        paint(img, ring(rrect_mask(size, (8, 6.5, 18, 13.5), 3.5), rrect_mask(size, (9.5, 8, 16.5, 12), 2)), colour)
    else:
        paint(img, ring(rrect_mask(size, (1, 6.5, 9, 13.5), 3.5), rrect_mask(size, (2.5, 8, 7.5, 12), 2)), colour)
        paint(img, ring(rrect_mask(size, (11, 6.5, 19, 13.5), 3.5), rrect_mask(size, (12.5, 8, 17.5, 12), 2)), colour)
        paint(img, stroke_mask(size, [(10, 3), (10, 5)], 1.2), colour)
        paint(img, stroke_mask(size, [(10, 15), (10, 17)], 1.2), colour)
    return img


H_TRACK = (244, 18)
H_THUMB = (14, 18)
GROOVE_TOP, GROOVE_BOTTOM = 7, 11   # rows of the horizontal groove, bottom exclusive


def groove_rows(img, x0, x1):
    """Horizontal groove drawn as crisp rows (same in track and thumb)."""
    hline(img, x0, x1, GROOVE_TOP, (0x12, 0x12, 0x12))
    hline(img, x0, x1, GROOVE_TOP + 1, (0x3A, 0x3A, 0x3A))
    hline(img, x0, x1, GROOVE_TOP + 2, (0x3A, 0x3A, 0x3A))
    hline(img, x0, x1, GROOVE_TOP + 3, (0x44, 0x44, 0x44))


def make_h_track():
    w, h = H_TRACK
    img = canvas(H_TRACK, PANEL)
    groove_rows(img, 2, w - 3)
    # rounded ends
    for x in (1, w - 2):
        vline(img, x, GROOVE_TOP + 1, GROOVE_TOP + 2, (0x30, 0x30, 0x30))
    return img


def make_h_thumb(enabled):
    w, h = H_THUMB
    img = canvas(H_THUMB, PANEL)
    groove_rows(img, 0, w - 1)
    cx, cy, r = 7.0, 9.0, 6.5
    knob = ellipse_mask(H_THUMB, (cx - r, cy - r, cx + r, cy + r))
    hole = ellipse_mask(H_THUMB, (cx - 2.6, cy - 2.6, cx + 2.6, cy + 2.6))
    paint(img, ellipse_mask(H_THUMB, (cx - r - 0.8, cy - r + 0.2, cx + r + 0.8, cy + r + 1.2)), (0x10, 0x10, 0x10), 0.6)
    if enabled:
        paint(img, knob, vgrad(H_THUMB, [(0.2, ACCENT_HI), (0.5, ACCENT), (0.85, ACCENT_LO)]))
    else:
        paint(img, knob, (0x5C, 0x5C, 0x5C))
    paint(img, hole, (0x1A, 0x1A, 0x1A))
    return img


V_TRACK_H = 215
V_THUMB_H = 13


def tick_rows():
    """Centre rows of the marks at 1000, 2000 ... 8000 dpi (and halves)."""
    rows = []
    for code in range(5, 81, 5):
        p = 81 - code
        if p < 2:
            p = 2
        y = (V_TRACK_H - V_THUMB_H) * (p - 2) / 78.0 + V_THUMB_H / 2.0
        rows.append((int(round(y - 0.5)), code % 10 == 0))
    return rows


def make_v_track(kind):
    """DPI slider track: a groove lit from the top, marks every 500 dpi."""
    w = 48 if kind == "xy" else 24
    size = (w, V_TRACK_H)
    img = canvas(size, PANEL)
    gx = w // 2 - 2   # groove columns gx .. gx + 3
    groove = vgrad((4, V_TRACK_H - 8), [(0, ACCENT), (0.5, mix(ACCENT, (0x30, 0x30, 0x30), 0.6)),
                                        (1, (0x2C, 0x2C, 0x2C))])
    gm = rrect_mask((4, V_TRACK_H - 8), (0, 0, 4, V_TRACK_H - 8), 2)
    layer = canvas((4, V_TRACK_H - 8))
    paint(layer, gm, groove)
    img.alpha_composite(layer, (pxi(gx), pxi(4)))
    vline(img, gx, 6, V_TRACK_H - 7, (0x10, 0x10, 0x10), 110)
    sides = {"x": ["l"], "y": ["r"], "xy": ["l", "r"]}[kind]
    for y, major in tick_rows():
        colour = (0x5A, 0x5A, 0x5A) if major else (0x3E, 0x3E, 0x3E)
        length = 5 if major else 3
        if "l" in sides:
            hline(img, gx - 3 - length, gx - 4, y, colour)
        if "r" in sides:
            hline(img, gx + 7, gx + 6 + length, y, colour)
    return img


def make_v_thumb(kind, enabled):
    w = 48 if kind == "xy" else 24
    size = (w, V_THUMB_H)
    img = canvas(size, PANEL)
    pill = rrect_mask(size, (3, 0, w - 3, V_THUMB_H), 4)
    inner = rrect_mask(size, (4, 1, w - 4, V_THUMB_H - 1), 3)
    if enabled:
        paint(img, pill, (0x0E, 0x0E, 0x0E))
        paint(img, inner, vgrad(size, [(0, (0xF6, 0xF6, 0xF6)), (1, (0xC4, 0xC4, 0xC4))]))
        hline(img, 8, w - 9, V_THUMB_H // 2, ACCENT_LO)
    else:
        paint(img, pill, (0x0E, 0x0E, 0x0E))
        paint(img, inner, vgrad(size, [(0, (0x5E, 0x5E, 0x5E)), (1, (0x4A, 0x4A, 0x4A))]))
        hline(img, 8, w - 9, V_THUMB_H // 2, (0x3A, 0x3A, 0x3A))
    return img


# ------------------------------------------------------------------ main

def set_file_name(name, suffix):
    """"ok-1.png" in the set of suffix "@2x": "ok-1@2x.png"."""
    stem, extension = os.path.splitext(name)
    return stem + suffix + extension


def draw_set(suffix, written):
    """Every picture of one set, at the scale K."""

    def png(img, folder, name):
        # The larger sets are compressed at the fastest level: their streams inflate faster at
        # the start (the 2x background by about a fifth), for a few kilobytes more each. The 1x
        # files keep theirs.
        written.append(save_png(img, folder, set_file_name(name, suffix), 1 if suffix else 9))

    def opaque_png(img, folder, name):
        # The larger sets' opaque backgrounds without an alpha channel: the program then neither
        # reads a channel nor looks for transparency. The 1x files keep theirs.
        png(img.convert("RGB") if suffix else img, folder, name)

    def bmp(img, folder, name):
        written.append(save_bmp(img, folder, set_file_name(name, suffix)))

    def region(img, name):
        # The larger sets' outlines in two colours: the 1x files keep their 24 bits.
        written.append(save_region_bmp(img, BACKGROUND, set_file_name(name, suffix), suffix != ""))

    # backgrounds and window outlines
    main_bg, main_shape = make_main_background()
    opaque_png(opaque_on(main_bg, BASE), BACKGROUND, "cfgMainback.png")
    region(region_bitmap(MAIN_SIZE, main_shape), "cfgMainback.bmp")

    dlg, dlg_shape = make_dialog_background()
    opaque_png(opaque_on(dlg, BASE), BACKGROUND, "dlg.png")
    region(region_bitmap(DLG_SIZE, dlg_shape), "cfgMainback2.bmp")
    region(region_bitmap(EDITOR_SIZE, scaled_shape(DLG_SIZE, EDITOR_SIZE, DLG_RADIUS)), "cfgMainback3.bmp")

    # pictures of the background folder
    png(make_mouse_picture(), BACKGROUND, "mouse-layout-front.png")
    png(make_marker(), BACKGROUND, "circle.png")
    png(make_colour_picker(), BACKGROUND, "RGB.png")
    png(make_warning(), BACKGROUND, "warn.png")
    png(arrow(True), BACKGROUND, "423.png")
    png(arrow(False), BACKGROUND, "424.png")
    png(make_menu_item(False, False), BACKGROUND, "menuitem-n.png")
    png(make_menu_item(True, False), BACKGROUND, "menuitem-d.png")
    png(make_menu_item(False, True), BACKGROUND, "menuitem-n2.png")
    png(make_menu_item(True, True), BACKGROUND, "menuitem-d2.png")
    bmp(make_list_stripes(), BACKGROUND, "list-stripes.bmp")

    # buttons
    png(make_ok("normal"), BUTTONS, "ok-1.png")
    png(make_ok("pressed"), BUTTONS, "ok-2.png")
    png(make_ok("hover"), BUTTONS, "ok-3.png")
    png(make_tab(False), BUTTONS, "profile_normal2.png")
    png(make_tab(True), BUTTONS, "profile_down.png")
    for kind in ("min", "close"):
        png(make_title_button(kind, "normal"), BUTTONS, kind + "-1.png")
        png(make_title_button(kind, "pressed"), BUTTONS, kind + "-2.png")
        png(make_title_button(kind, "hover"), BUTTONS, kind + "-3.png")
    png(make_record_button("record", False), BUTTONS, "iconstart1.png")
    png(make_record_button("record", True), BUTTONS, "iconstart2.png")
    png(make_record_button("stop", False), BUTTONS, "iconstop1.png")
    png(make_record_button("stop", True), BUTTONS, "iconstop2.png")

    # controls
    png(make_checkbox(False), CONTROLS, "checkbox1-1.png")
    png(make_checkbox(True), CONTROLS, "checkbox1-2.png")
    png(make_link(False), CONTROLS, "link-1.png")
    png(make_link(True), CONTROLS, "link-2.png")
    png(make_h_track(), CONTROLS, "trackbar-back-b.png")
    png(make_h_thumb(True), CONTROLS, "y.png")
    png(make_h_thumb(False), CONTROLS, "y-d.png")
    for kind, thumb in (("xy", "x1"), ("x", "x2"), ("y", "x3")):
        png(make_v_track(kind), CONTROLS, "dpi-indicator-%s.png" % kind)
        png(make_v_thumb(kind, True), CONTROLS, thumb + ".png")
        png(make_v_thumb(kind, False), CONTROLS, thumb + "-d.png")


def main():
    global K
    written = []
    for scale, suffix in SETS:
        K = scale
        draw_set(suffix, written)
    K = 1

    # application icon
    write_ico(ICON_PATH, [app_icon_image(n) for n in (16, 24, 32, 48, 64, 128, 256)])
    written.append(ICON_PATH)

    for path in written:
        print(os.path.relpath(path, REPO))
    return 0


if __name__ == "__main__":
    sys.exit(main())
