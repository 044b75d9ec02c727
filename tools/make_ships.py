#!/usr/bin/python3
"""Draws the campaign's enemy sprites into <datadir>/ships/.

Usage: make_ships.py <datadir>

Same conventions as make_images.py (its Sketch canvas is reused): nose up,
transparent background, fixed shapes so a run always writes the same files.
Each type has its own colour and outline, apart from each other, from the
red enemy.png and from the grey-and-cyan player, and a crisp line and a soft
rim of light in its own colour so its shape stands out on black space.
"""
import math
import os
import random
import sys

from PIL import Image, ImageFilter

from make_images import Sketch, glow, ship_with_engines, write_images


def with_outline(sprite, colour, width):
    """Draws a crisp line of colour, `width` pixels wide, round the silhouette: at
    the default zoom a sprite shows some 25 pixels tall, and the line keeps its
    shape readable where the soft halo alone would blur it into the dark."""
    alpha = sprite.getchannel("A").point(lambda a: 255 if a > 90 else 0)
    alpha = alpha.filter(ImageFilter.MaxFilter(2 * width + 1))
    line = Image.new("RGBA", sprite.size, colour + (0,))
    line.putalpha(alpha.point(lambda a: int(a * 0.9)))
    line.alpha_composite(sprite)
    return line


