"""Controls the player chooses: a key bound in settings.txt, keys found by their
place on another layout, and a gamepad flying and firing."""

import contextlib
import ctypes
import errno
import fcntl
import os
import shutil
import stat
import struct
import subprocess
import tempfile
import time
import unittest

import test_flight as flight
from rerara import Game, bright_pixels, colour_pixels, own_screen, xdotool

# Enemies that never move, so none comes into the picture.
STILL_ENEMIES = "0 0 0 50 20\n0 0 0 50 20\n"
# Where shots fired to the right of the ship fly.
SHOT_LINE = (660, 490, 1100, 535)
# Where the pause menu's title stands.
PAUSED_TITLE = (480, 330, 800, 420)


def flame_pixels(image):
    return colour_pixels(image, flight.BEHIND_SHIP, flight.flame_coloured)


def shot_pixels(image):
    return colour_pixels(image, SHOT_LINE, lambda r, g, b: r > 120 and r > b + 40)


def wait_for_picture(game, name, test, timeout=20):
    """Screenshots until one passes the test; the last one either way."""
    deadline = time.time() + timeout
    while True:
        shot = game.screenshot(name)
        if test(shot) or time.time() > deadline:
            return shot
        time.sleep(0.2)


@contextlib.contextmanager
def x_client():
    """A connection to the X server, held: the server resets its keyboard when its last client leaves."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    try:
        yield
    finally:
        x11.XCloseDisplay(display)


class Keys(unittest.TestCase):
    def test_thrust_bound_to_another_key_in_the_options_moves_the_ship_after_a_restart(self):
        with Game(free_flight=False) as game:
            game.start()
            game.key("Up", "Up", "Return")  # the title's Options, above Quit, the last
            game.key(*["Down"] * 14, "Return")  # Controls...
            game.key("Return")  # thrust, the first action: waits for its new key
            game.key("i")
            deadline = time.time() + 20
            while "bind thrust i" not in self.settings(game) and time.time() < deadline:
                time.sleep(0.2)
            self.assertIn("bind thrust i", self.settings(game))
            help_shown = game.screenshot("controls-key-editor")
            self.assertGreater(colour_pixels(help_shown, (150, 100, 1130, 930), lambda r, g, b: r + g + b > 450), 3000)
            saved = self.settings(game)

        with Game(replace={"settings.txt": saved, "shipdata.txt": STILL_ENEMIES}) as game:
            game.start()
            xdotool("keydown", "w")
            time.sleep(1.0)
            self.assertLess(flame_pixels(game.screenshot("controls-w-unbound")), 10, "w still thrusts")
            xdotool("keyup", "w")
            xdotool("keydown", "i")
            shot = wait_for_picture(game, "controls-i-thrusts", lambda s: flame_pixels(s) > 40)
            xdotool("keyup", "i")
            self.assertGreater(flame_pixels(shot), 40, "i does not thrust")
            # F1 shows the controls as they are bound now, over the paused game.
            game.key("F1")
            self.assertTrue(game.wait_for_line("Paused"))
            shown = wait_for_picture(game, "controls-help", lambda s: self.text_pixels(s) > 3000)
            self.assertGreater(self.text_pixels(shown), 3000, "no help on the screen")
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    @staticmethod
    def settings(game):
        try:
            with open(os.path.join(game.dir, "settings.txt")) as f:
                return f.read()
        except OSError:
            return ""

    @staticmethod
    def text_pixels(image):
        """Light text in the middle of the picture, where the help's table stands."""
        return colour_pixels(image, (150, 100, 1130, 930), lambda r, g, b: r + g + b > 450)

    def test_keys_keep_their_place_on_a_french_layout(self):
        with own_screen("1600x1200"), x_client():
            subprocess.run(["setxkbmap", "fr"], check=True)
            with Game(replace={"shipdata.txt": STILL_ENEMIES}) as game:
                game.start()
                # On AZERTY, z sits where W does on a US keyboard, and a where q does.
                xdotool("keydown", "z")
                shot = wait_for_picture(game, "controls-azerty-z", lambda s: flame_pixels(s) > 40)
                xdotool("keyup", "z")
                self.assertGreater(flame_pixels(shot), 40, "the key at W's place does not thrust")
                game.key("a")
                self.assertEqual(game.wait_exit(), 0)


