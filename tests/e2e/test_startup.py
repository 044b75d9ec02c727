"""Start-up, quitting and failing start-ups of the real game."""

import time
import unittest

from rerara import Game, bright_pixels

STARTUP_ORDER = [
    "Processing emitterShade0.txt",
    "Processing emitterShade1.txt",
    "# emitters:2",
    "Starting this thing",
    "SDL initialized",
    "Glew is initialized",
    "loading weapondata.txt",
    "Opening weapondata.txt",
    "loading shipdata.txt",
    "Opening shipdata.txt",
    "Reading shader 1",
    "Reading shader 2",
    "Reading shader 3",
    "Shaders read: 3",
    "Ver17",
    "Loading player data",
    "Opening playerdata.txt",
    "Emitter construct",
    "shader size: 3",
    "Player initialized",
    "Loading font",
    "Initializing stars",
    "Loading star and planet data",
    "Opening stardata.txt",
    "Opening planetdata.txt",
    "Opening wormholedata.txt",
    "Now loading wormholes",
    "Done with that, now starting main loop",
]

IMAGES = ["player.png", "mouse.png", "enemy.png", "explosion.png", "laser.png", "bulletDot.png",
          "fragment.png", "blast.png", "shockwaveBullet.png", "dust.png", "mars.png", "radar.png",
          "enemyRadar.png", "playerRadar.png", "bluestar.png", "dotTriad.png",
          "diamondParticle.png", "flame.tga", "wormhole1.tga", "map.png", "whiteDot.png"]


def assert_in_order(test, lines, expected):
    position = 0
    for want in expected:
        try:
            position = lines.index(want, position) + 1
        except ValueError:
            test.fail("missing or out of order: %r\n--- output ---\n%s" % (want, "\n".join(lines)))


class StartUp(unittest.TestCase):
    def test_lines_in_order_then_q_quits_cleanly(self):
        with Game() as game:
            game.start()
            assert_in_order(self, game.lines(), STARTUP_ORDER)
            self.assertEqual(game.lines()[:3], STARTUP_ORDER[:3])
            self.assertIn("Can't open file 'shader3.vs' for reading", game.errors())
            self.assertIn("Can't open file 'shader3.fs' for reading", game.errors())
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_a_start_at_the_title_passes_over_the_end_of_the_shader_list(self):
        with Game(free_flight=False) as game:
            game.start()
            self.assertIn("Shaders read: 3", game.lines())
            self.assertNotIn("Can't open", game.errors())
            game.key("Up", "Return")  # Quit, the last item
            self.assertEqual(game.wait_exit(), 0)

    def test_status_lines_show_after_two_seconds(self):
        with Game() as game:
            game.start()
            game.screenshot("startup-0s")
            time.sleep(2)
            # The five status lines sit in the bottom-left corner, white on the dark sky.
            text_area = (0, 1024 - 150, 420, 1024)
            shot = game.picture("startup-status-lines", lambda image: bright_pixels(image, text_area, 200) > 1500)
            self.assertGreater(bright_pixels(shot, text_area, 200), 1500)
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_missing_weapon_table_ends_with_status_1(self):
        with Game(remove=["weapondata.txt"]) as game:
            self.assertEqual(game.wait_exit(), 1)
            lines = game.lines()
            assert_in_order(self, lines, ["loading weapondata.txt", "Error opening file"])
            self.assertNotIn("loading shipdata.txt", lines)

    def test_short_ship_table_is_reported_and_ends_with_status_1(self):
        with Game(replace={"shipdata.txt": "1 0.01 1 100 50\n"}) as game:
            self.assertEqual(game.wait_exit(), 1)
            self.assertTrue(any("shipdata.txt" in line and line != "loading shipdata.txt"
                                and line != "Opening shipdata.txt" for line in game.lines()),
                            game.output())

    def test_missing_images_are_reported_and_the_game_runs_on(self):
        with Game(remove=IMAGES) as game:
            game.start()
            errors = [l for l in game.lines() if l.startswith("SOIL loading error on ")]
            self.assertEqual(len(errors), 21, "\n".join(errors))
            self.assertEqual(sum(1 for l in errors if l.endswith("'")), 19)
            self.assertIn("SOIL loading error on diamondParticle: '", "\n".join(errors))
            game.screenshot("no-images")
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_a_font_that_cannot_be_used_ends_with_status_1(self):
        with Game(replace={"subatomic.tsoonami.ttf": ""}) as game:
            self.assertEqual(game.wait_exit(), 1)
            assert_in_order(self, game.lines(), [
                "Loading font",
                "subatomic.tsoonami.ttf: not a font FreeType can read; the game cannot show its text"])
            self.assertNotIn("Initializing stars", game.lines())

    def test_missing_player_file_ends_with_status_1(self):
        with Game(remove=["playerdata.txt"]) as game:
            self.assertEqual(game.wait_exit(), 1)
            assert_in_order(self, game.lines(),
                            ["Loading player data", "Error opening file", "playerdata read failure"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
