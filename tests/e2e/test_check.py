"""rerara --check: every problem in every file, without a window."""

import os
import subprocess
import unittest

from rerara import BINARY, Game

BROKEN = {
    "weapondata.txt": "120 3.0 3e9 25\n0 0 0 0.15\n700 1.6 1500 0.1\n",
    "shipdata.txt": "\ufeff# types\n3 0.02 0.9 150 40\n1e39 0.012 1.0 50 20\n",
    "playerdata.txt": "0 -6000 0.0008 0.003 0.0035 1000 45 # ok\n",
    "planetdata.txt": "9 300 0.1 4000 0.001 0 0.01 0 10 @Lost\n",
    "wormholedata.txt": "0 600 0 300 0 0 0 0\n0 600 0 300 0 0 0 5\n",
    "shader2.fs": "void main( {\n",
}


class Check(unittest.TestCase):
    def assert_named(self, game, status, expected):
        """The check ends with `status`, having printed every line of `expected`."""
        self.assertEqual(game.wait_exit(60), status, game.output())
        for line in expected:
            self.assertIn(line, game.lines())

    def test_shipped_data_has_no_problem(self):
        with Game(args=["--check"]) as game:
            self.assertEqual(game.wait_exit(60), 0, game.output())
            self.assertEqual(game.lines()[-1], "Data check: 0 problems and 0 warnings; the game would start")

    def test_broken_copy_names_every_problem_by_file_and_line(self):
        # Without the campaign, whose enemy types the broken ship table lacks.
        with Game(replace=BROKEN, remove=["emitterShade1.txt", "campaign"], args=["--check"]) as game:
            self.assert_named(game, 1, [
                "weapondata.txt line 1: lifetime 3e+09 is not between -1e+06 and 1e+06",
                "shipdata.txt line 3: behaviour inf is not a finite number",
                "planetdata.txt line 1: star row 9 does not exist; planet left out",
                "wormholedata.txt line 1: effect index 0 names a flame, not a wormhole swirl",
                "emitterShade5.txt: not read, since emitterShade1.txt is missing; effect disabled"])
            lines = game.lines()
            self.assertTrue(any(l.startswith("shader2.fs does not compile") for l in lines), game.output())
            self.assertEqual(lines[-1], "Data check: 5 problems and 1 warning; the game would stop at start-up")

    def test_sounds_and_settings_are_named_as_the_game_names_them(self):
        with Game(replace={"sounds/gunShot.wav": "no sound in here\n", "settings.txt": "volume loud\n"},
                  remove=["sounds/laser.wav"], args=["--check"]) as game:
            self.assertEqual(game.wait_exit(60), 0, game.output())
            lines = game.lines()
            for expected in [
                    "settings.txt line 1: volume must be a whole number from 0 to 100, using 100",
                    "Sound file sounds/laser.wav could not be read (Couldn't open sounds/laser.wav), "
                    "that sound stays silent",
                    "Sound file sounds/gunShot.wav could not be read (not a RIFF WAVE file), that sound stays silent"]:
                self.assertIn(expected, lines)
            self.assertEqual(lines[-1], "Data check: 3 problems and 0 warnings; the game would start")

    def test_generated_worlds_written_over_a_copy_pass_the_check(self):
        with Game(args=["--seed", "12345", "--write-worlds", "."]) as game:
            self.assertEqual(game.wait_exit(60), 0, game.output() + game.errors())
            self.assertIn("Seed 12345: worlds 0 to 9 written to ./campaign", game.lines())
            with open(os.path.join(game.dir, "campaign", "campaign.txt")) as f:
                self.assertIn("world 9 ", f.read())
            check = subprocess.run([os.path.abspath(BINARY), "--check"], cwd=game.dir, capture_output=True,
                                   text=True, timeout=120)
            self.assertEqual(check.returncode, 0, check.stdout)
            self.assertEqual(check.stdout.splitlines()[-1],
                             "Data check: 0 problems and 0 warnings; the game would start")

    def test_a_file_over_its_size_limit_is_named_unread(self):
        def huge(folder):  # 2 GB each, though sparse: they take no room on the disk
            for name in ("settings.txt", "campaign/campaign.txt", "shipdata.txt"):
                os.truncate(os.path.join(folder, name), 2 << 30)
        with Game(args=["--check"], prepare=huge) as game:
            self.assert_named(game, 1, [
                "settings.txt: 2147483648 bytes, more than the 256 KB a settings or save file may have; "
                "the defaults are used and the file is left as it is",
                "campaign/campaign.txt: 2147483648 bytes, more than the 2 MB a text file may have",
                "shipdata.txt: 2147483648 bytes, more than the 2 MB a text file may have"])
            self.assertLess(len(game.output()), 20000)

    def test_a_pipe_in_a_files_place_is_named_and_read_as_missing(self):
        def pipes(folder):  # nothing ever writes to them: opened, they would block for good
            for name in ("stardata.txt", "settings.txt", "player.png", "sounds/laser.wav",
                         "subatomic.tsoonami.ttf"):
                os.remove(os.path.join(folder, name))
                os.mkfifo(os.path.join(folder, name))
        with Game(args=["--check"], prepare=pipes) as game:
            self.assert_named(game, 1, [
                "stardata.txt: a named pipe, not a file",
                "settings.txt: a named pipe, not a file; the defaults are used and the file is left as it is",
                "SOIL loading error on player.png: 'a named pipe, not a file'",
                "Sound file sounds/laser.wav could not be read (a named pipe, not a file), that sound stays silent",
                "subatomic.tsoonami.ttf: a named pipe, not a file; the game cannot show its text"])

    def test_without_a_display_it_says_what_was_not_checked(self):
        os.environ["SAVED_DISPLAY"] = os.environ.get("DISPLAY", "")
        del os.environ["DISPLAY"]
        try:
            with Game(args=["--check"]) as game:
                self.assertEqual(game.wait_exit(60), 0, game.output())
                self.assertIn("No display: the images, shaders and font need OpenGL and were not checked",
                              game.lines())
        finally:
            os.environ["DISPLAY"] = os.environ.pop("SAVED_DISPLAY")


if __name__ == "__main__":
    unittest.main(verbosity=2)
