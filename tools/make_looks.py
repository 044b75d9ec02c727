#!/usr/bin/python3
"""Draws the planet and star looks into <datadir>/planets/ and <datadir>/stars/.

Usage: make_looks.py <datadir>

Planets are 512x512 discs with transparent corners. Their surfaces come from
3-D noise sampled on the visible half of a sphere, so features crowd toward
the rim as on a real globe, and nothing repeats or meets at a seam. They are
lit evenly with a soft darkening toward the rim and no sun direction: the game
spins them, and a baked highlight would turn with them.

Stars are 256x256 glows like bluestar.png: the game adds them to the picture
(additive blending), so alpha is the light, the colour its tint, and both fall
to nothing at the square's edge (the square is the star's radius).

Fixed random seeds: a run always writes the same files.
"""
import os
import sys

import numpy as np
from PIL import Image

from make_images import write_images

PLANET_SIZE = 512
PLANET_RADIUS = 0.965  # the disc's edge in half-widths; haze may reach past it
STAR_SIZE = 256


# ---------------------------------------------------------------- noise

class Noise3:
    """Gradient noise in 3-D (Perlin's), about -1..1, from a fixed seed."""

    def __init__(self, seed):
        rng = np.random.default_rng(seed)
        self.perm = np.concatenate([rng.permutation(256)] * 2)
        g = rng.standard_normal((256, 3))
        self.grad = g / np.linalg.norm(g, axis=1, keepdims=True)

    def __call__(self, p):
        cell = np.floor(p)
        f = p - cell
        i = cell.astype(np.int64) & 255
        u = f * f * f * (f * (f * 6 - 15) + 10)
        total = 0.0
        for dx in (0, 1):
            for dy in (0, 1):
                for dz in (0, 1):
                    h = self.perm[self.perm[self.perm[i[:, 0] + dx] + i[:, 1] + dy] + i[:, 2] + dz]
                    offset = f - np.array([dx, dy, dz])
                    dot = np.einsum("ij,ij->i", self.grad[h], offset)
                    w = (u[:, 0] if dx else 1 - u[:, 0]) * (u[:, 1] if dy else 1 - u[:, 1]) * \
                        (u[:, 2] if dz else 1 - u[:, 2])
                    total = total + w * dot
        return total * 1.6


def fbm(noise, p, frequency, octaves, gain=0.5):
    """Fractal sum of noise octaves: mean 0, spread about 0.4, rarely past +-1."""
    total = np.zeros(len(p))
    amplitude, norm = 1.0, 0.0
    for k in range(octaves):
        total += amplitude * noise(p * frequency * 2 ** k + 17.3 * k)
        norm += amplitude
        amplitude *= gain
    return total / norm * 2.5


def ridged(noise, p, frequency, octaves):
    """Sharp ridges where the noise crosses zero: 1 on the ridge, falling to 0."""
    total = np.zeros(len(p))
    amplitude, norm = 1.0, 0.0
    for k in range(octaves):
        total += amplitude * (1 - np.abs(noise(p * frequency * 2 ** k + 31.7 * k)))
        norm += amplitude
        amplitude *= 0.5
    return total / norm


def zero_lines(noise, p, frequency, width):
    """Thin lines of even width (width in sphere units) where the noise crosses zero:
    1 on the line, falling to 0. Distance to the line is the value over its slope."""
    q = p * frequency
    v = noise(q)
    h = 1e-3
    slope = np.sqrt(sum(((noise(q + h * np.eye(3)[k]) - v) / h) ** 2 for k in range(3)))
    distance = np.abs(v) / (np.maximum(slope, 1e-6) * frequency)
    return np.exp(-(distance / width) ** 2)


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0, 1)
    return t * t * (3 - 2 * t)


def ramp(stops, t):
    """Colours (N, 3) at t along [(t0, (r, g, b)), ...]."""
    at = [s for s, _c in stops]
    return np.stack([np.interp(t, at, [c[ch] for _s, c in stops]) for ch in range(3)], axis=1)


def mixed(a, b, t):
    t = np.asarray(t)[..., None] if np.ndim(t) else t
    return a + (b - a) * t


