#!/usr/bin/python3
"""Draws the campaign's HUD pictures into <datadir>/hud/.

Usage: make_hud_art.py <datadir>

The enemy shot, the spark and the shot glow are lights: the game adds them to
the picture, so the colour is the light and alpha its strength, falling to 0
at the edge. The icons, the marker and the map symbols are plain white on
transparent so the game can tint them; they point up where they point at all.
Strokes are thick because they are drawn small. Same Sketch canvas and fixed
seeds as make_images.py, so a run always writes the same files.
"""
import math
import os
import random
import sys

from PIL import Image

from make_images import Sketch, angular_noise, clamp_byte, glow, radial_image, ramp, smoothstep, write_images

WHITE = (255, 255, 255, 255)


# ---------------------------------------------------------------- lights

def make_enemy_shot():
    """A hot bolt: white-yellow core, orange body, a jagged magenta corona with four
    spikes, so it reads as hostile next to the round yellow gun shot."""
    wobble = angular_noise(random.Random(12), 5, 11)

    def shade(r, a):
        if r >= 1.0:
            return (0, 0, 0, 0)
        core = 1.0 - smoothstep(0.10, 0.32, r)
        body = 1.0 - smoothstep(0.22, 0.55, r)
        reach = 0.80 + 0.06 * wobble(a) + 0.14 * max(0.0, math.cos(2 * a)) ** 12
        corona = (1.0 - smoothstep(0.0, reach, r)) ** 1.1
        rgb = (1.0, 0.12, 0.85)
        rgb = tuple(c + (o - c) * body for c, o in zip(rgb, (1.0, 0.50, 0.10)))
        rgb = tuple(c + (w - c) * core for c, w in zip(rgb, (1.0, 0.95, 0.75)))
        return rgb + (min(1.0, body + 0.9 * corona),)
    return radial_image(32, shade)


def make_player_shot():
    """The campaign's gun shot: a white core in an ice-cyan light, the player's own
    colour, which no enemy and no enemy shot wears."""
    return glow(32, (0.95, 1.0, 1.0), (0.2, 0.85, 1.0), core_radius=0.22, power=1.8)


def make_player_beam():
    """The campaign's laser: the same profile in every row, white in the middle
    through cyan to a deep teal edge (the game samples the middle row)."""
    width, height = 64, 16
    row = []
    for i in range(width):
        x = abs((i + 0.5) / width * 2.0 - 1.0)  # 0 in the middle, 1 at the edges
        rgb = ramp([(0.0, (1.0, 1.0, 1.0)), (0.18, (0.85, 1.0, 1.0)),
                    (0.4, (0.2, 0.85, 1.0)), (0.75, (0.0, 0.55, 0.8)),
                    (1.0, (0.0, 0.35, 0.6))], x)
        alpha = 1.0 - smoothstep(0.15, 1.0, x)
        row.append(tuple(clamp_byte(v) for v in rgb + (alpha,)))
    img = Image.new("RGBA", (width, height))
    img.putdata(row * height)
    return img


def make_spark():
    """A small white hit spark: a soft point with four short rays and four fainter ones."""
    def shade(r, a):
        if r >= 1.0:
            return (0, 0, 0, 0)
        point = math.exp(-(r / 0.16) ** 2)
        rays = max(0.0, math.cos(2 * a)) ** 30 * (1.0 - r) ** 1.5
        rays += 0.5 * max(0.0, math.cos(2 * a + math.pi)) ** 40 * (1.0 - r) ** 2.5
        halo = 0.25 * (1.0 - r) ** 3
        return (1.0, 0.97, 0.90, min(1.0, point + rays + halo))
    return radial_image(32, shade)


def make_shot_glow():
    """A soft white glow to lay under a shot; the game may tint it."""
    def shade(r, _a):
        return (1.0, 1.0, 1.0, 0.6 * math.exp(-(r / 0.45) ** 2) * (1.0 - smoothstep(0.8, 1.0, r)))
    return radial_image(64, shade)


# ---------------------------------------------------------------- icons

def make_icon_gun():
    """Three shots flying up and to the right, each with a tapering tail."""
    s = Sketch(64)
    for x, y, r in ((-0.64, -0.64, 0.12), (-0.10, -0.10, 0.15), (0.52, 0.52, 0.19)):
        back = r * 1.7  # a tapering streak behind each shot, like a comet's tail
        side = r / math.sqrt(2)
        s.poly([(x - side, y + side), (x + side, y - side), (x - back, y - back)], WHITE)
        s.ellipse(x, y, r, r, fill=WHITE)
    return s.result()


