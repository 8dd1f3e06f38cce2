#!/usr/bin/python3
"""Draws every picture the tool embeds: the program icon, the title-bar glyphs, the
message-box close glyph, the check mark, the scroll-bar arrows, the filled triangles of
the drop buttons and up-down controls, and the background.

All artwork is drawn here from geometry; nothing is copied. Run it with Debian's
python3-pil and python3-numpy:  /usr/bin/python3 assets/make_assets.py
The outputs are committed, so a build does not need to run it. After it, run
tools/make_theme_picture, which makes theme_picture.bmp (the picture the tool embeds)
from background.jpg.
"""
import io
import math
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))
SUPER = 8  # glyphs are drawn 8x larger and reduced, for clean anti-aliased edges


def out(name):
    return os.path.join(HERE, name)


def reduce(img, size):
    return img.resize(size, Image.LANCZOS)


def with_shadow(glyph, shadow_rgb=(0, 0, 0), shadow_alpha=110, radius=1):
    """Puts a soft dark halo under a light glyph, so it reads on any picture."""
    alpha = glyph.getchannel("A")
    halo = alpha.filter(ImageFilter.MaxFilter(3)).filter(ImageFilter.GaussianBlur(radius * 0.7))
    halo = halo.point(lambda v: v * shadow_alpha // 255)
    base = Image.new("RGBA", glyph.size, shadow_rgb + (0,))
    base.putalpha(halo)
    return Image.alpha_composite(base, glyph)


def title_glyph(size, draw_fn):
    w, h = size
    big = Image.new("RGBA", (w * SUPER, h * SUPER), (255, 255, 255, 0))
    draw_fn(ImageDraw.Draw(big), w * SUPER, h * SUPER, SUPER)
    return with_shadow(reduce(big, size))


WHITE = (255, 255, 255, 255)


def draw_minimise(d, w, h, s):
    cx, cy = w / 2, h / 2
    d.rectangle([cx - 4.5 * s, cy + 1.5 * s, cx + 4.5 * s, cy + 3.0 * s], fill=WHITE)


def draw_maximise(d, w, h, s):
    cx, cy = w / 2, h / 2
    d.rectangle([cx - 4.5 * s, cy - 4 * s, cx + 4.5 * s, cy + 4 * s], outline=WHITE, width=int(1.4 * s))
    d.rectangle([cx - 4.5 * s, cy - 4 * s, cx + 4.5 * s, cy - 2.6 * s], fill=WHITE)


def draw_restore(d, w, h, s):
    cx, cy = w / 2, h / 2
    d.rectangle([cx - 2 * s, cy - 5 * s, cx + 5 * s, cy + 1.5 * s], outline=WHITE, width=int(1.3 * s))
    d.rectangle([cx - 5 * s, cy - 2 * s, cx + 2 * s, cy + 4.5 * s], fill=(255, 255, 255, 0))
    d.rectangle([cx - 5 * s, cy - 2 * s, cx + 2 * s, cy + 4.5 * s], outline=WHITE, width=int(1.3 * s))


def draw_close(d, w, h, s):
    cx, cy, r = w / 2, h / 2, 4.2 * s
    width = int(1.8 * s)
    d.line([cx - r, cy - r, cx + r, cy + r], fill=WHITE, width=width)
    d.line([cx - r, cy + r, cx + r, cy - r], fill=WHITE, width=width)


def draw_help(d, w, h, s):
    cx, cy = w / 2, h / 2
    d.arc([cx - 3.5 * s, cy - 5.5 * s, cx + 3.5 * s, cy + 1 * s], 180, 90, fill=WHITE, width=int(1.5 * s))
    d.line([cx, cy + 0.9 * s, cx, cy + 2.6 * s], fill=WHITE, width=int(1.5 * s))
    d.ellipse([cx - 1 * s, cy + 3.6 * s, cx + 1 * s, cy + 5.6 * s], fill=WHITE)


def draw_menu(d, w, h, s):
    cx, cy = w / 2, h / 2
    d.polygon([(cx - 4.5 * s, cy - 2 * s), (cx + 4.5 * s, cy - 2 * s), (cx, cy + 3 * s)], fill=WHITE)


def dialog_close_glyph():
    """Dark cross with a white halo: message boxes have a light body and a black title."""
    w, h = 38, 18
    big = Image.new("RGBA", (w * SUPER, h * SUPER), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    cx, cy, r = w * SUPER / 2 - 2 * SUPER, h * SUPER / 2 - 1 * SUPER, 3.8 * SUPER
    for dx, dy in ((-r, -r), (-r, r)):
        d.line([cx + dx, cy + dy, cx - dx, cy - dy], fill=(40, 40, 40, 255), width=int(1.7 * SUPER))
    glyph = reduce(big, (w, h))
    return with_shadow(glyph, shadow_rgb=(255, 255, 255), shadow_alpha=200, radius=1.2)


def check_mark():
    """Dark strokes on a white ground; the skin recolours dark pixels in the theme colour."""
    w, h = 13, 12
    big = Image.new("RGB", (w * SUPER, h * SUPER), (255, 255, 255))
    d = ImageDraw.Draw(big)
    pts = [(2.5 * SUPER, 6.2 * SUPER), (5.2 * SUPER, 9.0 * SUPER), (10.8 * SUPER, 2.6 * SUPER)]
    d.line(pts, fill=(0, 0, 0), width=int(2.0 * SUPER), joint="curve")
    small = reduce(big, (w, h)).convert("RGBA")
    # The ground is exactly white (which the recolouring skips) and transparent.
    pixels = small.load()
    for y in range(h):
        for x in range(w):
            r, g, b, _ = pixels[x, y]
            if min(r, g, b) >= 250:
                pixels[x, y] = (255, 255, 255, 0)
    return small


def turned(up, direction):
    """A picture drawn pointing up, turned to point in the direction."""
    return {
        "up": up,
        "down": up.transpose(Image.FLIP_TOP_BOTTOM),
        "left": up.transpose(Image.ROTATE_90),
        "right": up.transpose(Image.ROTATE_270),
    }[direction]


def arrow(direction):
    """A small dark chevron: 7 x 4 pointing up or down, 4 x 7 pointing left or right."""
    up = Image.new("RGBA", (7, 4), (0, 0, 0, 0))
    shade = (48, 48, 48, 255)
    soft = (48, 48, 48, 110)
    rows = ["...#...", "..###..", ".##.##.", "##...##"]
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c == "#":
                up.putpixel((x, y), shade)
    up.putpixel((0, 2), soft)
    up.putpixel((6, 2), soft)
    return turned(up, direction)


def triangle(direction):
    """A black filled triangle: 7 x 4 pointing up or down (rows of 1, 3, 5 and 7 opaque
    pixels, centred), 4 x 7 pointing left or right (columns of the same lengths)."""
    up = Image.new("RGBA", (7, 4), (0, 0, 0, 0))
    for y in range(4):
        for x in range(3 - y, 4 + y):
            up.putpixel((x, y), (0, 0, 0, 255))
    return turned(up, direction)


def background():
    """640 x 480 abstract picture: a deep-to-sky blue field, soft light ribbons and bokeh."""
    w, h = 640, 480
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float64)
    t = (xx / w) * 0.55 + (yy / h) * 0.45
    top = np.array([14, 62, 128], dtype=np.float64)
    bottom = np.array([92, 178, 236], dtype=np.float64)
    img = top[None, None, :] * (1 - t[..., None]) + bottom[None, None, :] * t[..., None]

    def ribbon(phase, amp, freq, centre, width, strength):
        y_curve = centre + amp * np.sin(xx / w * freq * 2 * math.pi + phase)
        dist = (yy - y_curve) / width
        return strength * np.exp(-dist * dist)

    light = (ribbon(0.3, 55, 0.9, 300, 38, 0.55) + ribbon(2.1, 40, 1.3, 210, 22, 0.35)
             + ribbon(4.0, 70, 0.6, 380, 60, 0.25))
    img = img + (255 - img) * np.clip(light, 0, 1)[..., None] * 0.6

    rng = np.random.default_rng(20121210)
    for _ in range(26):
        cx, cy = rng.uniform(0, w), rng.uniform(0, h)
        r = rng.uniform(12, 60)
        a = rng.uniform(0.05, 0.16)
        d = np.sqrt((xx - cx) ** 2 + (yy - cy) ** 2) / r
        disc = np.clip(1.15 - d, 0, 1) ** 0.8 * a
        img = img + (255 - img) * disc[..., None]

    picture = Image.fromarray(np.clip(img, 0, 255).astype(np.uint8), "RGB")
    picture = picture.filter(ImageFilter.GaussianBlur(1.2))
    # A faint grain keeps the wide gradients from banding.
    grain = rng.normal(0, 1.8, (h, w, 1))
    img = np.asarray(picture, dtype=np.float64) + grain
    return Image.fromarray(np.clip(img, 0, 255).astype(np.uint8), "RGB")


def save_jpeg_near(picture, path, target_bytes):
    best = None
    for quality in range(40, 96):
        buf = io.BytesIO()
        picture.save(buf, "JPEG", quality=quality, progressive=False, optimize=True)
        size = buf.tell()
        if best is None or abs(size - target_bytes) < abs(best[1] - target_bytes):
            best = (buf.getvalue(), size, quality)
    with open(path, "wb") as f:
        f.write(best[0])
    return best[1], best[2]


def icon():
    """A rounded tile in the theme blue with two chain links: a long address made short."""
    n = 256
    big = Image.new("RGBA", (n * 4, n * 4), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    s = 4
    d.rounded_rectangle([10 * s, 10 * s, 246 * s, 246 * s], radius=52 * s, fill=(0, 120, 230, 255))
    d.rounded_rectangle([10 * s, 10 * s, 246 * s, 128 * s], radius=52 * s, fill=(40, 150, 245, 255))
    d.rectangle([10 * s, 90 * s, 246 * s, 128 * s], fill=(40, 150, 245, 255))
    d.rectangle([10 * s, 128 * s, 246 * s, 150 * s], fill=(0, 120, 230, 255))
    links = Image.new("RGBA", big.size, (0, 0, 0, 0))
    ld = ImageDraw.Draw(links)
    link = dict(outline=(255, 255, 255, 255), width=19 * s)
    ld.rounded_rectangle([28 * s, 93 * s, 146 * s, 163 * s], radius=35 * s, **link)
    ld.rounded_rectangle([110 * s, 93 * s, 228 * s, 163 * s], radius=35 * s, **link)
    links = links.rotate(40, resample=Image.BICUBIC, center=(128 * s, 128 * s))
    big = Image.alpha_composite(big, links)
    tile = big.resize((n, n), Image.LANCZOS)
    tile.save(out("app.ico"), sizes=[(16, 16), (24, 24), (32, 32), (48, 48), (64, 64), (256, 256)])


def main():
    glyphs = {
        "title_minimise.png": ((26, 18), draw_minimise),
        "title_maximise.png": ((26, 18), draw_maximise),
        "title_restore.png": ((26, 18), draw_restore),
        "title_help.png": ((26, 18), draw_help),
        "title_menu.png": ((26, 18), draw_menu),
        "title_close.png": ((38, 18), draw_close),
    }
    for name, (size, fn) in glyphs.items():
        title_glyph(size, fn).save(out(name), optimize=True)
    dialog_close_glyph().save(out("dialog_close.png"), optimize=True)
    check_mark().save(out("check_mark.png"), optimize=True)
    for direction in ("up", "down", "left", "right"):
        arrow(direction).save(out("arrow_%s.png" % direction), optimize=True)
        triangle(direction).save(out("triangle_%s.png" % direction), optimize=True)
    size, quality = save_jpeg_near(background(), out("background.jpg"), 27000)
    print("background.jpg: %d bytes at quality %d" % (size, quality))
    icon()


if __name__ == "__main__":
    main()