def random_directions(rng, count):
    v = rng.standard_normal((count, 3))
    return v / np.linalg.norm(v, axis=1, keepdims=True)


# ---------------------------------------------------------------- planet frame

class Globe:
    """The visible half of a unit sphere behind each pixel of a square image.

    p holds the unit vectors of the pixels inside the disc (x right, y up, z
    toward the viewer); mu is z, 1 at the centre and 0 at the rim.
    """

    def __init__(self, size, radius):
        c = (np.arange(size) + 0.5) / size * 2 - 1
        x, y = np.meshgrid(c, -c)
        self.size = size
        self.radius = radius
        self.r = np.hypot(x, y)
        self.inside = self.r < radius
        sx, sy = x[self.inside] / radius, y[self.inside] / radius
        sz = np.sqrt(np.clip(1 - sx * sx - sy * sy, 0, 1))
        self.p = np.stack([sx, sy, sz], axis=1)
        self.mu = sz

    def craters(self, rng, count, smallest, largest, slope=2.2):
        """Crater shading: (darkening of floors, brightening of rims and ejecta), both 0..1.

        No light direction: floors are darker and rims brighter all the way round.
        Small craters are the common ones; older ones (weaker) are worn flat.
        """
        floor = np.zeros(len(self.p))
        rim = np.zeros(len(self.p))
        for centre in random_directions(rng, count):
            size = smallest + (largest - smallest) * rng.random() ** slope
            fresh = rng.uniform(0.25, 1.0)
            angle = np.arccos(np.clip(self.p @ centre, -1, 1)) / size
            near = angle < 2.5
            if not near.any():
                continue
            d = angle[near]
            # Darkest along the inner wall, brightest just over the rim.
            bowl = (1 - smoothstep(0.88, 1.0, d)) * (0.5 + 0.5 * smoothstep(0.3, 0.92, d))
            floor[near] = np.maximum(floor[near], bowl * fresh)
            ring = np.exp(-((d - 1.06) / 0.08) ** 2) + 0.35 * np.exp(-(d - 1.0) / 0.3) * (d > 1.0)
            rim[near] = np.maximum(rim[near], ring * fresh)
        return floor, np.clip(rim, 0, 1)

    def image(self, rgb, limb=0.45, haze=None, haze_reach=0.0):
        """RGBA image: surface rgb (N, 3) in 0..1 darkened toward the rim by limb, with
        an optional haze colour glowing at the rim and reaching haze_reach past it."""
        shade = 1 - limb * (1 - np.sqrt(self.mu))
        rgb = np.clip(rgb * shade[:, None], 0, 1)
        if haze is not None:
            glow = np.exp(-self.mu / 0.18)[:, None] * 0.75
            rgb = rgb + (np.array(haze) - rgb) * glow
        out = np.zeros((self.size, self.size, 4))
        out[self.inside, :3] = rgb
        edge_px = 1.5 / self.size * 2
        alpha = 1 - smoothstep(self.radius - edge_px, self.radius, self.r)
        if haze is not None and haze_reach > 0:
            outside = ~self.inside
            out[outside, :3] = haze
            fringe = (1 - smoothstep(self.radius - edge_px, self.radius + haze_reach, self.r)) ** 2
            alpha = np.maximum(alpha, fringe * 0.7)
        out[..., 3] = alpha
        return Image.fromarray((np.clip(out, 0, 1) * 255 + 0.5).astype(np.uint8), "RGBA")


# ---------------------------------------------------------------- planets

