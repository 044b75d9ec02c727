"""The game on the player's desktop: pause, window modes, screenshots, --help."""

import os
import subprocess
import time
import unittest

from PIL import Image, ImageChops

from rerara import BINARY, SHOTS, Game, bright_pixels, colour_pixels, own_screen, xdotool

TOP_BAND = (200, 0, 1080, 200)  # between the radar and the map


def orange(r, g, b):
    return r > 40 and 0.3 * r < g < 0.75 * r and b < 0.5 * r


def centroid_x(image, box, test):
    xs = [i % (box[2] - box[0]) for i, p in enumerate(image.crop(box).getdata()) if test(*p)]
    return sum(xs) / len(xs) if xs else None


def differing_pixels(a, b, tolerance=0):
    difference = ImageChops.difference(a.convert("RGB"), b.convert("RGB")).convert("L")
    return sum(1 for v in difference.getdata() if v > tolerance)


def pointer():
    values = dict(item.split(":") for item in xdotool("getmouselocation").split()[:2])
    return int(values["x"]), int(values["y"])


class Pausing(unittest.TestCase):
    def test_pause_freezes_the_world_and_frees_the_pointer(self):
        with Game() as game:
            game.start()
            game.key("minus", "minus")
            game.hold(["w"], 1.0)  # on the move, so lost time would show as a jump
            game.key("p")
            self.assertTrue(game.wait_for_line("Paused"))
            x, y, width, height = game.geometry()
            xdotool("mousemove", "5", "5")
            self.assertEqual(pointer(), (5, 5), "the pointer is still held in the window")
            time.sleep(0.5)
            paused = game.screenshot("pause-paused")
            time.sleep(2.5)
            self.assertEqual(differing_pixels(paused, game.screenshot("pause-later")), 0,
                             "the paused picture changed")
            # Dimmed, with bright words in the middle.
            self.assertLess(bright_pixels(paused, (0, 0, 1280, 300), 200), 50)
            self.assertGreater(bright_pixels(paused, (400, 400, 880, 560), 200), 1500)

            xdotool("mousemove", str(x + width // 2), str(y + height // 2))
            xdotool("windowfocus", "--sync", game.window)
            game.key("p", "F12")
            self.assertTrue(game.wait_for_line("Resumed"))
            saved = game.wait_for_prefix("Screenshot saved: ")
            self.assertIsNotNone(saved, game.output())
            resumed = Image.open(saved.split(": ", 1)[1]).convert("RGB")
            resumed.save(os.path.join(SHOTS, "pause-resumed.png"))
            # The planets in the top band moved by a frame or two of flight,
            # not by the seconds spent paused.
            before = centroid_x(paused, TOP_BAND, orange)
            after = centroid_x(resumed, TOP_BAND, orange)
            self.assertIsNotNone(before)
            self.assertIsNotNone(after, "the planet left the view: time passed while paused")
            self.assertLess(abs(before - after), 120)

            game.key("Escape")
            self.assertTrue(game.wait_for_line("Paused"))
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_losing_the_focus_pauses(self):
        with Game() as game:
            game.start()
            root = xdotool("search", "--maxdepth", "0", "--name", "")
            xdotool("windowfocus", root)
            self.assertTrue(game.wait_for_line("Paused", timeout=20), game.output())


class Screenshots(unittest.TestCase):
    def test_f12_saves_numbered_pngs_of_the_screen(self):
        with Game() as game:
            game.start()
            game.key("p")
            self.assertTrue(game.wait_for_line("Paused"))
            game.key("F12")
            first = game.wait_for_prefix("Screenshot saved: ")
            self.assertIsNotNone(first, game.output())
            path = first.split(": ", 1)[1]
            self.assertEqual(path, os.path.join(game.dir, "screenshots", "rerara-0001.png"))
            saved = Image.open(path)
            self.assertEqual((saved.format, saved.size), ("PNG", (1280, 1024)))
            screen = game.screenshot("f12-screen")
            self.assertLess(differing_pixels(saved, screen, 2), 100)
            self.assertGreater(bright_pixels(saved, (0, 0, 1280, 1024), 60), 5000)

            with open(path, "rb") as f:
                kept = f.read()
            game.key("F12")
            self.assertTrue(game.wait_for_line(first.replace("0001", "0002")), game.output())
            with open(path, "rb") as f:
                self.assertEqual(f.read(), kept, "the first screenshot was overwritten")

            # A folder that cannot be written: one line, and the game runs on.
            os.rename(os.path.join(game.dir, "screenshots"), os.path.join(game.dir, "kept"))
            open(os.path.join(game.dir, "screenshots"), "w").close()
            game.key("F12")
            self.assertIsNotNone(game.wait_for_prefix("Screenshot not saved: "), game.output())
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)


class WindowModes(unittest.TestCase):
    def test_f11_fills_a_wide_screen_with_the_picture_and_back(self):
        with own_screen("1920x1080"), Game() as game:
            game.start()
            game.key("minus", "minus", "minus")
            game.key("F11")
            self.assertTrue(game.wait_for_line("Full screen 1920 x 1080"), game.output())
            time.sleep(1.0)
            shot = game.screenshot("fullscreen-1920x1080", whole_screen=True)
            self.assertEqual(shot.size, (1920, 1080))
            # 1350 x 1080 from x = 285: black beside it, the panels in its corners.
            self.assertEqual(bright_pixels(shot, (0, 0, 285, 1080), 10), 0)
            self.assertEqual(bright_pixels(shot, (1635, 0, 1920, 1080), 10), 0)
            self.assertGreater(colour_pixels(shot, (285, 0, 500, 215), lambda r, g, b: g > 150 and r < 150), 500)
            self.assertGreater(colour_pixels(shot, (1420, 0, 1635, 215), lambda r, g, b: b > 150 and r < 180), 500)
            self.assertGreater(bright_pixels(shot, (285, 910, 700, 1080), 200), 1500)

            game.key("F11")
            self.assertTrue(game.wait_for_line("Window 1280 x 1024"), game.output())
            time.sleep(1.0)
            self.assertEqual(game.geometry()[2:], (1280, 1024))
            window = game.screenshot("fullscreen-back-to-window")
            self.assertGreater(colour_pixels(window, (0, 0, 200, 200), lambda r, g, b: g > 150 and r < 150), 500)
            self.assertGreater(bright_pixels(window, (0, 874, 420, 1024), 200), 1500)
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_fullscreen_flag_starts_in_full_screen(self):
        with own_screen("1920x1080"), Game(args=["--fullscreen"]) as game:
            game.start()
            self.assertEqual(game.geometry(), (0, 0, 1920, 1080))
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_window_fits_a_small_desktop(self):
        with own_screen("1024x768"), Game() as game:
            game.start()
            x, y, width, height = game.geometry()
            self.assertEqual((width, height), (960, 768))
            self.assertTrue(0 <= x and x + width <= 1024 and 0 <= y and y + height <= 768)
            shot = game.screenshot("small-desktop")
            self.assertGreater(colour_pixels(shot, (0, 0, 160, 160), lambda r, g, b: g > 150 and r < 150), 300)
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)


class Help(unittest.TestCase):
    def test_help_lists_the_flags(self):
        result = subprocess.run([os.path.abspath(BINARY), "--help"], capture_output=True, text=True,
                                cwd="/", timeout=30, check=False)
        self.assertEqual(result.returncode, 0)
        self.assertIn("--fullscreen", result.stdout)
        self.assertIn("--help", result.stdout)
        self.assertNotIn("Starting this thing", result.stdout)


if __name__ == "__main__":
    unittest.main(verbosity=2)
