"""Drives the real game binary under the X display for end-to-end tests."""

import contextlib
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import numpy
from PIL import Image, ImageFont

BINARY = os.environ.get("RERARA_BINARY", os.path.join(os.path.dirname(__file__), "../../build/rerara"))
DATA = os.environ.get("RERARA_DATA", os.path.join(os.path.dirname(__file__), "../../data"))
SHOTS = os.environ.get("RERARA_SHOTS", os.path.join(os.path.dirname(__file__), "../../build/screenshots"))
BUILD = os.path.dirname(os.path.abspath(BINARY))
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../..")


def run(*command):
    done = subprocess.run(command, capture_output=True, text=True, timeout=600)
    assert done.returncode == 0, " ".join(command) + " failed:\n" + done.stdout + done.stderr
    return done.stdout


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, check=False).stdout.strip()


class Game:
    """The game running in a scratch copy of data/, with its output captured;
    or, given a command (an installed game), that command in an empty folder."""

    def __init__(self, remove=(), replace=None, env=None, args=(), command=None, free_flight=True, prepare=None):
        self.dir = tempfile.mkdtemp(prefix="rerara-e2e-")
        if not command:
            shutil.copytree(DATA, self.dir, dirs_exist_ok=True)
            # Free flight at once, as the tests of the classic game expect,
            # unless the test is about the title and the campaign.
            flight = ["--free-flight"] if free_flight and not {"--check", "--help"} & set(args) else []
            command = [os.path.abspath(BINARY), *flight, *args]
        for name in remove:
            path = os.path.join(self.dir, name)
            shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)
        for name, text in (replace or {}).items():
            with open(os.path.join(self.dir, name), "w") as f:
                f.write(text)
        if prepare:
            prepare(self.dir)  # what plain text cannot be: pipes, huge files
        self.out = open(os.path.join(self.dir, "stdout.txt"), "w+")
        self.err = open(os.path.join(self.dir, "stderr.txt"), "w+")
        env = {**os.environ, "SDL_AUDIODRIVER": "dummy", **(env or {})}
        self.process = subprocess.Popen(command, cwd=self.dir, stdout=self.out,
                                        stderr=self.err, env=env)
        self.window = None

    def output(self):
        with open(self.out.name) as f:
            return f.read()

    def errors(self):
        with open(self.err.name) as f:
            return f.read()

    def lines(self):
        return self.output().splitlines()

    def wait_for_line(self, text, timeout=60, count=1):
        """Whether `text` is a whole line of the output (`count` times) by the deadline."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.lines().count(text) >= count:
                return True
            if self.process.poll() is not None:
                return self.lines().count(text) >= count
            time.sleep(0.1)
        return False

    def wait_for_window(self, timeout=60):
        deadline = time.time() + timeout
        while time.time() < deadline and self.process.poll() is None:
            found = xdotool("search", "--name", "^Rerara$")
            if found:
                self.window = found.splitlines()[0]
                return self.window
            time.sleep(0.2)
        raise AssertionError("the game window never appeared (exit status %s):\n%s%s"
                             % (self.process.poll(), self.output(), self.errors()))

    def start(self):
        """Waits until the frame loop runs."""
        self.wait_for_window()
        if not self.wait_for_line("Done with that, now starting main loop"):
            raise AssertionError("the frame loop never started:\n" + self.output())
        xdotool("windowfocus", "--sync", self.window)
        time.sleep(0.5)

    def key(self, *keys):
        xdotool("key", "--delay", "60", *keys)

    def hold(self, keys, seconds):
        xdotool("keydown", *keys)
        time.sleep(seconds)
        xdotool("keyup", *keys)

    def move_mouse(self, dx, dy):
        xdotool("mousemove_relative", "--", str(dx), str(dy))

    def wheel(self, button, clicks=1):
        xdotool("click", "--repeat", str(clicks), "--delay", "80", str(button))

    def geometry(self):
        """The window's (x, y, width, height) on the screen."""
        shell = xdotool("getwindowgeometry", "--shell", self.window)
        values = dict(line.split("=") for line in shell.splitlines() if "=" in line)
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def grab(self, whole_screen=False):
        """The game window's pixels (or the whole screen's), quickly: for polling."""
        root = os.path.join(self.dir, "root.ppm")
        subprocess.run(["import", "-depth", "8", "-window", "root", root], check=True)
        image = Image.open(root).convert("RGB")
        if not whole_screen:
            x, y, width, height = self.geometry()
            image = image.crop((x, y, x + width, y + height))
        return image

    def screenshot(self, name, whole_screen=False):
        """grab(), saved as a PNG under the screenshot folder to look at."""
        image = self.grab(whole_screen)
        save(image, name)
        return image

    def picture(self, name, ready, whole_screen=False, timeout=60):
        """The first picture for which `ready` holds (at the deadline, the last
        one tried), saved: on a busy machine a change shows frames later."""
        going = deadline(timeout)
        image = self.grab(whole_screen)
        while not ready(image) and going():
            image = self.grab(whole_screen)
        save(image, name)
        return image

    def first_frame(self, name, ready=lambda image: True):
        """The first picture with the status lines drawn for which `ready` holds."""
        image = self.picture(name, lambda image: bright_pixels(image, HEALTH_FIGURE, 200) > 50 and ready(image))
        if bright_pixels(image, HEALTH_FIGURE, 200) <= 50 or not ready(image):
            raise AssertionError("the game never drew its first frame:\n" + self.output())
        return image

    def wait_exit(self, timeout=20):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise AssertionError("the game did not end")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        # A failed test may leave keys held on the shared display.
        xdotool("keyup", "space", "w", "a", "s", "d")
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.out.close()
        self.err.close()
        shutil.rmtree(self.dir, ignore_errors=True)