def make_rocky(globe):
    """Brown-grey rock: dark basalt lowlands, tan highlands, canyons and craters."""
    n = Noise3(101)
    p = globe.p
    height = fbm(n, p, 1.4, 8, gain=0.58)
    highland = smoothstep(-0.15, 0.15, height)
    grain = fbm(n, p + 3.0, 16.0, 3, gain=0.7)
    low = ramp([(-1.0, (0.22, 0.16, 0.12)), (1.0, (0.42, 0.32, 0.24))], grain + height)
    high = ramp([(-1.0, (0.48, 0.36, 0.24)), (1.0, (0.74, 0.60, 0.43))], grain + 0.5 * height)
    rgb = mixed(low, high, highland)
    bent = p + 0.05 * np.stack([fbm(n, p + k * 13.0, 2.5, 3) for k in range(3)], axis=1)
    canyons = zero_lines(n, bent + 7.0, 2.0, 0.006) * smoothstep(0.0, 0.3, fbm(n, p + 30.0, 1.5, 3))
    rgb = mixed(rgb, np.array([0.10, 0.08, 0.07]), 0.75 * canyons)
    floor, rim = globe.craters(np.random.default_rng(102), 60, 0.012, 0.12, slope=3.0)
    rgb = rgb * (1 - 0.3 * floor[:, None]) + 0.1 * rim[:, None]
    return globe.image(np.clip(rgb, 0, 1))


def make_icy(globe):
    """Pale blue-white ice split by long blue cracks, with frosted patches."""
    n = Noise3(111)
    p = globe.p
    albedo = fbm(n, p, 1.8, 6)
    bent = p + 0.08 * np.stack([fbm(n, p + k * 13.0, 2.0, 3) for k in range(3)], axis=1)
    long_cracks = np.maximum(zero_lines(n, bent + 3.0, 1.3, 0.007), zero_lines(n, bent + 43.0, 1.6, 0.005))
    short_cracks = zero_lines(n, bent + 8.0, 3.5, 0.0035)
    cracks = np.maximum(long_cracks, 0.6 * short_cracks)
    frost = smoothstep(0.2, 0.9, fbm(n, p + 20.0, 2.5, 4))
    t = np.clip(0.55 + 0.45 * albedo, 0, 1)
    rgb = ramp([(0.0, (0.50, 0.64, 0.80)), (0.5, (0.76, 0.86, 0.94)), (1.0, (0.94, 0.97, 1.0))], t)
    rgb = mixed(rgb, np.array([0.98, 0.99, 1.0]), 0.6 * frost)
    rgb = mixed(rgb, np.array([0.22, 0.45, 0.70]), 0.8 * cracks)
    return globe.image(rgb, limb=0.35, haze=(0.75, 0.88, 1.0), haze_reach=0.012)


def make_gaseous(globe):
    """Gas giant: cream, tan and rust bands with turbulent edges and one great storm."""
    n = Noise3(121)
    p = globe.p
    stretched = p * np.array([1.0, 7.0, 1.0])
    turbulence = fbm(n, stretched, 1.2, 5) + 0.5 * fbm(n, p, 4.0, 4)
    lat = p[:, 1] + 0.014 * turbulence
    bands = 0.5 + 0.3 * np.sin(lat * 17.0 + 0.8) + 0.3 * np.sin(lat * 7.0 + 2.0) + 0.15 * np.sin(lat * 31.0)
    fine = fbm(n, p * np.array([1.0, 14.0, 1.0]) + 4.0, 2.0, 4)
    t = np.clip(bands * 0.8 + 0.05 * fine + 0.1, 0, 1)
    rgb = ramp([(0.0, (0.48, 0.26, 0.14)), (0.3, (0.70, 0.44, 0.24)), (0.55, (0.86, 0.70, 0.50)),
                (0.8, (0.95, 0.88, 0.74)), (1.0, (0.98, 0.95, 0.88))], t)
    # A great storm: an oval eddy south of the middle.
    centre = np.array([0.35, -0.30, 0.0])
    centre[2] = np.sqrt(1 - centre[0] ** 2 - centre[1] ** 2)
    offset = p - centre
    d = np.hypot(offset[:, 0] / 0.16, offset[:, 1] / 0.09) + 0.06 * fbm(n, p + 40.0, 6.0, 3)
    storm = 1 - smoothstep(0.6, 1.0, d)
    swirl = 0.5 + 0.5 * np.sin(d * 9.0 + np.arctan2(offset[:, 1], offset[:, 0]) * 2)
    rgb = mixed(rgb, ramp([(0.0, (0.62, 0.22, 0.10)), (1.0, (0.88, 0.48, 0.30))], swirl), storm)
    rgb = mixed(rgb, np.array([0.98, 0.92, 0.84]), 0.6 * np.exp(-((d - 1.0) / 0.12) ** 2))
    return globe.image(rgb, limb=0.55, haze=(0.95, 0.82, 0.62), haze_reach=0.015)


