"""What the game plays, recorded through SDL's disk audio driver (the effects,
and the music of the title screen), and the game running on when sound cannot
be had."""

import array
import math
import os
import tempfile
import time
import unittest

import numpy

from rerara import Game, colour_pixels, deadline, xdotool

# Enemies that never move, so none comes near enough to be heard.
STILL_ENEMIES = "0 0 0 50 20\n0 0 0 50 20\n"

# A campaign with the ship at the world's right edge: its enemies (row 2,
# standing still, one hit kills) can only arrive on its left, and keep coming.
SIDE_FIGHT = {
    "shipdata.txt": "3 0.02 0.9 150 40\n1 0.012 1.0 50 20\n0 0 0 1 0\n",
    "playerdata.txt": "99800 0 0.0008 0.003 0.0035 1000 45\n",
    "campaign/campaign.txt": "spawn 1500 2000\nworld 0 Edge\ngoal kills 1000\nfinal\nwave\nships 2 6 6 500 6\n",
    "campaign/stardata.txt": "0 0 -60000 100 0 0 14 @Anchor\n",
    "campaign/planetdata.txt": "",
    "campaign/wormholedata.txt": "",
}


def enemies_left(image):
    """Pixels of the red enemy sprites left of the ship."""
    return colour_pixels(image, (0, 60, 620, 960), lambda r, g, b: r > 150 and g < 90 and b < 90)


def frames(path, start):
    """The recording's (left, right) 16-bit frames from a size on."""
    with open(path, "rb") as f:
        f.seek(start - start % 4)
        data = f.read()
    return numpy.frombuffer(data[:len(data) - len(data) % 4], dtype=numpy.int16).reshape(-1, 2).astype(float)


def loudness(path, start, end):
    """RMS of the 16-bit samples the file gained between two sizes."""
    start -= start % 4
    with open(path, "rb") as f:
        f.seek(start)
        samples = array.array("h", f.read(end - start - (end - start) % 4))
    return math.sqrt(sum(v * v for v in samples) / max(1, len(samples)))


class Sound(unittest.TestCase):
    def test_recording_holds_each_sound_and_silence_while_muted(self):
        record = tempfile.NamedTemporaryFile(suffix=".raw", delete=False).name
        # The disk driver waits this long after each 512-sample buffer: about real time.
        env = {"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": record, "SDL_DISKAUDIODELAY": "23"}
        try:
            with Game(replace={"shipdata.txt": STILL_ENEMIES}, env=env) as game:
                game.start()

                def heard(*keys, seconds=1.0):
                    before = os.path.getsize(record)
                    if keys:
                        game.hold(keys, seconds)
                    else:
                        time.sleep(seconds)
                    time.sleep(0.1)  # the mixer's last buffers reach the file
                    return loudness(record, before, os.path.getsize(record))

                self.assertLess(heard(), 5, "sound before anything happened")
                self.assertGreater(heard("w", seconds=0.6), 500, "no engine")
                game.move_mouse(150, 0)  # aim away from the ship
                for weapon in ("1", "2", "3"):
                    game.key(weapon)
                    self.assertGreater(heard("space"), 500, "weapon %s is silent" % weapon)
                game.key("v")
                time.sleep(0.3)
                self.assertLess(heard("w", "space"), 5, "sound while muted")
                game.key("v")
                self.assertGreater(heard("w", seconds=0.5), 500, "no engine after unmuting")
                game.key("q")
                self.assertEqual(game.wait_exit(), 0)
        finally:
            os.remove(record)

    def test_title_plays_its_music_until_muted(self):
        record = tempfile.NamedTemporaryFile(suffix=".raw", delete=False).name
        self.addCleanup(os.remove, record)
        env = {"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": record, "SDL_DISKAUDIODELAY": "23"}
        with Game(free_flight=False, env=env) as game:
            game.start()

            def second_until(test):
                """The loudness of each next second until one passes the test; None if none does."""
                deadline = time.time() + 30
                while time.time() < deadline:
                    before = os.path.getsize(record)
                    time.sleep(1)
                    level = loudness(record, before, os.path.getsize(record))
                    if test(level):
                        return level
                return None

            # The loop fades in, quiet under the effects but plainly there.
            self.assertIsNotNone(second_until(lambda level: level > 200), "no music on the title")
            game.key("v")
            self.assertIsNotNone(second_until(lambda level: level < 5), "music while muted")
            game.key("v")
            self.assertIsNotNone(second_until(lambda level: level > 200), "no music after unmuting")
            game.key("Up", "Return")  # Quit, the last item
            self.assertEqual(game.wait_exit(), 0)

    def test_a_fight_on_the_left_is_heard_on_the_left_and_never_clips(self):
        record = tempfile.NamedTemporaryFile(suffix=".raw", delete=False).name
        self.addCleanup(os.remove, record)
        env = {"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": record, "SDL_DISKAUDIODELAY": "23"}
        with Game(replace=SIDE_FIGHT, free_flight=False, env=env) as game:
            game.start()
            game.key("Return", "Return")  # New campaign, the difficulty offered first
            self.assertTrue(game.wait_for_line("Wave 1"), game.output())
            self.assertGreater(enemies_left(game.picture("sound-side-enemies", lambda i: enemies_left(i) > 100)), 100)

            # The shockwave gun, fired straight left: its shots sound at the
            # ship, their bursts (and the ships they break) 2400 units left.
            game.move_mouse(-300, 0)
            game.key("3")
            start = os.path.getsize(record)
            xdotool("keydown", "space")
            going = deadline(120)
            while os.path.getsize(record) - start < 10 * 22050 * 4 and going():  # 10 s of 16-bit stereo
                time.sleep(0.5)
            game.screenshot("sound-side-fight")
            xdotool("keyup", "space")
            fight = frames(record, start)
            self.assertGreater(len(fight), 8 * 22050, "the fight was not recorded")
            self.assertLess(numpy.corrcoef(fight.T)[0, 1], 0.95, "the fight sounds the same in both ears")
            left, right = numpy.sqrt((fight ** 2).mean(axis=0))
            self.assertGreater(20 * math.log10(left / right), 1, "the fight is not on the left")
            self.assertLessEqual(numpy.abs(frames(record, 0)).max(), 32768 * 10 ** (-1 / 20))  # -1 dBFS
            game.key("q", "y")
            self.assertEqual(game.wait_exit(), 0)

    def test_runs_on_without_a_sound_file_or_without_audio(self):
        with Game(remove=["sounds/gunShot.wav"]) as game:
            game.start()
            self.assertTrue([line for line in game.lines() if line.startswith(
                "Sound file sounds/gunShot.wav could not be read")], game.output())
            game.move_mouse(150, 0)
            before = game.screenshot("sound-missing-gun-before")
            xdotool("keydown", "space")
            time.sleep(0.5)
            shots = game.screenshot("sound-missing-gun")
            xdotool("keyup", "space")
            # Shots are warm dots on the line to the right of the ship.
            line = (660, 490, 1100, 535)
            warm = [colour_pixels(image, line, lambda r, g, b: r > 120 and r > b + 40) for image in (before, shots)]
            self.assertGreater(warm[1] - warm[0], 20, "the gun no longer fires")
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

        with Game(env={"SDL_AUDIODRIVER": "nosuchdevice"}) as game:
            game.start()
            self.assertIn("No audio (No available audio device), the game runs without sound", game.lines())
            game.hold(["w", "space"], 0.5)
            game.key("v", "q")
            self.assertEqual(game.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
