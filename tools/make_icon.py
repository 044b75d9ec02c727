#!/usr/bin/python3
"""Draws the menu icon from the game's own images: the player's ship
climbing away from the red planet, on a round patch of space.

Usage: make_icon.py <out.png>
"""
import random
import sys

from PIL import Image

import make_images as art

SIZE = 256


def space_disc():
    rng = random.Random(13)
    stars = [(rng.uniform(-1, 1), rng.uniform(-1, 1), rng.uniform(0.4, 1.0)) for _ in range(40)]

    def shade(x, y, _k):
        r = (x * x + y * y) ** 0.5
        if r > 1.0:
            return (0, 0, 0, 0)
        rgb = art.mix((0.10, 0.08, 0.28), (0.01, 0.01, 0.05), art.smoothstep(0.0, 1.0, r))
        for sx, sy, bright in stars:
            d = ((x - sx) ** 2 + (y - sy) ** 2) * SIZE * SIZE / 4.0
            if d < 4.0:
                rgb = art.mix(rgb, (1.0, 1.0, 1.0), bright * (1.0 - d / 4.0))
        edge = 1.0 - art.smoothstep(0.975, 1.0, r)
        return rgb + (edge,)
    return art.pixel_image(SIZE, shade)


def make_icon():
    icon = space_disc()
    scene = art.Sketch(SIZE)
    scene.stamp(art.make_mars(), -0.55, -0.55, 1.3)
    flame = art.glow(64, (1.0, 1.0, 1.0), (0.2, 0.85, 1.0), core_radius=0.25, power=1.6)
    scene.stamp(flame, -0.28, -0.28, 0.5)
    ship = art.make_player().rotate(-45, resample=Image.BICUBIC, expand=False)
    scene.stamp(ship, 0.15, 0.15, 1.15)
    picture = scene.result()
    # Only what lies on the disc shows.
    picture.putalpha(Image.composite(picture.getchannel("A"), Image.new("L", picture.size), icon.getchannel("A")))
    icon.alpha_composite(picture)
    return icon


def main(argv):
    if len(argv) != 2:
        print("usage: make_icon.py <out.png>")
        return 2
    make_icon().save(argv[1], optimize=True)
    print("wrote " + argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