def spread_directions(rng, count, apart):
    """Random unit vectors at least `apart` radians from each other."""
    kept = []
    while len(kept) < count:
        v = random_directions(rng, 1)[0]
        if all(np.dot(v, k) < np.cos(apart) for k in kept):
            kept.append(v)
    return np.array(kept)


def make_molten(globe):
    """Lava world: black basalt plates split by glowing orange-yellow cracks."""
    n = Noise3(131)
    p = globe.p
    warped = p + 0.05 * np.stack([fbm(n, p + k * 7.0, 2.5, 3) for k in range(3)], axis=1)
    warped /= np.linalg.norm(warped, axis=1, keepdims=True)
    sites = spread_directions(np.random.default_rng(132), 90, 0.16).astype(np.float32)
    closeness = warped.astype(np.float32) @ sites.T
    closeness.sort(axis=1)
    gap = np.arccos(np.clip(closeness[:, -2], -1, 1)) - np.arccos(np.clip(closeness[:, -1], -1, 1))
    crack = np.exp(-(gap / 0.02) ** 2)
    fine = smoothstep(0.94, 0.99, ridged(n, p + 2.0, 4.0, 2))
    pools = smoothstep(0.5, 1.2, fbm(n, p + 11.0, 2.0, 4))
    heat = np.clip(np.maximum(crack, 0.55 * fine) + 0.5 * pools * (0.5 + 0.5 * crack), 0, 1)
    crust = 0.5 + 0.4 * fbm(n, p + 23.0, 4.0, 5)
    rgb = ramp([(0.0, (0.05, 0.035, 0.03)), (0.6, (0.15, 0.10, 0.09)), (1.0, (0.28, 0.20, 0.17))], crust)
    lava = ramp([(0.0, (0.55, 0.06, 0.0)), (0.5, (1.0, 0.42, 0.02)), (0.8, (1.0, 0.78, 0.20)),
                 (1.0, (1.0, 0.97, 0.70))], heat)
    rgb = mixed(rgb, lava, smoothstep(0.08, 0.6, heat))
    return globe.image(rgb, limb=0.4, haze=(1.0, 0.35, 0.05), haze_reach=0.02)


def make_oceanic(globe):
    """Blue seas, green and tan islands, white swirling cloud and a blue rim of air."""
    n = Noise3(141)
    p = globe.p
    height = fbm(n, p, 1.5, 7) * 0.4 + 0.06
    land = smoothstep(0.02, 0.05, height)
    sea = ramp([(-1.0, (0.02, 0.08, 0.30)), (-0.2, (0.04, 0.18, 0.48)), (0.04, (0.10, 0.40, 0.62))], height)
    ground = ramp([(0.0, (0.76, 0.70, 0.48)), (0.08, (0.25, 0.48, 0.18)), (0.25, (0.18, 0.36, 0.14)),
                   (0.42, (0.45, 0.38, 0.26)), (0.55, (0.92, 0.92, 0.94))], height)
    rgb = mixed(sea, ground, land)
    swirl = p + 0.15 * np.stack([fbm(n, p + k * 5.0, 1.5, 3) for k in range(3)], axis=1)
    cloud = smoothstep(0.0, 0.7, fbm(n, swirl * np.array([1.0, 2.5, 1.0]) + 50.0, 1.8, 6))
    rgb = mixed(rgb, np.array([0.96, 0.97, 1.0]), 0.9 * cloud)
    return globe.image(rgb, limb=0.45, haze=(0.45, 0.70, 1.0), haze_reach=0.03)


