"""Flying the player's ship: thrust moves it, with its flame, trail and panels on screen."""

import time
import unittest

from PIL import ImageChops

from rerara import Game, colour_pixels, xdotool

# The ship is always at the centre of the window; it points along +x at the start.
CENTRE = (640, 512)
BEHIND_SHIP = (CENTRE[0] - 260, CENTRE[1] - 40, CENTRE[0] - 12, CENTRE[1] + 40)
RADAR = (0, 0, 200, 200)
MAP = (1080, 0, 1280, 200)


def flame_coloured(r, g, b):
    return r > 180 and g > 60 and b < 120 and r > b + 80


def cyan(r, g, b):
    return g > 120 and b > 120 and r < 100


def sky_difference(a, b, threshold):
    sky = (300, 250, 980, 450)
    moved = ImageChops.difference(a.crop(sky), b.crop(sky)).convert("L")
    return sum(1 for v in moved.getdata() if v > threshold)


class Flight(unittest.TestCase):
    def test_holding_w_moves_the_ship_with_its_flame_and_trail(self):
        with Game() as game:
            game.start()
            game.key("minus", "minus", "minus")  # keep enemies out of the picture
            before = game.first_frame("flight-before")
            xdotool("keydown", "w")
            during = game.picture("flight-thrust", lambda image: colour_pixels(image, BEHIND_SHIP, cyan) > 40
                                  and colour_pixels(image, BEHIND_SHIP, flame_coloured) > 40
                                  and sky_difference(before, image, 40) > 200)
            xdotool("keyup", "w")

            self.assertGreater(colour_pixels(during, BEHIND_SHIP, flame_coloured), 40,
                               "no engine flame behind the ship")
            self.assertGreater(colour_pixels(during, BEHIND_SHIP, cyan), 40,
                               "no cyan trail behind the ship")
            # The camera follows the ship, so the star field has moved under it.
            self.assertGreater(sky_difference(before, during, 40), 200, "the view did not move")
            # Both panels are drawn: a green radar and a blue map.
            self.assertGreater(colour_pixels(during, RADAR, lambda r, g, b: g > 150 and r < 150), 500)
            self.assertGreater(colour_pixels(during, MAP, lambda r, g, b: b > 150 and r < 180), 500)
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_wheel_zooms_the_view(self):
        with Game() as game:
            game.start()
            game.key("minus", "minus", "minus")
            wide = game.first_frame("zoom-start")
            game.wheel(4, 6)  # wheel up: zoom in
            # Zoomed in, the ship fills more of the window's centre.
            ship = (CENTRE[0] - 60, CENTRE[1] - 60, CENTRE[0] + 60, CENTRE[1] + 60)
            bright = lambda r, g, b: r + g + b > 400  # noqa: E731
            enough = 2 * colour_pixels(wide, ship, bright) + 50
            close = game.picture("zoom-in", lambda image: colour_pixels(image, ship, bright) > enough)
            self.assertGreater(colour_pixels(close, ship, bright), enough)
            # A free-spinning wheel stops far out, where the gun still fires,
            # and 30 notches back in bring the start's view back.
            xdotool("click", "--repeat", "150", "--delay", "5", "5")
            xdotool("keydown", "space")
            time.sleep(1.0)  # a second of firing out there
            world = (CENTRE[0] - 60, CENTRE[1] - 60, CENTRE[0] + 60, CENTRE[1] + 60)
            drawn = lambda r, g, b: r + g + b > 30  # noqa: E731
            far = game.picture("zoom-far-out-firing", lambda image: colour_pixels(image, world, drawn) > 2000)
            xdotool("keyup", "space")
            self.assertIsNone(game.process.poll(), game.errors())
            self.assertGreater(colour_pixels(far, world, drawn), 2000, "the world is no longer drawn")
            xdotool("click", "--repeat", "30", "--delay", "5", "4")
            ship_size = colour_pixels(wide, ship, bright)
            back = game.picture("zoom-back", lambda image: abs(colour_pixels(image, ship, bright) - ship_size)
                                < ship_size // 2 + 10)
            self.assertLess(abs(colour_pixels(back, ship, bright) - ship_size), ship_size // 2 + 10)
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_depth_keys_change_the_background_layers(self):
        def faint(a, b):
            return sky_difference(a, b, 15)  # the faint nebula counts too

        with Game() as game:
            game.start()
            game.key("minus", "minus", "minus")
            start = game.first_frame("depth-start")
            time.sleep(0.3)
            self.assertLess(faint(start, game.screenshot("depth-still")), 500)
            # Pulling the far plane in past the far dust layer hides that layer.
            game.key("c", "c", "c")
            shallow = game.picture("depth-far-layer-hidden", lambda image: faint(start, image) > 5000)
            self.assertGreater(faint(start, shallow), 5000)
            game.key("x", "x", "x")
            restored = game.picture("depth-restored", lambda image: faint(start, image) < 500)
            self.assertLess(faint(start, restored), 500)
            # Pushing the near plane out moves the far layer past the far plane too.
            game.key("n", "n", "n", "n", "n", "n")
            near = game.picture("depth-near", lambda image: faint(start, image) > 5000)
            self.assertGreater(faint(start, near), 5000)
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
