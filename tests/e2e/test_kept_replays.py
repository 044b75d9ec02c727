"""The kept replays of the shipped campaign and of an endless run
(tests/replays/, made by `make replays`) each end with the closing line
they recorded: a change that alters how the game plays shows up here, and
one that means to records them again."""

import glob
import os
import unittest

from rerara import SOURCE, Game, bright_pixels, main

KEPT = os.path.join(SOURCE, "tests", "replays")


def play_time(ms):
    seconds = ms // 1000
    return "%d:%02d" % (seconds // 60, seconds % 60)


def recorded_line(path):
    """The closing line the header's `end` line gives."""
    with open(path, "rb") as f:
        header = f.read().split(b"\nbody ")[0].decode()
    lines = header.splitlines()
    end = [line for line in lines if line.startswith("end ")]
    assert len(end) == 1, path + " has no end line"
    score, kills, deaths, time_ms, world = end[0].split(" ", 5)[1:]
    mode = next(line[5:] for line in lines if line.startswith("mode ")).replace("-", " ")
    return "Run ended: %s, world %s, score %s, kills %s, deaths %s, time %s" % (
        mode, world, score, kills, deaths, play_time(int(time_ms)))


class KeptReplays(unittest.TestCase):
    def test_each_kept_replay_ends_with_its_recorded_closing_line(self):
        replays = sorted(glob.glob(os.path.join(KEPT, "*.replay")))
        self.assertGreaterEqual(len(replays), 2)
        for path in replays:
            with self.subTest(replay=os.path.basename(path)):
                with Game(free_flight=False, args=["--replay", os.path.abspath(path)],
                          env={"RERARA_REPLAY_EXIT": "1"}) as game:
                    game.wait_for_window()
                    name = "kept-" + os.path.basename(path).replace(".replay", "")
                    image = game.picture(name, lambda image: bright_pixels(image, (320, 256, 960, 768)) > 2000)
                    self.assertGreater(bright_pixels(image, (320, 256, 960, 768)), 2000)
                    self.assertEqual(game.wait_exit(timeout=900), 0, game.output())
                    ended = [line for line in game.lines() if line.startswith("Run ended: ")]
                    self.assertEqual(ended, [recorded_line(path)])


if __name__ == "__main__":
    main()
