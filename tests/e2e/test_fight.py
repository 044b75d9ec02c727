"""A scripted fight: enemies close in, and each weapon is used on them; the
sound of it, recorded through SDL's disk audio driver, never reaches full scale."""

import array
import math
import os
import tempfile
import time
import unittest

from rerara import TIMERS_FIGURE, Game, colour_pixels, deadline, save, text_changed, xdotool

# Fast, fragile enemies that come to hover near the ship, so the fight starts
# at once and any hit makes an explosion.
FAST_ENEMIES = "3 0.02 0.9 150 40\n3 0.6 12 1 20\n"
PLAY_AREA = (220, 210, 1060, 840)  # the view without the panels and status lines


def laser_pink(r, g, b):
    return r > 200 and b > 110 and g < 170


def bullet_yellow(r, g, b):
    return r > 200 and g > 170 and b < 150


def peak_dbfs(path):
    """The loudest 16-bit sample of a raw recording, in dB below full scale."""
    with open(path, "rb") as f:
        data = f.read()
    samples = array.array("h", data[:len(data) - len(data) % 2])
    return 20 * math.log10(max(1, max(map(abs, samples), default=0)) / 32768)


class Fight(unittest.TestCase):
    def test_each_weapon_fires_and_ships_explode(self):
        record = tempfile.NamedTemporaryFile(suffix=".raw", delete=False).name
        self.addCleanup(os.remove, record)
        # The disk driver waits this long after each 512-sample buffer: about real time.
        env = {"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": record, "SDL_DISKAUDIODELAY": "23"}
        with Game(replace={"shipdata.txt": FAST_ENEMIES}, env=env) as game:
            game.start()
            calm = game.first_frame("fight-start")  # no timed events yet
            game.key("equal", "equal")  # enemies four times as often
            game.wheel(4, 3)  # zoom in to see the sprites
            time.sleep(7)
            game.move_mouse(220, 0)  # aim to the right of the ship
            time.sleep(0.2)

            # The laser, swept up and down beside the ship until its beam and a
            # ship blowing up have been seen.
            game.key("2")
            xdotool("keydown", "space")
            beam = explosions = step = 0
            going = deadline(90)
            while (beam <= 150 or explosions <= 50) and going():
                game.move_mouse(0, 35 if step // 12 % 2 == 0 else -35)
                step += 1
                shot = game.grab()
                pink = colour_pixels(shot, PLAY_AREA, laser_pink)
                if pink > beam:
                    beam = pink
                    save(shot, "fight-laser")
                # Timed events appear only as ships blow up: the timers figure changes.
                explosions = max(explosions, text_changed(calm, shot, TIMERS_FIGURE))
            xdotool("keyup", "space")
            self.assertGreater(beam, 150, "no laser beam")
            self.assertGreater(explosions, 50, "no explosion seen")

            game.key("1")
            xdotool("keydown", "space")
            bullets, going = 0, deadline(60)
            while bullets <= 3 and going():
                game.move_mouse(-40 if step // 8 % 2 == 0 else 40, 0)
                step += 1
                gun = game.grab()
                bullets = colour_pixels(gun, PLAY_AREA, bullet_yellow)
            save(gun, "fight-gun")
            xdotool("keyup", "space")
            self.assertGreater(bullets, 3, "no gun shots")

            game.key("3")
            xdotool("keydown", "space")
            for _ in range(8):
                game.move_mouse(0, -40)
                time.sleep(0.12)
            game.screenshot("fight-shockwave")
            xdotool("keyup", "space")
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)
        # Explosions, shots and the loops at once: loud, yet never clipped.
        peak = peak_dbfs(record)
        print("loudest sample of the fight: %.2f dBFS" % peak)
        self.assertGreater(peak, -6, "the fight was hardly heard")
        self.assertLess(peak, -0.5, "the mix reached full scale")


if __name__ == "__main__":
    unittest.main(verbosity=2)