def save(image, name):
    os.makedirs(SHOTS, exist_ok=True)
    image.save(os.path.join(SHOTS, name + ".png"))


def deadline(seconds):
    """A function telling whether `seconds` have not yet passed: the limit of a
    poll, generous, as busy machines are slow."""
    end = time.time() + seconds
    return lambda: time.time() < end


SKIPPED = 77  # ctest's SKIP_RETURN_CODE for these tests


def main():
    """Runs the file's tests; when every one was skipped, ctest lists the file as skipped."""
    result = unittest.main(verbosity=2, exit=False).result
    if result.testsRun and len(result.skipped) == result.testsRun:
        sys.exit(SKIPPED)
    sys.exit(0 if result.wasSuccessful() else 1)


@contextlib.contextmanager
def own_screen(size):
    """DISPLAY is a new virtual X screen of the given size ("1920x1080") inside the block."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", size + "x24"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as ready:
        display = ":" + ready.readline().strip()
    previous = os.environ["DISPLAY"]
    os.environ["DISPLAY"] = display
    try:
        yield
    finally:
        os.environ["DISPLAY"] = previous
        server.terminate()
        server.wait()


def bright_pixels(image, box, threshold=120):
    """How many pixels inside box (left, top, right, bottom) are brighter than threshold."""
    region = image.crop(box).convert("L")
    return sum(1 for v in region.getdata() if v > threshold)


def colour_pixels(image, box, test):
    region = image.crop(box).convert("RGB")
    return sum(1 for p in region.getdata() if test(*p))


# Where the status lines' changing figures are drawn, as (left, top, right, bottom).
HEALTH_FIGURE = (200, 872, 420, 904)
TIMERS_FIGURE = (140, 910, 230, 932)


def text_changed(before, after, box):
    """How many pixels of white text appear in one image's box and not the other's."""
    def mask(image):
        return [r > 200 and g > 200 and b > 200 for r, g, b in image.crop(box).convert("RGB").getdata()]
    return sum(1 for a, b in zip(mask(before), mask(after)) if a != b)



def text_template(text, scale):
    """The text as the game's font draws it at `scale`: glyphs rendered at 300
    pixels and shrunk by scale x 0.0064, as coverage from 0 to 1; with its width
    and how far it reaches above the baseline, in pixels."""
    font = ImageFont.truetype(os.path.join(DATA, "subatomic.tsoonami.ttf"), 300)
    pen = 0.0
    glyphs = []
    for ch in text:
        mask, (x, y) = font.getmask2(ch, mode="L", anchor="ls")
        glyphs.append((pen + x, y, mask))
        pen += font.getlength(ch)
    top = min(y for _, y, _ in glyphs)
    bottom = max(y + mask.size[1] for _, y, mask in glyphs)
    canvas = Image.new("L", (int(pen) + 300, bottom - top + 2))
    for x, y, mask in glyphs:
        if mask.size[0] and mask.size[1]:
            canvas.paste(Image.frombytes("L", mask.size, bytes(mask)), (int(round(x)), y - top))
    k = scale * 0.0064
    small = canvas.resize((max(1, round(canvas.width * k)), max(1, round(canvas.height * k))), Image.BOX)
    return numpy.asarray(small, dtype=float) / 255, pen * k, -top * k


def text_likeness(image, text, scale, centre_x, baseline_y, slack=8):
    """How well the screenshot shows `text` centred on centre_x with its baseline
    at baseline_y (pixels from the top), within `slack` pixels: the best
    normalised correlation of its brightness with the text's shape, 1 at most."""
    template, width, ascent = text_template(text, scale)
    grey = numpy.asarray(image.convert("L"), dtype=float) / 255
    left = int(round(centre_x - width / 2))
    top = int(round(baseline_y - ascent))
    rows, columns = template.shape
    shape = template - template.mean()
    best = -1.0
    for dy in range(-slack, slack + 1):
        for dx in range(-slack, slack + 1):
            y, x = top + dy, left + dx
            if y < 0 or x < 0 or y + rows > grey.shape[0] or x + columns > grey.shape[1]:
                continue
            patch = grey[y:y + rows, x:x + columns]
            patch = patch - patch.mean()
            norm = numpy.sqrt((shape * shape).sum() * (patch * patch).sum())
            if norm > 0:
                best = max(best, float((shape * patch).sum() / norm))
    return best