def make_icon_laser():
    """A beam from a small emitter ring to a four-pointed flash."""
    s = Sketch(64)
    s.ellipse(-0.62, -0.62, 0.17, 0.17, outline=WHITE, line_width=0.09)
    s.line([(-0.48, -0.48), (0.52, 0.52)], WHITE, 0.13)
    cx, cy = 0.55, 0.55
    for dx, dy in ((1, 0), (0, 1), (-1, 0), (0, -1)):
        s.poly([(cx + dx * 0.40, cy + dy * 0.40), (cx + dy * 0.09, cy - dx * 0.09),
                (cx - dy * 0.09, cy + dx * 0.09)], WHITE)
    return s.result()


def make_icon_shockwave():
    """A shot with two rings spreading from it, each broken in four."""
    s = Sketch(64)
    s.ellipse(0, 0, 0.17, 0.17, fill=WHITE)
    for radius, width in ((0.48, 0.10), (0.80, 0.11)):
        for quarter in range(4):
            a0 = math.radians(quarter * 90 + 12)
            a1 = math.radians(quarter * 90 + 78)
            arc = [(radius * math.cos(a0 + (a1 - a0) * k / 16), radius * math.sin(a0 + (a1 - a0) * k / 16))
                   for k in range(17)]
            s.line(arc, WHITE, width)
    return s.result()


def make_marker():
    """A bold arrowhead pointing up with a notched back, for things past the edge of view."""
    s = Sketch(64)
    s.poly([(0.0, 0.92), (0.80, -0.72), (0.0, -0.30), (-0.80, -0.72)], WHITE)
    return s.result()


# ---------------------------------------------------------------- upgrade icons

def arc_points(radius, start_degrees, end_degrees, steps=24):
    """Points along a circle from one angle to another, counter-clockwise in degrees."""
    a0, a1 = math.radians(start_degrees), math.radians(end_degrees)
    return [(radius * math.cos(a0 + (a1 - a0) * k / steps), radius * math.sin(a0 + (a1 - a0) * k / steps))
            for k in range(steps + 1)]


def make_icon_hull():
    """An armour plate: a pointed shield with a bolt in each upper corner and a seam down the middle."""
    s = Sketch(64)
    outline = [(-0.72, 0.80), (0.72, 0.80), (0.72, 0.05), (0.0, -0.90), (-0.72, 0.05)]
    s.line(outline + outline[:1], WHITE, 0.14)
    s.line([(0.0, 0.62), (0.0, -0.55)], WHITE, 0.12)
    for x in (-0.42, 0.42):
        s.ellipse(x, 0.52, 0.10, 0.10, fill=WHITE)
    return s.result()


def make_icon_thrust():
    """An engine flame pushing up: a nozzle at the bottom and three stacked chevrons."""
    s = Sketch(64)
    s.poly([(-0.36, -0.62), (0.36, -0.62), (0.24, -0.92), (-0.24, -0.92)], WHITE)
    for y in (-0.40, 0.05, 0.50):
        s.line([(-0.62, y), (0.0, y + 0.40), (0.62, y)], WHITE, 0.15)
    return s.result()


def make_icon_turn():
    """A curved arrow going three quarters round."""
    s = Sketch(64)
    s.line(arc_points(0.62, 100, 380), WHITE, 0.15)
    tip = math.radians(100)
    cx, cy = 0.62 * math.cos(tip), 0.62 * math.sin(tip)
    s.poly([(cx - 0.30, cy + 0.03), (cx + 0.12, cy + 0.30), (cx + 0.12, cy - 0.26)], WHITE)
    return s.result()


def make_icon_spread():
    """Three shots fanning out upwards from one point."""
    s = Sketch(64)
    for degrees in (62, 90, 118):
        a = math.radians(degrees)
        s.line([(0.0, -0.80), (0.95 * math.cos(a), -0.80 + 1.30 * math.sin(a))], WHITE, 0.09)
        s.ellipse(1.10 * math.cos(a), -0.80 + 1.52 * math.sin(a), 0.15, 0.15, fill=WHITE)
    return s.result()


