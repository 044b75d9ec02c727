"""The game on the player's desktop: pause, window modes, screenshots, --help."""

import ctypes
import math
import os
import subprocess
import time
import unittest

from PIL import Image, ImageChops

from rerara import BINARY, Game, bright_pixels, colour_pixels, own_screen, xdotool


def green(r, g, b):
    return g > 150 and r < 150


def differing(a, b):
    return sum(1 for v in ImageChops.difference(a.convert("RGB"), b).convert("L").getdata() if v > 2)


def dimmed_with_words(image):
    return bright_pixels(image, (0, 0, 1280, 300), 200) < 50 and bright_pixels(image, (400, 400, 880, 560), 200) > 1500


def blue(r, g, b):
    return b > 150 and r < 180


def planet_centre(image):
    """Where the orange planet between the radar and the map is (its spin does not count)."""
    band = image.convert("RGB").crop((200, 0, 1080, 200)).getdata()
    spots = [(i % 880, i // 880) for i, (r, g, b) in enumerate(band) if r > 40 and 0.3 * r < g < 0.75 * r and b < 0.5 * r]
    return [sum(axis) / len(spots) for axis in zip(*spots)]


def request_close(window):
    """WM_DELETE_WINDOW, as a desktop's close button sends it. The sender waits
    until the server has it (XSync): one that hangs up straight after flushing
    now and then loses it, which looks just like a game ignoring the close."""
    fields = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
              ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
              ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    display = ctypes.c_void_p(x.XOpenDisplay(None))
    event = type("ClientMessage", (ctypes.Structure,), {"_fields_": fields})(
        type=33, window=int(window), format=32, message_type=x.XInternAtom(display, b"WM_PROTOCOLS", 0))
    event.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x.XSendEvent(display, ctypes.c_ulong(int(window)), 0, ctypes.c_long(0), ctypes.byref(event))
    x.XSync(display, 0)
    x.XCloseDisplay(display)


class Pausing(unittest.TestCase):
    def test_pause_freezes_the_world_frees_the_pointer_and_f12_saves_the_screen(self):
        with Game() as game:
            game.start()
            game.key("p")
            self.assertTrue(game.wait_for_line("Paused"))
            x, y, width, height = game.geometry()
            xdotool("mousemove", "5", "5")  # outside the window: possible only when it is free
            self.assertIn("x:5 y:5", xdotool("getmouselocation"))
            paused = game.picture("pause-paused", dimmed_with_words)
            time.sleep(2.5)
            self.assertEqual(differing(paused, game.screenshot("pause-later")), 0)
            self.assertTrue(dimmed_with_words(paused))

            xdotool("mousemove", str(x + width // 2), str(y + height // 2))
            xdotool("windowfocus", "--sync", game.window)
            shot = os.path.join(game.dir, "screenshots", "rerara-%04d.png")
            game.key("F12")
            self.assertTrue(game.wait_for_line("Screenshot saved: " + shot % 1), game.output())
            with Image.open(shot % 1) as saved:
                self.assertEqual(saved.format, "PNG")
                self.assertLess(differing(saved, paused), 100)
            game.key("p", "F12")  # the first frames after resuming
            resumed_at = time.time()
            self.assertTrue(game.wait_for_line("Screenshot saved: " + shot % 2), game.output())
            time.sleep(2.0)
            game.key("F12")
            speed = 1 / (time.time() - resumed_at)
            self.assertTrue(game.wait_for_line("Screenshot saved: " + shot % 3), game.output())
            # The planet went on a frame or two, not the seconds spent paused
            # (3 or more): a slow machine's frames are long, so allow up to a
            # second of its travel, measured over the next two seconds.
            with Image.open(shot % 2) as resumed, Image.open(shot % 3) as later:
                moved = math.dist(planet_centre(paused), planet_centre(resumed))
                speed *= math.dist(planet_centre(resumed), planet_centre(later))
            self.assertLess(moved, speed)

            os.rename(os.path.dirname(shot), os.path.join(game.dir, "kept"))
            open(os.path.dirname(shot), "w").close()
            game.key("F12", "Escape")
            self.assertTrue(game.wait_for_line("Screenshot not saved: cannot write screenshots: Not a directory"))
            # Pausing takes effect as the frame ends: q in the same frame would come first.
            self.assertTrue(game.wait_for_line("Paused", count=2), game.output())
            game.key("q")  # also while paused
            self.assertEqual(game.wait_exit(), 0)
            self.assertEqual(game.lines().count("Paused"), 2)

    def test_losing_the_focus_pauses_and_closing_the_window_then_quits(self):
        with Game() as game:
            game.start()
            xdotool("windowfocus", xdotool("search", "--maxdepth", "0", "--name", ""))
            self.assertTrue(game.wait_for_line("Paused", timeout=20), game.output())
            request_close(game.window)
            self.assertEqual(game.wait_exit(), 0)


class WindowModes(unittest.TestCase):
    def test_f11_fills_a_wide_screen_with_the_picture_and_back(self):
        with own_screen("1920x1080"), Game() as game:
            game.start()
            game.key("F11")
            self.assertTrue(game.wait_for_line("Full screen 1920 x 1080"), game.output())
            shot = game.picture("fullscreen-1920x1080", lambda image: colour_pixels(image, (1420, 0, 1635, 215), blue) > 500,
                                whole_screen=True)
            # The 5:4 picture is 1350 x 1080 from x = 285, black beside it,
            # with the radar, the map and the status lines in its corners.
            self.assertEqual(bright_pixels(shot, (0, 0, 285, 1080), 10), 0)
            self.assertEqual(bright_pixels(shot, (1635, 0, 1920, 1080), 10), 0)
            self.assertGreater(colour_pixels(shot, (285, 0, 500, 215), green), 500)
            self.assertGreater(colour_pixels(shot, (1420, 0, 1635, 215), blue), 500)
            self.assertGreater(bright_pixels(shot, (285, 910, 700, 1080), 200), 1500)
            game.key("F11")
            self.assertTrue(game.wait_for_line("Window 1280 x 1024"), game.output())
            back = game.picture("fullscreen-back", lambda image: image.size == (1280, 1024)
                                and colour_pixels(image, (0, 0, 200, 200), green) > 500)
            self.assertEqual(game.geometry()[2:], (1280, 1024))
            self.assertGreater(colour_pixels(back, (0, 0, 200, 200), green), 500)

    def test_fullscreen_flag_and_a_small_desktop(self):
        with own_screen("1920x1080"), Game(args=["--fullscreen"]) as game:
            game.start()
            self.assertEqual(game.geometry(), (0, 0, 1920, 1080))
        with own_screen("1024x768"), Game() as game:
            game.start()
            x, y, width, height = game.geometry()
            self.assertEqual((width, height), (960, 768))
            self.assertTrue(x >= 0 and x + width <= 1024 and y >= 0 and y + height <= 768)
            small = game.picture("small-desktop", lambda image: colour_pixels(image, (0, 0, 160, 160), green) > 300)
            self.assertGreater(colour_pixels(small, (0, 0, 160, 160), green), 300)

    def test_play_goes_on_with_the_window_centre_off_the_screen(self):
        # SDL warps the grabbed pointer to the window's centre and waits for it
        # to arrive: off the screen, it never did, and the game stood still.
        seen = (0, 0, 600, 1024)  # the part of the window left on the screen
        with Game() as game:
            game.start()
            xdotool("mousemove", "640", "512")
            xdotool("windowmove", "--sync", game.window, "1000", "0")
            for shot in ("window-centre-off", "window-centre-off-later"):  # not just the frame under way
                before = game.grab().crop(seen)
                after = game.picture(shot, lambda image: differing(before, image.crop(seen)) > 100)
                self.assertGreater(differing(before, after.crop(seen)), 100, "the game stands still")
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_help_lists_the_flags_and_starts_nothing(self):
        result = subprocess.run([BINARY, "--help"], capture_output=True, text=True, timeout=30, check=True)
        self.assertIn("--fullscreen", result.stdout)
        self.assertNotIn("Starting this thing", result.stdout)


if __name__ == "__main__":
    unittest.main(verbosity=2)
