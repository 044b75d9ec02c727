#!/usr/bin/python3
"""Draws the particle images the effects use: data/flame.tga and data/wormhole1.tga.

Run from anywhere with Debian's Python and PIL:  /usr/bin/python3 tools/make_effect_images.py
The output is deterministic, so re-running it leaves the committed files unchanged.
"""
import math
import os

from PIL import Image

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")


def clamp(v):
    return max(0, min(255, int(round(v))))


def flame(size=64):
    """A soft round sprite: white core, warm yellow rim, alpha falling to 0 at the edge.

    The shaders tint it, so it stays close to white; the alpha carries the shape.
    """
    img = Image.new("RGBA", (size, size))
    centre = (size - 1) / 2.0
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - centre, y - centre) / (size / 2.0)
            edge = max(0.0, 1.0 - d)
            alpha = math.exp(-d * d * 3.5) * min(1.0, edge * 4.0)
            warm = min(1.0, d * 1.3)
            r = 255
            g = 255 * (1.0 - 0.18 * warm)
            b = 255 * (1.0 - 0.55 * warm)
            img.putpixel((x, y), (clamp(r), clamp(g), clamp(b), clamp(255 * alpha)))
    return img


def wormhole(size=128, arms=3):
    """A three-armed swirl fading into a bright ring round a dark eye."""
    img = Image.new("RGBA", (size, size))
    centre = (size - 1) / 2.0
    for y in range(size):
        for x in range(size):
            dx, dy = x - centre, y - centre
            r = math.hypot(dx, dy) / (size / 2.0)
            if r >= 1.0:
                img.putpixel((x, y), (0, 0, 0, 0))
                continue
            theta = math.atan2(dy, dx)
            spiral = 0.5 + 0.5 * math.cos(arms * theta + 9.0 * r)
            arm = spiral ** 2
            envelope = math.sin(math.pi * r) ** 0.7
            ring = math.exp(-((r - 0.28) / 0.07) ** 2)
            eye = min(1.0, r / 0.15)
            intensity = min(1.0, (0.8 * arm * envelope + 0.9 * ring) * eye)
            red = 120 + 100 * ring
            green = 90 + 80 * ring
            blue = 255
            img.putpixel((x, y), (clamp(red), clamp(green), clamp(blue), clamp(255 * intensity)))
    return img


def main():
    flame().save(os.path.join(DATA, "flame.tga"))
    wormhole().save(os.path.join(DATA, "wormhole1.tga"))


if __name__ == "__main__":
    main()
