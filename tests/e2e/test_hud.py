"""The campaign's HUD read from the screen: arriving in a world shows its name."""

import time
import unittest

from rerara import Game, text_likeness, xdotool

# A campaign of two worlds. The ship starts in world 0, which the script does
# not name (its star does), facing a wormhole 1500 units ahead that leads on
# to Far Shore.
TINY_CAMPAIGN = {
    "campaign/campaign.txt": "start 0\npoints 1 100\nworld 1 Far Shore\nfinal\nwave\nships 1 1 1 0 1\n",
    "campaign/stardata.txt": "0 0 5000 300 0.01 0 14 @Harbor\n1 0 5000 300 0.01 0 14 @Yonder\n",
    "campaign/planetdata.txt": "# no planets\n",
    "campaign/wormholedata.txt": "0 1500 -6000 300 1 0 -6000 1\n",
}
# The arrival banner: centred, its baseline 264 pixels from the top, scale 48.
BANNER = (640, 264)
BANNER_SCALE = 48


def banner_likeness(image, name):
    return text_likeness(image, name, BANNER_SCALE, *BANNER)


class ArrivalBanner(unittest.TestCase):
    def wait_for_banner(self, game, name, shot, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            image = game.screenshot(shot)
            if banner_likeness(image, name) > 0.9:
                return image
            self.assertIsNone(game.process.poll(), game.output())
        self.fail("no banner reading %r: see %s.png" % (name, shot))

    def test_the_worlds_name_shows_on_arrival(self):
        with Game(free_flight=False, replace=TINY_CAMPAIGN) as game:
            game.start()
            game.key("Return")  # New campaign
            game.key("Return")  # at the difficulty offered
            start = self.wait_for_banner(game, "Harbor", "hud-arrival-start")
            self.assertLess(banner_likeness(start, "Far Shore"), 0.5, "the reading tells names apart")

            xdotool("keydown", "w")  # straight into the wormhole
            try:
                arrived = self.wait_for_banner(game, "Far Shore", "hud-arrival-far-shore")
            finally:
                xdotool("keyup", "w")
            self.assertLess(banner_likeness(arrived, "Harbor"), 0.5)
            game.key("q", "y")
            self.assertEqual(game.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