def with_rim(sprite, colour, blur, strength):
    """Puts an outline and a soft halo of colour, following the silhouette, under the sprite."""
    sprite = with_outline(sprite, colour, max(3, sprite.size[0] // 32))
    alpha = sprite.getchannel("A").filter(ImageFilter.MaxFilter(3))
    alpha = alpha.filter(ImageFilter.GaussianBlur(1.5 * blur))
    alpha = alpha.point(lambda a: int(min(255, a * max(strength, 0.7))))
    halo = Image.new("RGBA", sprite.size, colour + (0,))
    halo.putalpha(alpha)
    halo.alpha_composite(sprite)
    return halo


def rotated(pts, degrees):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(x * c - y * s, x * s + y * c) for x, y in pts]


# ---------------------------------------------------------------- fodder

def make_dart():
    """Fast chaser: a narrow amber arrowhead on one big engine."""
    s = ship_with_engines((1.0, 0.95, 0.7), (1.0, 0.5, 0.05), 0.25, 0.0, -0.78, 0.62)
    light, dark = (190, 92, 20, 255), (120, 52, 10, 255)
    edge = (255, 190, 60, 255)
    body = [(0.0, 0.97), (0.10, 0.50), (0.16, 0.05), (0.62, -0.52), (0.58, -0.70),
            (0.18, -0.50), (0.12, -0.72), (0.0, -0.64)]
    s.mirrored_poly(body, dark, light, outline=edge, line_width=0.05)
    # Swept fins ahead of the wings make the arrow read at a glance.
    fin = [(0.12, 0.30), (0.30, 0.02), (0.30, -0.10), (0.14, 0.02)]
    s.mirrored_poly(fin, dark, light, outline=edge, line_width=0.03)
    s.mirrored_poly([(0.0, 0.55), (0.07, 0.20), (0.08, -0.40), (0.0, -0.50)],
                    (70, 28, 6, 255), (95, 40, 8, 255))
    for side in (-1, 1):
        s.line([(side * 0.18, -0.10), (side * 0.55, -0.56)], (255, 140, 30, 255), 0.03)
    s.ellipse(0.0, 0.30, 0.04, 0.14, fill=(255, 235, 120, 255))
    s.ellipse(0.0, -0.66, 0.08, 0.05, fill=(60, 25, 5, 255), outline=edge, line_width=0.02)
    return with_rim(s.result(), (255, 150, 30), 2.2, 0.55)


def make_skimmer():
    """Fleeing runner: a small, thin emerald crescent with three bright engines."""
    s = Sketch(128)
    engine = glow(64, (0.9, 1.0, 0.8), (0.3, 1.0, 0.3), core_radius=0.3, power=1.5)
    for x, y in ((-0.24, -0.40), (0.0, -0.46), (0.24, -0.40)):
        s.stamp(engine, x, y, 0.40)
    light, dark = (40, 170, 90, 255), (20, 105, 55, 255)
    edge = (150, 255, 120, 255)
    wing = [(0.0, 0.56), (0.20, 0.42), (0.52, 0.08), (0.78, -0.34), (0.80, -0.50),
            (0.52, -0.26), (0.26, -0.28), (0.0, -0.40)]
    s.mirrored_poly(wing, dark, light, outline=edge, line_width=0.04)
    s.mirrored_poly([(0.0, 0.50), (0.10, 0.30), (0.12, -0.18), (0.0, -0.32)],
                    (15, 70, 40, 255), (30, 110, 60, 255))
    for side in (-1, 1):
        s.line([(side * 0.16, 0.30), (side * 0.70, -0.36)], (210, 255, 170, 255), 0.025)
        s.ellipse(side * 0.79, -0.47, 0.04, 0.05, fill=(220, 255, 200, 255))
    s.ellipse(0.0, 0.20, 0.05, 0.12, fill=(200, 255, 140, 255))
    return with_rim(s.result(), (90, 255, 110), 2.0, 0.55)


def make_lancer():
    """Gunship: a violet hull behind one long cannon with a glowing muzzle."""
    s = ship_with_engines((1.0, 0.85, 1.0), (0.6, 0.25, 1.0), 0.25, 0.26, -0.70, 0.50)
    light, dark = (112, 70, 190, 255), (66, 38, 120, 255)
    edge = (200, 150, 255, 255)
    # Side pods carry the engines and balance the gun.
    pod = [(0.30, 0.10), (0.40, 0.16), (0.50, -0.10), (0.40, -0.70), (0.20, -0.70), (0.16, -0.20)]
    s.mirrored_poly(pod, dark, light, outline=edge, line_width=0.035)
    body = [(0.0, 0.36), (0.13, 0.40), (0.24, 0.12), (0.70, -0.10), (0.74, -0.34),
            (0.40, -0.32), (0.16, -0.62), (0.0, -0.56)]
    s.mirrored_poly(body, dark, light, outline=edge, line_width=0.045)
    # The cannon: a dark barrel with magenta charge rings and a hot muzzle.
    s.poly([(-0.07, 0.36), (0.07, 0.36), (0.05, 0.88), (-0.05, 0.88)], (70, 62, 90, 255),
           outline=(170, 160, 200, 255), line_width=0.02)
    for y in (0.48, 0.60, 0.72):
        s.line([(-0.07, y), (0.07, y)], (255, 80, 220, 255), 0.035)
    muzzle = glow(64, (1.0, 0.95, 1.0), (1.0, 0.25, 0.85), core_radius=0.25, power=1.4)
    s.stamp(muzzle, 0.0, 0.90, 0.34)
    s.mirrored_poly([(0.0, 0.30), (0.12, 0.20), (0.16, -0.20), (0.0, -0.40)],
                    (45, 22, 85, 255), (75, 40, 130, 255))
    s.ellipse(0.0, 0.0, 0.07, 0.10, fill=(255, 120, 235, 255))
    for side in (-1, 1):
        s.line([(side * 0.26, 0.05), (side * 0.68, -0.14)], (230, 190, 255, 255), 0.025)
    return with_rim(s.result(), (170, 100, 255), 2.2, 0.55)


def make_mine():
    """Drifting mine: a charcoal ball with hazard bands, eight spikes with hot tips."""
    s = Sketch(128)
    halo = glow(64, (1.0, 0.9, 0.3), (1.0, 0.6, 0.0), core_radius=0.1, power=2.0)
    s.stamp(halo, 0, 0, 1.5)
    steel, steel_dark = (88, 88, 96, 255), (52, 52, 60, 255)
    for k in range(8):
        a = k * 45 + 22.5
        length = 0.92 if k % 2 == 0 else 0.78
        spike = rotated([(0.0, length), (0.09, 0.36), (-0.09, 0.36)], a)
        s.poly(spike, steel, outline=(160, 160, 170, 255), line_width=0.02)
        tip = rotated([(0.0, length - 0.08)], a)[0]
        s.ellipse(tip[0], tip[1], 0.05, 0.05, fill=(255, 220, 60, 255))
    s.ellipse(0, 0, 0.48, 0.48, fill=steel_dark, outline=(150, 150, 160, 255), line_width=0.04)
    # Yellow and black hazard ring.
    for k in range(12):
        a0, a1 = math.radians(k * 30), math.radians(k * 30 + 15)
        pts = [(0.40 * math.cos(a0), 0.40 * math.sin(a0)), (0.40 * math.cos(a1), 0.40 * math.sin(a1)),
               (0.30 * math.cos(a1), 0.30 * math.sin(a1)), (0.30 * math.cos(a0), 0.30 * math.sin(a0))]
        s.poly(pts, (240, 200, 30, 255))
    s.ellipse(0, 0, 0.26, 0.26, fill=(40, 38, 44, 255), outline=(120, 120, 130, 255), line_width=0.02)
    core = glow(64, (1.0, 1.0, 0.8), (1.0, 0.35, 0.0), core_radius=0.25, power=1.2)
    s.stamp(core, 0, 0, 0.44)
    s.ellipse(0, 0, 0.07, 0.07, fill=(255, 250, 210, 255))
    return with_rim(s.result(), (255, 200, 40), 2.0, 0.5)


def make_brute():
    """Slow rammer: a wide slab of gunmetal armour with tusks, a ram and a red visor."""
    s = ship_with_engines((1.0, 0.8, 0.5), (1.0, 0.35, 0.05), 0.2, 0.22, -0.80, 0.46)
    engine = glow(64, (1.0, 0.8, 0.5), (1.0, 0.35, 0.05), core_radius=0.2, power=1.6)
    for x in (-0.60, 0.60):
        s.stamp(engine, x, -0.74, 0.40)
    plate_light, plate_dark = (78, 90, 112, 255), (44, 52, 68, 255)
    edge = (130, 160, 205, 255)
    # Tusks first, so the hull's edge covers their roots.
    tusk = [(0.50, 0.40), (0.66, 0.92), (0.74, 0.36)]
    s.mirrored_poly(tusk, (150, 150, 160, 255), (205, 205, 215, 255), outline=(255, 120, 80, 255),
                    line_width=0.025)
    hull = [(0.0, 0.62), (0.30, 0.62), (0.56, 0.44), (0.90, 0.30), (0.94, -0.16),
            (0.78, -0.66), (0.50, -0.80), (0.28, -0.62), (0.0, -0.72)]
    s.mirrored_poly(hull, plate_dark, plate_light, outline=edge, line_width=0.05)
    # Shoulder armour and a wedge ram across the front.
    shoulder = [(0.46, 0.30), (0.84, 0.18), (0.86, -0.14), (0.70, -0.54), (0.46, -0.40)]
    s.mirrored_poly(shoulder, (58, 68, 88, 255), (100, 114, 138, 255), outline=edge, line_width=0.03)
    ram = [(0.0, 0.86), (0.44, 0.66), (0.40, 0.52), (0.0, 0.64)]
    s.mirrored_poly(ram, (110, 116, 130, 255), (165, 172, 188, 255), outline=(255, 120, 80, 255),
                    line_width=0.03)
    centre = [(0.0, 0.50), (0.28, 0.44), (0.32, -0.30), (0.16, -0.52), (0.0, -0.56)]
    s.mirrored_poly(centre, (36, 42, 56, 255), (64, 76, 98, 255), outline=(110, 130, 165, 255),
                    line_width=0.025)
    for y in (0.10, -0.10, -0.30):
        s.line([(-0.24, y), (0.24, y)], (25, 30, 42, 255), 0.03)
    # Rivets along the plates, hot vents on the shoulders.
    for side in (-1, 1):
        for x, y in ((0.56, 0.18), (0.66, -0.06), (0.66, -0.30), (0.58, -0.50)):
            s.ellipse(side * x, y, 0.025, 0.025, fill=(180, 195, 220, 255))
        for k in range(3):
            y = 0.06 - 0.12 * k
            s.line([(side * 0.74, y), (side * 0.80, y - 0.03)], (255, 110, 40, 255), 0.03)
    s.poly([(-0.24, 0.38), (0.24, 0.38), (0.18, 0.24), (-0.18, 0.24)], (255, 50, 25, 255))
    s.poly([(-0.15, 0.35), (0.15, 0.35), (0.12, 0.28), (-0.12, 0.28)], (255, 210, 140, 255))
    return with_rim(s.result(), (255, 110, 60), 2.4, 0.35)


# ---------------------------------------------------------------- the boss

def make_dreadnought():
    """The final boss: a long plum-black warship, stepped armour, turrets, a bridge tower
    and five engines."""
    rng = random.Random(61)
    s = Sketch(256)
    engine = glow(64, (1.0, 0.9, 1.0), (1.0, 0.2, 0.7), core_radius=0.25, power=1.5)
    for x, y, d in ((0.0, -0.90, 0.30), (-0.17, -0.88, 0.24), (0.17, -0.88, 0.24),
                    (-0.50, -0.72, 0.20), (0.50, -0.72, 0.20)):
        s.stamp(engine, x, y, d)
    light, dark = (78, 52, 88, 255), (44, 28, 52, 255)
    edge = (210, 80, 170, 255)
    lamp = (255, 130, 220, 255)
    # Sponsons flank the main hull like broad, cut-back wings.
    sponson = [(0.22, 0.16), (0.50, 0.02), (0.70, -0.12), (0.76, -0.30), (0.62, -0.40),
               (0.62, -0.62), (0.42, -0.74), (0.22, -0.56)]
    s.mirrored_poly(sponson, dark, light, outline=edge, line_width=0.016)
    # The hull widens in armoured steps from a split prow.
    hull = [(0.0, 0.80), (0.05, 0.97), (0.10, 0.94), (0.13, 0.70), (0.19, 0.62), (0.20, 0.40),
            (0.27, 0.32), (0.28, 0.02), (0.32, -0.06), (0.32, -0.72), (0.24, -0.88), (0.0, -0.86)]
    s.mirrored_poly(hull, dark, light, outline=edge, line_width=0.018)
    deck = [(0.0, 0.76), (0.08, 0.66), (0.13, 0.38), (0.20, 0.26), (0.21, -0.74), (0.0, -0.78)]
    s.mirrored_poly(deck, (34, 20, 40, 255), (60, 38, 70, 255))
    # Greebles: small plates and vents, mirrored, on the deck and the sponsons.
    for _ in range(70):
        x, y = rng.uniform(0.02, 0.70), rng.uniform(-0.74, 0.66)
        inside_deck = x < 0.17 and y < 0.58 - 0.5 * x
        inside_sponson = 0.34 < x < 0.58 and -0.58 < y < 0.02 - 0.5 * (x - 0.34)
        if not (inside_deck or inside_sponson):
            continue
        w, h = rng.uniform(0.015, 0.05), rng.uniform(0.015, 0.06)
        shade = rng.choice([(28, 16, 34, 255), (88, 62, 100, 255), (70, 48, 80, 255)])
        for side in (-1, 1):
            s.poly([(side * x, y), (side * (x + w), y), (side * (x + w), y - h), (side * x, y - h)], shade)
    for y in (0.50, 0.20, -0.10, -0.40, -0.62):
        half = 0.20 if y < 0.3 else 0.13
        s.line([(-half, y), (half, y)], (24, 12, 30, 255), 0.010)
    # Running lights along the edges, portholes along the sponsons.
    for side in (-1, 1):
        s.line([(side * 0.10, 0.90), (side * 0.13, 0.70)], lamp, 0.010)
        s.line([(side * 0.27, 0.28), (side * 0.28, 0.02)], lamp, 0.010)
        s.line([(side * 0.31, -0.10), (side * 0.31, -0.66)], lamp, 0.010)
        for k in range(6):
            s.ellipse(side * (0.38 + 0.055 * k), -0.08 - 0.028 * k, 0.010, 0.010, fill=(255, 230, 250, 255))
    # Bridge tower amidships, in steps.
    for w, top, bottom, shade in ((0.13, -0.14, -0.50, (70, 54, 84, 255)),
                                  (0.09, -0.20, -0.44, (110, 88, 126, 255)),
                                  (0.05, -0.25, -0.38, (150, 124, 166, 255))):
        s.poly([(-w, top), (w, top), (w, bottom), (-w, bottom)], shade, outline=(200, 150, 215, 255),
               line_width=0.008)
    s.line([(-0.10, -0.18), (0.10, -0.18)], (255, 150, 235, 255), 0.016)
    s.line([(0.0, -0.14), (0.0, 0.02)], (170, 150, 180, 255), 0.010)  # antenna mast
    # Turrets with triple barrels pointing ahead.
    turrets = [(0.0, 0.52, 0.07), (0.0, 0.28, 0.08), (-0.12, 0.02, 0.06), (0.12, 0.02, 0.06),
               (-0.50, -0.22, 0.06), (0.50, -0.22, 0.06), (0.0, -0.62, 0.065)]
    for x, y, r in turrets:
        for dx in (-0.45 * r, 0.0, 0.45 * r):
            s.line([(x + dx, y), (x + dx, y + r * 2.2)], (160, 140, 170, 255), r * 0.26)
        s.ellipse(x, y, r, r, fill=(64, 44, 74, 255), outline=(210, 160, 225, 255), line_width=0.010)
        s.ellipse(x, y, r * 0.35, r * 0.35, fill=(255, 110, 220, 255))
    # The prow's glowing main gun between the two prongs.
    muzzle = glow(64, (1.0, 0.95, 1.0), (1.0, 0.3, 0.8), core_radius=0.25, power=1.4)
    s.stamp(muzzle, 0.0, 0.86, 0.18)
    return with_rim(s.result(), (255, 80, 190), 3.5, 0.35)


SHIPS = {
    "dart.png": make_dart,
    "skimmer.png": make_skimmer,
    "lancer.png": make_lancer,
    "mine.png": make_mine,
    "brute.png": make_brute,
    "dreadnought.png": make_dreadnought,
}


def main(argv):
    if len(argv) != 2:
        print("usage: make_ships.py <datadir>")
        return 2
    write_images(os.path.join(argv[1], "ships"), {name: make() for name, make in SHIPS.items()})
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