def make_icon_pull():
    """A broken ring with four arrows pointing in to a small core."""
    s = Sketch(64)
    for quarter in range(4):
        s.line(arc_points(0.84, quarter * 90 + 20, quarter * 90 + 70, 8), WHITE, 0.10)
    for dx, dy in ((1, 0), (0, 1), (-1, 0), (0, -1)):
        s.line([(dx * 0.78, dy * 0.78), (dx * 0.40, dy * 0.40)], WHITE, 0.11)
        s.poly([(dx * 0.22, dy * 0.22), (dx * 0.46 - dy * 0.17, dy * 0.46 + dx * 0.17),
                (dx * 0.46 + dy * 0.17, dy * 0.46 - dx * 0.17)], WHITE)
    s.ellipse(0, 0, 0.10, 0.10, fill=WHITE)
    return s.result()


def make_icon_shield():
    """A ring round a small fighter, with a gap at the top where it fills up again."""
    s = Sketch(64)
    s.line(arc_points(0.82, 110, 430, 36), WHITE, 0.13)
    s.poly([(0.0, 0.48), (0.34, -0.42), (0.0, -0.22), (-0.34, -0.42)], WHITE)
    return s.result()


def make_icon_repair():
    """A wrench, its open jaw up and to the right."""
    s = Sketch(64)
    s.line([(-0.72, -0.72), (0.18, 0.18)], WHITE, 0.24)
    s.line([(0.42 + x, 0.42 + y) for x, y in arc_points(0.30, 100, 350)], WHITE, 0.24)
    return s.result()


# ---------------------------------------------------------------- map symbols

def make_map_star():
    """A four-pointed sparkle around a round core."""
    s = Sketch(32)
    for dx, dy in ((1, 0), (0, 1), (-1, 0), (0, -1)):
        s.poly([(dx * 0.95, dy * 0.95), (dy * 0.22, -dx * 0.22), (-dy * 0.22, dx * 0.22)], WHITE)
    s.ellipse(0, 0, 0.34, 0.34, fill=WHITE)
    return s.result()


def make_map_planet():
    """A ball inside a tilted ring."""
    s = Sketch(32)
    s.ellipse(0, 0, 0.50, 0.50, fill=WHITE)
    ring = [(0.92 * math.cos(t) * 0.94 - 0.30 * math.sin(t) * 0.34,
             0.92 * math.cos(t) * 0.34 + 0.30 * math.sin(t) * 0.94)
            for t in (2 * math.pi * k / 48 for k in range(49))]
    s.line(ring, WHITE, 0.13)
    return s.result()


def make_map_wormhole():
    """A two-armed spiral."""
    s = Sketch(32)
    for arm in (0, math.pi):
        pts = []
        for k in range(40):
            t = k / 39
            radius = 0.12 + 0.80 * t
            a = arm + t * 3.4
            pts.append((radius * math.cos(a), radius * math.sin(a)))
        s.line(pts, WHITE, 0.15)
    s.ellipse(0, 0, 0.16, 0.16, fill=WHITE)
    return s.result()


def make_map_player():
    """A small fighter seen from above, nose up: body, swept wings and tail fins."""
    s = Sketch(32)
    s.poly([(0.0, 0.98), (0.16, 0.40), (0.16, -0.70), (-0.16, -0.70), (-0.16, 0.40)], WHITE)
    s.poly([(0.10, 0.30), (0.90, -0.35), (0.90, -0.55), (0.10, -0.30), (-0.10, -0.30),
            (-0.90, -0.55), (-0.90, -0.35), (-0.10, 0.30)], WHITE)
    s.poly([(0.10, -0.45), (0.45, -0.85), (-0.45, -0.85), (-0.10, -0.45)], WHITE)
    return s.result()


HUD = {
    "enemyShot.png": make_enemy_shot,
    "spark.png": make_spark,
    "playerShot.png": make_player_shot,
    "playerBeam.png": make_player_beam,
    "shotGlow.png": make_shot_glow,
    "icon-gun.png": make_icon_gun,
    "icon-laser.png": make_icon_laser,
    "icon-shockwave.png": make_icon_shockwave,
    "marker.png": make_marker,
    "map-star.png": make_map_star,
    "map-planet.png": make_map_planet,
    "map-wormhole.png": make_map_wormhole,
    "map-player.png": make_map_player,
    "icon-hull.png": make_icon_hull,
    "icon-thrust.png": make_icon_thrust,
    "icon-turn.png": make_icon_turn,
    "icon-spread.png": make_icon_spread,
    "icon-pull.png": make_icon_pull,
    "icon-shield.png": make_icon_shield,
    "icon-repair.png": make_icon_repair,
}


def main(argv):
    if len(argv) != 2:
        print("usage: make_hud_art.py <datadir>")
        return 2
    write_images(os.path.join(argv[1], "hud"), {name: make() for name, make in HUD.items()})
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