def make_desert(globe):
    """Ochre sand seas with dune ripples, long dark rocky ridges and pale salt flats."""
    n = Noise3(151)
    p = globe.p
    base = fbm(n, p, 1.7, 6)
    flow = p + 0.1 * np.stack([fbm(n, p + k * 3.0, 1.2, 3) for k in range(3)], axis=1)
    dunes = 0.5 + 0.5 * np.sin(flow[:, 0] * 70.0 + flow[:, 1] * 30.0 + 2.5 * fbm(n, p + 60.0, 2.0, 3))
    dune_zone = smoothstep(-0.2, 0.5, fbm(n, p + 70.0, 1.4, 4))
    t = np.clip(0.55 + 0.35 * base + 0.15 * dunes * dune_zone, 0, 1)
    rgb = ramp([(0.0, (0.55, 0.32, 0.16)), (0.4, (0.78, 0.55, 0.30)), (0.7, (0.90, 0.72, 0.45)),
                (1.0, (0.97, 0.88, 0.66))], t)
    bent = p + 0.06 * np.stack([fbm(n, p + k * 11.0, 3.0, 3) for k in range(3)], axis=1)
    ridges = zero_lines(n, bent + 80.0, 2.4, 0.005) * smoothstep(0.0, 0.5, fbm(n, p + 85.0, 1.2, 3))
    rgb = mixed(rgb, np.array([0.42, 0.25, 0.14]), 0.7 * ridges)
    salt = smoothstep(0.6, 1.0, fbm(n, p + 90.0, 1.5, 5))
    rgb = mixed(rgb, np.array([0.96, 0.93, 0.86]), 0.55 * salt)
    floor, rim = globe.craters(np.random.default_rng(152), 10, 0.03, 0.10)
    rgb = rgb * (1 - 0.2 * floor[:, None]) + 0.1 * rim[:, None]
    return globe.image(np.clip(rgb, 0, 1), limb=0.45, haze=(0.95, 0.75, 0.50), haze_reach=0.012)


def make_toxic(globe):
    """Murky green-yellow cloud deck in swirling bands under a glowing green haze."""
    n = Noise3(161)
    p = globe.p
    swirl = p + 0.18 * np.stack([fbm(n, p + k * 9.0, 1.3, 4) for k in range(3)], axis=1)
    bands = np.sin(swirl[:, 1] * 9.0 + 0.8 * fbm(n, p * np.array([1.0, 4.0, 1.0]), 1.5, 4))
    murk = fbm(n, swirl * np.array([1.0, 2.0, 1.0]) + 30.0, 2.5, 6)
    t = np.clip(0.5 + 0.25 * bands + 0.4 * murk, 0, 1)
    rgb = ramp([(0.0, (0.18, 0.24, 0.06)), (0.35, (0.40, 0.50, 0.10)), (0.65, (0.68, 0.74, 0.18)),
                (0.9, (0.88, 0.90, 0.42)), (1.0, (0.95, 0.96, 0.65))], t)
    blotch = smoothstep(0.5, 1.0, fbm(n, p + 40.0, 3.0, 4))
    rgb = mixed(rgb, np.array([0.52, 0.42, 0.10]), 0.5 * blotch)
    return globe.image(rgb, limb=0.5, haze=(0.62, 0.95, 0.25), haze_reach=0.035)


def make_barren(globe):
    """Grey moon: dark smooth plains, craters of every size and one young crater's rays."""
    n = Noise3(171)
    p = globe.p
    rng = np.random.default_rng(172)
    base = fbm(n, p, 2.0, 7)
    maria = smoothstep(0.1, 0.6, fbm(n, p + 12.0, 1.1, 4))
    t = np.clip(0.55 + 0.3 * base - 0.3 * maria, 0, 1)
    rgb = ramp([(0.0, (0.20, 0.20, 0.21)), (0.5, (0.46, 0.45, 0.44)), (1.0, (0.72, 0.71, 0.69))], t)
    floor, rim = globe.craters(rng, 240, 0.010, 0.20, slope=3.0)
    rgb = rgb * (1 - 0.25 * floor[:, None]) + 0.09 * rim[:, None]
    centre = np.array([-0.45, 0.35, 0.82])
    centre /= np.linalg.norm(centre)
    angle = np.arccos(np.clip(p @ centre, -1, 1))
    side = np.cross(centre, [0.0, 0.0, 1.0])
    side /= np.linalg.norm(side)
    around = np.arctan2(p @ np.cross(centre, side), p @ side)
    rays = np.maximum(0, np.sin(around * 9.0 + 2 * np.sin(around * 4.0))) ** 3
    rays *= smoothstep(0.04, 0.09, angle) * np.exp(-angle / 0.4)
    rgb = rgb + 0.16 * rays[:, None]
    young = angle / 0.04
    rgb = rgb * (1 - 0.25 * (1 - smoothstep(0.7, 1.0, young)))[:, None] + \
        0.3 * np.exp(-((young - 1.0) / 0.15) ** 2)[:, None]
    return globe.image(np.clip(rgb, 0, 1), limb=0.4)