# The kernel's joystick (js) protocol, as SDL's Linux driver reads it.
JS_EVENT_BUTTON, JS_EVENT_AXIS = 1, 2


class PipePad:
    """A joystick made of a named pipe speaking the js protocol: SDL_JOYSTICK_DEVICE
    names it to SDL 1.2's Linux driver, SDL_LINUX_JOYSTICK gives it six axes and a
    hat (a pipe answers no queries, so it has SDL's default two buttons)."""

    def __init__(self, folder):
        self.name = os.path.join(folder, "pad")
        os.mkfifo(self.name)
        self.fd = os.open(self.name, os.O_RDWR)  # a writer from the start: SDL's open does not wait
        self.env = {"SDL_JOYSTICK_DEVICE": self.name, "SDL_LINUX_JOYSTICK": "'%s' 6 1 0" % self.name}
        self.line = "Gamepad: %s (6 axes, 2 buttons, 1 hat)" % self.name

    def axis(self, index, value):
        os.write(self.fd, struct.pack("IhBB", 0, value, JS_EVENT_AXIS, index))

    def button(self, index, down):
        os.write(self.fd, struct.pack("IhBB", 0, int(down), JS_EVENT_BUTTON, index))

    def close(self):
        """Unplugs it: the game's end of the pipe hangs up."""
        os.close(self.fd)

    def plug_in(self):
        self.fd = os.open(self.name, os.O_RDWR)


# From linux/uinput.h and linux/input-event-codes.h.
UI_SET_EVBIT, UI_SET_KEYBIT, UI_SET_ABSBIT = 0x40045564, 0x40045565, 0x40045567
UI_DEV_CREATE, UI_DEV_DESTROY = 0x5501, 0x5502
EV_SYN, EV_KEY, EV_ABS = 0, 1, 3
BUTTONS = [0x130, 0x131, 0x133, 0x134, 0x136, 0x137, 0x13a, 0x13b]  # A B X Y TL TR SELECT START
AXES = range(6)  # X Y Z RX RY RZ


def ui_get_sysname(length):
    return (2 << 30) | (length << 16) | (ord("U") << 8) | 44


def open_uinput(folder):
    """/dev/uinput, or a node made for it; the reason it cannot be had otherwise."""
    path = "/dev/uinput"
    try:
        if not os.path.exists(path):
            path = os.path.join(folder, "uinput")
            os.mknod(path, 0o600 | stat.S_IFCHR, os.makedev(10, 223))
        return os.open(path, os.O_WRONLY | os.O_NONBLOCK), None
    except OSError as error:
        if error.errno == errno.ENODEV:
            return None, "the kernel has no uinput (%s: %s)" % (path, error.strerror)
        return None, "no uinput: %s: %s" % (path, error.strerror)


class UinputPad:
    """An evdev gamepad made through the kernel's uinput, laid out as an Xbox pad is,
    its event node made in `folder` for SDL_JOYSTICK_DEVICE to name."""

    def __init__(self, folder, fd):
        self.fd = fd
        for bit, codes in ((EV_KEY, BUTTONS), (EV_ABS, AXES)):
            fcntl.ioctl(fd, UI_SET_EVBIT, bit)
            for code in codes:
                fcntl.ioctl(fd, UI_SET_KEYBIT if bit == EV_KEY else UI_SET_ABSBIT, code)
        limits = [32767] * 64 + [-32768] * 64 + [0] * 128  # max, min, fuzz, flat
        os.write(fd, struct.pack("80sHHHHi256i", b"Rerara test pad", 3, 0x1234, 0x5678, 1, 0, *limits))
        fcntl.ioctl(fd, UI_DEV_CREATE)
        sysname = fcntl.ioctl(fd, ui_get_sysname(64), bytes(64)).split(b"\0")[0].decode()
        device = "/sys/devices/virtual/input/" + sysname
        event = [name for name in os.listdir(device) if name.startswith("event")][0]
        with open(os.path.join(device, event, "dev")) as f:
            major, minor = (int(n) for n in f.read().split(":"))
        node = os.path.join(folder, event)
        os.mknod(node, 0o600 | stat.S_IFCHR, os.makedev(major, minor))
        self.env = {"SDL_JOYSTICK_DEVICE": node}
        self.line = "Gamepad: Rerara test pad (6 axes, 8 buttons, 0 hats)"

    def send(self, kind, code, value):
        os.write(self.fd, struct.pack("llHHi", 0, 0, kind, code, value) + struct.pack("llHHi", 0, 0, EV_SYN, 0, 0))

    def axis(self, index, value):
        self.send(EV_ABS, AXES[index], value)

    def button(self, index, down):
        self.send(EV_KEY, BUTTONS[index], int(down))

    def close(self):
        fcntl.ioctl(self.fd, UI_DEV_DESTROY)
        os.close(self.fd)


