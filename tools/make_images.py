#!/usr/bin/python3
"""Draws the game's PNG images.

Usage: make_images.py <outdir>

Every image is drawn from code with fixed random seeds, so a run always
writes the same files. Sprites whose nose matters point up (+y): the game
turns them itself. Sizes are powers of two because the loader asks for that.
"""
import math
import os
import random
import sys

from PIL import Image, ImageDraw

SUPERSAMPLE = 4  # hard-edged shapes are drawn this many times larger, then shrunk


# ---------------------------------------------------------------- helpers

def clamp_byte(v):
    return max(0, min(255, int(round(v * 255.0))))


def smoothstep(e0, e1, x):
    if e0 == e1:
        return 0.0 if x < e0 else 1.0
    t = max(0.0, min(1.0, (x - e0) / (e1 - e0)))
    return t * t * (3.0 - 2.0 * t)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def ramp(stops, t):
    """Colour at t along stops [(t0, colour0), (t1, colour1), ...]."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


def pixel_image(size, shade):
    """RGBA image from shade(x, y, k) -> (r, g, b, a) in 0..1.

    x and y run from -1 to 1 with y up, so the image reads the way the game
    shows it; k is the pixel's index in row order, for looking up noise.
    """
    img = Image.new("RGBA", (size, size))
    c = size / 2.0
    data = []
    for j in range(size):
        y = (c - (j + 0.5)) / c
        for i in range(size):
            col = shade(((i + 0.5) - c) / c, y, j * size + i)
            data.append(tuple(clamp_byte(v) for v in col))
    img.putdata(data)
    return img


def radial_image(size, shade):
    """RGBA image from shade(r, angle): r in half-widths, angle from +x."""
    return pixel_image(size, lambda x, y, _k: shade(math.hypot(x, y), math.atan2(y, x)))


def glow(size, core, halo, core_radius=0.2, power=2.0):
    """Soft round light: core colour in the middle, halo colour fading out."""
    def shade(r, _a):
        if r >= 1.0:
            return (0, 0, 0, 0)
        fade = (1.0 - r) ** power
        t = smoothstep(0.0, core_radius * 2.0, r)
        rgb = mix(core, halo, t)
        return rgb + (min(1.0, fade * 1.2),)
    return radial_image(size, shade)


def angular_noise(rng, lo, hi):
    """Smooth periodic function of angle in -1..1, built from a few sines."""
    terms = [(k, rng.uniform(0.3, 1.0) / k ** 0.6, rng.uniform(0, 2 * math.pi))
             for k in range(lo, hi)]
    norm = sum(a for _k, a, _p in terms)
    return lambda ang: sum(a * math.sin(k * ang + p) for k, a, p in terms) / norm


def value_noise(size, cells, rng, tile=False):
    """Greyscale blobs: random cells x cells values smoothly enlarged."""
    small = Image.new("L", (cells, cells))
    small.putdata([rng.randrange(256) for _ in range(cells * cells)])
    if not tile:
        return small.resize((size, size), Image.BICUBIC)
    # Enlarge three copies side by side and keep the middle: edges then match.
    big = Image.new("L", (cells * 3, cells * 3))
    for ox in range(3):
        for oy in range(3):
            big.paste(small, (ox * cells, oy * cells))
    big = big.resize((size * 3, size * 3), Image.BICUBIC)
    return big.crop((size, size, size * 2, size * 2))


def fractal_noise(size, octaves, rng, tile=False):
    """Sum of value noise octaves [(cells, weight)], normalised to 0..255."""
    total = sum(w for _c, w in octaves)
    acc = [0.0] * (size * size)
    for cells, weight in octaves:
        layer = value_noise(size, cells, rng, tile).getdata()
        for k, v in enumerate(layer):
            acc[k] += v * weight / total
    lo, hi = min(acc), max(acc)
    out = Image.new("L", (size, size))
    out.putdata([int((v - lo) * 255.0 / (hi - lo)) for v in acc])
    return out


class Sketch:
    """Draws shapes in unit coordinates (-1..1, y up) on a supersampled canvas."""

    def __init__(self, size):
        self.size = size
        self.big = size * SUPERSAMPLE
        self.img = Image.new("RGBA", (self.big, self.big), (0, 0, 0, 0))

    def px(self, x, y):
        return ((x + 1.0) * 0.5 * self.big, (1.0 - y) * 0.5 * self.big)

    def width(self, w):
        return max(1, int(round(w * 0.5 * self.big)))

    def _layer(self):
        layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        return layer, ImageDraw.Draw(layer)

    def poly(self, pts, fill, outline=None, line_width=0.0):
        layer, d = self._layer()
        d.polygon([self.px(x, y) for x, y in pts], fill=fill)
        if outline:
            d.line([self.px(x, y) for x, y in pts + pts[:1]], fill=outline,
                   width=self.width(line_width), joint="curve")
        self.img.alpha_composite(layer)

    def mirrored_poly(self, right_half, fill_right, fill_left=None, outline=None,
                      line_width=0.0):
        """Symmetric shape from its right half (x >= 0), or a pair of shapes.

        Each side gets its own fill, which reads as light from the left.
        """
        left_half = [(-x, y) for x, y in right_half]
        self.poly(left_half, fill_left or fill_right)
        self.poly(right_half, fill_right)
        if outline:
            self.line(right_half, outline, line_width)
            self.line(left_half, outline, line_width)

    def line(self, pts, fill, line_width):
        layer, d = self._layer()
        d.line([self.px(x, y) for x, y in pts], fill=fill,
               width=self.width(line_width), joint="curve")
        self.img.alpha_composite(layer)

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, line_width=0.0):
        layer, d = self._layer()
        x0, y0 = self.px(cx - rx, cy + ry)
        x1, y1 = self.px(cx + rx, cy - ry)
        d.ellipse((x0, y0, x1, y1), fill=fill, outline=outline,
                  width=self.width(line_width) if outline else 0)
        self.img.alpha_composite(layer)

    def stamp(self, sprite, cx, cy, diameter):
        """Composites a finished sprite, scaled to diameter, centred at (cx, cy)."""
        side = max(1, int(round(diameter * 0.5 * self.big)))
        scaled = sprite.resize((side, side), Image.LANCZOS)
        x, y = self.px(cx, cy)
        layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        layer.paste(scaled, (int(round(x - side / 2)), int(round(y - side / 2))))
        self.img.alpha_composite(layer)

    def result(self):
        return self.img.resize((self.size, self.size), Image.LANCZOS)


# ---------------------------------------------------------------- ships

def ship_with_engines(core, halo, core_radius, engine_x, engine_y, diameter):
    """Ship canvas starting with the glow of two engines, drawn under the hull."""
    s = Sketch(128)
    engine = glow(64, core, halo, core_radius=core_radius, power=1.6)
    for x in (-engine_x, engine_x):
        s.stamp(engine, x, engine_y, diameter)
    return s


def make_player():
    s = ship_with_engines((1.0, 1.0, 1.0), (0.2, 0.85, 1.0), 0.25, 0.09, -0.86, 0.68)

    wing_light, wing_dark = (150, 165, 185, 255), (95, 108, 128, 255)
    hull_light, hull_dark = (225, 232, 240, 255), (150, 160, 178, 255)
    cyan = (40, 225, 255, 255)

    # Swept delta wings with cyan leading edges.
    wing = [(0.10, 0.30), (0.80, -0.42), (0.84, -0.60), (0.13, -0.52)]
    s.mirrored_poly(wing, wing_dark, wing_light)
    for side in (-1, 1):
        s.line([(side * 0.14, 0.24), (side * 0.80, -0.42)], cyan, 0.045)
        s.ellipse(side * 0.82, -0.52, 0.035, 0.06, fill=(255, 255, 255, 255))
    # Twin tail fins angled outwards.
    fin = [(0.10, -0.30), (0.36, -0.70), (0.38, -0.88), (0.11, -0.72)]
    s.mirrored_poly(fin, hull_dark, hull_light)
    # Canards near the nose.
    canard = [(0.07, 0.52), (0.27, 0.34), (0.27, 0.28), (0.09, 0.34)]
    s.mirrored_poly(canard, wing_dark, wing_light)
    # Fuselage.
    body = [(0.0, 0.97), (0.06, 0.78), (0.12, 0.40), (0.14, -0.20),
            (0.15, -0.72), (0.08, -0.84), (0.0, -0.80)]
    s.mirrored_poly(body, hull_dark, hull_light)
    # Nozzles.
    for x in (-0.08, 0.08):
        s.ellipse(x, -0.82, 0.06, 0.05, fill=(40, 50, 65, 255),
                  outline=(150, 240, 255, 255), line_width=0.02)
    # Spine stripe and canopy.
    s.line([(0.0, 0.80), (0.0, 0.62)], cyan, 0.03)
    s.line([(0.0, 0.12), (0.0, -0.70)], cyan, 0.035)
    s.ellipse(0.0, 0.38, 0.065, 0.19, fill=(10, 60, 90, 255))
    s.ellipse(0.0, 0.40, 0.045, 0.15, fill=(40, 200, 255, 255))
    s.ellipse(-0.015, 0.46, 0.018, 0.07, fill=(220, 250, 255, 255))
    return s.result()


def make_enemy():
    s = ship_with_engines((1.0, 0.9, 0.6), (1.0, 0.15, 0.05), 0.2, 0.20, -0.66, 0.72)

    hull_light, hull_dark = (150, 28, 34, 255), (95, 14, 20, 255)
    edge = (255, 60, 50, 255)
    # Crab-like body: two forward claws, wide wings, rear spikes.
    body = [(0.0, 0.28), (0.12, 0.40), (0.30, 0.94), (0.44, 0.46),
            (0.64, 0.16), (0.95, -0.30), (0.62, -0.30), (0.48, -0.78),
            (0.30, -0.48), (0.14, -0.62), (0.0, -0.50)]
    s.mirrored_poly(body, hull_dark, hull_light, outline=edge, line_width=0.05)
    # Armour plate and ridges.
    plate = [(0.0, 0.24), (0.20, 0.10), (0.24, -0.22), (0.0, -0.40)]
    s.mirrored_poly(plate, (45, 8, 12, 255), (85, 15, 20, 255))
    for side in (-1, 1):
        s.line([(side * 0.20, 0.30), (side * 0.29, 0.80)], edge, 0.03)
        s.line([(side * 0.30, -0.05), (side * 0.82, -0.26)], (200, 30, 30, 255), 0.03)
    # Glowing eye.
    eye = glow(64, (1.0, 1.0, 0.7), (1.0, 0.25, 0.0), core_radius=0.22, power=1.3)
    s.stamp(eye, 0.0, 0.02, 0.84)
    s.ellipse(0.0, 0.02, 0.07, 0.09, fill=(255, 240, 180, 255))
    return s.result()


# ---------------------------------------------------------------- HUD

def make_mouse():
    s = Sketch(64)
    green, white = (60, 255, 90, 255), (235, 255, 235, 255)
    shadow = (0, 60, 20, 150)
    # Thick strokes: the game shows this sprite only about 15 pixels wide.
    s.ellipse(0, 0, 0.62, 0.62, outline=shadow, line_width=0.28)
    s.ellipse(0, 0, 0.62, 0.62, outline=green, line_width=0.17)
    for dx, dy in ((0, 1), (0, -1), (1, 0), (-1, 0)):
        s.line([(dx * 0.32, dy * 0.32), (dx * 0.97, dy * 0.97)], shadow, 0.26)
        s.line([(dx * 0.34, dy * 0.34), (dx * 0.95, dy * 0.95)], white, 0.15)
    s.ellipse(0, 0, 0.12, 0.12, fill=white)
    return s.result()


def make_radar():
    size = 256
    ring = 165.0 / 200.0  # the game shows its range circle at this share of the face
    s = Sketch(size)
    s.ellipse(0, 0, ring + 0.08, ring + 0.08, fill=(25, 45, 30, 200))
    s.ellipse(0, 0, ring, ring, fill=(0, 40, 12, 150))
    inner = glow(128, (0.0, 0.0, 0.0), (0.1, 0.6, 0.2), core_radius=2.0, power=0.5)
    faint = Image.new("RGBA", inner.size, (0, 0, 0, 0))
    faint.putdata([(r, g, b, a // 5) for r, g, b, a in inner.getdata()])
    s.stamp(faint, 0, 0, ring * 2)
    grid = (60, 200, 100, 130)
    for k in (1, 2):
        s.ellipse(0, 0, ring * k / 3, ring * k / 3, outline=grid, line_width=0.012)
    s.line([(-ring, 0), (ring, 0)], grid, 0.012)
    s.line([(0, -ring), (0, ring)], grid, 0.012)
    d = ring * math.sqrt(0.5)
    s.line([(-d, -d), (d, d)], (60, 200, 100, 60), 0.01)
    s.line([(-d, d), (d, -d)], (60, 200, 100, 60), 0.01)
    for deg in range(0, 360, 10):
        a = math.radians(deg)
        length = 0.08 if deg % 30 == 0 else 0.04
        c, sn = math.cos(a), math.sin(a)
        s.line([(c * (ring - length), sn * (ring - length)), (c * ring, sn * ring)],
               (110, 255, 150, 200), 0.014)
    s.ellipse(0, 0, ring, ring, outline=(120, 255, 160, 255), line_width=0.025)
    s.ellipse(0, 0, ring + 0.08, ring + 0.08, outline=(70, 140, 90, 230), line_width=0.015)
    return s.result()


def make_map():
    size = 256
    ring = 168.0 / 200.0
    s = Sketch(size)
    s.poly([(-1, 1), (1, 1), (1, -1), (-1, -1)], (0, 14, 40, 170))
    step = 0.25
    for k in range(-3, 4):
        colour = (70, 120, 200, 120) if k else (90, 150, 230, 170)
        s.line([(k * step, -1), (k * step, 1)], colour, 0.01)
        s.line([(-1, k * step), (1, k * step)], colour, 0.01)
    s.ellipse(0, 0, ring, ring, outline=(110, 180, 255, 255), line_width=0.022)
    s.poly([(-0.985, 0.985), (0.985, 0.985), (0.985, -0.985), (-0.985, -0.985)],
           None, outline=(120, 170, 240, 230), line_width=0.025)
    for cx, cy in ((-1, 1), (1, 1), (1, -1), (-1, -1)):
        s.line([(cx * 0.97, cy * 0.75), (cx * 0.97, cy * 0.97), (cx * 0.75, cy * 0.97)],
               (190, 225, 255, 255), 0.04)
    return s.result()


def make_enemy_radar():
    return glow(32, (1.0, 0.85, 0.75), (1.0, 0.1, 0.05), core_radius=0.35, power=0.7)


def make_player_radar():
    s = Sketch(32)
    halo = glow(32, (0.6, 1.0, 1.0), (0.0, 0.8, 1.0), core_radius=0.3, power=1.2)
    s.stamp(halo, 0, 0, 2.0)
    s.poly([(0, 0.9), (0.62, 0), (0, -0.9), (-0.62, 0)], (40, 230, 255, 255))
    s.poly([(0, 0.45), (0.3, 0), (0, -0.45), (-0.3, 0)], (255, 255, 255, 255))
    return s.result()


def make_white_dot():
    def shade(r, _a):
        return (1.0, 1.0, 1.0, 1.0 - smoothstep(0.45, 1.0, r))
    return radial_image(32, shade)


# ---------------------------------------------------------------- weapons

def make_laser():
    """Every row holds the same profile across the beam; the game samples the middle."""
    width, height = 64, 16
    row = []
    for i in range(width):
        x = abs((i + 0.5) / width * 2.0 - 1.0)  # 0 in the middle, 1 at the edges
        rgb = ramp([(0.0, (1.0, 1.0, 1.0)), (0.18, (1.0, 0.85, 0.95)),
                    (0.4, (1.0, 0.2, 0.55)), (0.75, (0.85, 0.0, 0.25)),
                    (1.0, (0.6, 0.0, 0.2))], x)
        alpha = 1.0 - smoothstep(0.15, 1.0, x)
        row.append(tuple(clamp_byte(v) for v in rgb + (alpha,)))
    img = Image.new("RGBA", (width, height))
    img.putdata(row * height)
    return img


def make_bullet_dot():
    return glow(32, (1.0, 1.0, 0.95), (1.0, 0.8, 0.15), core_radius=0.22, power=1.8)


def make_shockwave_bullet():
    rng = random.Random(8)
    wobble = angular_noise(rng, 4, 9)

    def shade(r, a):
        core = 1.0 - smoothstep(0.05, 0.4, r)
        shell_r = 0.62 + 0.06 * wobble(a)
        shell = math.exp(-((r - shell_r) / 0.09) ** 2)
        halo = max(0.0, 1.0 - r) ** 1.2
        rgb = mix((0.45, 0.35, 1.0), (0.4, 0.85, 1.0), shell)
        rgb = mix(rgb, (1.0, 0.95, 1.0), core)
        alpha = min(1.0, core + shell + halo)
        return rgb + (alpha if r < 1.0 else 0.0,)
    return radial_image(32, shade)


def make_blast():
    """Shockwave ring: a hot rim with a soft wake inside and a thin fringe outside."""
    rng = random.Random(7)
    wobble = angular_noise(rng, 6, 20)

    def shade(r, a):
        rim = 0.9 + 0.015 * wobble(a)
        d = r - rim
        if d < 0:
            light = math.exp(-(d / 0.05) ** 2) * 0.85 + 0.35 * math.exp(d / 0.25) * (r / rim)
        else:
            light = math.exp(-(d / 0.035) ** 2)
        hot = math.exp(-(d / 0.02) ** 2)
        rgb = mix((1.0, 0.3, 0.15), (1.0, 0.95, 0.85), hot)
        return rgb + (min(1.0, light),)
    return radial_image(256, shade)


def make_explosion():
    rng = random.Random(3)
    tongues = angular_noise(rng, 3, 14)
    puffs = fractal_noise(128, [(6, 1.0), (12, 0.6), (24, 0.3)], rng).getdata()
    stops = [(0.0, (1.0, 1.0, 0.9)), (0.25, (1.0, 0.95, 0.55)),
             (0.5, (1.0, 0.6, 0.1)), (0.75, (0.9, 0.25, 0.03)), (1.0, (0.5, 0.05, 0.02))]

    def shade(x, y, k):
        reach = 0.72 + 0.2 * tongues(math.atan2(y, x))
        puff = puffs[k] / 255.0
        t = math.hypot(x, y) / reach + (puff - 0.5) * 0.35
        alpha = (1.0 - smoothstep(0.55, 1.0, t)) * (0.7 + 0.3 * puff)
        return ramp(stops, t) + (alpha,)
    img = pixel_image(128, shade)
    c = 64.0
    spark = glow(8, (1.0, 1.0, 0.8), (1.0, 0.6, 0.1), core_radius=0.3)
    for _ in range(26):
        ang = rng.uniform(0, 2 * math.pi)
        dist = rng.uniform(0.55, 0.9) * c
        px = int(c + math.cos(ang) * dist - 4)
        py = int(c - math.sin(ang) * dist - 4)
        img.alpha_composite(spark, (px, py))
    return img


# ---------------------------------------------------------------- particles

def make_fragment():
    s = Sketch(32)
    hot = glow(32, (1.0, 0.8, 0.4), (1.0, 0.35, 0.05), core_radius=0.2, power=1.5)
    s.stamp(hot, 0.05, -0.05, 1.9)
    shard = [(-0.15, 0.85), (0.35, 0.3), (0.55, -0.55), (0.05, -0.8), (-0.45, -0.2)]
    s.poly(shard, (150, 145, 140, 255), outline=(255, 170, 80, 255), line_width=0.08)
    s.poly([(-0.15, 0.85), (0.35, 0.3), (0.05, -0.8)], (200, 195, 190, 255))
    return s.result()


def make_dot_triad():
    s = Sketch(32)
    dot = glow(32, (1.0, 1.0, 1.0), (0.55, 0.9, 1.0), core_radius=0.3, power=1.3)
    for k in range(3):
        a = math.radians(90 + 120 * k)
        s.stamp(dot, 0.52 * math.cos(a), 0.52 * math.sin(a) - 0.08, 1.0)
    return s.result()


def make_diamond_particle():
    halo = glow(32, (1.0, 0.95, 0.7), (1.0, 0.75, 0.3), core_radius=0.3, power=2.0)
    s = Sketch(32)
    s.stamp(halo, 0, 0, 2.0)
    s.poly([(0, 0.9), (0.45, 0), (0, -0.9), (-0.45, 0)], (255, 220, 120, 255))
    s.poly([(0, 0.55), (0.22, 0), (0, -0.55), (-0.22, 0)], (255, 255, 245, 255))
    return s.result()


# ---------------------------------------------------------------- scenery

def crater_relief(x, y, craters):
    """Height change from bowl-shaped craters, lit from the upper left."""
    h = 0.0
    for cx, cy, cr in craters:
        dx, dy = (x - cx) / cr, (y - cy) / cr
        d2 = dx * dx + dy * dy
        if d2 < 1.6:
            d = math.sqrt(d2)
            slope = (dx - dy) * 0.7  # the bowl's far wall catches the light
            inside = 1.0 - smoothstep(0.8, 1.0, d)
            h += inside * (-0.12 + 0.14 * slope)
            h += 0.12 * math.exp(-((d - 1.0) / 0.14) ** 2) * (1.0 - 0.6 * slope)
    return h


def make_mars():
    size = 512
    rng = random.Random(4)
    land = fractal_noise(size, [(5, 1.0), (11, 0.6), (23, 0.4), (47, 0.3), (97, 0.2)], rng)
    dark = fractal_noise(size, [(4, 1.0), (9, 0.5), (19, 0.25)], rng)
    land_px, dark_px = land.getdata(), dark.getdata()
    craters = [(rng.uniform(-0.85, 0.85), rng.uniform(-0.85, 0.85),
                0.015 + 0.11 * rng.random() ** 2.5) for _ in range(44)]
    stops = [(0.0, (0.42, 0.12, 0.05)), (0.35, (0.66, 0.24, 0.09)),
             (0.65, (0.82, 0.38, 0.17)), (1.0, (0.93, 0.58, 0.38))]
    radius = 0.975

    def shade(x, y, k):
        r = math.hypot(x, y)
        if r > 1.0:
            return (0, 0, 0, 0)
        blot = dark_px[k] / 255.0
        h = land_px[k] / 255.0
        h += 0.05 * math.sin(y * 9.0 + h * 4.0)  # faint dust bands
        h += crater_relief(x, y, craters)
        rgb = ramp(stops, max(0.0, min(1.0, h)))
        rgb = tuple(v * (1.0 - 0.45 * smoothstep(0.55, 0.8, blot)) for v in rgb)
        limb = 1.0 - 0.4 * (r / radius) ** 4
        rgb = tuple(v * limb for v in rgb)
        rgb = mix(rgb, (0.9, 0.5, 0.32), smoothstep(radius - 0.04, radius, r) * 0.3)
        return rgb + (1.0 - smoothstep(radius, 1.0, r),)
    return pixel_image(size, shade)


def make_bluestar():
    rng = random.Random(5)
    flicker = angular_noise(rng, 5, 17)

    def shade(r, a):
        if r >= 1.0:
            return (0, 0, 0, 0)
        core = 1.0 - smoothstep(0.36, 0.46, r)
        corona = math.exp(-((r - 0.4) / (0.22 + 0.05 * flicker(a))) ** 2) if r > 0.4 else 1.0
        rays = max(0.0, math.cos(4 * a)) ** 40 * (1.0 - r) * 0.8
        light = min(1.0, core + 0.85 * corona + rays) * (1.0 - smoothstep(0.8, 1.0, r))
        rgb = mix((0.35, 0.6, 1.0), (0.85, 0.93, 1.0), min(1.0, core + 0.4 * corona))
        rgb = mix(rgb, (1.0, 1.0, 1.0), 1.0 - smoothstep(0.0, 0.3, r))
        return rgb + (light,)
    return radial_image(256, shade)


def star_stamp(radius, colour, brightness, spikes=False):
    size = int(math.ceil(radius * 2 + 2)) | 1
    c = size / 2.0
    img = Image.new("RGBA", (size, size))
    data = []
    for j in range(size):
        for i in range(size):
            dx, dy = i + 0.5 - c, j + 0.5 - c
            r = math.hypot(dx, dy) / radius
            a = math.exp(-r * r * 4.0) if r < 1.0 else 0.0
            if spikes:
                a += 0.5 * (math.exp(-(dx / 0.7) ** 2) + math.exp(-(dy / 0.7) ** 2)) * max(0.0, 1.0 - r)
            a = min(1.0, a * brightness)
            rgb = mix(colour, (1.0, 1.0, 1.0), min(1.0, a * 0.6))
            data.append(tuple(clamp_byte(v) for v in rgb + (a,)))
    img.putdata(data)
    return img


def composite_wrapped(img, sprite, x, y):
    """Composites sprite centred at (x, y), repeating it across the edges of a tile."""
    size = img.size[0]
    w, h = sprite.size
    left, top = int(round(x - w / 2.0)), int(round(y - h / 2.0))
    for ox in (-size, 0, size):
        for oy in (-size, 0, size):
            tx, ty = left + ox, top + oy
            x0, y0 = max(tx, 0), max(ty, 0)
            x1, y1 = min(tx + w, size), min(ty + h, size)
            if x0 < x1 and y0 < y1:
                img.alpha_composite(sprite, (x0, y0), (x0 - tx, y0 - ty, x1 - tx, y1 - ty))


def make_dust(size):
    """Seamless tile of faint nebula and scattered stars on a clear background."""
    rng = random.Random(9)
    cloud = fractal_noise(size // 4, [(3, 1.0), (6, 0.55), (12, 0.3), (24, 0.15)], rng, tile=True)
    tint = fractal_noise(size // 4, [(2, 1.0), (4, 0.5)], rng, tile=True)
    violet, teal = (0.42, 0.26, 0.75), (0.18, 0.5, 0.7)
    small = Image.new("RGBA", cloud.size)
    pixels = []
    for v, t in zip(cloud.getdata(), tint.getdata()):
        density = smoothstep(0.45, 1.0, v / 255.0)
        rgb = mix(violet, teal, t / 255.0)
        pixels.append(tuple(clamp_byte(x) for x in rgb + (density * 0.4,)))
    small.putdata(pixels)
    # Enlarge with the same three-by-three trick so the nebula edges meet.
    tiled = Image.new("RGBA", (small.size[0] * 3, small.size[1] * 3))
    for ox in range(3):
        for oy in range(3):
            tiled.paste(small, (ox * small.size[0], oy * small.size[1]))
    tiled = tiled.resize((size * 3, size * 3), Image.BICUBIC)
    img = tiled.crop((size, size, size * 2, size * 2))

    colours = [(1.0, 1.0, 1.0), (0.75, 0.85, 1.0), (1.0, 0.95, 0.8), (1.0, 0.8, 0.65)]
    stamps = {}

    def stamp_for(radius, colour, brightness, spikes):
        key = (radius, colour, brightness, spikes)
        if key not in stamps:
            stamps[key] = star_stamp(radius, colour, brightness, spikes)
        return stamps[key]

    kinds = [  # count per tile, radius in texels, brightness levels, spikes
        (4200, 1.0, (0.45, 0.65, 0.85), False),
        (900, 1.5, (0.7, 0.9), False),
        (110, 2.6, (0.9, 1.0), False),
        (14, 5.0, (1.0,), True),
    ]
    for count, radius, levels, spikes in kinds:
        for _ in range(count):
            sprite = stamp_for(radius, rng.choice(colours), rng.choice(levels), spikes)
            composite_wrapped(img, sprite, rng.uniform(0, size), rng.uniform(0, size))
    return img


# ---------------------------------------------------------------- main

DUST_SIZE = 2048  # one tile covers 10000 game units, so it needs a fine grain


def build_all():
    return {
        "player.png": make_player(),
        "mouse.png": make_mouse(),
        "enemy.png": make_enemy(),
        "explosion.png": make_explosion(),
        "laser.png": make_laser(),
        "bulletDot.png": make_bullet_dot(),
        "fragment.png": make_fragment(),
        "blast.png": make_blast(),
        "shockwaveBullet.png": make_shockwave_bullet(),
        "dust.png": make_dust(DUST_SIZE),
        "mars.png": make_mars(),
        "radar.png": make_radar(),
        "enemyRadar.png": make_enemy_radar(),
        "playerRadar.png": make_player_radar(),
        "bluestar.png": make_bluestar(),
        "dotTriad.png": make_dot_triad(),
        "diamondParticle.png": make_diamond_particle(),
        "map.png": make_map(),
        "whiteDot.png": make_white_dot(),
    }


def main(argv):
    if len(argv) != 2:
        print("usage: make_images.py <outdir>")
        return 2
    write_images(argv[1], build_all())
    return 0


def write_images(outdir, images):
    """Saves images {file name: image} into outdir, checking each side is a power of two."""
    os.makedirs(outdir, exist_ok=True)
    for name, img in images.items():
        w, h = img.size
        assert w & (w - 1) == 0 and h & (h - 1) == 0, name + " is not a power of two"
        img.save(os.path.join(outdir, name), optimize=True)
        print("wrote " + name + " (" + str(w) + "x" + str(h) + ")")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