PLANETS = {
    "rocky.png": make_rocky,
    "icy.png": make_icy,
    "gaseous.png": make_gaseous,
    "molten.png": make_molten,
    "oceanic.png": make_oceanic,
    "desert.png": make_desert,
    "toxic.png": make_toxic,
    "barren.png": make_barren,
}


# ---------------------------------------------------------------- stars

def star(size, seed, surface, corona, rays=4, ray_strength=0.8, corona_width=0.22):
    """A star glow: a bright disc (surface colour, white at the centre, mottled by
    granules) in a corona of its own colour with soft rays, fading out at the edge."""
    n = Noise3(seed)
    c = (np.arange(size) + 0.5) / size * 2 - 1
    x, y = np.meshgrid(c, -c)
    r = np.hypot(x, y)
    a = np.arctan2(y, x)
    ring = np.stack([np.cos(a) * 3, np.sin(a) * 3, np.zeros_like(a)], axis=-1).reshape(-1, 3)
    flicker = fbm(n, ring, 1.0, 3).reshape(r.shape)
    disc = np.stack([x * 14, y * 14, np.full_like(x, 5.0)], axis=-1).reshape(-1, 3)
    granules = fbm(n, disc, 1.0, 3).reshape(r.shape)

    core = 1 - smoothstep(0.36, 0.46, r)
    width = corona_width + 0.05 * flicker
    halo = np.where(r > 0.4, np.exp(-((r - 0.4) / width) ** 2), 1.0)
    spikes = np.maximum(0, np.cos(rays * a)) ** 40 * (1 - r) * ray_strength
    spikes += np.maximum(0, np.cos(rays * a + np.pi)) ** 80 * (1 - r) * ray_strength * 0.35
    light = np.minimum(1, core + 0.85 * halo + spikes) * (1 - smoothstep(0.8, 1.0, r))

    surface, corona = np.array(surface), np.array(corona)
    rgb = corona + (surface - corona) * np.minimum(1, core + 0.4 * halo)[..., None]
    rgb = rgb * (1 + 0.04 * granules * core)[..., None]
    rgb = rgb + (1 - rgb) * (1 - smoothstep(0.0, 0.3, r))[..., None]
    out = np.dstack([np.clip(rgb, 0, 1), light * (r < 1)])
    return Image.fromarray((np.clip(out, 0, 1) * 255 + 0.5).astype(np.uint8), "RGBA")


STARS = {
    "yellow.png": dict(seed=201, surface=(1.0, 0.93, 0.62), corona=(1.0, 0.78, 0.25)),
    "orange.png": dict(seed=202, surface=(1.0, 0.75, 0.42), corona=(1.0, 0.48, 0.10)),
    "red.png": dict(seed=203, surface=(1.0, 0.48, 0.32), corona=(0.92, 0.16, 0.06), corona_width=0.26,
                    ray_strength=0.6),
    "white.png": dict(seed=204, surface=(0.97, 0.98, 1.0), corona=(0.80, 0.86, 1.0), rays=6),
    "blue.png": dict(seed=205, surface=(0.72, 0.84, 1.0), corona=(0.25, 0.45, 1.0), rays=6,
                     corona_width=0.24),
}


def main(argv):
    if len(argv) != 2:
        print("usage: make_looks.py <datadir>")
        return 2
    globe = Globe(PLANET_SIZE, PLANET_RADIUS)
    write_images(os.path.join(argv[1], "planets"), {name: make(globe) for name, make in PLANETS.items()})
    write_images(os.path.join(argv[1], "stars"), {name: star(STAR_SIZE, **look) for name, look in STARS.items()})
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
