"""Soak test: the (sanitizer) game at the fastest spawn rate under scripted play.

Usage: soak.py GAME-BINARY SECONDS

For the first two thirds enemies spawn every frame while a script thrusts,
turns, fires each weapon, lands on planets and takes wormholes, in a small
two-world universe built for it. For the last third spawning is held off;
play goes on. Memory (RSS) is printed every 30 seconds.

Fails on any sanitizer report, on the game ending early, or when memory
keeps growing once spawning is off: the ships spawned so far are all the
game may still hold, so after a settling sample the median RSS of the
second half of the samples must stay within 32 MB (or 10 %) of the first
half's. While ships are spawning, memory grows with them by design, so that
phase only has to stay free of sanitizer reports.
"""

import os
import statistics
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
os.environ["RERARA_BINARY"] = os.path.abspath(sys.argv[1])
from rerara import Game, xdotool  # noqa: E402

# World 0: a still planet 1200 units right of the start, a wormhole 1500 units
# left. World 1 the other way round. The ship starts facing right: it lands,
# lifts off along the surface's normal (to the left), is carried into world 1
# and drifts on to land there, lifts off to the right, and so on.
SOAK_UNIVERSE = {
    "playerdata.txt": "0 0 0.0008 0.003 0.0035 1000 45\n",
    "stardata.txt": "0 -60000 0 500 0.1 0 14 @Far\n1 60000 0 500 0.1 0 14 @Farther\n",
    "planetdata.txt": "0 300 0.2 61200 0 0 0 0 10 @Rock\n1 300 0.2 61200 0 180 0 0 10 @Stone\n",
    "wormholedata.txt": "0 -1500 0 300 1 0 0 1\n1 1500 0 300 0 0 0 1\n",
}
SAMPLE_SECONDS = 30
SETTLE_SAMPLES = 1
ALLOWED_GROWTH_MB = 32


def rss_mb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


def play_round(game):
    """About 20 seconds of thrusting, landing, warping, turning and firing."""
    game.hold(["w"], 0.8)
    time.sleep(4)
    for key in ("1", "2", "3"):
        game.key(key)
        xdotool("keydown", "space")
        for dx, dy in ((120, 0), (0, 120), (-120, 0), (0, -120)):
            game.move_mouse(dx, dy)
            time.sleep(0.4)
        xdotool("keyup", "space")
    game.hold(["d"], 0.3)
    game.hold(["a"], 0.3)
    game.hold(["w"], 0.8)
    time.sleep(4)


def sanitizer_report(game):
    text = game.errors()
    for mark in ("ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer"):
        if mark in text:
            return text[text.index(mark) - 200 if text.index(mark) > 200 else 0:][:4000]
    return None


class MemoryLog(threading.Thread):
    """Prints the game's RSS every SAMPLE_SECONDS and keeps what it saw after spawning stopped."""

    def __init__(self, pid):
        super().__init__(daemon=True)
        self.pid, self.started, self.spawning, self.after_spawn = pid, time.time(), True, []
        self.done = threading.Event()

    def run(self):
        while not self.done.wait(SAMPLE_SECONDS):
            try:
                rss = rss_mb(self.pid)
            except OSError:
                return
            print("%5.0f s  RSS %7.1f MB  %s" % (time.time() - self.started, rss,
                                                  "spawning" if self.spawning else "spawn off"), flush=True)
            if not self.spawning:
                self.after_spawn.append(rss)


def main():
    seconds = int(sys.argv[2])
    os.environ.setdefault("ASAN_OPTIONS", "detect_leaks=0")
    # A small quarantine, so freed memory is reused and RSS shows what is held.
    os.environ["ASAN_OPTIONS"] += ":quarantine_size_mb=16"
    failures = []
    with Game(replace=SOAK_UNIVERSE) as game:
        game.start()
        game.key(*["equal"] * 12)  # one enemy every frame
        memory = MemoryLog(game.process.pid)
        memory.start()
        while time.time() - memory.started < seconds:
            if game.process.poll() is not None:
                failures.append("the game ended with status %s" % game.process.returncode)
                break
            if memory.spawning and time.time() - memory.started >= seconds * 2 / 3:
                game.key(*["minus"] * 40)  # no more enemies
                memory.spawning = False
            play_round(game)
        memory.done.set()
        if game.process.poll() is None:
            game.key("q")
            status = game.wait_exit(120)
            if status != 0:
                failures.append("quitting gave status %d" % status)
        report = sanitizer_report(game)
        if report:
            failures.append("sanitizer report:\n" + report)
    held = memory.after_spawn[SETTLE_SAMPLES:]
    if len(held) >= 4:
        # Explosions, shots and the driver's buffers come and go, so compare
        # the middle of the first half of the samples with that of the second.
        half = len(held) // 2
        before, after = statistics.median(held[:half]), statistics.median(held[-half:])
        print("memory with spawning off: %.1f MB in the first half, %.1f MB in the second" % (before, after))
        if after - before > max(ALLOWED_GROWTH_MB, 0.1 * before):
            failures.append("memory kept growing with spawning off: %.1f MB to %.1f MB" % (before, after))
    else:
        print("too short a soak to judge memory growth")
    for failure in failures:
        print("FAILED: " + failure)
    print("soak %s" % ("failed" if failures else "clean"))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