class Gamepad(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="rerara-pad-")
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)

    def fly_and_fire(self, pad):
        self.addCleanup(pad.close)
        with Game(replace={"shipdata.txt": STILL_ENEMIES}, env=pad.env) as game:
            game.start()
            self.assertIn(pad.line, game.lines())
            pad.axis(1, -32767)  # left stick forward
            shot = wait_for_picture(game, "controls-pad-thrust", lambda s: flame_pixels(s) > 40)
            pad.axis(1, 0)
            self.assertGreater(flame_pixels(shot), 40, "the stick does not thrust")
            pad.axis(3, 32767)  # right stick right: the aim to the view's right edge
            time.sleep(1.5)
            pad.axis(3, 0)
            before = game.screenshot("controls-pad-aimed")
            pad.button(0, True)
            shot = wait_for_picture(game, "controls-pad-fire", lambda s: shot_pixels(s) > shot_pixels(before) + 20)
            pad.button(0, False)
            self.assertGreater(shot_pixels(shot), shot_pixels(before) + 20, "button 0 does not fire to the right")
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_a_pipe_joystick_flies_and_fires(self):
        self.fly_and_fire(PipePad(self.folder))

    def test_a_uinput_gamepad_flies_and_fires(self):
        fd, reason = open_uinput(self.folder)
        if fd is None:
            self.skipTest(reason)
        self.fly_and_fire(UinputPad(self.folder, fd))

    def test_a_pad_unplugged_while_held_lets_go_and_is_found_again_from_the_pause(self):
        pad = PipePad(self.folder)
        self.addCleanup(pad.close)
        with Game(replace={"shipdata.txt": STILL_ENEMIES}, env=pad.env) as game:
            game.start()
            pad.axis(1, -32767)  # left stick forward, held
            wait_for_picture(game, "controls-pad-held", lambda s: flame_pixels(s) > 40)
            pad.close()
            self.assertTrue(game.wait_for_line("Gamepad disconnected"), game.output())
            shot = wait_for_picture(game, "controls-pad-unplugged", lambda s: flame_pixels(s) < 10)
            self.assertLess(flame_pixels(shot), 10, "the ship thrusts on after the pad went")
            pad.plug_in()
            game.key("p")
            self.assertTrue(game.wait_for_line("Gamepad connected: " + pad.line[len("Gamepad: "):]), game.output())
            xdotool("windowfocus", "--sync", game.window)  # freed by the pause, the focus comes and goes
            game.key("p")
            self.assertTrue(game.wait_for_line("Resumed"), game.output())
            pad.axis(1, -32767)
            # The pause menu's yellow would pass for a flame.
            shot = wait_for_picture(game, "controls-pad-back",
                                    lambda s: flame_pixels(s) > 40 and bright_pixels(s, PAUSED_TITLE, 200) < 100)
            self.assertGreater(flame_pixels(shot), 40, "the pad found again does not thrust")
            self.assertLess(bright_pixels(shot, PAUSED_TITLE, 200), 100)
            self.assertEqual(game.lines().count("Gamepad disconnected"), 1)
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_without_a_pad_one_line_says_so(self):
        with Game(env={"SDL_JOYSTICK_DEVICE": os.path.join(self.folder, "none")}) as game:
            game.start()
            self.assertIn("No gamepad found", game.lines())


if __name__ == "__main__":
    unittest.main(verbosity=2)
