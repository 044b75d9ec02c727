"""Runs recorded and played back: a campaign, an endless and a Free flight
run end with a closing line, and their replays end with the same line, also on a
machine kept busy beside them; a damaged replay and one of another data set
are refused in one line."""

import glob
import os
import shutil
import subprocess
import tempfile
import unittest

from rerara import Game, bright_pixels, main
from test_campaign import THROUGH, wait_for_prefix

WATCH = {"RERARA_REPLAY_EXIT": "1"}


def closing_line(game):
    ended = [line for line in game.lines() if line.startswith("Run ended: ")]
    return ended[0] if len(ended) == 1 else "no single closing line in:\n" + game.output()


def kept_replay(game, folder):
    """The one replay the game recorded, copied to `folder` (the game's own goes with it)."""
    files = glob.glob(os.path.join(game.dir, "replays", "*.replay"))
    assert len(files) == 1, "replays recorded: %s" % files
    return shutil.copy(files[0], folder)


class Printed:
    """What a finished game printed, kept after its folder is gone."""

    def __init__(self, game):
        self.out = game.output()
        self.err = game.errors()

    def output(self):
        return self.out

    def lines(self):
        return self.out.splitlines()

    def errors(self):
        return self.err


class Replays(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="rerara-replays-")

    def tearDown(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def watch(self, replay, replace=None, busy=False):
        """The replay played to its end: its exit status and output."""
        hogs = [subprocess.Popen(["yes"], stdout=subprocess.DEVNULL) for _ in range(2 if busy else 0)]
        try:
            with Game(replace=replace, free_flight=False, args=["--replay", replay], env=WATCH) as game:
                status = game.wait_exit(timeout=900)
                return status, Printed(game)
        finally:
            for hog in hogs:
                hog.kill()
                hog.wait()

    def record_campaign(self):
        with Game(replace=THROUGH, free_flight=False) as game:
            game.start()
            game.key("Return", "Return")
            self.assertTrue(wait_for_prefix(game, "Test Reach"), game.output())
            game.move_mouse(150, -80)
            game.hold(["space"], 1.0)
            self.assertTrue(wait_for_prefix(game, "Test Reach cleared"), game.output())
            # The world stands still for the choice of an upgrade: the second is taken.
            self.assertTrue(game.wait_for_line("Paused"), game.output())
            game.key("2")
            self.assertTrue(wait_for_prefix(game, "Upgrade: "), game.output())
            game.key("p")
            self.assertTrue(game.wait_for_line("Paused", count=2), game.output())
            game.key("p")
            game.hold(["w"], 1.0)
            self.assertTrue(wait_for_prefix(game, "Far Side"), game.output())
            game.key("q")
            self.assertTrue(game.wait_for_line("Paused", count=3), game.output())
            game.key("y")
            self.assertEqual(game.wait_exit(), 0)
            recorded = closing_line(game)
            self.taken = next(line for line in game.lines() if line.startswith("Upgrade: "))
            self.assertTrue(recorded.startswith("Run ended: campaign, world Far Side, score "), recorded)
            return recorded, kept_replay(game, self.folder)

    def test_a_campaign_run_plays_back_to_its_closing_line_on_a_busy_machine_too(self):
        recorded, replay = self.record_campaign()
        # Watched, the recorded run is drawn as it was flown.
        with Game(replace=THROUGH, free_flight=False, args=["--replay", replay], env=WATCH) as game:
            game.wait_for_window()
            image = game.picture("replay-campaign", lambda image: bright_pixels(image, (320, 256, 960, 768)) > 2000)
            self.assertGreater(bright_pixels(image, (320, 256, 960, 768)), 2000, "the replay shows nothing")
            self.assertEqual(game.wait_exit(timeout=900), 0)
            self.assertEqual(closing_line(game), recorded)
            self.assertIn(self.taken, game.lines(), "the replay took another upgrade")
            self.assertNotIn("Progress saved", game.lines())
            self.assertFalse(os.path.exists(os.path.join(game.dir, "campaign-save.txt")))
        status, game = self.watch(replay, THROUGH, busy=True)
        self.assertEqual(status, 0)
        self.assertEqual(closing_line(game), recorded)

        # Another data set: refused in one line, never misplayed.
        other = {**THROUGH, "shipdata.txt": THROUGH["shipdata.txt"].replace("1 0.02 1.5 1 1", "1 0.02 1.5 2 1")}
        status, game = self.watch(replay, other)
        self.assertEqual(status, 1)
        self.assertEqual(game.lines()[-1], replay + ": recorded on another data set; it is not played")
        self.assertFalse(any(line.startswith("Run ended") for line in game.lines()))

    def test_a_damaged_replay_gets_one_line_and_nothing_else(self):
        damaged = os.path.join(self.folder, "damaged.replay")
        with open(damaged, "wb") as f:
            f.write(b"rerara replay 1\ngame 0.1.0\ndata 0123456789abcdef\nmode campaign\ndifficulty normal\n"
                    b"seed 7\nclock 100 100\nspawn 500\ndate 2024-05-01 18:30:05\nframes 40\nbody 120 64\nx\x9c")
        status, game = self.watch(damaged)
        self.assertEqual(status, 1)
        refused = damaged + ": the frames are cut short or followed by more; it is not played"
        self.assertEqual(game.lines(), [refused])
        self.assertEqual(game.errors(), "")
        # The data check reads it too, and counts it as a problem.
        with Game(args=["--check", "--replay", damaged]) as check:
            self.assertEqual(check.wait_exit(timeout=120), 1)
            self.assertIn(refused, check.lines())
            self.assertEqual(check.lines()[-1], "Data check: 1 problem and 0 warnings; the game would start")

    def test_an_endless_run_plays_back_to_its_closing_line(self):
        with Game(free_flight=False, args=["--seed", "5"]) as game:
            game.start()
            game.key("Down", "Return")
            self.assertTrue(game.wait_for_line("Endless run, seed 5"), game.output())
            game.move_mouse(100, 90)
            game.hold(["w", "space"], 1.5)
            game.key("q")
            self.assertTrue(game.wait_for_line("Paused"), game.output())
            game.key("y")
            self.assertEqual(game.wait_exit(), 0)
            recorded = closing_line(game)
            self.assertTrue(recorded.startswith("Run ended: endless, world "), recorded)
            replay = kept_replay(game, self.folder)
        status, game = self.watch(replay)
        self.assertEqual(status, 0)
        self.assertEqual(closing_line(game), recorded)

    def test_free_flight_records_only_when_asked_and_plays_back(self):
        settings = {"settings.txt": "freeflight_replays on\n"}
        with Game(replace=settings) as game:
            game.start()
            game.move_mouse(-120, 60)
            game.hold(["w", "space"], 1.5)
            game.hold(["a"], 0.5)
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)
            recorded = closing_line(game)
            self.assertTrue(recorded.startswith("Run ended: free flight, world "), recorded)
            replay = kept_replay(game, self.folder)
        status, game = self.watch(replay, settings)
        self.assertEqual(status, 0)
        self.assertEqual(closing_line(game), recorded)


if __name__ == "__main__":
    main()
